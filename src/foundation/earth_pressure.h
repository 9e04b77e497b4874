// clsDtqKa: active earth pressure coefficient of retaining walls (GBJ 7-89).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "frame/component.h"
#include "frame/export.h"
#include "frame/records.h"

namespace tk {

// Error codes of the retaining-wall calculator.
namespace dtqka {
constexpr int32_t kInputOk = 800100;
constexpr int32_t kNotNumeric = 800101;
constexpr int32_t kNotPositive = 800102;
constexpr int32_t kNegative = 800103;
constexpr int32_t kDone = 800200;
constexpr int32_t kSinAlphaBeta = 800201;  // sin(α + β) ≤ 0
constexpr int32_t kSinAlpha = 800202;      // sin α = 0
constexpr int32_t kSinAll = 800203;        // sin(α + β − φ − δ) = 0
constexpr int32_t kNegativeRoot = 800204;  // D·E < 0
constexpr int32_t kFault = 800299;
// Field positions of Text().
constexpr int16_t kGamma = 0, kHeight = 1, kLoad = 2, kCohesion = 3, kPhi = 4, kAlpha = 5,
                  kBeta = 6, kDelta = 7, kName = 8;
}  // namespace dtqka

class TK_API clsDtqKa : public Calculator<clsDtqKa> {
 public:
  clsDtqKa();
  ~clsDtqKa() override;
  static const ClassInfo& ClassInfoOf();
  // Adds the numbered texts this class uses to the shared services component.
  static void RegisterTexts();

  // Checks fields 0..7 of Text(); 800100 when all are valid, else the first failure and its field.
  void CheckEnter(VBArray<std::string>& Text, int32_t& lErrNumber, int16_t& Index);
  // Shows the message box of a code (nothing for the success codes).
  void MsgError(int32_t lErrNumber, int16_t Index, const std::string& Text);
  // Ka by GBJ 7-89 (附11-1) and Ea = 0.5·γ·h²·Ka, with the report "挡土墙：".
  void CalResult(VBArray<std::string>& Text, std::string& tText, int32_t& lErrNumber);

  // Message text of a code (what MsgError shows); empty for the success codes.
  static std::string tMessage(int32_t lErrNumber, int16_t Index, const std::string& Text);

 private:
  static std::string tDtqKaInputName(int16_t Index);
};

}  // namespace tk
