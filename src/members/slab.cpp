#include "members/slab.h"

#include <cmath>

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"
#include "materials/material.h"
#include "members/slab_detail.h"
#include "members/slab_equations.h"
#include "section/flexure.h"
#include "service/crack_width.h"
#include "service/stiffness.h"

namespace tk {

using namespace slab;

clsBanOld::clsBanOld()
    : m_SlabCoefficients(std::make_unique<SlabCoefficients>()),
      m_FileSystem(std::make_unique<LocalFileSystem>()) {}

clsBanOld::~clsBanOld() {
  m_SlabCoefficients.reset();
  m_FileSystem.reset();
}

void clsBanOld::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsBanOld::tValue(int16_t& Index, std::string& text) {
  modKalbex::Services().SetIndexedValue(Index, text);
}

namespace {

// Messages of a field whose text is not a number, by CboB index (field 0 by the load kind).
constexpr const char* kNotNumber[16] = {"恒荷为：“",
                                        "活荷为：“",
                                        "板厚为：“",
                                        "as为：“",
                                        "混凝土强度等级为：“",
                                        "砼弯曲抗压强度为：“",
                                        "钢筋强度设计值为：“",
                                        "Lx为：“",
                                        "Ly为：“",
                                        "最小配筋率ρmin 为：“",
                                        "准永久值系数ψq 为：“",
                                        "X向板底配筋增大系数为：“",
                                        "Y向板底配筋增大系数为：“",
                                        "X向板面配筋增大系数为：“",
                                        "Y向板面配筋增大系数为：“",
                                        "泊松比ν为：“"};
constexpr const char* kFactorNames[4] = {"X向板底配筋增大系数 ＝ ", "Y向板底配筋增大系数 ＝ ",
                                         "X向板面配筋增大系数 ＝ ", "Y向板面配筋增大系数 ＝ "};
constexpr const char* kEdgeNames[4] = {"左端", "下端", "右端", "上端"};

}  // namespace

namespace {

// The support of each edge, from its three options; a message when an edge has none on.
std::string ReadEdges(const HostRef& optB, clsBanOld::Inputs& in) {
  for (int e = 0; e < 4; ++e) {
    int chosen = -1;
    for (int k = 0; k < 3 && chosen < 0; ++k)
      if (ItemOn(optB, e * 3 + k)) chosen = k;
    if (chosen < 0) return std::string(kEdgeNames[e]) + "支承条件应选取：固端、铰支或自由";
    in.edges[static_cast<size_t>(e)] = static_cast<Support>(chosen);
  }
  return {};
}

// The sixteen fields as numbers (Poisson's ratio may be "1/6"); a message at the first that is
// not one.
std::string ReadNumbers(const HostRef& CboB, clsBanOld::Inputs& in, std::string (&t)[16]) {
  double v[16] = {};
  for (int i = 0; i < 16; ++i) t[i] = Trim(ItemText(CboB, i));
  for (int i = 0; i < 15; ++i) {
    if (!IsNumericText(t[i]))
      return std::string(i == 0 && in.loadKind == 0 ? "设计值为：“" : kNotNumber[i]) + t[i] + "”";
    v[i] = LeadingNumber(t[i]);
  }
  if (t[15] == "1/6")
    v[15] = 1.0 / 6.0;
  else if (!IsNumericText(t[15]))
    return std::string(kNotNumber[15]) + t[15] + "”";
  else
    v[15] = LeadingNumber(t[15]);
  in.load = v[0], in.pk = v[1], in.h = v[2], in.as = v[3], in.grade = v[4], in.fcm = v[5];
  in.fy = v[6], in.lx = v[7], in.ly = v[8], in.rhoMin = v[9], in.psiq = v[10];
  in.factor[0] = v[11], in.factor[1] = v[12], in.factor[2] = v[13], in.factor[3] = v[14];
  in.nu = v[15];
  in.nuText = t[15];
  return {};
}

// The first bound the numbers break, empty when none; t holds the texts entered.
std::string BoundsMessage(const clsBanOld::Inputs& in, const std::string (&t)[16]) {
  if (!(in.lx > 0)) return "Lx ＝ " + t[7] + " ≤ 0";
  if (!(in.ly > 0)) return "Ly ＝ " + t[8] + " ≤ 0";
  if (std::string m = SpanRatioMessage(in.edges, in.lx, in.ly); !m.empty()) return m;
  if (in.load < 0) return "荷载值 ＜0（" + t[0] + "）";
  if (in.pk < 0) return "荷载值 ＜0（" + t[1] + "）";
  if (!(in.h > 0)) return "板厚h ＝ " + t[2] + " ≤0";
  if (!(in.grade > 0 && in.grade <= 100) ||
      modKalbex::Material().CtoFcm(static_cast<float>(in.grade)) == 0)
    return "砼强度等级应从列表框中选取";
  if (in.rhoMin >= 100) return "最小配筋率ρmin ＝ " + t[9] + "% ≥100%";
  if (!(in.rhoMin > 0)) return "最小配筋率ρmin ＝ " + t[9] + "% ≤0";
  if (in.psiq < 0) return "准永久值系数ψq ＝ " + t[10] + " ＜0";
  for (int k = 0; k < 4; ++k)
    if (in.factor[k] < 1.0) return kFactorNames[k] + t[11 + k] + " ＜1.0";
  if (!(in.as > 0)) return "纵筋合力点至近边距离as ＝ " + t[3] + " ≤0";
  if (in.as >= in.h) return "纵筋合力点至近边距离as ＝ " + t[3] + " ≥板厚h";
  if (!(in.fcm > 0)) return "砼弯曲抗压强度设计值fcm ＝ " + t[5] + " ≤0";
  if (!(in.fy > 0)) return "钢筋强度设计值fy ＝ " + t[6] + " ≤0";
  if (!(in.nu >= 0 && in.nu < 0.5)) return "泊松比ν ＝ " + t[15] + " 应在0～0.5之间";
  return {};
}

}  // namespace

// The inputs in the order of the checks. The messages are those the status bar shows; the few
// of our own (no edge option chosen, as, fcm, fy and Poisson's ratio out of range) follow the
// same pattern: name, the text entered, the bound.
int32_t clsBanOld::ReadInputs(const HostRef& CboB, const HostRef& optB, const HostRef& ChkB,
                              Inputs& in, std::string& message) {
  if (std::string m = ReadEdges(optB, in); !m.empty()) {
    message = std::move(m);
    return kInputError;
  }
  // No load option on: the characteristic total dead load.
  in.loadKind = ItemOn(optB, 12) ? 0 : ItemOn(optB, 14) ? 2 : 1;
  in.arrangement = ItemOn(ChkB, 0);

  std::string t[16];
  std::string m = ReadNumbers(CboB, in, t);
  if (m.empty()) m = BoundsMessage(in, t);
  if (!m.empty()) {
    message = std::move(m);
    return kInputError;
  }
  Panel panel{in.edges, in.lx, in.ly, in.nu};
  if (!m_SlabCoefficients->Computable(panel)) {
    message = "程序无法计算此类支承条件的板";
    return kNotComputable;
  }
  return 0;
}

bool clsBanOld::BWhetherCalculate(HostRef& CboB, HostRef& ToolBar1, HostRef& sbBar, HostRef& optB,
                                  HostRef& ChkB) {
  Inputs in;
  std::string message;
  int32_t code = 0;
  try {
    code = ReadInputs(CboB, optB, ChkB, in, message);
  } catch (const ArithmeticFault&) {
    // spans so far apart that their ratio overflows
    auto& svc = modKalbex::Services();
    message = std::string(svc.tTextById(32005)) + std::string(svc.tTextById(32007));
    code = kArithmetic;
  }
  SetText(sbBar, "Text", message);
  SetProp(ToolBar1, "Enabled", Variant::Bool(code == 0));
  return code == 0;
}

int32_t clsBanOld::BCalculate(HostRef& CboB, HostRef& ChkB, HostRef& optB,
                              VBArray<BgjRecordOld>& UseRecord, std::string& tText,
                              std::string& tNd) {
  int32_t lErr = 0;
  Report r;
  r.Title("双向板", tText);
  tNd.clear();
  try {
    Inputs in;
    std::string message;
    lErr = ReadInputs(CboB, optB, ChkB, in, message);
    if (lErr != 0) {
      r.Error(message);
    } else {
      // No bar options given: the default list.
      std::vector<BgjRecordOld> rows =
          UseRecord.empty() ? DefaultBarRows(kFyGradeII) : UseRecord.data;
      Design(in, rows, r, lErr, tNd);
    }
  } catch (const ArithmeticFault&) {
    lErr = kArithmetic;
    r.End().Raw(r.services().tTextById(32005)).Raw(r.services().tTextById(32007));
  }
  r.MoveTo(tText);
  return lErr;
}

// --- one-call wrappers ----------------------------------------------------------------------

int32_t slab::MuAsCommon(double Mu, const clsBanOld::Inputs& in, double& As, std::string& tErr) {
  clsMoment m;
  int32_t e = 0;
  int16_t iK = 1, iSecPos = 5;
  double dMu = Mu, dAs = 0;
  float sFy = fault::to_float(in.fy), sFcm = fault::to_float(in.fcm), sB = kStripWidth,
        sH = fault::to_float(in.h), sCas = fault::to_float(in.as), sKc = 0, sP = 0, sKcb = 0;
  m.MuAsCommon(e, iK, iSecPos, dMu, dAs, sFy, sFcm, sB, sH, sCas, sKc, sP, sKcb, &tErr);
  As = dAs;
  return e;
}

int32_t slab::LfKdCommon(double Ms, double d, double As, bool deformed, const clsBanOld::Inputs& in,
                         double& w) {
  clsLfKd lf;
  auto& svc = modKalbex::Services();
  std::string t, bh, kind(svc.tTextById(31342)), shape(svc.tTextById(30261));
  int32_t e = 0;
  bool byMoment = true, bx = deformed, dpzj = false, cfhz = false, qzdc = false;
  // Cover to the bar's edge from the centroid distance as.
  double c = in.as - d / 2, D = d, MsEo = Ms, Ns = 0, dAs = As, B = kStripWidth, H = in.h, Bf = 0,
         Hf = 0, Bf1 = 0, Hf1 = 0, Lo = 0, Cas = in.as, Cas1 = in.as,
         Ftk = modKalbex::Material().CtoFtk(static_cast<float>(in.grade)),
         Es = modKalbex::Material().FyToEs(deformed ? kFyGradeII : kFyGradeI);
  lf.LfKdCommon(t, e, bh, kind, shape, byMoment, bx, dpzj, cfhz, qzdc, c, D, MsEo, Ns, dAs, B, H,
                Bf, Hf, Bf1, Hf1, Lo, Cas, Cas1, Ftk, Es, &w);
  return e;
}

int32_t slab::BendComponentBl(double Ms, double Ml, double As, double Es,
                              const clsBanOld::Inputs& in, double Ec, double& Bl) {
  clsBendComponentBl b;
  int32_t e = 0;
  useRecordSection sec;
  sec.iType = 1;
  sec.B = kStripWidth;
  sec.H = fault::to_float(in.h);
  float Cas = fault::to_float(in.as),
        Ftk = modKalbex::Material().CtoFtk(static_cast<float>(in.grade)), sEs = fault::to_float(Es),
        sEc = fault::to_float(Ec);
  double dAs = As, dAs1 = 0, dMs = Ms, dMl = Ml;
  Bl = 0;
  b.BendComponentBl(e, Bl, sec, Cas, dAs, dAs1, dMs, dMl, Ftk, sEs, sEc);
  return e;
}

void clsBanOld::RegisterTexts() {
  AddTexts({
      {kTextNoBar, "钢筋选项中无满足要求的钢筋"},
  });
}

const ClassInfo& clsBanOld::ClassInfoOf() {
  using C [[maybe_unused]] = clsBanOld;
  static const ClassInfo ci{
      "clsBanOld",
      {
          Method("SubForm", &C::SubForm, {"frm"}),
          Method("tValue", &C::tValue, {"Index", "text"}),
          Method("BCalculate", &C::BCalculate,
                 {"CboB", "ChkB", "optB", {"UseRecord", 0}, "tText", "tNd"}),
          Method("BWhetherCalculate", &C::BWhetherCalculate,
                 {"CboB", "ToolBar1", "sbBar", "optB", "ChkB"}),
          Method("ReadBPJ_Gj", &C::ReadBPJ_Gj, {{"UseRecord", 0}, "Fy2"}),
          Method("ReadBPJ", &C::ReadBPJ, {{"UseRecord", 0}, "tMsg", "tFolder"}),
          Method("MakeBpjTempFile", &C::MakeBpjTempFile, {{"UseRecord", 0}, "tMsg", "tFolder"}),
          Method("WriteCurrentUse", &C::WriteCurrentUse, {{"UseRecord", 0}, "tMsg", "tFolder"}),
          Method("RmdXYEnable", &C::RmdXYEnable, {}),
          Method("OptBClick", &C::OptBClick, {"Index"}),
          Method("LblB8Caption", &C::LblB8Caption, {}),
          Method("DefaultBanPjFa", &C::DefaultBanPjFa, {}),
          Method("ChangeLblAs", &C::ChangeLblAs,
                 {"Index", "sFy", "CboD", "CboA", "ChkPj", "LblAs", "iMinA"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
          Method("ChkB_Click", &C::ChkB_Click, {"Index"}),
          Method("ChkOpt_Click", &C::ChkOpt_Click, {"Index"}),
          Method("Form_Load", &C::Form_Load, {}),
          Method("CboAD_KeyPress", &C::CboAD_KeyPress, {"Index", "KeyAscii"}),
          Method("bLoadOrSaveData", &C::bLoadOrSaveData, {"tMode", "tDataSaveName", "frmMain"}),
          Method("LoadOrSaveData", &C::LoadOrSaveData, {"tMode", "tDataSaveName", "frmMain"}),
      }};
  return ci;
}

}  // namespace tk
