// clsLfKd: parameters of its operations and its error codes (9002xx, 9003xx, 900999).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterCrackWidthDocs() {
  docs::AddCodes({
      // Set on entry and kept: exactly this value means the crack width was computed.
      {900200, "clsLfKd", Outcome::Success, "计算完成", "crack width computed",
       "LfKdCommon, LfKdCommon_1"},
      {900201, "clsLfKd", Outcome::Stop, "构件受力特征或截面类型无法识别",
       "member kind or section shape text not recognised"},
      // An engineering answer, not a failure: such a member needs no crack-width check.
      {900357, "clsLfKd", Outcome::Note, "偏心受压构件 eo/ho ≤ 0.55，可不验算裂缝宽度",
       "eccentric compression with eo/ho <= 0.55: no crack check needed; "
       "Wmax not written",
       "LfKdCommon, LfKdCommon_1"},
      {900999, "clsLfKd", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (zero Ns, As, width or Ate)"},
  });
}

}  // namespace tk
