// Thin-plate (Kirchhoff) bending of a uniformly loaded rectangular panel whose four edges are each
// clamped, simply supported or free: a conforming C¹ finite-element solution on a rectangular mesh.
//
// Coordinates: x runs from the left edge (x = 0) to the right edge (x = Lx), y from the bottom
// edge (y = 0) to the top edge (y = Ly). Edge order everywhere: left, bottom, right, top.
// The deflection w is positive in the direction of the load q.
//
// The field is solved for a panel scaled so that its shorter span is 1, with q = 1 and plate
// rigidity D = E·h³ / (12·(1 − ν²)) = 1; every value it returns is therefore dimensionless:
//   deflection  w = W(ξ, η) · q · l⁴ / D,
//   moments     M = Mx(ξ, η) · q · l²  (per unit width; sagging positive, hogging negative),
// with l = min(Lx, Ly) and (ξ, η) = (x / l, y / l).
//
// This header is free of any linear-algebra library; the solver keeps Eigen to its own sources.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tk::plates {

enum class Edge : std::uint8_t { Clamped, Simple, Free };

// Support conditions in the order left, bottom, right, top.
using Edges = std::array<Edge, 4>;
inline constexpr std::size_t kLeft = 0, kBottom = 1, kRight = 2, kTop = 3;

// A panel: edges, spans (any length unit, > 0) and Poisson's ratio (0 ≤ ν < 0.5).
struct Panel {
  Edges edges{Edge::Simple, Edge::Simple, Edge::Simple, Edge::Simple};
  double lx = 1.0;
  double ly = 1.0;
  double nu = 0.0;
};

// Element family: 2 = bicubic Hermite (Bogner–Fox–Schmit, 16 dof, C¹);
//                 3 = biquintic Hermite (36 dof, C², moments continuous at the nodes).
// Node positions along x and y, from 0 to the span, in the scaled coordinates (shorter span 1);
// a mesh built for other spans is stretched to the panel's.
struct Mesh {
  std::vector<double> x{0.0, 0.5, 1.0};
  std::vector<double> y{0.0, 0.5, 1.0};
  int order = 3;
  int Nx() const { return static_cast<int>(x.size()) - 1; }
  int Ny() const { return static_cast<int>(y.size()) - 1; }
};

// A mesh with `n_short` equal elements across the shorter span. Along a longer span the
// elements have the same length within half a short span of each end; between those end zones
// they may grow to `stretch` times that length, where the panel bends almost cylindrically.
Mesh MeshFor(double lx, double ly, int n_short, int order, double stretch = 1.0);

// True when the supports leave the panel free to move as a rigid body (all edges free, or one
// simply supported edge and three free ones); such a panel has no bending solution.
bool IsMechanism(const Edges& edges);

struct PlateMoments {
  double mx = 0.0;   // bending moment about the y axis, stresses σx (reinforcement along x)
  double my = 0.0;   // bending moment about the x axis, stresses σy (reinforcement along y)
  double mxy = 0.0;  // twisting moment
};

// The solved deflection field of a panel. Throws std::invalid_argument for a mechanism or for
// spans, Poisson's ratio or mesh out of range.
class PlateField {
 public:
  PlateField(const Panel& panel, const Mesh& mesh);

  // Scaled spans Lx / l and Ly / l (the shorter one is 1).
  double Sx() const { return transposed_ ? sy_ : sx_; }
  double Sy() const { return transposed_ ? sx_ : sy_; }
  double Nu() const { return nu_; }
  const Mesh& mesh() const { return given_mesh_; }
  // Number of unknowns of the solved system.
  int Unknowns() const { return unknowns_; }

  // Deflection and its derivatives at a point of the scaled panel (ξ in [0, Sx], η in [0, Sy]);
  // dx, dy = orders of differentiation. On an element boundary the derivatives of the two sides
  // are averaged.
  double Derivative(double xi, double eta, int dx, int dy) const;
  double W(double xi, double eta) const { return Derivative(xi, eta, 0, 0); }
  PlateMoments Moments(double xi, double eta) const;

 private:
  double Internal(double xi, double eta, int dx, int dy) const;

  // The system is solved with its unknowns numbered across the shorter span first, which keeps
  // the band narrow; a panel taller than wide is therefore solved mirrored about its diagonal.
  bool transposed_ = false;
  Mesh given_mesh_;
  Mesh mesh_;  // internal orientation from here on
  double sx_, sy_, nu_;
  int kx_total_, ky_total_;  // 1-D dof counts including the constrained ones
  int unknowns_ = 0;
  std::vector<double> coef_;  // kx_total_ × ky_total_ tensor coefficients, x index major
};

}  // namespace tk::plates
