// clsBeamPjOld: beam bar selection. Turns a required tension steel area into practical bar
// arrangements (up to four rows, one or two bar sizes per row) that satisfy the clear spacings,
// cover and stirrup-leg rules of GBJ 10-89 chapter 9, and lists them as a text table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"
#include "frame/variant.h"
#include "section/flexure.h"
#include "service/crack_width.h"

namespace tk {

namespace beampj {

// Error codes of the bar selection.
constexpr int32_t kInputFails = 501;       // a field text fails its check kind
constexpr int32_t kInputValue = 502;       // a field reads as a number but its value is not usable
constexpr int32_t kCancelled = 1508798;    // the user cancelled a long-search warning
constexpr int32_t kTooNarrow = 8000100;    // stirrup-leg rule needs more bars than fit
constexpr int32_t kNothingFound = 809900;  // no arrangement at all
constexpr int32_t kRowFactorFlexure = 3002100;   // flexure calculation for x failed
constexpr int32_t kRowFactorDepth = 3002200;     // (h - ak) - x/2 <= 0
constexpr int32_t kRowFactorAboveOne = 3002300;  // factor above 1
constexpr int32_t kArithmetic = 8000199;         // unexpected arithmetic fault

// The 14 bar sizes of the selection (mm), smallest first.
inline constexpr float kDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40};
inline constexpr int kDiameterCount = 14;
bool InDiameterList(double d);

// One row: a first group of n1 bars of d1 and an optional second group of n2 bars of d2.
struct BeamPjRow {
  int16_t n1 = 0;
  float d1 = 0;
  int16_t n2 = 0;
  float d2 = 0;
  int Count() const { return n1 + n2; }
  float DMax() const { return d1 > d2 ? d1 : d2; }
};

// One candidate arrangement: four rows (unused rows have no bars) and the row factors k2..k4.
struct BeamPjRecord {
  BeamPjRow row[4];
  float k2 = 0, k3 = 0, k4 = 0;
  int Rows() const;
};

struct SearchInput {
  double As = 0;     // required area, mm²
  double b = 0;      // section width, mm
  double c = 0;      // clear cover, mm
  double dMin = 0;   // smallest diameter (<= 0: first list entry)
  double dMax = 0;   // largest diameter (<= 0: last list entry)
  int nThrough = 0;  // through bars (0 = none)
  double dThrough = 0;
  double kl = 1, ku = 1;  // window factors
  double fy25 = 310, fy40 = 310;
  double sl = 200;                // largest stirrup-leg spacing, mm
  bool top = false;               // top bars ("TH"), else bottom bars ("BH")
  int iPai = 1;                   // rows allowed, 1..4
  double k[5] = {0, 1, 0, 0, 0};  // k[2..4]: row factors
};

struct SearchResult {
  int32_t lErr = 0;
  std::vector<BeamPjRecord> records;
  bool fallback = false;  // the single record lies above the window
  int nMin = 0;           // first-row minimum count
  long long tried = 0;    // combinations examined (for the benchmark)
};

// Clear spacing by key "TH", "BH", "TV", "BV" for bars of diameter d in row `row` (1-based).
double ClearSpacing(const char* key, double d, int row);
// Most bars of one diameter in a row of width b (GBJ 10-89 art. 9.2.1 clear spacings).
int MaxBarsInRow(double b, double c, double d, double s);
// Fewest bars of the first row to hold the stirrup legs (leg spacing sl).
int MinBarsFirstRow(double b, double c, double d, double sl);
// Equivalent area of one bar: bars above 25 mm count with fy40/fy25.
double BarArea(double d);
double EquivalentBarArea(double d, double fy25, double fy40);
// Row factor k = [(h - ak) - x/2] / [(h - a1) - x/2]; lErr 3002200 or 3002300 on failure.
double RowFactor(double h, double a1, double ak, double x, int32_t& lErr);
// Diameter of the full upper rows of multi-row arrangements: the through-bar diameter, else the
// usable diameter two list entries below the largest (else one below, else the largest).
double MultiRowDiameter(const SearchInput& in);
// The search. Throws ArithmeticFault only on a fault the guards trap.
SearchResult FindBarArrangements(const SearchInput& in);
// "2·20 + 2·22 / 2·18".
std::string Describe(const BeamPjRecord& r);
// Actual (unfactored) area and equivalent (factored) area of a record.
double ActualArea(const BeamPjRecord& r);
double EquivalentArea(const BeamPjRecord& r, double fy25, double fy40);
// Equivalent diameter sum(n d²) / sum(n d) of all bars of a record (GBJ 10-89 art. 5.2.2).
double EquivalentDiameter(const BeamPjRecord& r);

}  // namespace beampj

class TK_API clsBeamPjOld : public Calculator<clsBeamPjOld> {
 public:
  clsBeamPjOld();
  ~clsBeamPjOld() override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);

  // Beam bar selection: checks and reads the host's input texts, searches the arrangements and
  // writes the result table into tText.
  void Calculate(int32_t& lErr, int16_t& Index, VBArray<std::string>& Text, VBArray<bool>& bText,
                 bool& bTop, bool& bMM2, bool& bAutoCalDuoP, int16_t& iPai, bool& bAsEq,
                 bool& bAsSj, bool& bZj, bool& bAsPjl, bool& bLfKd, bool& bBxGj, double& dEs,
                 double& dMs, std::string& tF, std::string& tText);

  // Form operations on the bound sub-form.
  void Form_Load();
  void OptB_Click(int16_t& Index);
  void ChkB_Click(int16_t& Index);
  void ChkOpt_Click(int16_t& Index);
  // Loads or saves the form's inputs ("QvfdBmPj.tav" when tDataSaveName is empty).
  void LoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr,
                      HostRef* frmMain = nullptr);

  // Member objects, created at construction and released at destruction in this order.
  clsLfKd& lfkd() { return *m_LfKd; }
  clsMoment& moment() { return *m_Moment; }

  // The records of the last search (the host's table is built from them).
  const std::vector<beampj::BeamPjRecord>& records() const { return records_; }

 private:
  struct Inputs;
  int32_t CheckInputs(const VBArray<std::string>& Text, const VBArray<bool>& bText,
                      const Inputs& opt, int16_t& Index, std::string& message);
  int32_t AutoRowFactors(Inputs& in, std::string& message);
  void WriteTable(const Inputs& in, std::string& tText);
  HostRef Form() const { return sub_form_; }

  std::unique_ptr<clsLfKd> m_LfKd;
  std::unique_ptr<clsMoment> m_Moment;
  HostRef sub_form_;
  std::vector<beampj::BeamPjRecord> records_;
};

}  // namespace tk
