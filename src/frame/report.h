// Report builder: appends the pieces of a calculation report in one growing buffer (reserved,
// never re-copied) with the line ends and unit formats of the shared services component.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/services.h"

namespace tk {

class Report {
 public:
  explicit Report(ISharedServices& svc, size_t reserve = 4096);
  Report();  // uses this thread's shared services

  std::string& str() { return buf_; }
  const std::string& str() const { return buf_; }
  ISharedServices& services() { return svc_; }

  // kind + " " + trimmed label + "计算结果" + heading end ("弯矩 KL1计算结果").
  Report& Title(std::string_view kind, std::string_view label);
  // 2 spaces + text + heading end ("  1．基本参数：").
  Report& Heading(std::string_view text);
  Report& Raw(std::string_view s) {
    buf_.append(s);
    return *this;
  }
  Report& operator<<(std::string_view s) { return Raw(s); }
  Report& Sp(int n) {
    buf_.append(static_cast<size_t>(n), ' ');
    return *this;
  }
  // A value formatted with the pattern of a unit token.
  Report& Val(double x, std::string_view token);
  // A value formatted with a number pattern ("#0.000").
  Report& Num(double x, std::string_view pattern);
  // A value through tFormatValue (token or unit text).
  Report& Fmt(double x, std::string_view unit, int32_t show_unit = 0);
  Report& Text(int32_t id) { return Raw(svc_.tTextById(id)); }
  Report& End() { return Raw(line_end_); }
  Report& HeadingEnd() { return Raw(title_end_); }
  // 4 spaces + label + value with its unit + line end.
  Report& Data(std::string_view label, double x, std::string_view token);
  // 4 spaces + warning text (itself "    警告：...") + text `text_id` + line end.
  Report& Warning(std::string_view text, int32_t text_id);
  // "      错误：" + text + line end.
  Report& Error(std::string_view text);

  // Replaces the caller's report text with this report.
  void MoveTo(std::string& tText) { tText = std::move(buf_); }

 private:
  ISharedServices& svc_;
  std::string_view line_end_, title_end_;
  std::string buf_;
};

}  // namespace tk
