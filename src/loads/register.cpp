// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "loads/wind.h"

namespace tk {

void RegisterLoadsClasses() {
  RegisterClass<clsWind>();
}

}  // namespace tk
