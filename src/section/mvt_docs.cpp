// clsMVT: parameters of its operations and its error codes (lErr and the error-condition list).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// MVTCommon: the error outputs and options, the materials and actions, the section, the results.
std::vector<docs::Param> MvtHeadParams() {
  return {
      docs::ErrorCode("lErr"),
      {"tErr", "out", "", "错误信息", "message of the first error", ""},
      {"lErrCon", "in/out", "", "错误条件代码表",
       "error-condition list: codes of every error and warning found", ""},
      {"tErrCon", "in/out", "", "错误条件文本", "texts belonging to lErrCon", ""},
      {"iCalMode", "in", "", "计算模式", "mode",
       "0 = forces known, find reinforcement; 1 = reinforcement known, find capacity"},
      {"iSecPos", "in", "", "截面位置", "seismic grade of the frame",
       "1-4 = seismic grade, 5 = ordinary beam, other = no detailing rules"},
      {"tJmXs", "in", "", "截面形状", "section shape name",
       "矩形截面, 倒T形截面, T形截面, 工形截面（对称）, 工形截面（不对称）, 倒L形截面"},
      {"bBE", "in", "", "梁端截面", "the section is at a beam end (else mid-span)", ""},
      {"bEA", "in", "", "考虑地震作用", "the combination includes earthquake action", ""},
      {"bConF", "in", "", "集中荷载为主", "shear mainly from a concentrated load", ""},
      {"bQdSjz", "in", "", "按强度设计值输入",
       "concrete given by its design strengths instead of a grade", ""},
  };
}

std::vector<docs::Param> MvtMaterialActionParams() {
  return {
      {"c", "in", "", "混凝土强度等级C", "concrete grade number C; fc itself when bQdSjz", ""},
      {"Fcm", "in/out", "N/mm²", "弯曲抗压强度fcm", "flexural compressive strength fcm", ""},
      {"Ft", "in/out", "N/mm²", "抗拉强度ft", "tensile strength ft", ""},
      {"Fy", "in", "N/mm²", "受拉钢筋强度fy", "tension steel strength fy", ""},
      {"Fy1", "in", "N/mm²", "受压钢筋强度fy'", "compression steel strength fy'", ""},
      {"Fyv", "in", "N/mm²", "箍筋强度fyv", "stirrup strength fyv", ""},
      {"Rlfo", "in", "", "重要性系数γo", "importance factor γo", ""},
      {"tAs1", "in", "mm²", "受压钢筋As'", "compression steel As': a number or an expression in As",
       "e.g. 0, 400, 0.3As"},
      {"M", "in/out", "kN·m", "弯矩M", "design moment (mode 0); moment capacity (mode 1, out)", ""},
      {"dAs", "in/out", "mm²", "受拉钢筋As", "tension steel As: result in mode 0, input in mode 1",
       ""},
      {"V", "in/out", "kN", "剪力V", "design shear (mode 0); shear capacity (mode 1, out)", ""},
      {"Asv", "in/out", "mm²", "箍筋面积Asv",
       "stirrup area of all legs at one section: result in mode 0, input in mode 1", ""},
      {"T", "in", "kN·m", "扭矩T", "design torque", ""},
      {"B", "in", "mm", "腹板宽度b", "web width b", ""},
      docs::SectionHeight("H"),
  };
}

std::vector<docs::Param> MvtResultParams() {
  return {
      {"Cas", "in", "mm", "as", "tension steel centroid to the near face", ""},
      {"Cas1", "in", "mm", "as'", "compression steel centroid to the near face", ""},
      {"Pmin", "in", "%", "最小配筋率", "user's minimum tension steel ratio, percent", ""},
      {"P", "out", "", "配筋率ρ", "tension steel ratio ρ", ""},
      {"S", "in", "mm", "箍筋间距s", "stirrup spacing s", ""},
      {"A", "in", "mm", "计算截面至支座距离a",
       "distance a from the section to the support (concentrated load)", ""},
      {"Smax", "out", "mm", "箍筋最大间距", "detailing maximum stirrup spacing", ""},
      {"Dmin", "out", "mm", "箍筋最小直径", "minimum stirrup diameter", ""},
      {"AsvMin", "out", "mm²", "最小配箍面积", "minimum stirrup area", ""},
      {"Ast1", "out", "mm²", "受扭箍筋单肢面积Ast1", "torsion: one-leg stirrup area Ast1", ""},
      {"AstL", "out", "mm²", "受扭纵筋面积Astl", "torsion: longitudinal steel Astl", ""},
      {"Asvt", "out", "mm²", "剪扭箍筋面积", "torsion: total stirrup area for shear and torsion",
       ""},
      {"Es", "in", "N/mm²", "钢筋弹性模量Es", "tension steel modulus Es", ""},
      {"Kcb", "out", "", "ξb", "balanced relative depth ξb", ""},
      {"KcE", "out", "", "ξ限值", "governing limit of ξ (ξb, 0.25 or 0.35)", ""},
      {"Kc", "out", "", "相对受压区高度ξ", "ξ = x/ho", ""},
      {"bTextOut", "in", "", "输出计算书", "build the report", ""},
      docs::ReportOut(),
      {"tEng", "in", "", "工程名称", "project name for the report head", ""},
      {"tBh", "in", "", "构件编号", "member label before the report title", ""},
  };
}

docs::Operation MvtCommonDoc() {
  return {"MVTCommon", "弯剪扭计算", "bending, shear and torsion design or capacity",
          docs::Join({MvtHeadParams(), MvtMaterialActionParams(), docs::FlangeParams("in"),
                      MvtResultParams()})};
}

// The fields of CheckMvtEnter's Text: 0 to 4 are option texts as the host shows them.
std::vector<docs::Field> MvtTextFields() {
  std::vector<docs::Field> fields;
  for (int i = 0; i <= 4; ++i)
    fields.push_back({i, "", "选项文本",
                      "option text as the host shows it: the mode (已知 内力 求 配筋 / 已知 配筋 "
                      "求 内力) or the shape name"});
  const std::vector<docs::Field> numbers = {
      {5, "", "混凝土强度等级", "concrete grade C (or fc when given by strengths)"},
      {6, "N/mm²", "弯曲抗压强度fcm", "fcm"},
      {7, "N/mm²", "抗拉强度ft", "ft"},
      {8, "N/mm²", "钢筋抗拉强度设计值fy", "fy (grade text or number)"},
      {9, "N/mm²", "钢筋抗压强度设计值fy'", "fy' (grade text or number)"},
      {10, "N/mm²", "箍筋抗拉钢筋强度设计值fyv", "fyv"},
      {11, "", "构件的重要性系数γo", "importance factor γo"},
      {12, "kN·m / mm²", "弯矩M或As", "M (mode 0) or As (mode 1)"},
      {13, "mm²", "受压钢筋As'", "As': number or expression in As"},
      {14, "kN / mm²", "剪力V或Asv", "V (mode 0) or Asv (mode 1)"},
      {15, "kN·m", "扭矩设计值T", "design torque T"},
      {16, "mm", "截面宽度b", "web width b"},
      {17, "mm", "截面高度h", "height h"},
      {18, "mm", "受拉区翼缘宽度bf", "tension flange width bf"},
      {19, "mm", "受拉区翼缘高度hf", "tension flange thickness hf"},
      {20, "mm", "受压区翼缘宽度bf'", "compression flange width b'f"},
      {21, "mm", "受压区翼缘高度hf'", "compression flange thickness h'f"},
      {22, "mm", "纵筋合力点至近边距离as", "as"},
      {23, "%", "最小配筋率ρmin", "minimum ratio ρmin"},
      {24, "mm", "箍筋间距S", "stirrup spacing s"},
      {25, "mm", "计算截面至支座的距离a", "distance a to the support"},
  };
  fields.insert(fields.end(), numbers.begin(), numbers.end());
  return fields;
}

docs::Operation CheckMvtEnterDoc() {
  return {"CheckMvtEnter",
          "检查输入",
          "check the host's input texts",
          {
              docs::ErrorCode("lErr"),
              {"Text", "in", "", "输入文本", "host input texts by field (see fields)", ""},
              {"bText", "in", "", "检查标志", "False skips the field with that index", ""},
              {"Index", "out", "", "出错输入项", "index of the first failing field", ""},
              {"bShowRtb", "in/out", "", "显示计算书", "show the report box", ""},
              {"tErr", "out", "", "错误信息", "message naming the field", ""},
              {"bQdSjz", "in", "", "按强度设计值输入",
               "concrete given by design strengths instead of a grade", ""},
          },
          {{"Text", MvtTextFields()}}};
}

docs::ClassDoc MvtDoc() {
  return {"clsMVT",
          "弯剪扭构件设计",
          "bending, shear and torsion design of beam sections",
          {MvtCommonDoc(), CheckMvtEnterDoc(), docs::KeyPressOp()}};
}

}  // namespace

void RegisterMvtDocs() {
  docs::AddClass(MvtDoc());
  docs::AddCodes({
      {3001, "clsMVT", Outcome::Stop, "计算模式应为0或1",
       "iCalMode must be 0 (design) or 1 (capacity)"},
      {3002, "clsMVT", Outcome::Stop, "截面类型无法识别",
       "tJmXs is not one of the six section shape names"},
      {3003, "clsMVT", Outcome::Stop, "受压钢筋As'无法识别",
       "tAs1 is neither a number >= 0 nor an expression in As"},
      {3004, "clsMVT", Outcome::Stop, "截面宽度b或截面高度h应大于0",
       "b or h not > 0 (checked before any stage; the message in tErr names the input and its "
       "value)"},
      {3005, "clsMVT", Outcome::Stop, "混凝土或钢筋强度、弹性模量应大于0",
       "concrete grade C (or fc, fcm, ft when given as design values), fy, fy', fyv or Es not > 0"},
      {3006, "clsMVT", Outcome::Stop, "纵筋合力点至近边距离as、as'超出范围",
       "as not greater than 0 and less than h, or as' negative or not less than h"},
      {3007, "clsMVT", Outcome::Stop, "翼缘尺寸不满足要求",
       "flange of a flanged shape: bf or bf' < b, hf or hf' not in (0, h), or hf + hf' >= h"},
      {3008, "clsMVT", Outcome::Stop, "γo、箍筋间距S、距离a、ρmin、As或Asv不满足要求",
       "γo (without earthquake), stirrup spacing S or the distance a of a concentrated load not "
       "> 0; ρmin negative; in capacity mode As or Asv negative"},
      {3011, "clsMVT", Outcome::Stop, "错误条件列表lErrCon、tErrCon的上下界应相同",
       "lErrCon and tErrCon passed with different bounds (both are emptied)"},
      {3009, "clsMVT", Outcome::Stop, "受压区高度无解",
       "no compression depth (negative radicand or over-reinforced denominator)"},
      {3010, "clsMVT", Outcome::Fault, "受弯计算溢出", "arithmetic fault in a flexure formula"},
      {3020, "clsMVT", Outcome::Stop, "框架梁端纵筋配筋率＞2.5%",
       "seismic beam end: reinforcement ratio above 2.5 %"},
      {3030, "clsMVT", Outcome::Warning, "相对受压区高度ξ超限",
       "warning (error list only): xi above its limit"},
      {3039, "clsMVT", Outcome::Stop, "钢筋应力σs ≤0", "steel stress sigma_s not positive"},
      {3049, "clsMVT", Outcome::Stop, "fy - fy'K ≤0", "fy - fy' K <= 0"},
      {3210, "clsMVT", Outcome::Stop, "截面尺寸不满足抗震受剪要求",
       "seismic frame beam: section too small for the shear (GBJ 10-89 8.3.3)"},
      {3211, "clsMVT", Outcome::Stop, "截面尺寸不满足受剪要求",
       "section too small for the shear (GBJ 10-89 4.2.1)"},
      {3310, "clsMVT", Outcome::Stop, "hw/b ≥ 6，截面高宽比不满足要求",
       "torsion: hw/b >= 6; the report goes on"},
      {3320, "clsMVT", Outcome::Stop, "τ ＞ 0.25fc，不满足截面尺寸要求",
       "torsion: V/(b ho) + T/Wt > 0.25 fc; the report goes on"},
      {3330, "clsMVT", Outcome::Warning, "as ＜ 10 mm，取 c ＝ 0",
       "warning (error list only): as < 10 mm, stirrup cover taken as 0"},
      {3339, "clsMVT", Outcome::Stop, "箍筋核心面积Acor ≤0",
       "stirrup core bcor or hcor not positive"},
      {900999, "clsMVT", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero)"},
  });
}

}  // namespace tk
