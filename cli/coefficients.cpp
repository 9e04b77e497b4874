#include "coefficients.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <vector>

#include "json_bridge.h"
#include "plates/slab_coefficients.h"

namespace kalbex {

namespace {

using tk::plates::Coefficients;

std::string EdgeLetters(const tk::plates::Edges& e) {
  std::string s;
  for (auto x : e)
    s += x == tk::plates::Edge::Clamped ? 'C' : x == tk::plates::Edge::Simple ? 'S' : 'F';
  return s;
}

const char* EdgeName(tk::plates::Edge e) {
  return e == tk::plates::Edge::Clamped ? "固端" : e == tk::plates::Edge::Simple ? "铰支" : "自由";
}

json PanelJson(const std::string& letters, double lx, double ly, double nu, const Coefficients& c) {
  json j;
  j["edges"] = letters;
  j["lx"] = lx;
  j["ly"] = ly;
  j["nu"] = nu;
  j["l"] = c.l;
  j["computable"] = c.computable;
  j["table"] = c.table;
  j["kappa"] = c.kappa;
  j["point"] = c.point;
  json m;
  m["Mx"] = c.Mx;
  m["My"] = c.My;
  m["Mx'"] = c.Mx_;
  m["My'"] = c.My_;
  m["M0x"] = c.M0x;
  m["M0y"] = c.M0y;
  m["Mxz'"] = c.Mxz_;
  m["Myz'"] = c.Myz_;
  m["My1'"] = c.My1_;
  m["My2'"] = c.My2_;
  j["moments"] = m;
  return j;
}

struct Column {
  const char* name;
  double Coefficients::*value;
};
constexpr Column kColumns[] = {{"Mx", &Coefficients::Mx},     {"My", &Coefficients::My},
                               {"Mx'", &Coefficients::Mx_},   {"My'", &Coefficients::My_},
                               {"M0x", &Coefficients::M0x},   {"M0y", &Coefficients::M0y},
                               {"Mxz'", &Coefficients::Mxz_}, {"Myz'", &Coefficients::Myz_},
                               {"My1'", &Coefficients::My1_}, {"My2'", &Coefficients::My2_}};

// Rows at lx/ly = lo, lo + 0.05, … and the upper bound itself (3.33 is not on the 0.05 grid).
std::vector<double> Ratios(bool with_free) {
  const int lo = with_free ? 30 : 50, hi = with_free ? 333 : 200;
  std::vector<double> r;
  for (int h = lo; h <= hi; h += 5) r.push_back(h / 100.0);
  if (r.back() * 100.0 < hi - 0.5) r.push_back(hi / 100.0);
  return r;
}

int PrintTable(const tk::plates::Edges& e, double nu) {
  bool with_free = false;
  for (auto x : e) with_free |= x == tk::plates::Edge::Free;
  std::vector<double> ratios = Ratios(with_free);
  std::vector<Coefficients> rows;
  for (double r : ratios) rows.push_back(tk::plates::PanelCoefficients({e, r, 1.0, nu}));
  if (rows.empty() || !rows.front().computable) {
    std::cerr << "kalbex coefficients: the supports form a mechanism, no table\n";
    return 1;
  }
  std::vector<const Column*> shown;  // the moments this edge case has
  for (const Column& c : kColumns)
    for (const Coefficients& row : rows)
      if (row.*c.value != 0.0) {
        shown.push_back(&c);
        break;
      }
  std::printf("表4－%s  边界条件（左/下/右/上）：%s / %s / %s / %s    ν ＝ %g\n",
              rows.front().table.c_str(), EdgeName(e[0]), EdgeName(e[1]), EdgeName(e[2]),
              EdgeName(e[3]), nu);
  std::printf("M ＝ 系数 × q × l²    f ＝ κ × q × l⁴ / B    l ＝ min(Lx, Ly)\n");
  std::printf("%6s %10s", "Lx/Ly", "κ");
  for (const Column* c : shown) std::printf(" %9s", c->name);
  std::printf("  %s\n", "κ 位置");
  for (size_t i = 0; i < rows.size(); ++i) {
    std::printf("%6.2f %10.5f", ratios[i], rows[i].kappa);
    for (const Column* c : shown) std::printf(" %9.4f", rows[i].*(c->value) + 0.0);
    std::printf("  %s\n", rows[i].point.c_str());
  }
  return 0;
}

}  // namespace

int CmdCoefficients(const std::string& edges, std::optional<double> lx, std::optional<double> ly,
                    double nu, bool table) {
  tk::plates::Edges e{};
  if (!tk::plates::ParseEdges(edges, e)) {
    std::cerr << "kalbex coefficients: --edges takes four letters C, S or F "
                 "(left, bottom, right, top), not \""
              << edges << "\"\n";
    return 2;
  }
  if (table) return PrintTable(e, nu);
  if (!lx || !ly) {
    std::cerr << "kalbex coefficients: --lx and --ly are required without --table\n";
    return 2;
  }
  const Coefficients c = tk::plates::PanelCoefficients({e, *lx, *ly, nu});
  std::cout << PanelJson(EdgeLetters(e), *lx, *ly, nu, c).dump(2) << "\n";
  return 0;
}

}  // namespace kalbex
