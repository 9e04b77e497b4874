#include "frame/report.h"

#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/text.h"

namespace tk {

namespace {

constexpr std::string_view kTokens[] = {
    "mm",       "mmd",      "mm_1",     "mmd_1",  "mm_2",   "mmd_2", "mm_3",   "mmd_3",   "m",
    "md",       "mm2",      "mm2d",     "mm3",    "mm3d",   "m2",    "m2d",    "m3",      "m3d",
    "m4",       "m4d",      "n",        "nd",     "kn",     "knd",   "nmm",    "knm",     "knmd",
    "knm_1",    "knm_2",    "knmd_2",   "knm2",   "knm2d",  "n/mm2", "n/mm2d", "n/mm2_1", "n/mm2_2",
    "n/mm2d_2", "n/mm2_3",  "n/mm2d_3", "kpa",    "kpad",   "kn/m",  "kn/md",  "kn/m2",   "kn/m2d",
    "kn/m2_2",  "kn/m2d_2", "kn/m3",    "kn/m3d", "MN/M4d", "pjl",   "decd",   "0",       "1",
    "2",        "3",        "4",        "5",      "percent"};
static_assert(std::size(kTokens) == static_cast<size_t>(U::kCount),
              "every typed unit has its services token");

}  // namespace

std::string_view TokenOf(U u) {
  return kTokens[static_cast<size_t>(u)];
}

Report::Report(ISharedServices& svc, size_t reserve)
    : svc_(svc), line_end_(svc.tLineEnd()), title_end_(svc.tTitleEnd()) {
  buf_.reserve(reserve);
}

Report::Report() : Report(modKalbex::Services()) {}

Report::Report(ISharedServices& svc, DisabledTag) : svc_(svc), enabled_(false) {}

Report Report::Disabled() {
  return Report(modKalbex::Services(), DisabledTag{});
}

std::string_view Report::Pattern(U unit) {
  const auto k = static_cast<size_t>(unit);
  if (!patterns_) patterns_ = std::make_unique<Patterns>();
  if (!patterns_->resolved[k]) {
    patterns_->text[k] = std::string(svc_.tUnitFormat(kTokens[k]));
    patterns_->resolved[k] = true;
  }
  return patterns_->text[k];
}

void Report::Expand(std::string& out, std::string_view form, Subs subs) {
  const Sub* pieces = subs.begin();
  const size_t count = subs.size();
  size_t i = 0;
  while (i < form.size()) {
    const size_t dollar = form.find('$', i);
    if (dollar == std::string_view::npos || dollar + 1 >= form.size()) {
      out.append(form.substr(i));
      return;
    }
    out.append(form.substr(i, dollar - i));
    size_t k = 0, next = dollar + 2;
    const char c = form[dollar + 1];
    if (c == '$') {
      out.push_back('$');
      i = next;
      continue;
    }
    if (c == '{') {
      const size_t close = form.find('}', dollar);
      for (size_t j = dollar + 2; j < close; ++j) k = k * 10 + static_cast<size_t>(form[j] - '0');
      next = close + 1;
    } else {
      k = static_cast<size_t>(c - '0');
    }
    // A form names only pieces it is given; a slip here is a programming error that the report
    // tests catch, not something to print.
    if (k >= count) throw ComponentFailure("report line refers to a missing piece");
    const Sub& p = pieces[k];
    switch (p.kind) {
      case Sub::Kind::Unit:
        AppendFormatted(out, p.x, Pattern(p.unit));
        break;
      case Sub::Kind::Pattern:
        AppendFormatted(out, p.x, p.s);
        break;
      case Sub::Kind::Text:
        out.append(p.s);
        break;
    }
    i = next;
  }
}

Report& Report::Line(int indent, std::string_view form, Subs subs) {
  if (!enabled_) return *this;
  buf_.append(static_cast<size_t>(indent), ' ');
  Expand(buf_, form, subs);
  buf_.append(line_end_);
  return *this;
}

Report& Report::Put(std::string_view form, Subs subs) {
  if (enabled_) Expand(buf_, form, subs);
  return *this;
}

Report& Report::TableHeading(std::string_view heading) {
  if (enabled_) svc_.AddTableHeading(buf_, heading);
  return *this;
}

Report& Report::TableValue(std::string_view label, std::string_view form, Subs subs) {
  if (!enabled_) return *this;
  std::string value;
  Expand(value, form, subs);
  svc_.AddTableValueRow(buf_, label, value);
  return *this;
}

Report& Report::TableFormula(std::string_view formula, std::string_view form, Subs subs) {
  if (!enabled_) return *this;
  std::string values;
  Expand(values, form, subs);
  svc_.AddTableFormulaRow(buf_, formula, values);
  return *this;
}

Report& Report::Title(std::string_view kind, std::string_view label) {
  if (!enabled_) return *this;
  buf_.append(kind);
  buf_.push_back(' ');
  buf_.append(TrimView(label));
  buf_.append("计算结果");
  return HeadingEnd();
}

Report& Report::Heading(std::string_view text) {
  if (!enabled_) return *this;
  buf_.append("  ");
  buf_.append(text);
  return HeadingEnd();
}

Report& Report::Val(double x, U unit) {
  if (enabled_) AppendFormatted(buf_, x, Pattern(unit));
  return *this;
}

Report& Report::Val(double x, std::string_view token) {
  if (enabled_) AppendFormatted(buf_, x, svc_.tUnitFormat(token));
  return *this;
}

Report& Report::Num(double x, std::string_view pattern) {
  if (enabled_) AppendFormatted(buf_, x, pattern);
  return *this;
}

Report& Report::Fmt(double x, std::string_view unit, int32_t show_unit) {
  return enabled_ ? Raw(svc_.tFormatValue(x, unit, show_unit)) : *this;
}

Report& Report::Data(std::string_view label, double x, std::string_view token) {
  if (!enabled_) return *this;
  Sp(4).Raw(label).Val(x, token);
  return End();
}

Report& Report::Error(std::string_view text) {
  if (!enabled_) return *this;
  Raw("      错误：").Raw(text);
  return End();
}

}  // namespace tk
