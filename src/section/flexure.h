// clsMoment: flexure and shear of rectangular sections (GBJ 10-89).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"

namespace tk {

class clsMoment : public Component {
 public:
  clsMoment();
  ~clsMoment() override;
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
