#include "codes/gbj11_89.h"

#include "frame/fault.h"

namespace tk::gbj11_89 {

double XiLimitOfGrade(int grade) {
  if (grade == 1) return kXiLimitGrade1;
  if (grade == 2 || grade == 3) return kXiLimitGrade23;
  return 0;
}

double ShearCapacitySeismic(double fc, double b, double ho, double fyv, double Asv_over_s) {
  return fault::div(kShearConcrete * fc * b * ho + kShearStirrups * fyv * ho * Asv_over_s,
                    kGammaReShear);
}

double StirrupsForShearSeismic(double V, double fc, double b, double ho, double s, double fyv) {
  return fault::check((kGammaReShear * V - kShearConcrete * fc * b * ho) * s /
                      (kShearStirrups * fyv * ho));
}

double ShearCapacitySeismicConcentrated(double fc, double b, double ho, double lambda, double fyv,
                                        double Asv_over_s) {
  return fault::div(fault::div(0.16 * fc * b * ho, lambda + 1.5) + fyv * Asv_over_s * ho,
                    kGammaReShear);
}

}  // namespace tk::gbj11_89

// ---- Frame-beam flexure (clsMVT flexure stage) ------------------------------------------------
namespace tk::gbj11_89 {

double CompressionRatioOfGrade(int grade) {
  if (grade == 1) return kCompressionRatioGrade1;
  if (grade == 2 || grade == 3) return kCompressionRatioGrade23;
  return 0;
}

double FrameBeamMinRatioPercent(int grade, bool beam_end) {
  static constexpr double kMid[] = {0.3, 0.25, 0.2, 0.2}, kEnd[] = {0.4, 0.3, 0.25, 0.25};
  if (grade < 1 || grade > 4) return 0;
  return (beam_end ? kEnd : kMid)[grade - 1];
}

}  // namespace tk::gbj11_89
