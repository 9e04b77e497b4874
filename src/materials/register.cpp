// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "materials/material.h"

namespace tk {

void RegisterMaterialDocs();

void RegisterMaterialsClasses() {
  RegisterClass<clsMaterial>();
  RegisterMaterialDocs();
}

}  // namespace tk
