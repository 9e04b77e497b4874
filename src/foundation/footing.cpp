// clsDlJcOld: the driver, the design bearing capacity, the automatic sizing loop and the method
// table. The checks are in footing_bearing.cpp and footing_strength.cpp.
#include "foundation/footing.h"

#include <algorithm>
#include <cmath>

#include "codes/gbj7_89.h"
#include "foundation/footing_calc.h"
#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"
#include "frame/text.h"

namespace tk {

using namespace dljc;

namespace dljc {

// The height search (automatic sizing). A failing check asks with passing = false: the failing
// height becomes the lower bound (beyond the upper bound the bracket moves up to
// [H + s, 1.2·H]); a check that passes asks with passing = true and the passing height becomes
// the upper bound, so that the height can come down. The new height is the midpoint rounded up
// to a whole step; within one step of the upper bound the search has settled.
double HeightSearch::Next(double H, bool passing, bool& changed) {
  if (passing) {
    if (std::fabs(H - Hu) <= s) {
      changed = false;
      Hl = H;
      if (Hu <= s) Hu += s;
      return H;
    }
    Hu = H;
  } else if (H < Hu) {
    Hl = H;
  } else {
    Hl = H + s;
    Hu = 1.2 * H;
  }
  const double next = RoundUpToStep((Hl + Hu) / 2.0, s);
  changed = next != H;
  return next;
}

bool SizingState::Tried(const Footing& f) const {
  return std::find(tried.begin(), tried.end(), f) != tried.end();
}

}  // namespace dljc

clsDlJcOld::clsDlJcOld()
    : m_Moment(std::make_unique<clsMoment>()), m_Member(std::make_unique<MemberComponent>()) {}

clsDlJcOld::~clsDlJcOld() {
  m_Moment.reset();
  m_Member.reset();
}

void clsDlJcOld::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsDlJcOld::PicForm(HostRef& frm) {
  pic_form_ = frm;
}

void clsDlJcOld::tValue(int16_t& Index, std::string& text) {
  modKalbex::Services().SetIndexedValue(Index, text);
}

namespace dljc {

// Design bearing capacity by GBJ 7-89 eq. 5.1.3 with the limits of art. 5.1.3, and the seismic
// capacity by GBJ 11-89 eq. 3.2.2 when a seismic combination is checked.
void FootingPass::CalDlJcF() {
  namespace c = gbj7_89;
  r_.Raw("一、地基承载力设计值：").HeadingEnd();
  if (!in_.fk_given) {
    f_ = in_.f0;
  } else {
    const double fk = in_.f0;
    r_.Line(4, "计算公式：《建筑地基基础设计规范》GBJ 7－89");
    r_.Line(4, "f ＝ fk + ηb * γ * (b - 3) + ηd * γo * (d - 0.5)   （基础规范式 5.1.3）");
    // In automatic sizing the width of the formula is the smaller side of the current base.
    const double width = in_.automatic ? std::min(ft_.a, ft_.b) : in_.width_f;
    const double b0 = width / 1000.0, d0 = in_.depth / 1000.0;
    const double b = c::CorrectionWidth(b0), d = c::CorrectionDepth(d0);
    if (b0 < c::kWidthMin)
      r_.Line(4, "当b ＝ $0 ＜ $1M时，按 b ＝ $1M", {{b0, U::md}, {c::kWidthMin, "0"}});
    else if (b0 > c::kWidthMax)
      r_.Line(4, "当b ＝ $0 ＞ $1M时，按 b ＝ $1M", {{b0, U::md}, {c::kWidthMax, "0"}});
    if (d0 < c::kDepthMin)
      r_.Line(4, "当d＝ $0 ＜ $1M时，按 d ＝ $1M", {{d0, U::md}, {c::kDepthMin, "0.0"}});
    f_ = c::BearingCapacity(fk, in_.eta_b, in_.gamma, b, in_.eta_d, in_.gamma_o, d);
    r_.Sp(4).Put("f ＝ $0+$1*$2*($3-$8)+$4*$5*($6-$9) ＝ $7", {{fk, U::kpa},
                                                               {in_.eta_b, U::d2},
                                                               {in_.gamma, U::knpm3},
                                                               {b, U::m},
                                                               {in_.eta_d, U::d2},
                                                               {in_.gamma_o, U::knpm3},
                                                               {d, U::m},
                                                               {f_, U::kpad},
                                                               {c::kWidthMin, "0"},
                                                               {c::kDepthMin, "0.0"}});
    const double floor = c::kFloorFactor * fk;
    if (f_ < floor) {
      r_.Put("  ＜ $2*fk ＝ $2*$0 ＝ $1",
             {{fk, U::kpa}, {floor, U::kpad}, {c::kFloorFactor, "0.0"}});
      f_ = floor;
    }
    r_.End();
  }
  r_.Line(4, "地基承载力设计值f ＝ $0", {{f_, U::kpad}});
  fsE_ = f_;
  if (in_.AnySeismic()) {
    fsE_ = c::SeismicBearingCapacity(in_.xi_s, f_);
    r_.Line(4, "天然地基基础抗震验算时，地基土抗震承载力按《建筑抗震设计规范》GBJ 11－89");
    r_.Line(4, "公式（3.2.2）计算：");
    r_.Line(4, "fsE ＝ ξs * fs ＝ $0*$1 ＝ $2", {{in_.xi_s, U::d2}, {f_, U::kpa}, {fsE_, U::kpad}});
  }
}

int32_t FootingPass::CheckDlJc() {
  CalDlJcF();
  BasicData();
  CalDlJcVolume();
  Weight();
  if (!AdditionalLoads()) return kBearingTooLow;
  ControlForces();
  if (!AxialCheck() || !EccentricCheck() || !StepRatioRule()) return kEnlarge;
  if (Ho() > 0) {
    if (!Punching() || !Shear()) return kEnlarge;
  } else if (!NoEffectiveDepth()) {
    return kEnlarge;
  }
  Moments();
  if (!Reinforcement()) return kEnlarge;
  return 0;
}

bool FootingPass::Enlarge(Footing next, bool grow_a, bool grow_b, bool grow_H, bool lowering) {
  if (!sz_) return false;
  auto settle = [&](Footing& f) { f.h = in_.flat ? f.H : std::min(in_.start.h, f.H); };
  settle(next);
  if (lowering) {
    // The current footing passes this check; a lower one already tried is no way forward.
    if (sz_->Tried(next)) return false;
  } else {
    // A rule that gives back a footing already tried would loop: rounding the required base to
    // the nearest 100 mm can leave p > f and give the same base again (N = 2000 kN, f = 229.34
    // kPa: 3100 -> 3100 with p = 231.65), and a reinforcement code asks for a taller footing even
    // when the height search has settled. The dimensions the rule enlarges then grow by one more
    // step instead (100 mm for a and b, one height step for H).
    while (sz_->Tried(next)) {
      const Footing before = next;
      if (grow_a) next.a += 100;
      if (grow_b) next.b += 100;
      if (grow_H || (!grow_a && !grow_b)) next.H += sz_->search.s;
      settle(next);
      // A size so large that one more step does not change it has overflowed the search.
      if (next == before) fault::raise();
    }
  }
  req_ = Request{next, grow_a, grow_b, grow_H};
  return true;
}

}  // namespace dljc

namespace {

void WriteSizes(VBArray<std::string>& Text, const Footing& f) {
  Text(kA) = ShortestText(f.a);
  Text(kB) = ShortestText(f.b);
  Text(kH) = ShortestText(f.H);
  Text(kEdgeH) = ShortestText(f.h);
  Text(kWidthF) = ShortestText(std::min(f.a, f.b));
}

void Title(Report& r, const std::string& label) {
  r.Raw("柱下扩展基础：").Raw(TrimView(label)).HeadingEnd();
}

}  // namespace

void clsDlJcOld::DlJcResult(int32_t& lErr, std::string& tText, VBArray<std::string>& Text,
                            VBArray<bool>& bText, VBArray<bool>& bOptB, VBArray<bool>& bChkB,
                            VBArray<bool>& bListSel, VBArray<ColComForceRecord>& rColForce,
                            int16_t& Index, bool& bDataCheck) {
  (void)bListSel;  // the grade text itself is checked against the grade table
  lErr = 0;
  bDataCheck = false;
  const bool automatic = bOptB(3);
  if (!automatic && IsNumericText(TrimView(Text(kA))) && IsNumericText(TrimView(Text(kB))))
    Text(kWidthF) = ShortestText(std::min(LeadingNumber(Text(kA)), LeadingNumber(Text(kB))));

  int16_t field = 0;
  const int32_t code = CheckDlJcErr(Text, bText, automatic, field);
  if (code != 0) {
    lErr = code;
    Index = field;
    modKalbex::Ui().MsgBox(tDlJcMessage(code, field, Text(field), bOptB(0), bChkB(1)),
                           mb::kOkOnly | mb::kExclamation, "输入错误！");
    return;
  }
  bDataCheck = true;

  Inputs in = ReadInputs(Text, bOptB, bChkB, rColForce);
  if (automatic) {
    // The base just 50 mm beyond the column on each side, the smallest height. start.h keeps
    // the edge height of the field: every pass caps it at H (or sets h = H for a flat footing).
    const double h_field = in.start.h;
    in.start =
        Footing{std::max(in.hc + 100.0, 100.0), std::max(in.bc + 100.0, 100.0), 200.0, h_field};
    if (in.MaxVertical() >= kLongRunForce && !bChkB(0)) {
      const std::string le(modKalbex::Services().tLineEnd());
      const std::string prompt = "警告：你输入的竖向力设计值 N + F' 太大，已大大超出常规范围，" +
                                 le + "  自动计算可能要花费几分钟到几个小时的时间。" + le +
                                 "你确定继续吗？";
      const int answer = modKalbex::Ui().MsgBox(
          prompt, mb::kOkCancel | mb::kExclamation | mb::kDefaultButton2, "警告！");
      if (answer == mb::kCancel) {
        Index = kCancelIndex;
        return;
      }
    }
    Footing first = in.start;
    first.h = in.flat ? first.H : std::min(h_field, first.H);
    Report r;
    Title(r, tText);
    try {
      const Footing last = RunSizing(in, first, r, lErr);
      WriteSizes(Text, last);
    } catch (const ArithmeticFault&) {
      lErr = kFault;
      r.Line(6, "错误：溢出，或不可知的错误。");
    }
    r.MoveTo(tText);
    return;
  }

  Report r;
  Title(r, tText);
  try {
    FootingPass pass(in, in.start, nullptr, r, moment());
    pass.CheckDlJc();
  } catch (const ArithmeticFault&) {
    lErr = kFault;
    r.Line(6, "错误：溢出，或不可知的错误。");
  }
  r.MoveTo(tText);
}

// The automatic sizing: every pass recalculates the whole footing without a report; the pass
// that ends without a request is run once more from the same search state with the report, so
// that the report shows only the last footing. Termination: a footing already tried is never
// calculated again (Enlarge), every request either enlarges a dimension or lowers H to a height
// not yet tried, and kMaxPasses guards anything else with kPassLimit.
dljc::Footing clsDlJcOld::RunSizing(const Inputs& in, Footing ft, Report& r, int32_t& lErr) {
  sizing_ = SizingState{};
  while (true) {
    if (sizing_.passes >= kMaxPasses) {
      const Footing last = sizing_.tried.back();
      FootingPass pass(in, last, &sizing_, r, moment());
      pass.CheckDlJc();
      r.Raw(" 中断计算：").HeadingEnd();
      r.Line(4, "自动计算已试算 $0 次，仍未得到满足全部验算要求的基础尺寸。",
             {{static_cast<double>(sizing_.passes), "0"}});
      lErr = kPassLimit;
      return last;
    }
    sizing_.tried.push_back(ft);
    ++sizing_.passes;
    const HeightSearch snapshot = sizing_.search;
    Report quiet = Report::Disabled();
    FootingPass pass(in, ft, &sizing_, quiet, moment());
    const int32_t rc = pass.CheckDlJc();
    if (rc == kEnlarge) {
      ft = pass.request().next;
      continue;
    }
    sizing_.search = snapshot;
    FootingPass final_pass(in, ft, &sizing_, r, moment());
    lErr = final_pass.CheckDlJc();
    return ft;
  }
}

void clsDlJcOld::RegisterTexts() {}

const ClassInfo& clsDlJcOld::ClassInfoOf() {
  using C [[maybe_unused]] = clsDlJcOld;
  static const ClassInfo ci{
      "clsDlJcOld",
      {
          Method("SubForm", &C::SubForm, {"frm"}),
          Method("PicForm", &C::PicForm, {"frm"}),
          Method("tValue", &C::tValue, {"Index", "text"}),
          Method("DisplayPicture", &C::DisplayPicture, {}),
          Method("DlJcResult", &C::DlJcResult,
                 {"lErr",
                  "tText",
                  {"Text", 0},
                  {"bText", 0},
                  {"bOptB", 0},
                  {"bChkB", 0},
                  {"bListSel", 0},
                  {"rColForce", 1},
                  "Index",
                  "bDataCheck"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
          Method("Form_Load", &C::Form_Load, {}),
          Method("LoadOrSaveData", &C::LoadOrSaveData, {"tMode", "tDataSaveName", "frmMain"}),
          Method("ChkB_Click", &C::ChkB_Click, {"Index"}),
          Method("OptB_Click", &C::OptB_Click, {"Index"}),
          Method("CboBClickAndChange", &C::CboBClickAndChange, {"Index"}),
          Method("cmdZ_Click_1", &C::cmdZ_Click_1, {"frmColComForceDlJc"}),
          Method("Calculation", &C::Calculation, {"tText", "bDataCheck"}),
          Method("ChkOpt_Click", &C::ChkOpt_Click, {"Index"}),
      }};
  return ci;
}

}  // namespace tk
