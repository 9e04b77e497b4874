// Report builder: appends the pieces of a calculation report in one growing buffer (reserved,
// never re-copied) with the line ends and unit formats of the shared services component.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "frame/services.h"

namespace tk {

// Unit tokens of the shared services component as typed constants. A report resolves each token's
// number pattern once (on first use), so a line with five lengths does not ask five times.
enum class U : uint8_t {
  mm,
  mmd,
  mm_1,
  mmd_1,
  mm_2,
  mmd_2,
  mm_3,
  mmd_3,  // lengths
  m,
  md,
  mm2,
  mm2d,
  mm3,
  mm3d,
  m2,
  m2d,
  m3,
  m3d,
  m4,
  m4d,  // metres, areas, volumes
  n,
  nd,
  kn,
  knd,
  nmm,
  knm,
  knmd,
  knm_1,
  knm_2,
  knmd_2,
  knm2,
  knm2d,  // forces, moments
  nmm2,
  nmm2d,
  nmm2_1,
  nmm2_2,
  nmm2d_2,
  nmm2_3,
  nmm2d_3,  // strengths (N/mm²)
  kpa,
  kpad,
  knpm,
  knpmd,
  knpm2,
  knpm2d,
  knpm2_2,
  knpm2d_2,
  knpm3,
  knpm3d,
  mnpm4d,  // loads
  pjl,
  decd,
  d0,
  d1,
  d2,
  d3,
  d4,
  d5,
  percent,  // plain numbers
  kCount
};
// The services token behind a typed unit ("n/mm2d" for U::nmm2d).
std::string_view TokenOf(U u);

// One substituted piece of a report line: a number with a unit token, a number with an explicit
// number pattern, or a text.
struct Sub {
  enum class Kind : uint8_t { Unit, Pattern, Text };
  Kind kind;
  U unit = U::d0;
  double x = 0;
  std::string_view s;  // the pattern or the text
  Sub(double v, U u) : kind(Kind::Unit), unit(u), x(v) {}
  Sub(double v, std::string_view pattern) : kind(Kind::Pattern), x(v), s(pattern) {}
  Sub(double v, const char* pattern) : kind(Kind::Pattern), x(v), s(pattern) {}
  Sub(std::string_view text) : kind(Kind::Text), s(text) {}
  Sub(const char* text) : kind(Kind::Text), s(text) {}
  Sub(const std::string& text) : kind(Kind::Text), s(text) {}
};
using Subs = std::initializer_list<Sub>;

class Report {
 public:
  explicit Report(ISharedServices& svc, size_t reserve = 4096);
  Report();  // uses this thread's shared services
  // A report that writes nothing: the same calculation code runs with and without a report, and
  // a disabled report neither formats nor asks the services component anything.
  static Report Disabled();

  bool enabled() const { return enabled_; }

  std::string& str() { return buf_; }
  const std::string& str() const { return buf_; }
  ISharedServices& services() { return svc_; }

  // kind + " " + trimmed label + "计算结果" + heading end ("弯矩 KL1计算结果").
  Report& Title(std::string_view kind, std::string_view label);
  // 2 spaces + text + heading end ("  1．基本参数：").
  Report& Heading(std::string_view text);
  Report& Raw(std::string_view s) {
    if (enabled_) buf_.append(s);
    return *this;
  }
  Report& Sp(int n) {
    if (enabled_) buf_.append(static_cast<size_t>(n), ' ');
    return *this;
  }
  // The substitution form: `indent` spaces, then `form` with $0..$9 (and ${10}.. for more)
  // replaced by the pieces of `subs`, then the line end. "$$" writes a "$". The symbolic formula
  // and the line with its numbers are written side by side:
  //   r.Line(4, "x ＝ Ho - (Ho ^ 2 - 2 * Mu / fcm / B) ^ 0.5");
  //   r.Line(16, "＝ $0-($0^2-2*$1/$2/$3)^0.5", {{ho, U::mm}, {M, U::mm}, {fcm, U::nmm2_1}, ...});
  Report& Line(int indent, std::string_view form, Subs subs = {});
  // The same without indent and line end, for a line built in parts.
  Report& Put(std::string_view form, Subs subs = {});
  // Rows of a report table, built by the shared services component: a heading row, a labelled
  // value row whose value is `form` with its pieces put in, and a formula row with the symbolic
  // formula and `form`, the same formula with its numbers:
  //   r.TableFormula("Bc ＝ Bk * Ec * I", "＝ $0*$1*$2*$3^3/12 ＝ $4", {...});
  Report& TableHeading(std::string_view heading);
  Report& TableValue(std::string_view label, std::string_view form, Subs subs = {});
  Report& TableFormula(std::string_view formula, std::string_view form, Subs subs = {});
  // A value formatted with the pattern of a typed unit token.
  Report& Val(double x, U unit);
  // The number pattern of a typed unit token (resolved once per report).
  std::string_view Pattern(U unit);
  // A value formatted with the pattern of a unit token.
  Report& Val(double x, std::string_view token);
  // A value formatted with a number pattern ("#0.000").
  Report& Num(double x, std::string_view pattern);
  // A value through tFormatValue (token or unit text).
  Report& Fmt(double x, std::string_view unit, int32_t show_unit = 0);
  Report& Text(int32_t id) { return enabled_ ? Raw(svc_.tTextById(id)) : *this; }
  Report& End() { return Raw(line_end_); }
  Report& HeadingEnd() { return Raw(title_end_); }
  // 4 spaces + label + value with its unit + line end.
  Report& Data(std::string_view label, double x, std::string_view token);
  // "      错误：" + text + line end.
  Report& Error(std::string_view text);

  // Replaces the caller's report text with this report.
  void MoveTo(std::string& tText) {
    if (enabled_) tText = std::move(buf_);
  }

 private:
  struct DisabledTag {};
  Report(ISharedServices& svc, DisabledTag);
  void Expand(std::string& out, std::string_view form, Subs subs);

  ISharedServices& svc_;
  bool enabled_ = true;
  // Resolved patterns, made on the first typed value: a disabled report (the calculators' path
  // without a report, called per candidate by the searches) never pays for them.
  struct Patterns {
    std::array<std::string, static_cast<size_t>(U::kCount)> text{};
    std::array<bool, static_cast<size_t>(U::kCount)> resolved{};
  };
  std::unique_ptr<Patterns> patterns_;
  std::string_view line_end_, title_end_;
  std::string buf_;
};

}  // namespace tk
