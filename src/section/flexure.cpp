#include "section/flexure.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsMoment::clsMoment() {}

clsMoment::~clsMoment() = default;

void clsMoment::Let_Controls(HostRef& frmM, HostRef& frmX) {
  modKalbex::Services().SetMainForm(frmM);
  work_form_ = frmX;
  BindControls();
}

void clsMoment::BindControls() {}

void clsMoment::RegisterTexts() {}

const ClassInfo& clsMoment::Info() const { return ClassInfoOf(); }

const ClassInfo& clsMoment::ClassInfoOf() {
  using C [[maybe_unused]] = clsMoment;
  static const ClassInfo ci{
    "clsMoment",
    {
      Method("Let_Controls", &C::Let_Controls, {"frmM", "frmX"}),
    }};
  return ci;
}

}  // namespace tk
