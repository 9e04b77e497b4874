#include "loads/wind.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsWind::clsWind() {}

clsWind::~clsWind() = default;

void clsWind::RegisterTexts() {}

const ClassInfo& clsWind::Info() const { return ClassInfoOf(); }

const ClassInfo& clsWind::ClassInfoOf() {
  using C [[maybe_unused]] = clsWind;
  static const ClassInfo ci{
    "clsWind",
    {
    }};
  return ci;
}

}  // namespace tk
