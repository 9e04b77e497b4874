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

// The quasi-permanent value of a live load is a part of its characteristic value (GBJ 9-87 table
// 3.1.1 gives ψq up to 0.8), so ψq lies in 0..1. The redistribution factor scales the hogging
// moments of the vertical loads; 1 leaves them as analysed, and JGJ 3-91 lets frame beams lose at
// most 30 % of their end moment (0.8 to 0.9 cast in place, 0.7 to 0.8 for assembled frames), so
// kMinTfXs..1. Anything else (a negative, a factor that would raise the support moments, NaN)
// is an input error before any file is read; outputs stay untouched and tErr unchanged.
constexpr float kMinTfXs = 0.7f;

// ψq is checked only when Ml is asked for (sMlReturn given), the one use it has.
int32_t CheckFactors(std::optional<float> sPsiq, bool wants_ml, std::optional<float> sTfXs) {
  const float psiq = wants_ml ? sPsiq.value_or(clsMsMl::kDefaultPsiq) : clsMsMl::kDefaultPsiq;
  const float tf = sTfXs.value_or(clsMsMl::kDefaultTfXs);
  if (!(psiq >= 0.0f && psiq <= 1.0f)) return msml::kErrPsiqRange;
  if (!(tf >= kMinTfXs && tf <= 1.0f)) return msml::kErrTfXsRange;
  return 0;
}

}  // namespace

clsMsMl::clsMsMl() {}

clsMsMl::~clsMsMl() = default;

IFileSystem& clsMsMl::FileSystem() {
  if (!fs_) fs_ = std::make_unique<LocalFileSystem>();
  return *fs_;
}

void clsMsMl::CalMaxMsForSATWE_1129(int32_t& lErr, const std::string& tFilePath,
                                    VBArray<VBArray<float>>& sMsReturn,
                                    VBArray<VBArray<int16_t>>& iLoadCaseReturn,
                                    VBArray<VBArray<float>>& sAsPjReturn, int16_t iCs,
                                    int16_t iBeam, float& sB, float& sH, bool bGaoCeng,
                                    std::optional<float> sPsiq, VBArray<float>* sMlReturn,
                                    std::string* tErr, std::optional<float> sTfXs) {
  lErr = CheckFactors(sPsiq, sMlReturn != nullptr, sTfXs);
  if (lErr != 0) return;
  const std::string floor = std::to_string(iCs);
  auto fail = [&](int32_t code, const std::string* text) {
    lErr = code;
    if (tErr && text) *tErr = *text;
  };
  try {
    msml::LineReader r;
    const std::string wpj = "WPJ" + floor + ".OUT";
    if (const std::string path = FileSystem().FindFile(tFilePath, wpj);
        path.empty() || !r.OpenFile(path))
      return fail(msml::kErrWpjMissing, &wpj);
    msml::WpjBeam beam;
    const int32_t wpj_code = msml::ReadWpjBeam(r, iBeam, beam);
    if (beam.found) sB = beam.sB, sH = beam.sH;
    if (wpj_code != 0) return fail(wpj_code, &floor);
    double pts[9][2];
    for (int k = 0; k < 9; ++k) pts[k][0] = beam.top[k], pts[k][1] = beam.btm[k];
    WriteAs(pts, 9, sAsPjReturn);

    const std::string wnl = "WNL" + floor + ".OUT";
    if (const std::string path = FileSystem().FindFile(tFilePath, wnl);
        path.empty() || !r.OpenFile(path))
      return fail(msml::kErrWnlMissing, &wnl);
    msml::WnlBeam forces;
    const int32_t wnl_code = msml::ReadWnlBeam(r, iBeam, forces);
    r.Close();
    if (wnl_code != 0)
      return fail(wnl_code, wnl_code == msml::kErrSatweListingEnded ? nullptr : &floor);

    const auto g =
        msml::CalMsCombination(forces.t, forces.flags, bGaoCeng, sTfXs.value_or(kDefaultTfXs));
    WriteGoverning(g, sMsReturn, iLoadCaseReturn);
    WriteMl(forces.t, msml::Mode::Satwe, g, sPsiq.value_or(kDefaultPsiq), sMlReturn);
  } catch (const ArithmeticFault&) {
    lErr = msml::kErrSatweFault;
  }
}

void clsMsMl::CalMaxMsForTbsa(int32_t& lErr, int32_t& lCurrentLine, const std::string& tFilePath,
                              const std::string& tVer, VBArray<VBArray<float>>& sMsReturn,
                              VBArray<VBArray<int16_t>>& iLoadCaseReturn,
                              VBArray<VBArray<float>>& sAsPjReturn, int16_t iCs, int16_t iBeam,
                              float& sB, float& sH, bool bGaoCeng, float& sC,
                              std::optional<float> sPsiq, VBArray<float>* sMlReturn,
                              std::string* tErr, std::optional<float> sTfXs) {
  lErr = CheckFactors(sPsiq, sMlReturn != nullptr, sTfXs);
  if (lErr != 0) return;
  auto fail = [&](int32_t code, const std::string* text) {
    lErr = code;
    if (tErr && text) *tErr = *text;
  };
  try {
    msml::LineReader r;
    const std::string struc = "Struc";
    if (const std::string path = FileSystem().FindFile(tFilePath, struc);
        path.empty() || !r.OpenFile(path))
      return fail(msml::kErrStrucMissing, &struc);
    msml::TbsaHead head;
    const int32_t head_code = msml::ReadTbsaHead(r, tVer, head, lCurrentLine);
    r.Close();
    if (head_code != 0) return fail(head_code, &struc);

    const std::string tbsa4 = "Tbsa4.OUT";
    if (const std::string path = FileSystem().FindFile(tFilePath, tbsa4);
        path.empty() || !r.OpenFile(path))
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
    if (code == msml::kErrTbsaBeamNotFound || code == msml::kErrTbsaNoForceHeader)
      return fail(code, &beam_no);
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
  static constexpr std::array<const char*, 4> kAddEq{" + X地震", " - X地震", " + Y地震",
                                                     " - Y地震"};
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
  if (kind == 1)
    t += live;
  else if (kind <= 5)
    t += kWind[kind - 2];
  else if (kind <= 9)
    t += live + kAddWind[kind - 6];
  else if (kind <= 13)
    t += std::string(kWind[kind - 10]) + " " + live;
  else if (kind <= 17)
    t += live + kAddEq[kind - 14];
  else
    t += live + kAddEqWind[kind - 18];
  return t;
}

void clsMsMl::CheckFileExist_MsMl(int32_t& lErr, const std::string& tVer,
                                  const std::string& tFilePath, const std::string& tCs,
                                  std::string& tErr) {
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

const ClassInfo& clsMsMl::ClassInfoOf() {
  using C [[maybe_unused]] = clsMsMl;
  static const ClassInfo ci{
      "clsMsMl",
      {
          Method("CalMaxMsForSATWE_1129", &C::CalMaxMsForSATWE_1129,
                 {"lErr", "tFilePath", "sMsReturn", "iLoadCaseReturn", "sAsPjReturn", "iCs",
                  "iBeam", "sB", "sH", "bGaoCeng", "sPsiq", "sMlReturn", "tErr", "sTfXs"}),
          Method("CalMaxMsForTbsa", &C::CalMaxMsForTbsa,
                 {"lErr", "lCurrentLine", "tFilePath", "tVer", "sMsReturn", "iLoadCaseReturn",
                  "sAsPjReturn", "iCs", "iBeam", "sB", "sH", "bGaoCeng", "sC", "sPsiq", "sMlReturn",
                  "tErr", "sTfXs"}),
          Method("tMs_LoadCase", &C::tMs_LoadCase, {"iLoadCase"}),
          Method("CheckFileExist_MsMl", &C::CheckFileExist_MsMl,
                 {"lErr", "tVer", "tFilePath", "tCs", "tErr"}),
      }};
  return ci;
}

}  // namespace tk
