// Kirchhoff plate by tensor-product Hermite elements.
//
// On a rectangular grid the conforming Hermite space is the tensor product of two 1-D spaces of
// piecewise polynomials with `order` derivatives per node (order 2: cubic, the Bogner–Fox–Schmit
// element; order 3: quintic). Support conditions act on the 1-D spaces alone: a clamped edge
// removes the value and the slope of its end node, a simply supported edge the value only (which
// also zeroes every tangential derivative along the edge), a free edge nothing; the free-edge and
// moment conditions follow from the energy as natural conditions.
//
// The bending energy D/2 ∫ (wxx² + wyy² + 2ν wxx wyy + 2(1−ν) wxy²) dA of w = Σ c_IJ X_I(x) Y_J(y)
// then gives a stiffness that is a sum of Kronecker products of 1-D matrices:
//   K = K2x⊗M0y + M0x⊗K2y + ν (Cx⊗Cyᵀ + Cxᵀ⊗Cy) + 2(1−ν) K1x⊗K1y,
// with M0 = ∫N N, K1 = ∫N' N', K2 = ∫N'' N'', C(a, b) = ∫N''_a N_b.
#include "plates/plate.h"

#include <Eigen/Dense>
#include <Eigen/SparseCholesky>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace tk::plates {

namespace {

constexpr int kMaxOrder = 3;
constexpr int kMaxLocal = 2 * kMaxOrder;

// Hermite shape functions on the reference element [0, 1] of one order: function a = end·order + d
// has derivative d equal to 1 at its end and every other end derivative below `order` zero.
struct Hermite1D {
  int order = 0;
  // coefficient of ξ^p of function a
  double c[kMaxLocal][kMaxLocal] = {};

  explicit Hermite1D(int k) : order(k) {
    const int n = 2 * k;
    Eigen::MatrixXd A(n, n);  // rows: conditions (end, derivative), columns: monomials
    for (int end = 0; end < 2; ++end)
      for (int d = 0; d < k; ++d)
        for (int p = 0; p < n; ++p) {
          double v = 0.0;
          if (p >= d) {
            double f = 1.0;
            for (int i = 0; i < d; ++i) f *= p - i;
            v = f * std::pow(static_cast<double>(end), p - d);
            if (end == 0) v = (p == d) ? f : 0.0;
          }
          A(end * k + d, p) = v;
        }
    const Eigen::MatrixXd coeffs = A.inverse();  // column a = monomial coefficients of function a
    for (int a = 0; a < n; ++a)
      for (int p = 0; p < n; ++p) c[a][p] = coeffs(p, a);
  }

  int Size() const { return 2 * order; }

  // r-th derivative of function a at ξ (reference coordinate).
  double Eval(int a, double xi, int r) const {
    double s = 0.0;
    for (int p = Size() - 1; p >= r; --p) {
      double f = 1.0;
      for (int i = 0; i < r; ++i) f *= p - i;
      s = s * xi + c[a][p] * f;
    }
    // Horner above multiplies every term by ξ^(p−r) with p from r upward.
    return s;
  }
};

const Hermite1D& Basis(int order) {
  static const Hermite1D cubic(2), quintic(3);
  return order == 2 ? cubic : quintic;
}

// Physical r-th derivative of local function a on an element of length h: the function carries
// h^d so that its dof is the d-th physical derivative.
double Shape(const Hermite1D& b, int a, double xi, int r, double h) {
  double scale = 1.0;
  for (int e = a % b.order - r; e > 0; --e) scale *= h;
  for (int e = a % b.order - r; e < 0; ++e) scale /= h;
  return b.Eval(a, xi, r) * scale;
}

// Global 1-D matrices of a uniform mesh (dense; their band is two nodes wide).
struct Matrices1D {
  Eigen::MatrixXd m0, k1, k2, c;
  Eigen::VectorXd f;
  std::vector<int> free;  // unconstrained global dofs, ascending
};

Matrices1D Assemble1D(int order, const std::vector<double>& nodes, Edge start, Edge end) {
  const Hermite1D& b = Basis(order);
  const int nl = b.Size();
  const int n = static_cast<int>(nodes.size()) - 1;
  const int ng = order * (n + 1);
  // 6-point Gauss–Legendre: exact for the degree-10 products of quintics
  static const double gx[6] = {0.0337652428984240, 0.1693953067668677, 0.3806904069584015,
                               0.6193095930415985, 0.8306046932331323, 0.9662347571015760};
  static const double gw[6] = {0.0856622461895852, 0.1803807865240693, 0.2339569672863455,
                               0.2339569672863455, 0.1803807865240693, 0.0856622461895852};
  // Matrices of the unit element; an element of length h scales entry (a, b) by h to the power
  // (d_a + d_b + 1 − derivatives taken), d being the derivative order of the dof.
  Eigen::MatrixXd em0 = Eigen::MatrixXd::Zero(nl, nl), ek1 = em0, ek2 = em0, ec = em0;
  Eigen::VectorXd ef = Eigen::VectorXd::Zero(nl);
  for (int g = 0; g < 6; ++g) {
    double v[kMaxLocal], d1[kMaxLocal], d2[kMaxLocal];
    for (int a = 0; a < nl; ++a) {
      v[a] = b.Eval(a, gx[g], 0);
      d1[a] = b.Eval(a, gx[g], 1);
      d2[a] = b.Eval(a, gx[g], 2);
    }
    for (int a = 0; a < nl; ++a) {
      ef(a) += gw[g] * v[a];
      for (int bb = 0; bb < nl; ++bb) {
        em0(a, bb) += gw[g] * v[a] * v[bb];
        ek1(a, bb) += gw[g] * d1[a] * d1[bb];
        ek2(a, bb) += gw[g] * d2[a] * d2[bb];
        ec(a, bb) += gw[g] * d2[a] * v[bb];
      }
    }
  }
  Matrices1D m;
  m.m0 = Eigen::MatrixXd::Zero(ng, ng);
  m.k1 = m.m0;
  m.k2 = m.m0;
  m.c = m.m0;
  m.f = Eigen::VectorXd::Zero(ng);
  for (int e = 0; e < n; ++e) {
    const double h = nodes[static_cast<size_t>(e) + 1] - nodes[static_cast<size_t>(e)];
    double hp[4 * kMaxOrder];  // h^(p − 3)
    for (int p = 0; p < 4 * kMaxOrder; ++p) hp[p] = std::pow(h, p - 3);
    const int base = e * order;  // local a maps to global base + a (end 1 follows end 0)
    for (int a = 0; a < nl; ++a) {
      const int da = a % order;
      m.f(base + a) += ef(a) * hp[da + 4];
      for (int bb = 0; bb < nl; ++bb) {
        const int s = da + bb % order;
        m.m0(base + a, base + bb) += em0(a, bb) * hp[s + 4];
        m.k1(base + a, base + bb) += ek1(a, bb) * hp[s + 2];
        m.k2(base + a, base + bb) += ek2(a, bb) * hp[s];
        m.c(base + a, base + bb) += ec(a, bb) * hp[s + 2];
      }
    }
  }
  auto removed = [&](int g) {
    const int node = g / order, d = g % order;
    const Edge e = node == 0 ? start : node == n ? end : Edge::Free;
    return (e == Edge::Simple && d == 0) || (e == Edge::Clamped && d <= 1);
  };
  for (int g = 0; g < ng; ++g)
    if (!removed(g)) m.free.push_back(g);
  return m;
}

// Elements touching a coordinate: one, or two when it lies on an inner node.
int ElementsAt(double x, const std::vector<double>& nodes, int out[2]) {
  const int n = static_cast<int>(nodes.size()) - 1;
  const int e = std::clamp(
      static_cast<int>(std::upper_bound(nodes.begin(), nodes.end(), x) - nodes.begin()) - 1, 0,
      n - 1);
  const double h = nodes[static_cast<size_t>(e) + 1] - nodes[static_cast<size_t>(e)];
  const double tol = 1e-9 * h;
  if (e > 0 && std::fabs(x - nodes[static_cast<size_t>(e)]) < tol) {
    out[0] = e - 1;
    out[1] = e;
    return 2;
  }
  if (e + 1 < n && std::fabs(x - nodes[static_cast<size_t>(e) + 1]) < tol) {
    out[0] = e;
    out[1] = e + 1;
    return 2;
  }
  out[0] = e;
  return 1;
}

// Nodes over [0, span] for the rule of MeshFor.
std::vector<double> Nodes(double span, int n_short, double stretch) {
  std::vector<double> x{0.0};
  const double h = 1.0 / n_short;
  if (stretch <= 1.0 || span < 2.0) {
    const int n = std::max(1, static_cast<int>(std::ceil(span / h - 1e-9)));
    for (int i = 1; i <= n; ++i) x.push_back(span * i / n);
    return x;
  }
  const int ce = (n_short + 1) / 2;  // elements of each end zone (half a short span)
  const double he = 0.5 / ce, middle = span - 1.0;
  const int cm = static_cast<int>(std::ceil(middle / (stretch * he) - 1e-9));
  for (int i = 1; i <= ce; ++i) x.push_back(he * i);
  for (int i = 1; i <= cm; ++i) x.push_back(0.5 + middle * i / cm);
  for (int i = 1; i <= ce; ++i) x.push_back(span - 0.5 + he * i);
  x.back() = span;
  return x;
}

}  // namespace

bool IsMechanism(const Edges& edges) {
  int simple = 0, clamped = 0;
  for (Edge e : edges) {
    simple += e == Edge::Simple;
    clamped += e == Edge::Clamped;
  }
  return clamped == 0 && simple <= 1;
}

Mesh MeshFor(double lx, double ly, int n_short, int order, double stretch) {
  const double l = std::min(lx, ly);
  Mesh m;
  m.order = order;
  m.x = Nodes(lx / l, n_short, stretch);
  m.y = Nodes(ly / l, n_short, stretch);
  return m;
}

namespace {

void CheckPlateInputs(const Panel& panel, const Mesh& mesh) {
  if (!(panel.lx > 0.0) || !(panel.ly > 0.0) || !std::isfinite(panel.lx) ||
      !std::isfinite(panel.ly))
    throw std::invalid_argument("plate spans must be positive");
  if (!(panel.nu >= 0.0 && panel.nu < 0.5))
    throw std::invalid_argument("Poisson's ratio must lie in [0, 0.5)");
  if (mesh.order < 2 || mesh.order > kMaxOrder || mesh.Nx() < 1 || mesh.Ny() < 1 ||
      mesh.Nx() > 400 || mesh.Ny() > 400)
    throw std::invalid_argument("plate mesh out of range");
  for (const auto* v : {&mesh.x, &mesh.y})
    for (size_t i = 1; i < v->size(); ++i)
      if (!((*v)[i] > (*v)[i - 1])) throw std::invalid_argument("plate mesh nodes not ascending");
  if (IsMechanism(panel.edges)) throw std::invalid_argument("the supports form a mechanism");
}

// Lower triangle of the plate stiffness in compressed columns.
struct LowerColumns {
  std::vector<int> outer, inner;
  std::vector<double> values;
};

// Column (i, j) of the lower triangle: unknown (i, j) couples only with dofs of the same or a
// neighbouring node in each direction.
void AppendColumn(const Matrices1D& X, const Matrices1D& Y, int i, int j, double nu, int k,
                  LowerColumns& K) {
  const int nxf = static_cast<int>(X.free.size()), nyf = static_cast<int>(Y.free.size());
  const double twist = 2.0 * (1.0 - nu);
  const int band = 2 * k;  // global dof distance that can still share an element
  const int I = X.free[static_cast<size_t>(i)];
  const int J = Y.free[static_cast<size_t>(j)];
  for (int i2 = i; i2 < nxf && X.free[static_cast<size_t>(i2)] - I < band; ++i2) {
    const int I2 = X.free[static_cast<size_t>(i2)];
    const double m0x = X.m0(I2, I), k1x = X.k1(I2, I), k2x = X.k2(I2, I);
    const double cxa = X.c(I2, I), cxb = X.c(I, I2);
    for (int j2 = (i2 == i ? j : 0); j2 < nyf; ++j2) {
      const int J2 = Y.free[static_cast<size_t>(j2)];
      if (std::abs(J2 - J) >= band) {
        if (J2 > J) break;
        continue;
      }
      const double v = k2x * Y.m0(J2, J) + m0x * Y.k2(J2, J) +
                       nu * (cxa * Y.c(J, J2) + cxb * Y.c(J2, J)) + twist * k1x * Y.k1(J2, J);
      if (v == 0.0) continue;
      K.inner.push_back(i2 * nyf + j2);
      K.values.push_back(v);
    }
  }
}

// Unknown (i, j) is column i·nyf + j.
LowerColumns AssembleStiffness(const Matrices1D& X, const Matrices1D& Y, double nu, int k) {
  const int nxf = static_cast<int>(X.free.size()), nyf = static_cast<int>(Y.free.size());
  const int n = nxf * nyf;
  LowerColumns K;
  K.outer.assign(static_cast<size_t>(n) + 1, 0);
  K.inner.reserve(static_cast<size_t>(n * 4 * k * k));
  K.values.reserve(K.inner.capacity());
  for (int i = 0; i < nxf; ++i)
    for (int j = 0; j < nyf; ++j) {
      AppendColumn(X, Y, i, j, nu, k, K);
      K.outer[static_cast<size_t>(i * nyf + j + 1)] = static_cast<int>(K.inner.size());
    }
  return K;
}

Eigen::VectorXd SolvePlate(LowerColumns& columns, const Matrices1D& X, const Matrices1D& Y) {
  const int nxf = static_cast<int>(X.free.size()), nyf = static_cast<int>(Y.free.size());
  const int n = nxf * nyf;
  Eigen::Map<const Eigen::SparseMatrix<double>> K(n, n, static_cast<int>(columns.inner.size()),
                                                  columns.outer.data(), columns.inner.data(),
                                                  columns.values.data());
  Eigen::VectorXd f(n);
  for (int i = 0; i < nxf; ++i)
    for (int j = 0; j < nyf; ++j)
      f(i * nyf + j) = X.f(X.free[static_cast<size_t>(i)]) * Y.f(Y.free[static_cast<size_t>(j)]);

  // Natural order: unknowns run across the short span first, so the factor stays in the band.
  Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::NaturalOrdering<int>>
      solver;
  solver.compute(K);
  if (solver.info() != Eigen::Success) throw std::runtime_error("plate stiffness not positive");
  Eigen::VectorXd u = solver.solve(f);
  if (solver.info() != Eigen::Success || !u.allFinite())
    throw std::runtime_error("plate system could not be solved");
  return u;
}

}  // namespace

PlateField::PlateField(const Panel& given, const Mesh& mesh) : given_mesh_(mesh), mesh_(mesh) {
  const Panel& panel0 = given;
  CheckPlateInputs(panel0, mesh);
  Panel panel = panel0;
  transposed_ = panel0.ly > panel0.lx;
  if (transposed_) {
    const Edges& e = panel0.edges;
    panel.edges = {e[kBottom], e[kLeft], e[kTop], e[kRight]};
    std::swap(panel.lx, panel.ly);
    std::swap(mesh_.x, mesh_.y);
  }
  const double l = std::min(panel.lx, panel.ly);
  sx_ = panel.lx / l;
  sy_ = panel.ly / l;
  nu_ = panel.nu;
  // nodes stretched onto the panel's spans
  for (auto [v, span] : {std::pair{&mesh_.x, sx_}, std::pair{&mesh_.y, sy_}}) {
    const double first = v->front(), scale = span / (v->back() - first);
    for (double& t : *v) t = (t - first) * scale;
    v->back() = span;
  }
  given_mesh_ = mesh_;
  if (transposed_) std::swap(given_mesh_.x, given_mesh_.y);
  const int k = mesh_.order;
  kx_total_ = k * (mesh_.Nx() + 1);
  ky_total_ = k * (mesh_.Ny() + 1);

  const Matrices1D X = Assemble1D(k, mesh_.x, panel.edges[kLeft], panel.edges[kRight]);
  const Matrices1D Y = Assemble1D(k, mesh_.y, panel.edges[kBottom], panel.edges[kTop]);
  const int nxf = static_cast<int>(X.free.size()), nyf = static_cast<int>(Y.free.size());
  unknowns_ = nxf * nyf;
  LowerColumns K = AssembleStiffness(X, Y, nu_, k);
  const Eigen::VectorXd u = SolvePlate(K, X, Y);

  coef_.assign(static_cast<size_t>(kx_total_ * ky_total_), 0.0);
  for (int i = 0; i < nxf; ++i)
    for (int j = 0; j < nyf; ++j)
      coef_[static_cast<size_t>(X.free[static_cast<size_t>(i)] * ky_total_ +
                                Y.free[static_cast<size_t>(j)])] = u(i * nyf + j);
}

double PlateField::Derivative(double xi, double eta, int dx, int dy) const {
  return transposed_ ? Internal(eta, xi, dy, dx) : Internal(xi, eta, dx, dy);
}

double PlateField::Internal(double xi, double eta, int dx, int dy) const {
  const Hermite1D& b = Basis(mesh_.order);
  const int k = mesh_.order, nl = b.Size();
  xi = std::clamp(xi, 0.0, sx_);
  eta = std::clamp(eta, 0.0, sy_);
  int ex[2], ey[2];
  const int nex = ElementsAt(xi, mesh_.x, ex), ney = ElementsAt(eta, mesh_.y, ey);
  double sum = 0.0;
  for (int a = 0; a < nex; ++a)
    for (int c = 0; c < ney; ++c) {
      const double x0 = mesh_.x[static_cast<size_t>(ex[a])],
                   y0 = mesh_.y[static_cast<size_t>(ey[c])];
      const double hx = mesh_.x[static_cast<size_t>(ex[a]) + 1] - x0;
      const double hy = mesh_.y[static_cast<size_t>(ey[c]) + 1] - y0;
      double nxv[kMaxLocal], nyv[kMaxLocal];
      for (int p = 0; p < nl; ++p) {
        nxv[p] = Shape(b, p, (xi - x0) / hx, dx, hx);
        nyv[p] = Shape(b, p, (eta - y0) / hy, dy, hy);
      }
      double s = 0.0;
      for (int p = 0; p < nl; ++p) {
        const double* row = &coef_[static_cast<size_t>((ex[a] * k + p) * ky_total_ + ey[c] * k)];
        double t = 0.0;
        for (int q = 0; q < nl; ++q) t += row[q] * nyv[q];
        s += nxv[p] * t;
      }
      sum += s;
    }
  return sum / (nex * ney);
}

PlateMoments PlateField::Moments(double xi, double eta) const {
  const double wxx = Derivative(xi, eta, 2, 0), wyy = Derivative(xi, eta, 0, 2);
  return {-(wxx + nu_ * wyy), -(wyy + nu_ * wxx), -(1.0 - nu_) * Derivative(xi, eta, 1, 1)};
}

}  // namespace tk::plates
