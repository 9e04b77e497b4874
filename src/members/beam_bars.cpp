#include "members/beam_bars.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsBeamPjOld::clsBeamPjOld()
    : m_LfKd(std::make_unique<clsLfKd>()),
      m_Moment(std::make_unique<clsMoment>()) {}

clsBeamPjOld::~clsBeamPjOld() {
  m_LfKd.reset();
  m_Moment.reset();
}

void clsBeamPjOld::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsBeamPjOld::RegisterTexts() {}

const ClassInfo& clsBeamPjOld::Info() const { return ClassInfoOf(); }

const ClassInfo& clsBeamPjOld::ClassInfoOf() {
  using C [[maybe_unused]] = clsBeamPjOld;
  static const ClassInfo ci{
    "clsBeamPjOld",
    {
      Method("SubForm", &C::SubForm, {"frm"}),
    }};
  return ci;
}

}  // namespace tk
