// Bad input in the frame: numbers that are not finite, texts and files beyond their limits.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <fstream>
#include <limits>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/fault.h"
#include "frame/host.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/persistence.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/variant.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Outputs of every kind that an overflow could reach.
class Overflow : public Component {
 public:
  const ClassInfo& Info() const override {
    static const ClassInfo ci{
        "Overflow",
        {Method("Ret", &Overflow::Ret, {"x"}), Method("Out", &Overflow::Out, {"x", "y", "n"}),
         Method("Arr", &Overflow::Arr, {"x", "a"}), Method("Fault", &Overflow::Fault, {"x", "n"})}};
    return ci;
  }
  double Ret(double x) { return x * 1e300; }
  void Out(double x, float& y, int32_t& n) {
    n = 7;
    y = static_cast<float>(x * 1e300);
  }
  void Arr(double x, VBArray<double>& a) { a(a.UBound() + 1) = x * 1e300; }
  void Fault(double x, int32_t& n) {
    n = 7;
    fault::div(1, x);
  }
};

TEST(NonFinite, NeverReachesAnOutputThroughTheBinder) {
  Overflow o;
  struct Case {
    const char* op;
    std::vector<Arg> args;
    const char* names;  // what the message names
  };
  std::vector<Case> cases = {
      {"Ret", {{"x", Variant::Double(1e10)}}, "its result"},
      {"Out", {{"x", Variant::Double(1e10)}, {"y", Variant::Single(1)}}, "output y"},
      {"Arr", {{"x", Variant::Double(-1e10)}, {"a", Variant::Array(1, {})}}, "output a"},
      {"Fault", {{"x", Variant::Double(0)}, {"n", Variant::Int32(1)}}, "its calculation"},
  };
  for (auto& c : cases) {
    const std::vector<Arg> before = c.args;
    try {
      Invoke(o, c.op, c.args);
      ADD_FAILURE() << c.op << " ran";
    } catch (const ContractError& e) {
      EXPECT_NE(std::string(e.what()).find(c.names), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("not a finite number"), std::string::npos);
    }
    // nothing written back: the caller's values are as they were (n stays 1, not 7)
    ASSERT_EQ(c.args.size(), before.size()) << c.op;
    for (size_t k = 0; k < before.size(); ++k)
      EXPECT_EQ(c.args[k].value.AsText(), before[k].value.AsText()) << c.op;
  }
  // finite results pass
  std::vector<Arg> ok = {{"x", Variant::Double(2)}};
  EXPECT_DOUBLE_EQ(Invoke(o, "Ret", ok).AsDouble(), 2e300);
}

TEST(NonFinite, NumbersBeyondTheirTypeAreRefusedOnTheWayIn) {
  Overflow o;
  for (const Variant& v : {Variant::Double(kInf), Variant::Double(-kInf),
                           Variant::Double(std::nan("")), Variant::Single(HUGE_VALF)}) {
    std::vector<Arg> args = {{"x", v}};
    EXPECT_THROW(Invoke(o, "Ret", args), ContractError) << v.AsText();
  }
  std::vector<Arg> args = {{"x", Variant::Double(1)}, {"n", Variant::Double(std::nan(""))}};
  EXPECT_THROW(Invoke(o, "Fault", args), ContractError);
  args = {{"x", Variant::Double(1)}, {"y", Variant::Double(3.5e38)}};  // beyond FLT_MAX
  EXPECT_THROW(Invoke(o, "Out", args), ContractError);
}

TEST(NonFinite, CheckArgsConvertsWithoutCalling) {
  Overflow o;
  // a zero divisor would fault; CheckArgs does not call, so nothing is raised
  EXPECT_NO_THROW(CheckArgs(o.Info(), "Fault", {{"x", Variant::Double(0)}}));
  EXPECT_THROW(CheckArgs(o.Info(), "Fault", {{"x", Variant::String("a")}}), ContractError);
  EXPECT_THROW(CheckArgs(o.Info(), "Fault", {{"n", Variant::Double(0.5)}}), ContractError);
  EXPECT_THROW(CheckArgs(o.Info(), "Fault", {{"zz", Variant::Double(0)}}), ContractError);
  EXPECT_THROW(CheckArgs(o.Info(), "Nothing", {}), ContractError);
}

TEST(NonFinite, ReportsRaiseInsteadOfPrintingInfinity) {
  EXPECT_THROW(FormatNumber(kInf, "#0.000"), ArithmeticFault);
  EXPECT_THROW(FormatNumber(-kInf, ""), ArithmeticFault);
  EXPECT_THROW(FormatNumber(std::nan(""), "0"), ArithmeticFault);
  EXPECT_THROW(FormatNumber(1e307, "0%"), ArithmeticFault);  // times 100 overflows
  EXPECT_EQ(FormatNumber(1e306, "0%"), "1" + std::string(308, '0') + "%");
  Report r;
  EXPECT_THROW(r.Val(kInf, "mmd"), ArithmeticFault);
  EXPECT_THROW(r.Num(-kInf, "0.00"), ArithmeticFault);
  EXPECT_THROW(r.Fmt(kInf, "mm"), ArithmeticFault);
  EXPECT_EQ(r.str().find("Infinity"), std::string::npos);
}

TEST(NonFinite, FieldTextsBeyondTheFloatRangeAreInputErrors) {
  DefaultInputCheck ic;
  int32_t code = 0;
  for (const char* kind : {"S>0", "S>=0", "S", "S<>0", "I>0", "0~100"}) {
    EXPECT_EQ(ic.CheckFieldText(kind, "h", "1e400", 0, code), checkcode::kTooLarge) << kind;
    EXPECT_EQ(ic.CheckFieldText(kind, "h", "-3.5e38", 0, code), checkcode::kTooLarge) << kind;
  }
  // FLT_MAX itself is a float
  EXPECT_EQ(ic.CheckFieldText("S>0", "h", "3.4e38", 0, code), checkcode::kOk);
  EXPECT_EQ(ic.tCodeMessage(checkcode::kTooLarge, "截面高度h", "1e39"),
            "截面高度h一栏的数值过大，超出单精度数的范围。（当前输入：1e39）");
}

TEST(ExpressionInAs, DepthAndLengthAreBounded) {
  auto& s = modKalbex::Services();
  // 64 brackets deep is read, 65 is refused
  EXPECT_DOUBLE_EQ(s.dEvalAsText(std::string(64, '(') + "As" + std::string(64, ')'), 10), 10);
  EXPECT_THROW(s.dEvalAsText(std::string(65, '(') + "As" + std::string(65, ')'), 10),
               ComponentFailure);
  EXPECT_THROW(s.dEvalAsText(std::string(100000, '(') + "As" + std::string(100000, ')'), 10),
               ComponentFailure);
  // a run of signs is read in one loop: "--0.5As" = 0.5 As, "---" negates
  EXPECT_DOUBLE_EQ(s.dEvalAsText("--0.5As", 1000), 500);
  EXPECT_DOUBLE_EQ(s.dEvalAsText("- - -0.5As", 1000), -500);
  EXPECT_DOUBLE_EQ(s.dEvalAsText(std::string(999, '-') + "0", 1000), 0);
  EXPECT_THROW(s.dEvalAsText(std::string(1000000, '-') + "0.3As", 1000), ComponentFailure);
  EXPECT_THROW(s.dEvalAsText("1e400As", 1), ComponentFailure);
}

TEST(BarText, DiameterUnderATenthOfAMillimetreIsNoBar) {
  auto& s = modKalbex::Services();
  for (const char* t : {"2φ1e-50", "2φ0.05", "2φ0", "2φ1e400"}) {
    int32_t n = 0;
    float d = 0;
    EXPECT_EQ(s.ParseBarText(t, n, d), kBarTextBadDiameter) << t;
    EXPECT_EQ(n, 0) << t;
  }
  int32_t n = 0;
  float d = 0;
  EXPECT_EQ(s.ParseBarText("2φ0.1", n, d), kBarTextOk);
  EXPECT_FLOAT_EQ(d, 0.1f);
}

TEST(HostProperties, WholeNumbersOutsideTheirRangeReadAsTheFallback) {
  auto c = std::make_shared<MemoryControl>();
  struct Case {
    Variant v;
    int32_t want;
  } cases[] = {{Variant::Int32(5), 5},         {Variant::Double(1e10), -1},
               {Variant::Double(-2), -1},      {Variant::Double(2.5), -1},
               {Variant::String("3"), -1},     {Variant::Double(std::nan("")), -1},
               {Variant::Double(32767), 32767}};
  for (const auto& k : cases) {
    c->Set("ListIndex", k.v);
    EXPECT_EQ(GetWhole(c, "ListIndex", -1, 32767, -1), k.want) << k.v.AsText();
  }
  EXPECT_EQ(GetWhole(nullptr, "ListIndex", -1, 10, 4), 4);
}

class SavedInputLimits : public ::testing::Test {
 protected:
  test_support::TempDir tmp_;
  const std::string& dir_ = tmp_.path();
  FilePersistence p_;
};

TEST_F(SavedInputLimits, OnlyRegularFilesOfAtMostOneMegabyteAreRead) {
  SavedInput in;
  std::string err;
  // a FIFO: refused at once (a reader would wait for a writer for ever)
  const std::string fifo = dir_ + "/pipe.tav";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(p_.Load(fifo, {"h"}, in, &err), persistcode::kNoFile);
  // a device and a folder
  EXPECT_EQ(p_.Load("/dev/zero", {"h"}, in), persistcode::kNoFile);
  EXPECT_EQ(p_.Load(dir_, {"h"}, in), persistcode::kNoFile);
  // one byte over the limit: nothing read, a message naming the limit
  const std::string big = dir_ + "/big.tav";
  ASSERT_TRUE(WriteFileAtomic(big, "h\n" + std::string(kMaxSavedInputBytes - 1, '\n')));
  err.clear();
  EXPECT_EQ(p_.Load(big, {"h"}, in, &err), persistcode::kTooLarge);
  EXPECT_EQ(err, "数据文件 " + big + " 超过 1 MB，不是本程序保存的数据文件，未读取任何数据。");
  EXPECT_TRUE(in.values.empty());
  // exactly at the limit it is read
  ASSERT_TRUE(WriteFileAtomic(big, "h\n" + std::string(kMaxSavedInputBytes - 2, '\n')));
  EXPECT_EQ(p_.Load(big, {"h"}, in), persistcode::kOk);
}

TEST_F(SavedInputLimits, TheNextSaveRemovesTemporaryFilesOfEndedProcesses) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  const std::string dead = dir_ + "/a.tav.tmp." + std::to_string(child) + ".0";
  const std::string mine = dir_ + "/b.tav.tmp." + std::to_string(::getpid()) + ".9";
  const std::string init = dir_ + "/c.tav.tmp.1.0";   // pid 1 runs
  const std::string other = dir_ + "/d.tav.tmp.x.0";  // not a temporary file of ours
  for (const auto& f : {dead, mine, init, other}) std::ofstream(f) << "partial";
  ASSERT_TRUE(WriteFileAtomic(dir_ + "/e.tav", "h\n1\n"));
  EXPECT_FALSE(FileExists(dead));
  EXPECT_TRUE(FileExists(mine));
  EXPECT_TRUE(FileExists(init));
  EXPECT_TRUE(FileExists(other));
  EXPECT_TRUE(FileExists(dir_ + "/e.tav"));
}

}  // namespace
}  // namespace tk
