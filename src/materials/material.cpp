#include "materials/material.h"

#include <cmath>
#include <cstdint>

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/services.h"
#include "frame/text.h"

namespace tk {

namespace {

// GBJ 10-89 tables 2.1.4 and 2.1.5: design and characteristic strengths, modulus (N/mm²).
struct ConcreteRow {
  float C, fc, fcm, ft, ftk, Ec;
};
constexpr ConcreteRow kConcrete[] = {
    {7.5f, 3.7f, 4.1f, 0.55f, 0.75f, 14500}, {10, 5.0f, 5.5f, 0.65f, 0.9f, 17500},
    {15, 7.5f, 8.5f, 0.9f, 1.2f, 22000},     {20, 10.0f, 11, 1.1f, 1.5f, 25500},
    {25, 12.5f, 13.5f, 1.3f, 1.75f, 28000},  {30, 15.0f, 16.5f, 1.5f, 2.0f, 30000},
    {35, 17.5f, 19, 1.65f, 2.25f, 31500},    {40, 19.5f, 21.5f, 1.8f, 2.45f, 32500},
    {45, 21.5f, 23.5f, 1.9f, 2.6f, 33500},   {50, 23.5f, 26, 2.0f, 2.75f, 34500},
    {55, 25.0f, 27.5f, 2.1f, 2.85f, 35500},  {60, 26.5f, 29, 2.2f, 2.95f, 36000},
};
constexpr int kRows = static_cast<int>(std::size(kConcrete));

constexpr float kBarDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

// Grades are matched on ten times their value, rounded, so 7.5 and 7.50001 are one grade.
long Tenths(double x) {
  return std::lround(x * 10.0);
}

const ConcreteRow* RowOfGrade(double c) {
  const long t = Tenths(c);
  for (const auto& r : kConcrete)
    if (Tenths(r.C) == t) return &r;
  return nullptr;
}

// A column of the concrete table for a grade; 0 for a grade not in the table.
float ColumnOfGrade(double c, float ConcreteRow::*column) {
  const ConcreteRow* r = RowOfGrade(c);
  return r ? r->*column : 0.0f;
}

// The strength class a grade text names. Besides the texts of the concrete code ("Ⅰ级", "Ⅱ级")
// engineers type the class as ASCII Roman numerals ("II级", "II"), as digits ("2级"), or by the
// bar grade of later code editions: HPB235 is the plain bar of class Ⅰ, HRB335 the ribbed bar of
// class Ⅱ, HRB400 and RRB400 belong to class Ⅲ. 0 when the text names no class.
int SteelClassOfText(std::string_view t) {
  static constexpr struct {
    std::string_view text;
    int cls;
  } kSpellings[] = {
      {"Ⅰ级", 1},    {"Ⅰ", 1},      {"I级", 1},    {"I", 1},      {"1级", 1},
      {"HPB235", 1}, {"Ⅱ级", 2},    {"Ⅱ", 2},      {"II级", 2},   {"II", 2},
      {"2级", 2},    {"HRB335", 2}, {"Ⅲ级", 3},    {"Ⅲ", 3},      {"III级", 3},
      {"III", 3},    {"3级", 3},    {"HRB400", 3}, {"RRB400", 3},
  };
  for (const auto& s : kSpellings)
    if (EqualsNoCase(t, s.text)) return s.cls;
  return 0;
}

double SteelByGrade(const std::string& text, int16_t* I) {
  const std::string_view t = TrimView(text);
  if (IsNumericText(t)) {
    if (I) *I = 1;
    return LeadingNumber(t);
  }
  // Only classes Ⅰ and Ⅱ have design strengths here; a class Ⅲ text is recognised so that its
  // message can say to give fy as a number, but it gets no strength.
  switch (SteelClassOfText(t)) {
    case 1:
      if (I) *I = 1;
      return 210.0;
    case 2:
      if (I) *I = 1;
      return 310.0;
    default:
      if (I) *I = 2;
      return 0.0;
  }
}

}  // namespace

float clsMaterial::FcToC(float Fc) {
  const long t = Tenths(Fc);
  for (const auto& r : kConcrete)
    if (Tenths(r.fc) == t) return r.C;
  return 0;
}

float clsMaterial::FcmtoC(float Fcm) {
  if (Fcm < kConcrete[0].fcm || Fcm > kConcrete[kRows - 1].fcm) return 0;
  for (int k = 0; k + 1 < kRows; ++k) {
    const auto &a = kConcrete[k], &b = kConcrete[k + 1];
    if (Fcm >= a.fcm && Fcm <= b.fcm)
      return static_cast<float>(modKalbex::dInterpolate(Fcm, a.fcm, b.fcm, a.C, b.C));
  }
  return 0;
}

double clsMaterial::FyToEs(double Fy) {
  // Es = 210000 for grade I (fy 210) and 200000 for grade II (fy 310), straight line otherwise.
  return modKalbex::dInterpolate(Fy, 210.0, 310.0, 210000.0, 200000.0);
}

float clsMaterial::CtoFcm(float sC) {
  return ColumnOfGrade(sC, &ConcreteRow::fcm);
}
float clsMaterial::CtoFc(float sC) {
  return ColumnOfGrade(sC, &ConcreteRow::fc);
}
float clsMaterial::CtoFt(float sC) {
  return ColumnOfGrade(sC, &ConcreteRow::ft);
}
float clsMaterial::CtoFtk(float sC) {
  return ColumnOfGrade(sC, &ConcreteRow::ftk);
}

double clsMaterial::CtoEc(double c) {
  if (std::isnan(c)) return kConcrete[0].Ec;
  if (c <= kConcrete[0].C) return kConcrete[0].Ec;
  if (c >= kConcrete[kRows - 1].C) return kConcrete[kRows - 1].Ec;
  for (int k = 0; k + 1 < kRows; ++k) {
    const auto &a = kConcrete[k], &b = kConcrete[k + 1];
    if (c >= a.C && c <= b.C) return modKalbex::dInterpolate(c, a.C, b.C, a.Ec, b.Ec);
  }
  return kConcrete[kRows - 1].Ec;
}

std::string SteelGradeProblem(std::string_view text) {
  const std::string_view t = TrimView(text);
  if (IsNumericText(t)) return {};
  const int cls = SteelClassOfText(t);
  if (cls == 1 || cls == 2) return {};
  const std::string quoted = "“" + std::string(t) + "”";
  if (cls == 3)
    return "钢筋等级" + quoted +
           "为Ⅲ级钢筋，本程序无其强度设计值，请直接输入fy（N/mm²）。 / steel grade " + quoted +
           " is class III, which has no design strength here: give fy in N/mm2 as a number";
  return "钢筋等级" + quoted + "无法识别。 / steel grade " + quoted +
         " not recognised: give Ⅰ级 (I, 1级, HPB235), Ⅱ级 (II, 2级, HRB335) or fy in N/mm2";
}

double clsMaterial::dGanJinFy(const std::string& tText, int16_t* I) {
  return SteelByGrade(tText, I);
}
double clsMaterial::dGanJinFy1(const std::string& tText, int16_t* I) {
  return SteelByGrade(tText, I);
}

double clsMaterial::dGjDiameterFromAs(double dAs, std::optional<int16_t> iGs) {
  // Without a bar count the area is taken as one bar's. A non-positive count or a negative or
  // non-finite area has no diameter: 0.
  const int n = iGs ? *iGs : 1;
  if (n <= 0 || !(dAs >= 0) || !std::isfinite(dAs)) return 0.0;
  constexpr float kPi = 3.1415927f;
  const double d = 2.0 * std::sqrt(dAs / n / static_cast<double>(kPi));
  for (float s : kBarDiameters)
    if (s >= d) return s;
  // Above 40 mm the diameter itself, rounded to a whole millimetre as the report shows it.
  return LeadingNumber(FormatNumber(d, modKalbex::tUnitText("0")));
}

double clsMaterial::dBf1_AutoCal(const std::string& tJmXs, float sLo, float sB, float sH, float Cas,
                                 float sHf1) {
  // GBJ 10-89 table 4.1.7: flange width of T and inverted-L beams.
  double k = 0;
  if (modKalbex::bTextEq(tJmXs, "T形") || modKalbex::bTextEq(tJmXs, "T形截面"))
    k = 1;
  else if (modKalbex::bTextEq(tJmXs, "倒L形") || modKalbex::bTextEq(tJmXs, "倒L形截面"))
    k = 0.5;
  if (sH == Cas) return 0;
  const double r = static_cast<double>(sHf1) / (static_cast<double>(sH) - Cas);
  const double w1 = k * sLo / 3.0;
  double w2;
  if (r >= 0.1)
    w2 = sB + 12.0 * k * sHf1;
  else if (r >= 0.05)
    w2 = sB + 6.0 * k * sHf1;
  else
    w2 = sB;
  return modKalbex::vMaxVal(static_cast<double>(sB), modKalbex::vMinVal(w1, w2));
}

void clsMaterial::HntQdAddCboB(int16_t iSign, HostRef CboB, HostRef lblB, const std::string& Text,
                               std::optional<std::string> tPf) {
  // The explanatory text becomes the tool tip of the label and of the combo box; a host that
  // passes tPf supplies its own tool tip instead. An unknown list kind leaves both untouched.
  const std::string sq(modKalbex::Services().tSquareSign());
  std::string caption, tip;
  const char* const* items = nullptr;
  static const char* kGrades[] = {"7.5", "10", "15", "20", "25", "30",
                                  "35",  "40", "45", "50", "55", "60"};
  static const char* kFtk[] = {"0.75", "0.90", "1.20", "1.50", "1.75", "2.00",
                               "2.25", "2.45", "2.60", "2.75", "2.85", "2.95"};
  static const char* kFc[] = {"3.7",  "5.0",  "7.5",  "10.0", "12.5", "15.0",
                              "17.5", "19.5", "21.5", "23.5", "25.0", "26.5"};
  static const char* kFcm[] = {"4.1",  "5.5",  "8.5",  "11.0", "13.5", "16.5",
                               "19.0", "21.5", "23.5", "26.0", "27.5", "29.0"};
  switch (iSign) {
    case 0:
      caption = "混凝土强度等级：";
      tip = " 混凝土强度等级 ";
      items = kGrades;
      break;
    case 1:
      caption = "抗拉强度标准值ftk (MPa)：";
      tip = " 抗拉强度标准值ftk (N/mm" + sq + ") ";
      items = kFtk;
      break;
    case 2:
      caption = "轴心抗压强度fc (N/mm" + sq + ")：";
      tip = " 混凝土轴心抗压强度fc (N/mm" + sq + ") ";
      items = kFc;
      break;
    case 3:
      caption = "砼弯曲抗压强度fcm (MPa)：";
      tip = " 砼弯曲抗压强度fcm (N/mm" + sq + ") ";
      items = kFcm;
      break;
    default:
      return;
  }
  if (tPf && !tPf->empty()) tip = *tPf;
  SetText(lblB, "Caption", caption);
  SetText(lblB, "ToolTipText", tip);
  SetText(CboB, "ToolTipText", tip);
  if (CboB) {
    CboB->Call("Clear", {});
    for (int k = 0; k < 12; ++k) CboB->Call("AddItem", {Variant::String(items[k])});
  }
  SetText(CboB, "Text", Text);
}

const ClassInfo& clsMaterial::ClassInfoOf() {
  using C [[maybe_unused]] = clsMaterial;
  static const ClassInfo ci{
      "clsMaterial",
      {
          Method("FcToC", &C::FcToC, {"Fc"}),
          Method("FcmtoC", &C::FcmtoC, {"Fcm"}),
          Method("FyToEs", &C::FyToEs, {"Fy"}),
          Method("CtoFcm", &C::CtoFcm, {"sC"}),
          Method("CtoFc", &C::CtoFc, {"sC"}),
          Method("CtoFt", &C::CtoFt, {"sC"}),
          Method("CtoFtk", &C::CtoFtk, {"sC"}),
          Method("CtoEc", &C::CtoEc, {"c"}),
          Method("dGanJinFy", &C::dGanJinFy, {"tText", "I"}),
          Method("dGanJinFy1", &C::dGanJinFy1, {"tText", "I"}),
          Method("dGjDiameterFromAs", &C::dGjDiameterFromAs, {"dAs", "iGs"}),
          Method("dBf1_AutoCal", &C::dBf1_AutoCal, {"tJmXs", "sLo", "sB", "sH", "Cas", "sHf1"}),
          Method("HntQdAddCboB", &C::HntQdAddCboB, {"iSign", "CboB", "lblB", "Text", "tPf"}),
      }};
  return ci;
}

}  // namespace tk
