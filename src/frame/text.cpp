#include "frame/text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tk {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

size_t SkipBlanks(std::string_view t, size_t p) {
  while (p < t.size() && IsBlank(t[p])) ++p;
  return p;
}

// Base of a "&H" / "&O" prefix at p, 0 when there is none.
int RadixAt(std::string_view t, size_t p) {
  if (p + 1 >= t.size() || t[p] != '&') return 0;
  const char kind = static_cast<char>(t[p + 1] | 0x20);
  return kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
}

int DigitValue(char c, int base) {
  c = static_cast<char>(c | 0x20);
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The digits after a radix prefix, up to the first character that is not one.
double RadixValue(std::string_view t, size_t p, int base) {
  double v = 0;
  for (; p < t.size(); ++p) {
    const int dgt = DigitValue(t[p], base);
    if (dgt < 0 || dgt >= base) break;
    v = v * base + dgt;
  }
  return v;
}

// Appends the mantissa's digits and point from p on (blanks dropped); p ends on the first
// character that is not part of it. Returns whether a digit was seen.
bool CollectMantissa(std::string_view t, size_t& p, std::string& n) {
  bool digits = false, point = false;
  for (; p < t.size(); ++p) {
    const char c = t[p];
    if (c >= '0' && c <= '9') {
      n.push_back(c);
      digits = true;
    } else if (c == '.' && !point) {
      n.push_back(c);
      point = true;
    } else if (!IsBlank(c)) {
      break;
    }
  }
  return digits;
}

// The exponent "e±ddd" of a mark e/E/d/D at p, empty when there is none or it has no digit.
std::string ExponentText(std::string_view t, size_t p) {
  if (p >= t.size() || (t[p] != 'e' && t[p] != 'E' && t[p] != 'd' && t[p] != 'D')) return {};
  std::string e = "e";
  size_t q = SkipBlanks(t, p + 1);
  if (q < t.size() && (t[q] == '+' || t[q] == '-')) e.push_back(t[q++]);
  bool ed = false;
  for (; q < t.size(); ++q) {
    if (t[q] >= '0' && t[q] <= '9') {
      e.push_back(t[q]);
      ed = true;
    } else if (!IsBlank(t[q])) {
      break;
    }
  }
  return ed ? e : std::string();
}
}  // namespace

double LeadingNumber(std::string_view t) {
  size_t p = SkipBlanks(t, 0);
  if (const int base = RadixAt(t, p)) return RadixValue(t, p + 2, base);
  // Collect the number's characters, dropping blanks, then convert once.
  std::string n;
  n.reserve(32);
  if (p < t.size() && (t[p] == '+' || t[p] == '-')) {
    n.push_back(t[p++]);
    p = SkipBlanks(t, p);
  }
  if (!CollectMantissa(t, p, n)) return 0.0;
  n += ExponentText(t, p);
  return std::strtod(n.c_str(), nullptr);
}

bool IsNumericText(std::string_view t) {
  t = TrimView(t);
  size_t p = 0;
  if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
  bool digits = false, point = false;
  for (; p < t.size(); ++p) {
    const char c = t[p];
    if (c >= '0' && c <= '9')
      digits = true;
    else if (c == '.' && !point)
      point = true;
    else
      break;
  }
  if (!digits) return false;
  if (p < t.size() && (t[p] == 'e' || t[p] == 'E' || t[p] == 'd' || t[p] == 'D')) {
    ++p;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    bool ed = false;
    while (p < t.size() && t[p] >= '0' && t[p] <= '9') {
      ++p;
      ed = true;
    }
    if (!ed) return false;
  }
  return p == t.size();
}

std::string_view TrimView(std::string_view t) {
  static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  for (;;) {
    if (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
      t.remove_prefix(1);
    else if (t.substr(0, 3) == kIdeographicSpace)
      t.remove_prefix(3);
    else
      break;
  }
  for (;;) {
    if (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
      t.remove_suffix(1);
    else if (t.size() >= 3 && t.substr(t.size() - 3) == kIdeographicSpace)
      t.remove_suffix(3);
    else
      break;
  }
  return t;
}

std::string Trim(std::string_view t) {
  return std::string(TrimView(t));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    char x = a[k], y = b[k];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

namespace {
// A value that is not finite is no number: it shows as "（溢出）" (overflow), the text the
// bending-shear-torsion and wind input checks already show for one. Neither "Infinity" nor "NaN"
// is ever written: read back, "（溢出）" is no number for the field checks (1002) nor for the
// leading-number rule. Report numbers do not come here: the pattern formatter turns a non-finite
// value into the arithmetic fault, the code ending in 99.
constexpr const char* kNotFiniteText = "（溢出）";

template <class F>
std::string Shortest(F x) {
  if (!std::isfinite(x)) return kNotFiniteText;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, r.ptr);
}
}  // namespace

std::string ShortestText(float x) {
  return Shortest(x);
}
std::string ShortestText(double x) {
  return Shortest(x);
}

}  // namespace tk
