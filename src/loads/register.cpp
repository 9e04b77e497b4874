// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "loads/wind.h"

namespace tk {

void RegisterWindDocs();

void RegisterLoadsClasses() {
  Registry::Add(
      {"clsWind", [] { return std::unique_ptr<Component>(new clsWind()); }, &clsWind::ClassInfoOf});
  clsWind::RegisterTexts();
  RegisterWindDocs();
}

}  // namespace tk
