// clsWind: parameters of its operations and its error codes (6001xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterWindDocs() {
  docs::AddCodes({
      {600101, "clsWind", Outcome::Stop, "层数应≥1", "number of storeys N < 1"},
      {600102, "clsWind", Outcome::Stop, "地面粗糙度类别应为1、2或3",
       "iCzd (terrain roughness) is not 1 (A), 2 (B) or 3 (C)"},
      {600103, "clsWind", Outcome::Stop, "结构类型无法识别",
       "tJgLx is not one of the six structure types"},
      {600199, "clsWind", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (zero height, zero width ...)"},
  });
}

}  // namespace tk
