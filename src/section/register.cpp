// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "section/flexure.h"
#include "section/mvt.h"

namespace tk {

void RegisterMomentDocs();
void RegisterMvtDocs();

void RegisterSectionClasses() {
  RegisterClass<clsMVT>();
  RegisterClass<clsMoment>();
  RegisterMomentDocs();
  RegisterMvtDocs();
}

}  // namespace tk
