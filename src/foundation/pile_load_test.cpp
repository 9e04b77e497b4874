#include "foundation/pile_load_test.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

namespace {

// JGJ 94-94 table C-5 (n = 2): λ by α2 - α1 = 0.21 ... 0.51.
constexpr double kC5Delta[] = {0.21, 0.24, 0.27, 0.30, 0.33, 0.36, 0.39, 0.42, 0.45, 0.48, 0.51};
constexpr float kC5[] = {1.00f, 0.99f, 0.97f, 0.96f, 0.94f, 0.93f,
                         0.91f, 0.90f, 0.88f, 0.87f, 0.85f};

// JGJ 94-94 table C-6 (n = 3): rows α2, columns α3 - α1; NaN marks the cells the code leaves
// empty, which the range tests keep out of every interpolation.
constexpr double kC6Alpha2[] = {0.84, 0.92, 1.00, 1.08, 1.16};
constexpr double kC6Delta[] = {0.30, 0.33, 0.36, 0.39, 0.42, 0.45, 0.48, 0.51};
constexpr float kNo = std::numeric_limits<float>::quiet_NaN();
constexpr float kC6[5][8] = {
    {kNo, kNo, kNo, kNo, kNo, kNo, 0.93f, 0.92f},
    {0.99f, 0.98f, 0.98f, 0.97f, 0.96f, 0.95f, 0.94f, 0.93f},
    {1.00f, 0.99f, 0.98f, 0.97f, 0.96f, 0.95f, 0.93f, 0.92f},
    {0.98f, 0.97f, 0.95f, 0.94f, 0.93f, 0.91f, 0.90f, 0.88f},
    {kNo, kNo, kNo, kNo, kNo, kNo, 0.86f, 0.84f},
};

// The ratios come out of a division; the table limits (0.48, 1.08, Sn = 0.15 ...) are meant as
// the engineer reads them, so a ratio that is 0.48 on paper must not test as 0.4799999999.
// Nine decimals remove the binary noise and nothing a load test can measure.
double Snap(double x) {
  return std::round(x * 1e9) / 1e9;
}

// Linear between two grid points; on a grid point the neighbour is not touched (it may be empty).
double Lerp(double x, double x1, double x2, double y1, double y2) {
  if (x <= x1) return y1;
  if (x >= x2) return y2;
  return modKalbex::dInterpolate(x, x1, x2, y1, y2);
}

// Index k of the grid interval [g[k], g[k+1]] holding x (x inside the grid).
template <size_t N>
int Interval(const double (&g)[N], double x) {
  int k = 0;
  while (k + 2 < static_cast<int>(N) && x >= g[k + 1]) ++k;
  return k;
}

double TableC5(double delta) {
  const int j = Interval(kC5Delta, delta);
  return Lerp(delta, kC5Delta[j], kC5Delta[j + 1], kC5[j], kC5[j + 1]);
}

double TableC6(double alpha2, double delta) {
  const int i = Interval(kC6Alpha2, alpha2), j = Interval(kC6Delta, delta);
  auto row = [&](int r) {
    return Lerp(delta, kC6Delta[j], kC6Delta[j + 1], kC6[r][j], kC6[r][j + 1]);
  };
  if (alpha2 <= kC6Alpha2[i]) return row(i);
  if (alpha2 >= kC6Alpha2[i + 1]) return row(i + 1);
  return modKalbex::dInterpolate(alpha2, kC6Alpha2[i], kC6Alpha2[i + 1], row(i), row(i + 1));
}

double F(const double (&A)[5], double x) {
  return A[0] + x * (A[1] + x * (A[2] + x * (A[3] + x * A[4])));
}

// The scan stops where F has reached the sign opposite to F(1).
bool Crossed(double f1, double f) {
  return f1 < 0 ? f >= 0 : f <= 0;
}

// Two to six decimals follow the grid; a grid coarser than 0.01 or finer than 10⁻⁶ is shown with
// seven, so a coarse setting never prints λ as a bare "1".
std::string LambdaPattern(int d) {
  if (d < 2 || d > 6) return "#0.0000000";
  return "#0." + std::string(static_cast<size_t>(d), '0');
}

// Coefficient terms of the printed equation: " + 1.234 * λ^ 2".
void Term(Report& r, double a, int power) {
  if (power == 0) {
    r.Num(a, "#0.000");
    return;
  }
  r.Raw(a < 0 ? " - " : " + ").Num(std::fabs(a), "#0.000").Raw(" * λ");
  if (power >= 2) r.Raw("^ ").Raw(std::to_string(power));
}

constexpr int32_t kDefaultPrecision = 100;

}  // namespace

clsZtj::clsZtj() {}

clsZtj::~clsZtj() = default;

void clsZtj::Let_Controls(HostRef& frmM, HostRef& frmX) {
  modKalbex::Services().SetMainForm(frmM);
  work_form_ = frmX;
  BindControls();
}

void clsZtj::BindControls() {
  txt_eng_ = ControlOf(work_form_, "TxtEngName");
  lst_qui_ = ControlOf(work_form_, "LstQui");
  txt_qui_ = ControlOf(work_form_, "TxtQui");
  cbo_precision_ = ControlOf(work_form_, "CboPrecision");
  prg_bar_ = ControlOf(work_form_, "PrgBar");
  cmd_zj_ = ControlOf(work_form_, "cmdZj");
  lbl_ts_ = ControlOf(work_form_, "LblTs");
}

void clsZtj::SortZtjAlpha(std::vector<double>& a, int lo, int hi) {
  if (lo >= hi) return;
  const double pivot = a[static_cast<size_t>(lo + (hi - lo) / 2)];
  int i = lo, j = hi;
  while (i <= j) {
    while (a[static_cast<size_t>(i)] < pivot) ++i;
    while (a[static_cast<size_t>(j)] > pivot) --j;
    if (i <= j) {
      std::swap(a[static_cast<size_t>(i)], a[static_cast<size_t>(j)]);
      ++i;
      --j;
    }
  }
  if (lo < j) SortZtjAlpha(a, lo, j);
  if (i < hi) SortZtjAlpha(a, i, hi);
}

int clsZtj::DecimalsOf(int32_t lPrecision) {
  if (lPrecision < 1) lPrecision = kDefaultPrecision;
  return static_cast<int>(std::lround(std::log10(static_cast<double>(lPrecision))));
}

clsZtj::Root clsZtj::SolveQuartic(const double (&A)[5], int32_t lPrecision) {
  Root root;
  if (lPrecision < 1) lPrecision = kDefaultPrecision;
  // A grid finer than 10⁻⁵ is not scanned whole: the 10⁻⁵ interval holding the root is scanned
  // again at the requested fineness.
  const bool capped = DecimalsOf(lPrecision) >= 6;
  const int64_t steps = capped ? 100000 : lPrecision;
  const double f1 = F(A, 1.0);
  if (f1 == 0) {
    root.found = true;
    root.lambda = 1.0;
    return root;
  }
  int64_t k = steps;
  double f = f1;
  for (; k >= 1; --k) {
    f = F(A, static_cast<double>(k) / static_cast<double>(steps));
    if (Crossed(f1, f)) break;
  }
  if (k < 1) return root;
  root.found = true;
  root.lambda = static_cast<double>(k) / static_cast<double>(steps);
  root.F = f;
  if (capped && f != 0) {
    const int64_t P = lPrecision;
    const int64_t top = P * (k + 1) / 100000, bottom = P * k / 100000;
    for (int64_t q = top; q >= bottom; --q) {
      const double x = static_cast<double>(q) / static_cast<double>(P);
      const double fx = F(A, x);
      if (Crossed(f1, fx)) {
        root.lambda = x;
        root.F = fx;
        break;
      }
    }
  }
  return root;
}

void clsZtj::CalZtj(int32_t lPrecision, std::string& tText, const std::string& tEngName,
                    VBArray<double>& dQui, HostRef prgBar) {
  Report r;
  r.Raw(tEngName).Raw("：单桩竖向极限承载力标准值统计").HeadingEnd();
  r.Sp(4).Raw("根据《建筑桩基技术规范》JGJ 94－94（以下简称“桩基规范”）附录C的规定，").End();
  r.Sp(4).Raw("当各试桩条件基本相同时，单桩竖向极限承载力标准值可按下列步骤与方法确定：").End();
  // A measured ultimate capacity is a positive force: the statistics of a zero or negative one
  // would look like a result. CalZtj has no error code; the report ends with the error line.
  for (int i = 1; i <= dQui.UBound(); ++i) {
    const double q = std::as_const(dQui)(i);
    if (!(q > 0) || !std::isfinite(q)) {
      r.Error(std::to_string(i) + "号桩的极限承载力Qu" + std::to_string(i) + " ＝ " +
              ShortestText(q) + "，应大于0。");
      r.MoveTo(tText);
      return;
    }
  }
  try {
    const int n = dQui.UBound() >= 1 ? dQui.UBound() : 0;
    std::vector<double> Qu(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) Qu[static_cast<size_t>(i - 1)] = std::as_const(dQui)(i);

    r.Heading("一、n根正常条件试桩的极限承载力实测值：");
    for (int i = 1; i <= n; ++i) {
      const std::string k = std::to_string(i);
      r.Sp(4)
          .Raw(k)
          .Raw("号桩，Qu")
          .Raw(k)
          .Raw(" ＝ ")
          .Val(Qu[static_cast<size_t>(i - 1)], "knd")
          .End();
    }
    // Appendix C needs at least two test piles (Sn divides by n - 1): with fewer there is no
    // statistic and no Quk, and the report says so instead of inventing one.
    if (n == 0) {
      r.Sp(4).Raw("没有试桩的极限承载力实测值，无法统计。").End();
      r.MoveTo(tText);
      return;
    }
    if (n == 1) {
      r.Sp(4).Raw("试桩数n＝1，标准差Sn无法计算（需n ≥ 2），不能按桩基规范附录C确定Quk。").End();
      r.MoveTo(tText);
      return;
    }

    r.Heading("二、n根试桩实测极限承载力平均值Qum按下式计算：");
    double sum = 0;
    for (double q : Qu) sum += q;
    const double Qum = fault::div(sum, n);
    r.Sp(4).Raw("Qum ＝ ∑Qui / n    (L ＝ 1, n)    （桩基规范式 C-1）").End();
    r.Sp(4)
        .Raw("Qum ＝ ")
        .Val(sum, "kn")
        .Raw("/")
        .Raw(std::to_string(n))
        .Raw(" ＝ ")
        .Val(Qum, "knd")
        .End();

    r.Heading("三、每根试桩的极限承载力实测值与平均值之比αi：（根据Qui值由小至大的顺序确定）");
    r.Sp(4).Raw("αi ＝ Qui / Qum").End();
    r.Sp(4).Raw("（桩基规范式 C-2）").End();
    // The measured values are sorted with the ratios so that each line shows its own Qui; with a
    // positive mean both orders agree, otherwise the ratios are sorted by themselves.
    std::vector<double> Qs(Qu), a(static_cast<size_t>(n));
    SortZtjAlpha(Qs, 0, n - 1);
    for (int i = 0; i < n; ++i)
      a[static_cast<size_t>(i)] = fault::div(Qs[static_cast<size_t>(i)], Qum);
    if (Qum < 0) SortZtjAlpha(a, 0, n - 1);
    for (int i = 0; i < n; ++i) {
      const double ai = a[static_cast<size_t>(i)];
      r.Sp(4)
          .Raw("α")
          .Raw(std::to_string(i + 1))
          .Raw(" ＝ ")
          .Val(Qum < 0 ? ai * Qum : Qs[static_cast<size_t>(i)], "kn");
      r.Raw("/").Val(Qum, "kn").Raw(" ＝ ").Num(ai, "#0.000").End();
    }

    r.Heading("四、标准差Sn ＝ [∑(αi - 1) ^ 2 / (n - 1)] ^ 0.5    (L ＝ 1, n)");
    r.Sp(4).Raw("（桩基规范式 C-3）").End();
    double s2 = 0;
    for (double x : a) s2 += (x - 1.0) * (x - 1.0);
    const double Sn = fault::sqrt(fault::div(s2, n - 1));
    r.Sp(4).Raw("Sn ＝ (").Num(s2, "#0.0000").Raw("/").Raw(std::to_string(n - 1)).Raw(")^0.5 ＝ ");
    r.Num(Sn, "#0.0000").End();

    r.Heading("五、单桩竖向极限承载力标准值Quk：");
    if (Snap(Sn) <= 0.15) {
      r.Sp(4).Raw("当Sn ≤ 0.15 时，Quk ＝ Qum ＝ ").Val(Qum, "knd").End();
      r.MoveTo(tText);
      return;
    }
    r.Sp(4).Raw("当Sn ＞ 0.15 时，Quk ＝ λ * Qum").End();

    auto quk = [&](double lambda, std::string_view pattern) {
      r.Sp(4)
          .Raw("Quk ＝ ")
          .Num(lambda, pattern)
          .Raw("*")
          .Val(Qum, "kn")
          .Raw(" ＝ ")
          .Val(lambda * Qum, "knd")
          .End();
    };
    const std::string_view kLambdaTable = "#0.0000";
    bool by_equation = n >= 4;
    if (n == 3) {
      r.Sp(4).Raw("当试桩数n＝3时，按桩基规范表C－6确定：").End();
      const double a2 = Snap(a[1]), delta = Snap(a[2] - a[0]);
      r.Sp(4).Raw("α2 ＝ ").Num(a[1], "#0.000").End();
      r.Sp(4)
          .Raw("α3 - α1 ＝ ")
          .Num(a[2], "#0.000")
          .Raw("-")
          .Num(a[0], "#0.000")
          .Raw(" ＝ ")
          .Num(a[2] - a[0], "#0.000")
          .End();
      const char* out = nullptr;
      if (delta < 0.48 && a2 < 0.92)
        out = "α3 - α1 ＜ 0.48，且α2 ＜ 0.92，超出表C－6的范围，无法确定λ值。";
      else if (delta < 0.48 && a2 > 1.08)
        out = "α3 - α1 ＜ 0.48，且α2 ＞ 1.08，超出表C－6的范围，无法确定λ值。";
      else if (delta < 0.30)
        out = "α3 - α1 ＜ 0.30，超出表C－6的范围，无法确定λ值。";
      else if (delta > 0.51)
        out = "α3 - α1 ＞ 0.51，超出表C－6的范围，无法确定λ值。";
      else if (a2 > 1.16)
        out = "α2 ＞ 1.16，超出表C－6的范围，无法确定λ值。";
      else if (a2 < 0.84)
        out = "α2 ＜ 0.84，超出表C－6的范围，无法确定λ值。";
      if (out) {
        r.Sp(4).Raw(out).End();
        r.Sp(4).Raw("当试桩数n＝3超出表C－6的范围时，按试桩数n≥4的公式计算：").End();
        by_equation = true;
      } else {
        const double lambda = TableC6(a2, delta);
        r.Sp(4).Raw("查表得，λ＝").Num(lambda, kLambdaTable).End();
        quk(lambda, kLambdaTable);
      }
    } else if (n == 2) {
      r.Sp(4).Raw("当试桩数n＝2时，按桩基规范表C－5确定：").End();
      const double delta = Snap(a[1] - a[0]);
      r.Sp(4)
          .Raw("α2 - α1 ＝ ")
          .Num(a[1], "#0.000")
          .Raw("-")
          .Num(a[0], "#0.000")
          .Raw(" ＝ ")
          .Num(a[1] - a[0], "#0.000")
          .End();
      if (delta > 0.51) {
        r.Sp(4).Raw("α2 - α1 ＞ 0.51，超出表C－5的范围，无法确定λ值。").End();
        r.Sp(4).Raw("当试桩数n＝2超出表C－5的范围时，按试桩数n≥4的公式计算：").End();
        by_equation = true;
      } else if (delta < 0.21) {
        r.Sp(4).Raw("α2 - α1 ＜ 0.21，λ＝1.00。").End();
        quk(1.0, kLambdaTable);
      } else {
        const double lambda = TableC5(delta);
        r.Sp(4).Raw("查表得，λ＝").Num(lambda, kLambdaTable).End();
        quk(lambda, kLambdaTable);
      }
    } else {
      r.Sp(4).Raw("当试桩数n≥4时按下式计算：").End();
    }
    if (!by_equation) {
      r.MoveTo(tText);
      return;
    }

    // JGJ 94-94 eq. C-4, m = 1, 2 ... until an m gives a root in (0, 1]
    r.Sp(4).Raw("A0 + A1 * λ + A2 * λ ^ 2 + A3 * λ ^ 3 + A4 * λ ^ 4 ＝ 0").End();
    r.Sp(4).Raw("（桩基规范式 C-4）").End();
    r.Sp(4).Raw("A0 ＝ ∑αi ^ 2 + (∑αi) ^ 2 / m    (i ＝ 1, n - m)；").End();
    r.Sp(4).Raw("A1 ＝ -2 * n * ∑αi / m    (i ＝ 1, n - m)；").End();
    r.Sp(4).Raw("A2 ＝ 0.127 - 1.127 * n + n ^ 2 / m；").End();
    r.Sp(4).Raw("A3 ＝ 0.147 * (n - 1)；").End();
    r.Sp(4).Raw("A4 ＝ -0.042 * (n - 1)；").End();
    r.Raw("        取 m ＝ 1, 2···满足（C-4）的λ值即为所求。").End();
    const std::string pattern = LambdaPattern(DecimalsOf(lPrecision));
    const double dn = n;
    for (int m = 1; m <= n - 1; ++m) {
      double s = 0, sq = 0;
      for (int i = 0; i < n - m; ++i) {
        s += a[static_cast<size_t>(i)];
        sq += a[static_cast<size_t>(i)] * a[static_cast<size_t>(i)];
      }
      const double A[5] = {sq + s * s / m, -2.0 * dn * s / m, 0.127 - 1.127 * dn + dn * dn / m,
                           0.147 * (dn - 1), -0.042 * (dn - 1)};
      r.Sp(4).Raw("当m ＝ ").Raw(std::to_string(m)).Raw("时，解方程：");
      for (int k = 0; k <= 4; ++k) Term(r, A[k], k);
      r.Raw(" ＝ 0").End();
      const Root root = SolveQuartic(A, lPrecision);
      if (!root.found) {
        r.Sp(4).Raw("方程无解").End();
        SetProp(prgBar, "Value", Variant::Int32(m));
        continue;
      }
      r.Sp(4)
          .Raw("方程有近似解λ(")
          .Raw(std::to_string(m))
          .Raw(") ＝ ")
          .Num(root.lambda, pattern)
          .Raw("，此时");
      r.Raw("F(λ) ＝").Num(root.F, "#0.000000").End();
      quk(root.lambda, pattern);
      break;
    }
  } catch (const ArithmeticFault&) {
    r.Raw("      错误：").Text(32005).Text(32007).End();
  }
  r.MoveTo(tText);
}

namespace {
// A host list holds at most 32767 items (its ListCount and ListIndex are 16-bit); anything the
// host reports beyond that is read as an empty list / no selection.
constexpr int32_t kMaxListCount = std::numeric_limits<int16_t>::max();
}  // namespace

void clsZtj::Calculate(std::string& tText) {
  IInputCheck& ic = modKalbex::InputCheck();
  const int n = GetWhole(lst_qui_, "ListCount", 0, kMaxListCount, 0);
  VBArray<double> q;
  q.ReDim(1, n);
  for (int k = 0; k < n; ++k) {
    const std::string text = lst_qui_->Call("List", {Variant::Int32(k)}).AsText();
    const std::string name = std::to_string(k + 1) + "号桩的极限承载力Qu" + std::to_string(k + 1);
    int32_t code = 0;
    if (ic.CheckFieldText("S>0", name, text, 0, code) != 0) {
      // The form operation writes its input message where the report would go; no box is shown.
      tText = ic.tCodeMessage(code, name, text);
      SetText(lbl_ts_, "Caption", tText);
      return;
    }
    q(k + 1) = LeadingNumber(text);
  }
  if (n == 0) {
    tText = "请输入试桩的极限承载力实测值Qui。";
    SetText(lbl_ts_, "Caption", tText);
    return;
  }
  // An empty or non-numeric precision falls back to a grid of 0.01.
  const double p = LeadingNumber(GetText(cbo_precision_));
  const int32_t lPrecision =
      p >= 1 && p <= 2147483647.0 ? static_cast<int32_t>(p) : kDefaultPrecision;
  const std::string eng = GetText(txt_eng_);
  SetProp(prg_bar_, "Value", Variant::Int32(0));
  CalZtj(lPrecision, tText, eng, q, prg_bar_);
}

void clsZtj::cmdZj_Click(int16_t Index) {
  if (!lst_qui_) return;
  auto count = [&] { return GetWhole(lst_qui_, "ListCount", 0, kMaxListCount, 0); };
  auto show_count = [&] { SetText(lbl_ts_, "Caption", "试桩数 n ＝ " + std::to_string(count())); };
  switch (Index) {
    case 0: {  // add the value typed in TxtQui
      const std::string text(TrimView(GetText(txt_qui_)));
      int32_t code = 0;
      IInputCheck& ic = modKalbex::InputCheck();
      if (ic.CheckFieldText("S>0", "试桩极限承载力Qu", text, 0, code) != 0) {
        SetText(lbl_ts_, "Caption", ic.tCodeMessage(code, "试桩极限承载力Qu", text));
        return;
      }
      lst_qui_->Call("AddItem", {Variant::String(text)});
      SetText(txt_qui_, "Text", "");
      show_count();
      return;
    }
    case 1: {  // delete the selected pile; the list is rebuilt, which every host list supports
      const int n = count();
      const int k = GetWhole(lst_qui_, "ListIndex", -1, kMaxListCount, -1);
      if (k < 0 || k >= n) return;
      std::vector<std::string> keep;
      for (int i = 0; i < n; ++i)
        if (i != k) keep.push_back(lst_qui_->Call("List", {Variant::Int32(i)}).AsText());
      lst_qui_->Call("Clear", {});
      for (const auto& t : keep) lst_qui_->Call("AddItem", {Variant::String(t)});
      SetProp(lst_qui_, "ListIndex",
              Variant::Int32(keep.empty() ? -1 : std::min(k, static_cast<int>(keep.size()) - 1)));
      show_count();
      return;
    }
    case 2:  // clear the list
      lst_qui_->Call("Clear", {});
      show_count();
      return;
    default:
      return;
  }
}

const ClassInfo& clsZtj::ClassInfoOf() {
  using C [[maybe_unused]] = clsZtj;
  static const ClassInfo ci{
      "clsZtj",
      {
          Method("Let_Controls", &C::Let_Controls, {"frmM", "frmX"}),
          Method("CalZtj", &C::CalZtj, {"lPrecision", "tText", "tEngName", {"dQui", 1}, "prgBar"}),
          Method("Calculate", &C::Calculate, {"tText"}),
          Method("cmdZj_Click", &C::cmdZj_Click, {"Index"}),
      }};
  return ci;
}

}  // namespace tk
