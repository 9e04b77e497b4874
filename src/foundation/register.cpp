// Registration of the classes and report texts of this subsystem.
#include "foundation/earth_pressure.h"
#include "foundation/footing.h"
#include "foundation/pile_lateral.h"
#include "foundation/pile_load_test.h"
#include "frame/registry.h"
#include "frame/services.h"

namespace tk {

void RegisterPileLoadTestDocs();

void RegisterFootingDocs();

void RegisterPileLateralDocs();
void RegisterEarthPressureDocs();

void RegisterFoundationClasses() {
  Registry::Add({"clsDlJcOld", [] { return std::unique_ptr<Component>(new clsDlJcOld()); },
                 &clsDlJcOld::ClassInfoOf});
  clsDlJcOld::RegisterTexts();
  Registry::Add(
      {"clsZtj", [] { return std::unique_ptr<Component>(new clsZtj()); }, &clsZtj::ClassInfoOf});
  clsZtj::RegisterTexts();
  Registry::Add(
      {"clsZhRh", [] { return std::unique_ptr<Component>(new clsZhRh()); }, &clsZhRh::ClassInfoOf});
  clsZhRh::RegisterTexts();
  Registry::Add({"clsDtqKa", [] { return std::unique_ptr<Component>(new clsDtqKa()); },
                 &clsDtqKa::ClassInfoOf});
  clsDtqKa::RegisterTexts();
  RegisterPileLateralDocs();
  RegisterEarthPressureDocs();
  RegisterFootingDocs();
  RegisterPileLoadTestDocs();
}

}  // namespace tk
