#include "members/slab.h"

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

clsBanOld::clsBanOld()
    : m_SlabCoefficients(std::make_unique<SlabCoefficients>()),
      m_FileSystem(std::make_unique<LocalFileSystem>()) {}

clsBanOld::~clsBanOld() {
  m_SlabCoefficients.reset();
  m_FileSystem.reset();
}

void clsBanOld::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsBanOld::tValue(int16_t& Index, std::string& text) {
  modKalbex::Services().SetIndexedValue(Index, text);
}

const ClassInfo& clsBanOld::ClassInfoOf() {
  using C [[maybe_unused]] = clsBanOld;
  static const ClassInfo ci{"clsBanOld",
                            {
                                Method("SubForm", &C::SubForm, {"frm"}),
                                Method("tValue", &C::tValue, {"Index", "text"}),
                            }};
  return ci;
}

}  // namespace tk
