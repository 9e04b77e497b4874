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
  RegisterClass<clsDlJcOld>();
  RegisterClass<clsZtj>();
  RegisterClass<clsZhRh>();
  RegisterClass<clsDtqKa>();
  RegisterPileLoadTestDocs();
  RegisterFootingDocs();
  RegisterPileLateralDocs();
  RegisterEarthPressureDocs();
}

}  // namespace tk
