#include <gtest/gtest.h>

#include <thread>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/variant.h"
#include "materials/material.h"

namespace tk {
namespace {

// A component with one operation of every parameter kind the interface uses.
class Probe : public Component {
 public:
  const ClassInfo& Info() const override {
    static const ClassInfo ci{
        "Probe",
        {Method("Calc", &Probe::Calc, {"lErr", "iK", "sB", "dMu", "tText", "dAs"}),
         Method("Arrays", &Probe::Arrays, {{"dQui", 1}, "Text", "n"}),
         Method("Section", &Probe::Section, {"uSec", "tOut"}),
         Method("Opt", &Probe::Opt, {"x", "y"})}};
    return ci;
  }
  // Doubles the moment into the area and reports what it saw.
  int32_t Calc(int32_t& lErr, int16_t& iK, float sB, double& dMu, std::string& tText,
               double* dAs = nullptr) {
    lErr = 100 + iK;
    dMu *= 2;
    tText = "seen " + tText;
    if (dAs) *dAs = dMu + sB;
    return lErr;
  }
  double Arrays(VBArray<double>& dQui, VBArray<std::string>& Text, int32_t& n) {
    n = dQui.UBound();
    double s = 0;
    for (int32_t k = dQui.LBound(); k <= dQui.UBound(); ++k) s += dQui(k);
    Text(Text.UBound() + 1) = "added";
    return s;
  }
  void Section(useRecordSection& uSec, std::string& tOut) {
    tOut = std::to_string(uSec.iType);
    uSec.Bf1 = uSec.B * 2;
  }
  bool Opt(std::optional<double> x, bool* y = nullptr) {
    if (y) *y = x.has_value();
    return x.has_value();
  }
};

Variant Get(const std::vector<Arg>& args, const char* name) {
  for (const auto& a : args)
    if (a.name == name) return a.value;
  ADD_FAILURE() << "no argument " << name;
  return {};
}

TEST(Dispatch, ByNameWritesBackEveryByReferenceArgument) {
  Probe p;
  std::vector<Arg> args = {{"dMu", Variant::Int32(5)},
                           {"iK", Variant::Int32(2)},
                           {"tText", Variant::String("KL1")},
                           {"sB", Variant::Double(0.5)},
                           {"dAs", Variant::Double(0)}};
  Variant r = Invoke(p, "Calc", args);
  EXPECT_EQ(r.type, Variant::Type::Int32);
  EXPECT_EQ(r.i, 102);
  ASSERT_EQ(args.size(), 6u);  // parameter order, with the left-out lErr at its zero value
  EXPECT_EQ(args[0].name, "lErr");
  EXPECT_EQ(Get(args, "lErr").i, 102);
  EXPECT_EQ(Get(args, "iK").type, Variant::Type::Int16);
  EXPECT_DOUBLE_EQ(Get(args, "dMu").d, 10);
  EXPECT_EQ(Get(args, "tText").s, "seen KL1");
  EXPECT_EQ(Get(args, "sB").type, Variant::Type::Single);
  EXPECT_DOUBLE_EQ(Get(args, "dAs").d, 10.5);
}

TEST(Dispatch, ByPositionAndOptionalLeftOut) {
  Probe p;
  std::vector<Arg> args = {{"", Variant::Int32(0)},
                           {"", Variant::Int32(1)},
                           {"", Variant::Double(1)},
                           {"", Variant::Double(3)},
                           {"", Variant::String("")}};
  Invoke(p, "Calc", args);
  EXPECT_DOUBLE_EQ(Get(args, "dMu").d, 6);
  EXPECT_TRUE(Get(args, "dAs").IsMissing());  // absent: not written
  std::vector<Arg> opt;
  EXPECT_FALSE(Invoke(p, "opt", opt).b);  // operation names ignore letter case
  EXPECT_TRUE(Get(opt, "y").IsMissing());
  std::vector<Arg> opt2 = {{"x", Variant::Double(1)}, {"y", Variant::Bool(false)}};
  EXPECT_TRUE(Invoke(p, "Opt", opt2).b);
  EXPECT_TRUE(Get(opt2, "y").b);
}

TEST(Dispatch, ArraysStartAtTheDeclaredIndex) {
  Probe p;
  std::vector<Arg> args = {
      {"dQui", Variant::Array(VArray::kDeclaredLBound,
                              {Variant::Double(1), Variant::Double(2), Variant::Int32(3)})},
      {"Text", Variant::Array(VArray::kDeclaredLBound, {Variant::String("a")})}};
  Variant r = Invoke(p, "Arrays", args);
  EXPECT_DOUBLE_EQ(r.d, 6);
  EXPECT_EQ(Get(args, "n").i, 3);  // 1-based: UBound 3
  const Variant t = Get(args, "Text");
  ASSERT_EQ(t.arr->items.size(), 2u);
  EXPECT_EQ(t.arr->lbound, 0);
  EXPECT_EQ(t.arr->items[1].s, "added");
  std::vector<Arg> none;
  Invoke(p, "Arrays", none);  // left-out arrays start empty
  EXPECT_EQ(Get(none, "n").i, 0);
}

TEST(VBArrayTest, BooleanElementsAreWritableAndOutOfBoundsReadsFalse) {
  VBArray<bool> b;
  b.ReDim(1, 3);
  b(2) = true;
  const VBArray<bool>& cb = b;
  EXPECT_TRUE(cb(2));
  EXPECT_FALSE(cb(1));
  EXPECT_FALSE(cb(9));  // outside the bounds: false, never out of bounds
  b(5) = true;          // grows
  EXPECT_EQ(b.UBound(), 5);
  VBArray<double> d(1, {1.5});
  EXPECT_DOUBLE_EQ(static_cast<const VBArray<double>&>(d)(0), 0.0);
  d(-1) = 2;  // grows downwards
  EXPECT_EQ(d.LBound(), -1);
  EXPECT_DOUBLE_EQ(d(1), 1.5);
}

TEST(Dispatch, RecordsByFieldName) {
  Probe p;
  std::vector<Arg> args = {
      {"uSec", Variant::Record("", {{"iType", Variant::Int32(3)}, {"B", Variant::Int32(250)}})}};
  Invoke(p, "Section", args);
  EXPECT_EQ(Get(args, "tOut").s, "3");
  const Variant u = Get(args, "uSec");
  ASSERT_EQ(u.rec->fields.size(), 7u);
  EXPECT_EQ(u.rec->fields[5].first, "Bf1");
  EXPECT_FLOAT_EQ(u.rec->fields[5].second.f, 500);
}

TEST(Dispatch, ContractErrorsNeverReachTheCall) {
  Probe p;
  struct Case {
    const char* op;
    std::vector<Arg> args;
  };
  std::vector<Case> cases;
  cases.push_back({"Nothing", {}});
  cases.push_back({"Calc", {{"zz", Variant::Int32(1)}}});
  cases.push_back({"Calc", {{"iK", Variant::Double(1.5)}}});    // fraction for an integer
  cases.push_back({"Calc", {{"iK", Variant::Int32(40000)}}});   // out of a 16-bit range
  cases.push_back({"Calc", {{"dMu", Variant::String("12")}}});  // text for a number
  cases.push_back({"Calc", {{"dMu", Variant::Bool(true)}}});
  cases.push_back({"Calc", {{"sB", Variant::Double(1e300)}}});  // beyond a float
  cases.push_back({"Calc", {{"iK", Variant::Int32(1)}, {"iK", Variant::Int32(1)}}});
  cases.push_back({"Calc",
                   {{"", Variant()},
                    {"", Variant()},
                    {"", Variant()},
                    {"", Variant()},
                    {"", Variant()},
                    {"", Variant()},
                    {"", Variant()}}});  // too many
  cases.push_back({"Section", {{"uSec", Variant::Record("", {{"Q", Variant::Int32(1)}})}}});
  cases.push_back({"Section", {{"uSec", Variant::Double(1)}}});
  cases.push_back({"Arrays", {{"dQui", Variant::Double(1)}}});
  cases.push_back({"Arrays", {{"dQui", Variant::Array(1, {Variant::String("x")})}}});
  for (auto& c : cases) EXPECT_THROW(Invoke(p, c.op, c.args), ContractError) << c.op;
}

TEST(PerThread, EachThreadHasItsOwnSharedObjects) {
  ISharedServices* main_services = &modKalbex::Services();
  clsMaterial* main_material = &modKalbex::Material();
  IInputCheck* main_check = &modKalbex::InputCheck();
  IPersistence* main_persist = &modKalbex::Persistence();
  EXPECT_EQ(main_services, &modKalbex::Services());  // created once per thread
  ISharedServices* other_services = nullptr;
  clsMaterial* other_material = nullptr;
  IInputCheck* other_check = nullptr;
  IPersistence* other_persist = nullptr;
  std::thread t([&] {
    other_services = &modKalbex::Services();
    other_material = &modKalbex::Material();
    other_check = &modKalbex::InputCheck();
    other_persist = &modKalbex::Persistence();
  });
  t.join();
  EXPECT_NE(main_services, other_services);
  EXPECT_NE(main_material, other_material);
  EXPECT_NE(main_check, other_check);
  EXPECT_NE(main_persist, other_persist);
}

// A host's own services component, installed before first use in a new thread.
class HtmlServices : public DefaultServices {
 public:
  std::string_view tLineEnd() override { return "<br>\n"; }
};

TEST(PerThread, HostReplacesAServiceBeforeFirstUse) {
  modKalbex::SetServicesFactory([] { return std::make_unique<HtmlServices>(); });
  std::string seen;
  std::thread t([&] {
    Report r;
    r.Raw("x").End();
    seen = r.str();
  });
  t.join();
  modKalbex::SetServicesFactory(nullptr);
  EXPECT_EQ(seen, "x<br>\n");
  EXPECT_EQ(modKalbex::Services().tLineEnd(), "\r\n");  // this thread's object was already made
}

}  // namespace
}  // namespace tk
