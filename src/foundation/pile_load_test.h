// clsZtj: pile static load-test statistics (JGJ 94-94 appendix C).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsZtj : public Component {
 public:
  clsZtj();
  ~clsZtj() override;
  const ClassInfo& Info() const override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Main form to the shared services component; frmX becomes the working form.
  void Let_Controls(HostRef& frmM, HostRef& frmX);

 private:
  // Looks up the named controls of the working form once.
  void BindControls();
  HostRef work_form_;
};

}  // namespace tk
