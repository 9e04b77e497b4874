#include "codes/gbj11_89.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "codes/gbj10_89.h"
#include "frame/fault.h"

namespace tk::gbj11_89 {

// ==== Table 4.4.2 Seismic adjustment factor =================================================

// ==== Art. 6.2.9 Shear of frame beams =======================================================

double ShearConcreteSeismic(double fc, double b, double ho) {
  return fault::check(kShearConcrete * fc * b * ho / kGammaReShear);
}

double ShearCapacitySeismic(double fc, double b, double ho, double fyv, double Asv_over_s) {
  return fault::div(kShearConcrete * fc * b * ho + kShearStirrups * fyv * ho * Asv_over_s,
                    kGammaReShear);
}

double ShearCapacitySeismicAsvFirst(double fc, double b, double ho, double fyv, double Asv_over_s) {
  return fault::check((kShearConcrete * fc * b * ho + kShearStirrups * fyv * Asv_over_s * ho) /
                      kGammaReShear);
}

double StirrupsForShearSeismic(double V, double fc, double b, double ho, double s, double fyv) {
  return fault::check((kGammaReShear * V - kShearConcrete * fc * b * ho) * s /
                      (kShearStirrups * fyv * ho));
}

double ShearConcreteSeismicConcentrated(double fc, double b, double ho, double lambda) {
  return fault::check(kShearConcreteConcentrated * fc * b * ho /
                      (lambda + gbj10_89::kShearSpanShift) / kGammaReShear);
}

double ShearCapacitySeismicConcentrated(double fc, double b, double ho, double lambda, double fyv,
                                        double Asv_over_s) {
  return fault::div(
      fault::div(kShearConcreteConcentrated * fc * b * ho, lambda + gbj10_89::kShearSpanShift) +
          fyv * Asv_over_s * ho,
      kGammaReShear);
}

double StirrupsForShearSeismicConcentrated(double V, double fc, double b, double ho, double lambda,
                                           double s, double fyv) {
  return fault::check((V * kGammaReShear - kShearConcreteConcentrated * fc * b * ho /
                                               (lambda + gbj10_89::kShearSpanShift)) *
                      s / fyv / ho);
}

double ShearSectionLimitSeismic(double fc, double b, double ho) {
  return fault::check(kShearSection * fc * b * ho / kGammaReShear);
}

// ==== Art. 6.3.1, 6.3.3 Flexure of frame beams ==============================================

double XiLimitOfGrade(int grade) {
  if (grade == 1) return kXiLimitGrade1;
  if (grade == 2 || grade == 3) return kXiLimitGrade23;
  return 0;
}

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

// ==== Art. 6.3.6, 6.3.7 Stirrups of frame beams =============================================

const FrameStirrups& FrameStirrupsOfGrade(int grade) {
  const int last = static_cast<int>(std::size(kFrameStirrups));
  return kFrameStirrups[static_cast<size_t>(std::clamp(grade, 1, last) - 1)];
}

double FrameStirrupSpacing(int grade, double h) {
  return std::min(FrameStirrupsOfGrade(grade).smax_cap, h / 2);
}

double FrameStirrupDiameter(int grade, double rho) {
  const double d = FrameStirrupsOfGrade(grade).Dmin;
  return rho > kHeavySteelRatio ? d + kHeavySteelExtraDiameter : d;
}

}  // namespace tk::gbj11_89
