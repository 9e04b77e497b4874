#include "members/beam_bars.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/fault.h"
#include "frame/form_inputs.h"
#include "frame/host.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/persistence.h"
#include "frame/records.h"
#include "frame/services.h"
#include "frame/text.h"
#include "frame/variant.h"
#include "materials/material.h"
#include "section/flexure.h"
#include "service/crack_width.h"

namespace tk {

using namespace beampj;

namespace {

// Field names as the input messages show them.
constexpr const char* kFieldNames[17] = {"钢筋面积",
                                         "截面宽度",
                                         "通长钢筋",
                                         "纵筋最小直径",
                                         "纵筋最大直径",
                                         "净保护层厚度",
                                         "实配钢筋面积下限",
                                         "实配钢筋面积上限",
                                         "截面高度",
                                         "混凝土强度等级",
                                         "第二排纵筋面积折减系数",
                                         "第三排纵筋面积折减系数",
                                         "第四排纵筋面积折减系数",
                                         "钢筋抗拉强度设计值fy (直径d≤25)",
                                         "钢筋抗拉强度设计值fy (d＝28~40)",
                                         "箍筋最大肢距",
                                         "弯矩值 Ms"};

constexpr int kFields = 17;
constexpr const char* kDataFile = "QvfdBmPj.tav";
constexpr const char* kHeader = "Tavrine_BeamPj_V2000.0138";

// Our own texts (message numbers of this class).
constexpr int32_t kTextBarText = 3002001, kTextDiameter = 3002002, kTextLegSpacing = 3002003;

// Message boxes are the host's own windows: their lines break with CR LF whatever the report's
// line end is.
constexpr const char* kBoxLineEnd = "\r\n";

// Display columns of a text: full-width characters take two.
size_t DisplayWidth(std::string_view s) {
  size_t w = 0;
  for (size_t k = 0; k < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[k]);
    uint32_t cp = c;
    int len = 1;
    if (c >= 0xF0)
      len = 4, cp = c & 0x07;
    else if (c >= 0xE0)
      len = 3, cp = c & 0x0F;
    else if (c >= 0xC0)
      len = 2, cp = c & 0x1F;
    for (int j = 1; j < len && k + j < s.size(); ++j)
      cp = (cp << 6) | (static_cast<unsigned char>(s[k + j]) & 0x3F);
    k += len;
    const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                      (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                      (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                      (cp >= 0xFFE0 && cp <= 0xFFE6);
    w += wide ? 2 : 1;
  }
  return w;
}

void AppendPadded(std::string& out, std::string_view s, size_t width) {
  out.append(s);
  const size_t w = DisplayWidth(s);
  if (w < width) out.append(width - w, ' ');
}

// A very wide section makes the search long: the user is asked before it goes on (twice beyond
// 50 m). False when the user cancels.
bool ConfirmWideSection(double b) {
  if (!(b > 5000)) return true;
  auto& ui = modKalbex::Ui();
  const int buttons = mb::kOkCancel | mb::kDefaultButton2 | mb::kQuestion;
  const std::string le = kBoxLineEnd;
  const std::string prompt = std::string("警告：") + kFieldNames[1] +
                             "太大，已大大超出常规范围， " + le + le +
                             "计算可能要花费几分钟到几个小时的时间。" + le + le + "你确定继续吗？";
  if (ui.MsgBox(prompt, buttons, "警告！") == mb::kCancel) return false;
  if (!(b > 50000)) return true;
  const std::string p2 =
      std::string("如果没有足够的耐心，希望你在重新启动计算机时，不要后悔所作的决定。") + le + le +
      "你现在还有后悔的权利，还确定继续吗？";
  return ui.MsgBox(p2, buttons, "警告！") != mb::kCancel;
}

// The message box of a search that found nothing; its text is also the result text. Both search
// failures carry the selection's own title; the narrow-section case is the user's to fix, shown
// with the exclamation icon.
std::string SearchFailure(int32_t lErr) {
  const std::string le = kBoxLineEnd;
  const std::string prompt = lErr == kTooNarrow ? "截面宽度小于箍筋最大肢距所要求的宽度。 " + le +
                                                      le + "请调整“截面梁宽”或“箍筋最大肢距”。"
                                                : "找不到符合条件的纵筋。 " + le + le +
                                                      "可能是相对于截面尺寸，配筋面积太大。";
  modKalbex::Ui().MsgBox(prompt, mb::kOkOnly | mb::kExclamation, "无法配筋！");
  return prompt;
}

}  // namespace

struct clsBeamPjOld::Inputs {
  // options
  bool top = false, mm2 = false, autoRows = false, asEq = false, asSj = false, zj = false,
       asPjl = false, lfkd = false, bxgj = false;
  int iPai = 1;
  // values
  double As = 0, b = 0, c = 0, dMin = 0, dMax = 0, kl = 0, ku = 0, h = 0, grade = 0, fy25 = 0,
         fy40 = 0, sl = 0, Ms = 0, Es = 0, ftk = 0;
  int nThrough = 0;
  double dThrough = 0;
  double k[5] = {0, 1, 0, 0, 0};
  std::string tF;

  // Whether the options need field i.
  bool Needs(int i) const {
    if (i <= 7 || (i >= 13 && i <= 15)) return true;
    if (i == 8) return autoRows || asPjl || lfkd;
    if (i == 9) return autoRows || lfkd;
    if (i >= 10 && i <= 12) return !autoRows && iPai >= i - 8;
    if (i == 16) return lfkd;
    return false;
  }
  // The values of the fields the options need, once their texts have passed the checks.
  void ReadValues(const VBArray<std::string>& Text) {
    auto num = [&](int i) { return LeadingNumber(Text(i)); };
    As = num(0) * (mm2 ? 1.0 : 100.0);  // cm² unless the host works in mm²
    b = num(1);
    if (!Trim(Text(2)).empty()) {
      int32_t n = 0;
      float d = 0;
      modKalbex::Services().ParseBarText(Text(2), n, d);
      nThrough = n == 1 ? 2 : n;  // a single through bar is one of a pair, one at each corner
      dThrough = d;
    }
    dMin = num(3);
    dMax = num(4);
    c = num(5);
    kl = num(6);
    ku = num(7);
    if (Needs(8)) h = num(8);
    if (Needs(9)) grade = num(9);
    if (!autoRows)
      for (int r = 2; r <= iPai; ++r) k[r] = num(8 + r);
    fy25 = num(13);
    fy40 = num(14);
    sl = num(15);
    if (lfkd) Ms = num(16);
  }
  SearchInput Search() const {
    SearchInput s;
    s.As = As;
    s.b = b;
    s.c = c;
    s.dMin = dMin;
    s.dMax = dMax;
    s.nThrough = nThrough;
    s.dThrough = dThrough;
    s.kl = kl;
    s.ku = ku;
    s.fy25 = fy25;
    s.fy40 = fy40;
    s.sl = sl;
    s.top = top;
    s.iPai = iPai;
    for (int r = 0; r < 5; ++r) s.k[r] = k[r];
    return s;
  }
};

clsBeamPjOld::clsBeamPjOld()
    : m_LfKd(std::make_unique<clsLfKd>()), m_Moment(std::make_unique<clsMoment>()) {}

clsBeamPjOld::~clsBeamPjOld() {
  m_LfKd.reset();
  m_Moment.reset();
}

void clsBeamPjOld::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

// Input checks in field order (the fields the options need, and any field the host marks as in
// use in bText); the first failure stops with its code and the field position in Index.
//   501: the text fails its check kind (message of the input-check component);
//   502: the text reads as a number but the value cannot be used (bar text, diameter not in the
//        list, smallest above largest, upper area factor below the lower, leg spacing <= 8 mm).
namespace {

// "<field><what it should hold>（当前输入：<text>）".
std::string ValueMessage(int i, int32_t textId, const std::string& t) {
  return std::string(kFieldNames[i]) + std::string(modKalbex::Services().tTextById(textId)) +
         "（当前输入：" + Trim(t) + "）";
}

// The value check of field i once its text has passed its check kind: 0, or kInputValue with
// its message.
int32_t CheckFieldValue(int i, const std::string& t, const VBArray<std::string>& Text,
                        std::string& message) {
  auto& check = modKalbex::InputCheck();
  auto fail = [&](std::string msg) {
    message = std::move(msg);
    return kInputValue;
  };
  const double v = LeadingNumber(t);
  switch (i) {
    case 2: {
      if (Trim(t).empty()) return 0;  // no through bars
      int32_t n = 0;
      float d = 0;
      if (modKalbex::Services().ParseBarText(t, n, d) != kBarTextOk || n > 9999)
        return fail(ValueMessage(i, kTextBarText, t));
      if (!InDiameterList(d)) return fail(ValueMessage(i, kTextDiameter, t));
      return 0;
    }
    case 3:
    case 4:
      if (!InDiameterList(v)) return fail(ValueMessage(i, kTextDiameter, t));
      if (i == 4 && check.CheckRelation(kFieldNames[3], kFieldNames[4], "<=", Text(3), t) != 0)
        return fail(check.tCodeMessage(checkcode::kRelation, kFieldNames[3], "≤", kFieldNames[4],
                                       Trim(Text(3)) + " ＞ " + Trim(t)));
      return 0;
    case 7:
      if (check.CheckRelation(kFieldNames[7], kFieldNames[6], ">=", t, Text(6)) != 0)
        return fail(check.tCodeMessage(checkcode::kRelation, kFieldNames[7], "≥", kFieldNames[6],
                                       Trim(t) + " ＜ " + Trim(Text(6))));
      return 0;
    case 15:
      if (!(v > 8)) return fail(ValueMessage(i, kTextLegSpacing, t));
      return 0;
    default:
      return 0;
  }
}

}  // namespace

int32_t clsBeamPjOld::CheckInputs(const VBArray<std::string>& Text, const VBArray<bool>& bText,
                                  const Inputs& opt, int16_t& Index, std::string& message) {
  auto& check = modKalbex::InputCheck();
  auto& svc = modKalbex::Services();
  for (int i = 0; i < kFields; ++i) {
    // (bText is read through its data: an element of a std::vector<bool> is no addressable bool)
    const bool inUse = bText.Has(i) && bText.data[static_cast<size_t>(i - bText.lbound)];
    if (!opt.Needs(i) && !inUse) continue;
    const std::string& t = Text(i);
    std::string kind = i == 2                 ? std::string(svc.tTextById(21000))
                       : (i >= 10 && i <= 12) ? "S>=0"
                                              : "S>0";
    int32_t code = 0;
    check.CheckFieldText(kind, kFieldNames[i], t, i == 9 ? -1 : 0, code);
    if (code != 0) {
      Index = static_cast<int16_t>(i);
      message = check.tCodeMessage(code, kFieldNames[i], Trim(t));
      return kInputFails;
    }
    code = CheckFieldValue(i, t, Text, message);
    if (code != 0) {
      Index = static_cast<int16_t>(i);
      return code;
    }
  }
  return 0;
}

// Row factors from the compression depth: x of the required area (GBJ 10-89 art. 4.1.5, by the
// rectangular flexure calculator), row centroids from the multi-row diameter d_m with the
// vertical clear spacing max(d_m, 25) between rows.
int32_t clsBeamPjOld::AutoRowFactors(Inputs& in, std::string& message) {
  auto& svc = modKalbex::Services();
  const double dm = MultiRowDiameter(in.Search());
  const double a1 = in.c + dm / 2;
  const double sv = ClearSpacing(in.top ? "TV" : "BV", dm, 2);
  int32_t e = 0;
  int16_t iK = 2, iSecPos = 5;
  double dMu = 0, dAs = in.As;
  float sFy = fault::to_float(in.fy25),
        sFcm = modKalbex::Material().CtoFcm(static_cast<float>(in.grade));
  float sB = fault::to_float(in.b), sH = fault::to_float(in.h), sCas = fault::to_float(a1);
  float sKc = 0, sP = 0, sKcb = 0;
  std::string tErr;
  m_Moment->MuAsCommon(e, iK, iSecPos, dMu, dAs, sFy, sFcm, sB, sH, sCas, sKc, sP, sKcb, &tErr);
  if (e != 0 && !(e >= 100110 && e <= 100112)) {
    message = std::string(svc.tTextById(kRowFactorFlexure));
    if (!tErr.empty()) message += "（" + tErr + "）";
    return kRowFactorFlexure;
  }
  const double x = static_cast<double>(sKc) * (in.h - a1);
  for (int r = 2; r <= in.iPai; ++r) {
    const double ak = a1 + (r - 1) * (dm + sv);
    int32_t err = 0;
    const double k = RowFactor(in.h, a1, ak, x, err);
    if (err != 0) {
      static const char* kRowNames[5] = {"", "", "第二排", "第三排", "第四排"};
      message = std::string(kRowNames[r]) + std::string(svc.tTextById(err));
      return err;
    }
    in.k[r] = k;
  }
  return 0;
}

void clsBeamPjOld::Calculate(int32_t& lErr, int16_t& Index, VBArray<std::string>& Text,
                             VBArray<bool>& bText, bool& bTop, bool& bMM2, bool& bAutoCalDuoP,
                             int16_t& iPai, bool& bAsEq, bool& bAsSj, bool& bZj, bool& bAsPjl,
                             bool& bLfKd, bool& bBxGj, double& dEs, double& dMs, std::string& tF,
                             std::string& tText) {
  // Failures leave their message in tText (the host's result box) and, for input failures, the
  // field position in Index; Index is left alone otherwise. A cancelled warning changes nothing.
  lErr = 0;
  records_.clear();
  Inputs in;
  in.top = bTop;
  in.mm2 = bMM2;
  in.autoRows = bAutoCalDuoP;
  in.asEq = bAsEq;
  in.asSj = bAsSj;
  in.zj = bZj;
  in.asPjl = bAsPjl;
  in.lfkd = bLfKd;
  in.bxgj = bBxGj;
  // Rows allowed: below one means one, above four means four.
  in.iPai = std::clamp<int>(iPai, 1, 4);
  in.tF = tF;
  try {
    std::string message;
    lErr = CheckInputs(Text, bText, in, Index, message);
    if (lErr != 0) {
      tText = message;
      return;
    }
    in.ReadValues(Text);
    // The form's moment field is the crack-width moment; dMs hands back the value used (kN·m).
    if (in.lfkd) dMs = in.Ms;
    if (!ConfirmWideSection(in.b)) {
      lErr = kCancelled;
      return;
    }

    if (in.autoRows && in.iPai >= 2) {
      lErr = AutoRowFactors(in, message);
      if (lErr != 0) {
        tText = message;
        return;
      }
    }

    SearchResult res = FindBarArrangements(in.Search());
    if (res.lErr == kTooNarrow || res.lErr == kNothingFound) {
      lErr = res.lErr;
      tText = SearchFailure(res.lErr);
      return;
    }
    records_ = std::move(res.records);

    if (in.lfkd) {
      in.ftk = modKalbex::Material().CtoFtk(static_cast<float>(in.grade));
      // No modulus given: the modulus of the steel of fy (GBJ 10-89 table 2.2.4).
      if (!(dEs > 0)) dEs = modKalbex::Material().FyToEs(in.fy25);
      in.Es = dEs;
    }
    WriteTable(in, tText);
  } catch (const ArithmeticFault&) {
    lErr = kArithmetic;
    tText = std::string(modKalbex::Services().tTextById(32005)) +
            std::string(modKalbex::Services().tTextById(32007));
  }
}

namespace {

// The columns after the bar column, in table order.
enum Column { kEqArea, kActualArea, kRowFactors, kRatio, kCrackWidth, kColumns };
constexpr std::string_view kColumnHeads[kColumns] = {
    "[等效面积]", " | [实际面积]", " | /多排纵筋折减系数", " | (配筋率)", " | {裂缝宽度}"};
constexpr std::string_view kBarHead = " 实配纵筋";

// What the options put in the result table and the values its columns are worked from.
struct TableLayout {
  bool on[kColumns] = {};
  bool mm2 = false, bxgj = false;
  double b = 0, c = 0, h = 0, fy25 = 0, fy40 = 0, Ms = 0, Es = 0, ftk = 0;
  std::string_view tF;
};

// The result table of the bar selection, one line per arrangement.
class ResultTable {
 public:
  ResultTable(const TableLayout& layout, clsLfKd& lfkd, const std::vector<BeamPjRecord>& records,
              std::string_view le)
      : layout_(layout), lfkd_(lfkd), records_(records), le_(le) {
    for (int j = 0; j < kColumns; ++j) {
      width_[j] = DisplayWidth(kColumnHeads[j]);
      if (layout.on[j]) last_ = j;
    }
  }

  std::string Text() {
    DescribeRecords();
    std::string out;
    out.reserve(256 + records_.size() * (barWidth_ + 80));
    WriteHead(out);
    for (size_t n = 0; n < records_.size(); ++n) WriteRecord(out, n);
    return out;
  }

 private:
  // The arrangement texts and the bar column width. tF, when given, is the width template of the
  // bar column (a VB "@" template or any text: its length in display columns is the column
  // width); empty gives the width of the longest arrangement.
  void DescribeRecords() {
    desc_.reserve(records_.size());
    size_t w = DisplayWidth(kBarHead);
    for (const auto& r : records_) {
      desc_.push_back(" " + Describe(r));
      w = std::max(w, DisplayWidth(desc_.back()));
    }
    barWidth_ = w + 2;
    if (!layout_.tF.empty()) {
      const auto ats = static_cast<size_t>(std::count(layout_.tF.begin(), layout_.tF.end(), '@'));
      barWidth_ = std::max<size_t>(ats > 0 ? ats : DisplayWidth(layout_.tF), 1);
    }
  }

  // What is shown, the crack-width parameters when they are, the column heads and the rule.
  void WriteHead(std::string& out) const {
    out += " 显示内容：";
    out += le_;
    if (layout_.on[kCrackWidth]) {
      out += " （裂缝宽度计算参数：";
      out += layout_.bxgj ? "一、变形钢筋； " : "一、光面钢筋； ";
      out += "二、Es ＝ ";
      out += FormatNumber(layout_.Es, "0");
      out += "(MPa)）";
      out += le_;
    }
    const size_t head_start = out.size();
    AppendPadded(out, kBarHead, barWidth_);
    for (int j = 0; j < kColumns; ++j)
      if (layout_.on[j]) out += kColumnHeads[j];
    const size_t rule = DisplayWidth(std::string_view(out).substr(head_start));
    out += le_;
    out.append(rule, '-');
    out += le_;
  }

  void WriteRecord(std::string& out, size_t n) {
    const BeamPjRecord& r = records_[n];
    const size_t line_start = out.size();
    AppendPadded(out, desc_[n], barWidth_);
    const double actual = ActualArea(r);
    const double d = EquivalentDiameter(r);
    for (int j = 0; j < kColumns; ++j) {
      if (!layout_.on[j]) continue;
      cell_.clear();
      if (j > 0) cell_ += " | ";
      AppendCell(static_cast<Column>(j), n, actual, d);
      if (j == last_)
        out += cell_;
      else
        AppendPadded(out, cell_, width_[j]);
    }
    while (out.size() > line_start && out.back() == ' ') out.pop_back();
    out += le_;
  }

  void AppendCell(Column j, size_t n, double actual, double d) {
    const BeamPjRecord& r = records_[n];
    const char* areaPattern = layout_.mm2 ? "0" : "0.00";
    const double areaScale = layout_.mm2 ? 1.0 : 0.01;
    switch (j) {
      case kEqArea:
        cell_ += "[";
        AppendFormatted(cell_, EquivalentArea(r, layout_.fy25, layout_.fy40) * areaScale,
                        areaPattern);
        cell_ += "]";
        break;
      case kActualArea:
        cell_ += "[";
        AppendFormatted(cell_, actual * areaScale, areaPattern);
        cell_ += "]";
        break;
      case kRowFactors: {
        const float k[3] = {r.k2, r.k3, r.k4};
        for (int row = 2; row <= r.Rows(); ++row) {
          cell_ += "/";
          AppendFormatted(cell_, k[row - 2], "0.00");
        }
        break;
      }
      case kRatio:
        AppendRatio(actual, d);
        break;
      case kCrackWidth:
        AppendCrackWidth(n, actual, d);
        break;
      case kColumns:
        break;
    }
  }

  // Ratio to h - c - d/2. For mixed sizes and rows d is the equivalent diameter sum(n d²)/sum(n d)
  // of all bars, as the crack-width clause takes it (GBJ 10-89 5.2.2); the crack width uses the
  // same d and as = c + d/2.
  void AppendRatio(double actual, double d) {
    const double ho = layout_.h - layout_.c - d / 2;
    if (!(layout_.b > 0 && ho > 0)) return;
    cell_ += "(";
    AppendFormatted(cell_, actual / (layout_.b * ho) * 100, "0.00");
    cell_ += "%)";
  }

  // Crack width of a rectangular flexural member (GBJ 10-89 art. 5.2) with the bars of the
  // arrangement, worked without a report; shown only when it could be worked.
  void AppendCrackWidth(size_t n, double actual, double d) {
    bh_.assign(desc_[n], 1);  // the arrangement text without its leading space
    int32_t e = 0;
    bool byMoment = true, bx = layout_.bxgj, dpzj = false, cfhz = false, qzdc = false;
    double c = layout_.c, D = d, Ms = layout_.Ms, Ns = 0, As = actual, B = layout_.b, H = layout_.h,
           Bf = 0, Hf = 0, Bf1 = 0, Hf1 = 0, Lo = 0, Cas = layout_.c + d / 2, Cas1 = Cas,
           Ftk = layout_.ftk, Es = layout_.Es, W = 0;
    lfkd_.LfKdCommon(text_, e, bh_, kind_, shape_, byMoment, bx, dpzj, cfhz, qzdc, c, D, Ms, Ns, As,
                     B, H, Bf, Hf, Bf1, Hf1, Lo, Cas, Cas1, Ftk, Es, &W);
    if (e != 900200) return;
    cell_ += "{";
    AppendFormatted(cell_, W, "0.000");
    cell_ += "}";
  }

  const TableLayout& layout_;
  clsLfKd& lfkd_;
  const std::vector<BeamPjRecord>& records_;
  const std::string_view le_;
  size_t width_[kColumns] = {};
  int last_ = -1;  // the last column shown: no padding after it
  size_t barWidth_ = 0;
  std::vector<std::string> desc_;
  // Reused from record to record: the cell being built and the crack-width call's texts.
  std::string cell_, text_, bh_, kind_ = "受弯", shape_ = "矩形截面";
};

}  // namespace

void clsBeamPjOld::WriteTable(const Inputs& in, std::string& tText) {
  TableLayout layout;
  layout.on[kEqArea] = in.asEq;
  layout.on[kActualArea] = in.asSj;
  layout.on[kRowFactors] = in.zj;
  layout.on[kRatio] = in.asPjl;
  layout.on[kCrackWidth] = in.lfkd;
  layout.mm2 = in.mm2;
  layout.bxgj = in.bxgj;
  layout.b = in.b, layout.c = in.c, layout.h = in.h, layout.fy25 = in.fy25, layout.fy40 = in.fy40;
  layout.Ms = in.Ms, layout.Es = in.Es, layout.ftk = in.ftk;
  layout.tF = in.tF;
  ResultTable table(layout, *m_LfKd, records_, modKalbex::Services().tLineEnd());
  tText = table.Text();
}

// --- form operations ---------------------------------------------------------------------------

void clsBeamPjOld::Form_Load() {
  const HostRef f = Form();
  const std::string sq(modKalbex::Services().tSquareSign());
  const HostRef lbl = ControlOf(f, "lblB", 0);
  const std::string cap = "钢筋面积 (cm" + sq + ")：";
  SetText(lbl, "Caption", cap);
  SetText(lbl, "ToolTipText", " " + cap + " ");
  SetText(ControlOf(f, "CboB", 0), "ToolTipText", " " + cap + " ");
  const std::string o0 = "平方毫米 (mm" + sq + ")", o1 = "平方厘米 (cm" + sq + ")";
  SetText(ControlOf(f, "ChkOpt", 0), "Caption", o0);
  SetText(ControlOf(f, "ChkOpt", 0), "ToolTipText", o0);
  SetText(ControlOf(f, "ChkOpt", 1), "Caption", o1);
  SetText(ControlOf(f, "ChkOpt", 1), "ToolTipText", o1);
}

void clsBeamPjOld::OptB_Click(int16_t& Index) {
  const HostRef f = Form();
  const HostRef lbl = ControlOf(f, "lblB", 0);
  if (Index == 2 || Index == 3) {
    const bool mm =
        IsOn(ControlOf(f, "optB", 2) ? ControlOf(f, "optB", 2)->Get("Value") : Variant());
    const std::string cap = std::string("钢筋面积 (") + (mm ? "mm" : "cm") +
                            std::string(modKalbex::Services().tSquareSign()) + ")：";
    SetText(lbl, "Caption", cap);
    SetText(lbl, "ToolTipText", " " + cap + " ");
  }
  SetText(ControlOf(f, "CboB", 0), "ToolTipText", GetText(lbl, "ToolTipText"));
  SetText(ControlOf(f, "rtbBox"), "Text", "");
}

// ChkB(0) switches the row check boxes between "rows allowed" (automatic factors: section height
// and concrete grade needed) and "factor given" (the factor inputs). ChkB(1..3) enable, in the
// second meaning, the factor input of row 2..4 (lblB/CboB 10..12); with automatic factors those
// inputs stay disabled.
void clsBeamPjOld::ChkB_Click(int16_t& Index) {
  const HostRef f = Form();
  auto& svc = modKalbex::Services();
  const HostRef chk0 = ControlOf(f, "ChkB", 0);
  const bool autoRows = chk0 && IsOn(chk0->Get("Value"));
  static const char* kAllow[3] = {" 允许第二排纵筋 ", " 允许第三排纵筋 ", " 允许第四排纵筋 "};
  static const char* kFactor[3] = {" 第二排折减系数 ", " 第三排折减系数 ", " 第四排折减系数 "};
  auto factorInput = [&](int k) {  // k = 1..3
    const HostRef box = ControlOf(f, "ChkB", k);
    const bool on = !autoRows && box && IsOn(box->Get("Value"));
    svc.EnableLabelAndCombo(ControlOf(f, "lblB", 9 + k), ControlOf(f, "CboB", 9 + k), on);
  };
  if (Index == 0) {
    for (int k = 1; k <= 3; ++k) {
      const HostRef box = ControlOf(f, "ChkB", k);
      const char* cap = autoRows ? kAllow[k - 1] : kFactor[k - 1];
      SetText(box, "Caption", cap);
      SetText(box, "ToolTipText", cap);
      if (!autoRows)
        SetText(ControlOf(f, "lblB", 9 + k), "Caption", std::string(kFieldNames[9 + k]) + "：");
      factorInput(k);
    }
    svc.EnableLabelAndCombo(ControlOf(f, "lblB", 8), ControlOf(f, "CboB", 8), autoRows);
    svc.EnableLabelAndCombo(ControlOf(f, "lblB", 9), ControlOf(f, "CboB", 9), autoRows);
  } else if (Index >= 1 && Index <= 3) {
    factorInput(Index);
  }
}

// ChkOpt(0) (mm²) and ChkOpt(1) (cm²) are one choice, mirrored by optB(2) and optB(3). Our shared
// services component has no option-pairing operation, so the pairing is kept here: the clicked
// box's new state decides the unit, the other box and the option buttons follow, and the area
// caption is brought up to date as OptB_Click does.
void clsBeamPjOld::ChkOpt_Click(int16_t& Index) {
  if (Index != 0 && Index != 1) return;
  const HostRef f = Form();
  const HostRef clicked = ControlOf(f, "ChkOpt", Index);
  const bool on = clicked && IsOn(clicked->Get("Value"));
  const int unit = on ? Index : 1 - Index;  // 0 = mm², 1 = cm²
  SetProp(ControlOf(f, "ChkOpt", unit), "Value", Variant::Int32(1));
  SetProp(ControlOf(f, "ChkOpt", 1 - unit), "Value", Variant::Int32(0));
  SetProp(ControlOf(f, "optB", 2 + unit), "Value", Variant::Bool(true));
  SetProp(ControlOf(f, "optB", 3 - unit), "Value", Variant::Bool(false));
  int16_t opt = static_cast<int16_t>(2 + unit);
  OptB_Click(opt);
}

// Saved inputs, version "Tavrine_BeamPj_V2000.0138", one value a line in this order:
// CboB(0..16) Text, ChkB(0..3) Value, optB(0..3) Value, ChkOpt(0..1) Value. A control the form
// does not have saves an empty value and loads nothing.
namespace {
struct SavedControl {
  const char* name;
  int index;
  const char* prop;
};
std::vector<SavedControl> SavedControls() {
  std::vector<SavedControl> v;
  for (int k = 0; k < kFields; ++k) v.push_back({"CboB", k, "Text"});
  for (int k = 0; k <= 3; ++k) v.push_back({"ChkB", k, "Value"});
  for (int k = 0; k <= 3; ++k) v.push_back({"optB", k, "Value"});
  for (int k = 0; k <= 1; ++k) v.push_back({"ChkOpt", k, "Value"});
  return v;
}
}  // namespace

namespace {

void SaveControls(const HostRef& f, const std::string& path,
                  const std::vector<SavedControl>& controls) {
  auto& store = modKalbex::Persistence();
  std::vector<std::string> values;
  values.reserve(controls.size());
  for (const auto& c : controls) {
    const HostRef ctl = ControlOf(f, c.name, c.index);
    values.push_back(ctl ? ctl->Get(c.prop).AsText() : std::string());
  }
  std::string error;
  if (SaveInputs(store, path, kHeader, values, &error) != persistcode::kOk)
    throw ComponentFailure(error.empty() ? store.tCodeMessage(persistcode::kWriteFailed, path)
                                         : error);
}

// Every value is checked before any control changes: a check box or option value that is not
// True/False or a whole number of the controls' 16-bit Value refuses the whole file.
void CheckSavedValues(const std::string& path, const std::vector<SavedControl>& controls,
                      const std::vector<std::string>& vals) {
  for (size_t k = 0; k < vals.size(); ++k) {
    const std::string t = Trim(vals[k]);
    if (std::string_view(controls[k].prop) == "Text" || t.empty() || EqualsNoCase(t, "True") ||
        EqualsNoCase(t, "False"))
      continue;
    const double x = LeadingNumber(t);
    if (!(x >= -32768 && x <= 32767) || x != std::floor(x))
      throw ComponentFailure("数据文件 " + path + " 第 " + std::to_string(k + 2) + " 行的数值“" +
                             t + "”不是有效的选项值，未读取任何数据。");
  }
}

void LoadControls(const HostRef& f, const std::string& path,
                  const std::vector<SavedControl>& controls) {
  auto& store = modKalbex::Persistence();
  SavedInput data;
  std::string error;
  const int32_t code = store.Load(path, {kHeader}, data, &error);
  if (code != persistcode::kOk)
    throw ComponentFailure(error.empty() ? store.tCodeMessage(code, path) : error);
  std::vector<std::string> vals;
  for (std::string v; vals.size() < controls.size() && data.Next(v);) vals.push_back(v);
  CheckSavedValues(path, controls, vals);
  for (size_t k = 0; k < vals.size(); ++k) {
    const auto& c = controls[k];
    const std::string& v = vals[k];
    RestoreSavedValue(ControlOf(f, c.name, c.index), c.prop, v);
  }
}

}  // namespace

void clsBeamPjOld::LoadOrSaveData(std::string& tMode, std::string* tDataSaveName,
                                  HostRef* frmMain) {
  auto& svc = modKalbex::Services();
  if (frmMain && *frmMain) svc.SetMainForm(*frmMain);
  const HostRef f = sub_form_ ? sub_form_ : (frmMain ? *frmMain : HostRef());
  const std::string path = SavedInputPath(tDataSaveName, kDataFile);
  const bool save = SavedInputMode(tMode, "clsBeamPjOld") == SaveMode::kSave;
  if (save)
    SaveControls(f, path, SavedControls());
  else
    LoadControls(f, path, SavedControls());
}

void clsBeamPjOld::RegisterTexts() {
  AddTexts({
      // Check kind of the through-bar field: a bar text, checked by the calculator itself.
      {21000, "UnCheckNum"},
      {kTextBarText, "一栏应输入钢筋根数、钢筋符号和直径，如 2Φ20、2-20（根数为空时按1根计）。"},
      {kTextDiameter,
       "一栏的钢筋直径应为 6、8、10、12、14、16、18、20、22、25、28、32、36、40 之一。"},
      {kTextLegSpacing, "一栏应输入大于8的数值。"},
      {kRowFactorFlexure,
       "自动计算多排纵筋面积折减系数失败：由配筋面积求受压区高度x的受弯计算出错。"},
      {kRowFactorDepth,
       "纵筋合力点位于受压区内，(h - ak) - x / 2 ≤ "
       "0，无法自动计算面积折减系数。请减少允许的纵筋排数或加大截面高度。"},
      {kRowFactorAboveOne,
       "纵筋面积折减系数大于1，自动计算结果无效。请检查截面高度、保护层厚度和钢筋直径。"},
  });
}

const ClassInfo& clsBeamPjOld::ClassInfoOf() {
  using C [[maybe_unused]] = clsBeamPjOld;
  static const ClassInfo ci{
      "clsBeamPjOld",
      {
          Method("SubForm", &C::SubForm, {"frm"}),
          Method("Calculate", &C::Calculate,
                 {"lErr",
                  "Index",
                  {"Text", 0},
                  {"bText", 0},
                  "bTop",
                  "bMM2",
                  "bAutoCalDuoP",
                  "iPai",
                  "bAsEq",
                  "bAsSj",
                  "bZj",
                  "bAsPjl",
                  "bLfKd",
                  "bBxGj",
                  "dEs",
                  "dMs",
                  "tF",
                  "tText"}),
          Method("Form_Load", &C::Form_Load, {}),
          Method("ChkB_Click", &C::ChkB_Click, {"Index"}),
          Method("OptB_Click", &C::OptB_Click, {"Index"}),
          Method("ChkOpt_Click", &C::ChkOpt_Click, {"Index"}),
          Method("LoadOrSaveData", &C::LoadOrSaveData, {"tMode", "tDataSaveName", "frmMain"}),
      }};
  return ci;
}

}  // namespace tk
