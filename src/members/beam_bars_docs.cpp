// clsBeamPjOld: parameters of its operations and its error codes.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterBeamBarsDocs() {
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
