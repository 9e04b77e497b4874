// clsZhRh: parameters of its operations and its error codes (7501xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterPileLateralDocs() {
  docs::AddCodes({
      {750101, "clsZhRh", Outcome::Stop, "ρg ≥ 0.65%",
       "pile of the type with rho_g < 0.65 %: the reinforcement ratio is 0.65 % or more"},
      {750102, "clsZhRh", Outcome::Stop, "do = d - 2c ≤ 0", "core diameter do = d - 2c <= 0"},
      {750103, "clsZhRh", Outcome::Stop, "截面类型应为“圆形截面”或“方形截面”。",
       "section text is neither 圆形截面 nor 方形截面"},
      {750104, "clsZhRh", Outcome::Stop, "桩类型无法识别。",
       "pile type text is not one of the three types"},
      {750105, "clsZhRh", Outcome::Stop, "桩顶约束情况应为“铰接、自由”或“固接”。",
       "pile-head restraint text is not one of the two"},
      {750106, "clsZhRh", Outcome::Stop, "混凝土强度等级不在规范表中。",
       "concrete grade not in the code's table (no ft)"},
      {750107, "clsZhRh", Outcome::Stop, "桩身纵筋无法识别。",
       "pile bar text rejected or bar area not positive"},
      {750108, "clsZhRh", Outcome::Stop, "输入数据应＞0",
       "d, h, m, chi_oa or Es not positive, or c negative"},
      {750111, "clsZhRh", Outcome::Stop, "纵筋直径缺失或≤0",
       "bar text: diameter missing, not numeric or <= 0"},
      {750112, "clsZhRh", Outcome::Stop, "纵筋根数不是正数", "bar text: count not numeric or <= 0"},
      {750113, "clsZhRh", Outcome::Stop, "纵筋应为面积或“根数Φ直径”",
       "bar text: neither a number nor count-symbol-diameter (e.g. 8Φ20)"},
      {750199, "clsZhRh", Outcome::Fault, "溢出，或不可知的错误", "arithmetic fault"},
  });
}

}  // namespace tk
