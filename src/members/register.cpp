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
  RegisterClass<clsBanOld>();
  RegisterClass<clsBeamPjOld>();
  RegisterClass<clsLtBs>();
  RegisterStairDocs();
  RegisterSlabDocs();
  RegisterBeamBarsDocs();
}

}  // namespace tk
