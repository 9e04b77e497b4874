#include "frame/numfmt.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame/fault.h"
#include "frame/text.h"

namespace tk {

namespace {

struct Pattern {
  std::string prefix, suffix;
  int min_int = 0;     // '0' placeholders before the point
  int min_dec = 0;     // '0' placeholders after the point
  int max_dec = 0;     // all placeholders after the point
  bool group = false;  // ',' between integer placeholders
  int percent = 0;     // each '%' multiplies by 100
  bool any_digit = false;
};

// Splits off the section for the sign of x ("pos;neg;zero" as the reports' patterns allow).
std::string_view Section(std::string_view pat, bool negative, bool* use_abs) {
  *use_abs = false;
  bool quoted = false;
  size_t first = std::string_view::npos, second = std::string_view::npos;
  for (size_t k = 0; k < pat.size(); ++k) {
    if (pat[k] == '"')
      quoted = !quoted;
    else if (pat[k] == '\\' && !quoted)
      ++k;
    else if (pat[k] == ';' && !quoted) {
      if (first == std::string_view::npos)
        first = k;
      else if (second == std::string_view::npos)
        second = k;
    }
  }
  if (first == std::string_view::npos) return pat;
  if (negative) {
    std::string_view neg = pat.substr(
        first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
    if (!neg.empty()) {
      *use_abs = true;
      return neg;
    }
  }
  return pat.substr(0, first);
}

Pattern Parse(std::string_view p) {
  Pattern r;
  bool point = false;
  auto lit = [&](std::string_view s) {
    if (r.any_digit)
      r.suffix.append(s);
    else
      r.prefix.append(s);
  };
  for (size_t k = 0; k < p.size(); ++k) {
    const char c = p[k];
    if (c == '0' || c == '#') {
      // Literal text between placeholders belongs after the number in these patterns.
      r.any_digit = true;
      if (point) {
        ++r.max_dec;
        if (c == '0') r.min_dec = r.max_dec;
      } else if (c == '0') {
        ++r.min_int;
      }
    } else if (c == '.' && !point) {
      point = true;
      r.any_digit = true;
    } else if (c == ',') {
      if (!point) r.group = true;
    } else if (c == '%') {
      ++r.percent;
      lit("%");
    } else if (c == '"') {
      size_t e = p.find('"', k + 1);
      if (e == std::string_view::npos) e = p.size();
      lit(p.substr(k + 1, e - k - 1));
      k = e;
    } else if (c == '\\') {
      if (k + 1 < p.size()) {
        // A backslash escapes one (possibly multi-byte UTF-8) character.
        size_t len = 1;
        const unsigned char u = static_cast<unsigned char>(p[k + 1]);
        if (u >= 0xF0)
          len = 4;
        else if (u >= 0xE0)
          len = 3;
        else if (u >= 0xC0)
          len = 2;
        lit(p.substr(k + 1, len));
        k += len;
      }
    } else {
      lit(p.substr(k, 1));
    }
  }
  return r;
}

std::string_view Named(std::string_view pat) {
  if (EqualsNoCase(pat, "Percent")) return "0.00%";
  if (EqualsNoCase(pat, "Fixed")) return "0.00";
  if (EqualsNoCase(pat, "Standard")) return "#,##0.00";
  if (EqualsNoCase(pat, "General Number")) return "";
  return pat;
}

// Digits of |x| rounded half away from zero to `decimals` places, working on the 15-significant-
// digit decimal value. Returns integer and fraction digit strings.
void Round(double ax, int decimals, std::string& ip, std::string& fp) {
  ip.clear();
  fp.clear();
  if (ax == 0) {
    ip = "0";
    fp.assign(decimals, '0');
    return;
  }
  char buf[40];
  // Same digits as printf("%.14e"), several times faster: reports format dozens of numbers.
  *std::to_chars(buf, buf + sizeof buf - 1, ax, std::chars_format::scientific, 14).ptr = '\0';
  // buf = d.dddddddddddddde±XX
  char digits[16];
  int nd = 0;
  const char* q = buf;
  for (; *q && *q != 'e'; ++q)
    if (*q >= '0' && *q <= '9') digits[nd++] = *q;
  const int exp10 = std::atoi(q + 1);
  // digit k (0-based) has place value 10^(exp10 - k); keep those with place >= 10^-decimals.
  int keep = exp10 + decimals + 1;
  std::string d(digits, nd);
  if (keep < nd) {
    if (keep < 0) {
      d.clear();
    } else {
      const bool up = d[keep] >= '5';
      d.resize(keep);
      if (up) {
        int k = keep - 1;
        while (k >= 0 && d[k] == '9') d[k--] = '0';
        if (k >= 0)
          ++d[k];
        else
          // all nines rounded up: the value is the next power of ten
          return Round(std::pow(10.0, exp10 + 1), decimals, ip, fp);
      }
    }
  }
  // Place digits: integer part has exp10+1 digits (if exp10 >= 0).
  const int int_len = exp10 + 1;
  for (int k = 0; k < int_len; ++k) ip.push_back(k < static_cast<int>(d.size()) ? d[k] : '0');
  if (ip.empty()) ip = "0";
  for (int k = 0; k < decimals; ++k) {
    const int idx = int_len + k;  // may be negative for leading zeros
    fp.push_back(idx >= 0 && idx < static_cast<int>(d.size()) ? d[idx] : '0');
  }
  // strip leading zeros of the integer part
  size_t nz = ip.find_first_not_of('0');
  ip = nz == std::string::npos ? "0" : ip.substr(nz);
}

}  // namespace

void AppendFormatted(std::string& out, double x, std::string_view pattern) {
  pattern = Named(pattern);
  // A number that is not finite is never printed: the calculation has overflowed, and the caller's
  // guard turns the fault into its error code ending in 99.
  if (!std::isfinite(x)) fault::raise();
  if (pattern.empty()) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", x == 0 ? 0.0 : x);
    out += buf;
    return;
  }
  bool use_abs = false;
  const std::string_view sec = Section(pattern, x < 0, &use_abs);
  const Pattern p = Parse(sec);
  if (!p.any_digit) {
    out += p.prefix;
    out += p.suffix;
    return;
  }
  double v = x;
  for (int k = 0; k < p.percent; ++k) v *= 100;
  if (!std::isfinite(v)) fault::raise();
  std::string ip, fp;
  Round(std::fabs(v), p.max_dec, ip, fp);
  // optional decimal places drop their trailing zeros
  while (static_cast<int>(fp.size()) > p.min_dec && fp.back() == '0') fp.pop_back();
  const bool zero = ip == "0" && fp.find_first_not_of('0') == std::string::npos;
  if (ip == "0" && p.min_int == 0) ip.clear();
  while (static_cast<int>(ip.size()) < p.min_int) ip.insert(ip.begin(), '0');
  if (v < 0 && !zero && !use_abs) out.push_back('-');
  out += p.prefix;
  if (p.group && ip.size() > 3) {
    const size_t lead = ip.size() % 3;
    for (size_t k = 0; k < ip.size(); ++k) {
      if (k != 0 && (k - lead) % 3 == 0 && k >= lead) out.push_back(',');
      out.push_back(ip[k]);
    }
  } else {
    out += ip;
  }
  if (!fp.empty()) {
    out.push_back('.');
    out += fp;
  }
  out += p.suffix;
}

std::string FormatNumber(double x, std::string_view pattern) {
  std::string s;
  s.reserve(24);
  AppendFormatted(s, x, pattern);
  return s;
}

}  // namespace tk
