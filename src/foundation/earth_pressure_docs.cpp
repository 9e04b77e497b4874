// clsDtqKa: parameters of its operations and its error codes (8001xx, 8002xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// The positions of the Text of CheckEnter and CalResult.
std::vector<docs::Field> WallFields() {
  return {
      {0, "kN/m³", "填土重度γ", "unit weight γ of the backfill"},
      {1, "m", "挡土墙的高度 h", "wall height h"},
      {2, "kN/m²", "地表均布荷载 q", "surface load q"},
      {3, "kN/m²", "土的粘聚力 c", "cohesion c"},
      {4, "°", "墙背填土内摩擦角ψ", "friction angle φ"},
      {5, "°", "挡土墙的墙背倾角α", "wall-back inclination α"},
      {6, "°", "土的坡度β", "backfill slope β"},
      {7, "°", "土对挡土墙背的摩擦角δ", "wall friction angle δ"},
      {8, "", "挡土墙名称", "name of the wall (report title)"},
  };
}

docs::ClassDoc EarthPressureDoc() {
  return {"clsDtqKa",
          "挡土墙主动土压力系数",
          "retaining-wall active earth pressure coefficient (GBJ 7-89 appendix 11)",
          {
              {"CheckEnter",
               "检查输入",
               "check the input texts",
               {
                   {"Text", "in", "", "输入文本", "input texts (fields 0 to 8)", ""},
                   {"lErrNumber", "out", "", "错误代码", "error code",
                    "800100 = valid; 800101-800103 with Index"},
                   {"Index", "out", "", "出错输入项", "index of the failing field", ""},
               },
               {{"Text", WallFields()}}},
              {"MsgError",
               "显示错误信息",
               "show the message box of an error code",
               {
                   {"lErrNumber", "in", "", "错误代码", "code from CheckEnter or CalResult", ""},
                   {"Index", "in", "", "出错输入项", "index of the failing field", ""},
                   {"Text", "in", "", "输入文本", "the failing text", ""},
               }},
              {"CalResult",
               "主动土压力系数计算",
               "active earth pressure coefficient Ka and force Ea",
               {
                   {"Text", "in", "", "输入文本", "input texts (fields 0 to 8, as CheckEnter)", ""},
                   docs::ReportOut(),
                   {"lErrNumber", "out", "", "错误代码", "error code",
                    "800200 = done; 800101 (a number beyond the float range); 800201-800204 stop; "
                    "800299 fault"},
               },
               {{"Text", WallFields()}}},
          }};
}

}  // namespace

void RegisterEarthPressureDocs() {
  docs::AddClass(EarthPressureDoc());
  docs::AddCodes({
      {800100, "clsDtqKa", Outcome::Success, "输入正确", "all inputs valid", "CheckEnter"},
      {800101, "clsDtqKa", Outcome::Stop, "一栏应输入数值。", "a field is not numeric (Index)"},
      {800102, "clsDtqKa", Outcome::Stop, "应＞0。", "a field that must be positive is <= 0"},
      {800103, "clsDtqKa", Outcome::Stop, "应≥0。", "a field that must not be negative is < 0"},
      {800200, "clsDtqKa", Outcome::Success, "计算完成", "calculation done", "CalResult"},
      {800201, "clsDtqKa", Outcome::Stop, "Sin(α + β)应＞0。", "sin(alpha + beta) <= 0"},
      {800202, "clsDtqKa", Outcome::Stop, "Sinα不应为0。", "sin(alpha) = 0"},
      {800203, "clsDtqKa", Outcome::Stop, "Sin(α+β-ψ-δ)不应为0。",
       "sin(alpha + beta - phi - delta) = 0"},
      {800204, "clsDtqKa", Outcome::Stop, "开根号内的数值小于0。",
       "Ka formula: negative value under the square root (D E < 0)"},
      {800299, "clsDtqKa", Outcome::Fault, "溢出，或不可知的错误", "arithmetic fault"},
  });
}

}  // namespace tk
