// clsBeamPjOld: beam bar selection.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"
#include "section/flexure.h"
#include "service/crack_width.h"

namespace tk {

class clsBeamPjOld : public Component {
 public:
  clsBeamPjOld();
  ~clsBeamPjOld() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);

  // Member objects, created at construction and released at destruction in this order.
  clsLfKd& lfkd() { return *m_LfKd; }
  clsMoment& moment() { return *m_Moment; }

 private:
  std::unique_ptr<clsLfKd> m_LfKd;
  std::unique_ptr<clsMoment> m_Moment;
  HostRef sub_form_;
};

}  // namespace tk
