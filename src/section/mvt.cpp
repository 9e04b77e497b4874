#include "section/mvt.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsMVT::clsMVT() {}

clsMVT::~clsMVT() = default;

void clsMVT::RegisterTexts() {}

const ClassInfo& clsMVT::Info() const { return ClassInfoOf(); }

const ClassInfo& clsMVT::ClassInfoOf() {
  using C [[maybe_unused]] = clsMVT;
  static const ClassInfo ci{
    "clsMVT",
    {
    }};
  return ci;
}

}  // namespace tk
