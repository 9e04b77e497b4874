// Registration of the classes and report texts of this subsystem.
#include "frame/registry.h"
#include "frame/services.h"
#include "members/beam_bars.h"
#include "members/slab.h"
#include "members/stair.h"

namespace tk {

void RegisterStairDocs();

void RegisterSlabDocs();

void RegisterBeamBarsDocs();

void RegisterMembersClasses() {
  Registry::Add({"clsBanOld", [] { return std::unique_ptr<Component>(new clsBanOld()); },
                 &clsBanOld::ClassInfoOf});
  clsBanOld::RegisterTexts();
  Registry::Add({"clsBeamPjOld", [] { return std::unique_ptr<Component>(new clsBeamPjOld()); },
                 &clsBeamPjOld::ClassInfoOf});
  clsBeamPjOld::RegisterTexts();
  Registry::Add(
      {"clsLtBs", [] { return std::unique_ptr<Component>(new clsLtBs()); }, &clsLtBs::ClassInfoOf});
  clsLtBs::RegisterTexts();
  RegisterBeamBarsDocs();
  RegisterSlabDocs();
  RegisterStairDocs();
}

}  // namespace tk
