// The whole library: every subsystem's classes.
#include "frame/registry.h"

namespace tk {

void RegisterAllClasses() {
  RegisterMaterialsClasses();
  RegisterSectionClasses();
  RegisterServiceClasses();
  RegisterMembersClasses();
  RegisterFoundationClasses();
  RegisterLoadsClasses();
}

}  // namespace tk
