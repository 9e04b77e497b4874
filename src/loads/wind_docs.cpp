// clsWind: parameters of its operations and its error codes (6001xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

namespace {

docs::ClassDoc WindDoc() {
  return {
      "clsWind",
      "风荷载标准值",
      "wind load standard values per storey (GBJ 9-87, JBJ 102-96)",
      {
          {"CalWindJz",
           "各层风荷载标准值",
           "wind load standard value of each storey",
           {
               docs::ErrorCode("lErrNumber"),
               {"tGcMc", "in", "", "工程名称", "project name", ""},
               {"tJgLx", "in", "", "结构类型", "structure type",
                "高层建筑（钢筋混凝土框架、框剪结构）, 高层建筑（钢筋混凝土剪力墙结构）, "
                "高层建筑（钢结构）, 高层建筑（砌体结构）, and the two glass curtain-wall types"},
               {"sWo", "in", "kN/m²", "基本风压ωo", "basic wind pressure ωo", ""},
               {"sTzXs", "in", "", "基本风压调整系数",
                "adjustment factor of the basic wind pressure", ""},
               {"iCzd", "in", "", "地面粗糙度类别", "ground roughness class",
                "1 = A, 2 = B, 3 = C"},
               {"iScFs", "in", "", "输出方式", "extra output per floor",
                "1 = line load Qωk per metre, 3 = storey force Pωk, other = none"},
               {"N", "in", "", "层数", "number of floors", ">= 1"},
               {"sH", "in", "m", "层高hi", "storey height per floor, index 1 to N from the bottom",
                ""},
               {"sB", "in", "m", "宽度Bi", "building width per floor, index 1 to N", ""},
               {"sUs", "in", "", "体型系数μsi", "shape factor per floor (negative = suction)", ""},
               {"bAutoCalT1", "in", "", "自动计算T1", "compute the fundamental period T1", ""},
               {"sT1", "in/out", "s", "基本自振周期T1",
                "fundamental period T1; receives the computed T1", ""},
               {"Wk", "out", "kN/m²", "风荷载标准值ωk", "ωk per floor, index 1 to N", ""},
               docs::kReportWithLabel,
           }},
          {"CheckBeamPjErr",
           "检查输入",
           "check the host's input texts",
           {
               docs::ErrorCode("lErrNumber"),
               {"Index", "out", "", "出错输入项", "index of the first failing field", ""},
               {"Text", "in", "", "输入文本", "host input texts (fields 0 to 8)", ""},
               {"bText", "in", "", "检查标志", "False skips the field", ""},
               {"iStart", "in", "", "起始序号", "first field to check", "0 to 8"},
               {"iEnd", "in", "", "终止序号", "last field to check", "0 to 8"},
           },
           {
               {"Text",
                {
                    {0, "", "结构类型", "structure type"},
                    {1, "kN/m²", "基本风压ωo", "basic wind pressure ωo"},
                    {2, "", "基本风压调整系数", "adjustment factor"},
                    {3, "", "标准层所含层数", "floors in the group"},
                    {4, "m", "当前层层高h", "storey height h"},
                    {5, "m", "当前层宽度B", "width B"},
                    {6, "", "体型系数μs", "shape factor μs"},
                    {7, "s", "基本自振周期T1", "fundamental period T1"},
                    {8, "", "工程名称", "project name"},
                }},
           }},
          {"tFormatLstB",
           "楼层列表行文本",
           "floor list line for a group of floors",
           {
               {"lCh", "in", "", "楼层号", "floor number", ""},
               {"lCbz", "in", "", "标准层所含层数", "number of floors in the group", ""},
               {"sH", "in", "m", "层高h", "storey height", ""},
               {"sB", "in", "m", "宽度B", "width", ""},
               {"sUs", "in", "", "体型系数μs", "shape factor", ""},
               {"return", "out", "", "列表行文本",
                "the line, each field followed by a vertical bar", ""},
           }},
          {"ReadTextFormLstB",
           "读楼层列表行",
           "read a floor list line",
           {
               {"Text", "in", "", "列表行文本", "line made by tFormatLstB", ""},
               {"lCh", "out", "", "楼层号", "floor number", ""},
               {"lCbz", "out", "", "标准层所含层数", "number of floors in the group", ""},
               {"sH", "out", "m", "层高h", "storey height", ""},
               {"sB", "out", "m", "宽度B", "width", ""},
               {"sUs", "out", "", "体型系数μs", "shape factor", ""},
           }},
          {"bLstBListEq",
           "比较楼层列表行",
           "compare two floor list lines",
           {
               {"Text1", "in", "", "列表行1", "first line", ""},
               {"Text2", "in", "", "列表行2", "second line", ""},
               {"return", "out", "", "相同", "True when both lines hold the same values", ""},
           }},
          docs::KeyPressOp("filter a key typed into input box Index", true),
      }};
}

}  // namespace

void RegisterWindDocs() {
  docs::AddClass(WindDoc());
  docs::AddCodes({
      {600101, "clsWind", Outcome::Stop, "层数应≥1", "number of storeys N < 1"},
      {600102, "clsWind", Outcome::Stop, "地面粗糙度类别应为1、2或3",
       "iCzd (terrain roughness) is not 1 (A), 2 (B) or 3 (C)"},
      {600103, "clsWind", Outcome::Stop, "结构类型无法识别",
       "tJgLx is not one of the six structure types"},
      {600104, "clsWind", Outcome::Stop, "基本风压ωo、基本风压调整系数Kw均应大于0",
       "the basic wind pressure ωo or its adjustment factor Kw not > 0"},
      {600105, "clsWind", Outcome::Stop, "各层层高h、宽度B、体型系数μs应给出第1～N层的数值",
       "sH, sB or sUs holds no value for one of the storeys 1 to N"},
      {600106, "clsWind", Outcome::Stop, "层高h、宽度B均应大于0",
       "a storey height h or width B not > 0, or a shape factor μs out of range"},
      {600107, "clsWind", Outcome::Stop, "基本自振周期T1应大于0",
       "a given fundamental period T1 not > 0 (high-rise, T1 not computed)"},
      {600199, "clsWind", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (zero height, zero width ...)"},
  });
}

}  // namespace tk
