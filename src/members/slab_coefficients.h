// Slab-coefficient component held by the slab calculator: the bending moments per metre width and
// the deflection coefficient of a uniformly loaded rectangular panel whose edges (left, bottom,
// right, top) are each fixed, hinged or free. The slab code depends only on this header; the
// coefficients come from a source (the thin-plate solver of src/plates by default, a test double
// in the tests).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tk::slab {

enum class Support : uint8_t { Fixed, Hinged, Free };
// Left, bottom, right, top. Lx runs from the left to the right edge, Ly from bottom to top.
using Supports = std::array<Support, 4>;

// The moments of a panel in report order. x-direction moments stress the bars running along x.
enum MomentId : int { kMx, kMy, kMx_, kMy_, kM0x, kM0y, kMxz_, kMyz_, kMy1_, kMy2_, kMoments };
struct MomentName {
  const char* name;  // "Mx'"
  const char* area;  // "Asx'"
  int dir;           // 0 = x, 1 = y
};
extern const MomentName kMomentNames[kMoments];

struct Panel {
  Supports edges{Support::Hinged, Support::Hinged, Support::Hinged, Support::Hinged};
  double lx = 1;  // m
  double ly = 1;  // m
  double nu = 0;  // Poisson's ratio
  double l() const { return lx < ly ? lx : ly; }
};

// Dimensionless coefficients, normalised by the shorter span l: M = m·q·l², f = κ·q·l⁴/B.
struct Coefficients {
  bool computable = false;
  std::array<double, kMoments> m{};  // sagging positive, support moments negative, 0 when absent
  double kappa = 0;
  std::string point;  // "跨中", "X方向自由边", "Y方向自由边"
  std::string table;  // number of the handbook table of the edge group, printed after "表4－"
};

class ICoefficientSource {
 public:
  virtual ~ICoefficientSource() = default;
  virtual Coefficients Of(const Panel& panel) = 0;
};

// The plate solver of src/plates.
std::shared_ptr<ICoefficientSource> PlateSolverSource();

// One load case: the moments of the panel under a uniform load q (kN/m²), in kN·m per metre.
struct LoadCase {
  bool computable = false;
  std::array<double, kMoments> M{};
  double kappa = 0;
  double l = 0;  // m
  std::string point, table;
};

class SlabCoefficients {
 public:
  SlabCoefficients();
  explicit SlabCoefficients(std::shared_ptr<ICoefficientSource> source);
  void SetSource(std::shared_ptr<ICoefficientSource> source);

  bool Computable(const Panel& panel) { return Get(panel).computable; }
  LoadCase Case(const Panel& panel, double q);

 private:
  const Coefficients& Get(const Panel& panel);
  std::shared_ptr<ICoefficientSource> source_;
  // The panels asked for lately: one calculation asks for the same panel under several loads.
  struct Entry {
    Panel panel;
    Coefficients c;
  };
  std::vector<Entry> cache_;
};

}  // namespace tk::slab
