// Deflection conversion of clsBendComponentBl's form: the elastic deflection fd that an analysis
// program (SATWE, TBSA) computed with the gross stiffness Bc of its beam model becomes the
// long-term deflection f = fd·Bc/Bl, Bl being the GBJ 10-89 long-term stiffness (clause 5.3.2) of
// the cracked section with the reinforcement actually placed.
#pragma once

#include <cstdint>
#include <string>

#include "frame/records.h"

namespace tk {

class Report;
class clsBendComponentBl;

namespace deflection {

// Stiffness amplification of an edge beam, whose slab flange lies on one side only: the mean of
// the bare beam (1) and the middle beam (Bk).
double EdgeBeamFactor(double Bk);
// Elastic stiffness of the analysis model, Bc = Bk·Ec·b·h³/12 (N·mm²; Ec N/mm², b, h mm).
double ElasticStiffness(double Bk, double Ec, double b, double h);
// Long-term deflection f = fd·Bc/Bl (mm).
double LongTermDeflection(double fd, double Bc, double Bl);

// The inputs as the form gives them; the moments, areas and section come from the result files
// when a program was read.
struct Input {
  std::string program;  // "SATWE", "TBSA ...", or empty when the values were entered
  std::string folder;
  int16_t floor = 0, beam = 0;
  bool high_rise = false;
  float psi_q = 0;
  bool edge = false;
  double fd = 0, Bk = 0, lambda_b = 0;
  double Ms = 0, Ml = 0;
  std::string load_case;  // the combination text of Ms (tMs_LoadCase)
  double As = 0, As1 = 0;
  useRecordSection sec;
  double lo = 0, as = 0;
  double grade = 0, ftk = 0, Ec = 0, Es = 0;
};

struct Result {
  int32_t lErr = 0;  // 0, or 9999 when the stiffness or the deflection cannot be computed
  double Bk = 0;     // the factor applied (edge beams: (1 + Bk)/2)
  double As = 0;     // λb·As
  double Bc = 0, Bl = 0;
  double f = 0;
  double lo_over_f = 0;
};

// Runs the conversion; the table report (heading rows "挠度换算", "基本资料", "弹性刚度",
// "长期刚度", "挠度") and the result line go to r. `label` names the beam in the first table.
Result Convert(const Input& in, clsBendComponentBl& bl, Report& r, const std::string& label);

// The result line "f ＝ 12.34 mm    f/Lo ＝ 1/486" shown on the form.
std::string ResultLine(const Result& res);

}  // namespace deflection
}  // namespace tk
