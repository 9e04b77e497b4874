// The code table: every code a calculator can return is known, and each is taken the way an
// engineer reads it (success, note, warning, stop, fault, cancel) for the operation returning it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "frame/docs.h"
#include "frame/variant.h"

namespace tk {
namespace {

using docs::Outcome;

// Named code constants of the calculators: 32-bit integer constants ("constexpr int32_t kFault =
// 600199", lists of them) and the kErr... members of code enumerations. Not returned codes: text
// numbers (kText*, kTxt*) and the few settings named below.
std::vector<std::pair<std::string, int32_t>> CodeConstants(const std::string& text) {
  static const std::regex declaration(R"(constexpr\s+int32_t\s+([^;]*);)");
  static const std::regex constant(R"(\b(k\w*)\s*=\s*(\d{3,9})\b)");
  static const std::regex enum_member(R"(\b(kErr\w*)\s*=\s*(\d{3,9})\b)");
  static const std::regex not_a_code(R"(k(Text|Txt)\w*|kDefaultPrecision|kFyvMax)");
  std::vector<std::pair<std::string, int32_t>> out;
  auto add = [&](const std::smatch& m) {
    if (!std::regex_match(m[1].str(), not_a_code)) out.emplace_back(m[1].str(), std::stoi(m[2]));
  };
  for (std::sregex_iterator d(text.begin(), text.end(), declaration), end; d != end; ++d) {
    const std::string body = (*d)[1].str();
    for (std::sregex_iterator m(body.begin(), body.end(), constant); m != end; ++m) add(*m);
  }
  for (std::sregex_iterator m(text.begin(), text.end(), enum_member), end; m != end; ++m) add(*m);
  return out;
}

TEST(Codes, EveryCodeConstantInTheSourcesIsInTheTable) {
  namespace fs = std::filesystem;
  int seen = 0;
  std::string missing;
  for (const auto& e : fs::recursive_directory_iterator(fs::path(TK_SOURCE_DIR) / "src")) {
    const fs::path& p = e.path();
    const std::string dir = p.parent_path().filename().string();
    if (p.extension() != ".h" && p.extension() != ".cpp") continue;
    if (p.stem().string().ends_with("_docs")) continue;
    if (dir == "frame" && p.filename() != "input_check.h") continue;
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    for (const auto& [name, code] : CodeConstants(ss.str())) {
      ++seen;
      if (!docs::FindCode("", code))
        missing += "\n  " + p.filename().string() + ": " + name + " = " + std::to_string(code) +
                   " has no entry: add it to the class's *_docs.cpp";
    }
  }
  EXPECT_GT(seen, 100);
  EXPECT_TRUE(missing.empty()) << "codes missing from the code table:" << missing;
}

TEST(Codes, TheScanFindsDeclarationsAndEnumsOnly) {
  const auto found = CodeConstants(
      "constexpr int32_t kA = 600101;  // x\n"
      "inline constexpr int32_t kB = 100101, kC = 100102,\n  kD = 100103;\n"
      "enum : int32_t { kErrE = 3600101, kF = 4 };\n"
      "constexpr double kStrip = 1000;\nconstexpr int32_t kTextX = 30021;\n");
  const std::vector<std::pair<std::string, int32_t>> want = {
      {"kA", 600101}, {"kB", 100101}, {"kC", 100102}, {"kD", 100103}, {"kErrE", 3600101}};
  EXPECT_EQ(found, want);
}

TEST(Codes, OutcomeDependsOnClassAndOperation) {
  struct Case {
    const char* cls;
    const char* op;
    int32_t code;
    Outcome want;
  } cases[] = {
      {"clsMoment", "CalMu_As", 0, Outcome::Success},
      {"clsMoment", "CalMu_As", 100110, Outcome::Warning},
      {"clsMoment", "MuAsCommon", 100112, Outcome::Warning},
      {"clsMoment", "CalMu_As", 100109, Outcome::Stop},
      {"clsMoment", "CalMu_As", 100199, Outcome::Fault},
      {"clsMoment", "CalV_As", 200110, Outcome::Note},
      {"clsMoment", "CalV_As", 200112, Outcome::Stop},
      // crack width: exactly 900200 means computed
      {"clsLfKd", "LfKdCommon", 900200, Outcome::Success},
      {"TavrineKalbex.clsLfKd", "LfKdCommon_1", 900200, Outcome::Success},
      {"clsLfKd", "LfKdCommon", 900357, Outcome::Note},
      {"clsLfKd", "Calculate", 900200, Outcome::Success},
      {"clsLfKd", "LfKdCommon", 900999, Outcome::Fault},
      // retaining wall: 800100 is success of the check only, 800200 of the calculation only
      {"clsDtqKa", "CheckEnter", 800100, Outcome::Success},
      {"clsDtqKa", "CalResult", 800200, Outcome::Success},
      {"clsDtqKa", "CalResult", 800100, Outcome::Stop},
      {"clsDtqKa", "CheckEnter", 800200, Outcome::Stop},
      // the input-check codes are shared by every class that checks host texts
      {"clsWind", "CheckBeamPjErr", 1006, Outcome::Stop},
      {"clsZhRh", "CheckZhRhErr", 1002, Outcome::Stop},
      {"clsBeamPjOld", "Calculate", 1508798, Outcome::Cancelled},
      {"clsBendComponentBl", "BendComponentBl", 9999, Outcome::Fault},
      // a code passed on from another class keeps its meaning; an unknown code is never success
      {"clsBendComponentBl", "DisPlayNdHs", 3600910, Outcome::Stop},
      {"clsBeamPjOld", "Calculate", 100112, Outcome::Warning},
      {"clsLfKd", "CheckLfErr", 900202, Outcome::Stop},
      {"clsMoment", "CalMu_As", 12345, Outcome::Stop},
  };
  for (const auto& c : cases)
    EXPECT_EQ(docs::Classify(c.cls, c.op, c.code), c.want) << c.cls << "." << c.op << " " << c.code;
}

TEST(Codes, MessagesNameTheCodeInBothLanguages) {
  EXPECT_EQ(docs::Message("clsMoment", 100109),
            "no compression depth below ho: the moment (or area) is too large for the section "
            "(受压区高度x ≥截面有效高度ho)");
  EXPECT_NE(docs::Message("clsWind", 1003).find("应＞0。"), std::string::npos);
  EXPECT_EQ(docs::Message("clsMVT", 900999).find("arithmetic fault"), 0u);
  EXPECT_EQ(docs::Message("clsMoment", 77), "unknown code 77 (not in the library's code table)");
  EXPECT_EQ(docs::Message("clsMoment", 0), "success");
  // one code number, two classes: each gets its own entry
  EXPECT_EQ(docs::FindCode("clsLfKd", 900999)->cls, "clsLfKd");
  EXPECT_EQ(docs::FindCode("clsMVT", 900999)->cls, "clsMVT");
}

TEST(Codes, EachClassCodeAppearsOnce) {
  std::set<std::pair<std::string, int32_t>> seen;
  for (const auto& c : docs::Codes()) {
    EXPECT_TRUE(seen.insert({std::string(c.cls), c.code}).second) << c.cls << " " << c.code;
    EXPECT_FALSE(c.en.empty()) << c.code;
  }
}

}  // namespace
}  // namespace tk
