// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "service/crack_width.h"
#include "service/result_files.h"
#include "service/stiffness.h"

namespace tk {

void RegisterCrackWidthDocs();
void RegisterStiffnessDocs();
void RegisterResultFilesDocs();

void RegisterServiceClasses() {
  RegisterClass<clsMsMl>();
  RegisterClass<clsBendComponentBl>();
  RegisterClass<clsLfKd>();
  RegisterCrackWidthDocs();
  RegisterStiffnessDocs();
  RegisterResultFilesDocs();
}

}  // namespace tk
