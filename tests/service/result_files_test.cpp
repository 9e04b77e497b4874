// clsMsMl: SATWE and TBSA result files. Expected moments are worked by hand from the fixtures'
// columns (tests/data/msml/make_fixtures.py writes them).
#include "service/result_files.h"

#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "frame/component.h"
#include "service/gbk.h"
#include "service/result_files_detail.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

const std::string kData = std::string(TK_TEST_DATA_DIR) + "/msml/";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// A folder of the test's own for cut or hand-made result files.
struct Folder : test_support::TempDir {
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(*this / name, std::ios::binary) << bytes;
  }
};

int OpenFds() {
  int n = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++n;
    closedir(d);
  }
  return n;
}

struct Out {
  int32_t lErr = -1, lCurrentLine = -1;
  VBArray<VBArray<float>> ms, as;
  VBArray<VBArray<int16_t>> lc;
  VBArray<float> ml;
  float sB = 0, sH = 0, sC = 0;
  std::string tErr = "unchanged";
};

Out Satwe(const std::string& folder, int16_t cs, int16_t beam, bool gao = false, float psiq = 0.5f,
          std::optional<float> tf = std::nullopt) {
  clsMsMl c;
  Out o;
  c.CalMaxMsForSATWE_1129(o.lErr, folder, o.ms, o.lc, o.as, cs, beam, o.sB, o.sH, gao, psiq, &o.ml,
                          &o.tErr, tf);
  return o;
}

Out Tbsa(const std::string& folder, int16_t cs, int16_t beam, const std::string& ver = "",
         bool gao = false, float psiq = 0.5f) {
  clsMsMl c;
  Out o;
  c.CalMaxMsForTbsa(o.lErr, o.lCurrentLine, folder, ver, o.ms, o.lc, o.as, cs, beam, o.sB, o.sH,
                    gao, o.sC, psiq, &o.ml, &o.tErr);
  return o;
}

// Rows left end, span, right end: {min, max, case of min, case of max}.
struct Row {
  float lo, hi;
  int16_t nlo, nhi;
};
void ExpectGoverning(const Out& o, const Row (&rows)[3]) {
  for (int r = 0; r < 3; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    EXPECT_NEAR(o.ms(r)(0), rows[r].lo, 1e-4);
    EXPECT_NEAR(o.ms(r)(1), rows[r].hi, 1e-4);
    EXPECT_EQ(o.lc(r)(0), rows[r].nlo);
    EXPECT_EQ(o.lc(r)(1), rows[r].nhi);
  }
}
void ExpectPairs(const VBArray<VBArray<float>>& a, const float (&v)[3][2]) {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_FLOAT_EQ(a(r)(c), v[r][c]) << "row " << r << " col " << c;
}

TEST(MsMlLoadCase, Texts) {
  clsMsMl c;
  const std::pair<int16_t, const char*> cases[] = {
      {1, "工况组合：(1) 恒 + 活"},
      {9, "工况组合：(9) 恒 + 活 - Y风"},
      {18, "工况组合：(18) 恒 + 活 + X地震 + X风"},
      {33, "工况组合：(33) 恒 + 活 - Y地震 - X风"},
      {34, "工况组合：(34) 恒 + 活(M-)"},
      {40, "工况组合：(40) 恒 + 活(M-) - X风"},
      {99, "工况组合：(99) 恒 + 活(M+) - Y地震 - X风"},
      {0, ""},
      {100, ""},
  };
  for (const auto& [n, text] : cases) EXPECT_EQ(c.tMs_LoadCase(n), text) << n;
}

TEST(MsMlCombination, ExclusionRules) {
  using msml::CaseFlags;
  const CaseFlags vertical{}, all{true, true, true}, no_arr{true, true, false},
      wind_only{false, true, false};
  struct C {
    int n;
    CaseFlags f;
    bool gao, allowed;
  } cases[] = {
      {1, vertical, false, true},   {2, vertical, false, false},   {34, vertical, false, false},
      {34, all, false, true},       {67, all, false, true},        {35, no_arr, false, false},
      {13, wind_only, false, true}, {14, wind_only, false, false}, {18, all, false, false},
      {18, all, true, true},        {33, all, true, true},         {50, all, false, true},
      {51, all, false, false},      {84, all, true, true},         {99, all, false, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(msml::CombinationAllowed(c.n, c.f, c.gao), c.allowed) << c.n;
}

TEST(MsMlCombination, WindFactorAndRedistribution) {
  msml::MomentTable t;
  t.at(5, 1) = -80, t.at(6, 1) = -20, t.at(3, 1) = -40, t.at(1, 1) = -60;
  // Kind 6: D + L + ψw·WX; ψw 0.6, or 1.0 in a high-rise building.
  EXPECT_NEAR(msml::CombinationValue(t, 6, 1, 1, false), -124, 1e-9);
  EXPECT_NEAR(msml::CombinationValue(t, 6, 1, 1, true), -140, 1e-9);
  // Kind 18: D + L + EX + ψe·WX with ψe 0.2.
  EXPECT_NEAR(msml::CombinationValue(t, 18, 1, 1, true), -168, 1e-9);
  // Kind 10: f·D + WX + 0.6·f·L with f = 0.8 (hogging).
  EXPECT_NEAR(msml::CombinationValue(t, 10, 1, 0.8f, false), -64 - 40 - 9.6, 1e-5);
  // The version n + 33 takes the (M-) live slot.
  t.at(7, 1) = -26;
  EXPECT_NEAR(msml::CombinationValue(t, 34, 1, 1, false), -106, 1e-9);
  EXPECT_FLOAT_EQ(msml::CalMl(t, 0, 1, 0.5f), -90);
  EXPECT_FLOAT_EQ(msml::CalMl(t, 1, 1, 0.5f), -70);
  EXPECT_FLOAT_EQ(msml::CalMl(t, 2, 1, 0.5f), 0);
}

TEST(MsMlSatwe, AllCasesOrdinaryBuilding) {
  const Out o = Satwe(kData + "satwe", 2, 2);
  ASSERT_EQ(o.lErr, 0);
  EXPECT_EQ(o.tErr, "unchanged");
  EXPECT_FLOAT_EQ(o.sB, 300);
  EXPECT_FLOAT_EQ(o.sH, 650);
  // Left end: D + L(M-) + EX = -80 - 26 - 60; D + L(M+) - EX = -80 - 16 + 60.
  // Span: -85 at section 2 (47) and section 8 (48), 62 at section 6 (80) and section 4 (81).
  ExpectGoverning(o, {{-166, -36, 47, 81}, {-85, 62, 47, 80}, {-166, -36, 48, 80}});
  ExpectPairs(o.as, {{1200, 400}, {600, 850}, {1200, 400}});
  // Ml = D + ψq·L at sections 1, 6 (the span maximum) and 9.
  ASSERT_EQ(o.ml.size(), 3u);
  EXPECT_FLOAT_EQ(o.ml(0), -90);
  EXPECT_FLOAT_EQ(o.ml(1), 39.5f);
  EXPECT_FLOAT_EQ(o.ml(2), -90);
}

TEST(MsMlSatwe, HighRiseAdmitsEarthquakeWithWind) {
  const Out o = Satwe(kData + "satwe", 2, 2, true);
  ASSERT_EQ(o.lErr, 0);
  // D + L(M-) + EX + 0.2·WX = -80 - 26 - 60 - 8 (51); D + L(M+) - EX - 0.2·WX = -80 - 16 + 60 + 8
  // (87).
  EXPECT_NEAR(o.ms(0)(0), -174, 1e-4);
  EXPECT_EQ(o.lc(0)(0), 51);
  EXPECT_NEAR(o.ms(0)(1), -28, 1e-4);
  EXPECT_EQ(o.lc(0)(1), 87);
}

TEST(MsMlSatwe, VerticalOnlyAndRedistribution) {
  // Only combination 1: D + L; f = 0.8 on hogging sections, 3 - 1.6 = 1.4 on sagging ones.
  struct C {
    std::optional<float> tf;
    Row rows[3];
  } cases[] = {
      {std::nullopt, {{-75, -75, 1, 1}, {-25, 50, 1, 1}, {-75, -75, 1, 1}}},
      {1.0f, {{-75, -75, 1, 1}, {-25, 50, 1, 1}, {-75, -75, 1, 1}}},
      {0.8f, {{-60, -60, 1, 1}, {-20, 70, 1, 1}, {-60, -60, 1, 1}}},
  };
  for (const auto& c : cases) {
    const Out o = Satwe(kData + "satwe", 1, 1, false, 0.4f, c.tf);
    ASSERT_EQ(o.lErr, 0);
    ExpectGoverning(o, c.rows);
    EXPECT_FLOAT_EQ(o.ml(1), 44);  // section 5: 40 + 0.4·10
    ExpectPairs(o.as, {{600, 200}, {300, 400}, {600, 200}});
  }
}

TEST(MsMlSatwe, TiesGoToTheLowerNumberAndLowerCaseNames) {
  // Floor 3 is written as wpj3.out / wnl3.out; its third case (crane) is not one we read.
  const Out o = Satwe(kData + "satwe", 3, 1);
  ASSERT_EQ(o.lErr, 0);
  // Left end: D + WX = -70 (2) ties D + WX + 0.6L (10); D - WX = -30 (3) ties 11.
  // Span: -30 at section 2 (2) and 8 (3); +30 at section 5 (1), section 4 (3), section 6 (2).
  ExpectGoverning(o, {{-70, -30, 2, 3}, {-30, 30, 2, 1}, {-70, -30, 3, 2}});
  EXPECT_FLOAT_EQ(o.ml(1), 30);  // the span section remembered is 5
}

TEST(MsMlFiles, GbkCrlfCopiesReadTheSame) {
  const std::string wnl = Slurp(kData + "satwe_gbk/WNL2.OUT");
  ASSERT_FALSE(gbk::IsValidUtf8(wnl));
  ASSERT_NE(wnl.find("\r\n"), std::string::npos);
  const Out a = Satwe(kData + "satwe", 2, 2), b = Satwe(kData + "satwe_gbk", 2, 2);
  ASSERT_EQ(b.lErr, 0);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) {
      EXPECT_EQ(a.ms(r)(c), b.ms(r)(c));
      EXPECT_EQ(a.lc(r)(c), b.lc(r)(c));
      EXPECT_EQ(a.as(r)(c), b.as(r)(c));
    }
  msml::LineReader r;
  ASSERT_TRUE(r.OpenFile(kData + "satwe_gbk/WNL2.OUT"));
  std::string_view line;
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(line, " SATWE 梁内力计算结果  第 2 层");
  EXPECT_EQ(r.encoding(), gbk::LineDecoder::Encoding::Gbk);
  // the same for a TBSA result
  ASSERT_FALSE(gbk::IsValidUtf8(Slurp(kData + "tbsa_gbk/Tbsa4.Out")));
  const Out t = Tbsa(kData + "tbsa", 1, 1), g = Tbsa(kData + "tbsa_gbk", 1, 1);
  ASSERT_EQ(g.lErr, 0);
  for (int k = 0; k < 3; ++k)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(t.ms(k)(c), g.ms(k)(c));
  EXPECT_EQ(t.sC, g.sC);
}

TEST(MsMlSatwe, ErrorsAndStops) {
  const std::string src = kData + "satwe/";
  Folder d;
  const std::string wpj2 = Slurp(src + "WPJ2.OUT");
  const std::string wnl2 = Slurp(src + "WNL2.OUT");
  struct C {
    const char* what;
    std::string wpj, wnl;  // empty: file left out
    int16_t beam;
    int32_t code;
    const char* tErr;
  } cases[] = {
      // clang-format off
      {"no WPJ", "", wnl2, 2, 3600104, "WPJ2.OUT"},
      {"no WNL", wpj2, "", 2, 3600103, "WNL2.OUT"},
      {"beam not in WPJ", wpj2, wnl2, 7, 3600910, "2"},
      {"WPJ cut before Top Ast", wpj2.substr(0, wpj2.find(" Top Ast", wpj2.find("N-B＝2"))), wnl2, 2, 3600910, "2"},
      {"WPJ cut before Btm Ast", wpj2.substr(0, wpj2.find(" Btm Ast", wpj2.find("N-B＝2"))), wnl2, 2, 3600910, "2"},
      {"no recognised case", wpj2, " LOAD CASE＝ 1 -- Crane Load\n INTERNAL FORCE OF BEAM\n", 2, 3600920, "2"},
      {"WNL cut before the forces", wpj2, wnl2.substr(0, wnl2.find("  INTERNAL")), 2, 3600930, "2"},
      {"beam not in WNL", wpj2, wnl2.substr(0, wnl2.find(" N-B ＝ 2")), 2, 3600930, "2"},
      {"WNL cut in the rows", wpj2, wnl2.substr(0, wnl2.find("  ( 8)", wnl2.find(" N-B ＝ 2"))), 2, 3600940, "unchanged"},
      {"value beyond a float", wpj2, wnl2.substr(0, wnl2.find("  ( 5)", wnl2.find(" N-B ＝ 2"))) + "  ( 5)  " + std::string(42, '9') + ".0\n", 2, 3600999, "unchanged"},
      // clang-format on
  };
  const int fds = OpenFds();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove((d / "WPJ2.OUT").c_str());
    std::remove((d / "WNL2.OUT").c_str());
    if (!c.wpj.empty()) d.Write("WPJ2.OUT", c.wpj);
    if (!c.wnl.empty()) d.Write("WNL2.OUT", c.wnl);
    const Out o = Satwe(d.path(), 2, c.beam);
    EXPECT_EQ(o.lErr, c.code);
    EXPECT_EQ(o.tErr, c.tErr);
    EXPECT_TRUE(o.ms.empty());  // the governing table is written only at the end
    EXPECT_EQ(OpenFds(), fds);  // every stop closed its file
  }
  // A beam SATWE did not design: the 4th top and bottom values are "0."; the size stays written.
  const Out o = Satwe(src, 1, 3);
  EXPECT_EQ(o.lErr, 3600910);
  EXPECT_EQ(o.tErr, "1");
  EXPECT_FLOAT_EQ(o.sB, 250);
  EXPECT_FLOAT_EQ(o.sH, 500);
  EXPECT_TRUE(o.as.empty());
}

TEST(MsMlTbsa, WindAndEarthquakeFile) {
  const Out o = Tbsa(kData + "tbsa", 1, 1);
  ASSERT_EQ(o.lErr, 0);
  EXPECT_EQ(o.lCurrentLine, 1);
  EXPECT_FLOAT_EQ(o.sB, 250);
  EXPECT_FLOAT_EQ(o.sH, 500);
  EXPECT_FLOAT_EQ(o.sC, 30);  // fc = 15000 kN/m² = 15 N/mm²
  // q = 90/6 = 15: M(x) = -60 + 45x - 7.5x²; section 2 (x = 0.75) -30.46875, section 6 3.28125.
  // Left end: D + WX = -96 (2), D - WX = -24 (3); span: D + WX at section 2 and D - WX at
  // section 8 tie (2 wins); 3.28125 + 9 at section 6 (2) ties section 4 (3).
  ExpectGoverning(o, {{-96, -24, 2, 3}, {-57.46875f, 12.28125f, 2, 2}, {-96, -24, 3, 2}});
  // "As" line: first five to the second element, next five to the first, cm² × 100.
  ExpectPairs(o.as, {{200, 600}, {400, 250}, {200, 600}});
  // Ml = (0.75 + 0.25·0.5)·D at sections 1, 6, 9.
  EXPECT_FLOAT_EQ(o.ml(0), -52.5f);
  EXPECT_FLOAT_EQ(o.ml(1), 0.875f * 3.28125f);
  EXPECT_FLOAT_EQ(o.ml(2), -52.5f);
}

TEST(MsMlTbsa, VerticalCaseFromEndShears) {
  msml::LineReader r;
  msml::TbsaHead head;
  int32_t lines = 0;
  ASSERT_TRUE(r.OpenFile(kData + "tbsa/Struc"));
  ASSERT_EQ(msml::ReadTbsaHead(r, "", head, lines), 0);
  EXPECT_EQ(head.recognised, 5);
  ASSERT_TRUE(r.OpenFile(kData + "tbsa/Tbsa4.Out"));
  msml::TbsaBeam b;
  ASSERT_EQ(msml::ReadTbsaBeam(r, head, 1, 2, b), 0);
  // Ql = Qr = 10, BL = 8, Ml = -20: q = 2.5; section 5 (x = 4) -20 + 40 - 20 = 0.
  const float expect[10] = {0, -20, -11.25f, -5, -1.25f, 0, -1.25f, -5, -11.25f, -20};
  for (int k = 1; k <= 9; ++k) EXPECT_FLOAT_EQ(b.t.at(5, k), expect[k]) << k;
  // Earthquake X read and spread linearly (-16 .. 16), though TBSA results do not combine it.
  EXPECT_FLOAT_EQ(b.t.at(1, 3), -8);
  EXPECT_EQ(Tbsa(kData + "tbsa", 1, 2).sC, 35);
}

TEST(MsMlTbsa, GeneralDataLayouts) {
  struct C {
    const char* what;
    std::string ver, text;
    int32_t code, lines, recognised;
    std::vector<std::pair<int32_t, int>> cases;  // number, slot
  } cases[] = {
      // clang-format off
      {"group wrapped over two lines after a remark", "", "TOTAL DATA\n7, 1, 0,\n 1, 0, 2\n", 0, 3, 2, {{1, 5}, {2, 4}}},
      {"additional case takes a number", "", "7,1,1,0,1,1\n", 0, 1, 2, {{1, 5}, {2, 0}, {3, 1}}},
      {"wind and earthquake both ways", "", "7,1,0,1,1,3\n", 0, 1, 5, {{1, 5}, {2, 3}, {3, 4}, {4, 1}, {5, 2}}},
      {"vertical only: direction not needed", "", "7,1,0,0,0,0\n", 0, 1, 1, {{1, 5}}},
      {"V5.0 title skipped even when numeric", std::string(msml::kTbsaV5), "12,3\n7,1,0,0,0,0\n", 0, 2, 1, {{1, 5}}},
      {"fractional switch", "", "7,1,0,0.5,0,1\n", 3600850, 1, 0, {}},
      {"empty file", "", "", 3600850, 0, 0, {}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    msml::LineReader r;
    r.OpenMemory(c.text);
    msml::TbsaHead h;
    int32_t lines = -1;
    EXPECT_EQ(msml::ReadTbsaHead(r, c.ver, h, lines), c.code);
    EXPECT_EQ(lines, c.lines);
    if (c.code != 0) continue;
    EXPECT_EQ(h.recognised, c.recognised);
    ASSERT_EQ(h.cases.size(), c.cases.size());
    for (size_t k = 0; k < c.cases.size(); ++k) {
      EXPECT_EQ(h.cases[k].number, c.cases[k].first);
      EXPECT_EQ(h.cases[k].slot, c.cases[k].second);
    }
  }
}

TEST(MsMlTbsa, WindowsVersionTitleAndAdditionalCase) {
  // The title line "1号楼 ..." is skipped for V5.0 (3 lines read: title, blank, switches). Cases:
  // 1 vertical, 2 additional, 3 wind X; two are given to slots, so the rows stop at (2) and the
  // wind row is not reached: every combination equals combination 1.
  const Out o = Tbsa(kData + "tbsa_v5", 1, 1, std::string(msml::kTbsaV5));
  ASSERT_EQ(o.lErr, 0);
  EXPECT_EQ(o.lCurrentLine, 3);
  EXPECT_FLOAT_EQ(o.sC, 40);  // fc 19500
  // q = 60/6 = 10: section 5 -40 + 90 - 45 = 5.
  ExpectGoverning(o, {{-40, -40, 1, 1}, {-40 + 22.5f - 2.8125f, 5, 1, 1}, {-40, -40, 1, 1}});
  // Read as an earlier version, the title's leading "1" becomes data and the switches are wrong.
  const Out dos = Tbsa(kData + "tbsa_v5", 1, 1, "TBSA 4.2");
  EXPECT_EQ(dos.lErr, 3600850);
  EXPECT_EQ(dos.tErr, "Struc");
}

TEST(MsMlTbsa, ErrorsAndStops) {
  const std::string src = kData + "tbsa/";
  const std::string out = Slurp(src + "Tbsa4.Out");
  const std::string struc = Slurp(src + "Struc");
  const size_t beam2 = out.find(" Be= 2");
  struct C {
    const char* what;
    std::string struc, out;
    int16_t cs, beam;
    int32_t code;
    const char* tErr;
  } cases[] = {
      // clang-format off
      {"no Struc", "", out, 1, 1, 3600106, "Struc"},
      {"no Tbsa4", struc, "", 1, 1, 3600105, "Tbsa4.OUT"},
      {"Struc without six numbers", "5,1,0\n", out, 1, 1, 3600850, "Struc"},
      {"Struc switch not 0 or 1", "5,2,0,1,1,3\n", out, 1, 1, 3600850, "Struc"},
      {"Struc wind without direction", "5,1,0,1,0,0\n", out, 1, 1, 3600850, "Struc"},
      {"Struc without any case", "5,0,1,0,0,1\n", out, 1, 1, 3600850, "Struc"},
      {"floor not found", struc, out, 5, 1, 3600810, "5"},
      {"beam only on another floor", struc, out, 1, 9, 3600820, "9"},
      {"cut before the force header", struc, out.substr(0, out.find(" Type", beam2)), 1, 2, 3600830, "2"},
      {"cut in the rows", struc, out.substr(0, out.find(" (5)", beam2)), 1, 2, 3600840, "unchanged"},
      {"cut before As", struc, out.substr(0, out.find(" As", beam2)), 1, 2, 3600840, "unchanged"},
      {"pair 3 empty", struc, out, 1, 3, 3600840, "unchanged"},
      {"zero span with a vertical case", struc, out.substr(0, beam2) + " Be= 2   B*H=0.30*0.60   BL＝ 0.00   fc=17500.\n" + out.substr(out.find('\n', beam2) + 1), 1, 2, 3600899, "unchanged"},
      // clang-format on
  };
  const int fds = OpenFds();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Folder d;
    if (!c.struc.empty()) d.Write("Struc", c.struc);
    if (!c.out.empty()) d.Write("Tbsa4.OUT", c.out);
    const Out o = Tbsa(d.path(), c.cs, c.beam);
    EXPECT_EQ(o.lErr, c.code);
    EXPECT_EQ(o.tErr, c.tErr);
    EXPECT_TRUE(o.ms.empty());
    EXPECT_EQ(OpenFds(), fds);
  }
}

TEST(MsMlCheck, FilesPresent) {
  Folder only_wnl, only_tbsa4;
  only_wnl.Write("WNL5.OUT", "x\n");
  only_tbsa4.Write("TBSA4.OUT", "x\n");
  struct C {
    std::string ver, folder, cs;
    int32_t code;
    std::string tErr;
  } cases[] = {
      // clang-format off
      {"satwe", "", "1", 3600101, "unchanged"},
      {"satwe", "/nonexistent/msml", "1", 3600102, "/nonexistent/msml"},
      {"satwe", kData + "satwe", "9", 3600103, "WNL9.OUT"},
      {"satwe", only_wnl.path(), "5", 3600104, "WPJ5.OUT"},
      {"wnl*.out", only_wnl.path(), " 5 ", 0, "unchanged"},
      {"satwe", kData + "satwe", " 3 ", 0, "unchanged"},  // wnl3.out, wpj3.out
      {"tbsa", kData + "satwe", "1", 3600105, "Tbsa4.OUT"},
      {"tbsa", only_tbsa4.path(), "1", 3600106, "Struc"},
      {"tbsa", kData + "tbsa", "1", 0, "unchanged"},
      {"SATWE", kData + "satwe", "9", 0, "unchanged"},  // compared exactly: no such program
      // clang-format on
  };
  clsMsMl c;
  for (const auto& k : cases) {
    SCOPED_TRACE(k.ver + " " + k.folder + " " + k.cs);
    int32_t lErr = -1;
    std::string tErr = "unchanged";
    c.CheckFileExist_MsMl(lErr, k.ver, k.folder, k.cs, tErr);
    EXPECT_EQ(lErr, k.code);
    EXPECT_EQ(tErr, k.tErr);
  }
}

TEST(MsMlLines, LineEndsBomAndLimits) {
  msml::LineReader r;
  r.OpenMemory("\xEF\xBB\xBFone\r\ntwo\rthree\n\nfour");
  std::vector<std::string> got;
  std::string_view line;
  while (r.Next(line)) got.emplace_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"one", "two", "three", "", "four"}));

  // A CR at the end of one buffer and its LF at the start of the next make one line end; a line
  // longer than the limit is cut and the next line still comes.
  Folder d;
  std::string big(msml::LineReader::kBuffer - 1, 'a');
  big += "\r\nB\n" + std::string(msml::LineReader::kMaxLine + 5000, 'c') + "\nD";
  d.Write("f", big);
  ASSERT_TRUE(r.OpenFile(d / "f"));
  got.clear();
  while (r.Next(line))
    got.emplace_back(line.size() > 10 ? std::to_string(line.size()) : std::string(line));
  EXPECT_EQ(got, (std::vector<std::string>{std::to_string(msml::LineReader::kBuffer - 1), "B",
                                           std::to_string(msml::LineReader::kMaxLine), "D"}));

  // A GBK line cut inside a character still decodes (U+FFFD for the lost byte).
  const std::string gb = gbk::Utf8ToGbk("梁");
  ASSERT_EQ(gb.size(), 2u);
  const std::string cut = gb + "\n" + gb.substr(0, 1);  // the reader keeps a view of it
  r.OpenMemory(cut);
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(line, "梁");
  ASSERT_TRUE(r.Next(line));
  EXPECT_EQ(line, "\xEF\xBF\xBD");
}

TEST(MsMlLines, ColumnRules) {
  double v[4];
  // One decimal after each point; values the line lacks read 0.
  msml::ReadDotValues("  -12.5  7.25", 0, 1, 0, v, 4);
  EXPECT_DOUBLE_EQ(v[0], -12.5);
  EXPECT_DOUBLE_EQ(v[1], 7.2);  // "7.2", then "5" starts the next value, which has no point
  EXPECT_DOUBLE_EQ(v[2], 0);
  // Two decimals and one skipped character: "1.23 4.56".
  msml::ReadDotValues("1.23 4.56", 0, 2, 1, v, 2);
  EXPECT_DOUBLE_EQ(v[1], 4.56);
  // Characters, not bytes: "N-B＝" is four characters.
  const std::string_view s = "N-B＝12 (";
  EXPECT_EQ(msml::UpTo(s, msml::SkipChars(s, 0, 4), "("), "12 ");
  EXPECT_EQ(msml::MidChars("＊５００ab", 0, 3), "＊５０");
}

TEST(MsMlInterface, LateBoundCallWritesTheTables) {
  clsMsMl c;
  std::vector<Arg> args{
      {"lErr", Variant::Int32(-1)},         {"tFilePath", Variant::String(kData + "satwe")},
      {"iCs", Variant::Int16(2)},           {"iBeam", Variant::Int16(2)},
      {"sMlReturn", Variant::Array(0, {})}, {"sPsiq", Variant::Single(0.5f)}};
  Invoke(c, "CalMaxMsForSATWE_1129", args);
  auto find = [&](const char* name) -> const Variant& {
    for (const auto& a : args)
      if (a.name == name) return a.value;
    throw std::runtime_error(name);
  };
  EXPECT_EQ(find("lErr").i, 0);
  const Variant& ms = find("sMsReturn");
  ASSERT_EQ(ms.type, Variant::Type::Array);
  ASSERT_EQ(ms.arr->items.size(), 3u);
  EXPECT_FLOAT_EQ(ms.arr->items[1].arr->items[1].f, 62);
  EXPECT_EQ(find("iLoadCaseReturn").arr->items[1].arr->items[1].i, 80);
  EXPECT_FLOAT_EQ(find("sMlReturn").arr->items[1].f, 39.5f);
  EXPECT_EQ(find("tErr").type, Variant::Type::Missing);  // left out: not written
}

}  // namespace
}  // namespace tk
