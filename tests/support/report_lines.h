// Report-line helpers shared by the calculator tests: a report is read as its lines (CR LF ends,
// as the shared services component writes them), and a line is looked for whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk::test_support {

// The lines of a report without their CR LF ends; a last line without an end counts too.
inline std::vector<std::string> ReportLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t p = 0;
  while (p < text.size()) {
    size_t e = text.find("\r\n", p);
    if (e == std::string_view::npos) e = text.size();
    lines.emplace_back(text.substr(p, e - p));
    p = e + 2;
  }
  return lines;
}

// Whether one of the lines is exactly `line`.
inline bool HasLine(const std::vector<std::string>& lines, std::string_view line) {
  for (const auto& l : lines)
    if (l == line) return true;
  return false;
}

// Whether the report holds `line` as a whole line, its indent included.
inline bool HasLine(std::string_view text, std::string_view line) {
  return HasLine(ReportLines(text), line);
}

// Whether the report holds `part` anywhere, across line ends too.
inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace tk::test_support
