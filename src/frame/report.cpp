#include "frame/report.h"

#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/text.h"

namespace tk {

Report::Report(ISharedServices& svc, size_t reserve)
    : svc_(svc), line_end_(svc.tLineEnd()), title_end_(svc.tTitleEnd()) {
  buf_.reserve(reserve);
}

Report::Report() : Report(modKalbex::Services()) {}

Report& Report::Title(std::string_view kind, std::string_view label) {
  buf_.append(kind);
  buf_.push_back(' ');
  buf_.append(TrimView(label));
  buf_.append("计算结果");
  return HeadingEnd();
}

Report& Report::Heading(std::string_view text) {
  buf_.append("  ");
  buf_.append(text);
  return HeadingEnd();
}

Report& Report::Val(double x, std::string_view token) {
  AppendFormatted(buf_, x, svc_.tUnitFormat(token));
  return *this;
}

Report& Report::Num(double x, std::string_view pattern) {
  AppendFormatted(buf_, x, pattern);
  return *this;
}

Report& Report::Fmt(double x, std::string_view unit, int32_t show_unit) {
  return Raw(svc_.tFormatValue(x, unit, show_unit));
}

Report& Report::Data(std::string_view label, double x, std::string_view token) {
  Sp(4).Raw(label).Val(x, token);
  return End();
}

Report& Report::Warning(std::string_view text, int32_t text_id) {
  Sp(4).Raw(text).Text(text_id);
  return End();
}

Report& Report::Error(std::string_view text) {
  Raw("      错误：").Raw(text);
  return End();
}

}  // namespace tk
