// clsBendComponentBl: short- and long-term stiffness of flexural members.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"
#include "frame/variant.h"

namespace tk {

// Input codes of ours (a zero width, area or Ec stays the run-time failure 9999): a negative
// value, which no section has, is refused before the calculation with an error line.
namespace stiffness {
constexpr int32_t kBadSize = 9901;      // b, h or a flange size negative
constexpr int32_t kBadCover = 9902;     // as negative, or not less than h
constexpr int32_t kBadSteel = 9903;     // As or As' negative
constexpr int32_t kBadMaterial = 9904;  // ftk, Es or Ec negative
}  // namespace stiffness

class TK_API clsBendComponentBl : public Calculator<clsBendComponentBl> {
 public:
  clsBendComponentBl();
  ~clsBendComponentBl() override;
  static const ClassInfo& ClassInfoOf();

  // Short- and long-term stiffness of a flexural member to GBJ 10-89 (Ms, Ml), with report.
  void BendComponentBl(int32_t& lErr, double& bL, useRecordSection& uSec, float& Cas, double& dAs,
                       double& dAs1, double& dMs, double& dMl, float& Ftk, float& Es, float& Ec,
                       std::string* tText = nullptr, int16_t* iBhFs = nullptr,
                       int16_t* iStart = nullptr);
  // The same to GB 50010-2002 (Mk, Mq).
  void BendComponentBl02(int32_t& lErr, double& bL, useRecordSection& uSec, float& Cas, double& dAs,
                         double& dAs1, double& Mk, double& Mq, float& Ftk, float& Es, float& Ec,
                         std::string* tText = nullptr, int16_t* iBhFs = nullptr,
                         int16_t* iStart = nullptr);

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Adds the numbered texts of the form (beam positions) to the shared services component.
  static void RegisterTexts();

  // Form operations on the sub-form of the deflection conversion (controls listed in
  // stiffness_form.cpp).
  void CboB_KeyPress(int16_t& Index, int16_t& KeyAscii);
  void Form_Load();
  // Checks the fields, reads Ms, Ml, the section and the required steel from the result files
  // when an analysis program is chosen, converts the elastic deflection and writes the table
  // report to tText (and to the form's report box when bShowRtb). tBh labels the beam. Returns
  // 0, the code of the first wrong field (input check), the result-file code (36001xx..36009xx)
  // or 9999; the message is then in tText.
  int32_t DisPlayNdHs(bool& bShowRtb, std::string& tText, std::string& tBh);
  void CboBChangeAndClick(int16_t& Index);

 private:
  HostRef sub_form_;
};

}  // namespace tk
