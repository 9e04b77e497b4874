// clsLtBs: stair design.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"
#include "frame/member.h"

namespace tk {

class clsLtBs : public Calculator<clsLtBs> {
 public:
  clsLtBs();
  ~clsLtBs() override;
  static const ClassInfo& ClassInfoOf();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Host picture form.
  void PicForm(HostRef& frm);
  // Remembers which combo box of the host form has the focus.
  void iCboBoxGotFocusIndex(int16_t& Index);

  // Member objects, created at construction and released at destruction in this order.
  MemberComponent& member() { return *m_Member; }

 private:
  std::unique_ptr<MemberComponent> m_Member;
  HostRef sub_form_;
  HostRef pic_form_;
  int16_t cbo_focus_index_ = -1;
};

}  // namespace tk
