// clsLtBs: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// The positions of CalResult's Text.
std::vector<docs::Field> StairTextFields() {
  return {
      {0, "", "梯段类型", "flight type: A, B, C, D or its name"},
      {1, "", "支座条件", "support condition"},
      {2, "", "楼梯体系", "stair system: 板式 (or empty) or 梁板式"},
      {3, "mm", "梯段水平投影长度Lo1", "horizontal length of the flight Lo1"},
      {4, "mm", "梯段下部水平段长度Lo2", "lower landing length Lo2"},
      {5, "mm", "梯段上部水平段长度Lo3", "upper landing length Lo3"},
      {6, "mm", "梯板厚度h1", "slab thickness h1 (or a thickness rule)"},
      {7, "mm", "梯段高度Hv", "flight height Hv"},
      {8, "", "楼梯级数n", "number of risers n"},
      {9, "mm", "踏步高度t", "riser height t"},
      {10, "mm", "踏步宽度w", "tread width w"},
      {11, "mm", "梯板净宽度B", "clear width B"},
      {12, "kN/m", "线性恒荷Pk", "line dead load Pk"},
      {13, "kN/m²", "均布活荷qk", "live load qk, or a building use (住宅, 办公楼 ...)"},
      {14, "mm", "面层厚度c1", "finish thickness c1"},
      {15, "mm", "顶棚厚度c2", "ceiling thickness c2"},
      {16, "kN/m³", "面层、顶棚容重γc", "unit weight of finish and ceiling γc"},
      {17, "kN/m³", "楼梯自重容重γb", "unit weight of the stair γb"},
      {18, "mm", "纵筋合力点至近边距离as", "as"},
      {19, "", "混凝土强度等级", "concrete grade C"},
      {20, "N/mm²", "钢筋强度设计值fy", "steel design strength fy"},
      {21, "%", "最小配筋率ρmin", "minimum reinforcement ratio ρmin"},
      {22, "mm", "下支座宽度d1", "lower support width d1"},
      {23, "mm", "上支座宽度d2", "upper support width d2"},
      {24, "", "准永久值系数ψq", "quasi-permanent factor ψq"},
      {25, "mm", "梯梁宽度b", "stringer width b"},
      {26, "mm", "梯梁高度h", "stringer height h (or a rule)"},
      {27, "mm", "水平梯板厚度h2", "landing slab thickness h2 (or a rule)"},
      {28, "", "板底配筋放大系数", "factor on the bottom (span) reinforcement of the slabs"},
  };
}

docs::Operation CalResultDoc() {
  return {"CalResult",
          "楼梯计算",
          "check the inputs and design the flight",
          {
              {"Text", "in/out", "", "输入文本",
               "input texts by position (see fields); an unknown support-moment rule is written "
               "back",
               ""},
              {"bEnable", "in", "", "启用标志",
               "True marks the fields the form uses (the fields a flight needs are checked anyway)",
               ""},
              {"Index", "out", "", "出错输入项",
               "index of the field at fault (-1: the deflection coefficient dNdXs)", ""},
              docs::kDataChecked,
              {"bXsSpGj", "in", "", "显示选筋", "show the chosen bars", ""},
              {"bLfKd", "in", "", "计算裂缝宽度", "add the crack width of each member's bars", ""},
              {"bAutoCalZz", "in", "", "按部分嵌固计算",
               "design the flight as partly restrained with the rule tZzXs", ""},
              {"bNd", "in", "", "计算挠度", "add the mid-span deflection", ""},
              {"bNdXx", "in", "", "指定挠度系数", "use dNdXs as the deflection coefficient k", ""},
              {"dNdXs", "in", "", "挠度系数k",
               "deflection coefficient k when bNd and bNdXx (else 5 hinged, 1 fixed, 2 one end "
               "fixed, 3 partly restrained); outside 0 < k <= 48 it is input error 204",
               "0 < k <= 48"},
              {"tZzXs", "in/out", "", "支座弯矩规则",
               "support-moment rule (an unknown rule becomes the 1/24 rule, written back)",
               "e.g. 1/24"},
              {"tText", "in/out", "", "计算书（入口为构件编号）",
               "report; on entry the member label; on an input error the message", ""},
              {"lErr", "out", "", "错误代码", "error code (kalbex explain CODE)",
               "0; 200-204 and input-check codes stop; 299 fault"},
          },
          {{"Text", StairTextFields()}}};
}

docs::ClassDoc StairDoc() {
  return {"clsLtBs",
          "楼梯设计",
          "stair design (flights of types A to D, slab or beam-slab stairs)",
          {
              docs::SubFormOp(),
              docs::PicFormOp(),
              {"iCboBoxGotFocusIndex",
               "当前组合框",
               "remember which combo box has the focus",
               {docs::kComboIndex}},
              {"lPictureID",
               "梯段类型图号",
               "picture number of a flight type text",
               {
                   {"tType", "in", "", "梯段类型", "flight type name or letter",
                    "A, B, C, D (or the full names \"A 型 （ ╱ ）\" ...)"},
                   {"return", "out", "", "图号", "1 to 4 for A to D, 0 for any other text", ""},
               }},
              CalResultDoc(),
              {"Calculate",
               "读窗体并计算",
               "read the host form and calculate",
               {
                   {"tText", "in/out", "", "计算书", "report (or the input-error message)", ""},
                   docs::kDataChecked,
               }},
              docs::ComboChoiceOp(
                  "CboBChangeAndClick",
                  "a choice made in CboB(Index); a building use for qk puts its ψq into field 24"),
              docs::LoadOrSaveOp("load or save the inputs of the host form",
                                 "data file (default QvfdLtBs.tav)", true),
          }};
}

}  // namespace

void RegisterStairDocs() {
  docs::AddClass(StairDoc());
  docs::AddCodes({
      {200, "clsLtBs", Outcome::Stop, "厚度规则无法识别",
       "a thickness rule whose sides are not both numbers > 0 (Index: the field)"},
      {201, "clsLtBs", Outcome::Stop, "均布活荷qk应为数值或建筑用途",
       "qk is neither a number nor a building use of the table (Index: the field)"},
      {202, "clsLtBs", Outcome::Stop, "梯段类型、支座条件或楼梯体系无法识别",
       "flight type, support condition or stair system unknown (Index: the field)"},
      {203, "clsLtBs", Outcome::Stop, "楼梯级数n ＝ 1，梯段无踏步",
       "n = 1: the flight has no tread"},
      {204, "clsLtBs", Outcome::Stop, "挠度系数k应＞0且≤48",
       "the deflection coefficient dNdXs (used with bNd and bNdXx) is not above 0 or above 48 "
       "(Index -1)"},
      {299, "clsLtBs", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault in the stair calculation"},
  });
}

}  // namespace tk
