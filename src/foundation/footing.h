// clsDlJcOld: isolated column footings with automatic sizing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"
#include "frame/member.h"
#include "section/flexure.h"

namespace tk {

class clsDlJcOld : public Calculator<clsDlJcOld> {
 public:
  clsDlJcOld();
  ~clsDlJcOld() override;
  static const ClassInfo& ClassInfoOf();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Host picture form.
  void PicForm(HostRef& frm);
  // Hands an indexed text to the shared services component.
  void tValue(int16_t& Index, std::string& text);

  // Member objects, created at construction and released at destruction in this order.
  clsMoment& moment() { return *m_Moment; }
  MemberComponent& member() { return *m_Member; }

 private:
  std::unique_ptr<clsMoment> m_Moment;
  std::unique_ptr<MemberComponent> m_Member;
  HostRef sub_form_;
  HostRef pic_form_;
};

}  // namespace tk
