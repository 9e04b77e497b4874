#include "foundation/pile_lateral.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsZhRh::clsZhRh() {}

clsZhRh::~clsZhRh() = default;

void clsZhRh::RegisterTexts() {}

const ClassInfo& clsZhRh::Info() const { return ClassInfoOf(); }

const ClassInfo& clsZhRh::ClassInfoOf() {
  using C [[maybe_unused]] = clsZhRh;
  static const ClassInfo ci{
    "clsZhRh",
    {
    }};
  return ci;
}

}  // namespace tk
