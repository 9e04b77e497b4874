// TBSA result files: "Struc" (general data: which load cases the run has) and "Tbsa4.OUT"
// (per floor: beam size, end forces per load case, required reinforcement).
#include <cctype>
#include <cmath>
#include <string_view>

#include "frame/fault.h"
#include "frame/text.h"
#include "service/result_files_detail.h"

namespace tk::msml {

namespace {

constexpr std::string_view kFloor = "No. of Floor =";  // 14 characters
constexpr std::string_view kBeam = "Be=";              // 3 characters
constexpr std::string_view kSize = "B*H=";             // 4 characters
constexpr std::string_view kSpan = "BL＝";             // 3 characters
constexpr std::string_view kFc = "fc=";                // 3 characters
constexpr std::string_view kForceHeader =
    "Type      Ql          Ml          Tl              Qr          Mr          Tr";
constexpr std::string_view kAs = "As ";  // 3 characters

bool IsSwitch(double x) {
  return x == 0 || x == 1;
}

// Numbers of one general-data line: comma-separated fields; the first field that does not start
// like a number begins a remark and ends the line's data.
void CollectNumbers(std::string_view line, std::vector<double>& nums) {
  size_t pos = 0;
  while (pos <= line.size()) {
    const size_t comma = line.find(',', pos);
    const std::string_view field = TrimView(
        line.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
    if (!field.empty()) {
      const unsigned char c = static_cast<unsigned char>(field[0]);
      if (!(std::isdigit(c) || c == '+' || c == '-' || c == '.')) return;
      nums.push_back(LeadingNumber(field));
    }
    if (comma == std::string_view::npos) return;
    pos = comma + 1;
  }
}

}  // namespace

// The general data we expect in "Struc" (TBSA leaves the first group of its general data to the
// program version, so this is our reading of it):
//   - "TBSA （V5.0 Windows版本）" writes the project title on line 1; it is skipped whatever it
//     says (a title such as "2号楼" must not be taken for data). Earlier versions start with the
//     data on line 1.
//   - Data are numbers separated by ","; blank lines and lines of remarks are skipped. The first
//     group is six integers, which may wrap onto the next line:
//       NST, IVL, IAD, IWIND, IEQ, IDIR
//     NST storeys (not used here); IVL vertical load present (0/1); IAD an additional case
//     present (0/1); IWIND wind present (0/1); IEQ earthquake present (0/1); IDIR direction of
//     the wind and earthquake cases, 1 = X, 2 = Y, 3 = X and Y (needed only with wind or
//     earthquake).
// A group that breaks these rules, or that gives no load case at all, is refused with 3600850
// rather than guessed at: a wrong switch would silently combine the wrong moments.
int32_t ReadTbsaHead(LineReader& r, std::string_view tVer, TbsaHead& head, int32_t& lines) {
  lines = 0;
  const bool title = TrimView(tVer) == kTbsaV5;
  std::vector<double> nums;
  std::string_view line;
  while (nums.size() < 6 && r.Next(line)) {
    ++lines;
    if (title && lines == 1) continue;
    CollectNumbers(line, nums);
  }
  if (nums.size() < 6) return kErrTbsaBadHead;
  for (int k = 0; k < 6; ++k)
    if (nums[k] != std::floor(nums[k])) return kErrTbsaBadHead;
  if (!IsSwitch(nums[1]) || !IsSwitch(nums[2]) || !IsSwitch(nums[3]) || !IsSwitch(nums[4]))
    return kErrTbsaBadHead;
  head.vertical = nums[1] == 1;
  head.additional = nums[2] == 1;
  head.wind = nums[3] == 1;
  head.earthquake = nums[4] == 1;
  head.lateral = head.wind || head.earthquake;
  if (head.lateral) {
    if (nums[5] < 1 || nums[5] > 3) return kErrTbsaBadHead;
    head.direction = static_cast<int>(nums[5]);
  }
  // Case numbers in the order TBSA computes them: vertical, additional, wind, earthquake.
  int32_t n = 0;
  head.cases.clear();
  if (head.vertical) head.cases.push_back({++n, 5});
  if (head.additional) head.cases.push_back({++n, 0});
  auto lateral = [&](int slot_x) {
    if (head.direction == 1 || head.direction == 3) head.cases.push_back({++n, slot_x});
    if (head.direction == 2 || head.direction == 3) head.cases.push_back({++n, slot_x + 1});
  };
  if (head.wind) lateral(3);
  if (head.earthquake) lateral(1);
  head.recognised = 0;
  for (const auto& c : head.cases)
    if (c.slot != 0) ++head.recognised;
  return head.recognised == 0 ? kErrTbsaBadHead : 0;
}

namespace {

// "(n)  Ql  Ml  Tl  Qr  Mr  Tr": each value is the text up to its point and two decimals.
void ReadTbsaForceLine(std::string_view line, size_t pos, int slot, double BL, MomentTable& t) {
  double v[6];
  ReadDotValues(line, pos, 2, 0, v, 6);
  const double Ql = v[0], Ml = v[1], Qr = v[3], Mr = v[4];
  t.at(slot, 1) = fault::to_float(Ml);
  t.at(slot, 9) = fault::to_float(Mr);
  if (slot <= 4) {
    const float m1 = t.at(slot, 1), m9 = t.at(slot, 9);
    for (int k = 2; k <= 8; ++k)
      t.at(slot, k) = fault::to_float(m1 + (static_cast<double>(m9) - m1) * (k - 1) / 8.0);
    return;
  }
  // Simply supported span under a uniform load q between the end moments: the end shears give
  // q = (Ql + Qr) / BL and M(x) = Ml + Ql·x − q·x²/2. Section 9 keeps the printed Mr.
  const double q = fault::div(Ql + Qr, BL);
  for (int k = 2; k <= 8; ++k) {
    const double x = BL * (k - 1) / 8.0;
    t.at(slot, k) = fault::to_float(fault::check(Ml + Ql * x - q * x * x / 2.0));
  }
}

// Whether line holds the header of floor iCs at p.
bool IsFloorHeader(std::string_view line, size_t p, int iCs) {
  bool ok = false;
  return WholeNumber(UpTo(line, SkipChars(line, p, 14), "|"), ok) == iCs && ok;
}

bool FindFloor(LineReader& r, int iCs) {
  std::string_view line;
  while (r.Next(line)) {
    const size_t p = line.find(kFloor);
    if (p != std::string_view::npos && IsFloorHeader(line, p, iCs)) return true;
  }
  return false;
}

// The beam's line: size, span and concrete grade.
void ReadBeamLine(std::string_view line, TbsaBeam& out) {
  // "B*H=0.25*0.60": metres; the height is the five characters after the "*".
  if (const size_t bh = line.find(kSize); bh != std::string_view::npos) {
    const size_t w = SkipChars(line, bh, 4);
    out.sB = fault::to_float(fault::check(LeadingNumber(UpTo(line, w, "*")) * 1000.0));
    if (const size_t star = line.find('*', w); star != std::string_view::npos)
      out.sH = fault::to_float(fault::check(LeadingNumber(MidChars(line, star + 1, 5)) * 1000.0));
  }
  if (const size_t s = line.find(kSpan); s != std::string_view::npos)
    out.BL = LeadingNumber(line.substr(SkipChars(line, s, 3)));
  if (const size_t s = line.find(kFc); s != std::string_view::npos)
    out.fc = LeadingNumber(line.substr(SkipChars(line, s, 3)));
}

void FindBeam(LineReader& r, int iCs, int iBeam, TbsaBeam& out) {
  std::string_view line;
  while (!out.found && r.Next(line)) {
    // The beam is looked for on its own floor only: the header of another floor ends the search
    // (the same floor's header repeated on a new page does not).
    if (const size_t f = line.find(kFloor); f != std::string_view::npos) {
      if (!IsFloorHeader(line, f, iCs)) break;
      continue;
    }
    const size_t p = line.find(kBeam);
    if (p == std::string_view::npos) continue;
    bool ok = false;
    if (WholeNumber(UpTo(line, SkipChars(line, p, 3), kSize), ok) != iBeam || !ok) continue;
    out.found = true;
    ReadBeamLine(line, out);
  }
}

bool FindForceHeader(LineReader& r) {
  std::string_view line;
  while (r.Next(line))
    if (line.find(kForceHeader) != std::string_view::npos) return true;
  return false;
}

// The force lines of the cases, up to the last recognised one; false when the file ends first.
bool ReadForces(LineReader& r, const TbsaHead& head, TbsaBeam& out) {
  std::string_view line;
  while (r.Next(line)) {
    int32_t n = 0;
    size_t after = 0;
    if (!BracketedCaseNumber(line, n, after)) continue;
    for (const auto& c : head.cases) {
      if (c.number != n) continue;
      if (c.slot != 0) ReadTbsaForceLine(line, after, c.slot, out.BL, out.t);
      break;
    }
    // The stop counts the cases given to slots, as the general data number them; see the note
    // on the additional case in the class header.
    if (n == head.recognised) return true;
  }
  return false;
}

bool ReadAsLine(LineReader& r, TbsaBeam& out) {
  std::string_view line;
  while (r.Next(line)) {
    const size_t p = line.find(kAs);
    if (p == std::string_view::npos) continue;
    // Ten values in cm², two decimals each, one separating character skipped after each value.
    double v[10];
    ReadDotValues(line, SkipChars(line, p, 3), 2, 1, v, 10);
    for (int k = 1; k <= 5; ++k) {
      out.as[k][1] = fault::check(v[k - 1] * 100.0);
      out.as[k][0] = fault::check(v[k + 4] * 100.0);
    }
    return true;
  }
  return false;
}

}  // namespace

int32_t ReadTbsaBeam(LineReader& r, const TbsaHead& head, int iCs, int iBeam, TbsaBeam& out) {
  if (!FindFloor(r, iCs)) return kErrTbsaFloorNotFound;
  FindBeam(r, iCs, iBeam, out);
  if (!out.found || out.sB == 0) return kErrTbsaBeamNotFound;
  if (!FindForceHeader(r)) return kErrTbsaNoForceHeader;
  if (!ReadForces(r, head, out)) return kErrTbsaIncomplete;
  if (!ReadAsLine(r, out)) return kErrTbsaIncomplete;
  if (out.as[3][0] == 0 && out.as[3][1] == 0) return kErrTbsaIncomplete;
  return 0;
}

}  // namespace tk::msml
