// clsBanOld: design of a two-way slab panel (计算宽度 Lx by 计算高度 Ly) with each edge fixed,
// hinged or free: loads, moments from the slab-coefficient component, reinforcement per metre
// width, the bars chosen from the user's bar options, crack width, deflection, the report, the
// per-user bar options file and the form operations.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/filesystem.h"
#include "frame/records.h"
#include "frame/report.h"
#include "frame/variant.h"
#include "members/slab_coefficients.h"

namespace tk {

namespace slab {
// Codes returned by BCalculate (0 when the panel was designed).
constexpr int32_t kInputError = 420101;     // an input fails its check (message in the report)
constexpr int32_t kNotComputable = 420102;  // the coefficient component cannot compute the panel
constexpr int32_t kMomentError = 420103;    // a moment could not be reinforced (report says which)
constexpr int32_t kArithmetic = 420199;     // unexpected arithmetic fault
// Codes of the bar options file operations.
constexpr int32_t kBpjOk = 0;
constexpr int32_t kBpjDefaults = 1;     // no file, or no list of this user: the default list
constexpr int32_t kBpjDamaged = 2;      // the file is damaged: the default list (and tMsg says so)
constexpr int32_t kBpjWriteFailed = 3;  // the save failed; the previous file is intact
// Number of the text that stands for the bar when no bar option is large enough.
constexpr int32_t kTextNoBar = 60096;

// The bar options file and its temporary file, in the folder given (the current folder when
// empty).
inline constexpr const char* kBpjFile = "BPJUSER.SFD";
inline constexpr const char* kBpjTemp = "BPJUSER1.TEMP";
// The operating-system user, by whom the bar options are kept ($USER or $LOGNAME, else the
// account of the process; %USERNAME% on Windows).
std::string CurrentUserName();
}  // namespace slab

class TK_API clsBanOld : public Calculator<clsBanOld> {
 public:
  clsBanOld();
  ~clsBanOld() override;
  static const ClassInfo& ClassInfoOf();
  static void RegisterTexts();

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Hands an indexed text to the shared services component.
  void tValue(int16_t& Index, std::string& text);

  // Checks the inputs and whether the panel can be computed: the first failure goes to the status
  // bar's Text, the toolbar is enabled only when the panel can be computed. True when it can.
  bool BWhetherCalculate(HostRef& CboB, HostRef& ToolBar1, HostRef& sbBar, HostRef& optB,
                         HostRef& ChkB);
  // Designs the panel and writes the report into tText (its entry text is the label of the
  // panel) and the deflection into tNd. Returns 0 or a code of slab::k*.
  int32_t BCalculate(HostRef& CboB, HostRef& ChkB, HostRef& optB, VBArray<BgjRecordOld>& UseRecord,
                     std::string& tText, std::string& tNd);

  // The default bar options (20 rows), grade II rows referred to grade I by Fy2/210.
  void ReadBPJ_Gj(VBArray<BgjRecordOld>& UseRecord, float& Fy2);
  // The current user's bar options from "BPJUSER.SFD" (the default list when there is none).
  int32_t ReadBPJ(VBArray<BgjRecordOld>& UseRecord, std::string* tMsg = nullptr,
                  std::string* tFolder = nullptr);
  // Writes "BPJUSER1.TEMP": every user's list of the bar options file, the current user's
  // replaced by UseRecord.
  int32_t MakeBpjTempFile(VBArray<BgjRecordOld>& UseRecord, std::string* tMsg = nullptr,
                          std::string* tFolder = nullptr);
  // Saves the current user's list: the temporary file, then an atomic replace of the file.
  int32_t WriteCurrentUse(VBArray<BgjRecordOld>& UseRecord, std::string* tMsg = nullptr,
                          std::string* tFolder = nullptr);
  // Refreshes the area label of bar row Index from its diameter and spacing.
  void ChangeLblAs(int16_t& Index, float& sFy, HostRef& CboD, HostRef& CboA, HostRef& ChkPj,
                   HostRef& LblAs, int16_t& iMinA);

  // Form operations on the bound sub-form.
  void Form_Load();
  void RmdXYEnable();
  void OptBClick(int16_t& Index);
  void LblB8Caption();
  void DefaultBanPjFa();
  void CboB_KeyPress(int16_t& Index, int16_t& KeyAscii);
  void CboAD_KeyPress(int16_t& Index, int16_t& KeyAscii);
  void ChkB_Click(int16_t& Index);
  void ChkOpt_Click(int16_t& Index);
  // Loads or saves the form's inputs ("QvfdB01.tav" when tDataSaveName is empty).
  void LoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr,
                      HostRef* frmMain = nullptr);
  // The same, returning false instead of failing when the file cannot be read or written.
  bool bLoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr,
                       HostRef* frmMain = nullptr);

  // Member objects, created at construction and released at destruction in this order.
  slab::SlabCoefficients& slabcoefficients() { return *m_SlabCoefficients; }
  LocalFileSystem& filesystem() { return *m_FileSystem; }

  struct Inputs;

 private:
  int32_t ReadInputs(const HostRef& CboB, const HostRef& optB, const HostRef& ChkB, Inputs& in,
                     std::string& message);
  void Design(const Inputs& in, const std::vector<BgjRecordOld>& rows, Report& r, int32_t& lErr,
              std::string& tNd);

  // The form's status bar and toolbar brought up to date with the form's inputs.
  void CheckForm();
  // Bar option rows into the form's CboD, CboA, ChkPj and LblAs.
  void RowsToForm(const VBArray<BgjRecordOld>& rows);

  std::unique_ptr<slab::SlabCoefficients> m_SlabCoefficients;
  std::unique_ptr<LocalFileSystem> m_FileSystem;
  HostRef sub_form_;
};

}  // namespace tk
