// clsWind: wind load standard values per storey (GBJ 9-87, JBJ 102-96).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsWind : public Component {
 public:
  clsWind();
  ~clsWind() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();


 private:
};

}  // namespace tk
