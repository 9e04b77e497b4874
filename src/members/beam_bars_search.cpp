// The arrangement search of the beam bar selection (FindBarArrangements) and its geometry rules.
//
// Decisions where the selection rules leave a choice (they hold for every arrangement listed):
// - Order within a row: per base diameter (ascending), the base group alone first, then the base
//   count n_b ascending, the extra count i ascending and the extra diameter ascending. A row is
//   written base group first ("2·20 + 2·22").
// - Mixed rows: the clear spacing and the edge distance follow the larger diameter of the row.
// - The single-row stage always tries every base diameter: a narrow diameter range is how the
//   user limits the list. With iPai = 1 the search ends after it.
// - Deeper rows (iPai >= 2): an arrangement of R rows has every row but the last full. Row 1 holds
//   as many bars of the multi-row diameter d_m as fit; rows 2..R-1 hold as many bars of d_m as fit
//   with their own spacing, never more than the row above (deeper bars hang on the bars above).
//   Only row R is enumerated, the same way as the single-row stage (base group from 2 bars, extra
//   group from the base diameter to two list entries above it), at most as many bars as row R-1.
// - Search depth: every depth up to iPai is searched even when shallower arrangements exist; the
//   list shows those with fewer rows first. A depth whose full upper rows already pass the upper
//   bound cannot give anything and is skipped.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "frame/fault.h"
#include "members/beam_bars.h"

namespace tk::beampj {

namespace {

// Bar area uses the single-precision pi of the original tables.
constexpr double kPi = 3.1415927;
constexpr double kEps = 1e-9;

struct Ctx {
  const SearchInput& in;
  SearchResult& out;
  double dLo = 6, dHi = 40;  // usable diameter bounds
  double lower = 0, upper = 0;
  const char* key = "BH";
  bool monotone = true;  // equivalent bar area grows with the diameter
  bool haveFallback = false;
  BeamPjRecord fallback;
  double eqArea[kDiameterCount] = {};

  Ctx(const SearchInput& i, SearchResult& o) : in(i), out(o) {}

  bool Usable(double d) const { return InDiameterList(d) && d >= dLo - kEps && d <= dHi + kEps; }
  // One or two list entries up (dir +1) or down (dir -1): try d ± 2, d ± 3 (one entry), d ± 4,
  // d ± 5 (two entries). 0 when the candidate is not usable.
  double Step(double d, int dir, int entries) const {
    const double a = d + dir * 2.0 * entries, b = d + dir * (2.0 * entries + 1);
    if (Usable(a)) return a;
    if (Usable(b)) return b;
    return 0;
  }
  double EqArea(double d) const {
    for (int k = 0; k < kDiameterCount; ++k)
      if (kDiameters[k] == static_cast<float>(d)) return eqArea[k];
    return EquivalentBarArea(d, in.fy25, in.fy40);
  }
  double RowArea(const BeamPjRow& r) const {
    return r.n1 * EqArea(r.d1) + (r.n2 > 0 ? r.n2 * EqArea(r.d2) : 0.0);
  }
  double RowWidth(const BeamPjRow& r, int row) const {
    const double dm = r.DMax();
    const double s = ClearSpacing(key, dm, row);
    const double edge = std::max(in.c, dm);
    const int n = r.Count();
    return 2 * edge + r.n1 * static_cast<double>(r.d1) + r.n2 * static_cast<double>(r.d2) +
           (n - 1) * s;
  }
  bool Fits(const BeamPjRow& r, int row) const { return RowWidth(r, row) <= in.b + kEps; }
  int MaxBars(double d, int row) const {
    return MaxBarsInRow(in.b, in.c, d, ClearSpacing(key, d, row));
  }

  void Append(const BeamPjRecord& r) { out.records.push_back(r); }
  void OfferFallback(const BeamPjRecord& r) {
    if (!haveFallback) {
      haveFallback = true;
      fallback = r;
    }
  }
};

enum class Outcome { NoFit, Below, Appended, Above };

// Extra-bar diameters of base diameter db: from two list entries below (with through bars) or
// from the base diameter, to two list entries above it; inside the bounds, always with the base
// diameter. Returns how many were put in `de`, smallest first.
int ExtraDiameters(const Ctx& x, double db, bool throughRange, double (&de)[kDiameterCount]) {
  double rlo = db;
  if (throughRange) {
    rlo = x.Step(db, -1, 2);
    if (rlo == 0) rlo = x.Step(db, -1, 1);
    if (rlo == 0) rlo = db;
  }
  double rhi = x.Step(db, +1, 2);
  if (rhi == 0) rhi = x.Step(db, +1, 1);
  if (rhi == 0) rhi = db;
  int nde = 0;
  for (const float d : kDiameters)
    if (d == static_cast<float>(db) || (x.Usable(d) && d >= rlo - kEps && d <= rhi + kEps))
      de[nde++] = d;
  return nde;
}

// The enumeration of one row: the rows above stand in `rec`, their equivalent area in `prefix`;
// `factor` is the row's own factor.
struct RowSearch {
  Ctx& x;
  const int row;
  const double prefix, factor;
  BeamPjRecord rec;
  int bestSingle = 0;  // most bars of the base diameter alone appended so far

  // Places row r and appends the arrangement when it fits and lies in the window; an
  // arrangement above the window is kept as the fallback unless it repeats one already seen.
  Outcome Consider(const BeamPjRow& r, bool duplicate) {
    ++x.out.tried;
    if (!x.Fits(r, row)) return Outcome::NoFit;
    const double a = prefix + factor * x.RowArea(r);
    if (a < x.lower - kEps) return Outcome::Below;
    if (a > x.upper + kEps) {
      if (!duplicate) {
        rec.row[row - 1] = r;
        x.OfferFallback(rec);
      }
      return Outcome::Above;
    }
    if (duplicate) return Outcome::Below;
    rec.row[row - 1] = r;
    x.Append(rec);
    return Outcome::Appended;
  }

  // nb bars of db and i extra bars of each extra diameter in turn. True when no larger i can
  // give anything either: the smallest extra diameter no longer fits or passes the window.
  bool TryExtraGroup(double db, const double* de, int nde, int nb, int i) {
    for (int k = 0; k < nde; ++k) {
      const double d = de[k];
      const bool single = d == db;
      const BeamPjRow r =
          single ? BeamPjRow{static_cast<int16_t>(nb + i), static_cast<float>(db), 0, 0}
                 : BeamPjRow{static_cast<int16_t>(nb), static_cast<float>(db),
                             static_cast<int16_t>(i), static_cast<float>(d)};
      const bool duplicate = single && nb + i <= bestSingle;
      const Outcome o = Consider(r, duplicate);
      if (o == Outcome::Appended && single) bestSingle = nb + i;
      // Width and (normally) area grow with the extra diameter and with i: once the smallest
      // extra diameter no longer fits, or passes the window with a fallback already held,
      // nothing further in this row can be appended.
      if (o == Outcome::NoFit || (o == Outcome::Above && x.haveFallback && x.monotone))
        return k == 0;
    }
    return false;
  }

  // Every arrangement of this row on base diameter db: the base group of n0 bars alone, then
  // nb >= n0 base bars with an extra group, at least nMin and at most cap bars in all.
  void TryBase(double db, bool throughRange, int n0, int nMin, int cap) {
    double de[kDiameterCount];
    const int nde = ExtraDiameters(x, db, throughRange, de);
    bestSingle = 0;
    if (n0 >= nMin && n0 <= cap && n0 >= 1) {
      const BeamPjRow r{static_cast<int16_t>(n0), static_cast<float>(db), 0, 0};
      if (Consider(r, false) == Outcome::Appended) bestSingle = n0;
    }
    int nmax = x.MaxBars(de[0], row);
    nmax = std::min(nmax, cap);
    nmax = std::min(nmax, static_cast<int>(INT16_MAX));
    for (int nb = n0; nb <= nmax; ++nb) {
      for (int i = std::max(1, nMin - nb); i <= nmax - nb; ++i) {
        if ((nb & 1) && (i & 1)) continue;  // two odd groups cannot be placed symmetrically
        if (TryExtraGroup(db, de, nde, nb, i)) break;
      }
    }
  }
};

// Fills row `row` of `rec` in the search order and appends every arrangement in the window.
// prefix: equivalent area of the rows above; factor: the row's factor; cap: most bars allowed.
void SearchRow(Ctx& x, int row, const std::vector<double>& bases, int n0, bool throughRange,
               int nMin, int cap, double prefix, double factor, const BeamPjRecord& rec) {
  RowSearch search{x, row, prefix, factor, rec};
  for (const double db : bases) search.TryBase(db, throughRange, n0, nMin, cap);
}

// Usable diameters: the given bounds, the ends of the list where none is given.
void SetDiameterBounds(Ctx& x) {
  x.dLo = x.in.dMin > 0 ? x.in.dMin : kDiameters[0];
  x.dHi = x.in.dMax > 0 ? x.in.dMax : kDiameters[kDiameterCount - 1];
}

// The search bounds of an input: the usable diameters, the area window, the spacing key and the
// equivalent area of every list diameter.
void SetUpSearch(Ctx& x) {
  const SearchInput& in = x.in;
  SetDiameterBounds(x);
  x.lower = in.kl * in.As;
  x.upper = in.ku * in.As;
  x.key = in.top ? "TH" : "BH";
  for (int k = 0; k < kDiameterCount; ++k) {
    x.eqArea[k] = EquivalentBarArea(kDiameters[k], in.fy25, in.fy40);
    if (k > 0 && x.eqArea[k] <= x.eqArea[k - 1]) x.monotone = false;
  }
}

// Largest usable diameter (the bound itself when it is in the list); 0 when none is usable.
double LargestUsableDiameter(const Ctx& x) {
  double dLargest = 0;
  for (const float d : kDiameters)
    if (x.Usable(d)) dLargest = d;
  return dLargest;
}

// Row factors k2..k4 carried by every record.
void StampRowFactors(const SearchInput& in, BeamPjRecord& r) {
  r.k2 = static_cast<float>(in.k[2]);
  r.k3 = static_cast<float>(in.k[3]);
  r.k4 = static_cast<float>(in.k[4]);
}

// Through bars already at the upper bound are the answer, completed to the first-row minimum
// with a neighbouring size (one entry smaller first, to add as little as possible).
BeamPjRecord ThroughBarsRecord(const Ctx& x, int nT, int nMin) {
  const SearchInput& in = x.in;
  BeamPjRecord r;
  StampRowFactors(in, r);
  r.row[0] = {static_cast<int16_t>(nT), static_cast<float>(in.dThrough), 0, 0};
  int extra = std::min(std::max(0, nMin - nT), INT16_MAX - 1 - nT);
  if ((nT & 1) && (extra & 1)) ++extra;
  if (extra <= 0) return r;
  const double cands[] = {x.Step(in.dThrough, -1, 1), x.Step(in.dThrough, +1, 1), in.dThrough};
  for (const double d : cands) {
    if (d == 0) continue;
    const BeamPjRow row =
        d == in.dThrough ? BeamPjRow{static_cast<int16_t>(nT + extra), static_cast<float>(d), 0, 0}
                         : BeamPjRow{static_cast<int16_t>(nT), static_cast<float>(in.dThrough),
                                     static_cast<int16_t>(extra), static_cast<float>(d)};
    if (x.Fits(row, 1)) {
      r.row[0] = row;
      break;
    }
  }
  return r;
}

// Base diameters of row `row`: the usable ones, smallest first, while two bars still fit.
std::vector<double> BaseDiameters(const Ctx& x, int row) {
  std::vector<double> bases;
  for (const float d : kDiameters) {
    if (!x.Usable(d)) continue;
    if (!x.Fits(BeamPjRow{2, d, 0, 0}, row)) break;
    bases.push_back(d);
  }
  return bases;
}

// Stage 1: arrangements of one row (from the through bars when there are any).
void SearchOneRow(Ctx& x, int nT, int nMin, const BeamPjRecord& base) {
  const bool through = nT > 0;
  const std::vector<double> bases =
      through ? std::vector<double>{x.in.dThrough} : BaseDiameters(x, 1);
  SearchRow(x, 1, bases, through ? nT : 2, through, nMin, INT_MAX, 0.0, 1.0, base);
}

// Rows 1..R-1 of an R-row arrangement, full with bars of d_m: row 1 holds n1 bars, each deeper
// row as many as fit but never more than the row above. Returns false when a row holds fewer
// than two bars; `prefix` gets their factored equivalent area and `above` the count of row R-1.
bool FillUpperRows(const Ctx& x, int R, double dm, int n1, BeamPjRecord& rec, double& prefix,
                   int& above) {
  const SearchInput& in = x.in;
  rec.row[0] = {static_cast<int16_t>(n1), static_cast<float>(dm), 0, 0};
  prefix = n1 * x.EqArea(dm);
  above = n1;
  for (int r = 2; r < R; ++r) {
    const int n = std::min(x.MaxBars(dm, r), above);
    if (n < 2) return false;
    rec.row[r - 1] = {static_cast<int16_t>(n), static_cast<float>(dm), 0, 0};
    prefix += in.k[r] * n * x.EqArea(dm);
    above = n;
  }
  return true;
}

// Stage 2: arrangements of two to iPai rows, only the last row enumerated.
void SearchDeeperRows(Ctx& x, int iPai, int nT, int nMin, const BeamPjRecord& base) {
  const SearchInput& in = x.in;
  const double dm = MultiRowDiameter(in);
  const int n1 = x.MaxBars(dm, 1);
  if (!(n1 >= nMin && n1 >= 2 && n1 >= nT && n1 <= INT16_MAX)) return;
  for (int R = 2; R <= iPai; ++R) {
    bool factorsOk = true;
    for (int r = 2; r <= R; ++r) factorsOk &= in.k[r] > 0;
    if (!factorsOk) break;  // a factor <= 0 ends the search for deeper rows
    BeamPjRecord rec = base;
    double prefix = 0;
    int above = 0;
    if (!FillUpperRows(x, R, dm, n1, rec, prefix, above)) break;
    if (prefix > x.upper + kEps && x.haveFallback && x.monotone) break;
    SearchRow(x, R, BaseDiameters(x, R), 2, false, 0, above, prefix, in.k[R], rec);
  }
}

}  // namespace

bool InDiameterList(double d) {
  for (const float x : kDiameters)
    if (static_cast<double>(x) == d) return true;
  return false;
}

int BeamPjRecord::Rows() const {
  int n = 0;
  for (int k = 0; k < 4; ++k)
    if (row[k].Count() > 0) n = k + 1;
  return n;
}

double ClearSpacing(const char* key, double d, int row) {
  // GBJ 10-89 art. 9.2.1: top bars clear spacing >= 1.5d and 30 mm; bottom bars >= d and 25 mm,
  // and bars of the third row and below twice that; between rows >= d and 25 mm.
  if (std::strcmp(key, "TH") == 0) return std::max(1.5 * d, 30.0);
  if (std::strcmp(key, "BH") == 0) {
    const double s = std::max(d, 25.0);
    return row >= 3 ? 2 * s : s;
  }
  return std::max(d, 25.0);  // "TV", "BV"
}

int MaxBarsInRow(double b, double c, double d, double s) {
  const double edge = std::max(c, d);
  const double n = std::floor((b - 2 * edge + s) / (d + s) + kEps);
  if (!(n > 0)) return 0;
  return n > 1e6 ? 1000000 : static_cast<int>(n);
}

int MinBarsFirstRow(double b, double c, double d, double sl) {
  // Each stirrup leg needs a longitudinal bar; legs at most sl apart (sl - 8 between leg centres).
  const double legs = fault::div(b - 2 * (c + d), sl - 8);
  double n = std::ceil(legs - kEps) + 1;
  if (b >= 350) n = std::max(n, 4.0);  // GBJ 10-89 art. 7.2.2: four legs from b = 350 mm
  n = std::max(n, 2.0);
  return n > 1e6 ? 1000000 : static_cast<int>(n);
}

double BarArea(double d) {
  return kPi * d * d / 4;
}

double EquivalentBarArea(double d, double fy25, double fy40) {
  // Bars above 25 mm have the lower design strength fy40; count them in fy25 bars.
  return d > 25 ? BarArea(d) * fault::div(fy40, fy25) : BarArea(d);
}

double RowFactor(double h, double a1, double ak, double x, int32_t& lErr) {
  lErr = 0;
  const double num = (h - ak) - x / 2;
  if (num <= 0) {
    lErr = kRowFactorDepth;
    return 0;
  }
  const double k = fault::div(num, (h - a1) - x / 2);
  if (k > 1) {
    lErr = kRowFactorAboveOne;
    return k;
  }
  return k;
}

double MultiRowDiameter(const SearchInput& in) {
  if (in.nThrough > 0 && in.dThrough > 0) return in.dThrough;
  SearchResult scratch;
  Ctx x(in, scratch);
  SetDiameterBounds(x);
  const double dLargest = LargestUsableDiameter(x);
  if (dLargest == 0) return 0;
  double dm = x.Step(dLargest, -1, 2);
  if (dm == 0) dm = x.Step(dLargest, -1, 1);
  if (dm == 0) dm = dLargest;
  return dm;
}

SearchResult FindBarArrangements(const SearchInput& in) {
  SearchResult out;
  Ctx x(in, out);
  SetUpSearch(x);
  const double dLargest = LargestUsableDiameter(x);
  if (dLargest == 0) {
    out.lErr = kNothingFound;
    return out;
  }
  const int nMin = MinBarsFirstRow(in.b, in.c, dLargest, in.sl);
  out.nMin = nMin;
  const BeamPjRow widest{static_cast<int16_t>(std::min(nMin, 32767)), static_cast<float>(dLargest),
                         0, 0};
  if (!x.Fits(widest, 1) && 2 * in.c + in.sl - 8 < in.b) {
    out.lErr = kTooNarrow;
    return out;
  }

  const bool through = in.nThrough > 0 && in.dThrough > 0;
  const int nT = through ? std::clamp(in.nThrough, 2, 9999) : 0;
  if (through && nT * x.EqArea(in.dThrough) >= x.upper - kEps) {
    out.records.push_back(ThroughBarsRecord(x, nT, nMin));
    return out;
  }

  BeamPjRecord base;
  StampRowFactors(in, base);
  SearchOneRow(x, nT, nMin, base);
  const int iPai = std::clamp(in.iPai, 1, 4);
  if (iPai >= 2) SearchDeeperRows(x, iPai, nT, nMin, base);

  if (out.records.empty()) {
    if (x.haveFallback) {
      out.records.push_back(x.fallback);
      out.fallback = true;
    } else {
      out.lErr = kNothingFound;
    }
  }
  return out;
}

std::string Describe(const BeamPjRecord& r) {
  std::string s;
  const int rows = r.Rows();
  auto num = [](float d) {
    const double v = d;
    if (v == std::floor(v)) return std::to_string(static_cast<long long>(v));
    std::string t = std::to_string(v);
    while (!t.empty() && t.back() == '0') t.pop_back();
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t;
  };
  for (int k = 0; k < rows; ++k) {
    if (k) s += " / ";
    const BeamPjRow& w = r.row[k];
    s += std::to_string(w.n1) + "·" + num(w.d1);
    if (w.n2 > 0) s += " + " + std::to_string(w.n2) + "·" + num(w.d2);
  }
  return s;
}

double ActualArea(const BeamPjRecord& r) {
  double a = 0;
  for (const auto& w : r.row) a += w.n1 * BarArea(w.d1) + w.n2 * BarArea(w.d2);
  return a;
}

double EquivalentArea(const BeamPjRecord& r, double fy25, double fy40) {
  const double k[4] = {1, r.k2, r.k3, r.k4};
  double a = 0;
  for (int j = 0; j < 4; ++j) {
    const auto& w = r.row[j];
    if (w.Count() == 0) continue;
    a += k[j] * (w.n1 * EquivalentBarArea(w.d1, fy25, fy40) +
                 (w.n2 > 0 ? w.n2 * EquivalentBarArea(w.d2, fy25, fy40) : 0.0));
  }
  return a;
}

double EquivalentDiameter(const BeamPjRecord& r) {
  double s2 = 0, s1 = 0;
  for (const auto& w : r.row) {
    s2 += w.n1 * static_cast<double>(w.d1) * w.d1 + w.n2 * static_cast<double>(w.d2) * w.d2;
    s1 += w.n1 * static_cast<double>(w.d1) + w.n2 * static_cast<double>(w.d2);
  }
  return s1 > 0 ? s2 / s1 : 0;
}

}  // namespace tk::beampj
