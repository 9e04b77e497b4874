// SATWE result files: WPJ*.OUT (section size and required reinforcement of each beam) and
// WNL*.OUT (load cases and beam internal forces). Only the keywords and columns named here are
// read; everything else in the files is skipped.
#include <array>
#include <string_view>

#include "frame/fault.h"
#include "frame/text.h"
#include "service/result_files_detail.h"

namespace tk::msml {

namespace {

constexpr std::string_view kWpjBeam = "N-B＝";   // 4 characters
constexpr std::string_view kWpjSize = "(mm)＝";  // 5 characters
constexpr std::string_view kWpjTop = "Top Ast";  // 7 characters
constexpr std::string_view kWpjBtm = "Btm Ast";
constexpr std::string_view kWnlCase = "LOAD CASE＝";  // 10 characters
constexpr std::string_view kWnlForces = "INTERNAL FORCE OF BEAM";
constexpr std::string_view kWnlBeam = "N-B ＝";  // 5 characters
constexpr std::string_view kWnlNode = "(NODE-i＝";
// A load-case number that no row can carry (rows hold 16-bit numbers).
constexpr int32_t kNoNumber = 1 << 30;

struct CaseName {
  std::string_view name;
  int slot;
};
constexpr std::array<CaseName, 9> kCaseNames{{
    {"Earthquake Force in X-direction", 1},
    {"Earthquake Force in Y-direction", 2},
    {"Wind Force in X-direction", 3},
    {"Wind Force in Y-direction", 4},
    {"Vertical Dead Force", 5},
    {"Vertical Force (Dead & Live)", 5},
    {"Vertical Live Force", 6},
    {"(-M) of Beam under Live Load", 7},
    {"(+M) of Beam under Live Load", 8},
}};

int SlotOfCaseName(std::string_view rest) {
  for (const auto& c : kCaseNames)
    if (rest.find(c.name) != std::string_view::npos) return c.slot;
  return 0;
}

// Reinforcement values "  1234." after "Top Ast" / "Btm Ast": each value ends at its point.
bool ReadAstLine(LineReader& r, std::string_view key, double (&v)[9]) {
  std::string_view line;
  while (r.Next(line)) {
    const size_t p = line.find(key);
    if (p == std::string_view::npos) continue;
    ReadDotValues(line, SkipChars(line, p, 7), 0, 0, v, 9);
    return true;
  }
  return false;
}

}  // namespace

int32_t ReadWpjBeam(LineReader& r, int iBeam, WpjBeam& out) {
  std::string_view line;
  while (!out.found && r.Next(line)) {
    const size_t p = line.find(kWpjBeam);
    if (p == std::string_view::npos) continue;
    bool ok = false;
    if (WholeNumber(UpTo(line, SkipChars(line, p, 4), "("), ok) != iBeam || !ok) continue;
    out.found = true;
    // "B*H(mm)＝  250* 500": the width runs to the "*", the height is the five characters after
    // it. The span after "Lb＝" is printed on the same line but is not needed here.
    const size_t mm = line.find(kWpjSize);
    if (mm == std::string_view::npos) break;
    const size_t w = SkipChars(line, mm, 5);
    out.sB = fault::to_float(LeadingNumber(UpTo(line, w, "*")));
    const size_t star = line.find('*', w);
    if (star != std::string_view::npos)
      out.sH = fault::to_float(LeadingNumber(MidChars(line, star + 1, 5)));
  }
  if (!out.found || out.sB == 0) return kErrSatweBeamNotInWpj;
  if (!ReadAstLine(r, kWpjTop, out.top) || !ReadAstLine(r, kWpjBtm, out.btm))
    return kErrSatweBeamNotInWpj;
  // A beam that SATWE did not design prints zeros; its 4th section tells.
  if (out.top[3] == 0 && out.btm[3] == 0) return kErrSatweBeamNotInWpj;
  return 0;
}

namespace {

// One row "( n)  M1  M9" (lateral case) or "( n)  M1 ... M9" (vertical case): each value is the
// text up to its point and one decimal.
void ReadSatweForceLine(std::string_view line, size_t pos, int slot, MomentTable& t) {
  if (slot <= 4) {
    double m[2];
    ReadDotValues(line, pos, 1, 0, m, 2);
    const float m1 = fault::to_float(m[0]), m9 = fault::to_float(m[1]);
    for (int k = 1; k <= 9; ++k)
      t.at(slot, k) = fault::to_float(m1 + (static_cast<double>(m9) - m1) * (k - 1) / 8.0);
  } else {
    double m[9];
    ReadDotValues(line, pos, 1, 0, m, 9);
    for (int k = 1; k <= 9; ++k) t.at(slot, k) = fault::to_float(m[k - 1]);
  }
}

}  // namespace

int32_t ReadWnlBeam(LineReader& r, int iBeam, WnlBeam& out) {
  std::string_view line;
  while (r.Next(line)) {
    if (line.find(kWnlForces) != std::string_view::npos) break;
    const size_t p = line.find(kWnlCase);
    if (p == std::string_view::npos) continue;
    const size_t q = SkipChars(line, p, 10);
    // A case line without its "--" is not one SATWE wrote; it names no case.
    const size_t dd = line.find("--", q);
    if (dd == std::string_view::npos) continue;
    const int slot = SlotOfCaseName(line.substr(dd + 2));
    if (slot == 0 || out.cases.size() >= 8) continue;
    bool ok = false;
    const int32_t n = WholeNumber(line.substr(q, dd - q), ok);
    out.cases.push_back({ok ? n : kNoNumber, slot});
    if (slot <= 2)
      out.flags.earthquake = true;
    else if (slot <= 4)
      out.flags.wind = true;
    else if (slot >= 7)
      out.flags.live_arrangement = true;
  }
  if (out.cases.empty()) return kErrSatweNoLoadCase;

  bool found = false;
  while (!found && r.Next(line)) {
    const size_t p = line.find(kWnlBeam);
    if (p == std::string_view::npos) continue;
    bool ok = false;
    found = WholeNumber(UpTo(line, SkipChars(line, p, 5), kWnlNode), ok) == iBeam && ok;
  }
  if (!found) return kErrSatweBeamNotInWnl;

  const auto count = static_cast<int32_t>(out.cases.size());
  while (r.Next(line)) {
    int32_t n = 0;
    size_t after = 0;
    if (!BracketedCaseNumber(line, n, after)) continue;
    for (const auto& c : out.cases) {
      if (c.number != n) continue;
      ReadSatweForceLine(line, after, c.slot, out.t);
      break;
    }
    if (n == count) return 0;
  }
  return kErrSatweListingEnded;
}

}  // namespace tk::msml
