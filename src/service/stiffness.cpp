#include "service/stiffness.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsBendComponentBl::clsBendComponentBl() {}

clsBendComponentBl::~clsBendComponentBl() = default;

void clsBendComponentBl::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsBendComponentBl::RegisterTexts() {}

const ClassInfo& clsBendComponentBl::Info() const { return ClassInfoOf(); }

const ClassInfo& clsBendComponentBl::ClassInfoOf() {
  using C [[maybe_unused]] = clsBendComponentBl;
  static const ClassInfo ci{
    "clsBendComponentBl",
    {
      Method("SubForm", &C::SubForm, {"frm"}),
    }};
  return ci;
}

}  // namespace tk
