#include "loads/wind.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
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
  const std::string L = iCzd == 1 ? "A" : iCzd == 2 ? "B" : "C";
  auto floor_label = [&](int i, int j) -> Report& {
    r.Sp(4).Raw("第 ").Raw(std::to_string(i));
    if (j > i) r.Raw("～").Raw(std::to_string(j));
    return r.Raw(" 层：");
  };
  // One line per run of consecutive floors whose value v is the same.
  auto runs = [&](const std::vector<double>& v, auto&& body) {
    for (int i = 1; i <= n;) {
      int j = i;
      while (j < n && v[j + 1] == v[i]) ++j;
      floor_label(i, j);
      body(i);
      r.End();
      i = j + 1;
    }
  };

  try {
    const double wo = sWo, Kw = sTzXs;
    const double w0 = Kw * wo;  // adjusted basic wind pressure
    r.Heading("1．基本资料：");
    r.Sp(4)
        .Raw("基本风压ωo＝")
        .Val(wo, "kn/m2d_2")
        .Sp(4)
        .Raw("基本风压调整系数Kw＝")
        .Num(Kw, "#0.000")
        .End();
    r.Sp(4).Raw("调整后的基本风压ωo＝").Val(w0, "kn/m2d_2").End();
    r.Sp(4).Raw("地面粗糙度类别：").Raw(L).Raw("类");
    if (iCzd == 1)
      r.Raw("（A类指近海海面、海岛、海岸、湖岸及沙漠地区）");
    else if (iCzd == 2)
      r.Raw("（B类指田野、乡村、丛林、丘陵以及房屋比较稀疏的")
          .End()
          .Raw("    中、小城镇和大城市郊区）");
    else
      r.Raw("（C类指有密集建筑群的大城市市区）");
    r.End();
    r.Sp(4).Raw("结构类型：").Raw(type).End();

    std::vector<double> h(n + 1), B(n + 1), us(n + 1), z(n + 1);
    double H = 0;
    for (int i = 1; i <= n; ++i) {
      h[i] = sH(i);
      B[i] = sB(i);
      us[i] = sUs(i);
      H += h[i];
      z[i] = H;  // summed as H is, so the top floor has z / H = 1 exactly
    }
    if (high_rise && !calc_t1) r.Sp(4).Raw("基本自振周期T1＝").Num(sT1, "#0.00").Raw("(S)").End();
    r.Sp(4).Raw("结构层数N＝").Raw(std::to_string(n)).End();
    r.Sp(4).Raw("结构总高度H＝").Val(H, "md").End();
    r.Sp(4).Raw("各层层高h：").End();
    runs(h, [&](int i) { r.Raw("hi＝").Val(h[i], "md"); });
    r.Sp(4).Raw("各层宽度B：").End();
    runs(B, [&](int i) { r.Raw("Bi＝").Val(B[i], "md"); });
    r.Sp(4).Raw("各层体型系数μs：").End();
    runs(us, [&](int i) { r.Raw("μsi＝").Num(us[i], "0.###"); });
    r.Sp(4).Raw("设计时执行的规范：").End();
    r.Sp(4).Raw("《建筑结构荷载规范》GBJ 9－87，以下简称“荷载规范”").End();
    if (fam == Family::kGlass)
      r.Sp(4).Raw("《玻璃幕墙工程技术规范》JBJ 102－96，以下简称“幕墙规范”").End();

    r.Heading("2．风荷载计算：");
    r.Raw("  (1) 风压高度变化系数μz：").End();
    r.Sp(4).Raw("μzi根据地面粗糙度类别为").Raw(L).Raw("类按荷载规范表6.2.1确定。").End();
    std::vector<double> muz(n + 1), beta(n + 1, 1.0);
    for (int i = 1; i <= n; ++i) {
      muz[i] = CalWindMuz(iCzd, z[i]);
      floor_label(i, i)
          .Raw("在z＝")
          .Val(z[i], "md")
          .Raw("高度处，μzi＝")
          .Num(muz[i], "#0.000")
          .End();
    }

    r.Raw("  (2) 风振系数βz：").End();
    if (fam == Family::kMultiStorey) {
      r.Sp(4).Raw("对于不考虑风压脉动影响的结构，βz＝1").End();
    } else if (fam == Family::kGlass) {
      // JBJ 102-96 eq. 5.2.2: gust factor of the instantaneous pressure on the glass.
      std::fill(beta.begin(), beta.end(), 2.25);
      r.Sp(4).Raw("瞬时风压的阵风系数βz可取为2.25。").End();
      r.Sp(4).Raw("（幕墙规范式 5.2.2）").End();
    } else {
      r.Sp(4).Raw("在z高度处的风振系数βz可按下式计算：").End();
      r.Sp(4).Raw("βz ＝ 1 + ξ * υ * ψz / μz").End();
      r.Sp(4).Raw("（荷载规范式 6.4.2）").End();
      double T1 = sT1;
      if (calc_t1) {
        double hB = 0;
        for (int i = 1; i <= n; ++i) hB += h[i] * B[i];
        const double Bm = fault::div(hB, H);  // width weighted by storey height
        const double Bc = fault::pow(Bm, 1.0 / 3.0);
        r.Sp(4).Raw("B ＝ (h1 * B1 + h2 * B2 + ......) / (h1 + h2 + ......)，（m）；").End();
        r.Sp(6).Raw("＝ ").Num(Bm, "#0.000").Raw("（m）").End();
        if (fam == Family::kConcreteFrame) {
          T1 = 0.25 + fault::div(0.00053 * H * H, Bc);  // GBJ 9-87 eq. 附4-15
          r.Sp(4).Raw("T1 ＝ 0.25 + 0.00053 * H ^ 2 / B ^ (1 / 3)").End();
          r.Sp(4).Raw("（荷载规范式 附4-15）").End();
          r.Sp(4)
              .Raw("T1 ＝ 0.25+0.00053*")
              .Val(H, "m")
              .Raw("^2/")
              .Num(Bm, "#0.000")
              .Raw("^(1/3) ＝ ");
        } else {
          T1 = 0.03 + fault::div(0.03 * H, Bc);  // GBJ 9-87 eq. 附4-16
          r.Sp(4).Raw("T1 ＝ 0.03 + 0.03 * H / B ^ (1 / 3)").End();
          r.Sp(4).Raw("（荷载规范 附4-16）").End();
          r.Sp(4).Raw("T1 ＝ 0.03+0.03*").Val(H, "m").Raw("/").Num(Bm, "#0.000").Raw("^(1/3) ＝ ");
        }
        r.Num(T1, "#0.000").Raw("（S）").End();
        sT1 = fault::to_float(T1);
        T1 = sT1;  // go on with the period the host receives
      }

      // GBJ 9-87 table 6.4.3 is entered with the local basic pressure before any project
      // adjustment; rough (C) and smooth (A) terrain scale it by 0.71 and 1.38.
      r.Sp(4).Raw("脉动增大系数ξ，可按荷载规范表6.4.3确定：").End();
      double f = 1.0;
      const char* f_text = "";
      if (iCzd == 3) {
        f = 0.71;
        f_text = "0.71 * ";
        r.Sp(4)
            .Raw("计算ωo * T1 ^ 2 时，对地面粗糙度C类地区，按当地的基本风压乘以0.71后代入：")
            .End();
      } else if (iCzd == 1) {
        f = 1.38;
        f_text = "1.38 * ";
        r.Sp(4)
            .Raw("计算ωo * T1 ^ 2 时，对地面粗糙度A类地区，按当地的基本风压乘以1.38后代入")
            .End();
      }
      const double wT2 = fault::check(f * wo * T1 * T1);
      r.Sp(4)
          .Raw("ωo * T1 ^ 2 ＝ ")
          .Raw(f_text)
          .Num(wo, "#0.000")
          .Raw(" * ")
          .Num(T1, "#0.000")
          .Raw(" ^ 2 ＝ ");
      r.Num(wT2, "#0.000").End();
      const double xi = CalWindXi(fam == Family::kSteel, wT2);
      r.Sp(4).Raw("ξ ＝ ").Num(xi, "#0.000").End();

      r.Sp(4).Raw("脉动影响系数υ，可按荷载规范表4.4.4-3确定：").End();
      std::vector<double> HB(n + 1), ups(n + 1), psi(n + 1);
      for (int i = 1; i <= n; ++i) {
        HB[i] = fault::div(H, B[i]);
        ups[i] = CalWindUpsilon(iCzd, HB[i], H);
      }
      runs(B, [&](int i) {
        r.Raw("H / Bi ＝ ").Num(HB[i], "#0.00").Raw("，υi ＝ ").Num(ups[i], "#0.000").Raw("；");
      });

      r.Sp(4).Raw("振型系数ψz，可按荷载规范表6.4.5确定：").End();
      for (int i = 1; i <= n; ++i) {
        const double zH = fault::div(z[i], H);
        psi[i] = CalWindPsiz(zH);
        floor_label(i, i)
            .Raw("相对高度 z / H ＝ ")
            .Num(zH, "#0.000")
            .Raw("，ψzi ＝ ")
            .Num(psi[i], "#0.000");
        r.Raw("；").End();
      }
      r.Sp(4).Raw("各层在层高处的风振系数βz分别为：").End();
      for (int i = 1; i <= n; ++i) {
        beta[i] = 1.0 + fault::div(xi * ups[i] * psi[i], muz[i]);
        floor_label(i, i)
            .Raw("βzi ＝ 1 + ")
            .Num(xi, "#0.000")
            .Raw(" * ")
            .Num(ups[i], "#0.000")
            .Raw(" * ");
        r.Num(psi[i], "#0.000")
            .Raw(" / ")
            .Num(muz[i], "#0.000")
            .Raw(" ＝ ")
            .Num(beta[i], "#0.000")
            .Raw("；")
            .End();
      }
    }

    r.Raw("  (3) 各层风荷载标准值，应按下式计算：").End();
    r.Sp(4).Raw("ωk ＝ βz * μs * μz * ωo ").End();
    r.Sp(4).Raw("（荷载规范式 6.1.1）").End();
    r.Sp(4).Raw("各层在层高处的风荷载标准值ωk分别为：");
    if (iScFs == 3)
      r.Raw("（Pωki为各层总风荷载）");
    else if (iScFs == 1)
      r.Raw("（Qωki为各层沿宽度方向每延米线荷载）");
    r.End();
    // iScFs = 2, like any value other than 1 and 3, prints no storey values: the host offers only
    // the line load per metre of width and the total storey force.
    std::vector<double> wk(n + 1);
    for (int i = 1; i <= n; ++i) {
      wk[i] = fault::check(beta[i] * us[i] * muz[i] * w0);
      floor_label(i, i).Raw("ωki ＝ ").Num(beta[i], "#0.000");
      if (us[i] >= 0)
        r.Raw(" * ").Num(us[i], "#0.000").Raw(" * ");
      else
        r.Raw(" * (").Num(us[i], "#0.000").Raw(") * ");
      r.Num(muz[i], "#0.000").Raw(" * ").Num(w0, "#0.000").Raw(" ＝ ").Val(wk[i], "kn/m2d_2").End();
      if (fam == Family::kGlass) {
        // JBJ 102-96 5.2.2: the glass is designed for at least 1.0 kN/m² of pressure or suction.
        if (wk[i] > 0 && wk[i] < 1.0) {
          wk[i] = 1.0;
          r.Sp(4).Raw("ωki < 1.0，取ωki ＝ ").Val(wk[i], "kn/m2d_2").End();
        } else if (wk[i] < 0 && wk[i] > -1.0) {
          wk[i] = -1.0;
          r.Sp(4).Raw("ωki > -1.0，取ωki ＝ ").Val(wk[i], "kn/m2d_2").End();
        }
      }
      Wk(i) = fault::to_float(wk[i]);

      // Storey values: the pressure is taken as varying linearly over the storey from the floor
      // below to this floor (the ground floor carries its own value over its full height).
      if (iScFs == 3 || iScFs == 1) {
        const bool total = iScFs == 3;
        floor_label(i, i).Raw(total ? "Pωki ＝ " : "Qωki ＝ ");
        double v;
        if (i == 1) {
          v = wk[i] * h[i] * (total ? B[i] : 1.0);
          r.Num(wk[i], "#0.000").Raw(" * ").Val(h[i], "m");
          if (total) r.Raw(" * ").Val(B[i], "m");
        } else {
          v = (wk[i - 1] + wk[i]) * h[i] * (total ? B[i] : 1.0) / 2.0;
          r.Raw("(").Num(wk[i - 1], "#0.000");
          if (wk[i] < 0)
            r.Raw(" - ").Num(-wk[i], "#0.000");
          else
            r.Raw(" + ").Num(wk[i], "#0.000");
          r.Raw(") * ").Val(h[i], "m");
          if (total) r.Raw(" * ").Val(B[i], "m");
          r.Raw(" / 2");
        }
        r.Raw(" ＝ ").Num(fault::check(v), "#0.000").Raw(total ? "（kN）" : "（kN/m）").End();
      }
    }
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
