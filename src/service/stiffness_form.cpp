// clsBendComponentBl form operations: the deflection-conversion form, bound through SubForm.
//
// Sub-form controls (any may be absent):
//   lblB(0..24), CboB(0..24)
//       0 analysis program: "SATWE", "TBSA", "TBSA （V5.0 Windows版本）" or "手工输入"
//       1 data folder of the program (a file chosen in it stands for its folder)
//       2 beam position "中梁" / "边梁"       3 the combination of Ms (written from the files)
//       4 floor   5 beam number   6 fd (mm)   7 Bk   8 λb   9 ψq
//       10 Ms, 11 Ml (kN·m)   12 As, 13 As' (mm²)   14 section shape   15 b, 16 h (mm)
//       17 bf, 18 hf (both flanges of the symmetric I section)   19 bf', 20 hf'
//       21 lo, 22 as (mm)   23 concrete grade   24 Es (N/mm²)
//   ChkB(0)  high-rise building (wind and earthquake combinations of the result files)
//   lblJg    the result line, or the message of a failure
//   rtbBox   the report, when DisPlayNdHs is asked to show it
// With an analysis program, fields 10 to 13, 15 and 16 (and 23 for TBSA) are read from its result
// files and written back to the form; fields 1, 3, 4, 5 and 9 serve only that reading. The
// reading keeps the elastic moments as printed (the reader's redistribution coefficient 1).
#include <cfloat>
#include <filesystem>

#include "frame/form_inputs.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "service/deflection_conversion.h"
#include "service/result_files.h"
#include "service/result_files_detail.h"
#include "service/stiffness.h"

namespace tk {

namespace {

constexpr int kFields = 25;
enum : int {
  kProgram = 0,
  kFolder = 1,
  kPosition = 2,
  kLoadCase = 3,
  kFloor = 4,
  kBeam = 5,
  kFd = 6,
  kBk = 7,
  kLambda = 8,
  kPsiq = 9,
  kMs = 10,
  kMl = 11,
  kAs = 12,
  kAs1 = 13,
  kShape = 14,
  kB = 15,
  kH = 16,
  kBf = 17,
  kHf = 18,
  kBf1 = 19,
  kHf1 = 20,
  kLo = 21,
  kCas = 22,
  kGrade = 23,
  kEs = 24,
};

// Texts of the beam positions; an edge beam is recognised by text 31360.
constexpr int32_t kTextEdgeBeam = 31360, kTextMiddleBeam = 31361;
// Check kind of the shape field: a choice from the list, not a number.
constexpr int32_t kTextShapeKind = 21000;
// Our code: a section shape that is not one of the list.
constexpr int32_t kBlShapeNotInList = 9101;
constexpr int32_t kBlFault = 9999;

constexpr const char* kManual = "手工输入";
constexpr const char* kTbsaV5 = "TBSA （V5.0 Windows版本）";

enum class Program { kNone, kSatwe, kTbsa };

Program ProgramOf(std::string_view text) {
  const std::string_view t = TrimView(text);
  auto starts = [&](std::string_view p) {
    return t.size() >= p.size() && EqualsNoCase(t.substr(0, p.size()), p);
  };
  if (starts("SATWE")) return Program::kSatwe;
  if (starts("TBSA")) return Program::kTbsa;
  return Program::kNone;
}

// Shape code of useRecordSection by its name; 0 for a text that is none of them.
int16_t ShapeCode(std::string_view text) {
  static constexpr int32_t kIds[] = {30261, 30262, 30264, 30265, 30266, 30263};
  auto& svc = modKalbex::Services();
  for (int16_t k = 0; k < 6; ++k)
    if (TrimView(text) == svc.tTextById(kIds[k])) return static_cast<int16_t>(k + 1);
  return 0;
}

struct BlState {
  Program program = Program::kNone;
  int16_t shape = 0;
};

bool LowerFlange(int16_t shape) {
  return shape == 2 || shape == 4 || shape == 5;
}
bool UpperFlange(int16_t shape) {
  return shape == 3 || shape == 5 || shape == 6;
}

// Whether field k is entered by the user in this state (disabled fields are not checked).
bool FieldUsed(const BlState& s, int k) {
  const bool files = s.program != Program::kNone;
  switch (k) {
    case kFolder:
    case kFloor:
    case kBeam:
    case kPsiq:
      return files;
    case kLoadCase:
      return false;  // written from the result files only
    case kMs:
    case kMl:
    case kAs:
    case kAs1:
    case kB:
    case kH:
      return !files;
    case kGrade:
      return s.program != Program::kTbsa;
    case kBf:
    case kHf:
      return LowerFlange(s.shape);
    case kBf1:
    case kHf1:
      return UpperFlange(s.shape);
    default:
      return k >= 0 && k < kFields;
  }
}

std::string FieldName(const BlState& s, int k) {
  switch (k) {
    case kFloor:
      return "计算层号";
    case kBeam:
      return "梁编号";
    case kFd:
      return "弹性挠度fd";
    case kBk:
      return "中粱弹性刚度增大系数Bk";
    case kLambda:
      return "受拉钢筋实配增大系数λb";
    case kPsiq:
      return "活荷载准永久值系数ψq";
    case kMs:
      return "荷载短期效应组合的弯矩值Ms";
    case kMl:
      return "荷载长期效应组合的弯矩值Ml";
    case kAs:
      return "受拉区纵筋实配面积As";
    case kAs1:
      return "受压区纵筋实配面积As'";
    case kShape:
      return "截面形式";
    case kB:
      return "截面宽度b";
    case kH:
      return "截面高度h";
    case kBf:
      return s.shape == 4 ? "翼缘宽度bf、bf'" : "受拉区翼缘宽度bf";
    case kHf:
      return s.shape == 4 ? "翼缘高度hf、hf'" : "受拉区翼缘高度hf";
    case kBf1:
      return "受压区翼缘宽度bf'";
    case kHf1:
      return "受压区翼缘高度hf'";
    case kLo:
      return "计算跨度lo";
    case kCas:
      return "纵筋合力点至近边距离as";
    case kGrade:
      return "混凝土强度等级";
    case kEs:
      return "钢筋弹性模量Es";
    default:
      return {};
  }
}

std::string Template(int k) {
  switch (k) {
    case kFloor:
    case kBeam:
      return "I>0";
    case kPsiq:
    case kAs1:
      return "S>=0";
    case kShape:
      return std::string(modKalbex::Services().tTextById(kTextShapeKind));
    default:
      return "S>0";
  }
}

struct BlCheck {
  int32_t code = 0;
  int field = -1;
  std::string message;
};

// One field against its template; the floor and beam numbers must also fit the 16-bit numbers
// of the result-file reading, the other numbers a 32-bit float, and the shape must be one of the
// list.
bool CheckField(const BlState& s, const HostRef& cbo, int k, BlCheck& out) {
  IInputCheck& ic = modKalbex::InputCheck();
  const std::string text = FieldText(ItemOf(cbo, k));
  const std::string name = FieldName(s, k);
  int32_t code = 0;
  ic.CheckFieldText(Template(k), name, text, k == kGrade ? -1 : 0, code);
  // The section, as, Es and ψq go on as 32-bit floats: a number beyond their range is refused.
  const double limit = k == kFloor || k == kBeam ? 32767.0 : static_cast<double>(FLT_MAX);
  if (code == 0 && k != kShape && LeadingNumber(text) > limit) code = checkcode::kOutOfRange;
  if (code != 0) {
    out = {code, k, ic.tCodeMessage(code, name, text)};
    return false;
  }
  if (k == kShape && s.shape == 0) {
    out = {kBlShapeNotInList, k, name + "应从列表框中选取。"};
    return false;
  }
  return true;
}

// Message of a result-file code; tErr names the floor, the beam or the missing file.
std::string ResultFileMessage(int32_t code, const std::string& tErr) {
  using namespace msml;
  std::string m;
  switch (code) {
    case kErrFolderEmpty:
      m = "请指定分析程序工程数据的目录。";
      break;
    case kErrFolderMissing:
      m = "工程数据的目录“" + tErr + "”不存在。";
      break;
    case kErrWnlMissing:
    case kErrWpjMissing:
    case kErrTbsa4Missing:
    case kErrStrucMissing:
      m = "工程数据的目录中找不到计算结果文件“" + tErr + "”。";
      break;
    case kErrSatweBeamNotInWpj:
      m = "第 " + tErr + " 层的WPJ文件中找不到该梁，或该梁没有配筋数据。";
      break;
    case kErrSatweNoLoadCase:
      m = "第 " + tErr + " 层的WNL文件中没有可识别的荷载工况。";
      break;
    case kErrSatweBeamNotInWnl:
      m = "第 " + tErr + " 层的WNL文件中找不到该梁的内力。";
      break;
    case kErrSatweListingEnded:
      m = "WNL文件在该梁的最后一个荷载工况之前结束。";
      break;
    case kErrTbsaFloorNotFound:
      m = "TBSA计算结果中找不到第 " + tErr + " 层。";
      break;
    case kErrTbsaBeamNotFound:
      m = "TBSA计算结果中找不到 " + tErr + " 号梁。";
      break;
    case kErrTbsaNoForceHeader:
      m = "TBSA计算结果中找不到 " + tErr + " 号梁的内力表。";
      break;
    case kErrTbsaIncomplete:
      m = "TBSA计算结果中该梁的荷载工况或配筋数据不完整。";
      break;
    case kErrPsiqRange:
      m = "活荷载准永久值系数ψq应在0～1之间。";
      break;
    default:
      m = "读取分析程序的计算结果失败。";
      break;
  }
  return m + "（错误代码：" + std::to_string(code) + "）";
}

// A file chosen in the data folder stands for the folder ("…\WNL2.OUT").
std::string DataFolder(const std::string& text) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path p(text);
  if (!text.empty() && fs::is_regular_file(p, ec)) return p.parent_path().string();
  return text;
}

// Reads the span's governing values from the result files into `in` and writes them to the form.
// Returns 0 or the result-file code with its message.
int32_t ReadResultFiles(const BlState& s, const HostRef& cbo, deflection::Input& in,
                        std::string& message) {
  clsMsMl reader;
  const std::string floor = FieldText(ItemOf(cbo, kFloor));
  in.folder = DataFolder(FieldText(ItemOf(cbo, kFolder)));
  in.floor = static_cast<int16_t>(LeadingNumber(floor));
  in.beam = static_cast<int16_t>(LeadingNumber(FieldText(ItemOf(cbo, kBeam))));
  int32_t lErr = 0;
  std::string tErr;
  const bool satwe = s.program == Program::kSatwe;
  reader.CheckFileExist_MsMl(lErr, satwe ? "satwe" : "tbsa", in.folder, floor, tErr);
  VBArray<VBArray<float>> ms, as;
  VBArray<VBArray<int16_t>> lc;
  VBArray<float> ml;
  float sB = 0, sH = 0, sC = 0;
  if (lErr == 0) {
    if (satwe) {
      reader.CalMaxMsForSATWE_1129(lErr, in.folder, ms, lc, as, in.floor, in.beam, sB, sH,
                                   in.high_rise, in.psi_q, &ml, &tErr);
    } else {
      int32_t line = 0;
      reader.CalMaxMsForTbsa(lErr, line, in.folder, in.program, ms, lc, as, in.floor, in.beam, sB,
                             sH, in.high_rise, sC, in.psi_q, &ml, &tErr);
    }
  }
  if (lErr != 0) {
    message = ResultFileMessage(lErr, tErr);
    return lErr;
  }
  // The deflection is governed by the largest sagging moment of the span (row 1, column 1) with
  // the bottom steel of the span as tension steel and the top steel as compression steel.
  const float Ms = ms(1)(1), Ml = ml(1), As = as(1)(1), As1 = as(1)(0);
  in.load_case = reader.tMs_LoadCase(lc(1)(1));
  SetText(ItemOf(cbo, kMs), "Text", ShortestText(Ms));
  SetText(ItemOf(cbo, kMl), "Text", ShortestText(Ml));
  SetText(ItemOf(cbo, kAs), "Text", ShortestText(As));
  SetText(ItemOf(cbo, kAs1), "Text", ShortestText(As1));
  SetText(ItemOf(cbo, kB), "Text", ShortestText(sB));
  SetText(ItemOf(cbo, kH), "Text", ShortestText(sH));
  SetText(ItemOf(cbo, kLoadCase), "Text", in.load_case);
  if (!satwe && sC > 0) SetText(ItemOf(cbo, kGrade), "Text", ShortestText(sC));
  return 0;
}

void SetFlangeCaptions(const HostRef& lbl, const HostRef& cbo, int16_t shape) {
  const bool sym = shape == 4;
  SetCaption(ItemOf(lbl, kBf), sym ? "翼缘宽度bf、bf' (mm)" : "受拉区翼缘宽度bf (mm)");
  SetCaption(ItemOf(lbl, kHf), sym ? "翼缘高度hf、hf' (mm)" : "受拉区翼缘高度hf (mm)");
  for (int k : {kBf, kHf})
    SetText(ItemOf(cbo, k), "ToolTipText", GetText(ItemOf(lbl, k), "ToolTipText"));
}

void SetFolderCaption(const HostRef& lbl, const HostRef& cbo, Program p) {
  const char* cap = p == Program::kSatwe  ? "SATWE 工程数据的目录："
                    : p == Program::kTbsa ? "TBSA 工程数据的目录："
                                          : "工程数据的目录：";
  const char* tip = p == Program::kSatwe ? " SATWE 工程数据的目录：(选定任意WNL*.OUT或WPJ*.OUT) "
                    : p == Program::kTbsa ? " TBSA 工程数据的目录：(选定Tbsa4.Out) "
                                          : " 工程数据的目录 ";
  const HostRef l = ItemOf(lbl, kFolder), c = ItemOf(cbo, kFolder);
  SetText(l, "Caption", cap);
  SetText(l, "ToolTipText", tip);
  SetText(c, "ToolTipText", tip);
}

}  // namespace

void clsBendComponentBl::RegisterTexts() {
  AddTexts({{kTextEdgeBeam, "边梁"}, {kTextMiddleBeam, "中梁"}});
}

void clsBendComponentBl::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  if (Index < 0 || Index >= kFields) return;
  int32_t cls = keyclass::kPositiveNumber;
  if (Index <= kLoadCase || Index == kShape)
    cls = keyclass::kText;
  else if (Index == kFloor || Index == kBeam)
    cls = keyclass::kInteger;
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, cls);
}

void clsBendComponentBl::Form_Load() {
  const HostRef f = sub_form_;
  const HostRef lbl = ControlOf(f, "lblB"), cbo = ControlOf(f, "CboB");
  auto& svc = modKalbex::Services();
  const std::string sq(svc.tSquareSign());
  const std::pair<int, std::string> captions[] = {
      {kProgram, "分析程序："},
      {kPosition, "梁的位置："},
      {kLoadCase, "Ms的荷载组合："},
      {kFloor, "计算层号："},
      {kBeam, "梁编号："},
      {kFd, "弹性挠度fd (mm)："},
      {kBk, "中梁弹性刚度增大系数Bk："},
      {kLambda, "受拉钢筋实配增大系数λb："},
      {kPsiq, "活荷载准永久值系数ψq："},
      {kMs, "荷载短期效应组合的弯矩值Ms (kN·M)："},
      {kMl, "荷载长期效应组合的弯矩值Ml (kN·M)："},
      {kAs, "受拉区纵筋实配面积As (mm" + sq + ")："},
      {kAs1, "受压区纵筋实配面积As' (mm" + sq + ")："},
      {kShape, "截面形式："},
      {kB, "截面宽度b (mm)："},
      {kH, "截面高度h (mm)："},
      {kBf1, "受压区翼缘宽度bf' (mm)"},
      {kHf1, "受压区翼缘高度hf' (mm)"},
      {kLo, "计算跨度lo (mm)："},
      {kCas, "纵筋合力点至近边距离as (mm)："},
      {kEs, "钢筋弹性模量Es (N/mm" + sq + ")："},
  };
  for (const auto& [k, cap] : captions) {
    SetCaption(ItemOf(lbl, k), cap);
    SetText(ItemOf(cbo, k), "ToolTipText", GetText(ItemOf(lbl, k), "ToolTipText"));
  }
  auto fill = [&](int k, const std::vector<std::string_view>& items) {
    const HostRef c = ItemOf(cbo, k);
    const std::string keep = FieldText(c);
    FillList(c, items);
    bool listed = false;
    for (auto t : items) listed |= t == keep;
    SetText(c, "Text", listed ? keep : std::string(items.front()));
  };
  fill(kProgram, {"SATWE", "TBSA", kTbsaV5, kManual});
  fill(kPosition, {svc.tTextById(kTextMiddleBeam), svc.tTextById(kTextEdgeBeam)});
  fill(kShape, {svc.tTextById(30261), svc.tTextById(30262), svc.tTextById(30264),
                svc.tTextById(30265), svc.tTextById(30266), svc.tTextById(30263)});
  const std::string grade = FieldText(ItemOf(cbo, kGrade));
  modKalbex::Material().HntQdAddCboB(0, ItemOf(cbo, kGrade), ItemOf(lbl, kGrade),
                                     grade.empty() ? "20" : grade);
  SetText(ControlOf(f, "ChkB", 0), "Caption", "高层建筑结构");
  int16_t k = kProgram;
  CboBChangeAndClick(k);
}

// Any change refreshes the flange captions of the shape, the folder caption of the program and
// the enabled fields.
void clsBendComponentBl::CboBChangeAndClick(int16_t& Index) {
  (void)Index;
  const HostRef f = sub_form_;
  const HostRef lbl = ControlOf(f, "lblB"), cbo = ControlOf(f, "CboB");
  BlState s;
  s.program = ProgramOf(FieldText(ItemOf(cbo, kProgram)));
  s.shape = ShapeCode(FieldText(ItemOf(cbo, kShape)));
  SetFlangeCaptions(lbl, cbo, s.shape);
  SetFolderCaption(lbl, cbo, s.program);
  auto& svc = modKalbex::Services();
  for (int k = kFolder; k < kFields; ++k)
    svc.EnableLabelAndCombo(ItemOf(lbl, k), ItemOf(cbo, k), FieldUsed(s, k));
  svc.EnableControl(ControlOf(f, "ChkB", 0), s.program != Program::kNone);
}

int32_t clsBendComponentBl::DisPlayNdHs(bool& bShowRtb, std::string& tText, std::string& tBh) {
  const HostRef f = sub_form_;
  const HostRef cbo = ControlOf(f, "CboB"), result = ControlOf(f, "lblJg");
  BlState s;
  s.program = ProgramOf(FieldText(ItemOf(cbo, kProgram)));
  s.shape = ShapeCode(FieldText(ItemOf(cbo, kShape)));
  auto fail = [&](int32_t code, int field, const std::string& message) {
    tText = message;
    SetText(result, "Caption", message);
    if (bShowRtb) SetText(ControlOf(f, "rtbBox"), "Text", message);
    if (const HostRef c = field >= 0 ? ItemOf(cbo, field) : nullptr) c->Call("SetFocus", {});
    return code;
  };
  BlCheck check;
  for (int k = kFloor; k < kFields; ++k)
    if (FieldUsed(s, k) && !CheckField(s, cbo, k, check))
      return fail(check.code, check.field, check.message);

  auto num = [&](int k) { return LeadingNumber(FieldText(ItemOf(cbo, k))); };
  deflection::Input in;
  in.edge = modKalbex::bTextEq(FieldText(ItemOf(cbo, kPosition)),
                               modKalbex::Services().tTextById(kTextEdgeBeam));
  if (s.program != Program::kNone) {
    in.program = FieldText(ItemOf(cbo, kProgram));
    in.high_rise = IsOn(ControlOf(f, "ChkB", 0));
    in.psi_q = static_cast<float>(num(kPsiq));
    std::string message;
    if (const int32_t code = ReadResultFiles(s, cbo, in, message); code != 0)
      return fail(code, kFolder, message);
    // What the files gave is checked like an entry (a hogging span, a beam without steel).
    for (int k : {kMs, kMl, kAs, kAs1, kB, kH, kGrade})
      if (!CheckField(s, cbo, k, check)) return fail(check.code, check.field, check.message);
  }
  in.fd = num(kFd), in.Bk = num(kBk), in.lambda_b = num(kLambda);
  in.Ms = num(kMs), in.Ml = num(kMl), in.As = num(kAs), in.As1 = num(kAs1);
  useRecordSection& sec = in.sec;
  sec.iType = s.shape;
  sec.B = static_cast<float>(num(kB)), sec.H = static_cast<float>(num(kH));
  if (LowerFlange(s.shape))
    sec.Bf = static_cast<float>(num(kBf)), sec.Hf = static_cast<float>(num(kHf));
  if (UpperFlange(s.shape))
    sec.Bf1 = static_cast<float>(num(kBf1)), sec.Hf1 = static_cast<float>(num(kHf1));
  if (s.shape == 4) sec.Bf1 = sec.Bf, sec.Hf1 = sec.Hf;  // one entry for both flanges
  in.lo = num(kLo), in.as = num(kCas), in.grade = num(kGrade), in.Es = num(kEs);
  clsMaterial& mat = modKalbex::Material();
  in.ftk = mat.CtoFtk(static_cast<float>(in.grade));
  in.Ec = mat.CtoEc(in.grade);

  Report r;
  const deflection::Result res = deflection::Convert(in, *this, r, tBh);
  r.MoveTo(tText);
  if (bShowRtb) SetText(ControlOf(f, "rtbBox"), "Text", tText);
  if (res.lErr == 0) {
    SetText(result, "Caption", deflection::ResultLine(res));
    return 0;
  }
  auto& svc = modKalbex::Services();
  SetText(result, "Caption", std::string(svc.tTextById(32005)) + std::string(svc.tTextById(32007)));
  return kBlFault;
}

}  // namespace tk
