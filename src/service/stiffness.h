// clsBendComponentBl: short- and long-term stiffness of flexural members.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/calculator.h"
#include "frame/records.h"

namespace tk {

class clsBendComponentBl : public Calculator<clsBendComponentBl> {
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

 private:
  HostRef sub_form_;
};

}  // namespace tk
