// clsMoment: flexure and shear of rectangular sections (GBJ 10-89).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/variant.h"

namespace tk {

class TK_API clsMoment : public Calculator<clsMoment> {
 public:
  clsMoment();
  ~clsMoment() override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Singly reinforced rectangular section in bending (GBJ 10-89 art. 4.1). iK = 1: As from Mu,
  // iK = 2: Mu from As. On return in direction 1, dMu holds the moment in N*mm. Codes
  // 100101..100109 and 100199 stop; 100110..100112 are warnings with all outputs written. Service
  // for the bar selection, slab, stair and footing calculators.
  void MuAsCommon(int32_t& lErrNumber, int16_t& iK, int16_t& iSecPos, double& dMu, double& dAs,
                  float& sFy, float& sFcm, float& sB, float& sH, float& sCas, float& sKc, float& sP,
                  float& sKcb, std::string* tErr = nullptr);

  // The same with the steel as a grade text, the concrete as a grade (iFcm = 0) or fcm, the minimum
  // ratio check, and the calculation report in tText.
  void CalMu_As(int32_t& lErrNumber, int16_t iK, int16_t iSecPos, double& dMu, double& dAs,
                std::string& tFy, int16_t& iFcm, float& sFcm, float& sB, float& sH, float& sCas,
                float& sKc, float& sP, float& sPmin, float& sKcb, std::string& tText);

  // Stirrups of a rectangular section in shear (GBJ 10-89 art. 4.2, 8.3). iK = 1: Asv from V,
  // iK = 2: V from Asv. On return in direction 1, dV holds the shear in N.
  void VAsCommon(int32_t& lErrNumber, int16_t iK, int16_t iSecPos, double& dV, double& dAs,
                 float sFy, float Fc, float sB, float sH, float sCas, float sAt, float& sAsMin,
                 float& sK, float& sKcal, float& sDmin, float& sAtMax);

  // The same with the stirrup steel as a grade text, the concrete as a grade (iFc = 0) or fc, and
  // the calculation report in tText.
  void CalV_As(int32_t& lErr, int16_t& iK, int16_t& iSecPos, double& dV, double& dAsv,
               std::string& tFyv, int16_t& iFc, float& sfC, float& sB, float& sH, float& sCas,
               float& sS, float& sAsvMin, float& sK, float& sKcal, float& sDmin, float& sSmax,
               std::string& tText);

  // Main form to the shared services component; frmX becomes the working form.
  void Let_Controls(HostRef& frmM, HostRef& frmX);

  // Form operations on the working form (controls listed in flexure_form.cpp).
  // True while the last Calculate / CalculateA stopped at a wrong field: the host keeps the focus
  // on it.
  bool bRestrain();
  void CboB_KeyPress(int16_t& Index, int16_t& KeyAscii);
  void OptSet_Click(int16_t& Index);
  void OptMu_Click(int16_t& Index);
  void ChkOpt_Click(int16_t& Index);
  // Reads and checks the fields, runs CalMu_As, writes the results and the report to the form.
  void Calculate();
  // The same, with the report returned in tText (its entry value is the label when field 7 is
  // empty); a wrong field leaves tText as it was.
  void CalculateA(std::string& tText);
  // Saved inputs ("QvfdMu01.tav" when tDataSaveName is empty).
  void LoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr);

 private:
  // Looks up the named controls of the working form once.
  void BindControls();
  bool RunForm(std::string* tText);
  HostRef work_form_;
  HostRef lbl_b_, cbo_b_, opt_set_, opt_mu_, chk_opt_, lbl_kz_, cbo_kz_, lbl_jg_, rtb_box_;
  bool restrain_ = false;
};

}  // namespace tk
