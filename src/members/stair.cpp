#include "members/stair.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsLtBs::clsLtBs() : m_Member(std::make_unique<MemberComponent>()) {}

clsLtBs::~clsLtBs() {
  m_Member.reset();
}

void clsLtBs::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsLtBs::PicForm(HostRef& frm) {
  pic_form_ = frm;
}

void clsLtBs::iCboBoxGotFocusIndex(int16_t& Index) {
  cbo_focus_index_ = Index;
}

const ClassInfo& clsLtBs::ClassInfoOf() {
  using C [[maybe_unused]] = clsLtBs;
  static const ClassInfo ci{"clsLtBs",
                            {
                                Method("SubForm", &C::SubForm, {"frm"}),
                                Method("PicForm", &C::PicForm, {"frm"}),
                                Method("iCboBoxGotFocusIndex", &C::iCboBoxGotFocusIndex, {"Index"}),
                            }};
  return ci;
}

}  // namespace tk
