// clsDtqKa: parameters of its operations and its error codes (8001xx, 8002xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterEarthPressureDocs() {
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
