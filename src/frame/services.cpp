#include "frame/services.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <unordered_map>

#include "frame/numfmt.h"
#include "frame/registry.h"
#include "frame/text.h"

namespace tk {

namespace {

// Unit tokens: the number alone in the precision of the quantity, and with "d" the number and its
// unit. Lengths, areas and strengths drop trailing zeros ("250 mm", "123.46 mm"); forces and
// moments keep two places as engineers read them off a drawing.
struct UnitEntry {
  std::string_view token, pattern;
};
constexpr UnitEntry kUnits[] = {
    {"mm", "0.##"},
    {"mmd", "0.##\" mm\""},
    {"mm_1", "0.0"},
    {"mmd_1", "0.0\" mm\""},
    {"mm_2", "0.00"},
    {"mmd_2", "0.00\" mm\""},
    {"mm_3", "0.000"},
    {"mmd_3", "0.000\" mm\""},
    {"m", "0.###"},
    {"md", "0.###\" m\""},
    {"mm2", "0.##"},
    {"mm2d", "0.##\" mm²\""},
    {"mm3", "0"},
    {"mm3d", "0\" mm³\""},
    {"m2", "0.###"},
    {"m2d", "0.###\" m²\""},
    {"m3", "0.000"},
    {"m3d", "0.000\" m³\""},
    {"M3", "0.000"},
    {"m4", "0.0000"},
    {"m4d", "0.0000\" m⁴\""},
    {"n", "0"},
    {"nd", "0\" N\""},
    {"kn", "0.00"},
    {"knd", "0.00\" kN\""},
    {"kN", "0.00"},
    {"kNd", "0.00\" kN\""},
    {"nmm", "0"},
    {"knm", "0.00"},
    {"knmd", "0.00\" kN·m\""},
    {"knm_1", "0.0"},
    {"knm_2", "0.000"},
    {"knmd_2", "0.000\" kN·m\""},
    {"knm2", "0.00"},
    {"knm2d", "0.00\" kN·m²\""},
    {"n/mm2", "0.##"},
    {"n/mm2d", "0.##\" N/mm²\""},
    {"n/mm2_1", "0.0"},
    {"n/mm2_2", "0.00"},
    {"n/mm2d_2", "0.00\" N/mm²\""},
    {"n/mm2_3", "0.000"},
    {"n/mm2d_3", "0.000\" N/mm²\""},
    {"kpa", "0.00"},
    {"kpad", "0.00\" kPa\""},
    {"kn/m", "0.00"},
    {"kn/md", "0.00\" kN/m\""},
    {"kn/m2", "0.00"},
    {"kn/m2d", "0.00\" kN/m²\""},
    {"kn/m2_2", "0.000"},
    {"kn/m2d_2", "0.000\" kN/m²\""},
    {"kN/m2d", "0.00\" kN/m²\""},
    {"kn/m3", "0.00"},
    {"kn/m3d", "0.00\" kN/m³\""},
    {"MN/M4d", "0.00\" MN/m⁴\""},
    {"pjl", "0.0000"},
    {"decd", "0.000"},
    {"0", "0"},
    {"1", "0.0"},
    {"2", "0.00"},
    {"3", "0.000"},
    {"4", "0.0000"},
    {"5", "0.00000"},
    {"percent", "0.00%"},
    {"Percent", "0.00%"},
};

const std::unordered_map<std::string_view, std::string_view>& UnitMap() {
  static const auto* m = [] {
    auto* x = new std::unordered_map<std::string_view, std::string_view>();
    for (const auto& u : kUnits) x->emplace(u.token, u.pattern);
    return x;
  }();
  return *m;
}

// The unit text of a "d" token's pattern (the quoted literal), for tFormatValue's switch.
std::string_view UnitOf(std::string_view pattern) {
  const size_t q = pattern.find('"');
  if (q == std::string_view::npos) return {};
  const size_t e = pattern.find('"', q + 1);
  return pattern.substr(q + 1, e == std::string_view::npos ? std::string_view::npos : e - q - 1);
}

std::mutex& TextMutex() {
  static std::mutex m;
  return m;
}
std::map<int32_t, std::string>& Texts() {
  static std::map<int32_t, std::string> t;
  return t;
}

}  // namespace

void AddTexts(std::initializer_list<std::pair<int32_t, std::string_view>> texts) {
  // Registration happens once per subsystem at start-up; lookups afterwards only read.
  std::lock_guard<std::mutex> lock(TextMutex());
  for (const auto& [id, t] : texts) Texts()[id] = std::string(t);
}

bool HasText(int32_t id) {
  EnsureRegistered();
  return Texts().count(id) != 0;
}

void DefaultServices::SetIndexedValue(int32_t index, std::string_view text) {
  for (auto& [k, v] : indexed_)
    if (k == index) {
      v = std::string(text);
      return;
    }
  indexed_.emplace_back(index, std::string(text));
}

std::string DefaultServices::GetIndexedValue(int32_t index, std::string_view text) {
  for (auto& [k, v] : indexed_)
    if (k == index) return v;
  return std::string(text);
}

std::string_view DefaultServices::tUnitFormat(std::string_view token) {
  const auto& m = UnitMap();
  auto it = m.find(token);
  if (it == m.end())
    throw ComponentFailure("shared services: unknown unit token \"" + std::string(token) + "\"");
  return it->second;
}

std::string DefaultServices::tFormatValue(double value, std::string_view unit, int32_t show_unit) {
  const auto& m = UnitMap();
  auto it = m.find(unit);
  if (it != m.end()) {
    std::string s = FormatNumber(value, it->second);
    if (show_unit != 0 && UnitOf(it->second).empty()) {
      // the "d" variant of the token carries the unit
      auto d = m.find(std::string(unit) + "d");
      if (d != m.end()) return FormatNumber(value, d->second);
    }
    return s;
  }
  // A plain unit text: the number with two decimals and the unit.
  std::string s = FormatNumber(value, "0.00");
  s += ' ';
  s += unit;
  return s;
}

std::string_view DefaultServices::tTextById(int32_t id) {
  EnsureRegistered();
  const auto& t = Texts();
  auto it = t.find(id);
  if (it == t.end())
    throw ComponentFailure("shared services: no text number " + std::to_string(id));
  return it->second;
}

int16_t DefaultServices::FilterKey(int16_t& key, int32_t cls) {
  // Control keys (backspace, enter, escape, clipboard) always pass.
  if (key < 32) return key;
  const bool digit = key >= '0' && key <= '9';
  bool keep = true;
  switch (cls) {
    case keyclass::kAny:
    case keyclass::kText:
      keep = true;
      break;
    case keyclass::kInteger:
      keep = digit;
      break;
    case keyclass::kSignedNumber:
      keep = digit || key == '.' || key == '-' || key == '+' || key == 'e' || key == 'E';
      break;
    case keyclass::kNumberList:
      keep = digit || key == '.' || key == '-' || key == ',' || key == '+' || key == '*' ||
             key == '/' || key == 'A' || key == 'a' || key == 's' || key == 'S';
      break;
    case keyclass::kPositiveNumber:
    default:
      keep = digit || key == '.';
      break;
  }
  if (!keep) key = 0;
  return key;
}

void DefaultServices::EnableControl(const HostRef& control, bool enabled) {
  SetProp(control, "Enabled", Variant::Bool(enabled));
}

void DefaultServices::EnableLabelAndCombo(const HostRef& label, const HostRef& combo,
                                          bool enabled) {
  SetProp(label, "Enabled", Variant::Bool(enabled));
  SetProp(combo, "Enabled", Variant::Bool(enabled));
}

namespace {
// Columns a text takes on a fixed-pitch screen: CJK ideographs, kana, hangul and the full-width
// forms take two, everything else one (UTF-8; a broken sequence counts one per byte).
size_t DisplayWidth(std::string_view s) {
  size_t w = 0;
  for (size_t k = 0; k < s.size();) {
    const auto c = static_cast<unsigned char>(s[k]);
    uint32_t cp = c;
    size_t n = 1;
    if (c >= 0xF0 && k + 3 < s.size()) {
      cp = (c & 0x07u) << 18 | (s[k + 1] & 0x3Fu) << 12 | (s[k + 2] & 0x3Fu) << 6 |
           (s[k + 3] & 0x3Fu);
      n = 4;
    } else if (c >= 0xE0 && k + 2 < s.size()) {
      cp = (c & 0x0Fu) << 12 | (s[k + 1] & 0x3Fu) << 6 | (s[k + 2] & 0x3Fu);
      n = 3;
    } else if (c >= 0xC0 && k + 1 < s.size()) {
      cp = (c & 0x1Fu) << 6 | (s[k + 1] & 0x3Fu);
      n = 2;
    }
    const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                      (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                      (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                      (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
    w += wide ? 2 : 1;
    k += n;
  }
  return w;
}

// Table layout: rows indented by 4, values starting in column kTableValueColumn.
constexpr size_t kTableIndent = 4, kTableValueColumn = 36;

void PadTo(std::string& out, size_t used, size_t column) {
  out.append(used + 2 <= column ? column - used : 2, ' ');
}
}  // namespace

void DefaultServices::AddTableHeading(std::string& table, std::string_view heading) {
  table.append("【").append(heading).append("】").append(tTitleEnd());
}

void DefaultServices::AddTableValueRow(std::string& table, std::string_view label,
                                       std::string_view value) {
  table.append(kTableIndent, ' ').append(label);
  PadTo(table, kTableIndent + DisplayWidth(label), kTableValueColumn);
  table.append(value).append(tLineEnd());
}

void DefaultServices::AddTableFormulaRow(std::string& table, std::string_view formula,
                                         std::string_view values) {
  table.append(kTableIndent, ' ').append(formula);
  if (!values.empty()) {
    const size_t used = kTableIndent + DisplayWidth(formula);
    if (used + 2 > kTableValueColumn) {
      table.append(tLineEnd());
      table.append(kTableValueColumn, ' ');
    } else {
      PadTo(table, used, kTableValueColumn);
    }
    table.append(values);
  }
  table.append(tLineEnd());
}

// Numbering styles: 0 "1．", 1 "(1)", 2 "①" (circled, up to 20, then "(21)"), 3 "一、"
// (Chinese numerals), 4 "1)", any other style "1.".
std::string DefaultServices::tNumberText(int32_t n, int32_t style, int32_t) {
  static const char* kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                   "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
  static const char* kDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  const std::string num = std::to_string(n);
  switch (style) {
    case 0:
      return num + "．";
    case 1:
      return "(" + num + ")";
    case 2:
      return n >= 1 && n <= 20 ? std::string(kCircled[n - 1]) : "(" + num + ")";
    case 3: {
      if (n < 0 || n > 99) return num + "、";
      std::string s;
      if (n >= 10) {
        if (n / 10 > 1) s += kDigits[n / 10];
        s += "十";
        if (n % 10) s += kDigits[n % 10];
      } else {
        s = kDigits[n];
      }
      return s + "、";
    }
    case 4:
      return num + ")";
    default:
      return num + ".";
  }
}

namespace {
constexpr int kMaxAsDepth = 64;
constexpr size_t kMaxAsLength = 1000;

// Expressions in As: numbers, the symbol As, + - * / and brackets; "0.3As" multiplies.
// Brackets nest at most kMaxAsDepth deep and an expression has at most kMaxAsLength characters;
// beyond either the text is refused like any other text that is not an expression.
struct AsExpr {
  std::string_view s;
  size_t p = 0;
  double as = 0;
  bool ok = true;
  int depth = 0;

  void Blank() {
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t')) ++p;
  }
  bool AtAs() const {
    return p + 1 < s.size() && (s[p] == 'A' || s[p] == 'a') && (s[p + 1] == 's' || s[p + 1] == 'S');
  }
  double Factor() {
    Blank();
    if (p >= s.size()) {
      ok = false;
      return 0;
    }
    bool neg = false;
    while (p < s.size() && (s[p] == '-' || s[p] == '+')) {  // a run of signs, read in one loop
      neg ^= s[p++] == '-';
      Blank();
    }
    const double v = Primary();
    return neg ? -v : v;
  }
  double Primary() {
    if (p >= s.size() || !ok) {
      ok = false;
      return 0;
    }
    if (s[p] == '(') {
      if (++depth > kMaxAsDepth) {
        ok = false;
        return 0;
      }
      ++p;
      const double v = Expr();
      --depth;
      Blank();
      if (p < s.size() && s[p] == ')')
        ++p;
      else
        ok = false;
      return v;
    }
    if (AtAs()) {
      p += 2;
      return as;
    }
    const size_t start = p;
    bool digits = false;
    while (p < s.size() && ((s[p] >= '0' && s[p] <= '9') || s[p] == '.')) {
      digits |= s[p] != '.';
      ++p;
    }
    if (!digits) {
      ok = false;
      return 0;
    }
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
      size_t q = p + 1;
      if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
      if (q < s.size() && s[q] >= '0' && s[q] <= '9') {
        p = q;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p;
      }
    }
    return std::strtod(std::string(s.substr(start, p - start)).c_str(), nullptr);
  }
  double Term() {
    double v = Factor();
    for (;;) {
      if (!ok) return 0;
      Blank();
      if (p < s.size() && (s[p] == '*' || s[p] == '/')) {
        const char op = s[p++];
        const double r = Factor();
        if (op == '*')
          v *= r;
        else if (r == 0)
          ok = false;
        else
          v /= r;
      } else if (p < s.size() && (AtAs() || s[p] == '(')) {
        v *= Factor();  // "0.3As", "2(As)"
      } else {
        return v;
      }
    }
  }
  double Expr() {
    double v = Term();
    for (;;) {
      if (!ok) return 0;
      Blank();
      if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        const char op = s[p++];
        const double r = Term();
        v = op == '+' ? v + r : v - r;
      } else {
        return v;
      }
    }
  }
};
}  // namespace

double DefaultServices::dEvalAsText(std::string_view expression, double As) {
  AsExpr e{TrimView(expression), 0, As};
  if (e.s.size() > kMaxAsLength)
    throw ComponentFailure("shared services: an expression in As has at most " +
                           std::to_string(kMaxAsLength) + " characters");
  const double v = e.Expr();
  e.Blank();
  if (e.s.empty() || !e.ok || e.p != e.s.size() || !std::isfinite(v))
    throw ComponentFailure("shared services: \"" + std::string(expression) +
                           "\" is neither a number nor an expression in As such as 0.3As");
  return v;
}

int32_t DefaultServices::ParseBarText(std::string_view text, int32_t& count, float& diameter) {
  const std::string_view t = TrimView(text);
  if (t.empty()) return kBarTextEmpty;
  const std::string_view symbols[] = {"φ", "Φ", tBarSymbol1(), tBarSymbol2(), tBarSymbol3(),
                                      "-", " "};
  size_t at = std::string_view::npos, len = 0;
  for (const auto& sym : symbols) {
    const size_t k = t.find(sym);
    if (k != std::string_view::npos && k < at) {
      at = k;
      len = sym.size();
    }
  }
  if (at == std::string_view::npos) return kBarTextNoSymbol;
  const std::string_view left = TrimView(t.substr(0, at)), right = TrimView(t.substr(at + len));
  int32_t n = 1;
  if (!left.empty()) {
    if (!IsNumericText(left)) return kBarTextBadCount;
    const double c = LeadingNumber(left);
    if (c <= 0 || c != std::floor(c) || c > 1e6) return kBarTextBadCount;
    n = static_cast<int32_t>(c);
  }
  if (right.empty() || !IsNumericText(right)) return kBarTextBadDiameter;
  // A diameter is read as a 32-bit float: below 0.1 mm (or one that underflows to 0) is no bar.
  const double d = LeadingNumber(right);
  if (!(d >= 0.1) || d > 1e4) return kBarTextBadDiameter;
  count = n;
  diameter = static_cast<float>(d);
  return kBarTextOk;
}

}  // namespace tk
