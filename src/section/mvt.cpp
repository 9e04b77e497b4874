#include "section/mvt.h"

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/fault.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "section/mvt_stages.h"

namespace tk {

namespace mvt {

bool IsFrame(int16_t iSecPos) {
  return iSecPos >= 1 && iSecPos <= 4;
}

std::string GradeText(int16_t iSecPos) {
  // The services number headings in Chinese numerals ("一、"); a grade reads without the mark.
  std::string t = modKalbex::Services().tNumberText(iSecPos, 3, 0);
  constexpr std::string_view mark = "、";
  if (t.size() >= mark.size() && std::string_view(t).substr(t.size() - mark.size()) == mark)
    t.resize(t.size() - mark.size());
  return t;
}

bool Flanged(SectionShape s) {
  return s == SectionShape::T || s == SectionShape::InvL || s == SectionShape::ISym ||
         s == SectionShape::IUnsym;
}

void Fail(Call& k, int32_t code, std::string_view text, std::string_view condition) {
  k.r.Error(text);
  const std::string_view cond = condition.empty() ? text : condition;
  modKalbex::InputCheck().AddErrCon(k.lErrCon, k.tErrCon, code, cond, k.r.str());
  k.all_errors.push_back(code);
  if (k.stage_err == 0) {
    k.stage_err = code;
    k.stage_text = std::string(cond);
  }
}

void Note(Call& k, int32_t code, std::string_view condition) {
  modKalbex::InputCheck().AddErrCon(k.lErrCon, k.tErrCon, code, condition, k.r.str());
}

std::string Fmt(Call& k, double x, std::string_view token) {
  return FormatNumber(x, k.r.services().tUnitFormat(token));
}

std::string_view GammaText(bool bEA, double gamma_o) {
  if (bEA) return " * γRE";
  if (gamma_o != 1) return " * γo";
  return {};
}

std::string Factor(double x) {
  return FormatNumber(x, kWorkedFactor);
}

namespace {

bool MentionsAs(std::string_view t) {
  for (size_t i = 0; i + 1 < t.size(); ++i)
    if ((t[i] == 'A' || t[i] == 'a') && (t[i + 1] == 's' || t[i + 1] == 'S')) return true;
  return false;
}

// The compression steel entry: a number (empty reads 0) or an expression in As.
struct As1Entry {
  bool valid = false;
  bool number = true;
  double value = 0;  // the number, or the expression's ratio K (its value at As = 1)
};

As1Entry ReadAs1(ISharedServices& svc, std::string_view text) {
  As1Entry e;
  const std::string_view t = TrimView(text);
  if (t.empty() || IsNumericText(t)) {
    e.value = t.empty() ? 0.0 : LeadingNumber(t);
    e.valid = e.value >= 0 && std::isfinite(e.value);
    return e;
  }
  e.number = false;
  if (!MentionsAs(t)) return e;
  try {
    e.value = svc.dEvalAsText(t, 1.0);
  } catch (const ComponentFailure&) {
    return e;  // the services refuse the text: not an expression in As
  }
  e.valid = e.value >= 0 && std::isfinite(e.value);
  return e;
}

// The numbers of MVTCommon that no host form has checked: a value no section can have gives its
// code and message before any stage runs. Returns 0 when every value can be calculated with.
struct SectionInputs {
  SectionShape shape;
  int mode;
  bool bQdSjz, bEA, bConF, torsion;
  float c, Fcm, Ft;
  double Fy, Fy1, Fyv;
  float Rlfo, B, H, Bf, Hf, Bf1, Hf1, Cas, Cas1, Pmin, S, A, Es;
  double dAs, Asv;
};

bool Positive(double x) {
  return x > 0 && std::isfinite(x);
}
bool NotNegative(double x) {
  return x >= 0 && std::isfinite(x);
}

// One rule of the check: where it applies and its value does not pass, its code and message
// stop the call. The rules are listed in the order the host form shows their boxes.
struct InputRule {
  bool applies;
  bool passes;
  int32_t code;
  const char* name;
  double value;
  const char* rule;
};

std::vector<InputRule> SectionRules(const SectionInputs& in) {
  using S = SectionShape;
  // The tension flange enters only the torsion moduli; the compression flange every formula.
  const bool tension =
      in.torsion && (in.shape == S::InvT || in.shape == S::ISym || in.shape == S::IUnsym);
  const bool compression =
      in.shape == S::T || in.shape == S::InvL || in.shape == S::ISym || in.shape == S::IUnsym;
  const double flanges = double{in.Hf} + double{in.Hf1};
  const bool given = in.bQdSjz;
  constexpr const char* kAbove0 = "应大于0";
  constexpr const char* kInHeight = "应大于0且小于截面高度h";
  return {
      {true, Positive(in.B), code::kBadSize, "截面宽度b", in.B, kAbove0},
      {true, Positive(in.H), code::kBadSize, "截面高度h", in.H, kAbove0},
      {given, Positive(in.c), code::kBadStrength, "轴心抗压强度fc", in.c, kAbove0},
      {given, Positive(in.Fcm), code::kBadStrength, "弯曲抗压强度fcm", in.Fcm, kAbove0},
      {given, Positive(in.Ft), code::kBadStrength, "抗拉强度ft", in.Ft, kAbove0},
      {!given, Positive(in.c), code::kBadStrength, "混凝土强度等级C", in.c, kAbove0},
      {true, Positive(in.Fy), code::kBadStrength, "钢筋抗拉强度设计值fy", in.Fy, kAbove0},
      {true, Positive(in.Fy1), code::kBadStrength, "钢筋抗压强度设计值fy'", in.Fy1, kAbove0},
      {true, Positive(in.Fyv), code::kBadStrength, "箍筋抗拉强度设计值fyv", in.Fyv, kAbove0},
      {true, Positive(in.Es), code::kBadStrength, "钢筋弹性模量Es", in.Es, kAbove0},
      {true, Positive(in.Cas) && in.Cas < in.H, code::kBadCover, "纵筋合力点至近边距离as", in.Cas,
       kInHeight},
      {true, in.Cas1 >= 0 && in.Cas1 < in.H, code::kBadCover, "受压纵筋合力点至近边距离as'",
       in.Cas1, "应不小于0且小于截面高度h"},
      {tension, in.Bf >= in.B && std::isfinite(in.Bf), code::kBadFlange, "受拉区翼缘宽度bf", in.Bf,
       "应不小于截面宽度b"},
      {tension, Positive(in.Hf) && in.Hf < in.H, code::kBadFlange, "受拉区翼缘高度hf", in.Hf,
       kInHeight},
      {compression, in.Bf1 >= in.B && std::isfinite(in.Bf1), code::kBadFlange, "受压区翼缘宽度bf'",
       in.Bf1, "应不小于截面宽度b"},
      {compression, Positive(in.Hf1) && in.Hf1 < in.H, code::kBadFlange, "受压区翼缘高度hf'",
       in.Hf1, kInHeight},
      {tension && compression, flanges < in.H, code::kBadFlange, "翼缘高度之和hf + hf'", flanges,
       "应小于截面高度h"},
      {!in.bEA, Positive(in.Rlfo), code::kBadOther, "构件的重要性系数γo", in.Rlfo, kAbove0},
      {true, Positive(in.S), code::kBadOther, "箍筋间距S", in.S, kAbove0},
      {in.bConF, Positive(in.A), code::kBadOther, "计算截面至支座的距离a", in.A, kAbove0},
      {true, NotNegative(in.Pmin), code::kBadOther, "最小配筋率ρmin", in.Pmin, "应不小于0"},
      {in.mode == 1, NotNegative(in.dAs), code::kBadOther, "受拉钢筋面积As", in.dAs, "应不小于0"},
      {in.mode == 1, NotNegative(in.Asv), code::kBadOther, "箍筋面积Asv", in.Asv, "应不小于0"},
  };
}

std::string ShownValue(double x) {
  if (!std::isfinite(x)) return "（溢出）";
  return std::fabs(x) <= FLT_MAX ? ShortestText(static_cast<float>(x)) : ShortestText(x);
}

int32_t CheckSectionInputs(const SectionInputs& in, std::string& text) {
  for (const InputRule& rule : SectionRules(in)) {
    if (!rule.applies || rule.passes) continue;
    text = std::string(rule.name) + " ＝ " + ShownValue(rule.value) + "，" + rule.rule;
    return rule.code;
  }
  return 0;
}

// The flange sizes the shape has, one pair a line.
void ReportFlanges(Report& r, const Call& k) {
  switch (k.shape) {
    case SectionShape::ISym:
      r.Line(4, "翼缘宽度bf,bf'＝ $0    翼缘高度hf,hf'＝ $1", {{k.bf, U::mmd}, {k.hf, U::mmd}});
      break;
    case SectionShape::InvT:
      r.Line(4, "受拉区翼缘宽度bf＝ $0    受拉区翼缘高度hf＝ $1", {{k.bf, U::mmd}, {k.hf, U::mmd}});
      break;
    case SectionShape::IUnsym:
      r.Line(4, "受拉区翼缘宽度bf ＝ $0    受拉区翼缘高度hf ＝ $1",
             {{k.bf, U::mmd}, {k.hf, U::mmd}});
      [[fallthrough]];
    case SectionShape::T:
    case SectionShape::InvL:
      r.Line(4, "受压区翼缘宽度bf'＝ $0    受压区翼缘高度hf'＝ $1",
             {{k.bf1, U::mmd}, {k.hf1, U::mmd}});
      break;
    case SectionShape::Rect:
      break;
  }
}

// Concrete strengths as given (fc in c), or from the grade C<c> with fcm and ft written back;
// returns the label of the report line.
std::string ConcreteStrengths(bool bQdSjz, float c, double& fc, float& Fcm, float& Ft) {
  if (bQdSjz) {
    fc = c;
    return "混凝土强度：";
  }
  clsMaterial& mat = modKalbex::Material();
  fc = mat.CtoFc(c);
  Fcm = mat.CtoFcm(c);
  Ft = mat.CtoFt(c);
  return "混凝土强度：C" + ShortestText(c);
}

// The closing line that lists every error code of the call.
void ReportErrorCodes(Report& r, const std::vector<int32_t>& codes) {
  if (codes.empty()) return;
  std::string list;
  for (size_t i = 0; i < codes.size(); ++i) {
    if (i) list += "、";
    list += std::to_string(codes[i]);
  }
  r.Line(4, "本次计算出现错误（代码 $0），详见以上以“错误：”开头的各行。", {list});
}

// The actions (mode 0) or the reinforcement (mode 1) of the input lines, one quantity a line so
// that a long expression of As' stays readable.
void ReportActionsOrAreas(Report& r, ISharedServices& svc, const Call& k, const As1Entry& as1_entry,
                          double M, double V, double T) {
  auto as1_line = [&](bool with_value, double as1) {
    if (as1_entry.number) {
      if (as1_entry.value != 0) r.Line(4, "受压钢筋面积As'＝ $0", {{as1_entry.value, U::mm2d}});
    } else if (with_value) {
      r.Line(4, "受压钢筋面积As'＝ $0 ＝ $1", {Trim(k.tAs1), {as1, U::mm2d}});
    } else {
      r.Line(4, "受压钢筋面积As'＝ $0", {Trim(k.tAs1)});
    }
  };
  if (k.mode == 0) {
    r.Line(4, "弯矩设计值M＝ $0", {{M, U::knmd}});
    as1_line(false, 0);
    r.Line(4, "受拉钢筋最小配筋率ρmin＝ $0", {{k.Pmin / 100.0, U::percent}});
    r.Line(4, "剪力设计值V＝ $0", {{V, U::knd}});
    if (T != 0) r.Line(4, "扭矩设计值T＝ $0", {{T, U::knmd}});
  } else {
    const double as1 = as1_entry.number ? as1_entry.value : svc.dEvalAsText(k.tAs1, k.As_in);
    r.Line(4, "受拉钢筋面积As＝ $0", {{k.As_in, U::mm2d}});
    as1_line(true, as1);
    r.Line(4, "受拉钢筋最小配筋率ρmin＝ $0", {{k.Pmin / 100.0, U::percent}});
    r.Line(4, "箍筋面积Asv＝ $0", {{k.Asv_in, U::mm2d}});
  }
  r.Line(4, "箍筋间距S＝ $0", {{k.S, U::mmd}});
}

// The input lines of the report, from the loaded call; M, V and T as entered (signed).
void ReportInputs(Report& r, ISharedServices& svc, const Call& k, std::string_view concrete_label,
                  const As1Entry& as1_entry, double M, double V, double T) {
  if (!k.bEA)
    r.Put("    结构构件的重要性系数γo＝ $0    ", {{k.Rlfo, "#0.00"}});
  else
    r.Put("    考虑地震作用组合    ");
  if (IsFrame(k.iSecPos))
    r.Put("截面位置：$0级框架梁$1    ", {GradeText(k.iSecPos), k.bBE ? "端" : ""});
  r.End();
  if (k.bConF) r.Line(4, "集中荷载作用下的剪扭构件，计算截面至支座的距离a＝ $0", {{k.a, U::mmd}});
  r.Line(4, "$0    fc＝ $1    fcm＝ $2    ft＝ $3",
         {concrete_label, {k.fc, U::nmm2_1}, {k.fcm, U::nmm2_1}, {k.ft, U::nmm2d_2}});
  r.Line(4, "钢筋强度：fy＝ $0    fy'＝ $1    fyv＝ $2",
         {{k.fy, U::nmm2}, {k.fy1, U::nmm2}, {k.Fyv, U::nmm2d}});
  ReportActionsOrAreas(r, svc, k, as1_entry, M, V, T);
  r.Line(4, "宽度b＝ $0    高度h＝ $1    ho＝ $2",
         {{k.b, U::mmd}, {k.h, U::mmd}, {k.h - k.as, U::mmd}});
  ReportFlanges(r, k);
  r.Heading("计算结果：");
}

// The entered values as the stages work with them. Forces act by magnitude: the caller turns the
// section so that As lies on the tension face.
void LoadCall(Call& k, const SectionInputs& in, double fc, double M, double V, double T) {
  k.fc = fc;
  k.fcm = in.Fcm;
  k.ft = in.Ft;
  k.fy = in.Fy;
  k.fy1 = in.Fy1;
  k.Es = in.Es;
  k.M = std::fabs(M);
  k.V = std::fabs(V);
  k.T = std::fabs(T);
  k.b = in.B;
  k.h = in.H;
  k.bf = in.Bf;
  k.hf = in.Hf;
  k.bf1 = in.Bf1;
  k.hf1 = in.Hf1;
  k.as = in.Cas;
  k.as1 = in.Cas1;
  k.Pmin = in.Pmin;
  k.S = in.S;
  k.a = in.A;
  k.As_in = in.dAs;
  k.Asv_in = in.Asv;
}

// The stages run in order whatever an earlier one found: each keeps its own error code (the
// shear and torsion stages start clean), every error goes into lErrCon/tErrCon and onto an
// "错误：" line, and lErr/tErr return the FIRST error of the call, so that a flexure failure is
// not hidden by a shear stage that passes. A closing line lists all codes.
void RunStages(Call& k, bool torsion, int32_t& lErr, std::string& tErr, bool& in_flexure) {
  auto run = [&](void (*stage)(Call&)) {
    k.stage_err = 0;
    k.stage_text.clear();
    stage(k);
    if (k.stage_err != 0 && lErr == 0) {
      lErr = k.stage_err;
      tErr = k.stage_text;
    }
    k.r.End();
  };
  in_flexure = true;
  run(&CalMAs);
  in_flexure = false;
  run(&CalVAsv);
  if (torsion) run(&CalTAst);
}

// The title of the report and its first data line. The member label is tBh; a caller that
// leaves tBh out may pass the label in tText, as the other calculators of the library take it.
void ReportHeading(Report& r, const std::string* tBh, const std::string* tText,
                   const std::string* tEng) {
  const std::string label = tBh ? Trim(*tBh) : (tText ? Trim(*tText) : std::string());
  r.Put("$0弯剪扭构件：", {label}).HeadingEnd();
  r.Heading("基本资料：");
  r.Line(4, "工程名称：$0", {tEng ? std::string_view(*tEng) : std::string_view()});
}

// An error that ends the call before or during the stages: into the error lists with the report
// so far, after its "错误：" line when it has one.
void RecordError(Report& r, VBArray<int32_t>& lErrCon, VBArray<std::string>& tErrCon, int32_t code,
                 const std::string& text, bool error_line) {
  if (error_line) r.Error(text);
  modKalbex::InputCheck().AddErrCon(lErrCon, tErrCon, code, text, r.str());
}

// An input that no stage can take: its code and message, or 0. The error lists of different
// bounds are emptied before their own error goes in.
int32_t RefusedCall(int16_t iCalMode, const std::optional<SectionShape>& shape,
                    const std::string& tJmXs, ISharedServices& svc, const std::string& tAs1,
                    As1Entry& as1_entry, VBArray<int32_t>& lErrCon, VBArray<std::string>& tErrCon,
                    const SectionInputs& in, std::string& text) {
  if (iCalMode != 0 && iCalMode != 1) {
    text = "计算类型iCalMode ＝ " + std::to_string(iCalMode) +
           "，应为0（已知 内力 求 配筋）或1（已知 配筋 求 内力）";
    return code::kBadMode;
  }
  if (!shape) {
    text = "截面形式“" + tJmXs +
           "”应为矩形截面、T形截面、倒T形截面、倒L形截面、工形截面（对称）或工形截面（不对称）";
    return code::kBadShape;
  }
  as1_entry = ReadAs1(svc, tAs1);
  if (!as1_entry.valid) {
    text = "受压钢筋面积As'＝ “" + tAs1 + "”应为不小于0的数值，或As的表达式（例如0.3As）";
    return code::kBadAs1;
  }
  if (lErrCon.lbound != tErrCon.lbound || lErrCon.data.size() != tErrCon.data.size()) {
    lErrCon.data.clear();
    tErrCon.data.clear();
    text = "错误条件列表lErrCon、tErrCon的上下界应相同";
    return code::kBadErrorList;
  }
  return CheckSectionInputs(in, text);
}

// The input boxes of the host form, checked in index order: each box by its own rule, then the
// relations between boxes. The first failure sets lErr, Index and tErr.
class EnterCheck {
 public:
  EnterCheck(VBArray<std::string>& text, VBArray<bool>& flags, bool bQdSjz, int32_t& lErr,
             int16_t& index, std::string& tErr)
      : text_(text), flags_(flags), bQdSjz_(bQdSjz), lErr_(lErr), index_(index), tErr_(tErr) {
    // The option fields 0 to 4 carry the mode heading and the shape name as the host shows them.
    for (int i = 0; i < clsMVT::kFieldConcrete; ++i) {
      const std::string t = Trim(Text(i));
      capacity_ |= t == "已知 配筋 求 内力";
      sym_i_ |= t == "工形截面（对称）";
    }
  }

  // Every box by its own rule; false at the first failure.
  bool Fields() {
    const int first = text_.empty() ? 0 : text_.LBound();
    const int last = text_.empty() ? -1 : text_.UBound();
    for (int i = first; i <= last; ++i) {
      if (!Enabled(i)) continue;
      int32_t code = 0;
      const int32_t flag = (i == clsMVT::kFieldConcrete && !bQdSjz_) ? -1 : 0;
      chk_.CheckFieldText(Kind(i), Name(i), Text(i), flag, code);
      if (code != 0) return Stop(code, i, chk_.tCodeMessage(code, Name(i), Text(i)));
    }
    return true;
  }

  // The compression steel: a number, or an expression in As such as 0.3As.
  bool CompressionSteel() {
    if (!Enabled(clsMVT::kFieldAs1) || !text_.Has(clsMVT::kFieldAs1)) return true;
    const As1Entry e = ReadAs1(modKalbex::Services(), Text(clsMVT::kFieldAs1));
    if (!e.valid) {
      return Stop(checkcode::kNotNumber, clsMVT::kFieldAs1,
                  Name(clsMVT::kFieldAs1) +
                      "一栏应输入不小于0的数值，或As的表达式（例如0.3As）。（当前输入：" +
                      Text(clsMVT::kFieldAs1) + "）");
    }
    if (e.number)
      as1_number_ = e.value;
    else
      K_ = e.value;
    return true;
  }

  // The net tension fy * As - fy' * As' must stay positive: with As known (capacity), or per
  // unit As for a ratio given as an expression.
  bool NetTension() {
    if (!Enabled(clsMVT::kFieldFy) || !Enabled(clsMVT::kFieldFy1) || !(capacity_ || K_))
      return true;
    clsMaterial& mat = modKalbex::Material();
    const double fy = mat.dGanJinFy(Text(clsMVT::kFieldFy));
    const double fy1 = mat.dGanJinFy1(Text(clsMVT::kFieldFy1));
    const double As = capacity_ ? Num(clsMVT::kFieldMorAs) : 1.0;
    const double As1 = K_ ? *K_ * As : as1_number_;
    return Relation(clsMVT::kFieldAs1, "fy * As - fy' * As'", ">", "0", fy * As - fy1 * As1, 0);
  }

  // Flanges no narrower than the web and thinner than the section.
  bool Flanges() {
    using F = clsMVT::Field;
    const double b = Num(F::kFieldB), h = Num(F::kFieldH);
    const struct {
      F field;
      std::string_view op;
      F against;
      double limit;
    } rules[] = {{F::kFieldBf, ">=", F::kFieldB, b},
                 {F::kFieldHf, "<", F::kFieldH, h},
                 {F::kFieldBf1, ">=", F::kFieldB, b},
                 {F::kFieldHf1, "<", F::kFieldH, h}};
    for (const auto& rule : rules)
      if (Enabled(rule.field) && !Relation(rule.field, Name(rule.field), rule.op,
                                           Name(rule.against), Num(rule.field), rule.limit))
        return false;
    if (Enabled(F::kFieldHf) && Enabled(F::kFieldHf1))
      return Relation(F::kFieldHf1, "hf + hf'", "<", Name(F::kFieldH),
                      Num(F::kFieldHf) + Num(F::kFieldHf1), h);
    return true;
  }

  // The host enters one steel distance: as' is taken equal to as.
  void Cover() {
    if (!Enabled(clsMVT::kFieldAs) || !Enabled(clsMVT::kFieldH)) return;
    const double as = Num(clsMVT::kFieldAs);
    Relation(clsMVT::kFieldAs, "H - as", ">", "2as'", Num(clsMVT::kFieldH) - as, 2 * as);
  }

 private:
  std::string Text(int i) const { return text_.Has(i) ? text_(i) : std::string(); }
  double Num(int i) const { return LeadingNumber(Text(i)); }

  // An index without a flag in bText() is checked (a host that sends no flags checks all).
  bool Enabled(int i) const {
    const int32_t j = i - flags_.lbound;
    if (j < 0 || j >= static_cast<int32_t>(flags_.data.size())) return true;
    return static_cast<bool>(flags_.data[static_cast<size_t>(j)]);
  }

  // Loads and ratios may be 0; strengths and dimensions must be positive; the options and the
  // compression steel (a number or an expression) are checked by their own rules.
  static std::string_view Kind(int i) {
    if (i < clsMVT::kFieldConcrete || i == clsMVT::kFieldAs1 || i >= clsMVT::kFieldCount)
      return "UnCheckNum";
    if (i == clsMVT::kFieldMorAs || i == clsMVT::kFieldVorAsv || i == clsMVT::kFieldT ||
        i == clsMVT::kFieldPmin)
      return "S>=0";
    return "S>0";
  }

  std::string Name(int i) const {
    switch (i) {
      case clsMVT::kFieldConcrete:
        return bQdSjz_ ? "轴心抗压强度fc" : "混凝土强度等级";
      case clsMVT::kFieldMorAs:
        return capacity_ ? "受拉钢筋面积As" : "弯矩设计值M";
      case clsMVT::kFieldVorAsv:
        return capacity_ ? "箍筋面积Asv" : "剪力设计值V";
      case clsMVT::kFieldBf:
        return sym_i_ ? "翼缘宽度bf、bf'" : "受拉区翼缘宽度bf";
      case clsMVT::kFieldHf:
        return sym_i_ ? "翼缘高度hf、hf'" : "受拉区翼缘高度hf";
      default: {
        const std::string_view name = FixedName(i);
        return name.empty() ? "第" + std::to_string(i) + "项" : std::string(name);
      }
    }
  }

  // The names that do not change with the options.
  static std::string_view FixedName(int i) {
    static constexpr std::string_view kNames[clsMVT::kFieldCount] = {
        {},
        {},
        {},
        {},
        {},
        {},  // options, and the concrete box named by its option
        "弯曲抗压强度fcm",
        "抗拉强度ft",
        "钢筋抗拉强度设计值fy",
        "钢筋抗压强度设计值fy'",
        "箍筋抗拉钢筋强度设计值fyv",
        "构件的重要性系数γo",
        {},
        "受压钢筋As'",
        {},
        "扭矩设计值T",
        "截面宽度b",
        "截面高度h",
        {},
        {},
        "受压区翼缘宽度bf'",
        "受压区翼缘高度hf'",
        "纵筋合力点至近边距离as",
        "最小配筋率ρmin",
        "箍筋间距S",
        "计算截面至支座的距离a"};
    if (i < 0 || i >= clsMVT::kFieldCount) return {};
    return kNames[i];
  }

  bool Stop(int32_t code, int i, std::string message) {
    lErr_ = code;
    index_ = static_cast<int16_t>(i);
    tErr_ = std::move(message);
    return false;
  }

  bool Relation(int i, std::string_view n1, std::string_view op, std::string_view n2, double v1,
                double v2) {
    const std::string t1 = ShortestText(v1), t2 = ShortestText(v2);
    const int32_t code = chk_.CheckRelation(n1, n2, op, t1, t2);
    if (code == 0) return true;
    return Stop(
        code, i,
        chk_.tCodeMessage(code, n1, op, n2,
                          std::string(n1) + "＝" + t1 + "，" + std::string(n2) + "＝" + t2));
  }

  IInputCheck& chk_ = modKalbex::InputCheck();
  VBArray<std::string>& text_;
  VBArray<bool>& flags_;
  const bool bQdSjz_;
  int32_t& lErr_;
  int16_t& index_;
  std::string& tErr_;
  bool capacity_ = false, sym_i_ = false;
  std::optional<double> K_;  // As'/As of an expression
  double as1_number_ = 0;
};

}  // namespace
}  // namespace mvt

clsMVT::clsMVT() {}

clsMVT::~clsMVT() = default;

// The texts this class prints are its own literals; the advice after warnings and the message
// of an arithmetic fault are the shared text 32095 of the frame.
void clsMVT::MVTCommon(int32_t& lErr, std::string& tErr, VBArray<int32_t>& lErrCon,
                       VBArray<std::string>& tErrCon, int16_t& iCalMode, int16_t& iSecPos,
                       std::string& tJmXs, bool& bBE, bool& bEA, bool& bConF, bool& bQdSjz,
                       float& c, float& Fcm, float& Ft, double& Fy, double& Fy1, double& Fyv,
                       float& Rlfo, std::string& tAs1, double& M, double& dAs, double& V,
                       double& Asv, double& T, float& B, float& H, float& Bf, float& Hf, float& Bf1,
                       float& Hf1, float& Cas, float& Cas1, float Pmin, float& P, float& S,
                       float& A, float& Smax, float& Dmin, double& AsvMin, double& Ast1,
                       double& AstL, double& Asvt, float& Es, float* Kcb, float* KcE, float* Kc,
                       bool* bTextOut, std::string* tText, std::string* tEng, std::string* tBh) {
  using namespace mvt;
  lErr = 0;
  tErr.clear();
  bTextOut_ = bTextOut != nullptr && *bTextOut;
  ISharedServices& svc = modKalbex::Services();
  Report r(svc, 16384);

  // The report is built in one buffer in every call (the error list quotes it) and handed to
  // the caller only when asked for; without bTextOut the caller's tText stays as it was.
  auto hand_over = [&] {
    if (bTextOut_ && tText) r.MoveTo(*tText);
  };

  const std::optional<SectionShape> shape = SectionShapeOf(tJmXs);
  // A symmetric I has equal flanges; only the tension-side pair is entered.
  if (shape == SectionShape::ISym) {
    Bf1 = Bf;
    Hf1 = Hf;
  }

  ReportHeading(r, tBh, tText, tEng);

  const SectionShape taken =
      shape.value_or(SectionShape::Rect);  // checked before any stage reads it
  SectionInputs in{taken, iCalMode, bQdSjz, bEA,  bConF, T != 0, c,  Fcm, Ft,
                   Fy,    Fy1,      Fyv,    Rlfo, B,     H,      Bf, Hf,  Bf1,
                   Hf1,   Cas,      Cas1,   Pmin, S,     A,      Es, dAs, Asv};
  As1Entry as1_entry;
  if (const int32_t refused =
          RefusedCall(iCalMode, shape, tJmXs, svc, tAs1, as1_entry, lErrCon, tErrCon, in, tErr);
      refused != 0) {
    lErr = refused;
    RecordError(r, lErrCon, tErrCon, lErr, tErr, true);
    hand_over();
    return;
  }

  Call call(r, lErrCon, tErrCon, Fyv, Rlfo, tAs1, M, dAs, V, Asv, P, Smax, Dmin, AsvMin, Ast1, AstL,
            Asvt, Kcb, KcE, Kc);
  call.mode = iCalMode;
  call.iSecPos = iSecPos;
  call.shape = *shape;
  call.bBE = bBE;
  call.bEA = bEA;
  call.bConF = bConF;

  bool in_flexure = false;
  try {
    // Concrete strengths: as given, or from the grade (written back).
    double fc;
    const std::string concrete_label = ConcreteStrengths(bQdSjz, c, fc, Fcm, Ft);
    in.Fcm = Fcm;
    in.Ft = Ft;
    LoadCall(call, in, fc, M, V, T);
    ReportInputs(r, svc, call, concrete_label, as1_entry, M, V, T);
    RunStages(call, iCalMode == 0 && T != 0, lErr, tErr, in_flexure);
  } catch (const ArithmeticFault&) {
    if (in_flexure) r.Error("溢出，或不可知的错误。");
    lErr = code::kFault;
    tErr = std::string(svc.tTextById(32095));
    RecordError(r, lErrCon, tErrCon, lErr, tErr, false);
    call.all_errors.push_back(code::kFault);
  }
  ReportErrorCodes(r, call.all_errors);
  hand_over();
}

void clsMVT::CheckMvtEnter(int32_t& lErr, VBArray<std::string>& Text, VBArray<bool>& bText,
                           int16_t& Index, bool& bShowRtb, std::string& tErr, bool& bQdSjz) {
  // bShowRtb tells whether the host shows the report box; the checks are the same either way.
  lErr = 0;
  tErr.clear();
  mvt::EnterCheck check(Text, bText, bQdSjz, lErr, Index, tErr);
  if (check.Fields() && check.CompressionSteel() && check.NetTension() && check.Flanges())
    check.Cover();
}

void clsMVT::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  int32_t input_class = 0;
  switch (Index) {
    case 5:
    case 6:
    case 7:
    case 11:
    case 12:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
      input_class = keyclass::kPositiveNumber;  // 35012
      break;
    case 8:
    case 9:
    case 10:
      input_class = keyclass::kSignedNumber;
      break;  // 35032
    case 13:
      input_class = keyclass::kNumberList;
      break;  // 35031: the As' entry may be "0.3As"
    case 20:
      input_class = keyclass::kInteger;
      break;  // 35025
    default:
      return;
  }
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, input_class);
}

const ClassInfo& clsMVT::ClassInfoOf() {
  using C [[maybe_unused]] = clsMVT;
  static const ClassInfo ci{
      "clsMVT",
      {
          Method("MVTCommon", &C::MVTCommon,
                 {"lErr",
                  "tErr",
                  {"lErrCon", 1},
                  {"tErrCon", 1},
                  "iCalMode",
                  "iSecPos",
                  "tJmXs",
                  "bBE",
                  "bEA",
                  "bConF",
                  "bQdSjz",
                  "c",
                  "Fcm",
                  "Ft",
                  "Fy",
                  "Fy1",
                  "Fyv",
                  "Rlfo",
                  "tAs1",
                  "M",
                  "dAs",
                  "V",
                  "Asv",
                  "T",
                  "B",
                  "H",
                  "Bf",
                  "Hf",
                  "Bf1",
                  "Hf1",
                  "Cas",
                  "Cas1",
                  "Pmin",
                  "P",
                  "S",
                  "A",
                  "Smax",
                  "Dmin",
                  "AsvMin",
                  "Ast1",
                  "AstL",
                  "Asvt",
                  "Es",
                  "Kcb",
                  "KcE",
                  "Kc",
                  "bTextOut",
                  "tText",
                  "tEng",
                  "tBh"}),
          Method("CheckMvtEnter", &C::CheckMvtEnter,
                 {"lErr", "Text", "bText", "Index", "bShowRtb", "tErr", "bQdSjz"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
      }};
  return ci;
}

}  // namespace tk
