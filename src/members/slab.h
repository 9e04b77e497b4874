// clsBanOld: two-way slab design.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"
#include "frame/filesystem.h"
#include "members/slab_coefficients.h"

namespace tk {

class clsBanOld : public Calculator<clsBanOld> {
 public:
  clsBanOld();
  ~clsBanOld() override;
  static const ClassInfo& ClassInfoOf();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Hands an indexed text to the shared services component.
  void tValue(int16_t& Index, std::string& text);

  // Member objects, created at construction and released at destruction in this order.
  SlabCoefficients& slabcoefficients() { return *m_SlabCoefficients; }
  LocalFileSystem& filesystem() { return *m_FileSystem; }

 private:
  std::unique_ptr<SlabCoefficients> m_SlabCoefficients;
  std::unique_ptr<LocalFileSystem> m_FileSystem;
  HostRef sub_form_;
};

}  // namespace tk
