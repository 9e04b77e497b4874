// clsZhRh: single-pile lateral capacity (JGJ 94-94).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"

namespace tk {

// Codes of ZhRhCal and CheckZhRhErr. The input-check component's own codes (1001-1008) are
// returned unchanged by CheckZhRhErr for the plain number fields.
namespace zhrh {
constexpr int32_t kRhoTooHigh = 750101;  // ρg ≥ 0.65 % for the bored pile of the low-ratio type
constexpr int32_t kCoreNotPositive = 750102;  // do = d - 2c ≤ 0
constexpr int32_t kBadSection = 750103;       // section text is neither circular nor square
constexpr int32_t kBadPileType = 750104;      // pile type text not one of the three
constexpr int32_t kBadRestraint = 750105;     // pile-head restraint text not one of the two
constexpr int32_t kBadGrade = 750106;         // concrete grade not in the table (no ft)
constexpr int32_t kBadBars = 750107;          // bar text rejected / bar area not positive
constexpr int32_t kBadInput = 750108;         // d, h, m, χoa or Es not positive, or c negative
constexpr int32_t kBarNoDiameter = 750111;    // bar text: diameter missing, not numeric or ≤ 0
constexpr int32_t kBarBadCount = 750112;      // bar text: count not numeric or ≤ 0
constexpr int32_t kBarNotNumber = 750113;  // bar text: neither a number nor count-symbol-diameter
constexpr int32_t kFault = 750199;         // arithmetic fault
}  // namespace zhrh

class TK_API clsZhRh : public Calculator<clsZhRh> {
 public:
  clsZhRh();
  ~clsZhRh() override;
  static const ClassInfo& ClassInfoOf();

  void ZhRhCal(std::string& tText, int32_t& lErrNumber, const std::string& tZhBh,
               const std::string& tJmLx, const std::string& tZhLx, const std::string& tYs,
               double dC, double dD, const std::string& tAs, double dCj, double dH, double dM,
               double dN, double dXoa, double dEs, bool bKz);
  // Checks the host fields 3 to 12; Index receives the failing field.
  void CheckZhRhErr(int32_t& lErrNumber, int16_t& Index, VBArray<std::string>& Text,
                    VBArray<bool>& bText);
  void CboB_KeyPress(int16_t Index, int16_t& KeyAscii);

  // Bar text to area (mm²): 0 and the area, or one of the bar-text codes above.
  static int32_t CalZhRhAs(const std::string& tAs, double& dAs);
  // JGJ 94-94 table 5.4.2 by the reduced depth αh; bFixed selects the fixed-head column.
  static double CalZhRhNum(double alpha_h, bool bFixed);
  static double CalZhRhNux(double alpha_h, bool bFixed);

 private:
};

}  // namespace tk
