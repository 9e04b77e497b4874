// The classes this test program links.
#include "frame/registry.h"

namespace tk {

void RegisterAllClasses() {
  RegisterMaterialsClasses();
  RegisterLoadsClasses();
}

}  // namespace tk
