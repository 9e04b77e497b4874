// clsMVT: parameters of its operations and its error codes (lErr and the error-condition list).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterMvtDocs() {
  docs::AddCodes({
      {3001, "clsMVT", Outcome::Stop, "计算模式应为0或1",
       "iCalMode must be 0 (design) or 1 (capacity)"},
      {3002, "clsMVT", Outcome::Stop, "截面类型无法识别",
       "tJmXs is not one of the six section shape names"},
      {3003, "clsMVT", Outcome::Stop, "受压钢筋As'无法识别",
       "tAs1 is neither a number >= 0 nor an expression in As"},
      {3009, "clsMVT", Outcome::Stop, "受压区高度无解",
       "no compression depth (negative radicand or over-reinforced denominator)"},
      {3010, "clsMVT", Outcome::Fault, "受弯计算溢出", "arithmetic fault in a flexure formula"},
      {3020, "clsMVT", Outcome::Stop, "框架梁端纵筋配筋率＞2.5%",
       "seismic beam end: reinforcement ratio above 2.5 %"},
      {3030, "clsMVT", Outcome::Warning, "相对受压区高度ξ超限",
       "warning (error list only): xi above its limit"},
      {3039, "clsMVT", Outcome::Stop, "钢筋应力σs ≤0", "steel stress sigma_s not positive"},
      {3049, "clsMVT", Outcome::Stop, "fy - fy'K ≤0", "fy - fy' K <= 0"},
      {3210, "clsMVT", Outcome::Stop, "截面尺寸不满足抗震受剪要求",
       "seismic frame beam: section too small for the shear (GBJ 10-89 8.3.3)"},
      {3211, "clsMVT", Outcome::Stop, "截面尺寸不满足受剪要求",
       "section too small for the shear (GBJ 10-89 4.2.1)"},
      {3310, "clsMVT", Outcome::Stop, "hw/b ≥ 6，截面高宽比不满足要求",
       "torsion: hw/b >= 6; the report goes on"},
      {3320, "clsMVT", Outcome::Stop, "τ ＞ 0.25fc，不满足截面尺寸要求",
       "torsion: V/(b ho) + T/Wt > 0.25 fc; the report goes on"},
      {3330, "clsMVT", Outcome::Warning, "as ＜ 10 mm，取 c ＝ 0",
       "warning (error list only): as < 10 mm, stirrup cover taken as 0"},
      {3339, "clsMVT", Outcome::Stop, "箍筋核心面积Acor ≤0",
       "stirrup core bcor or hcor not positive"},
      {900999, "clsMVT", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero)"},
  });
}

}  // namespace tk
