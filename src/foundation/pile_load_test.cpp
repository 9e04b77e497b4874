#include "foundation/pile_load_test.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "codes/jgj94_94.h"
#include "frame/binding.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/report.h"
#include "frame/services.h"

namespace tk {

namespace {

// The ratios come out of a division; the table limits (0.48, 1.08, Sn = 0.15 ...) are meant as
// the engineer reads them, so a ratio that is 0.48 on paper must not test as 0.4799999999.
// Nine decimals remove the binary noise and nothing a load test can measure.
double Snap(double x) {
  return std::round(x * 1e9) / 1e9;
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
    r.Put("$0", {{a, "#0.000"}});
    return;
  }
  r.Put(a < 0 ? " - $0 * λ" : " + $0 * λ", {{std::fabs(a), "#0.000"}});
  if (power >= 2) r.Put("^ $0", {std::to_string(power)});
}

// The statistics of appendix C, step by step with their report lines. Qu holds the measured
// ultimate capacities in the order given.
struct LoadTestStatistics {
  Report& r;
  const std::vector<double>& Qu;
  const int n;
  double Qum = 0, Sn = 0;
  std::vector<double> a;  // αi in ascending order

  // 一、The measured values; false where there are too few for a statistic.
  bool Measured() {
    r.Heading("一、n根正常条件试桩的极限承载力实测值：");
    for (int i = 1; i <= n; ++i)
      r.Line(4, "$0号桩，Qu$0 ＝ $1",
             {std::to_string(i), {Qu[static_cast<size_t>(i - 1)], U::knd}});
    // Appendix C needs at least two test piles (Sn divides by n - 1): with fewer there is no
    // statistic and no Quk, and the report says so instead of inventing one.
    if (n == 0) {
      r.Line(4, "没有试桩的极限承载力实测值，无法统计。");
      return false;
    }
    if (n == 1) {
      r.Line(4, "试桩数n＝1，标准差Sn无法计算（需n ≥ 2），不能按桩基规范附录C确定Quk。");
      return false;
    }
    return true;
  }

  // 二、The mean (eq. C-1).
  void Mean() {
    r.Heading("二、n根试桩实测极限承载力平均值Qum按下式计算：");
    double sum = 0;
    for (double q : Qu) sum += q;
    Qum = jgj94_94::MeanCapacity(sum, n);
    r.Line(4, "Qum ＝ ∑Qui / n    (L ＝ 1, n)    （桩基规范式 C-1）");
    r.Line(4, "Qum ＝ $0/$1 ＝ $2", {{sum, U::kn}, std::to_string(n), {Qum, U::knd}});
  }

  // 三、The ratios αi (eq. C-2). The measured values are sorted with the ratios so that each line
  // shows its own Qui; with a positive mean both orders agree, otherwise the ratios are sorted by
  // themselves.
  void Ratios() {
    r.Heading("三、每根试桩的极限承载力实测值与平均值之比αi：（根据Qui值由小至大的顺序确定）");
    r.Line(4, "αi ＝ Qui / Qum");
    r.Line(4, "（桩基规范式 C-2）");
    std::vector<double> Qs(Qu);
    a.assign(static_cast<size_t>(n), 0.0);
    clsZtj::SortZtjAlpha(Qs, 0, n - 1);
    for (size_t i = 0; i < a.size(); ++i) a[i] = fault::div(Qs[i], Qum);
    if (Qum < 0) clsZtj::SortZtjAlpha(a, 0, n - 1);
    for (size_t i = 0; i < a.size(); ++i)
      r.Line(4, "α$0 ＝ $1/$2 ＝ $3",
             {std::to_string(i + 1),
              {Qum < 0 ? a[i] * Qum : Qs[i], U::kn},
              {Qum, U::kn},
              {a[i], "#0.000"}});
  }

  // 四、The standard deviation (eq. C-3).
  void Deviation() {
    r.Heading("四、标准差Sn ＝ [∑(αi - 1) ^ 2 / (n - 1)] ^ 0.5    (L ＝ 1, n)");
    r.Line(4, "（桩基规范式 C-3）");
    double s2 = 0;
    for (double x : a) s2 += (x - 1.0) * (x - 1.0);
    Sn = jgj94_94::StandardDeviation(s2, n);
    r.Line(4, "Sn ＝ ($0/$1)^0.5 ＝ $2", {{s2, "#0.0000"}, std::to_string(n - 1), {Sn, "#0.0000"}});
  }

  void Quk(double lambda, std::string_view pattern) {
    r.Line(4, "Quk ＝ $0*$1 ＝ $2", {{lambda, pattern}, {Qum, U::kn}, {lambda * Qum, U::knd}});
  }

  static constexpr std::string_view kLambdaTable = "#0.0000";

  // n = 3 by table C-6; true where the values fall outside it and the equation is to be solved.
  bool ThreePiles() {
    r.Line(4, "当试桩数n＝3时，按桩基规范表C－6确定：");
    const double a2 = Snap(a[1]), delta = Snap(a[2] - a[0]);
    r.Line(4, "α2 ＝ $0", {{a[1], "#0.000"}});
    r.Line(4, "α3 - α1 ＝ $0-$1 ＝ $2",
           {{a[2], "#0.000"}, {a[0], "#0.000"}, {a[2] - a[0], "#0.000"}});
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
      r.Line(4, out);
      r.Line(4, "当试桩数n＝3超出表C－6的范围时，按试桩数n≥4的公式计算：");
      return true;
    }
    const double lambda = jgj94_94::LambdaThreePiles(a2, delta);
    r.Line(4, "查表得，λ＝$0", {{lambda, kLambdaTable}});
    Quk(lambda, kLambdaTable);
    return false;
  }

  // n = 2 by table C-5; true where α2 − α1 lies beyond it.
  bool TwoPiles() {
    r.Line(4, "当试桩数n＝2时，按桩基规范表C－5确定：");
    const double delta = Snap(a[1] - a[0]);
    r.Line(4, "α2 - α1 ＝ $0-$1 ＝ $2",
           {{a[1], "#0.000"}, {a[0], "#0.000"}, {a[1] - a[0], "#0.000"}});
    if (delta > jgj94_94::kC5DeltaMax) {
      r.Line(4, "α2 - α1 ＞ $0，超出表C－5的范围，无法确定λ值。",
             {{jgj94_94::kC5DeltaMax, "0.00"}});
      r.Line(4, "当试桩数n＝2超出表C－5的范围时，按试桩数n≥4的公式计算：");
      return true;
    }
    const double lambda = jgj94_94::LambdaTwoPiles(delta);
    if (delta < jgj94_94::kC5DeltaMin)
      r.Line(4, "α2 - α1 ＜ $0，λ＝1.00。", {{jgj94_94::kC5DeltaMin, "0.00"}});
    else
      r.Line(4, "查表得，λ＝$0", {{lambda, kLambdaTable}});
    Quk(lambda, kLambdaTable);
    return false;
  }

  // Eq. C-4 for m = 1, 2 ... until an m gives a root in (0, 1].
  void Equation(int32_t lPrecision, HostRef& prgBar) {
    r.Line(4, "A0 + A1 * λ + A2 * λ ^ 2 + A3 * λ ^ 3 + A4 * λ ^ 4 ＝ 0");
    r.Line(4, "（桩基规范式 C-4）");
    r.Line(4, "A0 ＝ ∑αi ^ 2 + (∑αi) ^ 2 / m    (i ＝ 1, n - m)；");
    r.Line(4, "A1 ＝ -2 * n * ∑αi / m    (i ＝ 1, n - m)；");
    r.Line(4, "A2 ＝ 0.127 - 1.127 * n + n ^ 2 / m；");
    r.Line(4, "A3 ＝ 0.147 * (n - 1)；");
    r.Line(4, "A4 ＝ -0.042 * (n - 1)；");
    r.Line(8, "取 m ＝ 1, 2···满足（C-4）的λ值即为所求。");
    const std::string pattern = LambdaPattern(clsZtj::DecimalsOf(lPrecision));
    for (int m = 1; m <= n - 1; ++m) {
      double s = 0, sq = 0;
      for (size_t i = 0; i < static_cast<size_t>(n - m); ++i) {
        s += a[i];
        sq += a[i] * a[i];
      }
      const jgj94_94::Quartic eq = jgj94_94::LambdaEquation(s, sq, n, m);
      r.Sp(4).Put("当m ＝ $0时，解方程：", {std::to_string(m)});
      for (int k = 0; k <= 4; ++k) Term(r, eq.A[k], k);
      r.Put(" ＝ 0").End();
      const clsZtj::Root root = clsZtj::SolveQuartic(eq.A, lPrecision);
      if (!root.found) {
        r.Line(4, "方程无解");
        SetProp(prgBar, "Value", Variant::Int32(m));
        continue;
      }
      r.Line(4, "方程有近似解λ($0) ＝ $1，此时F(λ) ＝$2",
             {std::to_string(m), {root.lambda, pattern}, {root.F, "#0.000000"}});
      Quk(root.lambda, pattern);
      break;
    }
  }

  void Run(int32_t lPrecision, HostRef& prgBar) {
    if (!Measured()) return;
    Mean();
    Ratios();
    Deviation();
    r.Heading("五、单桩竖向极限承载力标准值Quk：");
    if (Snap(Sn) <= jgj94_94::kSnNoReduction) {
      r.Line(4, "当Sn ≤ $0 时，Quk ＝ Qum ＝ $1",
             {{jgj94_94::kSnNoReduction, "0.00"}, {Qum, U::knd}});
      return;
    }
    r.Line(4, "当Sn ＞ $0 时，Quk ＝ λ * Qum", {{jgj94_94::kSnNoReduction, "0.00"}});
    bool by_equation = n >= 4;
    if (n == 3)
      by_equation = ThreePiles();
    else if (n == 2)
      by_equation = TwoPiles();
    else
      r.Line(4, "当试桩数n≥4时按下式计算：");
    if (by_equation) Equation(lPrecision, prgBar);
  }
};

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

    LoadTestStatistics{r, Qu, n, 0, 0, {}}.Run(lPrecision, prgBar);
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
