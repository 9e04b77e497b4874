#include "foundation/pile_load_test.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsZtj::clsZtj() {}

clsZtj::~clsZtj() = default;

void clsZtj::Let_Controls(HostRef& frmM, HostRef& frmX) {
  modKalbex::Services().SetMainForm(frmM);
  work_form_ = frmX;
  BindControls();
}

void clsZtj::BindControls() {}

void clsZtj::RegisterTexts() {}

const ClassInfo& clsZtj::Info() const { return ClassInfoOf(); }

const ClassInfo& clsZtj::ClassInfoOf() {
  using C [[maybe_unused]] = clsZtj;
  static const ClassInfo ci{
    "clsZtj",
    {
      Method("Let_Controls", &C::Let_Controls, {"frmM", "frmX"}),
    }};
  return ci;
}

}  // namespace tk
