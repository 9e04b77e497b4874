// clsMVT: bending, shear and torsion design of beam sections.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsMVT : public Component {
 public:
  clsMVT();
  ~clsMVT() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();


 private:
};

}  // namespace tk
