// clsMoment, shear half: stirrups of rectangular sections (GBJ 10-89 art. 4.2 for ordinary
// sections, art. 8.3 with the detailing of GBJ 11-89 for the ends of seismic frame beams).
#include <iterator>
#include <string>
#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "section/flexure.h"
#include "section/flexure_common.h"

namespace tk {

namespace {

using namespace moment_codes;

using gbj10_89::kFyvMax;
using gbj11_89::kGammaReShear;

// Number pattern of the code factors a report line shows (0.07, 1.5, 0.035, 0.85).
constexpr const char* kFactor = "0.0##";

const char* const kOverflowText = "溢出，或不可知的错误";

// Headings of the detailing of seismic frame-beam ends by grade 1 … 4; the numbers are those of
// gbj11_89::kFrameStirrups.
constexpr const char* kSeismicHeading[] = {"一级框架梁构造要求：", "二级框架梁构造要求：",
                                           "三级框架梁构造要求：", "四级框架梁构造要求："};
// The height bands of gbj10_89::kStirrupBands as the report names them.
constexpr const char* kBandText[] = {"H≤250（mm）构造要求：", "250＜H≤300（mm）构造要求：",
                                     "300＜H≤500（mm）构造要求：", "500＜H≤800（mm）构造要求：",
                                     "H＞800（mm）构造要求："};
static_assert(std::size(kBandText) == std::size(gbj10_89::kStirrupBands) &&
              std::size(kSeismicHeading) == std::size(gbj11_89::kFrameStirrups));

struct ShearCase {
  explicit ShearCase(Report& report) : r(report) {}

  int16_t iK = 1, iSecPos = 5;
  double V_in = 0;  // kN
  double Asv_in = 0, fyv_in = 0, fyv = 0, fc = 0, b = 0, h = 0, as = 0, s = 0;
  double ho = 0, Vc = 0, Dmin = 0, Smax = 0, Sjmmax = 0, ratio = 0, Asvgz = 0, Asvmin = 0;
  double beta = 0, limit = 0, V = 0, Asv = 0, kcal = 0;
  bool seismic = false, detailing = false;
  int32_t code = 0;
  Report& r;

  int32_t Check() {
    fyv = fyv_in > kFyvMax ? kFyvMax : fyv_in;
    // Direction and position choose every formula; reject anything else outright.
    if (iK != 1 && iK != 2) return kVBadDirection;
    if (iSecPos < 1 || iSecPos > 5) return kVBadPosition;
    if (!(V_in >= 0)) return kVNegativeShear;
    if (!(Asv_in >= 0)) return kVNegativeArea;
    if (!(fyv > 0)) return kVBadFyv;
    if (!(fc > 0)) return kVBadFc;
    if (!(b > 0)) return kVBadB;
    if (!(h > 0)) return kVBadH;
    if (!(as > 0)) return kVBadAs;
    ho = h - as;
    if (!(ho > 0)) return kVAsNotBelowH;
    if (!(s > 0)) return kVBadSpacing;
    return 0;
  }

  // The minimum stirrup area by ratio: "＝ (0.035*14.3/210)*200*100 ＝ 47.67 mm²".
  void RatioLine(double coef) {
    r.Line(6, "最小配箍面积Asvmin＝ ($0 * Fc / Fyv) * B * S", {{coef, kFactor}});
    r.Line(
        24, "＝ ($0*$1/$2)*$3*$4 ＝ $5",
        {{coef, kFactor}, {fc, U::nmm2}, {fyv, U::nmm2}, {b, U::mm}, {s, U::mm}, {ratio, U::mm2d}});
  }

  // Detailing of a seismic frame-beam end by its grade (GBJ 11-89 art. 6.3.3).
  void SeismicDetailingLines() {
    const gbj11_89::FrameStirrups& d = gbj11_89::FrameStirrupsOfGrade(iSecPos);
    Dmin = d.Dmin;
    // The confined zone takes half the spacing outside it: min(cap/2, h/4).
    Sjmmax = gbj11_89::FrameStirrupSpacing(iSecPos, h) / 2;
    Smax = 2 * Sjmmax;
    ratio = gbj10_89::MinStirrupArea(d.coef, fc, fyv, b, s);
    r.Line(4, kSeismicHeading[iSecPos - 1]);
    r.Line(6, "箍筋最小直径Dmin＝$0", {{Dmin, U::mmd}});
    r.Line(6, "加密区箍筋最大间距Sjmmax＝ Min{$0, H / 4} ＝ $1",
           {{d.smax_cap / 2, "0"}, {Sjmmax, U::mmd}});
    r.Line(6, "非加密区箍筋最大间距Smax＝ 2 * Sjmmax ＝ $0", {{Smax, U::mmd}});
    RatioLine(d.coef);
  }

  // GBJ 10-89 art. 4.2: up to 0.07 fc b ho the concrete carries the shear and the stirrups are
  // set by detailing; only a design shear (direction 1) can tell.
  void OrdinaryDetailingLines() {
    const double V0 = Vc / 1000;
    detailing = iK == 1 && V_in <= V0;
    if (detailing) code = kVDetailingOrdinary;
    const int band_index = gbj10_89::StirrupBandOf(h);
    const gbj10_89::StirrupBand& band = gbj10_89::kStirrupBands[band_index];
    Dmin = band.Dmin;
    Smax = detailing ? band.smax_low : band.smax_high;
    ratio = detailing ? 0.0 : gbj10_89::MinStirrupArea(gbj10_89::kMinStirrupRatio, fc, fyv, b, s);
    const double c07 = gbj10_89::kShearConcrete;
    r.Line(4, "$0 * fc * B * Ho ＝ $0*$1*$2*$3 ＝ $4",
           {{c07, kFactor}, {fc, U::nmm2}, {b, U::mm}, {ho, U::mm}, {Vc, U::nd}});
    // The capacity direction has no design shear yet to compare with.
    if (iK == 1) r.Line(8, detailing ? "≥ V ＝ $0" : "＜ V ＝ $0", {{V_in * 1000, U::nd}});
    r.Line(4, detailing ? "当V≤$0 * fc * B * Ho、$1" : "当V＞$0 * fc * B * Ho、$1",
           {{c07, kFactor}, kBandText[band_index]});
    r.Line(6, "箍筋最小直径Dmin＝$0，箍筋最大间距Smax＝$1", {{Dmin, U::mmd}, {Smax, U::mmd}});
    if (!detailing) RatioLine(gbj10_89::kMinStirrupRatio);
  }

  void Detailing(float& sAsMin, float& sDmin, float& sAtMax) {
    seismic = iSecPos != 5;
    Vc = gbj10_89::ShearConcrete(fc, b, ho);
    if (seismic)
      SeismicDetailingLines();
    else
      OrdinaryDetailingLines();
    Asvgz = gbj10_89::DetailingStirrupAreaInOrder(Dmin, s, Smax);
    Asvmin = modKalbex::vMaxVal(ratio, Asvgz);
    sDmin = fault::to_float(Dmin);
    sAtMax = fault::to_float(Smax);
    sAsMin = fault::to_float(Asvmin);
    r.Line(4, "Dmin、Smax的配箍面积Asvgz＝ Dmin ^ 2 * π / 4 * S / Smax ＝ $0", {{Asvgz, U::mm2d}});
    r.Line(6, "最小配箍面积Asvmin＝ $0", {{Asvmin, U::mm2d}});
  }

  // Upper limit of the shear a section may carry (GBJ 10-89 eq. 4.2.1, art. 8.3.3).
  void SectionLimit(float& sK) {
    const double ratio_hb = fault::div(ho, b);
    beta = seismic ? gbj11_89::kShearSection : gbj10_89::ShearSectionFactor(ratio_hb);
    sK = fault::to_float(beta);
    limit = fault::check(seismic ? beta * fc * b * ho / kGammaReShear : beta * fc * b * ho);
    r.Line(4, "矩形受弯构件，其受剪截面应符合下式条件：");
    if (seismic) {
      r.Line(4, "V ≤ $0 * fc * b * ho / γRE    （混凝土规范式 8.3.3）", {{beta, kFactor}});
      r.Line(4, "$0 * fc * b * ho / γRE ＝ $0*$1*$2*$3/$4 ＝ $5",
             {{beta, kFactor},
              {fc, U::nmm2},
              {b, U::mm},
              {ho, U::mm},
              {kGammaReShear, kFactor},
              {limit, U::nd}});
      return;
    }
    const Sub stocky{gbj10_89::kShearSectionStockyRatio, "0"};
    const Sub slender{gbj10_89::kShearSectionSlenderRatio, "0"};
    if (ratio_hb <= gbj10_89::kShearSectionStockyRatio) {
      r.Line(4, "当 Ho / B ≤ $1 时，V ≤ $0 * fc * b * ho    （混凝土规范式 4.2.1-1）",
             {{beta, kFactor}, stocky});
    } else if (ratio_hb >= gbj10_89::kShearSectionSlenderRatio) {
      r.Line(4, "当 Ho / B ≥ $1 时，V ≤ $0 * fc * b * ho    （混凝土规范式 4.2.1-1）",
             {{beta, kFactor}, slender});
    } else {
      r.Line(4, "当 $1 ＜Ho / B ＜ $2 时，β＝ $3 - $4 * Ho / B ＝ $0",
             {{beta, U::d3},
              stocky,
              slender,
              {gbj10_89::kShearSectionIntercept, kFactor},
              {gbj10_89::kShearSectionSlope, kFactor}});
      r.Line(4, "V ≤ $0 * fc * b * ho    （混凝土规范式 4.2.1）", {{beta, U::d2}});
    }
    // The substituted limit shows beta to three places so that its product can be checked.
    r.Line(4, "$0 * fc * b * ho ＝ $0*$1*$2*$3 ＝ $4",
           {{beta, "0.###"}, {fc, U::nmm2}, {b, U::mm}, {ho, U::mm}, {limit, U::nd}});
  }

  // V against the section limit; on failure the code and sKcal.
  bool SectionHolds(float& sKcal) {
    const bool ok = !(V > limit);
    if (ok) return true;
    code = seismic ? kVSectionSeismic : kVSectionOrdinary;
    kcal = fault::div(seismic ? kGammaReShear * V : V, fault::check(fc * b * ho));
    sKcal = fault::to_float(kcal);
    return false;
  }
  void SectionWarning() {
    r.Sp(8).Put(seismic ? "警告：受剪截面尺寸不足，γRE * V / (fc * B * Ho) ＝ $0 ＞ $1"
                        : "警告：受剪截面尺寸不足，V / (fc * B * Ho) ＝ $0 ＞ $1",
                {{kcal, "#0.000"}, {beta, "#0.000"}});
    r.Text(kTextCheckAdvice).End();
  }
  // The limit line is followed by the comparison with V and, when it holds, its verdict text.
  void SectionVerdict(bool ok, std::string_view form, double x) {
    r.Sp(8).Put(form, {{x, U::nd}});
    if (ok) r.Text(kTextShearSectionOk);
    r.End();
    if (!ok) SectionWarning();
  }

  // Direction 1: stirrups for a design shear.
  void Design(double& dV, double& dAs, float& sKcal) {
    V = fault::check(V_in * 1000);
    dV = V;  // callers of this service read the shear back in N
    const bool ok = SectionHolds(sKcal);
    SectionVerdict(ok, ok ? "≥ V ＝ $0" : "＜ V ＝ $0", V);
    if (!ok) return;
    if (!seismic) {
      if (detailing)
        Asv = Asvmin;
      else
        DesignOrdinary();
    } else {
      DesignSeismic();
    }
    // The formula value is handed back; the report's last line shows the larger of it and
    // Asvmin, which the caller also receives in sAsMin.
    dAs = Asv;
    const bool min_governs = Asv <= Asvmin;
    r.Line(4, min_governs ? "Asvmin ＝ $0    最大间距@$1" : "Asv ＝ $0    最大间距@$1",
           {{min_governs ? Asvmin : Asv, U::mm2d}, {Smax, U::mm}});
  }

  // GBJ 10-89 eq. 4.2.3-2 solved for Asv.
  void DesignOrdinary() {
    Asv = gbj10_89::StirrupsForShear(V, Vc, s, fyv, ho);
    r.Line(4, "Asv ＝ (V - $0 * fc * B * Ho) * S / ($1 * Fyv * Ho)",
           {{gbj10_89::kShearConcrete, kFactor}, {gbj10_89::kShearStirrups, kFactor}});
    StirrupValues("＝ ($0-$7*$1*$2*$3)*$4/($8*$5*$3) ＝ $6", gbj10_89::kShearConcrete,
                  gbj10_89::kShearStirrups);
  }

  // GBJ 10-89 eq. 8.3.4-1: the concrete part of a seismic frame beam is 0.056 fc b ho.
  void DesignSeismic() {
    const double c056 = gbj11_89::kShearConcrete, c12 = gbj11_89::kShearStirrups;
    const double Vcs = gbj11_89::ShearConcreteSeismic(fc, b, ho);
    detailing = !(V > Vcs);
    r.Line(4, "$0 * fc * B * Ho / γRE ＝ $0*$1*$2*$3/$4 ＝ $5",
           {{c056, kFactor},
            {fc, U::nmm2},
            {b, U::mm},
            {ho, U::mm},
            {kGammaReShear, kFactor},
            {Vcs, U::nd}});
    // Only the detailing case is settled by this comparison; above it the formula follows.
    if (detailing) {
      r.Line(8, "≥ V ＝ $0", {{V, U::nd}});
      code = kVDetailingSeismic;
      Asv = Asvmin;
      return;
    }
    Asv = gbj11_89::StirrupsForShearSeismic(V, fc, b, ho, s, fyv);
    r.Line(4, "V ≤ ($0 * fc * B * Ho + $1 * fyv * Asv / S * Ho) / γRE（混凝土规范式 8.3.4-1）",
           {{c056, kFactor}, {c12, kFactor}});
    r.Line(4, "Asv ＝ (V * γRE - $0 * fc * B * Ho) * S / ($1 * fyv * Ho)",
           {{c056, kFactor}, {c12, kFactor}});
    StirrupValues("＝ ($0*$9-$7*$1*$2*$3)*$4/($8*$5*$3) ＝ $6", c056, c12);
  }

  // The stirrup line with its values: (V [* γRE] - concrete factor * fc*B*Ho) * S / (steel
  // factor * fyv*Ho).
  void StirrupValues(std::string_view form, double concrete, double stirrups) {
    r.Line(8, form,
           {{V, U::n},
            {fc, U::nmm2},
            {b, U::mm},
            {ho, U::mm},
            {s, U::mm},
            {fyv, U::nmm2},
            {Asv, U::mm2d},
            {concrete, kFactor},
            {stirrups, kFactor},
            {kGammaReShear, kFactor}});
  }

  // Direction 2: shear capacity of given stirrups.
  void Capacity(double& dV, float& sKcal) {
    const double Asv_s = Asv_in / s;
    if (!seismic) {
      V = Vc + gbj10_89::ShearStirrups(fyv, Asv_s, ho);
      r.Line(4, "矩形截面的一般受弯构件，其斜截面受剪承载力按下列公式计算：");
      r.Line(4, "V ≤ $0 * fc * B * Ho + $1 * fyv * Asv / S * Ho（混凝土规范式 4.2.3-2）",
             {{gbj10_89::kShearConcrete, kFactor}, {gbj10_89::kShearStirrups, kFactor}});
      CapacityValues("V ＝ $0*$2*$3*$4+$1*$5*$6/$7*$4 ＝ $9", gbj10_89::kShearConcrete,
                     gbj10_89::kShearStirrups);
    } else {
      V = gbj11_89::ShearCapacitySeismic(fc, b, ho, fyv, Asv_s);
      r.Line(4, "矩形截面的一般框架梁，其斜截面受剪承载力按下列公式计算：");
      r.Line(4, "V ≤ ($0 * fc * B * Ho + $1 * fyv * Asv / S * Ho) / γRE（混凝土规范式 8.3.3）",
             {{gbj11_89::kShearConcrete, kFactor}, {gbj11_89::kShearStirrups, kFactor}});
      CapacityValues("V ＝ ($0*$2*$3*$4+$1*$5*$6/$7*$4)/$8 ＝ $9", gbj11_89::kShearConcrete,
                     gbj11_89::kShearStirrups);
    }
    const bool ok = SectionHolds(sKcal);
    dV = V / 1000;
    SectionVerdict(ok, ok ? "≤ $0" : "＞ $0", limit);
  }

  // The capacity line with its values: concrete factor * fc*B*Ho + steel factor * fyv*Asv/S*Ho.
  void CapacityValues(std::string_view form, double concrete, double stirrups) {
    r.Line(4, form,
           {{concrete, kFactor},
            {stirrups, kFactor},
            {fc, U::nmm2},
            {b, U::mm},
            {ho, U::mm},
            {fyv, U::nmm2},
            {Asv_in, U::mm2},
            {s, U::mm},
            {kGammaReShear, kFactor},
            {V, U::nd}});
  }

  // Report order: detailing, then the section limit; in direction 1 the design shear is compared
  // with the limit at once and the stirrups follow; in direction 2 the capacity comes first and is
  // then compared with the limit, since there is no shear to compare before it is computed.
  void Run(double& dV, double& dAs, float& sAsMin, float& sK, float& sKcal, float& sDmin,
           float& sAtMax) {
    Detailing(sAsMin, sDmin, sAtMax);
    SectionLimit(sK);
    if (iK == 1)
      Design(dV, dAs, sKcal);
    else
      Capacity(dV, sKcal);
  }
};

}  // namespace

void clsMoment::VAsCommon(int32_t& lErrNumber, int16_t iK, int16_t iSecPos, double& dV, double& dAs,
                          float sFy, float Fc, float sB, float sH, float sCas, float sAt,
                          float& sAsMin, float& sK, float& sKcal, float& sDmin, float& sAtMax) {
  lErrNumber = 0;
  Report none = Report::Disabled();
  ShearCase c(none);
  c.iK = iK, c.iSecPos = iSecPos, c.V_in = dV, c.Asv_in = dAs;
  c.fyv_in = sFy, c.fc = Fc, c.b = sB, c.h = sH, c.as = sCas, c.s = sAt;
  lErrNumber = c.Check();
  if (lErrNumber != 0) return;
  try {
    c.Run(dV, dAs, sAsMin, sK, sKcal, sDmin, sAtMax);
    lErrNumber = c.code;
  } catch (const ComponentFailure&) {
    throw;
  } catch (...) {
    lErrNumber = kVFault;
  }
}

namespace {

// Section 1 of the shear report: the direction, the section position and the inputs.
void WriteShearInputs(Report& r, const ShearCase& c, bool grade_given, float grade) {
  r.Heading("1．基本参数：");
  if (c.iK == 2)
    r.Line(4, "由箍筋面积Asv求剪力设计值V，箍筋面积Asv＝$0", {{c.Asv_in, U::mm2d}});
  else
    r.Sp(4).Raw("由剪力设计值V求箍筋面积Asv，剪力设计值V＝").Fmt(c.V_in, "kN", -1).End();
  r.Line(4, "箍筋间距S＝$0", {{c.s, U::mmd}});
  r.Line(4, "截面尺寸B*H＝$0*$1", {{c.b, U::mm}, {c.h, U::mmd}});
  // The grade as its number ("3级框架梁"); the detailing block below names it in words.
  if (c.iSecPos != 5) r.Line(4, "计算截面位置：$0级框架梁", {std::to_string(c.iSecPos)});
  // Grade and fc share one data line, as in the flexure report.
  if (grade_given) r.Sp(4).Put("砼强度等级： C$0", {ShortestText(grade)});
  r.Line(4, "砼轴心抗压强度设计值fc＝$0", {{c.fc, U::nmm2d}});
  r.Line(4, "钢筋强度设计值Fyv＝$0", {{c.fyv_in, U::nmm2d}});
  r.Line(4, "纵筋合力点至近边距离as＝$0", {{c.as, U::mmd}});
  if (c.fyv_in > kFyvMax)
    r.Line(8, "当Fyv≥$0时，取Fyv＝$1", {{kFyvMax, U::nmm2}, {kFyvMax, U::nmm2d}});
  r.Sp(4).Put("截面有效高度Ho ＝ H - as ＝ $0-$1 ＝ $2",
              {{c.h, U::mm}, {c.as, U::mm}, {c.ho, U::mmd}});
  r.HeadingEnd();
  r.Heading("2．计算结果：");
}

}  // namespace

void clsMoment::CalV_As(int32_t& lErr, int16_t& iK, int16_t& iSecPos, double& dV, double& dAsv,
                        std::string& tFyv, int16_t& iFc, float& sfC, float& sB, float& sH,
                        float& sCas, float& sS, float& sAsvMin, float& sK, float& sKcal,
                        float& sDmin, float& sSmax, std::string& tText) {
  lErr = 0;
  clsMaterial& mat = modKalbex::Material();
  Report r;
  ShearCase c(r);
  c.iK = iK, c.iSecPos = iSecPos, c.V_in = dV, c.Asv_in = dAsv;
  c.fyv_in = mat.dGanJinFy(tFyv);
  // iFc = 0: sfC is the grade; a grade outside the table reads as fc 0 and is rejected.
  c.fc = iFc == 0 ? static_cast<double>(mat.CtoFc(sfC)) : static_cast<double>(sfC);
  c.b = sB, c.h = sH, c.as = sCas, c.s = sS;
  lErr = c.Check();
  if (lErr != 0) return;  // input errors leave the caller's report as it was

  try {
    r.Title("剪力", tText);
    WriteShearInputs(r, c, iFc == 0, sfC);
    c.Run(dV, dAsv, sAsvMin, sK, sKcal, sDmin, sSmax);
    lErr = c.code;
  } catch (const ComponentFailure&) {
    throw;
  } catch (...) {
    lErr = kVFault;
    r.Error(kOverflowText);
  }
  r.MoveTo(tText);
}

}  // namespace tk
