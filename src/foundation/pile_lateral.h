// clsZhRh: single-pile lateral capacity (JGJ 94-94).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsZhRh : public Component {
 public:
  clsZhRh();
  ~clsZhRh() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();


 private:
};

}  // namespace tk
