// The parameter table: every public operation and parameter of every class has an entry, and the
// positional arrays are labelled position by position.
#include "frame/docs.h"

#include <gtest/gtest.h>

#include <set>

#include "frame/registry.h"

namespace tk {
namespace {

TEST(Docs, EveryOperationAndParameterIsDocumented) {
  std::string gaps;
  for (const auto& g : docs::Gaps()) gaps += "\n  " + g;
  EXPECT_TRUE(gaps.empty())
      << "add these to the class's *_docs.cpp (name, direction in/out/in/out, unit, Chinese, "
         "English, values):"
      << gaps;
}

TEST(Docs, PositionalArraysAreLabelledWithoutGapsOrRepeats) {
  struct Case {
    const char* cls;
    const char* op;
    const char* param;
    int first, last;
  } cases[] = {
      {"clsBeamPjOld", "Calculate", "Text", 0, 16}, {"clsDtqKa", "CheckEnter", "Text", 0, 8},
      {"clsDtqKa", "CalResult", "Text", 0, 8},      {"clsWind", "CheckBeamPjErr", "Text", 0, 8},
      {"clsZhRh", "CheckZhRhErr", "Text", 3, 12},   {"clsMVT", "CheckMvtEnter", "Text", 0, 25},
  };
  for (const auto& c : cases) {
    const docs::Operation* o = docs::FindOperation(c.cls, c.op);
    ASSERT_NE(o, nullptr) << c.cls << "." << c.op;
    ASSERT_EQ(o->arrays.size(), 1u) << c.op;
    EXPECT_EQ(o->arrays[0].param, c.param);
    std::set<int> seen;
    for (const auto& f : o->arrays[0].fields) {
      EXPECT_TRUE(seen.insert(f.index).second) << c.op << " field " << f.index;
      EXPECT_FALSE(f.zh.empty() || f.en.empty()) << c.op << " field " << f.index;
    }
    EXPECT_EQ(*seen.begin(), c.first) << c.op;
    EXPECT_EQ(*seen.rbegin(), c.last) << c.op;
    EXPECT_EQ(seen.size(), static_cast<size_t>(c.last - c.first + 1)) << c.op;
  }
  // the quantities an engineer must not confuse
  const docs::Operation* bars = docs::FindOperation("clsBeamPjOld", "Calculate");
  EXPECT_EQ(bars->arrays[0].fields[0].zh, "钢筋面积");
  EXPECT_EQ(bars->arrays[0].fields[16].unit, "kN·m");
}

TEST(Docs, SameNameDifferentMeaningIsDocumentedPerClass) {
  // c is a cover in clsLfKd and a concrete grade in clsMVT
  auto param = [](const char* cls, const char* op, std::string_view name) {
    for (const auto& p : docs::FindOperation(cls, op)->params)
      if (p.name == name) return p;
    return docs::Param{};
  };
  EXPECT_EQ(param("clsLfKd", "LfKdCommon", "c").unit, "mm");
  EXPECT_EQ(param("clsLfKd", "LfKdCommon", "c").dir, "in/out");
  EXPECT_EQ(param("clsMVT", "MVTCommon", "c").zh, "混凝土强度等级C");
  EXPECT_EQ(param("clsMoment", "CalMu_As", "dMu").dir, "in/out");
  EXPECT_EQ(param("clsMoment", "CalMu_As", "sKc").dir, "out");
  EXPECT_EQ(param("clsWind", "CalWindJz", "iCzd").values, "1 = A, 2 = B, 3 = C");
  EXPECT_EQ(param("clsMaterial", "FyToEs", "return").unit, "N/mm²");
}

}  // namespace
}  // namespace tk
