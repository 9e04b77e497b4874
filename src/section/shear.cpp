// clsMoment, shear half: stirrups of rectangular sections (GBJ 10-89 art. 4.2 for ordinary
// sections, art. 8.3 with the detailing of GBJ 11-89 for the ends of seismic frame beams).
#include <string>
#include <string_view>

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

// Seismic adjustment factor gamma_RE of frame-beam sections in shear (GBJ 11-89).
constexpr double kGammaReShear = 0.85;
// Stirrup strength above which no more is counted in the shear formulas of GBJ 10-89.
constexpr double kFyvMax = 310;
// The stirrup area of Dmin at Smax is worked with the single-precision pi of the material tables.
constexpr double kPi = static_cast<double>(3.1415927f);

const char* const kOverflowText = "溢出，或不可知的错误";

// Detailing of the ends of seismic frame beams by grade (GBJ 11-89): minimum stirrup
// diameter, the cap on the confined-zone spacing, and the minimum stirrup ratio factor.
struct SeismicDetailing {
  double Dmin, sj_cap;
  const char* coef_text;
  double coef;
  const char* heading;
};
constexpr SeismicDetailing kSeismic[4] = {
    {10, 100, "0.035", 0.035, "    一级框架梁构造要求："},
    {8, 100, "0.03", 0.03, "    二级框架梁构造要求："},
    {8, 150, "0.025", 0.025, "    三级框架梁构造要求："},
    {6, 150, "0.025", 0.025, "    四级框架梁构造要求："},
};

// Stirrup detailing of ordinary beams by height (GBJ 10-89): each band includes its
// upper bound, so h = 250 is in the first band and 250 < h <= 300 in the second.
struct HeightBand {
  double h_max;                      // upper bound of the band (the last band has none)
  double Dmin, smax_low, smax_high;  // Smax for V <= 0.07 fc b ho and for V above it
  const char* text;                  // band as the report names it
};
constexpr HeightBand kBands[5] = {
    {250, 4, 200, 150, "H≤250（mm）构造要求："},
    {300, 6, 200, 150, "250＜H≤300（mm）构造要求："},
    {500, 6, 300, 200, "300＜H≤500（mm）构造要求："},
    {800, 6, 350, 250, "500＜H≤800（mm）构造要求："},
    {0, 8, 500, 300, "H＞800（mm）构造要求："},
};
const HeightBand& BandOf(double h) {
  for (int k = 0; k < 4; ++k)
    if (h <= kBands[k].h_max) return kBands[k];
  return kBands[4];
}

struct ShearCase {
  int16_t iK = 1, iSecPos = 5;
  double V_in = 0;  // kN
  double Asv_in = 0, fyv_in = 0, fyv = 0, fc = 0, b = 0, h = 0, as = 0, s = 0;
  double ho = 0, Vc = 0, Dmin = 0, Smax = 0, Sjmmax = 0, ratio = 0, Asvgz = 0, Asvmin = 0;
  double beta = 0, limit = 0, V = 0, Asv = 0, kcal = 0;
  bool seismic = false, detailing = false;
  int32_t code = 0;
  Report* r = nullptr;
  const UnitPatterns* u = nullptr;  // set together with r

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

  // The capacity line with its values: lead + fc*B*Ho + steel term fyv*Asv/S*Ho + tail + V.
  void CapacityValues(const char* lead, const char* steel_factor, const char* tail,
                      double capacity) {
    r->Sp(4).Raw(lead).Num(fc, u->nmm2).Raw("*").Num(b, u->mm).Raw("*").Num(ho, u->mm);
    r->Raw(steel_factor).Num(fyv, u->nmm2).Raw("*").Num(Asv_in, u->mm2).Raw("/").Num(s, u->mm);
    r->Raw("*").Num(ho, u->mm).Raw(tail).Num(capacity, u->nd).End();
  }

  // fc, B, S with the stirrup-ratio factor: "＝ (0.035*14.3/210)*200*100 ＝ 47.67 mm²".
  void RatioLine(const char* coef_text) {
    r->Sp(6).Raw("最小配箍面积Asvmin＝ (").Raw(coef_text).Raw(" * Fc / Fyv) * B * S").End();
    r->Sp(24)
        .Raw("＝ (")
        .Raw(coef_text)
        .Raw("*")
        .Num(fc, u->nmm2)
        .Raw("/")
        .Num(fyv, u->nmm2)
        .Raw(")*");
    r->Num(b, u->mm).Raw("*").Num(s, u->mm).Raw(" ＝ ").Num(ratio, u->mm2d).End();
  }

  void Detailing(float& sAsMin, float& sDmin, float& sAtMax) {
    seismic = iSecPos != 5;
    Vc = fault::check(0.07 * fc * b * ho);
    if (seismic) {
      const SeismicDetailing& d = kSeismic[iSecPos - 1];
      Dmin = d.Dmin;
      Sjmmax = modKalbex::vMinVal(d.sj_cap, h / 4);
      Smax = 2 * Sjmmax;  // the same as min(200 or 300, h/2)
      ratio = fault::check(d.coef * fault::div(fc, fyv) * b * s);
      if (r) {
        r->Raw(d.heading).End();
        r->Sp(6).Raw("箍筋最小直径Dmin＝").Num(Dmin, u->mmd).End();
        r->Sp(6).Raw(d.sj_cap == 100 ? "加密区箍筋最大间距Sjmmax＝ Min{100, H / 4} ＝ "
                                     : "加密区箍筋最大间距Sjmmax＝ Min{150, H / 4} ＝ ");
        r->Num(Sjmmax, u->mmd).End();
        r->Sp(6).Raw("非加密区箍筋最大间距Smax＝ 2 * Sjmmax ＝ ").Num(Smax, u->mmd).End();
        RatioLine(d.coef_text);
      }
    } else {
      // GBJ 10-89 art. 4.2: up to 0.07 fc b ho the concrete carries the shear and the
      // stirrups are set by detailing; only a design shear (direction 1) can tell.
      const double V0 = Vc / 1000;
      detailing = iK == 1 && V_in <= V0;
      if (detailing) code = kVDetailingOrdinary;
      const HeightBand& band = BandOf(h);
      Dmin = band.Dmin;
      Smax = detailing ? band.smax_low : band.smax_high;
      ratio = detailing ? 0.0 : fault::check(0.02 * fault::div(fc, fyv) * b * s);
      if (r) {
        r->Sp(4)
            .Raw("0.07 * fc * B * Ho ＝ 0.07*")
            .Num(fc, u->nmm2)
            .Raw("*")
            .Num(b, u->mm)
            .Raw("*");
        r->Num(ho, u->mm).Raw(" ＝ ").Num(Vc, u->nd).End();
        // The capacity direction has no design shear yet to compare with.
        if (iK == 1) r->Sp(8).Raw(detailing ? "≥ V ＝ " : "＜ V ＝ ").Num(V_in * 1000, u->nd).End();
        r->Sp(4)
            .Raw(detailing ? "当V≤0.07 * fc * B * Ho、" : "当V＞0.07 * fc * B * Ho、")
            .Raw(band.text)
            .End();
        r->Sp(6)
            .Raw("箍筋最小直径Dmin＝")
            .Num(Dmin, u->mmd)
            .Raw("，箍筋最大间距Smax＝")
            .Num(Smax, u->mmd)
            .End();
        if (!detailing) RatioLine("0.02");
      }
    }
    Asvgz = fault::check(Dmin * Dmin * kPi / 4 * s / Smax);
    Asvmin = modKalbex::vMaxVal(ratio, Asvgz);
    sDmin = fault::to_float(Dmin);
    sAtMax = fault::to_float(Smax);
    sAsMin = fault::to_float(Asvmin);
    if (r) {
      r->Sp(4)
          .Raw("Dmin、Smax的配箍面积Asvgz＝ Dmin ^ 2 * π / 4 * S / Smax ＝ ")
          .Num(Asvgz, u->mm2d)
          .End();
      r->Sp(6).Raw("最小配箍面积Asvmin＝ ").Num(Asvmin, u->mm2d).End();
    }
  }

  // Upper limit of the shear a section may carry (GBJ 10-89 eq. 4.2.1, art. 8.3.3).
  void SectionLimit(float& sK) {
    const double ratio_hb = fault::div(ho, b);
    std::string coef;
    if (seismic) {
      beta = 0.2;
    } else if (ratio_hb <= 4) {
      // Decided on ho/b itself rather than on 0.35 - 0.025 ho/b, which in binary floating point
      // lands a hair below 0.25 at ho/b = 4.
      beta = 0.25;
      coef = "0.25";
    } else if (ratio_hb >= 6) {
      beta = 0.2;
      coef = "0.2";
    } else {
      beta = 0.35 - 0.025 * ratio_hb;
      // The substituted limit shows beta to three places so that its product can be checked.
      coef = FormatNumber(beta, "0.###");
    }
    sK = fault::to_float(beta);
    limit = fault::check(seismic ? beta * fc * b * ho / kGammaReShear : beta * fc * b * ho);
    if (!r) return;
    r->Sp(4).Raw("矩形受弯构件，其受剪截面应符合下式条件：").End();
    if (seismic) {
      r->Sp(4).Raw("V ≤ 0.2 * fc * b * ho / γRE    （混凝土规范式 8.3.3）").End();
      r->Sp(4)
          .Raw("0.2 * fc * b * ho / γRE ＝ 0.2*")
          .Num(fc, u->nmm2)
          .Raw("*")
          .Num(b, u->mm)
          .Raw("*");
      r->Num(ho, u->mm).Raw("/0.85 ＝ ").Num(limit, u->nd).End();
      return;
    }
    if (ratio_hb <= 4) {
      r->Sp(4).Raw("当 Ho / B ≤ 4 时，V ≤ 0.25 * fc * b * ho    （混凝土规范式 4.2.1-1）").End();
    } else if (ratio_hb >= 6) {
      r->Sp(4).Raw("当 Ho / B ≥ 6 时，V ≤ 0.2 * fc * b * ho    （混凝土规范式 4.2.1-1）").End();
    } else {
      r->Sp(4).Raw("当 4 ＜Ho / B ＜ 6 时，β＝ 0.35 - 0.025 * Ho / B ＝ ").Val(beta, "3").End();
      r->Sp(4).Raw("V ≤ ").Val(beta, "2").Raw(" * fc * b * ho    （混凝土规范式 4.2.1）").End();
    }
    r->Sp(4)
        .Raw(coef)
        .Raw(" * fc * b * ho ＝ ")
        .Raw(coef)
        .Raw("*")
        .Num(fc, u->nmm2)
        .Raw("*")
        .Num(b, u->mm);
    r->Raw("*").Num(ho, u->mm).Raw(" ＝ ").Num(limit, u->nd).End();
  }

  // V against the section limit; on failure the code, sKcal and a warning line.
  bool SectionHolds(float& sKcal) {
    const bool ok = !(V > limit);
    if (ok) return true;
    code = seismic ? kVSectionSeismic : kVSectionOrdinary;
    kcal = fault::div(seismic ? kGammaReShear * V : V, fault::check(fc * b * ho));
    sKcal = fault::to_float(kcal);
    return false;
  }
  void SectionWarning() {
    r->Sp(4).Raw(seismic ? "    警告：受剪截面尺寸不足，γRE * V / (fc * B * Ho) ＝ "
                         : "    警告：受剪截面尺寸不足，V / (fc * B * Ho) ＝ ");
    r->Num(kcal, "#0.000").Raw(" ＞ ").Num(beta, "#0.000").Text(kTextCheckAdvice).End();
  }

  // Direction 1: stirrups for a design shear.
  void Design(double& dV, double& dAs, float& sKcal) {
    V = fault::check(V_in * 1000);
    dV = V;  // callers of this service read the shear back in N
    const bool ok = SectionHolds(sKcal);
    if (r) {
      // The limit line is followed by the comparison with V and, when it holds, its verdict text.
      r->Sp(8).Raw(ok ? "≥ V ＝ " : "＜ V ＝ ").Num(V, u->nd);
      if (ok) r->Text(kTextShearSectionOk);
      r->End();
      if (!ok) SectionWarning();
    }
    if (!ok) return;
    if (!seismic) {
      if (detailing) {
        Asv = Asvmin;
      } else {
        // GBJ 10-89 eq. 4.2.3-2 solved for Asv.
        Asv = fault::check((V - Vc) * s / (1.5 * fyv * ho));
        if (r) {
          r->Sp(4).Raw("Asv ＝ (V - 0.07 * fc * B * Ho) * S / (1.5 * Fyv * Ho)").End();
          r->Sp(8)
              .Raw("＝ (")
              .Num(V, u->n)
              .Raw("-0.07*")
              .Num(fc, u->nmm2)
              .Raw("*")
              .Num(b, u->mm)
              .Raw("*");
          r->Num(ho, u->mm)
              .Raw(")*")
              .Num(s, u->mm)
              .Raw("/(1.5*")
              .Num(fyv, u->nmm2)
              .Raw("*")
              .Num(ho, u->mm);
          r->Raw(") ＝ ").Num(Asv, u->mm2d).End();
        }
      }
    } else {
      // GBJ 10-89 eq. 8.3.4-1: the concrete part of a seismic frame beam is 0.056 fc b ho.
      const double Vcs = fault::check(0.056 * fc * b * ho / kGammaReShear);
      detailing = !(V > Vcs);
      if (r) {
        r->Sp(4)
            .Raw("0.056 * fc * B * Ho / γRE ＝ 0.056*")
            .Num(fc, u->nmm2)
            .Raw("*")
            .Num(b, u->mm)
            .Raw("*");
        r->Num(ho, u->mm).Raw("/0.85 ＝ ").Num(Vcs, u->nd).End();
        // Only the detailing case is settled by this comparison; above it the formula follows.
        if (detailing) r->Sp(8).Raw("≥ V ＝ ").Num(V, u->nd).End();
      }
      if (detailing) {
        code = kVDetailingSeismic;
        Asv = Asvmin;
      } else {
        Asv = fault::check((kGammaReShear * V - 0.056 * fc * b * ho) * s / (1.2 * fyv * ho));
        if (r) {
          r->Sp(4)
              .Raw(
                  "V ≤ (0.056 * fc * B * Ho + 1.2 * fyv * Asv / S * Ho) / γRE（混凝土规范式 "
                  "8.3.4-1）")
              .End();
          r->Sp(4).Raw("Asv ＝ (V * γRE - 0.056 * fc * B * Ho) * S / (1.2 * fyv * Ho)").End();
          r->Sp(8)
              .Raw("＝ (")
              .Num(V, u->n)
              .Raw("*0.85-0.056*")
              .Num(fc, u->nmm2)
              .Raw("*")
              .Num(b, u->mm)
              .Raw("*");
          r->Num(ho, u->mm)
              .Raw(")*")
              .Num(s, u->mm)
              .Raw("/(1.2*")
              .Num(fyv, u->nmm2)
              .Raw("*")
              .Num(ho, u->mm);
          r->Raw(") ＝ ").Num(Asv, u->mm2d).End();
        }
      }
    }
    // The formula value is handed back; the report's last line shows the larger of it and
    // Asvmin, which the caller also receives in sAsMin.
    dAs = Asv;
    if (r) {
      const bool min_governs = Asv <= Asvmin;
      r->Raw(min_governs ? "    Asvmin ＝ " : "    Asv ＝ ")
          .Num(min_governs ? Asvmin : Asv, u->mm2d);
      r->Raw("    最大间距@").Num(Smax, u->mm).End();
    }
  }

  // Direction 2: shear capacity of given stirrups.
  void Capacity(double& dV, float& sKcal) {
    const double Asv_s = Asv_in / s;
    if (!seismic) {
      // GBJ 10-89 eq. 4.2.3-2.
      V = fault::check(Vc + 1.5 * fyv * ho * Asv_s);
      if (r) {
        r->Sp(4).Raw("矩形截面的一般受弯构件，其斜截面受剪承载力按下列公式计算：").End();
        r->Sp(4)
            .Raw("V ≤ 0.07 * fc * B * Ho + 1.5 * fyv * Asv / S * Ho（混凝土规范式 4.2.3-2）")
            .End();
        CapacityValues("V ＝ 0.07*", "+1.5*", " ＝ ", V);
      }
    } else {
      V = fault::check((0.056 * fc * b * ho + 1.2 * fyv * ho * Asv_s) / kGammaReShear);
      if (r) {
        r->Sp(4).Raw("矩形截面的一般框架梁，其斜截面受剪承载力按下列公式计算：").End();
        r->Sp(4)
            .Raw("V ≤ (0.056 * fc * B * Ho + 1.2 * fyv * Asv / S * Ho) / γRE（混凝土规范式 8.3.3）")
            .End();
        CapacityValues("V ＝ (0.056*", "+1.2*", ")/0.85 ＝ ", V);
      }
    }
    const bool ok = SectionHolds(sKcal);
    dV = V / 1000;
    if (r) {
      r->Sp(8).Raw(ok ? "≤ " : "＞ ").Num(limit, u->nd);
      if (ok) r->Text(kTextShearSectionOk);
      r->End();
      if (!ok) SectionWarning();
    }
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
  ShearCase c;
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

void clsMoment::CalV_As(int32_t& lErr, int16_t& iK, int16_t& iSecPos, double& dV, double& dAsv,
                        std::string& tFyv, int16_t& iFc, float& sfC, float& sB, float& sH,
                        float& sCas, float& sS, float& sAsvMin, float& sK, float& sKcal,
                        float& sDmin, float& sSmax, std::string& tText) {
  lErr = 0;
  clsMaterial& mat = modKalbex::Material();
  ShearCase c;
  c.iK = iK, c.iSecPos = iSecPos, c.V_in = dV, c.Asv_in = dAsv;
  c.fyv_in = mat.dGanJinFy(tFyv);
  // iFc = 0: sfC is the grade; a grade outside the table reads as fc 0 and is rejected.
  c.fc = iFc == 0 ? static_cast<double>(mat.CtoFc(sfC)) : static_cast<double>(sfC);
  c.b = sB, c.h = sH, c.as = sCas, c.s = sS;
  lErr = c.Check();
  if (lErr != 0) return;  // input errors leave the caller's report as it was

  Report r;
  const UnitPatterns units(r.services());
  c.r = &r;
  c.u = &units;
  try {
    r.Title("剪力", tText);
    r.Heading("1．基本参数：");
    if (c.iK == 2)
      r.Sp(4).Raw("由箍筋面积Asv求剪力设计值V，箍筋面积Asv＝").Num(c.Asv_in, units.mm2d).End();
    else
      r.Sp(4).Raw("由剪力设计值V求箍筋面积Asv，剪力设计值V＝").Fmt(c.V_in, "kN", -1).End();
    r.Sp(4).Raw("箍筋间距S＝").Num(c.s, units.mmd).End();
    r.Sp(4).Raw("截面尺寸B*H＝").Num(c.b, units.mm).Raw("*").Num(c.h, units.mmd).End();
    // The grade as its number ("3级框架梁"); the detailing block below names it in words.
    if (c.iSecPos != 5)
      r.Sp(4).Raw("计算截面位置：").Raw(std::to_string(c.iSecPos)).Raw("级框架梁").End();
    // Grade and fc share one data line, as in the flexure report.
    if (iFc == 0) r.Sp(4).Raw("砼强度等级： C").Raw(ShortestText(sfC));
    r.Sp(4).Raw("砼轴心抗压强度设计值fc＝").Num(c.fc, units.nmm2d).End();
    r.Sp(4).Raw("钢筋强度设计值Fyv＝").Num(c.fyv_in, units.nmm2d).End();
    r.Sp(4).Raw("纵筋合力点至近边距离as＝").Num(c.as, units.mmd).End();
    if (c.fyv_in > kFyvMax)
      r.Sp(8)
          .Raw("当Fyv≥")
          .Num(kFyvMax, units.nmm2)
          .Raw("时，取Fyv＝")
          .Num(kFyvMax, units.nmm2d)
          .End();
    r.Sp(4)
        .Raw("截面有效高度Ho ＝ H - as ＝ ")
        .Num(c.h, units.mm)
        .Raw("-")
        .Num(c.as, units.mm)
        .Raw(" ＝ ");
    r.Num(c.ho, units.mmd).HeadingEnd();
    r.Heading("2．计算结果：");
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
