// clsBendComponentBl: short- and long-term stiffness of flexural members.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsBendComponentBl : public Component {
 public:
  clsBendComponentBl();
  ~clsBendComponentBl() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);

 private:
  HostRef sub_form_;
};

}  // namespace tk
