// clsDtqKa: active earth pressure coefficient of retaining walls (GBJ 7-89).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsDtqKa : public Component {
 public:
  clsDtqKa();
  ~clsDtqKa() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();


 private:
};

}  // namespace tk
