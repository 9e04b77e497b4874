#include "members/slab_coefficients.h"

#include <utility>

namespace tk::slab {

const MomentName kMomentNames[kMoments] = {
    {"Mx", "Asx", 0},     {"My", "Asy", 1},     {"Mx'", "Asx'", 0},   {"My'", "Asy'", 1},
    {"M0x", "As0x", 0},   {"M0y", "As0y", 1},   {"Mxz'", "Asxz'", 0}, {"Myz'", "Asyz'", 1},
    {"My1'", "Asy1'", 1}, {"My2'", "Asy2'", 1},
};

namespace {
constexpr size_t kCacheSize = 8;

bool Same(const Panel& a, const Panel& b) {
  return a.edges == b.edges && a.lx == b.lx && a.ly == b.ly && a.nu == b.nu;
}
}  // namespace

SlabCoefficients::SlabCoefficients() : source_(PlateSolverSource()) {}
SlabCoefficients::SlabCoefficients(std::shared_ptr<ICoefficientSource> source)
    : source_(std::move(source)) {}

void SlabCoefficients::SetSource(std::shared_ptr<ICoefficientSource> source) {
  source_ = std::move(source);
  cache_.clear();
}

const Coefficients& SlabCoefficients::Get(const Panel& panel) {
  for (size_t k = 0; k < cache_.size(); ++k)
    if (Same(cache_[k].panel, panel)) {
      if (k > 0) std::swap(cache_[k], cache_[0]);
      return cache_[0].c;
    }
  Entry e{panel, source_ ? source_->Of(panel) : Coefficients{}};
  if (cache_.size() >= kCacheSize) cache_.pop_back();
  cache_.insert(cache_.begin(), std::move(e));
  return cache_[0].c;
}

LoadCase SlabCoefficients::Case(const Panel& panel, double q) {
  const Coefficients& c = Get(panel);
  LoadCase r;
  r.computable = c.computable;
  r.l = panel.l();
  r.kappa = c.kappa;
  r.point = c.point;
  r.table = c.table;
  const double ql2 = q * r.l * r.l;
  for (int k = 0; k < kMoments; ++k) r.M[k] = c.m[k] * ql2;
  return r;
}

}  // namespace tk::slab
