// clsWind: wind load standard values per storey (GBJ 9-87, JBJ 102-96).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"

namespace tk {

// Error codes of the wind calculator (the input texts are checked by CheckBeamPjErr first).
namespace wind {
constexpr int32_t kNoFloors = 600101;      // N < 1
constexpr int32_t kBadRoughness = 600102;  // iCzd not 1, 2 or 3
constexpr int32_t kBadStructure = 600103;  // tJgLx not one of the six types
// Ours: inputs that reach the calculation without passing through CheckBeamPjErr.
constexpr int32_t kBadPressure = 600104;  // ωo or its adjustment factor Kw not > 0
constexpr int32_t kShortArrays = 600105;  // sH, sB or sUs holds no value for a floor 1..N
constexpr int32_t kBadStorey = 600106;    // a storey height h or width B not > 0
constexpr int32_t kBadPeriod = 600107;    // a given period T1 not > 0 (high-rise, T1 not computed)
constexpr int32_t kFault = 600199;        // arithmetic fault
}  // namespace wind

class TK_API clsWind : public Calculator<clsWind> {
 public:
  clsWind();
  ~clsWind() override;
  static const ClassInfo& ClassInfoOf();

  // ωk of every floor (1 = bottom) with the report "风荷载标准值：".
  void CalWindJz(int32_t& lErrNumber, std::string& tGcMc, std::string& tJgLx, float& sWo,
                 float& sTzXs, int16_t& iCzd, int16_t& iScFs, int16_t& N, VBArray<float>& sH,
                 VBArray<float>& sB, VBArray<float>& sUs, bool& bAutoCalT1, float& sT1,
                 VBArray<float>& Wk, std::string& tText);
  // Checks the host fields Text(iStart..iEnd); the first failure gives its code and index.
  void CheckBeamPjErr(int32_t& lErrNumber, int16_t& Index, VBArray<std::string>& Text,
                      VBArray<bool>& bText, int16_t iStart, int16_t iEnd);
  // One line of the host's floor list, and back.
  std::string tFormatLstB(int32_t lCh, int32_t lCbz, float sH, float sB, float sUs);
  void ReadTextFormLstB(const std::string& Text, int32_t& lCh, int32_t& lCbz, float& sH, float& sB,
                        float& sUs);
  bool bLstBListEq(const std::string& Text1, const std::string& Text2);
  // Key filter of the host's combo boxes by field index.
  void CboB_KeyPress(int16_t Index, int16_t& KeyAscii);

  // Table lookups (GBJ 9-87), exposed for tests. iCzd 1 = A, 2 = B, 3 = C.
  static double CalWindMuz(int iCzd, double z);
  static double CalWindXi(bool steel, double wT2);
  static double CalWindUpsilon(int iCzd, double HB, double H);
  static double CalWindPsiz(double zH);
};

}  // namespace tk
