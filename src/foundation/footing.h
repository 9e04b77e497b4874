// clsDlJcOld: isolated column footings ("柱下扩展基础") to GBJ 7-89 — bearing capacity, base
// pressures, punching, shear, bending and reinforcement, with the automatic sizing that enlarges
// the footing until every check passes; its input check, load cases, saved inputs and form.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/export.h"
#include "frame/member.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/variant.h"
#include "section/flexure.h"

namespace tk {

// One control combination of the column-force dialog (index 1 to 7). N is the column's axial
// force with the analysis sign (compression negative); the footing takes −N.
struct ColComForceRecord {
  bool bCal = false;  // check this combination
  double N = 0, Mx = 0, My = 0, Vx = 0, Vy = 0;
  bool bNe = false;  // seismic combination
};

template <>
struct Traits<ColComForceRecord> {
  using R = ColComForceRecord;
  static auto Fields() {
    return std::make_tuple(FieldDesc<R, bool>{"bCal", &R::bCal}, FieldDesc<R, double>{"N", &R::N},
                           FieldDesc<R, double>{"Mx", &R::Mx}, FieldDesc<R, double>{"My", &R::My},
                           FieldDesc<R, double>{"Vx", &R::Vx}, FieldDesc<R, double>{"Vy", &R::Vy},
                           FieldDesc<R, bool>{"bNe", &R::bNe});
  }
  static std::string Name() { return "ColComForceRecord"; }
  static R From(const Variant& v, const ParamInfo& p) {
    return RecordTraits<R, bool, double, double, double, double, double, bool>::FromFields(
        v, p, Fields());
  }
  static Variant To(const R& r) {
    return RecordTraits<R, bool, double, double, double, double, double, bool>::ToFields(
        "ColComForceRecord", r, Fields());
  }
};

namespace dljc {

// Error codes. 7001xx: input check; 700154, 700178, 700179 and 7003xx as numbered by the form.
constexpr int32_t kNotNumber = 700101;
constexpr int32_t kNotPositive = 700102;
constexpr int32_t kNegative = 700103;
constexpr int32_t kGradeNotListed = 700104;
constexpr int32_t kEdgeAboveRoot = 700154;
constexpr int32_t kRatioTooLarge = 700178;
constexpr int32_t kNumberTooLarge = 700179;
constexpr int32_t kAngleBelow = 700301;
constexpr int32_t kAngleAbove = 700302;
// Ours: an arithmetic fault inside the calculation (overflow, division by zero).
constexpr int32_t kFault = 700199;
// Ours: the automatic sizing stopped because G/A is not below f (no base can pass).
constexpr int32_t kBearingTooLow = 700201;
// Ours: the automatic sizing reached its cap on passes without a footing that passes.
constexpr int32_t kPassLimit = 700202;
// The internal request of a check to enlarge the footing and repeat the calculation.
constexpr int32_t kEnlarge = 700399;
// Index returned when the user cancels the long-run warning.
constexpr int16_t kCancelIndex = 7;
// Cap on the passes of one automatic sizing.
constexpr int kMaxPasses = 1000;
// N + F' from which the automatic sizing warns of a very long run (kN).
constexpr double kLongRunForce = 100000;

// Field positions of Text().
enum Field : int16_t {
  kF = 0,
  kEtaB = 1,
  kEtaD = 2,
  kGamma = 3,
  kGammaO = 4,
  kWidthF = 5,
  kDepth = 6,
  kAxial = 7,
  kAddLoad = 8,
  kMx = 9,
  kMy = 10,
  kA = 11,
  kB = 12,
  kH = 13,
  kBc = 14,
  kHc = 15,
  kCover = 16,
  kGrade = 17,
  kFy = 18,
  kRhoMin = 20,
  kGammaC = 21,
  kGammaS = 22,
  kSoilCover = 23,
  kVx = 24,
  kVy = 25,
  kColumn = 26,
  kKind = 27,
  kFolder = 28,
  kXiS = 29,
  kAlpha = 30,
  kEdgeH = 31,
  kFieldCount = 32
};

// The additional vertical loads of field 8: Fx' at eccentricity Ey', Fy' at Ex' (kN, mm).
struct AddLoad {
  double Fx = 0, Ey = 0, Fy = 0, Ex = 0;
};
// Reads "Fx',Ey',Fy',Ex'" with "," or "，" between the parts; an empty part is 0. False when
// the text has more than four parts or a part that is not a number.
bool ParseAddLoad(std::string_view text, AddLoad& out);

// Rounds a base side to whole 100 mm: add 50, take the whole number, keep the whole hundreds.
double RoundTo100(double x);
// Rounds a height up to a whole multiple of the step.
double RoundUpToStep(double x, double step);

// Height search of the automatic sizing, kept on the calculator between passes.
struct HeightSearch {
  double Hl = 0.01;  // lower height (mm)
  double Hu = 600;   // upper height (mm)
  double s = 50;     // step (mm)
  // Given-up flags: punching X, Y; shear X, Y; reinforcement Ⅰ, Ⅱ.
  bool given_up[6] = {};
  // New height for the current H. `passing` marks a call for a height that passes its check
  // (the height may come down: H is a bound on the passing side); otherwise H fails.
  // `changed` is false when the search has settled on H.
  double Next(double H, bool passing, bool& changed);
};

struct Footing {
  double a = 0, b = 0, H = 0, h = 0;  // mm
  bool operator==(const Footing& o) const { return a == o.a && b == o.b && H == o.H && h == o.h; }
};

// State of one automatic sizing.
struct Inputs;

struct SizingState {
  HeightSearch search;
  std::vector<Footing> tried;  // every footing calculated so far, in order
  int passes = 0;
  bool Tried(const Footing& f) const;
};

}  // namespace dljc

class TK_API clsDlJcOld : public Calculator<clsDlJcOld> {
 public:
  clsDlJcOld();
  ~clsDlJcOld() override;
  static const ClassInfo& ClassInfoOf();
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Host picture form.
  void PicForm(HostRef& frm);
  // Hands an indexed text to the shared services component.
  void tValue(int16_t& Index, std::string& text);

  // The footing calculation. Text(0..31) are the input fields; bOptB(2)/(3)/(4) choose check,
  // automatic sizing or the third mode (run as a check); bOptB(0) = True: field 0 is fk, else f;
  // bChkB(0) suppresses the long-run warning, bChkB(1) = True: field 21 is G itself, bChkB(2) =
  // True: the automatic sizing keeps the footing flat (h = H). rColForce(1..7) are the control
  // combinations. On an input error lErr and Index name the field; Cancel on the long-run
  // warning gives Index = 7 and no report. In automatic mode the final a, b, H (and h) are
  // written back into Text(11), Text(12), Text(13) (and Text(31)), min(a, b) into Text(5).
  void DlJcResult(int32_t& lErr, std::string& tText, VBArray<std::string>& Text,
                  VBArray<bool>& bText, VBArray<bool>& bOptB, VBArray<bool>& bChkB,
                  VBArray<bool>& bListSel, VBArray<ColComForceRecord>& rColForce, int16_t& Index,
                  bool& bDataCheck);

  // Form operations on the bound sub-form and picture form.
  void DisplayPicture();
  void Form_Load();
  void CboB_KeyPress(int16_t& Index, int16_t& KeyAscii);
  void ChkB_Click(int16_t& Index);
  void OptB_Click(int16_t& Index);
  void CboBClickAndChange(int16_t& Index);
  void cmdZ_Click_1(HostRef& frmColComForceDlJc);
  void Calculation(std::string& tText, bool& bDataCheck);
  void ChkOpt_Click(int16_t& Index);
  // Loads or saves the form's inputs ("QvfdDlJc.tav" when tDataSaveName is empty).
  void LoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr,
                      HostRef* frmMain = nullptr);

  // Display name of a field (the first field and field 21 follow the options in force).
  static std::string tDlJcInputName(int16_t Index, bool fk_given = true, bool G_given = false);
  // Label of a control combination (0: empty).
  static std::string tDlJcLoadCaseName(int16_t Index);
  // The message of an input error code for field Index holding `text`.
  static std::string tDlJcMessage(int32_t lErr, int16_t Index, const std::string& text,
                                  bool fk_given = true, bool G_given = false);
  // The input check: 0, or the first failing code with its field in Index.
  static int32_t CheckDlJcErr(const VBArray<std::string>& Text, const VBArray<bool>& bText,
                              bool automatic, int16_t& Index);

  // Member objects, created at construction and released at destruction in this order.
  clsMoment& moment() { return *m_Moment; }
  MemberComponent& member() { return *m_Member; }
  // The state of the last automatic sizing (passes, footings tried, height search).
  const dljc::SizingState& sizing() const { return sizing_; }
  // The column-force records the form operations use.
  VBArray<ColComForceRecord>& col_force() { return col_force_; }

 private:
  dljc::Footing RunSizing(const dljc::Inputs& in, dljc::Footing first, Report& r, int32_t& lErr);

  std::unique_ptr<clsMoment> m_Moment;
  std::unique_ptr<MemberComponent> m_Member;
  HostRef sub_form_;
  HostRef pic_form_;
  dljc::SizingState sizing_;
  VBArray<ColComForceRecord> col_force_{1, std::vector<ColComForceRecord>(7)};
};

}  // namespace tk
