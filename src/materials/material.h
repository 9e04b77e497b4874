// clsMaterial: concrete and steel properties of the concrete code GBJ 10-89 (grades C7.5-C60,
// steel grades Ⅰ级 and Ⅱ级), the bar-diameter chooser and the effective flange width.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/host.h"

namespace tk {

class TK_API clsMaterial : public Calculator<clsMaterial> {
 public:
  clsMaterial() = default;
  // The per-thread shared instance is library-internal.
  struct Shared {};
  explicit clsMaterial(Shared) : Calculator(Internal{}) {}

  static const ClassInfo& ClassInfoOf();

  float FcToC(float Fc);
  float FcmtoC(float Fcm);
  double FyToEs(double Fy);
  float CtoFcm(float sC);
  float CtoFc(float sC);
  float CtoFt(float sC);
  float CtoFtk(float sC);
  double CtoEc(double c);
  double dGanJinFy(const std::string& tText, int16_t* I = nullptr);
  double dGanJinFy1(const std::string& tText, int16_t* I = nullptr);
  double dGjDiameterFromAs(double dAs, std::optional<int16_t> iGs = std::nullopt);
  double dBf1_AutoCal(const std::string& tJmXs, float sLo, float sB, float sH, float Cas,
                      float sHf1);
  void HntQdAddCboB(int16_t iSign, HostRef CboB, HostRef lblB, const std::string& Text,
                    std::optional<std::string> tPf = std::nullopt);
};

// Empty when dGanJinFy reads `text` as a strength; otherwise a message (Chinese / English) that
// names the text and says what to give instead.
TK_API std::string SteelGradeProblem(std::string_view text);

}  // namespace tk
