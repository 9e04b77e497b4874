// Parameter-table entries whose unit changes across the call, and the codes of the range checks:
// what `kalbex list` and the book tell the caller must match what the operation does.
#include <gtest/gtest.h>

#include <string>

#include "frame/docs.h"

namespace tk {
namespace {

std::string English(const char* cls, const char* op, const char* param) {
  const docs::Operation* o = docs::FindOperation(cls, op);
  if (!o) return "no operation";
  for (const auto& p : o->params)
    if (p.name == param) return std::string(p.unit) + " | " + std::string(p.en);
  return "no parameter";
}

// After direction 1 the flexure entries leave Mu in N·mm and the shear entries V in N.
TEST(DocsUnits, InOutParametersNameTheUnitTheyReturn) {
  struct Case {
    const char *cls, *op, *param, *text;
  } cases[] = {
      {"clsMoment", "MuAsCommon", "dMu",
       "kN·m | design moment Mu: input for iK = 1 (returned in N·mm), output for iK = 2"},
      {"clsMoment", "CalMu_As", "dMu",
       "kN·m | design moment Mu: input for iK = 1 (returned in N·mm), output for iK = 2"},
      {"clsMoment", "VAsCommon", "dV",
       "kN | design shear V: input for iK = 1 (returned in N), output for iK = 2"},
      {"clsMoment", "CalV_As", "dV",
       "kN | design shear V: input for iK = 1 (returned in N), output for iK = 2"},
  };
  for (const auto& c : cases) EXPECT_EQ(English(c.cls, c.op, c.param), c.text) << c.op;
}

TEST(DocsUnits, RangeCheckCodesAreInputStops) {
  struct Case {
    const char *cls, *op;
    int32_t code;
  } cases[] = {
      {"clsLtBs", "CalResult", 204},
      {"clsMsMl", "CalMaxMsForSATWE_1129", 3600111},
      {"clsMsMl", "CalMaxMsForTbsa", 3600112},
      {"clsDtqKa", "CalResult", 800101},
  };
  for (const auto& c : cases) {
    ASSERT_NE(docs::FindCode(c.cls, c.code), nullptr) << c.code;
    EXPECT_EQ(docs::Classify(c.cls, c.op, c.code), docs::Outcome::Stop) << c.code;
  }
}

}  // namespace
}  // namespace tk
