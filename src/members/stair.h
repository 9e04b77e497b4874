// clsLtBs: stair design. Checks the host's stair inputs, takes the live load by building use and
// the thicknesses given as span rules, and designs a slab-type or beam-slab flight of types A to
// D: geometry, loads, shear, bending with the reinforcement and bars, crack width and deflection.
// The report ends its lines with "\r\n" and marks allowed breaks in long data lines with "|".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/member.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/variant.h"
#include "members/stair_equations.h"
#include "section/flexure.h"
#include "service/crack_width.h"
#include "service/stiffness.h"

namespace tk {

namespace ltbs {

// Input errors (our codes besides the input-check component's own, which pass through).
constexpr int32_t kBadRule = 200;     // a thickness rule whose sides are not both numbers > 0
constexpr int32_t kUnknownUse = 201;  // qk is neither a number nor a building use of the table
constexpr int32_t kBadChoice = 202;   // flight type, support condition or stair system unknown
constexpr int32_t kOneRiser =
    203;  // n = 1 (the flight has no tread, w = Lo1 / 0) or n above kMaxRisers
constexpr int kMaxRisers = 1000;  // largest number of risers accepted in one flight
// Ours: a deflection coefficient k given by the user (dNdXs, with bNd and bNdXx) that is not in
// 0 < k <= kMaxDeflectionCoefficient. No support condition of a uniformly loaded member gives
// more than the cantilever's f = 48/384·q·L⁴/B, and a k of 0 or less is no deflection at all.
// Index is then -1: the coefficient is no field of Text.
constexpr int32_t kBadCoefficient = 204;
constexpr double kMaxDeflectionCoefficient = 48;
constexpr int16_t kCoefficientIndex = -1;
constexpr int32_t kArithmetic = 299;  // unexpected arithmetic fault in the calculation

// Field positions of the text array.
constexpr int kType = 0, kSupport = 1, kSystem = 2, kFirstField = 3, kLastField = 28;
constexpr int kLo1 = 3, kLo2 = 4, kLo3 = 5, kH1 = 6, kHv = 7, kN = 8, kT = 9, kW = 10, kB = 11,
              kPk = 12, kQk = 13, kC1 = 14, kC2 = 15, kGammaC = 16, kGammaB = 17, kAs = 18,
              kGrade = 19, kFy = 20, kRhoMin = 21, kD1 = 22, kD2 = 23, kPsiQ = 24, kBeamB = 25,
              kBeamH = 26, kH2 = 27, kFactor = 28;

// Stair systems.
inline constexpr std::string_view kSlabSystem = "板式";
inline constexpr std::string_view kBeamSlabSystem = "梁板式";

// A thickness field: a number, a rule "a/b" (divisor b), or a text with "/" that is no rule.
enum class RuleKind { NotRule, Rule, Bad };
RuleKind ParseRule(std::string_view text, double& divisor);

// The checked inputs of one calculation.
struct Inputs {
  stair::Flight type = stair::Flight::A;
  stair::Support support = stair::Support::Hinged;
  bool beamSlab = false;
  double ruleDivisor = 24;  // support-moment rule of a partly restrained flight
  double Lo1 = 0, Lo2 = 0, Lo3 = 0, Hv = 0, B = 0, Pk = 0, qk = 0, c1 = 0, c2 = 0, gammaC = 0,
         gammaB = 0, as = 0, grade = 0, fy = 0, rhoUser = 0, d1 = 0, d2 = 0, psiQ = 0, b = 0,
         factor = 1;
  int n = 0;
  std::string qkUse;  // the building use qk came from ("" for a number)
  // Thicknesses: the value, or 0 with the divisor of the rule that gives it.
  double h1 = 0, h1Div = 0, h = 0, hDiv = 0, h2 = 0, h2Div = 0;
  bool hasFactor = false;  // field 28 in use
  bool lfkd = false, showBars = false, deflection = false;
  double k = 5;  // deflection coefficient
};

}  // namespace ltbs

class TK_API clsLtBs : public Calculator<clsLtBs> {
 public:
  clsLtBs();
  ~clsLtBs() override;
  static const ClassInfo& ClassInfoOf();
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Host picture form.
  void PicForm(HostRef& frm);
  // Remembers which combo box of the host form has the focus.
  void iCboBoxGotFocusIndex(int16_t& Index);
  int16_t FocusIndex() const { return cbo_focus_index_; }

  // Picture number of a flight type text (1..4 for A..D, 0 for any other text).
  int32_t lPictureID(std::string& tType);

  // Checks the inputs and designs the flight. Text(0) flight type (name or letter), Text(1)
  // support condition, Text(2) stair system ("板式", empty, or "梁板式"), Text(3..28) the fields;
  // bEnable(i) marks fields the form uses (fields the flight needs are checked whatever it says).
  // On an input error: Index = the field, bDataCheck = false, tText = the message, lErr = the code.
  // Options: bXsSpGj shows the chosen bars (they are chosen in any case: the crack width and the
  // deflection use them); bLfKd adds the crack width of each member's bars; bAutoCalZz designs
  // the flight as partly restrained with the support-moment rule tZzXs (an unknown rule becomes
  // the 1/24 rule, written back); bNd adds the mid-span deflection with k = 5 (both ends hinged),
  // 1 (both fixed), 2 (one end fixed) or 3 (partly restrained), or dNdXs when bNdXx is set and
  // dNdXs > 0. The long-term moment of the deflection takes the live load times ψq (field 24);
  // field 28, when enabled, multiplies the bottom (span) reinforcement of the slabs.
  void CalResult(VBArray<std::string>& Text, VBArray<bool>& bEnable, int16_t& Index,
                 bool& bDataCheck, bool& bXsSpGj, bool& bLfKd, bool& bAutoCalZz, bool& bNd,
                 bool& bNdXx, double& dNdXs, std::string& tZzXs, std::string& tText,
                 int32_t* lErr = nullptr);

  // The form's calculation: reads CboB(0..28), ChkSet(0..4), CboZzXs and CboNdXs of the sub-form
  // and calls CalResult; on an input error the focus index is the field at fault.
  void Calculate(std::string& tText, bool& bDataCheck);
  // A choice made in CboB(Index): a building use chosen for qk (field 13) puts its
  // quasi-permanent factor ψq into field 24. Other fields change nothing here.
  void CboBChangeAndClick(int16_t& Index);
  // Loads or saves the form's inputs ("QvfdLtBs.tav" when tDataSaveName is empty).
  void LoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr,
                      HostRef* frmMain = nullptr);

  // Field name and check kind of a position 3..28 (empty outside).
  static std::string tLtBsInputName(int i);
  static std::string tLtBsCheckKind(int i);
  // Live load of a text: its number (flag 0), the load of a building use (flag 1), or 0 (flag 2).
  static double dLtBsQk(const std::string& tText, int16_t& iFlag);

  // Member objects, created at construction and released at destruction in this order.
  MemberComponent& member() { return *m_Member; }
  clsMoment& moment() { return *m_Moment; }
  clsLfKd& lfkd() { return *m_LfKd; }
  clsBendComponentBl& stiffness() { return *m_Stiffness; }

 private:
  int32_t CheckInputs(const VBArray<std::string>& Text, const VBArray<bool>& bEnable, bool autoZz,
                      ltbs::Inputs& in, int16_t& Index, std::string& message);
  void CalLtBs(const ltbs::Inputs& in, const std::string& label, Report& r);

  // Calls of the member calculators, arguments passed on unchanged.
  void MuAsCommon(int32_t& lErr, double& dMu, double& dAs, float& sFy, float& sFcm, float& sB,
                  float& sH, float& sCas, float& sKc, float& sP, float& sKcb);
  void LfKdCommon(int32_t& lErr, bool& bBxGj, double& c, double& D, double& Ms, double& dAs,
                  double& B, double& H, double& Cas, double& Ftk, double& Es, double& Wmax);
  void BendComponentBl(int32_t& lErr, double& bL, useRecordSection& uSec, float& Cas, double& dAs,
                       double& dMs, double& dMl, float& Ftk, float& Es, float& Ec);

  friend struct StairCalc;

  std::unique_ptr<MemberComponent> m_Member;
  std::unique_ptr<clsMoment> m_Moment;
  std::unique_ptr<clsLfKd> m_LfKd;
  std::unique_ptr<clsBendComponentBl> m_Stiffness;
  HostRef sub_form_;
  HostRef pic_form_;
  int16_t cbo_focus_index_ = -1;
};

}  // namespace tk
