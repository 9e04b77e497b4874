#include "frame/persistence.h"

#include <gtest/gtest.h>

#include "frame/filesystem.h"
#include "frame/input_check.h"
#include "frame/records.h"
#include "frame/variant.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

const std::vector<std::string> kMomentHeaders = {"Tavrine_MuV2000.0138", "Tavrine_MuV2000.0237"};

class SavedInputs : public ::testing::Test {
 protected:
  test_support::TempDir tmp_;
  const std::string& dir_ = tmp_.path();
  const std::string path_ = tmp_ / "QvfdMu01.tav";
  FilePersistence p_;
};

TEST_F(SavedInputs, RoundTripKeepsEveryValueExactly) {
  const std::vector<std::string> values = {"C30",         "",           "Ⅱ级", "line1\nline2",
                                           "back\\slash", "  spaced  ", "0.1"};
  ASSERT_EQ(SaveInputs(p_, path_, kMomentHeaders.back(), values), persistcode::kOk);
  SavedInput in;
  ASSERT_EQ(p_.Load(path_, kMomentHeaders, in), persistcode::kOk);
  EXPECT_EQ(in.header, "Tavrine_MuV2000.0237");
  EXPECT_EQ(in.version, 1u);
  EXPECT_EQ(in.values, values);
  std::string v;
  for (size_t k = 0; k < values.size(); ++k) ASSERT_TRUE(in.Next(v));
  EXPECT_FALSE(in.Next(v));  // fields beyond the file keep their current values
}

TEST_F(SavedInputs, OlderHeadersAreRead) {
  ASSERT_TRUE(WriteFileAtomic(path_, "Tavrine_MuV2000.0138\r\n25\r\n300\r\n"));
  SavedInput in;
  ASSERT_EQ(p_.Load(path_, kMomentHeaders, in), persistcode::kOk);
  EXPECT_EQ(in.version, 0u);
  EXPECT_EQ(in.values, (std::vector<std::string>{"25", "300"}));
}

TEST_F(SavedInputs, UnknownHeaderLoadsNothingAndSaysSo) {
  ASSERT_TRUE(WriteFileAtomic(path_, "Tavrine_Other_V1\n1\n2\n"));
  SavedInput in;
  in.values = {"kept"};
  std::string err;
  EXPECT_EQ(p_.Load(path_, kMomentHeaders, in, &err), persistcode::kUnknownHeader);
  EXPECT_EQ(in.values, std::vector<std::string>{"kept"});
  EXPECT_NE(err.find("版本无法识别"), std::string::npos);
  EXPECT_EQ(p_.Load(dir_ + "/missing.tav", kMomentHeaders, in, &err), persistcode::kNoFile);
}

TEST_F(SavedInputs, InterruptedSaveLeavesThePreviousFileIntact) {
  ASSERT_EQ(SaveInputs(p_, path_, kMomentHeaders.back(), {"old1", "old2"}), persistcode::kOk);
  {
    auto w = p_.BeginSave(path_, kMomentHeaders.back());
    w->Write(std::string_view("new1"));
    // the save stops here, half-way, without committing
  }
  SavedInput in;
  ASSERT_EQ(p_.Load(path_, kMomentHeaders, in), persistcode::kOk);
  EXPECT_EQ(in.values, (std::vector<std::string>{"old1", "old2"}));
  // no temporary files are left behind
  LocalFileSystem fs;
  EXPECT_EQ(fs.ListFiles(dir_, "*"), std::vector<std::string>{"QvfdMu01.tav"});
}

TEST_F(SavedInputs, SaveIntoAMissingFolderFailsCleanly) {
  std::string err;
  EXPECT_EQ(SaveInputs(p_, dir_ + "/no/such/folder/x.tav", "h", {"1"}, &err),
            persistcode::kWriteFailed);
  EXPECT_FALSE(err.empty());
}

TEST(FileSystem, FindsFilesIgnoringLetterCase) {
  const test_support::TempDir tmp;
  const std::string& dir = tmp.path();
  ASSERT_TRUE(WriteFileAtomic(dir + "/Tbsa4.Out", "x"));
  ASSERT_TRUE(WriteFileAtomic(dir + "/WPJ1.OUT", "x"));
  ASSERT_TRUE(WriteFileAtomic(dir + "/wnl1.out", "x"));
  LocalFileSystem fs;
  EXPECT_EQ(fs.FindFile(dir, "Tbsa4.OUT"), dir + "/Tbsa4.Out");
  EXPECT_EQ(fs.FindFile(dir, "Struc"), "");
  EXPECT_EQ(fs.ListFiles(dir, "W*.OUT"), (std::vector<std::string>{"WPJ1.OUT", "wnl1.out"}));
  EXPECT_EQ(fs.BuildPath("a/", "/b"), "a/b");
  EXPECT_TRUE(fs.FolderExists(dir));
  EXPECT_FALSE(fs.FolderExists(dir + "/nope"));
  EXPECT_TRUE(WildcardMatch("WPJ?.OUT", "wpj3.out"));
  EXPECT_FALSE(WildcardMatch("WPJ?.OUT", "wpj10.out"));
}

TEST(InputCheck, KindsCodesAndMessages) {
  DefaultInputCheck c;
  struct Case {
    const char* kind;
    const char* text;
    int32_t flag, code;
  } cases[] = {{"S>0", "12.5", 0, 0},
               {"S>0", "0", 0, checkcode::kNotPositive},
               {"S>0", "", 0, checkcode::kEmpty},
               {"S>0", "12a", 0, checkcode::kNotNumber},
               {"S>=0", "0", 0, 0},
               {"S>=0", "-0.1", 0, checkcode::kNegative},
               {"I>0", "3", 0, 0},
               {"I>0", "2.5", 0, checkcode::kNotWholePositive},
               {"S<>0", "-2", 0, 0},
               {"S<>0", "0.0", 0, checkcode::kZero},
               {"UnCheckNum", "anything", 0, 0},
               {"S", "-5", 0, 0},
               {"7.5~60", "65", 0, checkcode::kOutOfRange},
               {"7.5~60", "7.5", 0, 0},
               {"S>0", "22", -1, checkcode::kNotGrade},
               {"S>0", "25", -1, 0}};
  for (const auto& k : cases) {
    int32_t code = -1;
    EXPECT_EQ(c.CheckFieldText(k.kind, "截面宽度b", k.text, k.flag, code), k.code)
        << k.kind << " " << k.text;
    EXPECT_EQ(code, k.code);
  }
  int32_t code;
  EXPECT_THROW(c.CheckFieldText("Q>1", "x", "1", 0, code), ComponentFailure);
  EXPECT_EQ(c.tCodeMessage(checkcode::kNotNumber, "截面宽度b", "25a"),
            "截面宽度b一栏应输入数值。（当前输入：25a）");
  EXPECT_EQ(c.CheckRelation("受压区翼缘宽度bf'", "截面宽度b", ">=", "200", "250"),
            checkcode::kRelation);
  EXPECT_EQ(c.CheckRelation("a", "b", ">", "3", "2"), checkcode::kOk);
  EXPECT_EQ(c.tCodeMessage(checkcode::kRelation, "受压区翼缘宽度bf'", "≥", "截面宽度b"),
            "受压区翼缘宽度bf' 应≥ 截面宽度b。");
}

TEST(InputCheck, ErrorConditionListGrowsFromIndexOne) {
  DefaultInputCheck c;
  VBArray<int32_t> l;
  VBArray<std::string> t;
  c.AddErrCon(l, t, 3020, "    警告：配筋率ρ＞2.5%", "");
  c.AddErrCon(l, t, 3210, "", "  2．计算结果：\r\n      错误：截面尺寸不满足要求。\r\n");
  ASSERT_EQ(l.LBound(), 1);
  ASSERT_EQ(l.UBound(), 2);
  EXPECT_EQ(l(1), 3020);
  EXPECT_EQ(t(1), "警告：配筋率ρ＞2.5%");
  EXPECT_EQ(l(2), 3210);
  EXPECT_EQ(t(2), "错误：截面尺寸不满足要求。");
}

}  // namespace
}  // namespace tk
