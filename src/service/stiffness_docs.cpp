// clsBendComponentBl: parameters of its operations and its error code.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

// The two stiffness entries differ only in the stiffness they return and the two moments they
// take (GBJ 10-89: Ms, Ml; GB 50010-2002: Mk, Mq).
docs::Operation StiffnessOp(std::string_view name, std::string_view zh, std::string_view en,
                            docs::Param stiffness, std::vector<docs::Param> moments) {
  return {name, zh, en,
          docs::Join({
              {
                  {"lErr", "in/out", "", "错误代码",
                   "set to 9999 on an arithmetic fault, otherwise left as passed", "9999"},
                  stiffness,
                  {"uSec", "in/out", "", "截面",
                   "section record (iType 1-6, B, H, Bf, Hf, Bf1, Hf1 in mm)",
                   "iType: 1 矩形, 2 倒T形, 3 T形, 4 工形（对称）, 5 工形（不对称）, 6 倒L形"},
                  {"Cas", "in", "mm", "as",
                   "distance as from the tension steel centroid to the near face", ""},
                  {"dAs", "in", "mm²", "受拉钢筋面积As", "tension steel area As", ""},
                  {"dAs1", "in", "mm²", "受压钢筋面积As'", "compression steel area As'", ""},
              },
              moments,
              {
                  docs::kConcreteFtk,
                  docs::kSteelModulus,
                  {"Ec", "in", "N/mm²", "混凝土弹性模量Ec", "concrete modulus Ec", ""},
                  {"tText", "out", "", "计算书", "report (replaced)", ""},
                  {"iBhFs", "in", "", "标题编号方式", "numbering style of the report headings", ""},
                  {"iStart", "in/out", "", "起始标题号",
                   "number of the first heading; increased by 2 on return", ""},
              },
          })};
}

docs::ClassDoc StiffnessDoc() {
  return {
      "clsBendComponentBl",
      "受弯构件刚度",
      "short- and long-term stiffness of flexural members",
      {
          StiffnessOp("BendComponentBl", "受弯构件刚度（GBJ 10-89）",
                      "stiffness of a flexural member, GBJ 10-89 (Ms, Ml)",
                      {"bL", "out", "N·mm²", "长期刚度Bl", "long-term stiffness Bl", ""},
                      {
                          {"dMs", "in", "kN·m", "短期效应组合弯矩Ms",
                           "moment of the short-term combination Ms", ""},
                          {"dMl", "in", "kN·m", "长期效应组合弯矩Ml",
                           "moment of the long-term combination Ml", ""},
                      }),
          StiffnessOp("BendComponentBl02", "受弯构件刚度（GB 50010-2002）",
                      "stiffness of a flexural member, GB 50010-2002 (Mk, Mq)",
                      {"bL", "out", "N·mm²", "刚度B", "stiffness B", ""},
                      {
                          {"Mk", "in", "kN·m", "荷载效应标准组合弯矩Mk",
                           "moment of the characteristic combination Mk", ""},
                          {"Mq", "in", "kN·m", "荷载效应准永久组合弯矩Mq",
                           "moment of the quasi-permanent combination Mq", ""},
                      }),
          docs::SubFormOp(),
          docs::KeyPressOp(),
          {"Form_Load", "窗体初始化", "initialise the bound sub-form", {}},
          {"DisPlayNdHs",
           "挠度换算",
           "long-term deflection from an analysis program's elastic deflection (or the form's "
           "moments)",
           {
               {"bShowRtb", "in", "", "显示计算书",
                "also write the report to the form's report box", ""},
               {"tText", "out", "", "计算书", "report table, or the message of the failure", ""},
               {"tBh", "in", "", "梁编号", "beam label", ""},
               {"return", "out", "", "错误代码",
                "0, the input-check code of the first wrong field, a result-file code "
                "(36001xx-36009xx) or 9999",
                ""},
           }},
          docs::ComboChoiceOp("CboBChangeAndClick", "a choice made in CboB(Index)"),
      }};
}

}  // namespace

void RegisterStiffnessDocs() {
  docs::AddClass(StiffnessDoc());
  docs::AddCodes({
      {9101, "clsBendComponentBl", Outcome::Stop, "截面形状不在列表中",
       "form: the section shape is not one of the list"},
      {9901, "clsBendComponentBl", Outcome::Stop, "截面尺寸不应小于0",
       "b, h or a flange size (bf, hf, bf', hf') negative; bL not written"},
      {9902, "clsBendComponentBl", Outcome::Stop, "纵筋合力点至近边距离as应不小于0且小于截面高度h",
       "as negative, or not less than h; bL not written"},
      {9903, "clsBendComponentBl", Outcome::Stop, "钢筋面积As、As'不应小于0",
       "As or As' negative; bL not written"},
      {9904, "clsBendComponentBl", Outcome::Stop, "ftk、Es、Ec不应小于0",
       "ftk, Es or Ec negative; bL not written"},
      {9999, "clsBendComponentBl", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (zero As, moment, width or Ec); bL not written"},
  });
}

}  // namespace tk
