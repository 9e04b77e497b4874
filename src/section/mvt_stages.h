// Private to clsMVT: the working state that the driver hands to its three stages (flexure,
// shear, torsion) and the small report helpers they share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codes/section_shape.h"
#include "frame/records.h"
#include "frame/report.h"

namespace tk::mvt {

// Number patterns of the stages' report lines: a code factor as the code prints it (0.07, 1.25,
// 0.035), and a worked factor such as γo or β as Factor() prints it.
inline constexpr const char* kCodeFactor = "0.0##";
inline constexpr const char* kWorkedFactor = "0.###";

// Codes of clsMVT. 3001-3003 are ours: inputs that the formulas cannot take at all.
namespace code {
constexpr int32_t kBadMode = 3001;   // iCalMode other than 0 and 1
constexpr int32_t kBadShape = 3002;  // tJmXs not one of the six shape names
constexpr int32_t kBadAs1 = 3003;    // tAs1 neither a number >= 0 nor an expression in As
// Ours too, checked before any stage runs (each message names the input and its value):
constexpr int32_t kBadSize = 3004;      // b or h not > 0
constexpr int32_t kBadStrength = 3005;  // concrete grade or fc/fcm/ft, fy, fy', fyv, Es not > 0
constexpr int32_t kBadCover = 3006;     // as not in (0, h), as' not in [0, h)
constexpr int32_t kBadFlange = 3007;    // flange of a flanged shape: bf < b, hf <= 0, hf + hf' >= h
constexpr int32_t kBadOther = 3008;     // γo, S, a (concentrated load), ρmin, As or Asv (mode 1)
constexpr int32_t kBadErrorList = 3011;    // lErrCon and tErrCon passed with different bounds
constexpr int32_t kRadicand = 3009;        // no compression depth / over-reinforced denominator
constexpr int32_t kFlexureFault = 3010;    // arithmetic fault inside a flexure formula
constexpr int32_t kRatioAbove = 3020;      // rho > 2.5 % at a seismic beam end
constexpr int32_t kXiAboveLimit = 3030;    // warning: xi above its limit (list only, not lErr)
constexpr int32_t kSigmaS = 3039;          // steel stress not positive
constexpr int32_t kKRatio = 3049;          // fy - fy'K <= 0
constexpr int32_t kShearSeismic = 3210;    // section too small, frame beam with earthquake
constexpr int32_t kShearOrdinary = 3211;   // section too small, other beams
constexpr int32_t kHwB = 3310;             // hw/b >= 6 under torsion
constexpr int32_t kTorsionSection = 3320;  // V/(b ho) + T/Wt > 0.25 fc
constexpr int32_t kSmallAs = 3330;         // warning: as < 10 mm, stirrup cover c taken as 0
constexpr int32_t kCore = 3339;            // stirrup core bcor or hcor not positive
constexpr int32_t kFault = 900999;         // arithmetic fault outside the flexure formulas
}  // namespace code

// One MVTCommon call: inputs as working doubles, outputs as references to the caller's
// parameters (written as soon as a stage has them, so a fault keeps what was written).
struct Call {
  Call(Report& r_, VBArray<int32_t>& lErrCon_, VBArray<std::string>& tErrCon_, double& Fyv_,
       float& Rlfo_, std::string& tAs1_, double& Mout_, double& dAs_, double& Vout_, double& Asv_,
       float& P_, float& Smax_, float& Dmin_, double& AsvMin_, double& Ast1_, double& AstL_,
       double& Asvt_, float* Kcb_, float* KcE_, float* Kc_)
      : r(r_),
        lErrCon(lErrCon_),
        tErrCon(tErrCon_),
        Fyv(Fyv_),
        Rlfo(Rlfo_),
        tAs1(tAs1_),
        Mout(Mout_),
        dAs(dAs_),
        Vout(Vout_),
        Asv(Asv_),
        P(P_),
        Smax(Smax_),
        Dmin(Dmin_),
        AsvMin(AsvMin_),
        Ast1(Ast1_),
        AstL(AstL_),
        Asvt(Asvt_),
        Kcb(Kcb_),
        KcE(KcE_),
        Kc(Kc_) {}

  Report& r;
  VBArray<int32_t>& lErrCon;
  VBArray<std::string>& tErrCon;

  // error state of the running stage: its first error code and text
  int32_t stage_err = 0;
  std::string stage_text;
  std::vector<int32_t> all_errors;  // every error code of the call, in order

  int16_t mode = 0, iSecPos = 0;
  SectionShape shape = SectionShape::Rect;
  bool bBE = false, bEA = false, bConF = false;
  double fc = 0, fcm = 0, ft = 0, fy = 0, fy1 = 0, Es = 0;
  double M = 0, V = 0, T = 0;  // magnitudes, kN·m and kN
  double b = 0, h = 0, bf = 0, hf = 0, bf1 = 0, hf1 = 0, as = 0, as1 = 0;
  double Pmin = 0, S = 0, a = 0;
  double As_in = 0, Asv_in = 0;  // mode 1 inputs

  double& Fyv;
  float& Rlfo;
  std::string& tAs1;
  double& Mout;
  double& dAs;
  double& Vout;
  double& Asv;
  float& P;
  float& Smax;
  float& Dmin;
  double& AsvMin;
  double& Ast1;
  double& AstL;
  double& Asvt;
  float* Kcb;
  float* KcE;
  float* Kc;

  double rho = 0;          // tension steel ratio from the flexure stage
  bool detailing = false;  // the shear stage set Dmin, Smax (iSecPos 1 to 5)
  double shear_Asv = 0;    // the shear stage's design Asv (mode 0), for torsion neglected
};

// Stages.
void CalMAs(Call& k);
void CalVAsv(Call& k);
void CalTAst(Call& k);

// Helpers shared by the stages (mvt.cpp).
bool IsFrame(int16_t iSecPos);           // seismic frame grades 1 to 4
std::string GradeText(int16_t iSecPos);  // "一" ... "四"
bool Flanged(SectionShape s);            // T, inverted L, both I shapes
// Appends "      错误：" + text, records the error (code, condition or text) in the list and
// keeps it as the stage's error when it is the stage's first.
void Fail(Call& k, int32_t code, std::string_view text, std::string_view condition = {});
// Records a warning in the list only; the caller writes the warning line.
void Note(Call& k, int32_t code, std::string_view condition);
// A value formatted with the pattern of a unit token, as text.
std::string Fmt(Call& k, double x, std::string_view token);
// The divisor text after a quantity: "" (γ = 1), " * γo", " * γRE".
std::string_view GammaText(bool bEA, double gamma_o);
// A factor as the report prints it inside a substitution ("1.1", "0.75").
std::string Factor(double x);

constexpr double kPi32 = 3.1415927410125732;              // π as the 32-bit value 3.1415927
inline constexpr std::string_view kPhi = "\xEE\x80\x80";  // U+E000, the report font's bar symbol

}  // namespace tk::mvt
