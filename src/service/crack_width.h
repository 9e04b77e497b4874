// clsLfKd: crack width of reinforced-concrete members.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"
#include "frame/member.h"

namespace tk {

class clsLfKd : public Component {
 public:
  clsLfKd();
  ~clsLfKd() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Host picture form.
  void PicForm(HostRef& frm);

  // Member objects, created at construction and released at destruction in this order.
  MemberComponent& member() { return *m_Member; }

 private:
  std::unique_ptr<MemberComponent> m_Member;
  HostRef sub_form_;
  HostRef pic_form_;
};

}  // namespace tk
