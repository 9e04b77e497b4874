// The deflection field itself: values away from the centre against the Lévy series, the
// Bogner–Fox–Schmit element, the support conditions' count of unknowns, and refused input.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "plates/plate.h"
#include "plates/plate_series.h"

namespace {

using plate_series::Side;
using tk::plates::Edge;
using tk::plates::MeshFor;
using tk::plates::Panel;
using tk::plates::PlateField;

constexpr Edge C = Edge::Clamped, S = Edge::Simple, F = Edge::Free;

// Left/right simply supported, bottom clamped, top free; a = 1.2, b = 1 (l = 1), ν = 0.2.
TEST(PlateField, OffCentreValuesMatchLevy) {
  const PlateField f(Panel{{S, C, S, F}, 1.2, 1.0, 0.2}, MeshFor(1.2, 1.0, 6, 3, 2.0));
  const double points[][2] = {{0.3, 0.25}, {0.6, 0.7}, {0.15, 1.0}, {0.9, 0.05}};
  for (const auto& p : points) {
    const auto s = plate_series::Levy(1.2, 1.0, Side::C, Side::F, 0.2, p[0], p[1]);
    const auto m = f.Moments(p[0], p[1]);
    EXPECT_NEAR(f.W(p[0], p[1]), s.w, 1e-3 * s.w) << p[0] << "," << p[1];
    EXPECT_NEAR(m.mx, s.mx, 2e-3 * std::fabs(s.mx) + 2e-5) << p[0] << "," << p[1];
    EXPECT_NEAR(m.my, s.my, 2e-3 * std::fabs(s.my) + 2e-5) << p[0] << "," << p[1];
  }
  // free edge: My = 0 there
  EXPECT_NEAR(f.Moments(0.6, 1.0).my, 0.0, 1e-4);
}

// The 16-dof bicubic element converges too: w to 0.05 %, moments to 1 % at 12 × 12.
TEST(PlateField, BognerFoxSchmitElement) {
  const PlateField f(Panel{{S, S, S, S}, 1.0, 1.0, 0.3}, MeshFor(1.0, 1.0, 12, 2));
  const auto s = plate_series::Navier(1.0, 1.0, 0.3, 0.5, 0.5);
  EXPECT_NEAR(f.W(0.5, 0.5), s.w, 5e-4 * s.w);
  EXPECT_NEAR(f.Moments(0.5, 0.5).mx, s.mx, 1e-2 * s.mx);
  EXPECT_EQ(f.Unknowns(), 24 * 24);  // 13 nodes × 2 dofs, less the two end values
}

// Per direction a 2-element quintic mesh has 3 nodes × 3 dofs = 9; a simply supported end
// takes its value away, a clamped end its value and slope, a free end nothing.
TEST(PlateField, SupportConditionsRemoveTheirUnknowns) {
  const struct {
    tk::plates::Edges edges;
    int unknowns;
  } cases[] = {{{S, S, S, S}, 7 * 7},
               {{C, C, C, C}, 5 * 5},
               {{C, S, F, C}, 7 * 6},
               {{C, F, F, F}, 7 * 9},
               {{S, F, S, F}, 7 * 9}};
  for (const auto& k : cases)
    EXPECT_EQ(PlateField(Panel{k.edges, 1.0, 1.0, 0.0}, MeshFor(1.0, 1.0, 2, 3)).Unknowns(),
              k.unknowns);
}

TEST(PlateField, RefusesBadInput) {
  const tk::plates::Mesh m;
  EXPECT_THROW(PlateField(Panel{{S, S, S, S}, 0.0, 1.0, 0.0}, m), std::invalid_argument);
  EXPECT_THROW(PlateField(Panel{{S, S, S, S}, 1.0, 1.0, 0.5}, m), std::invalid_argument);
  EXPECT_THROW(PlateField(Panel{{F, F, F, F}, 1.0, 1.0, 0.0}, m), std::invalid_argument);
  tk::plates::Mesh bad = m;
  bad.x = {0.0, 0.6, 0.4, 1.0};
  EXPECT_THROW(PlateField(Panel{{S, S, S, S}, 1.0, 1.0, 0.0}, bad), std::invalid_argument);
  bad = m;
  bad.order = 4;
  EXPECT_THROW(PlateField(Panel{{S, S, S, S}, 1.0, 1.0, 0.0}, bad), std::invalid_argument);
}

}  // namespace
