// Load combinations of the governing-moment search and the long-term moment.
#include <array>

#include "frame/fault.h"
#include "service/result_files_detail.h"

namespace tk {

namespace msml {

namespace {

// Signs and directions of the lateral terms: X = 0, Y = 1.
struct Lateral {
  int sign, dir;
};
constexpr std::array<Lateral, 4> kFour{{{+1, 0}, {-1, 0}, {+1, 1}, {-1, 1}}};
// Kinds 18-33: earthquake term, then wind term.
constexpr std::array<std::array<Lateral, 2>, 16> kEqWind{{
    {{{+1, 0}, {+1, 0}}},
    {{{+1, 0}, {-1, 0}}},
    {{{-1, 0}, {+1, 0}}},
    {{{-1, 0}, {-1, 0}}},
    {{{+1, 1}, {+1, 1}}},
    {{{+1, 1}, {-1, 1}}},
    {{{-1, 1}, {+1, 1}}},
    {{{-1, 1}, {-1, 1}}},
    {{{+1, 0}, {+1, 1}}},
    {{{+1, 0}, {-1, 1}}},
    {{{-1, 0}, {+1, 1}}},
    {{{-1, 0}, {-1, 1}}},
    {{{+1, 1}, {+1, 0}}},
    {{{+1, 1}, {-1, 0}}},
    {{{-1, 1}, {+1, 0}}},
    {{{-1, 1}, {-1, 0}}},
}};

int KindOf(int n) {
  return (n - 1) % 33 + 1;
}

}  // namespace

// Service-load combinations (GBJ 9-87 §2.2, GBJ 11-89 ch. 4) without partial factors: the
// deflection check works with short-term moments. Kinds 18-33 add 0.2 of the wind to the
// earthquake, as JGJ 3-91 asks of tall buildings.
double CombinationValue(const MomentTable& t, int n, int k, float f, bool bGaoCeng) {
  const int kind = KindOf(n);
  const int live_slot = 6 + (n - 1) / 33;
  const double D = t.at(5, k), L = t.at(live_slot, k);
  const double W[2] = {t.at(3, k), t.at(4, k)};
  const double E[2] = {t.at(1, k), t.at(2, k)};
  const double psi_w = bGaoCeng ? 1.0 : 0.6;
  const double psi_e = bGaoCeng ? 0.2 : 0.0;
  const double fD = static_cast<double>(f) * D, fL = static_cast<double>(f) * L;
  double m;
  if (kind == 1) {
    m = fD + fL;
  } else if (kind <= 5) {
    const auto& w = kFour[kind - 2];
    m = fD + w.sign * W[w.dir];
  } else if (kind <= 9) {
    const auto& w = kFour[kind - 6];
    m = fD + fL + psi_w * w.sign * W[w.dir];
  } else if (kind <= 13) {
    const auto& w = kFour[kind - 10];
    m = fD + w.sign * W[w.dir] + 0.6 * fL;
  } else if (kind <= 17) {
    const auto& e = kFour[kind - 14];
    m = fD + fL + e.sign * E[e.dir];
  } else {
    const auto& [e, w] = kEqWind[kind - 18];
    m = fD + fL + e.sign * E[e.dir] + psi_e * w.sign * W[w.dir];
  }
  return fault::check(m);
}

bool CombinationAllowed(int n, const CaseFlags& flags, bool bGaoCeng) {
  const int kind = KindOf(n);
  if (n >= 34 && !flags.live_arrangement) return false;
  const bool wind = (kind >= 2 && kind <= 13) || kind >= 18;
  const bool earthquake = kind >= 14;
  if (wind && !flags.wind) return false;
  if (earthquake && !flags.earthquake) return false;
  if (kind >= 18 && !bGaoCeng) return false;
  return true;
}

Governing CalMsCombination(const MomentTable& t, const CaseFlags& flags, bool bGaoCeng,
                           float sTfXs) {
  // Moment redistribution of the vertical-load moments (hogging reduced by sTfXs, sagging raised
  // to keep the static moment of the span: f = 3 − 2·sTfXs).
  float f[10];
  for (int k = 1; k <= 9; ++k) f[k] = (t.at(5, k) + t.at(6, k) <= 0) ? sTfXs : 3.0f - 2.0f * sTfXs;
  float v[100][10];
  bool allowed[100];
  for (int n = 1; n <= 99; ++n) {
    allowed[n] = CombinationAllowed(n, flags, bGaoCeng);
    for (int k = 1; k <= 9; ++k)
      v[n][k] = fault::to_float(CombinationValue(t, n, k, f[k], bGaoCeng));
  }
  Governing g;
  // Ends: the lower combination number keeps a tie.
  const int end_rows[2][2] = {{0, 1}, {2, 9}};
  for (const auto& [row, k] : end_rows) {
    float lo = v[1][k], hi = v[1][k];
    int16_t nlo = 1, nhi = 1;
    for (int n = 2; n <= 99; ++n) {
      if (!allowed[n]) continue;
      if (v[n][k] < lo) lo = v[n][k], nlo = static_cast<int16_t>(n);
      if (v[n][k] > hi) hi = v[n][k], nhi = static_cast<int16_t>(n);
    }
    g.ms[row][0] = lo, g.ms[row][1] = hi;
    g.load_case[row][0] = nlo, g.load_case[row][1] = nhi;
  }
  // Span: sections 2-8, combination by combination so that a tie again goes to the lower number.
  float lo = v[1][2], hi = v[1][2];
  int16_t nlo = 1, nhi = 1;
  g.span_section = 2;
  for (int n = 1; n <= 99; ++n) {
    if (!allowed[n]) continue;
    for (int k = 2; k <= 8; ++k) {
      if (v[n][k] < lo) lo = v[n][k], nlo = static_cast<int16_t>(n);
      if (v[n][k] > hi) hi = v[n][k], nhi = static_cast<int16_t>(n), g.span_section = k;
    }
  }
  g.ms[1][0] = lo, g.ms[1][1] = hi;
  g.load_case[1][0] = nlo, g.load_case[1][1] = nhi;
  return g;
}

// Quasi-permanent moment (GBJ 9-87 §2.2): Ml = D + ψq·L. TBSA prints dead and live together, so
// the live share is taken as a quarter of it: Ml = (0.75 + 0.25·ψq)·(D + L).
float CalMl(const MomentTable& t, int mode, int section, float sPsiq) {
  const double D = t.at(5, section), L = t.at(6, section);
  if (mode == static_cast<int>(Mode::Satwe))
    return fault::to_float(D + static_cast<double>(sPsiq) * L);
  if (mode == static_cast<int>(Mode::Tbsa))
    return fault::to_float((0.75 + 0.25 * static_cast<double>(sPsiq)) * D);
  return 0;
}

}  // namespace msml

}  // namespace tk
