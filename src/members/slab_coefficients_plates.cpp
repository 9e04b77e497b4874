// The slab coefficients from the thin-plate solver of src/plates.
#include <stdexcept>

#include "members/slab_coefficients.h"
#include "plates/slab_coefficients.h"

namespace tk::slab {

namespace {

plates::Edge EdgeOf(Support s) {
  switch (s) {
    case Support::Fixed:
      return plates::Edge::Clamped;
    case Support::Hinged:
      return plates::Edge::Simple;
    default:
      return plates::Edge::Free;
  }
}

class PlateSource : public ICoefficientSource {
 public:
  Coefficients Of(const Panel& p) override {
    plates::Panel panel;
    for (int k = 0; k < 4; ++k)
      panel.edges[static_cast<size_t>(k)] = EdgeOf(p.edges[static_cast<size_t>(k)]);
    panel.lx = p.lx;
    panel.ly = p.ly;
    panel.nu = p.nu;
    Coefficients c;
    // A panel the solver refuses (spans or ν out of its range, or a system it cannot solve) is
    // one the slab cannot compute.
    try {
      const plates::Coefficients r = plates::PanelCoefficients(panel);
      c.computable = r.computable;
      c.kappa = r.kappa;
      c.point = r.point;
      c.table = r.table;
      c.m = {r.Mx, r.My, r.Mx_, r.My_, r.M0x, r.M0y, r.Mxz_, r.Myz_, r.My1_, r.My2_};
    } catch (const std::exception&) {
      c.computable = false;
    }
    return c;
  }
};

}  // namespace

std::shared_ptr<ICoefficientSource> PlateSolverSource() {
  static const auto source = std::make_shared<PlateSource>();
  return source;
}

}  // namespace tk::slab
