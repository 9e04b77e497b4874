// clsLfKd: parameters of its operations and its error codes (9002xx, 9003xx, 900999).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// The section, material and load inputs and the result that the two crack-width entries share;
// they differ only in tText and the codes they return.
std::vector<docs::Param> WithSectionParams(std::vector<docs::Param> head) {
  const std::vector<docs::Param> shared = docs::Join(
      {{
           {"tGjBh", "in", "", "构件编号", "member number (report title)", ""},
           {"tGjSlTz", "in", "", "构件受力特征", "member kind",
            "轴心受拉, 偏心受拉, 受弯, 偏心受压"},
           {"tJmXs", "in", "", "截面形状", "section shape",
            "矩形截面, 倒T形截面, T形截面, 工形截面（对称）, 工形截面（不对称）, 倒L形截面"},
           {"bPxSrFs", "in", "", "按弯矩输入",
            "True: MsEo is the moment Ms (kN·m); False: MsEo is the eccentricity eo (mm)", ""},
           {"bBxGj", "in", "", "变形钢筋",
            "True: deformed bars (υ = 0.7); False: plain bars (υ = 1.0)", ""},
           {"bDpZj", "in", "", "单排钢筋", "True: Cas and Cas1 are overwritten with c + d/2", ""},
           {"bCfHz", "in", "", "直接承受重复荷载",
            "member carries directly repeated loads (ψ = 1.0)", ""},
           {"bQzDc", "in", "", "直接承受轻、中级吊车",
            "carries light or medium duty cranes (受弯: result × 0.85)", ""},
           {"c", "in/out", "mm", "混凝土保护层厚度c",
            "cover to the outermost tension bar; raised to 20 when smaller", ""},
           {"D", "in", "mm", "钢筋直径d", "bar diameter or equivalent diameter d", ""},
           {"MsEo", "in", "kN·m or mm", "Ms或eo", "moment Ms or eccentricity eo (see bPxSrFs)", ""},
           {"Ns", "in", "kN", "短期效应组合轴力Ns", "axial force of the short-term combination",
            ""},
           {"dAs", "in", "mm²", "受拉钢筋面积As", "tension steel area As", ""},
           {"B", "in", "mm", "腹板宽度b", "web width b", ""},
           {"H", "in", "mm", "截面高度h", "height h", ""},
       },
       docs::FlangeParams("in/out"),
       {
           {"Lo", "in", "mm", "计算长度lo", "effective length lo of a compression member", ""},
           {"Cas", "in/out", "mm", "as", "tension steel centroid to the near face", ""},
           {"Cas1", "in/out", "mm", "as'",
            "compression (or less tensioned) steel centroid to the near face", ""},
           docs::kConcreteFtk,
           docs::kSteelModulus,
           {"Wmax", "out", "mm", "最大裂缝宽度ωmax", "result ωmax (crane factor included)", ""},
       }});
  head.insert(head.end(), shared.begin(), shared.end());
  return head;
}

docs::ClassDoc CrackWidthDoc() {
  return {
      "clsLfKd",
      "裂缝宽度",
      "crack width (GBJ 10-89)",
      {
          {"LfKdCommon", "裂缝宽度（无计算书）", "crack width without a report",
           WithSectionParams({
               {"tText", "in/out", "", "计算书", "not written by this operation", ""},
               {"lErrNumber", "out", "", "错误代码", "error code",
                "900200 = computed; 900357 no check needed; 900201 stop; 900999 fault"},
           })},
          {"LfKdCommon_1", "裂缝宽度计算书", "crack width with the report",
           WithSectionParams({
               {"tText", "in/out", "", "计算书（入口为构件编号）",
                "report; on entry the member label", ""},
               {"lErrNumber", "out", "", "错误代码", "error code",
                "900200 = computed; 900201 stop; 900999 fault"},
           })},
          docs::SubFormOp(),
          docs::PicFormOp(),
          {"bLoadOrSaveData",
           "读取或保存数据（返回成败）",
           "load or save the form's inputs; False with the reason in tErr",
           {
               {"tMode", "in", "", "读/存", "load or save (mode texts of the shared services)", ""},
               {"tDataSaveName", "in", "", "数据文件名", "data file (default QvfdLfKd.tav)", ""},
               {"tErr", "out", "", "失败原因", "the reason when it fails", ""},
               {"return", "out", "", "成功", "True when the load or save succeeded", ""},
           }},
          docs::LoadOrSaveOp("load or save the form's inputs", "data file (default QvfdLfKd.tav)",
                             false),
          {"CheckLfErr",
           "检查输入",
           "check the fields of the host combo boxes with their templates",
           {
               {"lErrNumber", "out", "", "错误代码",
                "code of the first failing field (0 when all pass)",
                "input-check codes, 900202, 900203"},
               {"Index", "out", "", "出错输入项",
                "position of the failing field (-1 when all pass)", ""},
               {"CboB", "in", "", "宿主组合框数组", "host combo-box array of the fields",
                "{\"$controls\": [...]}"},
               {"OptSet", "in", "", "宿主选项按钮数组", "host option buttons of the options",
                "{\"$controls\": [...]}"},
           }},
          docs::KeyPressOp(),
          {"Form_Load", "窗体初始化", "initialise the bound sub-form", {}},
          {"chkXsTL_Click", "显示图例", "check-box handler of the sub-form", {}},
          docs::ComboChoiceOp("CboChangeAndClick", "a choice made in CboB(Index)"),
          {"ChkB_Click",
           "复选框",
           "check-box handler of the sub-form",
           {
               {"Index", "in", "", "复选框序号", "check-box index", ""},
           }},
          docs::CheckBoxOp("option check-box handler of the sub-form"),
          docs::OptionButtonOp("option-button handler of the sub-form"),
          {"Calculate",
           "读窗体并计算",
           "read the sub-form and calculate the crack width",
           {
               docs::ReportOut(),
               {"tGjBh", "in", "", "构件编号", "member number for the report title", ""},
           }},
      }};
}

}  // namespace

void RegisterCrackWidthDocs() {
  docs::AddClass(CrackWidthDoc());
  docs::AddCodes({
      // Set on entry and kept: exactly this value means the crack width was computed (or, from
      // LfKdCommon_1, that eo/ho <= 0.55 needs no check: its report says so, Wmax is untouched).
      {900200, "clsLfKd", Outcome::Success, "计算完成", "crack width computed"},
      {900201, "clsLfKd", Outcome::Stop, "构件受力特征或截面类型无法识别",
       "member kind or section shape text not recognised"},
      // An engineering answer, not a failure: such a member needs no crack-width check.
      {900357, "clsLfKd", Outcome::Note, "偏心受压构件 eo/ho ≤ 0.55，可不验算裂缝宽度",
       "eccentric compression with eo/ho <= 0.55: no crack check needed; Wmax not written"},
      {900202, "clsLfKd", Outcome::Stop, "构件受力特征不在列表中",
       "form: the member kind is not one of the list"},
      {900203, "clsLfKd", Outcome::Stop, "截面形状不在列表中",
       "form: the section shape is not one of the list"},
      {900999, "clsLfKd", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (zero Ns, As, width or Ate)"},
  });
}

}  // namespace tk
