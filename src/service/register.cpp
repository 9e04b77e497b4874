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
  Registry::Add(
      {"clsMsMl", [] { return std::unique_ptr<Component>(new clsMsMl()); }, &clsMsMl::ClassInfoOf});
  clsMsMl::RegisterTexts();
  Registry::Add({"clsBendComponentBl",
                 [] { return std::unique_ptr<Component>(new clsBendComponentBl()); },
                 &clsBendComponentBl::ClassInfoOf});
  clsBendComponentBl::RegisterTexts();
  Registry::Add(
      {"clsLfKd", [] { return std::unique_ptr<Component>(new clsLfKd()); }, &clsLfKd::ClassInfoOf});
  clsLfKd::RegisterTexts();
  RegisterCrackWidthDocs();
  RegisterStiffnessDocs();
  RegisterResultFilesDocs();
}

}  // namespace tk
