#include "service/result_files.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsMsMl::clsMsMl() {}

clsMsMl::~clsMsMl() = default;

void clsMsMl::RegisterTexts() {}

const ClassInfo& clsMsMl::Info() const { return ClassInfoOf(); }

const ClassInfo& clsMsMl::ClassInfoOf() {
  using C [[maybe_unused]] = clsMsMl;
  static const ClassInfo ci{
    "clsMsMl",
    {
    }};
  return ci;
}

}  // namespace tk
