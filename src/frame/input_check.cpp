#include "frame/input_check.h"

#include <cfloat>
#include <cmath>

#include "frame/text.h"
#include "frame/variant.h"

namespace tk {

namespace {
constexpr double kGrades[] = {7.5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60};
}

int32_t DefaultInputCheck::CheckFieldText(std::string_view kind, std::string_view name,
                                          std::string_view text, int32_t flag, int32_t& code) {
  using namespace checkcode;
  code = kOk;
  const std::string_view k = TrimView(kind);
  if (k == "UnCheckNum") return code;
  const std::string_view t = TrimView(text);
  if (t.empty()) return code = kEmpty;
  if (!IsNumericText(t)) return code = kNotNumber;
  const double v = LeadingNumber(t);
  // Field values are held as 32-bit floats: a number beyond their range is refused, whatever the
  // kind (also for "S"), so that no infinity enters a calculation.
  if (!(std::fabs(v) <= FLT_MAX)) return code = kTooLarge;
  if (k == "S>0") {
    if (!(v > 0)) code = kNotPositive;
  } else if (k == "S>=0") {
    if (!(v >= 0)) code = kNegative;
  } else if (k == "I>0") {
    if (!(v > 0) || v != std::floor(v)) code = kNotWholePositive;
  } else if (k == "S<>0") {
    if (v == 0) code = kZero;
  } else if (k == "S") {
    // any number
  } else if (const size_t tilde = k.find('~'); tilde != std::string_view::npos) {
    const double lo = LeadingNumber(k.substr(0, tilde)), hi = LeadingNumber(k.substr(tilde + 1));
    if (v < lo || v > hi) code = kOutOfRange;
  } else {
    throw ComponentFailure("input check: unknown check kind \"" + std::string(kind) + "\"");
  }
  if (code == kOk && flag == -1) {
    bool grade = false;
    for (double g : kGrades) grade |= std::fabs(v - g) < 1e-9;
    if (!grade) code = kNotGrade;
  }
  return code;
}

std::string DefaultInputCheck::tCodeMessage(int32_t code, std::string_view t1, std::string_view t2,
                                            std::string_view t3, std::string_view t4) {
  using namespace checkcode;
  const std::string name(t1), text(t2);
  const std::string shown = text.empty() ? std::string() : "（当前输入：" + text + "）";
  switch (code) {
    case kOk:
      return {};
    case kEmpty:
      return name + "一栏不能为空。";
    case kNotNumber:
      return name + "一栏应输入数值。" + shown;
    case kNotPositive:
      return name + "一栏应输入大于0的数值。" + shown;
    case kNegative:
      return name + "一栏应输入不小于0的数值。" + shown;
    case kNotWholePositive:
      return name + "一栏应输入大于0的整数。" + shown;
    case kZero:
      return name + "一栏应输入不等于0的数值。" + shown;
    case kOutOfRange:
      return name + "一栏的数值超出允许范围。" + shown;
    case kTooLarge:
      return name + "一栏的数值过大，超出单精度数的范围。" + shown;
    case kNotGrade:
      return name + "一栏应输入规范中的混凝土强度等级（7.5～60）。" + shown;
    case kRelation:
      return name + " 应" + std::string(t2) + " " + std::string(t3) + "。" +
             (t4.empty() ? std::string() : "（" + std::string(t4) + "）");
    default:
      return "输入错误！（代码 " + std::to_string(code) + "）";
  }
}

int32_t DefaultInputCheck::CheckRelation(std::string_view, std::string_view, std::string_view op,
                                         std::string_view text1, std::string_view text2) {
  const double a = LeadingNumber(text1), b = LeadingNumber(text2);
  const std::string_view o = TrimView(op);
  bool holds;
  if (o == ">")
    holds = a > b;
  else if (o == "<")
    holds = a < b;
  else if (o == ">=")
    holds = a >= b;
  else if (o == "<=")
    holds = a <= b;
  else if (o == "=")
    holds = a == b;
  else if (o == "<>")
    holds = a != b;
  else
    throw ComponentFailure("input check: unknown comparison \"" + std::string(op) + "\"");
  return holds ? checkcode::kOk : checkcode::kRelation;
}

void DefaultInputCheck::AddErrCon(VBArray<int32_t>& lErrCon, VBArray<std::string>& tErrCon,
                                  int32_t code, std::string_view condition,
                                  std::string_view report) {
  std::string text(TrimView(condition));
  if (text.empty()) {
    // the last non-empty line of the report
    std::string_view r = report;
    while (!r.empty() && (r.back() == '\n' || r.back() == '\r')) r.remove_suffix(1);
    const size_t nl = r.find_last_of('\n');
    text = std::string(TrimView(nl == std::string_view::npos ? r : r.substr(nl + 1)));
  }
  // Both lists start at index 1 (the host reads 1..UBound); they grow together.
  if (lErrCon.empty()) lErrCon.lbound = 1;
  const int32_t next = lErrCon.UBound() + 1;
  lErrCon(next) = code;
  if (tErrCon.empty()) tErrCon.lbound = lErrCon.lbound;
  tErrCon(next) = text;
}

}  // namespace tk
