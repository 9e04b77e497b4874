// clsLfKd: crack width of reinforced-concrete members.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/member.h"
#include "frame/variant.h"

namespace tk {

class TK_API clsLfKd : public Calculator<clsLfKd> {
 public:
  clsLfKd();
  ~clsLfKd() override;
  static const ClassInfo& ClassInfoOf();

  // Maximum crack width (GBJ 10-89 clause 5.2) with the full calculation report in tText.
  void LfKdCommon_1(std::string& tText, int32_t& lErrNumber, std::string& tGjBh,
                    std::string& tGjSlTz, std::string& tJmXs, bool& bPxSrFs, bool& bBxGj,
                    bool& bDpZj, bool& bCfHz, bool& bQzDc, double& c, double& D, double& MsEo,
                    double& Ns, double& dAs, double& B, double& H, double& Bf, double& Hf,
                    double& Bf1, double& Hf1, double& Lo, double& Cas, double& Cas1, double& Ftk,
                    double& Es, double* Wmax = nullptr);
  // Same calculation without a report; the service entry of the bar selection, slab and stair.
  // lErrNumber: 900200 success (Wmax written), 900357 eccentric compression with eo/ho <= 0.55
  // (no check, Wmax untouched), 900201 unknown member kind or section shape, 900999 arithmetic
  // fault. c, Cas, Cas1, Bf1, Hf1 may be written back.
  void LfKdCommon(std::string& tText, int32_t& lErrNumber, std::string& tGjBh, std::string& tGjSlTz,
                  std::string& tJmXs, bool& bPxSrFs, bool& bBxGj, bool& bDpZj, bool& bCfHz,
                  bool& bQzDc, double& c, double& D, double& MsEo, double& Ns, double& dAs,
                  double& B, double& H, double& Bf, double& Hf, double& Bf1, double& Hf1,
                  double& Lo, double& Cas, double& Cas1, double& Ftk, double& Es,
                  double* Wmax = nullptr);

  // Host sub-form; the shared services component is switched to form mode 3.
  void SubForm(HostRef& frm);
  // Host picture form.
  void PicForm(HostRef& frm);

  // Saved inputs of the form ("QvfdLfKd.tav" when tDataSaveName is empty). The b-variant
  // returns false with the reason in tErr instead of failing the call.
  bool bLoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr,
                       std::string* tErr = nullptr);
  void LoadOrSaveData(std::string& tMode, std::string* tDataSaveName = nullptr);
  // Checks the fields of CboB (options in OptSet) with their templates; the first failure leaves
  // its code in lErrNumber and its position in Index (0 and -1 when every field passes).
  void CheckLfErr(int32_t& lErrNumber, int16_t& Index, HostRef& CboB, HostRef& OptSet);
  // Form operations on the bound sub-form (controls listed in crack_width_form.cpp).
  void CboB_KeyPress(int16_t& Index, int16_t& KeyAscii);
  void Form_Load();
  void chkXsTL_Click();
  void CboChangeAndClick(int16_t& Index);
  void ChkB_Click(int16_t& Index);
  void ChkOpt_Click(int16_t& Index);
  void OptSet_Click(int16_t& Index);
  // Checks and reads the form, runs LfKdCommon_1; the report (or the input message) in tText.
  void Calculate(std::string& tText, std::string& tGjBh);

  // Member objects, created at construction and released at destruction in this order.
  MemberComponent& member() { return *m_Member; }

 private:
  void RefreshForm(bool refill_shapes);
  std::unique_ptr<MemberComponent> m_Member;
  HostRef sub_form_;
  HostRef pic_form_;
};

}  // namespace tk
