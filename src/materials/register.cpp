// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "materials/material.h"

namespace tk {

void RegisterMaterialDocs();

void RegisterMaterialsClasses() {
  Registry::Add({"clsMaterial", [] { return std::unique_ptr<Component>(new clsMaterial()); },
                 &clsMaterial::ClassInfoOf});
  RegisterMaterialDocs();
}

}  // namespace tk
