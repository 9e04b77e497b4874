// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "section/flexure.h"
#include "section/mvt.h"

namespace tk {

void RegisterMomentDocs();
void RegisterMvtDocs();

void RegisterSectionClasses() {
  Registry::Add(
      {"clsMVT", [] { return std::unique_ptr<Component>(new clsMVT()); }, &clsMVT::ClassInfoOf});
  clsMVT::RegisterTexts();
  Registry::Add({"clsMoment", [] { return std::unique_ptr<Component>(new clsMoment()); },
                 &clsMoment::ClassInfoOf});
  clsMoment::RegisterTexts();
  RegisterMomentDocs();
  RegisterMvtDocs();
}

}  // namespace tk
