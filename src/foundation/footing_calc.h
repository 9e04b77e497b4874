// Internals of clsDlJcOld: the inputs of one calculation and one pass of the footing check.
#pragma once

#include <string>
#include <vector>

#include "foundation/footing.h"
#include "frame/report.h"

namespace tk::dljc {

struct LoadCase {
  std::string label;
  double N = 0, Mx1 = 0, My1 = 0, Vx = 0, Vy = 0;  // at the top of the footing (Mx', My')
  bool seismic = false;
  // Control forces at the base.
  double F = 0, Mx = 0, My = 0;
};

// The inputs of one calculation, read once from the fields.
struct Inputs {
  bool fk_given = true;  // field 0 is fk (f by eq. 5.1.3), else f itself
  bool G_given = false;  // field 21 is G (kN), else γc
  bool automatic = false;
  bool flat = false;  // automatic sizing keeps h = H
  double f0 = 0, eta_b = 0, eta_d = 0, gamma = 0, gamma_o = 0, width_f = 0, depth = 0;
  double hc = 0, bc = 0, as = 0, grade = 0, fy = 0, rho_min = 0;  // rho_min in %
  double gamma_c = 0, G_direct = 0, gamma_s = 0, ds = 0;
  double xi_s = 0, alpha = 0;  // α in degrees
  std::string column;
  AddLoad add;
  Footing start;  // a, b, H, h of the fields (or the automatic start sizes)
  std::vector<LoadCase> cases;
  bool AnySeismic() const;
  double MaxVertical() const;  // largest N + F' of the cases (kN)
};

// Reads the inputs; `automatic` selects the start sizes.
Inputs ReadInputs(const VBArray<std::string>& Text, const VBArray<bool>& bOptB,
                  const VBArray<bool>& bChkB, const VBArray<ColComForceRecord>& rColForce);

// The dimensions of one direction: X (along a) or Y (along b). L is the base length in the
// direction, B the other side, cL the column side along the direction, cB the one across (mm).
struct Dir {
  int k = 0;
  const char* up;   // "X"
  const char* low;  // "x"
  double L, B, cL, cB;
  const char *Ln, *Bn, *cLn, *cBn;
  const char* axis;  // the axis the face moment turns about
};

// A request of a check to change the footing.
struct Request {
  Footing next;
  bool grow_a = false, grow_b = false, grow_H = false;
};

// One pass of the check for one footing. In check mode `sizing` is null; in automatic mode the
// checks may end the pass with kEnlarge and the new footing in `request`.
class FootingPass {
 public:
  FootingPass(const Inputs& in, const Footing& ft, SizingState* sizing, Report& r,
              clsMoment& moment)
      : in_(in), ft_(ft), sz_(sizing), r_(r), moment_(moment) {}

  // Runs the whole pass; returns 0, kEnlarge (see request()), kBearingTooLow.
  int32_t CheckDlJc();
  const Request& request() const { return req_; }
  double f() const { return f_; }

  // Stages, public for the tests of single steps.
  void CalDlJcF();
  void BasicData();
  void CalDlJcVolume();
  void Weight();
  bool AdditionalLoads();  // false: the automatic sizing stops (G/A ≥ f)
  void ControlForces();
  bool AxialCheck();      // false: enlarge
  bool EccentricCheck();  // false: enlarge
  bool StepRatioRule();   // false: enlarge
  bool Punching();
  bool NoEffectiveDepth();  // as ≥ H: false when the sizing asks for a taller footing
  bool Shear();
  void Moments();
  bool Reinforcement();

  // Results of the stages (kN, kPa, m, mm as in the report).
  double f_ = 0, fsE_ = 0, A_ = 0, Ha_ = 0, Hb_ = 0, Vjc_ = 0, Vjc1_ = 0, Vjc2_ = 0, G_ = 0;
  double Mx2_ = 0, My2_ = 0, Fadd_ = 0;
  double fc_ = 0, fcm_ = 0, ft_c_ = 0;
  double pmax_ = 0, ps_ = 0;
  int governing_ = 0;  // load case of pmax
  double MI_ = 0, MII_ = 0;
  double As1_ = 0, As2_ = 0;
  std::vector<LoadCase> cases_;
  bool punching_ok_[2] = {true, true}, shear_ok_[2] = {true, true};
  bool axial_ok_ = true, eccentric_ok_ = true;

 private:
  Dir Direction(int k) const;
  double Limit(const LoadCase& c) const { return c.seismic ? fsE_ : f_; }
  double Ho() const { return ft_.H - in_.as; }
  // Edge pressure of a case in one direction (kPa); false when the resultant lies outside.
  bool CalDlJcPressureQuiet(const LoadCase& c, int k, double& pmax, double& pmin) const;
  bool CalDlJcPressure(const LoadCase& c, int k);
  // The end of a pmax line: the comparison with 1.2 times the bearing capacity (GBJ 7-89
  // eq. 5.1.1-2), written once for the trapezoid and the triangle.
  void EdgePressureCheck(double pmax, double lim, const char* lim_name);
  bool CheckDlJcPunch(int k);
  bool CheckDlJcShear(int k);
  void CalDlJcMoment(int k, double& MI, double& MII);
  bool CalDlJcAs(int k, double M);
  // Asks the height search for a new height; true when the pass ends with kEnlarge.
  bool HeightRequest(int check, bool passing);
  // Records a request; a footing already tried grows by one more step in the dimensions the
  // rule enlarges. False when a lowering request lands on a footing already tried.
  bool Enlarge(Footing next, bool grow_a, bool grow_b, bool grow_H, bool lowering = false);

  const Inputs& in_;
  Footing ft_;
  SizingState* sz_;
  Report& r_;
  clsMoment& moment_;
  Request req_;
  double Gp_ = 0;  // G / A (kPa)
};

}  // namespace tk::dljc
