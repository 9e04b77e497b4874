// Bending-moment and deflection coefficients of a uniformly loaded rectangular slab panel, the
// figures an engineer reads from the two-way-slab tables of the static-calculation handbook
// (建筑结构静力计算手册), here computed by the thin-plate solver of plates/plate.h for any edge
// case, span ratio and Poisson's ratio. Every coefficient is that of the plate with the given ν,
// solved as such.
//
// Conventions
//   Edges in the order left, bottom, right, top; Lx from the left to the right edge, Ly from the
//   bottom to the top edge. l = min(Lx, Ly) normalises every coefficient:
//     moment per unit width  M = coefficient · q · l²,
//     deflection             f = κ · q · l⁴ / B,   B = E·h³ / (12·(1 − ν²)).
//   "x direction" moments (Mx…) stress the reinforcement running along x (they act on sections
//   x = const); "y direction" moments likewise along y. Sagging (tension at the bottom face) is
//   positive; support (hogging) moments are negative. A moment the edge case does not have is 0.
//
//   Mx, My    moments at the centre of the panel (Lx/2, Ly/2).
//   Mx'       the most negative Mx along the clamped left and right edges (searched along the
//             whole edge, so an unsymmetric case gets its true peak, not the mid-edge value).
//   My'       the most negative My along the clamped bottom and top edges.
//   M0x       Mx at the middle of a free edge running in x (bottom or top edge, at x = Lx/2);
//             with two such edges the one of larger magnitude.
//   M0y       My at the middle of a free edge running in y (left or right edge, at y = Ly/2).
//   Mxz'      the support moment Mx at the fixed end of a free edge running in x, i.e. where a
//             free bottom or top edge meets a clamped left or right edge: the mean of Mx over
//             the last 0.1·l of the clamped edge (the most negative of such ends). Thin-plate
//             theory has no mesh-independent value at the corner point itself (for ν = 0 it
//             keeps growing as the mesh is refined, for ν > 0 it falls to 0 at the point
//             through a steep boundary layer), so the end strip a bar band covers takes its
//             place; for the same
//             reason the search for Mx' stops 0.1·l short of such an end and counts the
//             strip's mean instead.
//   Myz'      likewise My at the fixed end of a free edge running in y (a free left or right
//             edge meeting a clamped bottom or top edge).
//   My1', My2' the support moments My of the bottom (1) and top (2) edges at x = Lx/2 when both
//             are clamped and differ. A uniformly loaded panel with both these edges clamped is
//             symmetric about y = Ly/2, so the two never differ and stay 0 for every edge case:
//             all y-direction support moments are carried by My' and Myz'.
//   κ         at the point of largest deflection over the whole panel; `point` names it:
//             "X方向自由边" when it lies on a free bottom or top edge (also at the corner of two
//             free edges), "Y方向自由边" on a free left or right edge, "跨中" inside the panel. A
//             free edge whose own largest deflection comes within 1e-4 of the panel's takes the
//             point (a one-way panel at ν = 0 deflects equally across its whole width).
//
// Edge groups (our numbering of the handbook's tables, printed after "表4－"). Rotating or
// mirroring the panel keeps its group. C clamped (固端), S simply supported (铰支), F free (自由):
//   1 SSSS  2 one C, three S  3 two opposite C  4 two adjacent C  5 three C, one S  6 CCCC
//   one free edge, listed as (edge opposite it; the two flanking it):
//   7 S;SS  8 C;SS  9 S;SC  10 C;SC  11 S;CC  12 C;CC
//   two adjacent free edges, the other two: 13 SS  14 SC  15 CC
//   two opposite free edges, the other two: 16 SS  17 SC  18 CC
//   19 one clamped edge, three free (cantilever panel)
//   mechanisms (all free, or one simply supported edge and three free): table "".
//
// Computable: false for a mechanism, for spans or ν out of range (spans > 0, 0 ≤ ν < 0.5), and
// outside the span ratios the slab accepts: Lx/Ly from 0.50 to 2.00 for panels supported on all
// four edges, from 0.30 to 3.33 for panels with a free edge, bounds included (to 1e-9 relative).
// A panel that is not computable has every coefficient 0 and an empty point; l and the table
// are still given.
//
// Accuracy: biquintic C² Hermite elements (9 dof per node), 6 equal elements across the shorter
// span; along a longer span the same length within half a short span of each end and at most
// twice that in between: 289 unknowns for a clamped square, at most about 780 at the ratio
// limits. Measured against the Navier and Lévy series over the whole ratio range in steps of
// 0.05 (0.1 with a free edge), ν = 0 and 0.2: κ within 0.001 %, Mx within 0.1 %, My within
// 0.4 %, My' within 0.005 %, M0x within 0.01 % (of the value, or of 1 % of the larger centre
// moment where the value itself is smaller). Where no series exists (free edges meeting
// clamped ones) every coefficient agrees with a mesh of 16 elements across the short span to
// within 0.3 %, except a free-edge moment M0x/M0y that is under 2 % of the panel's largest
// moment, which may differ by up to 5 % of its own small value.
// Cost: about 1–4 ms of CPU for a new panel; a repeated panel is answered from a per-thread
// cache in well under a microsecond.
#pragma once

#include <string>

#include "frame/export.h"
#include "plates/plate.h"

namespace tk::plates {

struct Coefficients {
  bool computable = false;
  double l = 0.0;
  std::string table;
  double kappa = 0.0;
  std::string point;
  double Mx = 0.0, My = 0.0;
  double Mx_ = 0.0, My_ = 0.0;  // Mx', My'
  double M0x = 0.0, M0y = 0.0;
  double Mxz_ = 0.0, Myz_ = 0.0;  // Mxz', Myz'
  double My1_ = 0.0, My2_ = 0.0;  // My1', My2'
};

// Edge group 1–19 as listed above; 0 for a mechanism.
int EdgeGroup(const Edges& edges);
// True when the panel is inside the span-ratio range of its edge group (false for a mechanism).
bool RatioAccepted(const Edges& edges, double lx, double ly);
// The coefficients of a panel. Thread-safe: each thread keeps its own cache of solved panels
// (keyed by edges, Lx/Ly and ν), so asking for the same panel again costs microseconds.
TK_API Coefficients PanelCoefficients(const Panel& panel);
// The same without the cache, on a chosen mesh (n_short elements across the shorter span).
Coefficients ComputeCoefficients(const Panel& panel, int n_short, int order = 3);

// Parses "LBRT" letters C/S/F (upper or lower case) into edges; false on anything else.
TK_API bool ParseEdges(const std::string& text, Edges& edges);

}  // namespace tk::plates
