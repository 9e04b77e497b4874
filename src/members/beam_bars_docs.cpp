// clsBeamPjOld: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

docs::ClassDoc BeamBarsDoc() {
  return {
      "clsBeamPjOld",
      "梁配筋选筋",
      "beam bar selection",
      {
          docs::SubFormOp(),
          {"Calculate",
           "选筋计算",
           "bar selection",
           {
               docs::ErrorCode("lErr"),
               {"Index", "out", "", "出错输入项", "index of the failing input", ""},
               {"Text", "in", "", "输入文本", "host input texts (fields 0 to 16)", ""},
               {"bText", "in", "", "检查标志", "False skips the field", ""},
               {"bTop", "in", "", "上部钢筋", "top bars (else bottom bars)", ""},
               {"bMM2", "in", "", "面积单位mm²", "areas in mm² (else cm²)", ""},
               {"bAutoCalDuoP", "in", "", "自动计算排距系数",
                "compute the row factors instead of reading them", ""},
               {"iPai", "in", "", "最多排数", "largest number of rows", "1 to 4"},
               {"bAsEq", "in", "", "显示等效面积", "show the equivalent-area column", ""},
               {"bAsSj", "in", "", "显示实配面积", "show the actual-area column", ""},
               {"bZj", "in", "", "显示排距系数", "show the row-factor column", ""},
               {"bAsPjl", "in", "", "显示配筋率", "show the ratio column", ""},
               {"bLfKd", "in", "", "显示裂缝宽度", "show the crack-width column", ""},
               {"bBxGj", "in", "", "变形钢筋", "deformed bars (else plain) for the crack width",
                ""},
               {"dEs", "in", "N/mm²", "钢筋弹性模量Es", "steel modulus for the crack width", ""},
               {"dMs", "in", "kN·m", "弯矩Ms", "moment for the crack width", ""},
               {"tF", "in", "", "表头文本", "text passed on to the result table", ""},
               {"tText", "out", "", "选筋结果表", "result table", ""},
           },
           {
               {"Text",
                {
                    {0, "cm² (mm² with bMM2)", "钢筋面积", "required area As"},
                    {1, "mm", "截面宽度", "section width b"},
                    {2, "", "通长钢筋", "through bars (count and diameter, empty = none)"},
                    {3, "mm", "纵筋最小直径", "smallest diameter"},
                    {4, "mm", "纵筋最大直径", "largest diameter"},
                    {5, "mm", "净保护层厚度", "clear cover c"},
                    {6, "", "实配钢筋面积下限", "lower area factor kl"},
                    {7, "", "实配钢筋面积上限", "upper area factor ku"},
                    {8, "mm", "截面高度", "height h (with bAutoCalDuoP)"},
                    {9, "", "混凝土强度等级", "concrete grade (with bAutoCalDuoP)"},
                    {10, "", "第二排纵筋面积折减系数", "row factor k2"},
                    {11, "", "第三排纵筋面积折减系数", "row factor k3"},
                    {12, "", "第四排纵筋面积折减系数", "row factor k4"},
                    {13, "N/mm²", "钢筋抗拉强度设计值fy (直径d≤25)", "fy for d <= 25"},
                    {14, "N/mm²", "钢筋抗拉强度设计值fy (d＝28~40)", "fy for d = 28 to 40"},
                    {15, "mm", "箍筋最大肢距", "maximum stirrup leg spacing sl"},
                    {16, "kN·m", "弯矩值 Ms", "moment for the crack width Ms"},
                }},
           }},
          {"Form_Load", "窗体初始化", "initialise the bound host form", {}},
          {"ChkB_Click",
           "复选框",
           "check-box handler of the host form",
           {
               {"Index", "in", "", "复选框序号", "check-box index", ""},
           }},
          {"OptB_Click",
           "选项按钮",
           "option-button handler of the host form",
           {
               {"Index", "in", "", "选项按钮序号", "option-button index", ""},
           }},
          docs::CheckBoxOp("option check-box handler of the host form"),
          docs::LoadOrSaveOp("load or save the inputs of the host form",
                             "data file (default QvfdBmPj.tav)", true),
      }};
}

}  // namespace

void RegisterBeamBarsDocs() {
  docs::AddClass(BeamBarsDoc());
  docs::AddCodes({
      {501, "clsBeamPjOld", Outcome::Stop, "输入错误", "an input text fails its check (Index)"},
      {502, "clsBeamPjOld", Outcome::Stop, "输入值不可用",
       "an input reads as a number but its value cannot be used (Index)"},
      {1508798, "clsBeamPjOld", Outcome::Cancelled, "用户取消了计算",
       "the user cancelled a long-search warning"},
      {8000100, "clsBeamPjOld", Outcome::Stop, "截面宽度小于箍筋最大肢距所要求的宽度。",
       "the section is narrower than the stirrup-leg rule needs"},
      {809900, "clsBeamPjOld", Outcome::Stop, "找不到符合条件的纵筋。",
       "no bar arrangement found: the area is probably too large for the section"},
      {3002100, "clsBeamPjOld", Outcome::Stop, "自动计算排距系数失败（受弯计算）",
       "automatic row factor: the flexure calculation for x failed"},
      {3002200, "clsBeamPjOld", Outcome::Stop, "自动计算排距系数失败（(h - ak) - x/2 ≤ 0）",
       "automatic row factor: (h - ak) - x/2 <= 0"},
      {3002300, "clsBeamPjOld", Outcome::Stop, "自动计算排距系数失败（系数＞1）",
       "automatic row factor: the factor is above 1"},
      {8000199, "clsBeamPjOld", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault in the bar selection"},
  });
}

}  // namespace tk
