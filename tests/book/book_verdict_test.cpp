// The verdict box: read from the calculator's code and its report's check lines, and the book of
// real calls (a passing, a failing and a stopped member).
#include <gtest/gtest.h>

#include <string>

#include "book.h"
#include "frame/registry.h"

namespace kalbex::book {
namespace {

struct VerdictCase {
  const char* what;
  json call;
  std::string report;
  VerdictKind kind;
  std::string line;  // the line the box must show ("" for none)
};

TEST(BookVerdict, ReadFromCodeAndReportLines) {
  const json ok = {{"class", "clsMoment"}, {"operation", "CalMu_As"}};
  json warn = ok, stop = ok, note = ok;
  warn["error"] = {{"code", 100112}, {"message", "ξ > ξb"}, {"kind", "warning"}};
  stop["error"] = {{"code", 200}, {"message", "厚度规则无法识别"}, {"kind", "stop"}};
  note["note"] = {{"code", 5}, {"message", "构造配箍"}, {"kind", "note"}};
  const std::vector<VerdictCase> cases = {
      {"clean report", ok, "  As ＝ 1023 mm²\r\n  ρ ＝ 1.2%\r\n", VerdictKind::Pass, ""},
      {"informative code stays a pass", note, "As ＝ 1023\n", VerdictKind::Pass, "5: 构造配箍"},
      {"failed check line", ok, "  V ＝ 300\r\n  V ＞ 0.25fc*b*ho，受剪截面尺寸不足\r\n",
       VerdictKind::Fail, "V ＞ 0.25fc*b*ho，受剪截面尺寸不足"},
      {"not satisfied", ok, "即：合力作用点在基础底面以外，不满足要求。\n", VerdictKind::Fail,
       "即：合力作用点在基础底面以外，不满足要求。"},
      {"pressure over 1.2 f", ok, "  pmax ＝ 260 ＞ 1.2*f ＝ 240\n", VerdictKind::Fail,
       "pmax ＝ 260 ＞ 1.2*f ＝ 240"},
      {"warning line", ok, "    警告：相对受压区高度ξ ＞ 0.35\n", VerdictKind::Warning,
       "警告：相对受压区高度ξ ＞ 0.35"},
      {"warning code", warn, "As ＝ 1023\n", VerdictKind::Warning, "100112: ξ > ξb"},
      {"a failed line outranks a warning code", warn, "截面尺寸不满足受剪要求\n", VerdictKind::Fail,
       "截面尺寸不满足受剪要求"},
      {"stopped", stop, "", VerdictKind::Stopped, "200: 厚度规则无法识别"},
      {"stopped even with failed lines", stop, "不满足要求。\n", VerdictKind::Stopped,
       "200: 厚度规则无法识别"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Verdict v = ReadVerdict(c.call, c.report);
    EXPECT_EQ(v.kind, c.kind);
    if (c.line.empty())
      EXPECT_TRUE(v.lines.empty());
    else
      EXPECT_NE(std::find(v.lines.begin(), v.lines.end(), c.line), v.lines.end());
  }
}

TEST(BookVerdict, SummaryBoxShowsTheResultsWithUnits) {
  const json call = {{"class", "clsMoment"},
                     {"operation", "CalMu_As"},
                     {"args", {{"dMu", 150}, {"dAs", 1234.5}, {"sB", 200}}},
                     {"return", nullptr}};
  const std::string h = SummaryHtml(call, {VerdictKind::Pass, {}});
  EXPECT_NE(h.find("class=\"summary pass\""), std::string::npos);
  EXPECT_NE(h.find("<td>dAs</td>"), std::string::npos);
  EXPECT_NE(h.find("1234.5"), std::string::npos);
  EXPECT_NE(h.find("mm²"), std::string::npos);
  EXPECT_EQ(h.find("<td>sB</td>"), std::string::npos);  // inputs are not results
}

std::string BookOf(const std::string& calls) {
  return Book({{calls, "test", {}}}, {"工程", "2026-01-01"});
}

TEST(BookVerdict, BookOfAPassingAFailingAndAStoppedCall) {
  // 200 × 500, Mu 150 kN·m, C20, grade Ⅱ: a plain design.
  const std::string pass = BookOf(
      R"({"class": "clsMoment", "operation": "CalMu_As", "label": "KL1",
          "args": {"tText": "", "lErrNumber": 0, "iK": 1, "iSecPos": 5, "dMu": 150, "dAs": 0,
                   "tFy": "Ⅱ级", "iFcm": 0, "sFcm": 20, "sB": 200, "sH": 500, "sCas": 35,
                   "sKc": 0, "sP": 0, "sPmin": 0, "sKcb": 0}})");
  EXPECT_NE(pass.find("class=\"summary pass\""), std::string::npos);
  EXPECT_NE(pass.find("<h2>KL1"), std::string::npos);
  EXPECT_NE(pass.find("class=\"outline\""), std::string::npos);
  EXPECT_EQ(pass.find("\r"), std::string::npos);  // line ends as the browser wants them
  EXPECT_EQ(pass.find("http://"), pass.find("http://www.w3.org/2000/svg"));  // nothing fetched
  // 150 kN shear on 200 × 300 C20: V > 0.25 fc b ho = 0.25 × 10 × 200 × 265 = 132.5 kN.
  const std::string fail = BookOf(
      R"({"class": "clsMoment", "operation": "CalV_As",
          "args": {"tText": " L1 ", "lErr": 0, "iK": 1, "iSecPos": 5, "dV": 150, "dAsv": 0,
                   "tFyv": "Ⅰ级", "iFc": 0, "sfC": 20, "sB": 200, "sH": 300, "sCas": 35,
                   "sS": 200, "sAsvMin": 0, "sK": 0, "sKcal": 0, "sDmin": 0, "sSmax": 0}})");
  EXPECT_TRUE(fail.find("class=\"summary fail\"") != std::string::npos ||
              fail.find("class=\"summary stopped\"") != std::string::npos);
  EXPECT_NE(fail.find("尺寸不足"), std::string::npos);
  // A stair whose thickness rule cannot be read stops with code 200.
  const std::string stop = BookOf(
      R"({"class": "clsLtBs", "operation": "CalResult",
          "args": {"Text": ["A", "两端铰支", "板式", "3080", "", "", "h/xx", "1800", "12", "", "",
                            "1200", "0", "2.0", "20", "20", "20", "25", "20", "20", "210", "",
                            "200", "200", "0.4", "", "", "", ""],
                   "bEnable": [], "Index": 0, "bDataCheck": false, "bXsSpGj": true,
                   "bLfKd": false, "bAutoCalZz": false, "bNd": false, "bNdXx": false,
                   "dNdXs": 0, "tZzXs": "", "tText": "TB1", "lErr": 0}})");
  EXPECT_NE(stop.find("class=\"summary stopped\""), std::string::npos);
  EXPECT_NE(stop.find("200: "), std::string::npos);
  EXPECT_NE(stop.find("<h2>TB1"), std::string::npos);
}

TEST(BookVerdict, BarSymbolOfTheReportFontIsShownAsPhi) {
  const std::string h = SummaryHtml({{"class", "clsMVT"}, {"operation", "MVTCommon"}},
                                    {VerdictKind::Warning,
                                     {"警告：箍筋最小直径\xEE\x80\x80"
                                      "6 <5>"}});
  EXPECT_NE(h.find("箍筋最小直径<span class=\"phi\">Φ</span>6 &lt;5&gt;"), std::string::npos);
  EXPECT_NE(h.find("class=\"summary warning\""), std::string::npos);
}

TEST(BookVerdict, EveryPrintedPageNamesTheProjectAndItsMember) {
  const std::string h = Book(
      {{R"({"class": "clsMaterial", "operation": "CtoEc", "label": "柱\"A</style>", "args": {"c": 20}})",
        "mat",
        {}}},
      {"工程", "2026-02-03"});
  EXPECT_NE(h.find("@page{@top-left{content:\"工程\""), std::string::npos);
  // The label as a CSS string: its quote escaped, and no end of the style element inside it.
  EXPECT_NE(h.find("@page m1{@top-right{content:\"柱\\\"A\\3c /style>\""), std::string::npos);
  EXPECT_NE(h.find("#m1{page:m1}"), std::string::npos);
  EXPECT_NE(h.find("<h2>柱&quot;A&lt;/style&gt;"), std::string::npos);
}

TEST(BookVerdict, CoverListsTheMembersAndTheProject) {
  const std::string h =
      Book({{R"([{"class": "clsMaterial", "operation": "CtoEc", "args": {"c": 20}},
            {"class": "clsMaterial", "operation": "CtoEc", "args": {"c": 30}}])",
             "mat",
             {}}},
           {"", "2026-02-03"});
  EXPECT_NE(h.find("2026-02-03"), std::string::npos);
  EXPECT_NE(h.find("<li>mat #1"), std::string::npos);
  EXPECT_NE(h.find("<li>mat #2"), std::string::npos);
  EXPECT_NE(h.find("<h1>计算书</h1>"), std::string::npos);  // no tEng given
  EXPECT_THROW(Book({{"{\"class\": \"clsNone\"}", "x", {}}}), tk::ContractError);
}

}  // namespace
}  // namespace kalbex::book
