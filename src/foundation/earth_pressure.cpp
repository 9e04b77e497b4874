#include "foundation/earth_pressure.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsDtqKa::clsDtqKa() {}

clsDtqKa::~clsDtqKa() = default;

void clsDtqKa::RegisterTexts() {}

const ClassInfo& clsDtqKa::Info() const { return ClassInfoOf(); }

const ClassInfo& clsDtqKa::ClassInfoOf() {
  using C [[maybe_unused]] = clsDtqKa;
  static const ClassInfo ci{
    "clsDtqKa",
    {
    }};
  return ci;
}

}  // namespace tk
