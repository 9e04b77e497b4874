// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "loads/wind.h"

namespace tk {

void RegisterWindDocs();

void RegisterLoadsClasses() {
  RegisterClass<clsWind>();
  RegisterWindDocs();
}

}  // namespace tk
