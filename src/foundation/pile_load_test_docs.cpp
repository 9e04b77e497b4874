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
          docs::LetControlsOp(),
          {"CalZtj",
           "试桩统计计算",
           "statistics of the measured ultimate capacities",
           {
               {"lPrecision", "in", "", "求根精度",
                "grid steps of the root search (1000 = steps of 0.001); capped at 100000 from 10^6",
                ">= 1"},
               docs::ReportOut(),
               {"tEngName", "in", "", "工程名称", "project name opening the report", ""},
               {"dQui", "in", "kN", "试桩极限承载力Qui",
                "measured ultimate capacities Qui of the n test piles, index 1 to n", ""},
               {"prgBar", "in", "", "进度条", "host progress indicator", "{\"$control\": ...}"},
           }},
          {"Calculate",
           "读窗体并计算",
           "read the host form and calculate",
           {
               docs::ReportOut(),
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
