// clsMaterial: parameters of its operations (no error codes: its functions return 0 for what they
// cannot convert).
#include "frame/docs.h"

namespace tk {

namespace {

// A property of a concrete grade from the concrete tables of GBJ 10-89: the grade number in, the
// value out, 0 for a grade not in the table.
docs::Operation GradeProperty(std::string_view name, std::string_view zh, std::string_view en,
                              std::string_view value_zh, std::string_view value_en) {
  return {name,
          zh,
          en,
          {
              docs::ConcreteGradeC("sC"),
              {"return", "out", "N/mm²", value_zh, value_en, ""},
          }};
}

std::vector<docs::Operation> GradeOperations() {
  return {
      {"FcToC",
       "由fc求混凝土强度等级",
       "concrete grade from fc",
       {
           {"Fc", "in", "N/mm²", "混凝土轴心抗压强度设计值fc",
            "concrete axial compressive design strength fc", ""},
           {"return", "out", "", "混凝土强度等级C", "grade number C whose fc matches, 0 when none",
            ""},
       }},
      {"FcmtoC",
       "由fcm求混凝土强度等级",
       "concrete grade from fcm (interpolated)",
       {
           {"Fcm", "in", "N/mm²", "混凝土弯曲抗压强度设计值fcm",
            "flexural compressive design strength fcm", "4.1 to 29"},
           {"return", "out", "", "混凝土强度等级C", "grade number C, 0 outside 4.1..29", ""},
       }},
      {"FyToEs",
       "由fy求钢筋弹性模量",
       "steel modulus from fy",
       {
           {"Fy", "in", "N/mm²", "钢筋强度设计值fy", "steel design strength fy", ""},
           {"return", "out", "N/mm²", "钢筋弹性模量Es",
            "Es: 210000 for 210, 200000 for 310, straight line otherwise", ""},
       }},
      GradeProperty("CtoFcm", "由强度等级求fcm", "fcm of a concrete grade", "弯曲抗压强度设计值fcm",
                    "fcm, 0 for a grade not in the table"),
      GradeProperty("CtoFc", "由强度等级求fc", "fc of a concrete grade", "轴心抗压强度设计值fc",
                    "fc, 0 for a grade not in the table"),
      GradeProperty("CtoFt", "由强度等级求ft", "ft of a concrete grade", "抗拉强度设计值ft",
                    "ft, 0 for a grade not in the table"),
      GradeProperty("CtoFtk", "由强度等级求ftk", "ftk of a concrete grade", "抗拉强度标准值ftk",
                    "ftk, 0 for a grade not in the table"),
      {"CtoEc",
       "由强度等级求Ec",
       "Ec of a concrete grade (interpolated)",
       {
           {"c", "in", "", "混凝土强度等级C", "concrete grade number C (clamped to 7.5..60)", ""},
           {"return", "out", "N/mm²", "混凝土弹性模量Ec", "concrete modulus Ec", ""},
       }},
  };
}

// The steel grade text of dGanJinFy and dGanJinFy1.
docs::Param SteelGradeText() {
  return {"tText",
          "in",
          "",
          "钢筋等级或fy",
          "steel grade text or fy as a number",
          "Ⅰ级/I/1级/HPB235 = 210; Ⅱ级/II/2级/HRB335 = 310; a number"};
}

std::vector<docs::Operation> SteelAndSectionOperations() {
  return {
      {"dGanJinFy",
       "由钢筋等级求fy",
       "steel strength from a grade text",
       {
           SteelGradeText(),
           {"I", "out", "", "识别标志",
            "1 = recognised, 2 = neither a number nor a known grade (fy = 0)", "1, 2"},
           {"return", "out", "N/mm²", "钢筋强度设计值fy",
            "steel design strength fy, 0 when not recognised", ""},
       }},
      {"dGanJinFy1",
       "由钢筋等级求fy'",
       "steel strength from a grade text (same as dGanJinFy)",
       {
           SteelGradeText(),
           {"I", "out", "", "识别标志", "1 = recognised, 2 = not recognised (fy = 0)", "1, 2"},
           {"return", "out", "N/mm²", "钢筋强度设计值",
            "steel design strength, 0 when not recognised", ""},
       }},
      {"dGjDiameterFromAs",
       "由面积求钢筋直径",
       "bar diameter from an area",
       {
           {"dAs", "in", "mm²", "钢筋面积As", "bar area As (all bars)", ""},
           {"iGs", "in", "", "钢筋根数n", "number of bars n (left out: one bar)", ""},
           {"return", "out", "mm", "钢筋直径d",
            "smallest standard diameter not below 2·sqrt(As/n/π); above 40 the value itself", ""},
       }},
      {"dBf1_AutoCal",
       "翼缘计算宽度",
       "effective flange width b'f",
       {
           {"tJmXs", "in", "", "截面形状", "section shape name",
            "T形, T形截面 (k = 1); 倒L形, 倒L形截面 (k = 0.5); others k = 0"},
           {"sLo", "in", "mm", "计算跨度lo", "span lo", ""},
           {"sB", "in", "mm", "腹板宽度b", "web width b", ""},
           docs::SectionHeight("sH"),
           {"Cas", "in", "mm", "as", "distance as from the steel centroid to the near face", ""},
           {"sHf1", "in", "mm", "翼缘高度hf'", "flange thickness h'f", ""},
           {"return", "out", "mm", "翼缘计算宽度bf'", "effective flange width b'f, 0 when h = as",
            ""},
       }},
      {"HntQdAddCboB",
       "填充混凝土强度等级列表",
       "fill a host combo box with concrete grades",
       {
           {"iSign", "in", "", "列表类型", "kind of list", "0 = concrete grades"},
           {"CboB", "in", "", "宿主组合框", "host combo box", "{\"$control\": ...}"},
           {"lblB", "in", "", "宿主标签", "host label (receives the caption)",
            "{\"$control\": ...}"},
           {"Text", "in", "", "当前文本", "current text of the combo box", ""},
           {"tPf", "in", "", "附加文本", "optional extra text", ""},
       }},
  };
}

docs::ClassDoc MaterialDoc() {
  docs::ClassDoc doc{"clsMaterial", "混凝土、钢筋材料性能",
                     "concrete and steel properties (GBJ 10-89)", GradeOperations()};
  for (auto& op : SteelAndSectionOperations()) doc.operations.push_back(std::move(op));
  return doc;
}

}  // namespace

void RegisterMaterialDocs() {
  docs::AddClass(MaterialDoc());
}

}  // namespace tk
