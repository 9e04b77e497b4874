// Sketches of the calculation book: drawn proportions against the inputs, bars inside the
// section and as many as the arrangement holds, and the edge conditions of the slab panel.
#include "book_sketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

namespace kalbex::book {
namespace {

struct Box {
  double x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
  double W() const { return x2 - x1; }
  double H() const { return y2 - y1; }
};

// The bounding box of the first polygon of class `cls`.
Box PolygonBox(const std::string& svg, const std::string& cls) {
  const std::regex re("<polygon class=\"" + cls + "\" points=\"([^\"]*)\"");
  std::smatch m;
  Box b;
  if (!std::regex_search(svg, m, re)) return b;
  const std::string pts = m[1];
  const std::regex num("(-?[0-9.]+),(-?[0-9.]+)");
  for (auto it = std::sregex_iterator(pts.begin(), pts.end(), num); it != std::sregex_iterator();
       ++it) {
    const double x = std::stod((*it)[1]), y = std::stod((*it)[2]);
    b.x1 = std::min(b.x1, x), b.x2 = std::max(b.x2, x);
    b.y1 = std::min(b.y1, y), b.y2 = std::max(b.y2, y);
  }
  return b;
}

struct Circle {
  double cx, cy, r;
};
std::vector<Circle> Circles(const std::string& svg, const std::string& cls) {
  const std::regex re("<circle class=\"" + cls +
                      "\" cx=\"([-0-9.]+)\" cy=\"([-0-9.]+)\" r=\"([-0-9.]+)\"");
  std::vector<Circle> c;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), re); it != std::sregex_iterator();
       ++it)
    c.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3])});
  return c;
}

int Count(const std::string& s, const std::string& what) {
  int n = 0;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
  return n;
}

// Every drawn coordinate of the sketch stays inside its 380 × 300 box.
void ExpectInsideFrame(const std::string& svg) {
  const std::regex num(" (c?)(x|y)[12]?=\"(-?[0-9.]+)\"");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), num); it != std::sregex_iterator();
       ++it) {
    const double v = std::stod((*it)[3]);
    EXPECT_GE(v, 0) << (*it)[0];
    EXPECT_LE(v, (*it)[2] == "x" ? 380 : 300) << (*it)[0];
  }
}

struct SectionCase {
  const char* what;
  json args;
  double width_mm, height_mm;  // overall outline
  size_t corners;
};

TEST(BookSketch, SectionOutlineHasTheProportionsOfTheInputs) {
  const std::vector<SectionCase> cases = {
      {"rectangle", {{"tJmXs", "矩形截面"}, {"B", 200}, {"H", 500}}, 200, 500, 4},
      {"T: compression flange b'f 600 over h'f 100",
       {{"tJmXs", "T形截面"}, {"B", 250}, {"H", 600}, {"Bf1", 600}, {"Hf1", 100}},
       600,
       600,
       8},
      {"inverted T: tension flange bf 500 under hf 120",
       {{"tJmXs", "倒T形截面"}, {"B", 200}, {"H", 700}, {"Bf", 500}, {"Hf", 120}},
       500,
       700,
       8},
      {"inverted L: flange on one side",
       {{"tJmXs", "倒L形截面"}, {"B", 250}, {"H", 600}, {"Bf1", 500}, {"Hf1", 100}},
       500,
       600,
       6},
      {"I section: both flanges",
       {{"tJmXs", "工形截面（对称）"},
        {"B", 150},
        {"H", 800},
        {"Bf", 400},
        {"Hf", 120},
        {"Bf1", 400},
        {"Hf1", 120}},
       400,
       800,
       12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Section s;
    ASSERT_TRUE(SectionOf("clsMVT", c.args, s));
    EXPECT_EQ(Outline(s).size(), c.corners);
    const std::string svg = SectionSvg(s, "As=1000 mm²");
    const Box b = PolygonBox(svg, "outline");
    // Width from the height at the inputs' ratio, within a pixel.
    EXPECT_NEAR(b.W(), b.H() * c.width_mm / c.height_mm, 1.0);
    EXPECT_GT(b.H(), 100);  // drawn large enough to read
    ExpectInsideFrame(svg);
  }
}

TEST(BookSketch, WebWidthOfATSectionIsDrawnToTheSameScale) {
  Section s;
  ASSERT_TRUE(SectionOf(
      "clsMVT", {{"tJmXs", "T形截面"}, {"B", 250}, {"H", 600}, {"Bf1", 600}, {"Hf1", 100}}, s));
  // Corners 4 and 5 (mm): the web's right edge at the bottom and its left edge.
  const auto o = Outline(s);
  EXPECT_DOUBLE_EQ(o[4].first - o[5].first, 250);
  EXPECT_DOUBLE_EQ(o[2].second, 100);  // the flange's underside at h'f
}

TEST(BookSketch, FlexureDrawsItsSteelShearDoesNot) {
  const json args = {{"sB", 200}, {"sH", 500}, {"sCas", 35}, {"dAs", 1023.4}};
  const std::string flexure = Sketch("clsMoment", "CalMu_As", args);
  EXPECT_EQ(Count(flexure, "class=\"steel\""), 1);
  EXPECT_NE(flexure.find(">As=1023 mm²<"), std::string::npos);
  EXPECT_NE(flexure.find(">as=35<"), std::string::npos);
  const std::string shear = Sketch("clsMoment", "CalV_As", args);
  EXPECT_EQ(Count(shear, "class=\"steel\""), 0);
  EXPECT_EQ(Count(shear, "class=\"outline\""), 1);
}

TEST(BookSketch, NoSectionFromImpossibleInputs) {
  Section s;
  EXPECT_FALSE(SectionOf("clsMoment", {{"sB", 0}, {"sH", 500}}, s));
  EXPECT_FALSE(SectionOf("clsMVT", {{"tJmXs", "圆形"}, {"B", 200}, {"H", 500}}, s));
  EXPECT_FALSE(SectionOf(
      "clsMVT", {{"tJmXs", "T形截面"}, {"B", 200}, {"H", 100}, {"Bf1", 500}, {"Hf1", 120}}, s));
  EXPECT_EQ(Sketch("clsMoment", "CalMu_As", {{"sB", "x"}, {"sH", 500}}), "");
  EXPECT_EQ(Sketch("clsDtqKa", "CalResult", json::object()), "");  // no sketch, no error
}

TEST(BookSketch, ArrangementRowsFromTheResultTable) {
  const std::string table =
      " 显示内容：\n 实配纵筋           [等效面积]\n---------\n"
      " 4·25 + 2·22 / 3·20   [2723.73] | [2723.73]\n 5·25   [2454.37]\n";
  const auto rows = ArrangementRows(table, 25);
  ASSERT_EQ(rows.size(), 2u);  // only the first (chosen) arrangement
  EXPECT_EQ(rows[0].n1, 4);
  EXPECT_EQ(rows[0].d1, 25);
  EXPECT_EQ(rows[0].n2, 2);
  EXPECT_EQ(rows[0].d2, 22);
  // Bottom row centre: cover 25 + 25/2 = 37.5.
  EXPECT_DOUBLE_EQ(rows[0].depth, 37.5);
  // Second row: 37.5 + 12.5 + clear 25 (not less than d = 25) + 10 = 85.
  EXPECT_EQ(rows[1].Count(), 3);
  EXPECT_DOUBLE_EQ(rows[1].depth, 85);
  // Clear spacing not less than the larger bar: 28 mm bars above 28 mm bars.
  const auto big = ArrangementRows(" 3·28 / 2·28   [..]\n", 30);
  ASSERT_EQ(big.size(), 2u);
  EXPECT_DOUBLE_EQ(big[0].depth, 44);       // 30 + 14
  EXPECT_DOUBLE_EQ(big[1].depth, 44 + 56);  // + 14 + 28 + 14
  EXPECT_TRUE(ArrangementRows("未找到\n", 25).empty());
}

TEST(BookSketch, BarSelectionBarsLieInsideTheSectionAndMatchTheArrangement) {
  json args = {{"Text", {"27", "300", "", "18", "25", "25", "1.0", "1.05", "700"}},
               {"tText", " 实配纵筋  [等效面积]\n---\n 4·25 + 2·22 / 3·20   [27.24]\n"}};
  const std::string svg = Sketch("clsBeamPjOld", "Calculate", args);
  ASSERT_FALSE(svg.empty());
  const Box b = PolygonBox(svg, "outline");
  EXPECT_NEAR(b.W(), b.H() * 300 / 700, 1.0);
  const auto bars = Circles(svg, "bar");
  EXPECT_EQ(bars.size(), 9u);
  const double scale = b.H() / 700;
  for (const auto& c : bars) {
    EXPECT_GE(c.cx - c.r, b.x1);
    EXPECT_LE(c.cx + c.r, b.x2);
    EXPECT_GE(c.cy - c.r, b.y1);
    EXPECT_LE(c.cy + c.r, b.y2);
  }
  // The bottom row's centres sit 37.5 mm above the bottom face; the second row's 85 mm.
  int bottom = 0, second = 0;
  for (const auto& c : bars) {
    if (std::abs(b.y2 - c.cy - 37.5 * scale) < 0.5) ++bottom;
    if (std::abs(b.y2 - c.cy - 85 * scale) < 0.5) ++second;
  }
  EXPECT_EQ(bottom, 6);
  EXPECT_EQ(second, 3);
  ExpectInsideFrame(svg);
}

TEST(BookSketch, SupportBarsAtTheTopFace) {
  json args = {{"Text", {"10", "250", "", "18", "25", "30", "1.0", "1.05", "500"}},
               {"bTop", true},
               {"tText", " 3·20   [9.42]\n"}};
  const std::string svg = Sketch("clsBeamPjOld", "Calculate", args);
  const Box b = PolygonBox(svg, "outline");
  const auto bars = Circles(svg, "bar");
  ASSERT_EQ(bars.size(), 3u);
  for (const auto& c : bars)  // 30 + 10 = 40 mm below the top face
    EXPECT_NEAR(c.cy - b.y1, 40 * b.H() / 500, 0.5);
}

TEST(BookSketch, PileBarsOnTheRingInsideTheSection) {
  const json args = {{"tJmLx", "圆形截面"}, {"dD", 800}, {"tAs", "12Φ20"}, {"dCj", 50}};
  const std::string svg = Sketch("clsZhRh", "ZhRhCal", args);
  const Box b = PolygonBox(svg, "outline");
  EXPECT_NEAR(b.W(), b.H(), 1.0);
  const auto bars = Circles(svg, "bar");
  ASSERT_EQ(bars.size(), 12u);
  const double cx = (b.x1 + b.x2) / 2, cy = (b.y1 + b.y2) / 2, s = b.W() / 800;
  for (const auto& c : bars)  // centres on the ring 400 - 50 - 10 = 340 mm
    EXPECT_NEAR(std::hypot(c.cx - cx, c.cy - cy), 340 * s, 0.6);
  // An area instead of bars: the ring of steel, no bars.
  const std::string area =
      Sketch("clsZhRh", "ZhRhCal", {{"tJmLx", "方形截面"}, {"dD", 400}, {"tAs", "2412.74"}});
  EXPECT_TRUE(Circles(area, "bar").empty());
  EXPECT_EQ(Count(area, "class=\"steel\""), 1);
}

TEST(BookSketch, StairProfileToScale) {
  // Flight 3080 long rising 1800 in 12 risers, slab 120: the sloped slab is
  // 120 * hypot(3080, 1800) / 3080 = 138.99 mm deep vertically.
  json text = json::array({"A", "两端铰支", "板式", "3080", "", "", "120", "1800", "12"});
  const std::string svg = Sketch("clsLtBs", "CalResult", {{"Text", text}});
  const Box b = PolygonBox(svg, "outline");
  EXPECT_NEAR(b.W(), b.H() * 3080 / (1800 + 138.99), 1.0);
  // 12 risers and 11 treads: 2 + 12 + 11 + 5 corners.
  const std::regex pts("<polygon class=\"outline\" points=\"([^\"]*)\"");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(svg, m, pts));
  EXPECT_EQ(Count(m[1], ","), 2 + 12 + 11 + 5);
  ExpectInsideFrame(svg);
}

TEST(BookSketch, StairThicknessGivenAsARuleIsTheOneTheReportTook) {
  // h1 by the rule B/30: the report took 50 mm; vertical depth 50 * hypot(3080, 1800) / 3080.
  json text = json::array({"A", "两端铰支", "板式", "3080", "", "", "1/30", "1800", "12"});
  const json args = {{"Text", text},
                     {"tText", "  梯板厚度 h1 ＝ B / 30 ＝ 1500/30 ＝ 50 mm，取 h1 ＝ 50 mm\r\n"}};
  const Box b = PolygonBox(Sketch("clsLtBs", "CalResult", args), "outline");
  EXPECT_NEAR(b.W(), b.H() * 3080 / (1800 + 50 * std::hypot(3080, 1800) / 3080), 1.0);
}

TEST(BookSketch, FootingPlanAndElevation) {
  json text = json::array();
  for (int i = 0; i < 32; ++i) text.push_back("");
  text[11] = "3200", text[12] = "2400", text[13] = "600", text[14] = "500", text[15] = "400";
  text[31] = "300";
  const std::string svg = Sketch("clsDlJcOld", "DlJcResult", {{"Text", text}});
  const Box plan = PolygonBox(svg, "outline");
  EXPECT_NEAR(plan.W(), plan.H() * 3200 / 2400, 1.0);
  const Box el = PolygonBox(svg, "elevation");
  EXPECT_NEAR(el.W(), el.H() * 3200 / 600, 1.0);
  EXPECT_EQ(Count(svg, "class=\"column\""), 2);
  EXPECT_EQ(Count(svg, "class=\"edge\""), 4);  // sloped: the slopes seen in plan
  ExpectInsideFrame(svg);
}

TEST(BookSketch, SlabEdgesDrawnAsEngineersDrawThem) {
  auto controls = [](std::vector<json> v, const char* key) {
    json c = json::array();
    for (auto& x : v) c.push_back({{key, x}});
    return json{{"$controls", c}};
  };
  std::vector<json> cbo(16, "1");
  cbo[7] = "4.5", cbo[8] = "3.0";
  // Left fixed, bottom hinged, right free, top fixed.
  std::vector<json> opt(15, false);
  opt[0] = true, opt[4] = true, opt[8] = true, opt[9] = true;
  const json args = {{"CboB", controls(cbo, "Text")}, {"optB", controls(opt, "Value")}};
  const std::string svg = Sketch("clsBanOld", "BCalculate", args);
  const Box b = PolygonBox(svg, "outline");
  EXPECT_NEAR(b.W(), b.H() * 4.5 / 3.0, 1.0);
  EXPECT_EQ(Count(svg, "class=\"fixed\""), 2);
  EXPECT_EQ(Count(svg, "class=\"hinged\""), 1);
  EXPECT_EQ(Count(svg, "class=\"free\""), 1);
  EXPECT_EQ(Count(svg, "class=\"hatch\""), 2);  // one hatching per fixed edge
  EXPECT_NE(svg.find(">Mx<"), std::string::npos);
  EXPECT_NE(svg.find(">My<"), std::string::npos);
  ExpectInsideFrame(svg);
}

}  // namespace
}  // namespace kalbex::book
