#include "loads/wind.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "frame/binding.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"

namespace tk {

namespace {

using modKalbex::dInterpolate;

// GBJ 9-87 table 6.2.1: height coefficient μz by height z (m), roughness classes A, B, C.
constexpr float kMuzZ[] = {5,  10, 15,  20,  30,  40,  50,  60,  70,
                           80, 90, 100, 150, 200, 250, 300, 350, 400};
constexpr float kMuz[3][18] = {
    {1.17f, 1.38f, 1.52f, 1.63f, 1.80f, 1.92f, 2.03f, 2.12f, 2.20f, 2.27f, 2.34f, 2.40f, 2.64f,
     2.83f, 2.99f, 3.12f, 3.12f, 3.12f},
    {0.80f, 1.00f, 1.14f, 1.25f, 1.42f, 1.56f, 1.67f, 1.77f, 1.86f, 1.95f, 2.02f, 2.09f, 2.38f,
     2.61f, 2.80f, 2.97f, 3.12f, 3.12f},
    {0.54f, 0.71f, 0.84f, 0.94f, 1.11f, 1.24f, 1.36f, 1.46f, 1.55f, 1.64f, 1.72f, 1.79f, 2.11f,
     2.36f, 2.58f, 2.78f, 2.96f, 3.12f},
};

// GBJ 9-87 table 6.4.3: magnification factor ξ by ωo·T1² (kN·s²/m²); steel, then concrete and
// masonry.
constexpr float kXiX[] = {0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.10f, 0.20f, 0.40f, 0.60f,
                          0.80f, 1,     2,     4,     6,     8,     10,    20,    30};
constexpr float kXi[2][18] = {
    {1.47f, 1.57f, 1.69f, 1.77f, 1.83f, 1.88f, 2.04f, 2.24f, 2.36f, 2.46f, 2.53f, 2.80f, 3.09f,
     3.28f, 3.42f, 3.54f, 3.91f, 4.14f},
    {1.11f, 1.14f, 1.17f, 1.19f, 1.21f, 1.23f, 1.28f, 1.34f, 1.38f, 1.42f, 1.44f, 1.54f, 1.65f,
     1.72f, 1.77f, 1.82f, 1.96f, 2.06f},
};

// Pulsation influence factor υ by total height H (rows) and H/B (columns), per roughness class.
constexpr float kUpsH[] = {30, 40, 50, 60, 70, 80, 90, 100, 150, 200};
constexpr float kUpsHB[] = {0.5f, 1, 2, 3};
constexpr float kUps[3][10][4] = {
    {{0.44f, 0.47f, 0.48f, 0.50f},
     {0.43f, 0.47f, 0.48f, 0.50f},
     {0.40f, 0.46f, 0.48f, 0.50f},
     {0.39f, 0.44f, 0.48f, 0.50f},
     {0.37f, 0.44f, 0.48f, 0.48f},
     {0.36f, 0.43f, 0.47f, 0.48f},
     {0.36f, 0.41f, 0.46f, 0.48f},
     {0.35f, 0.40f, 0.46f, 0.48f},
     {0.35f, 0.36f, 0.41f, 0.44f},
     {0.35f, 0.32f, 0.36f, 0.40f}},
    {{0.45f, 0.49f, 0.51f, 0.52f},
     {0.44f, 0.49f, 0.52f, 0.53f},
     {0.42f, 0.48f, 0.52f, 0.53f},
     {0.41f, 0.47f, 0.51f, 0.53f},
     {0.40f, 0.46f, 0.50f, 0.52f},
     {0.39f, 0.45f, 0.50f, 0.52f},
     {0.38f, 0.44f, 0.49f, 0.51f},
     {0.37f, 0.42f, 0.48f, 0.51f},
     {0.37f, 0.38f, 0.44f, 0.48f},
     {0.37f, 0.35f, 0.40f, 0.44f}},
    {{0.53f, 0.56f, 0.59f, 0.61f},
     {0.52f, 0.57f, 0.61f, 0.63f},
     {0.50f, 0.56f, 0.61f, 0.63f},
     {0.49f, 0.56f, 0.61f, 0.63f},
     {0.48f, 0.55f, 0.62f, 0.63f},
     {0.47f, 0.54f, 0.61f, 0.63f},
     {0.46f, 0.53f, 0.61f, 0.63f},
     {0.45f, 0.51f, 0.60f, 0.62f},
     {0.45f, 0.49f, 0.57f, 0.61f},
     {0.45f, 0.44f, 0.51f, 0.56f}},
};

// GBJ 9-87 table 6.4.5: mode shape factor ψz of the first mode by z/H = 0.1 ... 1.0.
constexpr float kPsi[] = {0.16f, 0.26f, 0.35f, 0.44f, 0.53f, 0.61f, 0.70f, 0.80f, 0.89f, 1.00f};

// Clamps x to the grid and interpolates linearly between the neighbouring grid values.
template <size_t M, class Y>
double Lookup(const float (&xs)[M], const Y* ys, double x) {
  if (!(x > xs[0])) return ys[0];  // also a NaN argument: the first value
  if (x >= xs[M - 1]) return ys[M - 1];
  size_t k = 1;
  while (x > xs[k]) ++k;
  return dInterpolate(x, xs[k - 1], xs[k], ys[k - 1], ys[k]);
}

enum class Family {
  kConcreteFrame,
  kConcreteWall,
  kSteel,
  kMasonry,
  kMultiStorey,
  kGlass,
  kUnknown
};

Family FamilyOf(std::string_view type) {
  if (type == "高层建筑（钢筋混凝土框架、框剪结构）") return Family::kConcreteFrame;
  if (type == "高层建筑（钢筋混凝土剪力墙结构）") return Family::kConcreteWall;
  if (type == "高层建筑（钢结构）") return Family::kSteel;
  if (type == "高层建筑（砌体结构）") return Family::kMasonry;
  if (type == "多层建筑") return Family::kMultiStorey;
  if (type == "玻璃幕墙") return Family::kGlass;
  return Family::kUnknown;
}

// Display names and check kinds of the host's input fields 0..8.
struct Field {
  const char* name;
  const char* kind;
  int32_t key_class;
};
constexpr Field kFields[] = {
    {"结构类型", "UnCheckNum", keyclass::kText},
    {"基本风压ωo", "S>0", keyclass::kPositiveNumber},
    {"基本风压调整系数", "S>0", keyclass::kPositiveNumber},
    {"标准层所含层数", "I>0", keyclass::kInteger},
    {"当前层层高h", "S>0", keyclass::kPositiveNumber},
    {"当前层宽度B", "S>0", keyclass::kPositiveNumber},
    {"体型系数μs", "S<>0", keyclass::kSignedNumber},
    {"基本自振周期T1", "S>0", keyclass::kPositiveNumber},
    {"工程名称", "UnCheckNum", keyclass::kText},
};
constexpr int16_t kFieldCount = static_cast<int16_t>(std::size(kFields));

std::string PadLeft(std::string s, size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

int32_t ToLong(double x) {
  try {
    return fault::to_int32(x);
  } catch (const ArithmeticFault&) {
    return 0;
  }
}

float ToSingle(double x) {
  try {
    return fault::to_float(x);
  } catch (const ArithmeticFault&) {
    return 0;
  }
}

// The numbers CalWindJz takes without a check of the host form: a non-physical value gives its
// code and an error line instead of a report of negative or zero loads.
int32_t CheckWindInputs(Report& r, float sWo, float sTzXs, int n, const VBArray<float>& sH,
                        const VBArray<float>& sB, const VBArray<float>& sUs, bool given_t1,
                        float sT1) {
  auto positive = [](double x) { return x > 0 && std::isfinite(x); };
  auto shown = [](float x) { return std::isfinite(x) ? ShortestText(x) : std::string("（溢出）"); };
  if (!positive(sWo) || !positive(sTzXs)) {
    r.Error("基本风压ωo ＝ " + shown(sWo) + "、基本风压调整系数Kw ＝ " + shown(sTzXs) +
            "，均应大于0。");
    return wind::kBadPressure;
  }
  const char* names[] = {"层高h", "宽度B", "体型系数μs"};
  const VBArray<float>* arrays[] = {&sH, &sB, &sUs};
  for (int k = 0; k < 3; ++k) {
    const VBArray<float>& a = *arrays[k];
    if (!a.Has(1) || !a.Has(n)) {
      r.Error("结构层数N ＝ " + std::to_string(n) + "，各层" + names[k] + "应给出第 1～" +
              std::to_string(n) + " 层的数值（现有 " + std::to_string(a.data.size()) + " 个）。");
      return wind::kShortArrays;
    }
  }
  for (int i = 1; i <= n; ++i) {
    if (!positive(sH(i)) || !positive(sB(i))) {
      r.Error("第 " + std::to_string(i) + " 层：层高h ＝ " + shown(sH(i)) + "、宽度B ＝ " +
              shown(sB(i)) + "，均应大于0。");
      return wind::kBadStorey;
    }
    if (!std::isfinite(sUs(i))) {
      r.Error("第 " + std::to_string(i) + " 层：体型系数μs 超出数值范围。");
      return wind::kBadStorey;
    }
  }
  if (given_t1 && !positive(sT1)) {
    r.Error("基本自振周期T1 ＝ " + shown(sT1) + "，应大于0。");
    return wind::kBadPeriod;
  }
  return 0;
}

}  // namespace

clsWind::clsWind() {}

clsWind::~clsWind() = default;

double clsWind::CalWindMuz(int iCzd, double z) {
  const int row = iCzd < 1 ? 0 : iCzd > 3 ? 2 : iCzd - 1;
  return Lookup(kMuzZ, kMuz[row], z);
}

double clsWind::CalWindXi(bool steel, double wT2) {
  return Lookup(kXiX, kXi[steel ? 0 : 1], wT2);
}

double clsWind::CalWindUpsilon(int iCzd, double HB, double H) {
  const int t = iCzd < 1 ? 0 : iCzd > 3 ? 2 : iCzd - 1;
  // Interpolate along H/B in the two H rows around H, then between the rows.
  double col[10];
  for (int r = 0; r < 10; ++r) col[r] = Lookup(kUpsHB, kUps[t][r], HB);
  return Lookup(kUpsH, col, H);
}

double clsWind::CalWindPsiz(double zH) {
  // The relative heights are accumulated 0.1 by 0.1 in single precision (0.3 is 0.30000001 ...).
  static const auto grid = [] {
    std::array<float, 10> g{};
    float x = 0.1f;
    for (auto& v : g) {
      v = x;
      x += 0.1f;
    }
    return g;
  }();
  if (!(zH > grid[0])) return kPsi[0];
  if (zH >= 1.0) return kPsi[9];
  size_t k = 1;
  while (k < 9 && zH > grid[k]) ++k;
  return dInterpolate(zH, grid[k - 1], grid[k], kPsi[k - 1], kPsi[k]);
}

namespace {

// The storeys of one wind calculation, with the heights summed from the ground.
struct WindCase {
  Family fam;
  int czd;  // ground roughness class 1..3 (A, B, C)
  int n;
  std::string L;  // the roughness class letter
  double wo, Kw, w0;
  double H = 0;
  std::vector<double> h{}, B{}, us{}, z{};
};

Report& FloorLabel(Report& r, int i, int j) {
  r.Sp(4).Raw("第 ").Raw(std::to_string(i));
  if (j > i) r.Raw("～").Raw(std::to_string(j));
  return r.Raw(" 层：");
}

// One line per run of consecutive floors whose value v is the same.
template <class Body>
void Runs(Report& r, int n, const std::vector<double>& v, Body&& body) {
  for (int i = 1; i <= n;) {
    int j = i;
    while (j < n && v[j + 1] == v[i]) ++j;
    FloorLabel(r, i, j);
    body(i);
    r.End();
    i = j + 1;
  }
}

void ReportWindBasics(Report& r, const WindCase& c, const std::string& type, bool show_t1,
                      float sT1) {
  r.Heading("1．基本资料：");
  r.Line(4, "基本风压ωo＝$0    基本风压调整系数Kw＝$1", {{c.wo, U::knpm2d_2}, {c.Kw, "#0.000"}});
  r.Line(4, "调整后的基本风压ωo＝$0", {{c.w0, U::knpm2d_2}});
  r.Sp(4).Put("地面粗糙度类别：$0类", {c.L});
  if (c.czd == 1)
    r.Raw("（A类指近海海面、海岛、海岸、湖岸及沙漠地区）");
  else if (c.czd == 2)
    r.Raw("（B类指田野、乡村、丛林、丘陵以及房屋比较稀疏的")
        .End()
        .Raw("    中、小城镇和大城市郊区）");
  else
    r.Raw("（C类指有密集建筑群的大城市市区）");
  r.End();
  r.Line(4, "结构类型：$0", {type});
  if (show_t1) r.Line(4, "基本自振周期T1＝$0(S)", {{sT1, "#0.00"}});
  r.Line(4, "结构层数N＝$0", {std::to_string(c.n)});
  r.Line(4, "结构总高度H＝$0", {{c.H, U::md}});
  r.Line(4, "各层层高h：");
  Runs(r, c.n, c.h, [&](int i) { r.Put("hi＝$0", {{c.h[i], U::md}}); });
  r.Line(4, "各层宽度B：");
  Runs(r, c.n, c.B, [&](int i) { r.Put("Bi＝$0", {{c.B[i], U::md}}); });
  r.Line(4, "各层体型系数μs：");
  Runs(r, c.n, c.us, [&](int i) { r.Put("μsi＝$0", {{c.us[i], "0.###"}}); });
  r.Line(4, "设计时执行的规范：");
  r.Line(4, "《建筑结构荷载规范》GBJ 9－87，以下简称“荷载规范”");
  if (c.fam == Family::kGlass) r.Line(4, "《玻璃幕墙工程技术规范》JBJ 102－96，以下简称“幕墙规范”");
}

// GBJ 9-87 table 6.2.1, at the top of every storey.
std::vector<double> HeightFactors(Report& r, const WindCase& c) {
  r.Line(2, "(1) 风压高度变化系数μz：");
  r.Line(4, "μzi根据地面粗糙度类别为$0类按荷载规范表6.2.1确定。", {c.L});
  std::vector<double> muz(c.n + 1);
  for (int i = 1; i <= c.n; ++i) {
    muz[i] = clsWind::CalWindMuz(c.czd, c.z[i]);
    FloorLabel(r, i, i).Put("在z＝$0高度处，μzi＝$1", {{c.z[i], U::md}, {muz[i], "#0.000"}}).End();
  }
  return muz;
}

// GBJ 9-87 appendix 4: the empirical first period of concrete frames (附4-15) and shear-wall
// buildings (附4-16), with the width weighted by storey height.
double EmpiricalPeriod(Report& r, const WindCase& c) {
  double hB = 0;
  for (int i = 1; i <= c.n; ++i) hB += c.h[i] * c.B[i];
  const double Bm = fault::div(hB, c.H);
  const double Bc = fault::pow(Bm, 1.0 / 3.0);
  r.Line(4, "B ＝ (h1 * B1 + h2 * B2 + ......) / (h1 + h2 + ......)，（m）；");
  r.Line(6, "＝ $0（m）", {{Bm, "#0.000"}});
  double T1;
  if (c.fam == Family::kConcreteFrame) {
    T1 = 0.25 + fault::div(0.00053 * c.H * c.H, Bc);
    r.Line(4, "T1 ＝ 0.25 + 0.00053 * H ^ 2 / B ^ (1 / 3)");
    r.Line(4, "（荷载规范式 附4-15）");
    r.Sp(4).Put("T1 ＝ 0.25+0.00053*$0^2/$1^(1/3) ＝ ", {{c.H, U::m}, {Bm, "#0.000"}});
  } else {
    T1 = 0.03 + fault::div(0.03 * c.H, Bc);
    r.Line(4, "T1 ＝ 0.03 + 0.03 * H / B ^ (1 / 3)");
    r.Line(4, "（荷载规范 附4-16）");
    r.Sp(4).Put("T1 ＝ 0.03+0.03*$0/$1^(1/3) ＝ ", {{c.H, U::m}, {Bm, "#0.000"}});
  }
  r.Put("$0（S）", {{T1, "#0.000"}}).End();
  return T1;
}

// GBJ 9-87 table 6.4.3: the pulsation magnification ξ. The table is entered with the local basic
// pressure before any project adjustment; rough (C) and smooth (A) terrain scale it by 0.71 and
// 1.38.
double Magnification(Report& r, const WindCase& c, double T1) {
  r.Line(4, "脉动增大系数ξ，可按荷载规范表6.4.3确定：");
  double f = 1.0;
  const char* f_text = "";
  if (c.czd == 3) {
    f = 0.71;
    f_text = "0.71 * ";
    r.Line(4, "计算ωo * T1 ^ 2 时，对地面粗糙度C类地区，按当地的基本风压乘以0.71后代入：");
  } else if (c.czd == 1) {
    f = 1.38;
    f_text = "1.38 * ";
    r.Line(4, "计算ωo * T1 ^ 2 时，对地面粗糙度A类地区，按当地的基本风压乘以1.38后代入");
  }
  const double wT2 = fault::check(f * c.wo * T1 * T1);
  r.Line(4, "ωo * T1 ^ 2 ＝ $0$1 * $2 ^ 2 ＝ $3",
         {f_text, {c.wo, "#0.000"}, {T1, "#0.000"}, {wT2, "#0.000"}});
  const double xi = clsWind::CalWindXi(c.fam == Family::kSteel, wT2);
  r.Line(4, "ξ ＝ $0", {{xi, "#0.000"}});
  return xi;
}

// GBJ 9-87 eq. 6.4.2: βz = 1 + ξ·υ·ψz / μz at the top of every storey.
void GustFactors(Report& r, const WindCase& c, double T1, const std::vector<double>& muz,
                 std::vector<double>& beta) {
  const int n = c.n;
  const double xi = Magnification(r, c, T1);
  r.Line(4, "脉动影响系数υ，可按荷载规范表4.4.4-3确定：");
  std::vector<double> HB(n + 1), ups(n + 1), psi(n + 1);
  for (int i = 1; i <= n; ++i) {
    HB[i] = fault::div(c.H, c.B[i]);
    ups[i] = clsWind::CalWindUpsilon(c.czd, HB[i], c.H);
  }
  Runs(r, n, c.B, [&](int i) {
    r.Put("H / Bi ＝ $0，υi ＝ $1；", {{HB[i], "#0.00"}, {ups[i], "#0.000"}});
  });

  r.Line(4, "振型系数ψz，可按荷载规范表6.4.5确定：");
  for (int i = 1; i <= n; ++i) {
    const double zH = fault::div(c.z[i], c.H);
    psi[i] = clsWind::CalWindPsiz(zH);
    FloorLabel(r, i, i).Put("相对高度 z / H ＝ $0，ψzi ＝ $1；",
                            {{zH, "#0.000"}, {psi[i], "#0.000"}});
    r.End();
  }
  r.Line(4, "各层在层高处的风振系数βz分别为：");
  for (int i = 1; i <= n; ++i) {
    beta[i] = 1.0 + fault::div(xi * ups[i] * psi[i], muz[i]);
    FloorLabel(r, i, i).Put("βzi ＝ 1 + $0 * $1 * $2 / $3 ＝ $4；", {{xi, "#0.000"},
                                                                     {ups[i], "#0.000"},
                                                                     {psi[i], "#0.000"},
                                                                     {muz[i], "#0.000"},
                                                                     {beta[i], "#0.000"}});
    r.End();
  }
}

// Storey values: the pressure is taken as varying linearly over the storey from the floor below
// to this floor (the ground floor carries its own value over its full height).
void StoreyForce(Report& r, const WindCase& c, const std::vector<double>& wk, int i, bool total) {
  FloorLabel(r, i, i).Raw(total ? "Pωki ＝ " : "Qωki ＝ ");
  double v;
  if (i == 1) {
    v = wk[i] * c.h[i] * (total ? c.B[i] : 1.0);
    r.Put("$0 * $1", {{wk[i], "#0.000"}, {c.h[i], U::m}});
    if (total) r.Put(" * $0", {{c.B[i], U::m}});
  } else {
    v = (wk[i - 1] + wk[i]) * c.h[i] * (total ? c.B[i] : 1.0) / 2.0;
    r.Put("($0", {{wk[i - 1], "#0.000"}});
    if (wk[i] < 0)
      r.Put(" - $0", {{-wk[i], "#0.000"}});
    else
      r.Put(" + $0", {{wk[i], "#0.000"}});
    r.Put(") * $0", {{c.h[i], U::m}});
    if (total) r.Put(" * $0", {{c.B[i], U::m}});
    r.Raw(" / 2");
  }
  r.Put(" ＝ $0$1", {{fault::check(v), "#0.000"}, total ? "（kN）" : "（kN/m）"}).End();
}

// GBJ 9-87 eq. 6.1.1: ωk = βz·μs·μz·ωo, with the glass floor of JBJ 102-96 5.2.2.
void StoreyLoads(Report& r, const WindCase& c, int iScFs, const std::vector<double>& muz,
                 const std::vector<double>& beta, VBArray<float>& Wk) {
  r.Line(2, "(3) 各层风荷载标准值，应按下式计算：");
  r.Line(4, "ωk ＝ βz * μs * μz * ωo ");
  r.Line(4, "（荷载规范式 6.1.1）");
  r.Sp(4).Raw("各层在层高处的风荷载标准值ωk分别为：");
  if (iScFs == 3)
    r.Raw("（Pωki为各层总风荷载）");
  else if (iScFs == 1)
    r.Raw("（Qωki为各层沿宽度方向每延米线荷载）");
  r.End();
  // iScFs = 2, like any value other than 1 and 3, prints no storey values: the host offers only
  // the line load per metre of width and the total storey force.
  std::vector<double> wk(c.n + 1);
  for (int i = 1; i <= c.n; ++i) {
    wk[i] = fault::check(beta[i] * c.us[i] * muz[i] * c.w0);
    FloorLabel(r, i, i)
        .Put(c.us[i] >= 0 ? "ωki ＝ $0 * $1 * $2 * $3 ＝ $4" : "ωki ＝ $0 * ($1) * $2 * $3 ＝ $4",
             {{beta[i], "#0.000"},
              {c.us[i], "#0.000"},
              {muz[i], "#0.000"},
              {c.w0, "#0.000"},
              {wk[i], U::knpm2d_2}})
        .End();
    if (c.fam == Family::kGlass) {
      // JBJ 102-96 5.2.2: the glass is designed for at least 1.0 kN/m² of pressure or suction.
      if (wk[i] > 0 && wk[i] < 1.0) {
        wk[i] = 1.0;
        r.Line(4, "ωki < 1.0，取ωki ＝ $0", {{wk[i], U::knpm2d_2}});
      } else if (wk[i] < 0 && wk[i] > -1.0) {
        wk[i] = -1.0;
        r.Line(4, "ωki > -1.0，取ωki ＝ $0", {{wk[i], U::knpm2d_2}});
      }
    }
    Wk(i) = fault::to_float(wk[i]);
    if (iScFs == 3 || iScFs == 1) StoreyForce(r, c, wk, i, iScFs == 3);
  }
}

}  // namespace

void clsWind::CalWindJz(int32_t& lErrNumber, std::string& tGcMc, std::string& tJgLx, float& sWo,
                        float& sTzXs, int16_t& iCzd, int16_t& iScFs, int16_t& N, VBArray<float>& sH,
                        VBArray<float>& sB, VBArray<float>& sUs, bool& bAutoCalT1, float& sT1,
                        VBArray<float>& Wk, std::string& tText) {
  lErrNumber = 0;
  Report r;
  const std::string type(TrimView(tJgLx));
  const Family fam = FamilyOf(type);
  const bool high_rise = fam == Family::kConcreteFrame || fam == Family::kConcreteWall ||
                         fam == Family::kSteel || fam == Family::kMasonry;
  // GBJ 9-87 appendix 4 gives empirical periods only for concrete frames and shear-wall buildings;
  // steel and masonry buildings keep the period the user gives.
  const bool calc_t1 =
      bAutoCalT1 && (fam == Family::kConcreteFrame || fam == Family::kConcreteWall);
  r.Raw("风荷载标准值：").Raw(TrimView(tGcMc)).HeadingEnd();

  // The texts were checked by CheckBeamPjErr; what is left would give no result at all.
  if (N < 1) {
    lErrNumber = wind::kNoFloors;
    r.Error("结构层数N应不小于1。");
  } else if (iCzd < 1 || iCzd > 3) {
    lErrNumber = wind::kBadRoughness;
    r.Error("地面粗糙度类别应为1（A类）、2（B类）或3（C类）。");
  } else if (fam == Family::kUnknown) {
    lErrNumber = wind::kBadStructure;
    r.Error("结构类型“" + type + "”不是本程序所列的结构类型。");
  }
  if (lErrNumber == 0)
    lErrNumber = CheckWindInputs(r, sWo, sTzXs, N, sH, sB, sUs, high_rise && !calc_t1, sT1);
  if (lErrNumber != 0) {
    r.MoveTo(tText);
    return;
  }

  const int n = N;
  Wk.ReDim(1, n);
  try {
    WindCase c{fam, iCzd, n, iCzd == 1 ? "A" : iCzd == 2 ? "B" : "C", sWo, sTzXs, 0.0};
    c.w0 = c.Kw * c.wo;  // adjusted basic wind pressure
    c.h.assign(n + 1, 0.0);
    c.B = c.us = c.z = c.h;
    for (int i = 1; i <= n; ++i) {
      c.h[i] = sH(i);
      c.B[i] = sB(i);
      c.us[i] = sUs(i);
      c.H += c.h[i];
      c.z[i] = c.H;  // summed as H is, so the top floor has z / H = 1 exactly
    }
    ReportWindBasics(r, c, type, high_rise && !calc_t1, sT1);

    r.Heading("2．风荷载计算：");
    const std::vector<double> muz = HeightFactors(r, c);
    std::vector<double> beta(n + 1, 1.0);
    r.Line(2, "(2) 风振系数βz：");
    if (fam == Family::kMultiStorey) {
      r.Line(4, "对于不考虑风压脉动影响的结构，βz＝1");
    } else if (fam == Family::kGlass) {
      // JBJ 102-96 eq. 5.2.2: gust factor of the instantaneous pressure on the glass.
      std::fill(beta.begin(), beta.end(), 2.25);
      r.Line(4, "瞬时风压的阵风系数βz可取为2.25。");
      r.Line(4, "（幕墙规范式 5.2.2）");
    } else {
      r.Line(4, "在z高度处的风振系数βz可按下式计算：");
      r.Line(4, "βz ＝ 1 + ξ * υ * ψz / μz");
      r.Line(4, "（荷载规范式 6.4.2）");
      double T1 = sT1;
      if (calc_t1) {
        sT1 = fault::to_float(EmpiricalPeriod(r, c));
        T1 = sT1;  // go on with the period the host receives
      }
      GustFactors(r, c, T1, muz, beta);
    }
    StoreyLoads(r, c, iScFs, muz, beta, Wk);
  } catch (const ArithmeticFault&) {
    lErrNumber = wind::kFault;
    r.Error(std::string(r.services().tTextById(32005)) +
            std::string(r.services().tTextById(32007)));
  }
  r.MoveTo(tText);
}

void clsWind::CheckBeamPjErr(int32_t& lErrNumber, int16_t& Index, VBArray<std::string>& Text,
                             VBArray<bool>& bText, int16_t iStart, int16_t iEnd) {
  lErrNumber = 0;
  IInputCheck& check = modKalbex::InputCheck();
  for (int i = std::max<int>(iStart, 0); i <= iEnd && i < kFieldCount; ++i) {
    // bText(i) False marks a field the current options disable (T1 when it is computed); an
    // index the host does not give is checked.
    // (read through data: VBArray<bool>'s element accessor cannot hand out a bool reference)
    if (bText.Has(i) && !bText.data[static_cast<size_t>(i - bText.lbound)]) continue;
    int32_t code = 0;
    check.CheckFieldText(kFields[i].kind, kFields[i].name, Text(i), 0, code);
    if (code != 0) {
      lErrNumber = code;
      Index = static_cast<int16_t>(i);
      return;
    }
  }
}

std::string clsWind::tFormatLstB(int32_t lCh, int32_t lCbz, float sH, float sB, float sUs) {
  // Fields wider than their column are kept whole rather than cut, so a line always reads back.
  std::string s;
  s.reserve(40);
  s += PadLeft(std::to_string(lCh), 4) + "|";
  s += PadLeft(std::to_string(lCbz), 6) + "|";
  s += PadLeft(FormatNumber(sH, "#0.000"), 7) + "|";
  s += PadLeft(FormatNumber(sB, "#0.000"), 7) + "|";
  s += PadLeft(FormatNumber(sUs, "#0.00"), 6) + "|";
  return s;
}

void clsWind::ReadTextFormLstB(const std::string& Text, int32_t& lCh, int32_t& lCbz, float& sH,
                               float& sB, float& sUs) {
  std::string_view f[5];
  std::string_view rest = Text;
  for (auto& x : f) {
    const size_t bar = rest.find('|');
    x = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  }
  lCh = ToLong(LeadingNumber(f[0]));
  lCbz = ToLong(LeadingNumber(f[1]));
  sH = ToSingle(LeadingNumber(f[2]));
  sB = ToSingle(LeadingNumber(f[3]));
  sUs = ToSingle(LeadingNumber(f[4]));
}

bool clsWind::bLstBListEq(const std::string& Text1, const std::string& Text2) {
  // Compared field by field, so that the same values in another column padding still match.
  int32_t c1, n1, c2, n2;
  float h1, b1, u1, h2, b2, u2;
  ReadTextFormLstB(Text1, c1, n1, h1, b1, u1);
  ReadTextFormLstB(Text2, c2, n2, h2, b2, u2);
  return c1 == c2 && n1 == n2 && h1 == h2 && b1 == b2 && u1 == u2;
}

void clsWind::CboB_KeyPress(int16_t Index, int16_t& KeyAscii) {
  const int32_t cls = Index >= 0 && Index < kFieldCount ? kFields[Index].key_class : keyclass::kAny;
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, cls);
}

const ClassInfo& clsWind::ClassInfoOf() {
  using C [[maybe_unused]] = clsWind;
  static const ClassInfo ci{
      "clsWind",
      {
          Method("CalWindJz", &C::CalWindJz,
                 {"lErrNumber",
                  "tGcMc",
                  "tJgLx",
                  "sWo",
                  "sTzXs",
                  "iCzd",
                  "iScFs",
                  "N",
                  {"sH", 1},
                  {"sB", 1},
                  {"sUs", 1},
                  "bAutoCalT1",
                  "sT1",
                  {"Wk", 1},
                  "tText"}),
          Method("CheckBeamPjErr", &C::CheckBeamPjErr,
                 {"lErrNumber", "Index", "Text", "bText", "iStart", "iEnd"}),
          Method("tFormatLstB", &C::tFormatLstB, {"lCh", "lCbz", "sH", "sB", "sUs"}),
          Method("ReadTextFormLstB", &C::ReadTextFormLstB,
                 {"Text", "lCh", "lCbz", "sH", "sB", "sUs"}),
          Method("bLstBListEq", &C::bLstBListEq, {"Text1", "Text2"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
      }};
  return ci;
}

}  // namespace tk
