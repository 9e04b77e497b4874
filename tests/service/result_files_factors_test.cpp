// clsMsMl: ψq (when Ml is asked for) must lie in 0..1 and the redistribution factor in 0.7..1;
// outside, 3600111 / 3600112 before any file is read. A factor that passes reaches the file
// search, which in a folder that does not exist stops at the first missing file (3600104 SATWE,
// 3600106 TBSA): that code shows the factors were accepted.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "service/result_files.h"
#include "service/result_files_detail.h"

namespace tk {
namespace {

constexpr const char* kNoFolder = "/nonexistent/tavrine-kalbex-test-folder";
const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct Case {
  std::optional<float> psiq;
  bool wants_ml;
  std::optional<float> tf;
  int32_t satwe, tbsa;
};

const Case kCases[] = {
    // ψq: bounds 0 and 1 accepted, just outside refused, NaN refused.
    {0.4f, true, 1.0f, msml::kErrWpjMissing, msml::kErrStrucMissing},
    {0.0f, true, 1.0f, msml::kErrWpjMissing, msml::kErrStrucMissing},
    {1.0f, true, 1.0f, msml::kErrWpjMissing, msml::kErrStrucMissing},
    {1.01f, true, 1.0f, msml::kErrPsiqRange, msml::kErrPsiqRange},
    {-0.01f, true, 1.0f, msml::kErrPsiqRange, msml::kErrPsiqRange},
    {kNaN, true, 1.0f, msml::kErrPsiqRange, msml::kErrPsiqRange},
    {std::nullopt, true, 1.0f, msml::kErrWpjMissing, msml::kErrStrucMissing},  // default 0.4
    // ψq is not used without sMlReturn: any value passes.
    {1.5f, false, 1.0f, msml::kErrWpjMissing, msml::kErrStrucMissing},
    // Redistribution factor: bounds 0.7 and 1 accepted, outside refused.
    {0.4f, true, 0.7f, msml::kErrWpjMissing, msml::kErrStrucMissing},
    {0.4f, true, 0.85f, msml::kErrWpjMissing, msml::kErrStrucMissing},
    {0.4f, true, 0.69f, msml::kErrTfXsRange, msml::kErrTfXsRange},
    {0.4f, true, 1.01f, msml::kErrTfXsRange, msml::kErrTfXsRange},
    {0.4f, true, 0.0f, msml::kErrTfXsRange, msml::kErrTfXsRange},
    {0.4f, true, -1.0f, msml::kErrTfXsRange, msml::kErrTfXsRange},
    {0.4f, true, kNaN, msml::kErrTfXsRange, msml::kErrTfXsRange},
    {0.4f, false, 2.0f, msml::kErrTfXsRange, msml::kErrTfXsRange},
    {0.4f, true, std::nullopt, msml::kErrWpjMissing, msml::kErrStrucMissing},  // default 1
    // Both wrong: ψq is named first.
    {-1.0f, true, 5.0f, msml::kErrPsiqRange, msml::kErrPsiqRange},
};

TEST(ResultFileFactors, OutOfRangeFactorsStopBeforeAnyFileIsRead) {
  for (const auto& c : kCases) {
    const std::string where = "psiq " + std::to_string(c.psiq.value_or(-99)) + ", tf " +
                              std::to_string(c.tf.value_or(-99)) + (c.wants_ml ? ", Ml" : "");
    clsMsMl m;
    VBArray<VBArray<float>> ms, as;
    VBArray<VBArray<int16_t>> lc;
    VBArray<float> ml;
    float sB = -7, sH = -7, sC = -7;
    int32_t lErr = -1, line = 0;
    std::string tErr = "kept";
    m.CalMaxMsForSATWE_1129(lErr, kNoFolder, ms, lc, as, 1, 1, sB, sH, false, c.psiq,
                            c.wants_ml ? &ml : nullptr, &tErr, c.tf);
    EXPECT_EQ(lErr, c.satwe) << "SATWE " << where;
    m.CalMaxMsForTbsa(lErr, line, kNoFolder, "", ms, lc, as, 1, 1, sB, sH, false, sC, c.psiq,
                      c.wants_ml ? &ml : nullptr, &tErr, c.tf);
    EXPECT_EQ(lErr, c.tbsa) << "TBSA " << where;
    if (c.satwe == msml::kErrPsiqRange || c.satwe == msml::kErrTfXsRange) {
      // Nothing written: tErr, the section and the tables stay as they were.
      EXPECT_EQ(tErr, "kept") << where;
      EXPECT_EQ(sB, -7.0f);
      EXPECT_EQ(sH, -7.0f);
      EXPECT_EQ(sC, -7.0f);
      EXPECT_EQ(line, 0);
    }
  }
}

}  // namespace
}  // namespace tk
