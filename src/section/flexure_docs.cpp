// clsMoment: parameters of its operations and its error codes (flexure 1001xx, shear 2001xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// Parameters the flexure entries share: the direction, the section position and the section.
constexpr docs::Param kFlexureDirection{"iK",       "in",        "",
                                        "计算方向", "direction", "1 = As from Mu, 2 = Mu from As"};
constexpr docs::Param kFlexureSectionPosition{
    "iSecPos",
    "in",
    "",
    "截面位置",
    "section position",
    "1 = grade-1 seismic frame-beam end, 2/3 = grade-2/3 end, 4 = grade-4 end, 5 = "
    "ordinary section"};
constexpr docs::Param kFlexureArea{"dAs",
                                   "in/out",
                                   "mm²",
                                   "受拉钢筋面积As",
                                   "tension steel As: output for iK = 1, input for iK = 2",
                                   ""};
constexpr docs::Param kFlexureCover{"sCas", "in", "mm", "as", "steel centroid to the near face as",
                                    ""};
constexpr docs::Param kRelativeDepth{"sKc", "out", "", "相对受压区高度ξ", "ξ = x/ho", ""};

// The code, the direction and position, Mu and As of both flexure entries. After iK = 1 both
// leave Mu in N·mm, the unit their equations work in.
std::vector<docs::Param> FlexureHead() {
  return {
      {"lErrNumber", "out", "", "错误代码", "error code",
       "0; 100110-100112 warnings; 100101-100109, 100113, 100114 stop; 100199 fault"},
      kFlexureDirection,
      kFlexureSectionPosition,
      {"dMu", "in/out", "kN·m", "弯矩设计值Mu",
       "design moment Mu: input for iK = 1 (returned in N·mm), output for iK = 2", ""},
      kFlexureArea,
  };
}

// The section (b, h, as) and the relative depth ξ it gives.
std::vector<docs::Param> FlexureSection() {
  return {docs::SectionWidth("sB"), docs::SectionHeight("sH"), kFlexureCover, kRelativeDepth};
}

docs::Operation MuAsCommonDoc() {
  return {
      "MuAsCommon", "矩形截面受弯（无计算书）", "flexure of a rectangular section, no report",
      docs::Join({FlexureHead(),
                  {
                      {"sFy", "in", "N/mm²", "钢筋强度设计值fy", "steel design strength fy", ""},
                      {"sFcm", "in", "N/mm²", "混凝土弯曲抗压强度设计值fcm", "concrete fcm", ""},
                  },
                  FlexureSection(),
                  {
                      {"sP", "out", "", "配筋率ρ", "ρ = As/(b·ho), a fraction", ""},
                      {"sKcb", "out", "", "ξ限值", "the ξ limit applied (ξb, 0.25 or 0.35)", ""},
                      docs::kErrorMessage,
                  }})};
}

docs::Operation CalMuAsDoc() {
  return {
      "CalMu_As", "矩形截面受弯计算书", "flexure of a rectangular section with the report",
      docs::Join({FlexureHead(),
                  {
                      {"tFy", "in", "N/mm²", "钢筋等级或fy", "steel grade text or fy as a number",
                       "Ⅰ级/I/1级/HPB235, Ⅱ级/II/2级/HRB335, a number"},
                      {"iFcm", "in", "", "混凝土输入方式", "how sFcm is read",
                       "0 = sFcm is the concrete grade C; other = sFcm is fcm"},
                      {"sFcm", "in/out", "N/mm²", "混凝土强度等级或fcm",
                       "concrete grade C (iFcm = 0) or fcm", ""},
                  },
                  FlexureSection(),
                  {
                      {"sP", "out", "", "配筋率ρ", "ρ = As/(b·ho)", ""},
                      {"sPmin", "in/out", "%", "最小配筋率ρmin",
                       "user minimum ratio in percent; returns the applied minimum", ""},
                      {"sKcb", "out", "", "ξ限值", "the ξ limit applied", ""},
                      docs::kReportWithLabel,
                  }})};
}

// The shear entries: direction, position, the shear V in and out, and the detailing results.
constexpr docs::Param kShearDirection{"iK",       "in",        "",
                                      "计算方向", "direction", "1 = Asv from V, 2 = V from Asv"};
constexpr docs::Param kShearSectionPosition{
    "iSecPos",
    "in",
    "",
    "截面位置",
    "section position",
    "1-4 = seismic frame-beam end of that grade, 5 = ordinary"};
// V is read in kN and, after iK = 1, left in N, the unit the shear equations work in; a caller
// that reuses it converts it back.
constexpr docs::Param kShearForce{
    "dV",
    "in/out",
    "kN",
    "剪力设计值V",
    "design shear V: input for iK = 1 (returned in N), output for iK = 2",
    ""};
constexpr docs::Param kShearCover{"sCas", "in", "mm", "as", "as", ""};
constexpr docs::Param kSectionLimitFactor{
    "sK", "out", "", "截面限制系数β", "section-limit coefficient β", ""};
constexpr docs::Param kMinStirrupDiameter{
    "sDmin", "out", "mm", "箍筋最小直径Dmin", "minimum stirrup diameter", ""};
docs::Param MaxStirrupSpacing(std::string_view name) {
  return {name, "out", "mm", "箍筋最大间距Smax", "maximum stirrup spacing", ""};
}

docs::Operation VAsCommonDoc() {
  return {
      "VAsCommon",
      "矩形截面受剪（无计算书）",
      "shear of a rectangular section, no report",
      {
          {"lErrNumber", "out", "", "错误代码", "error code",
           "0; 200110/200111 notes; 200112/200113 section too small; 200101-200109, 200114, "
           "200115 stop; 200199 fault"},
          kShearDirection,
          kShearSectionPosition,
          kShearForce,
          {"dAs", "in/out", "mm²", "箍筋面积Asv",
           "stirrup area Asv (all legs, per spacing s): output for 1, input for 2", ""},
          {"sFy", "in", "N/mm²", "箍筋强度fyv", "stirrup strength fyv (above 310 taken as 310)",
           ""},
          {"Fc", "in", "N/mm²", "混凝土轴心抗压强度fc", "concrete fc", ""},
          docs::SectionWidth("sB"),
          docs::SectionHeight("sH"),
          kShearCover,
          {"sAt", "in", "mm", "箍筋间距s", "stirrup spacing s", ""},
          {"sAsMin", "out", "mm²", "最小配箍面积Asvmin", "minimum stirrup area for spacing s", ""},
          kSectionLimitFactor,
          {"sKcal", "out", "", "V/(fc·b·ho)",
           "only when the section is too small: V/(fc·b·ho) (seismic: 0.85·V)", ""},
          kMinStirrupDiameter,
          MaxStirrupSpacing("sAtMax"),
      }};
}

docs::Operation CalVAsDoc() {
  return {"CalV_As",
          "矩形截面受剪计算书",
          "shear of a rectangular section with the report",
          {
              {"lErr", "out", "", "错误代码", "error code",
               "0; 200110/200111 notes; 200112/200113 section too small; 200101-200109 stop; "
               "200199 fault"},
              kShearDirection,
              kShearSectionPosition,
              kShearForce,
              {"dAsv", "in/out", "mm²", "箍筋面积Asv", "stirrup area Asv", ""},
              {"tFyv", "in", "N/mm²", "箍筋等级或fyv", "stirrup steel grade text or fyv",
               "Ⅰ级/I/HPB235, Ⅱ级/II/HRB335, a number"},
              {"iFc", "in", "", "混凝土输入方式", "how sfC is read",
               "0 = sfC is the concrete grade C; other = sfC is fc"},
              {"sfC", "in", "N/mm²", "混凝土强度等级或fc", "concrete grade C (iFc = 0) or fc", ""},
              docs::SectionWidth("sB"),
              docs::SectionHeight("sH"),
              kShearCover,
              {"sS", "in", "mm", "箍筋间距s", "stirrup spacing s", ""},
              {"sAsvMin", "out", "mm²", "最小配箍面积Asvmin", "minimum stirrup area", ""},
              kSectionLimitFactor,
              {"sKcal", "out", "", "V/(fc·b·ho)", "when the section is too small", ""},
              kMinStirrupDiameter,
              MaxStirrupSpacing("sSmax"),
              docs::kReportWithLabel,
          }};
}

// The operations of the host's working form.
std::vector<docs::Operation> MomentFormDocs() {
  return {
      docs::LetControlsOp(),
      {"bRestrain",
       "保持焦点",
       "property: True while the last Calculate / CalculateA stopped at a wrong field",
       {
           {"return", "out", "", "保持焦点", "True: the host keeps the focus on the wrong field",
            ""},
       }},
      docs::KeyPressOp(),
      docs::LoadOrSaveOp("load or save the inputs of the working form",
                         "data file (default QvfdMu01.tav)", false),
      {"Calculate",
       "读窗体并计算",
       "read and check the fields, run CalMu_As, write the results and report to the form",
       {}},
      {"CalculateA",
       "读窗体并计算（返回计算书）",
       "the same, with the report returned in tText",
       {
           {"tText", "in/out", "", "计算书（入口为构件编号）",
            "report; on entry the label (used when field 7 is empty); unchanged on a wrong field",
            ""},
       }},
      docs::OptionButtonOp("option-button handler of the working form"),
      {"OptMu_Click",
       "计算方向选项",
       "direction option of the working form",
       {
           {"Index", "in", "", "选项按钮序号", "option-button index", ""},
       }},
      docs::CheckBoxOp("option check-box handler of the working form"),
  };
}

docs::ClassDoc MomentDoc() {
  docs::ClassDoc doc{"clsMoment",
                     "矩形截面受弯、受剪",
                     "flexure and shear of rectangular sections (GBJ 10-89)",
                     {MuAsCommonDoc(), CalMuAsDoc(), VAsCommonDoc(), CalVAsDoc()}};
  for (auto& op : MomentFormDocs()) doc.operations.push_back(std::move(op));
  return doc;
}

}  // namespace

void RegisterMomentDocs() {
  docs::AddClass(MomentDoc());
  docs::AddCodes({
      {100101, "clsMoment", Outcome::Stop, "弯矩Mu ＜0", "design moment Mu < 0"},
      {100102, "clsMoment", Outcome::Stop, "配筋面积As ＜0", "reinforcement area As < 0"},
      {100103, "clsMoment", Outcome::Stop, "钢筋抗拉强度设计值fy ≤0",
       "steel design strength fy <= 0 (an unrecognised steel grade text gives fy = 0)"},
      {100104, "clsMoment", Outcome::Stop, "砼弯曲抗压强度设计值fcm ≤0",
       "concrete flexural compressive strength fcm <= 0 (no grade given?)"},
      {100105, "clsMoment", Outcome::Stop, "截面宽度b ≤0", "section width b <= 0"},
      {100106, "clsMoment", Outcome::Stop, "截面高度h ≤0", "section height h <= 0"},
      {100107, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≤0",
       "distance as from the bar centroid to the near face <= 0"},
      {100108, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≥截面高度h",
       "as >= h: no effective depth ho = h - as"},
      {100109, "clsMoment", Outcome::Stop, "受压区高度x ≥截面有效高度ho",
       "no compression depth below ho: the moment (or area) is too large for the section"},
      {100110, "clsMoment", Outcome::Warning, "相对受压区高度ξ ＞ 0.25",
       "grade-1 seismic frame-beam end: xi > 0.25; results written"},
      {100111, "clsMoment", Outcome::Warning, "相对受压区高度ξ ＞ 0.35",
       "grade-2/3 seismic frame-beam end: xi > 0.35; results written"},
      {100112, "clsMoment", Outcome::Warning, "相对受压区高度ξ ＞ ξb",
       "xi > xi_b: over-reinforced section; results written"},
      {100113, "clsMoment", Outcome::Stop, "计算方向应为1或2",
       "iK must be 1 (As from Mu) or 2 (Mu from As)"},
      {100114, "clsMoment", Outcome::Stop, "截面位置应为1～5",
       "iSecPos must be 1 to 5 (1-4 seismic frame-beam end grade, 5 ordinary)"},
      {100199, "clsMoment", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero) in the flexure calculation"},
      {200101, "clsMoment", Outcome::Stop, "剪力V ＜0", "design shear V < 0"},
      {200102, "clsMoment", Outcome::Stop, "箍筋面积Asv ＜0", "stirrup area Asv < 0"},
      {200103, "clsMoment", Outcome::Stop, "箍筋强度设计值fyv ≤0",
       "stirrup design strength fyv <= 0 (an unrecognised steel grade text gives fyv = 0)"},
      {200104, "clsMoment", Outcome::Stop, "砼轴心抗压强度设计值fc ≤0",
       "concrete compressive strength fc <= 0"},
      {200105, "clsMoment", Outcome::Stop, "截面宽度b ≤0", "section width b <= 0"},
      {200106, "clsMoment", Outcome::Stop, "截面高度h ≤0", "section height h <= 0"},
      {200107, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≤0", "as <= 0"},
      {200108, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≥截面高度h",
       "as >= h: no effective depth"},
      {200109, "clsMoment", Outcome::Stop, "箍筋间距S ≤0", "stirrup spacing s <= 0"},
      {200110, "clsMoment", Outcome::Note, "V ≤ 0.07fcbho，按构造配箍",
       "V <= 0.07 fc b ho: detailing stirrups only; results complete"},
      {200111, "clsMoment", Outcome::Note, "V ≤ 0.056fcbho/γRE，按构造配箍",
       "seismic: V <= 0.056 fc b ho / gamma_RE: detailing stirrups only; results complete"},
      {200112, "clsMoment", Outcome::Stop, "截面尺寸不满足受剪要求",
       "section too small for the shear (V > beta fc b ho, GBJ 10-89 4.2.1); sKcal = V/(fc b ho), "
       "no stirrup area"},
      {200113, "clsMoment", Outcome::Stop, "截面尺寸不满足抗震受剪要求",
       "seismic section too small (V > 0.2 fc b ho / gamma_RE, GBJ 10-89 8.3.3); sKcal written, "
       "no stirrup area"},
      {200114, "clsMoment", Outcome::Stop, "计算方向应为1或2",
       "iK must be 1 (Asv from V) or 2 (V from Asv)"},
      {200115, "clsMoment", Outcome::Stop, "截面位置应为1～5", "iSecPos must be 1 to 5"},
      {200199, "clsMoment", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero) in the shear calculation"},
  });
}

}  // namespace tk
