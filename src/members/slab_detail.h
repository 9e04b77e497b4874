// Shared pieces of the slab calculator's sources: the inputs read from the host controls and the
// control helpers.
#pragma once

#include <string>

#include "frame/form_inputs.h"
#include "frame/host.h"
#include "frame/text.h"
#include "members/slab.h"
#include "members/slab_coefficients.h"

namespace tk {

struct clsBanOld::Inputs {
  slab::Supports edges{};
  int loadKind = 1;  // 0 design value q, 1 total characteristic dead load, 2 without self weight
  bool arrangement = false;
  double load = 0, pk = 0, h = 0, as = 0, grade = 0, fcm = 0, fy = 0, lx = 0, ly = 0;
  double rhoMin = 0;  // %
  double psiq = 0;
  double factor[4] = {1, 1, 1, 1};  // X bottom, Y bottom, X top, Y top
  double nu = 0;
  std::string nuText;
};

namespace slab {

inline bool ItemOn(const HostRef& array, int i) {
  const HostRef c = ItemOf(array, i);
  return c && IsOn(c->Get("Value"));
}
inline std::string ItemText(const HostRef& array, int i, std::string_view property = "Text") {
  return GetText(ItemOf(array, i), property);
}

// One-call wrappers: each creates the section calculator, calls it once and releases it.
// Flexure of the 1000 mm strip (ordinary section): the code of clsMoment.MuAsCommon.
int32_t MuAsCommon(double Mu, const clsBanOld::Inputs& in, double& As, std::string& tErr);
// Crack width of bars of diameter d (mm), As mm²/m, under Ms (kN·m/m): 900200 when w is written.
int32_t LfKdCommon(double Ms, double d, double As, bool deformed, const clsBanOld::Inputs& in,
                   double& w);
// Long-term stiffness Bl (N·mm² per metre width): 0 when written.
int32_t BendComponentBl(double Ms, double Ml, double As, double Es, const clsBanOld::Inputs& in,
                        double Ec, double& Bl);

// A designed moment of the panel.
struct SlabMoment {
  bool present = false, designed = false;
  double M = 0;           // design moment, kN·m/m
  double Mg = 0, Mq = 0;  // its parts under g' and q' with the live-load arrangement
  bool arranged = false;
  double As = 0;  // area to provide, mm²/m
  int row = -1;   // chosen bar option, -1 for none
};

}  // namespace slab
}  // namespace tk
