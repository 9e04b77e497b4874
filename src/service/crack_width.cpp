#include "service/crack_width.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsLfKd::clsLfKd()
    : m_Member(std::make_unique<MemberComponent>()) {}

clsLfKd::~clsLfKd() {
  m_Member.reset();
}

void clsLfKd::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsLfKd::PicForm(HostRef& frm) { pic_form_ = frm; }

void clsLfKd::RegisterTexts() {}

const ClassInfo& clsLfKd::Info() const { return ClassInfoOf(); }

const ClassInfo& clsLfKd::ClassInfoOf() {
  using C [[maybe_unused]] = clsLfKd;
  static const ClassInfo ci{
    "clsLfKd",
    {
      Method("SubForm", &C::SubForm, {"frm"}),
      Method("PicForm", &C::PicForm, {"frm"}),
    }};
  return ci;
}

}  // namespace tk
