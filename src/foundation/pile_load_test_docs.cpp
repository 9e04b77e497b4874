// clsZtj: parameters of its operations (it returns no error code).
#include "frame/docs.h"

namespace tk {

namespace {

docs::ClassDoc PileLoadTestDoc() {
  return {
      "clsZtj",
      "单桩竖向极限承载力统计",
      "pile static load-test statistics (JGJ 94-94 appendix C)",
      {
          {"Let_Controls",
           "绑定宿主窗体",
           "bind the host forms",
           {
               {"frmM", "in", "", "宿主主窗体", "host main form", "{\"$form\": ...}"},
               {"frmX", "in", "", "宿主工作窗体",
                "host working form (its controls are looked up by name)", "{\"$form\": ...}"},
           }},
          {"CalZtj",
           "试桩统计计算",
           "statistics of the measured ultimate capacities",
           {
               {"lPrecision", "in", "", "求根精度",
                "grid steps of the root search (1000 = steps of 0.001); capped at 100000 from 10^6",
                ">= 1"},
               {"tText", "out", "", "计算书", "report", ""},
               {"tEngName", "in", "", "工程名称", "project name opening the report", ""},
               {"dQui", "in", "kN", "试桩极限承载力Qui",
                "measured ultimate capacities Qui of the n test piles, index 1 to n", ""},
               {"prgBar", "in", "", "进度条", "host progress indicator", "{\"$control\": ...}"},
           }},
          {"Calculate",
           "读窗体并计算",
           "read the host form and calculate",
           {
               {"tText", "out", "", "计算书", "report", ""},
           }},
          {"cmdZj_Click",
           "按钮",
           "button handler of the host form",
           {
               {"Index", "in", "", "按钮序号", "button index", ""},
           }},
      }};
}

}  // namespace

void RegisterPileLoadTestDocs() {
  docs::AddClass(PileLoadTestDoc());
}

}  // namespace tk
