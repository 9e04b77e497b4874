// clsMsMl: governing beam moments read from SATWE and TBSA result files.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsMsMl : public Component {
 public:
  clsMsMl();
  ~clsMsMl() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();


 private:
};

}  // namespace tk
