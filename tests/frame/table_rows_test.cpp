// Table rows of the shared services component: values start in one column whatever mix of wide
// (CJK, full-width) and narrow characters the label has; a long formula puts its numbers under it.
#include <gtest/gtest.h>

#include "frame/report.h"
#include "frame/services.h"

namespace tk {
namespace {

TEST(TableRows, ValuesStartInOneColumn) {
  DefaultServices svc;
  std::string t;
  svc.AddTableHeading(t, "基本资料");
  svc.AddTableValueRow(t, "弹性挠度fd", "12.00 mm");  // 4 wide + 2 narrow = 10 columns
  svc.AddTableValueRow(t, "As", "850 mm²");
  svc.AddTableFormulaRow(t, "Bc ＝ Bk * Ec * I", "＝ 1.40*30000");  // ＝ is full width
  EXPECT_EQ(t,
            "【基本资料】\r\n"
            "    弹性挠度fd" +
                std::string(22, ' ') +
                "12.00 mm\r\n"
                "    As" +
                std::string(30, ' ') +
                "850 mm²\r\n"
                "    Bc ＝ Bk * Ec * I" +
                std::string(15, ' ') + "＝ 1.40*30000\r\n");
  // A label or formula reaching the value column: two blanks, or the numbers on the next line.
  std::string u;
  svc.AddTableValueRow(u, std::string(16, 'x'), "v");
  const std::string f = "受压区翼缘尺寸与腹板有效面积比值γf'";
  svc.AddTableFormulaRow(u, f, "＝ 0.321");
  svc.AddTableFormulaRow(u, "no values", "");
  EXPECT_EQ(u, "    " + std::string(16, 'x') + std::string(16, ' ') + "v\r\n    " + f + "\r\n" +
                   std::string(36, ' ') + "＝ 0.321\r\n    no values\r\n");
}

TEST(TableRows, ReportRowsSubstitute) {
  DefaultServices svc;
  Report r(svc);
  r.TableHeading("挠度").TableValue("f", "$0", {{25.003, U::mmd_2}});
  r.TableFormula("f / Lo ＝ 1/(Lo / f)", "＝ 1/($0/$1) ＝ 1/$2",
                 {{7200, U::mm}, {25.003, U::mm_2}, {287.97, "0"}});
  EXPECT_EQ(r.str(), "【挠度】\r\n    f" + std::string(31, ' ') + "25.00 mm\r\n" +
                         "    f / Lo ＝ 1/(Lo / f)            ＝ 1/(7200/25.00) ＝ 1/288\r\n");
  Report off = Report::Disabled();
  off.TableHeading("x").TableValue("a", "$0", {{1, U::mm}});
  EXPECT_EQ(off.str(), "");
}

}  // namespace
}  // namespace tk
