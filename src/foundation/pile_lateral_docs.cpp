// clsZhRh: parameters of its operations and its error codes (7501xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

docs::ClassDoc PileLateralDoc() {
  return {
      "clsZhRh",
      "单桩水平承载力",
      "single-pile lateral capacity (JGJ 94-94)",
      {
          {"CheckZhRhErr",
           "检查输入",
           "check the host's input texts",
           {
               docs::ErrorCode("lErrNumber"),
               {"Index", "out", "", "出错输入项", "index of the first failing field", ""},
               {"Text", "in", "", "输入文本", "host input texts (fields 3 to 12)", ""},
               {"bText", "in", "", "检查标志", "False skips the field with that index", ""},
           },
           {
               {"Text",
                {
                    {3, "m", "桩长L", "pile length L"},
                    {4, "", "混凝土强度等级", "concrete grade C (7.5 to 60)"},
                    {5, "mm", "桩身直径（边长）d", "diameter or side d"},
                    {6, "mm² or bars", "桩身纵筋As",
                     "longitudinal bars: area or count-Φ-diameter text"},
                    {7, "mm", "净保护层厚度c", "clear cover c"},
                    {8, "m", "桩入土深度h", "embedded length h"},
                    {9, "MN/m⁴", "比例系数m值", "coefficient m"},
                    {10, "kN", "桩顶竖向力N", "vertical force N (negative = tension)"},
                    {11, "mm", "桩顶容许水平位移χoa", "allowable displacement χoa"},
                    {12, "N/mm²", "钢筋弹性模量Es", "bar modulus Es"},
                }},
           }},
          {"ZhRhCal",
           "单桩水平承载力计算",
           "lateral capacity of a single pile",
           {
               docs::kReportWithLabel,
               docs::ErrorCode("lErrNumber"),
               {"tZhBh", "in", "", "桩编号", "pile identifier", ""},
               {"tJmLx", "in", "", "截面类型", "section type",
                "圆形截面 (diameter d), 方形截面 (side d)"},
               {"tZhLx", "in", "", "桩类型", "pile type",
                "桩身配筋率ρg＜0.65%的灌注桩, 桩身配筋率ρg≥0.65%的灌注桩, 钢筋混凝土预制桩"},
               {"tYs", "in", "", "桩顶约束", "pile-head restraint", "铰接、自由, 固接"},
               {"dC", "in", "", "混凝土强度等级C", "concrete grade number C", ""},
               {"dD", "in", "mm", "桩径（边长）d", "diameter or side d", ""},
               {"tAs", "in", "mm²", "桩身纵筋",
                "longitudinal bars: an area or a bar text (count Φ diameter)", "e.g. 2500, 8Φ20"},
               {"dCj", "in", "mm", "净保护层厚度c", "clear cover c", ""},
               {"dH", "in", "m", "桩入土深度h", "embedded length h", ""},
               {"dM", "in", "MN/m⁴", "地基土水平抗力系数的比例系数m",
                "coefficient m of the horizontal subgrade reaction", ""},
               {"dN", "in", "kN", "桩顶竖向力N",
                "vertical force at the pile head (negative = tension)", ""},
               {"dXoa", "in", "mm", "桩顶容许水平位移χoa", "allowable horizontal displacement χoa",
                ""},
               {"dEs", "in", "N/mm²", "钢筋弹性模量Es", "bar modulus Es", ""},
               {"bKz", "in", "", "抗震验算", "seismic check requested", ""},
           }},
          docs::KeyPressOp("filter a key typed into input box Index", true),
      }};
}

}  // namespace

void RegisterPileLateralDocs() {
  docs::AddClass(PileLateralDoc());
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
