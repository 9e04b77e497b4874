// clsBendComponentBl: parameters of its operations and its error code.
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterStiffnessDocs() {
  docs::AddCodes({
      {9999, "clsBendComponentBl", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (zero As, moment, width or Ec); bL not written"},
  });
}

}  // namespace tk
