// Texts of the shared services component used across calculators.
#include "frame/services.h"

namespace tk {

void RegisterFrameTexts() {
  AddTexts({
      // Advice after a warning line, and the message of an unexpected arithmetic fault.
      {32095, "，请复核截面尺寸、材料强度及荷载数据。"},
      {32005, "计算过程中出现溢出或除数为零等错误，"},
      {32007, "计算结果无效。"},
      {32105, "请检查输入数据。"},
      // Check kind of a field chosen from a list (a bar text, a section shape): not a number.
      {21000, "UnCheckNum"},
      // Mode texts of the saved-input operations.
      {30021, "读取数据"},
      {30022, "保存数据"},
      // Section shapes.
      {30261, "矩形截面"},
      {30262, "倒T形截面"},
      {30263, "倒L形截面"},
      {30264, "T形截面"},
      {30265, "工形截面（对称）"},
      {30266, "工形截面（不对称）"},
      // Member kinds of the crack-width calculation.
      {31340, "轴心受拉"},
      {31341, "偏心受拉"},
      {31342, "受弯"},
      {31343, "偏心受压"},
  });
}

}  // namespace tk
