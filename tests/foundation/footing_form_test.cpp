#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/footing.h"
#include "frame/host.h"
#include "frame/modkalbex.h"
#include "support/host_form.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

HostRef MakeForm() {
  return test_support::MakeForm(
      {{"lblB", 32}, {"CboB", 32}, {"optB", 5}, {"ChkB", 5}, {"ChkOpt", 3}}, {"rtbBox"});
}

// The inputs of a 3200 × 3200 × 600 flat footing under N = 2000 kN, fk 200.
void Fill(const HostRef& f) {
  const char* t[32] = {"200", "0.3", "1.6", "18",   "18",   "3000", "1500", "2000",
                       "",    "0",   "0",   "3200", "3200", "600",  "500",  "500",
                       "40",  "20",  "310", "",     "0.15", "25",   "18",   "1000",
                       "0",   "0",   "7",   "",     "",     "1.3",  "0",    "600"};
  for (int i = 0; i < 32; ++i) SetText(ControlOf(f, "CboB", i), "Text", t[i]);
  SetProp(ControlOf(f, "optB", 0), "Value", Variant::Bool(true));
  SetProp(ControlOf(f, "optB", 2), "Value", Variant::Bool(true));
}

std::string Cap(const HostRef& f, const char* name, int i, const char* prop = "Caption") {
  return GetText(ControlOf(f, name, i), prop);
}

TEST(DlJcForm, OptionsSwitchCaptionsAndFields) {
  clsDlJcOld o;
  HostRef f = MakeForm();
  o.SubForm(f);
  Fill(f);
  o.Form_Load();
  EXPECT_EQ(Cap(f, "CboB", 17, "Text"), "20");

  // G given directly, and back.
  SetProp(ControlOf(f, "ChkB", 1), "Value", Variant::Int32(1));
  int16_t i = 1;
  o.ChkB_Click(i);
  EXPECT_EQ(Cap(f, "lblB", 21), "自重、土重G (kN)：");
  // Legend.
  i = 3;
  SetProp(ControlOf(f, "ChkB", 3), "Value", Variant::Int32(1));
  o.ChkB_Click(i);
  EXPECT_EQ(Cap(f, "ChkB", 3), "隐藏图例(&T)");
  SetProp(ControlOf(f, "ChkB", 3), "Value", Variant::Int32(0));
  o.ChkB_Click(i);
  EXPECT_EQ(Cap(f, "ChkB", 3), "显示图例(&T)");
  // f given directly.
  SetProp(ControlOf(f, "optB", 0), "Value", Variant::Bool(false));
  SetProp(ControlOf(f, "optB", 1), "Value", Variant::Bool(true));
  i = 1;
  o.OptB_Click(i);
  EXPECT_EQ(Cap(f, "lblB", 0), "地基承载力设计值f (kPa)：");
  // ChkOpt(1) chooses the automatic sizing; a, b, H are then disabled.
  SetProp(ControlOf(f, "ChkOpt", 1), "Value", Variant::Int32(1));
  i = 1;
  o.ChkOpt_Click(i);
  EXPECT_TRUE(ControlOf(f, "optB", 3)->Get("Value").b);
  EXPECT_FALSE(ControlOf(f, "optB", 2)->Get("Value").b);
  EXPECT_FALSE(ControlOf(f, "CboB", 11)->Get("Enabled").b);
}

// The column-force dialog is shown modally; what the user types there comes back as records.
class Dialog : public MemoryForm {
 public:
  Variant Call(std::string_view method, const std::vector<Variant>& args) override {
    if (method == "Show") {
      SetProp(Control("chkCal", 3), "Value", Variant::Int32(1));
      SetText(Control("txtN", 3), "Text", "-1800");
      SetText(Control("txtMx", 3), "Text", "120");
      SetProp(Control("chkNe", 3), "Value", Variant::Int32(1));
      shown = true;
    }
    return MemoryForm::Call(method, args);
  }
  bool shown = false;
};

TEST(DlJcForm, ColumnForceDialogAndCalculation) {
  modKalbex::SetUi(std::make_shared<SilentHostUi>());
  clsDlJcOld o;
  HostRef f = MakeForm();
  o.SubForm(f);
  Fill(f);
  auto d = std::make_shared<Dialog>();
  for (const char* n : {"lblCase", "chkCal", "txtN", "txtMx", "txtMy", "txtVx", "txtVy", "chkNe"})
    d->controls.emplace_back(n, test_support::ControlArray(7));
  HostRef dr = d;
  o.cmdZ_Click_1(dr);
  EXPECT_TRUE(d->shown);
  EXPECT_EQ(GetText(d, "Caption"), "柱下扩展基础");
  const ColComForceRecord& r = o.col_force()(4);
  EXPECT_TRUE(r.bCal && r.bNe);
  EXPECT_EQ(r.N, -1800);
  EXPECT_EQ(r.Mx, 120);
  EXPECT_FALSE(o.col_force()(1).bCal);

  std::string report;
  bool ok = false;
  o.Calculation(report, ok);
  EXPECT_TRUE(ok);
  EXPECT_NE(report.find("（柱子编号：7）"), std::string::npos);
  EXPECT_NE(report.find("Nmax ：N ＝ 1800.00 kN"), std::string::npos) << report;
  EXPECT_NE(report.find("地震力参与组合"), std::string::npos);
  EXPECT_EQ(GetText(ControlOf(f, "rtbBox")), report);

  // Automatic sizing from the form writes the footing found back into it.
  SetProp(ControlOf(f, "optB", 2), "Value", Variant::Bool(false));
  SetProp(ControlOf(f, "optB", 3), "Value", Variant::Bool(true));
  SetText(ControlOf(f, "CboB", 31), "Text", "200");
  o.Calculation(report, ok);
  EXPECT_TRUE(ok);
  EXPECT_NE(GetText(ControlOf(f, "CboB", 11)), "3200");
  EXPECT_NE(report.find("基础底面尺寸a * b ＝ " + GetText(ControlOf(f, "CboB", 11))),
            std::string::npos);
  // An input error: the box, no report written to the form.
  SetText(ControlOf(f, "rtbBox"), "Text", "old");
  SetText(ControlOf(f, "CboB", 22), "Text", "-1");
  o.Calculation(report, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(GetText(ControlOf(f, "rtbBox")), "old");
  modKalbex::SetUi(nullptr);
}

TEST(DlJcForm, SavedInputsRoundTripAndOlderVersions) {
  const test_support::TempDir dir;
  std::string path = dir / "QvfdDlJc.tav";
  std::string save = "保存数据", load = "读取数据";
  clsDlJcOld o;
  HostRef f = MakeForm();
  o.SubForm(f);
  Fill(f);
  SetProp(ControlOf(f, "ChkB", 1), "Value", Variant::Int32(1));
  o.col_force()(2) = ColComForceRecord{true, -1500.5, 10, -20, 3, 4, true};
  o.LoadOrSaveData(save, &path, nullptr);
  {
    std::ifstream in(path);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, "Tavrine_DlJc_V2000.0315");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* item : {"optB(0)=True", "chkB(1)=True", "CboB(26)=7",
                             "ColComForceRecord(2)=True,-1500.5,10,-20,3,4,True",
                             "dtmfReadTime=", "ifZhuBianHao=7", "tfUpdataFileName="})
      EXPECT_NE(all.find(item), std::string::npos) << item;
  }
  clsDlJcOld p;
  HostRef g = MakeForm();
  p.SubForm(g);
  p.LoadOrSaveData(load, &path, nullptr);
  for (int i : {0, 7, 11, 17, 26, 31})
    EXPECT_EQ(GetText(ControlOf(g, "CboB", i)), GetText(ControlOf(f, "CboB", i))) << i;
  EXPECT_EQ(ControlOf(g, "ChkB", 1)->Get("Value").AsDouble(), 1);
  const ColComForceRecord& r = p.col_force()(2);
  EXPECT_TRUE(r.bCal && r.bNe);
  EXPECT_EQ(r.N, -1500.5);
  EXPECT_EQ(r.My, -20);

  // A file of the oldest version: what it lacks (field 31, the seismic flag) keeps its value.
  {
    std::ofstream(path, std::ios::trunc)
        << "Tavrine_DlJc_V2000.0138\nCboB(0)=180\nColComForceRecord(2)=False,-900,1,2,3,4\n";
  }
  SetText(ControlOf(g, "CboB", 31), "Text", "kept");
  p.LoadOrSaveData(load, &path, nullptr);
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 0)), "180");
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 31)), "kept");
  EXPECT_EQ(p.col_force()(2).N, -900);
  EXPECT_FALSE(p.col_force()(2).bCal);
  EXPECT_TRUE(p.col_force()(2).bNe);
  { std::ofstream(path, std::ios::trunc) << "Tavrine_DlJc_V2000.0239\nCboB(1)=0.5\n"; }
  p.LoadOrSaveData(load, &path, nullptr);
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 1)), "0.5");
  // Unknown header: nothing loaded, a failed call.
  { std::ofstream(path, std::ios::trunc) << "Tavrine_DlJc_V1999\nCboB(0)=1\n"; }
  EXPECT_THROW(p.LoadOrSaveData(load, &path, nullptr), ComponentFailure);
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 0)), "180");
}

TEST(DlJcForm, LateBoundWithRecordsArray) {
  modKalbex::SetUi(std::make_shared<SilentHostUi>());
  clsDlJcOld o;
  const char* t[32] = {"200", "0.3", "1.6", "18",   "18",   "3000", "1500", "1",
                       "",    "0",   "0",   "3200", "3200", "600",  "500",  "500",
                       "40",  "20",  "310", "",     "0.15", "25",   "18",   "1000",
                       "0",   "0",   "1",   "",     "",     "1.3",  "0",    "600"};
  std::vector<Variant> text;
  for (const char* s : t) text.push_back(Variant::String(s));
  auto rec = [](bool cal, double N) {
    return Variant::Record("", {{"bCal", Variant::Bool(cal)}, {"N", Variant::Double(N)}});
  };
  std::vector<Arg> args = {
      {"Text", Variant::Array(VArray::kDeclaredLBound, text)},
      {"bOptB", Variant::Array(VArray::kDeclaredLBound,
                               {Variant::Bool(true), Variant::Bool(false), Variant::Bool(true)})},
      {"rColForce", Variant::Array(VArray::kDeclaredLBound, {rec(false, -5000), rec(true, -1234)})},
      {"tText", Variant::String("")}};
  Invoke(o, "DlJcResult", args);
  std::map<std::string, Variant> out;
  for (const auto& a : args) out[a.name] = a.value;
  EXPECT_EQ(out["lErr"].AsDouble(), 0);
  EXPECT_TRUE(out["bDataCheck"].b);
  // the first element is record 1 (not checked), the second record 2 "Vymax"
  EXPECT_NE(out["tText"].s.find("Vymax：N ＝ 1234.00 kN"), std::string::npos) << out["tText"].s;
  EXPECT_EQ(out["tText"].s.find("5000"), std::string::npos);
  modKalbex::SetUi(nullptr);
}

}  // namespace
}  // namespace tk
