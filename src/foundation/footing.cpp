#include "foundation/footing.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsDlJcOld::clsDlJcOld()
    : m_Moment(std::make_unique<clsMoment>()), m_Member(std::make_unique<MemberComponent>()) {}

clsDlJcOld::~clsDlJcOld() {
  m_Moment.reset();
  m_Member.reset();
}

void clsDlJcOld::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsDlJcOld::PicForm(HostRef& frm) {
  pic_form_ = frm;
}

void clsDlJcOld::tValue(int16_t& Index, std::string& text) {
  modKalbex::Services().SetIndexedValue(Index, text);
}

const ClassInfo& clsDlJcOld::ClassInfoOf() {
  using C [[maybe_unused]] = clsDlJcOld;
  static const ClassInfo ci{"clsDlJcOld",
                            {
                                Method("SubForm", &C::SubForm, {"frm"}),
                                Method("PicForm", &C::PicForm, {"frm"}),
                                Method("tValue", &C::tValue, {"Index", "text"}),
                            }};
  return ci;
}

}  // namespace tk
