#include "service/result_files.h"

#include <array>

#include "frame/binding.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "service/result_files_detail.h"

namespace tk {

namespace msml {

namespace {

// Signs and directions of the lateral terms: X = 0, Y = 1.
struct Lateral {
  int sign, dir;
};
constexpr std::array<Lateral, 4> kFour{{{+1, 0}, {-1, 0}, {+1, 1}, {-1, 1}}};
// Kinds 18-33: earthquake term, then wind term.
constexpr std::array<std::array<Lateral, 2>, 16> kEqWind{{
    {{{+1, 0}, {+1, 0}}}, {{{+1, 0}, {-1, 0}}}, {{{-1, 0}, {+1, 0}}}, {{{-1, 0}, {-1, 0}}},
    {{{+1, 1}, {+1, 1}}}, {{{+1, 1}, {-1, 1}}}, {{{-1, 1}, {+1, 1}}}, {{{-1, 1}, {-1, 1}}},
    {{{+1, 0}, {+1, 1}}}, {{{+1, 0}, {-1, 1}}}, {{{-1, 0}, {+1, 1}}}, {{{-1, 0}, {-1, 1}}},
    {{{+1, 1}, {+1, 0}}}, {{{+1, 1}, {-1, 0}}}, {{{-1, 1}, {+1, 0}}}, {{{-1, 1}, {-1, 0}}},
}};

int KindOf(int n) { return (n - 1) % 33 + 1; }

}  // namespace

// Service-load combinations (GBJ 9-87 §2.2, GBJ 11-89 ch. 4) without partial factors: the
// deflection check works with short-term moments. Kinds 18-33 add 0.2 of the wind to the
// earthquake, as JGJ 3-91 asks of tall buildings.
double CombinationValue(const MomentTable& t, int n, int k, float f, bool bGaoCeng) {
  const int kind = KindOf(n);
  const int live_slot = 6 + (n - 1) / 33;
  const double D = t.at(5, k), L = t.at(live_slot, k);
  const double W[2] = {t.at(3, k), t.at(4, k)};
  const double E[2] = {t.at(1, k), t.at(2, k)};
  const double psi_w = bGaoCeng ? 1.0 : 0.6;
  const double psi_e = bGaoCeng ? 0.2 : 0.0;
  const double fD = static_cast<double>(f) * D, fL = static_cast<double>(f) * L;
  double m;
  if (kind == 1) {
    m = fD + fL;
  } else if (kind <= 5) {
    const auto& w = kFour[kind - 2];
    m = fD + w.sign * W[w.dir];
  } else if (kind <= 9) {
    const auto& w = kFour[kind - 6];
    m = fD + fL + psi_w * w.sign * W[w.dir];
  } else if (kind <= 13) {
    const auto& w = kFour[kind - 10];
    m = fD + w.sign * W[w.dir] + 0.6 * fL;
  } else if (kind <= 17) {
    const auto& e = kFour[kind - 14];
    m = fD + fL + e.sign * E[e.dir];
  } else {
    const auto& [e, w] = kEqWind[kind - 18];
    m = fD + fL + e.sign * E[e.dir] + psi_e * w.sign * W[w.dir];
  }
  return fault::check(m);
}

bool CombinationAllowed(int n, const CaseFlags& flags, bool bGaoCeng) {
  const int kind = KindOf(n);
  if (n >= 34 && !flags.live_arrangement) return false;
  const bool wind = (kind >= 2 && kind <= 13) || kind >= 18;
  const bool earthquake = kind >= 14;
  if (wind && !flags.wind) return false;
  if (earthquake && !flags.earthquake) return false;
  if (kind >= 18 && !bGaoCeng) return false;
  return true;
}

Governing CalMsCombination(const MomentTable& t, const CaseFlags& flags, bool bGaoCeng, float sTfXs) {
  // Moment redistribution of the vertical-load moments (hogging reduced by sTfXs, sagging raised
  // to keep the static moment of the span: f = 3 − 2·sTfXs).
  float f[10];
  for (int k = 1; k <= 9; ++k) f[k] = (t.at(5, k) + t.at(6, k) <= 0) ? sTfXs : 3.0f - 2.0f * sTfXs;
  float v[100][10];
  bool allowed[100];
  for (int n = 1; n <= 99; ++n) {
    allowed[n] = CombinationAllowed(n, flags, bGaoCeng);
    for (int k = 1; k <= 9; ++k) v[n][k] = fault::to_float(CombinationValue(t, n, k, f[k], bGaoCeng));
  }
  Governing g;
  // Ends: the lower combination number keeps a tie.
  const int end_rows[2][2] = {{0, 1}, {2, 9}};
  for (const auto& [row, k] : end_rows) {
    float lo = v[1][k], hi = v[1][k];
    int16_t nlo = 1, nhi = 1;
    for (int n = 2; n <= 99; ++n) {
      if (!allowed[n]) continue;
      if (v[n][k] < lo) lo = v[n][k], nlo = static_cast<int16_t>(n);
      if (v[n][k] > hi) hi = v[n][k], nhi = static_cast<int16_t>(n);
    }
    g.ms[row][0] = lo, g.ms[row][1] = hi;
    g.load_case[row][0] = nlo, g.load_case[row][1] = nhi;
  }
  // Span: sections 2-8, combination by combination so that a tie again goes to the lower number.
  float lo = v[1][2], hi = v[1][2];
  int16_t nlo = 1, nhi = 1;
  g.span_section = 2;
  for (int n = 1; n <= 99; ++n) {
    if (!allowed[n]) continue;
    for (int k = 2; k <= 8; ++k) {
      if (v[n][k] < lo) lo = v[n][k], nlo = static_cast<int16_t>(n);
      if (v[n][k] > hi) hi = v[n][k], nhi = static_cast<int16_t>(n), g.span_section = k;
    }
  }
  g.ms[1][0] = lo, g.ms[1][1] = hi;
  g.load_case[1][0] = nlo, g.load_case[1][1] = nhi;
  return g;
}

// Quasi-permanent moment (GBJ 9-87 §2.2): Ml = D + ψq·L. TBSA prints dead and live together, so
// the live share is taken as a quarter of it: Ml = (0.75 + 0.25·ψq)·(D + L).
float CalMl(const MomentTable& t, int mode, int section, float sPsiq) {
  const double D = t.at(5, section), L = t.at(6, section);
  if (mode == static_cast<int>(Mode::Satwe)) return fault::to_float(D + static_cast<double>(sPsiq) * L);
  if (mode == static_cast<int>(Mode::Tbsa)) return fault::to_float((0.75 + 0.25 * static_cast<double>(sPsiq)) * D);
  return 0;
}

}  // namespace msml

namespace {

template <class T>
void Put(VBArray<VBArray<T>>& a, int row, int col, T value) {
  a(row)(col) = value;
}

void WriteGoverning(const msml::Governing& g, VBArray<VBArray<float>>& sMsReturn,
                    VBArray<VBArray<int16_t>>& iLoadCaseReturn) {
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 2; ++col) {
      Put(sMsReturn, row, col, g.ms[row][col]);
      Put(iLoadCaseReturn, row, col, g.load_case[row][col]);
    }
}

void WriteMl(const msml::MomentTable& t, msml::Mode mode, const msml::Governing& g, float psiq,
             VBArray<float>* sMlReturn) {
  if (!sMlReturn) return;
  const int m = static_cast<int>(mode);
  const float ml[3] = {msml::CalMl(t, m, 1, psiq), msml::CalMl(t, m, g.span_section, psiq),
                       msml::CalMl(t, m, 9, psiq)};
  for (int row = 0; row < 3; ++row) (*sMlReturn)(row) = ml[row];
}

// Reinforcement at n points along the beam (top, bottom): the ends are the first and last point;
// the span row takes the largest of the interior points per element, starting from 0.
void WriteAs(const double (*pt)[2], int n, VBArray<VBArray<float>>& sAsPjReturn) {
  double mid[2] = {0, 0};
  for (int k = 1; k + 1 < n; ++k)
    for (int col = 0; col < 2; ++col) mid[col] = modKalbex::dMax(mid[col], pt[k][col]);
  for (int col = 0; col < 2; ++col) {
    const float row0 = fault::to_float(pt[0][col]), row1 = fault::to_float(mid[col]),
                row2 = fault::to_float(pt[n - 1][col]);
    Put(sAsPjReturn, 0, col, row0);
    Put(sAsPjReturn, 1, col, row1);
    Put(sAsPjReturn, 2, col, row2);
  }
}

}  // namespace

clsMsMl::clsMsMl() {}

clsMsMl::~clsMsMl() = default;

void clsMsMl::RegisterTexts() {}

IFileSystem& clsMsMl::FileSystem() {
  if (!fs_) fs_ = std::make_unique<LocalFileSystem>();
  return *fs_;
}

void clsMsMl::CalMaxMsForSATWE_1129(int32_t& lErr, const std::string& tFilePath, VBArray<VBArray<float>>& sMsReturn,
                                    VBArray<VBArray<int16_t>>& iLoadCaseReturn,
                                    VBArray<VBArray<float>>& sAsPjReturn, int16_t iCs, int16_t iBeam, float& sB,
                                    float& sH, bool bGaoCeng, std::optional<float> sPsiq,
                                    VBArray<float>* sMlReturn, std::string* tErr, std::optional<float> sTfXs) {
  lErr = 0;
  const std::string floor = std::to_string(iCs);
  auto fail = [&](int32_t code, const std::string* text) {
    lErr = code;
    if (tErr && text) *tErr = *text;
  };
  try {
    msml::LineReader r;
    const std::string wpj = "WPJ" + floor + ".OUT";
    if (const std::string path = FileSystem().FindFile(tFilePath, wpj); path.empty() || !r.OpenFile(path))
      return fail(msml::kErrWpjMissing, &wpj);
    msml::WpjBeam beam;
    const int32_t wpj_code = msml::ReadWpjBeam(r, iBeam, beam);
    if (beam.found) sB = beam.sB, sH = beam.sH;
    if (wpj_code != 0) return fail(wpj_code, &floor);
    double pts[9][2];
    for (int k = 0; k < 9; ++k) pts[k][0] = beam.top[k], pts[k][1] = beam.btm[k];
    WriteAs(pts, 9, sAsPjReturn);

    const std::string wnl = "WNL" + floor + ".OUT";
    if (const std::string path = FileSystem().FindFile(tFilePath, wnl); path.empty() || !r.OpenFile(path))
      return fail(msml::kErrWnlMissing, &wnl);
    msml::WnlBeam forces;
    const int32_t wnl_code = msml::ReadWnlBeam(r, iBeam, forces);
    r.Close();
    if (wnl_code != 0) return fail(wnl_code, wnl_code == msml::kErrSatweListingEnded ? nullptr : &floor);

    const auto g = msml::CalMsCombination(forces.t, forces.flags, bGaoCeng, sTfXs.value_or(kDefaultTfXs));
    WriteGoverning(g, sMsReturn, iLoadCaseReturn);
    WriteMl(forces.t, msml::Mode::Satwe, g, sPsiq.value_or(kDefaultPsiq), sMlReturn);
  } catch (const ArithmeticFault&) {
    lErr = msml::kErrSatweFault;
  }
}

void clsMsMl::CalMaxMsForTbsa(int32_t& lErr, int32_t& lCurrentLine, const std::string& tFilePath,
                              const std::string& tVer, VBArray<VBArray<float>>& sMsReturn,
                              VBArray<VBArray<int16_t>>& iLoadCaseReturn, VBArray<VBArray<float>>& sAsPjReturn,
                              int16_t iCs, int16_t iBeam, float& sB, float& sH, bool bGaoCeng, float& sC,
                              std::optional<float> sPsiq, VBArray<float>* sMlReturn, std::string* tErr,
                              std::optional<float> sTfXs) {
  lErr = 0;
  auto fail = [&](int32_t code, const std::string* text) {
    lErr = code;
    if (tErr && text) *tErr = *text;
  };
  try {
    msml::LineReader r;
    const std::string struc = "Struc";
    if (const std::string path = FileSystem().FindFile(tFilePath, struc); path.empty() || !r.OpenFile(path))
      return fail(msml::kErrStrucMissing, &struc);
    msml::TbsaHead head;
    const int32_t head_code = msml::ReadTbsaHead(r, tVer, head, lCurrentLine);
    r.Close();
    if (head_code != 0) return fail(head_code, &struc);

    const std::string tbsa4 = "Tbsa4.OUT";
    if (const std::string path = FileSystem().FindFile(tFilePath, tbsa4); path.empty() || !r.OpenFile(path))
      return fail(msml::kErrTbsa4Missing, &tbsa4);
    msml::TbsaBeam beam;
    const int32_t code = msml::ReadTbsaBeam(r, head, iCs, iBeam, beam);
    r.Close();
    if (beam.found) {
      sB = beam.sB, sH = beam.sH;
      // fc is printed in kN/m²; the grade comes from N/mm².
      sC = modKalbex::Material().FcToC(fault::to_float(beam.fc / 1000.0));
    }
    const std::string floor = std::to_string(iCs), beam_no = std::to_string(iBeam);
    if (code == msml::kErrTbsaFloorNotFound) return fail(code, &floor);
    if (code == msml::kErrTbsaBeamNotFound || code == msml::kErrTbsaNoForceHeader) return fail(code, &beam_no);
    if (code != 0) return fail(code, nullptr);
    WriteAs(&beam.as[1], 5, sAsPjReturn);

    // TBSA combines the vertical case with wind; its earthquake moments are read but left out,
    // and it prints no live-load arrangements.
    msml::CaseFlags flags;
    flags.wind = head.lateral;
    const auto g = msml::CalMsCombination(beam.t, flags, bGaoCeng, sTfXs.value_or(kDefaultTfXs));
    WriteGoverning(g, sMsReturn, iLoadCaseReturn);
    WriteMl(beam.t, msml::Mode::Tbsa, g, sPsiq.value_or(kDefaultPsiq), sMlReturn);
  } catch (const ArithmeticFault&) {
    lErr = msml::kErrTbsaFault;
  }
}

std::string clsMsMl::tMs_LoadCase(int16_t iLoadCase) {
  if (iLoadCase < 1 || iLoadCase > 99) return {};
  static constexpr std::array<const char*, 4> kWind{"+ X风", "- X风", "+ Y风", "- Y风"};
  static constexpr std::array<const char*, 4> kAddWind{" + X风", " - X风", " + Y风", " - Y风"};
  static constexpr std::array<const char*, 4> kAddEq{" + X地震", " - X地震", " + Y地震", " - Y地震"};
  static constexpr std::array<const char*, 16> kAddEqWind{
      " + X地震 + X风", " + X地震 - X风", " - X地震 + X风", " - X地震 - X风",
      " + Y地震 + Y风", " + Y地震 - Y风", " - Y地震 + Y风", " - Y地震 - Y风",
      " + X地震 + Y风", " + X地震 - Y风", " - X地震 + Y风", " - X地震 - Y风",
      " + Y地震 + X风", " + Y地震 - X风", " - Y地震 + X风", " - Y地震 - X风"};
  const int n = iLoadCase;
  const int kind = (n - 1) % 33 + 1;
  const char* tag = n <= 33 ? "" : n <= 66 ? "(M-)" : "(M+)";
  const std::string live = std::string("+ 活") + tag;
  std::string t = "工况组合：(" + std::to_string(n) + ") 恒 ";
  if (kind == 1) t += live;
  else if (kind <= 5) t += kWind[kind - 2];
  else if (kind <= 9) t += live + kAddWind[kind - 6];
  else if (kind <= 13) t += std::string(kWind[kind - 10]) + " " + live;
  else if (kind <= 17) t += live + kAddEq[kind - 14];
  else t += live + kAddEqWind[kind - 18];
  return t;
}

void clsMsMl::CheckFileExist_MsMl(int32_t& lErr, const std::string& tVer, const std::string& tFilePath,
                                  const std::string& tCs, std::string& tErr) {
  lErr = 0;
  if (tFilePath.empty()) {
    lErr = msml::kErrFolderEmpty;
    return;
  }
  IFileSystem& fs = FileSystem();
  if (!fs.FolderExists(tFilePath)) {
    lErr = msml::kErrFolderMissing;
    tErr = tFilePath;
    return;
  }
  const std::string floor = Trim(tCs);
  const bool satwe = tVer == "satwe", wnl_only = tVer == "wnl*.out", tbsa = tVer == "tbsa";
  auto missing = [&](const std::string& name, int32_t code) {
    if (!fs.FindFile(tFilePath, name).empty()) return false;
    lErr = code;
    tErr = name;
    return true;
  };
  if ((satwe || wnl_only) && missing("WNL" + floor + ".OUT", msml::kErrWnlMissing)) return;
  if (tbsa && missing("Tbsa4.OUT", msml::kErrTbsa4Missing)) return;
  if (satwe && missing("WPJ" + floor + ".OUT", msml::kErrWpjMissing)) return;
  if (tbsa && missing("Struc", msml::kErrStrucMissing)) return;
}

const ClassInfo& clsMsMl::Info() const { return ClassInfoOf(); }

const ClassInfo& clsMsMl::ClassInfoOf() {
  using C [[maybe_unused]] = clsMsMl;
  static const ClassInfo ci{
      "clsMsMl",
      {
          Method("CalMaxMsForSATWE_1129", &C::CalMaxMsForSATWE_1129,
                 {"lErr", "tFilePath", "sMsReturn", "iLoadCaseReturn", "sAsPjReturn", "iCs", "iBeam", "sB", "sH",
                  "bGaoCeng", "sPsiq", "sMlReturn", "tErr", "sTfXs"}),
          Method("CalMaxMsForTbsa", &C::CalMaxMsForTbsa,
                 {"lErr", "lCurrentLine", "tFilePath", "tVer", "sMsReturn", "iLoadCaseReturn", "sAsPjReturn", "iCs",
                  "iBeam", "sB", "sH", "bGaoCeng", "sC", "sPsiq", "sMlReturn", "tErr", "sTfXs"}),
          Method("tMs_LoadCase", &C::tMs_LoadCase, {"iLoadCase"}),
          Method("CheckFileExist_MsMl", &C::CheckFileExist_MsMl, {"lErr", "tVer", "tFilePath", "tCs", "tErr"}),
      }};
  return ci;
}

}  // namespace tk
