// clsMoment: parameters of its operations and its error codes (flexure 1001xx, shear 2001xx).
#include "frame/docs.h"

namespace tk {

using docs::Outcome;

void RegisterMomentDocs() {
  docs::AddCodes({
      {100101, "clsMoment", Outcome::Stop, "弯矩Mu ＜0", "design moment Mu < 0"},
      {100102, "clsMoment", Outcome::Stop, "配筋面积As ＜0", "reinforcement area As < 0"},
      {100103, "clsMoment", Outcome::Stop, "钢筋抗拉强度设计值fy ≤0",
       "steel design strength fy <= 0 (an unrecognised steel grade text gives fy = 0)"},
      {100104, "clsMoment", Outcome::Stop, "砼弯曲抗压强度设计值fcm ≤0",
       "concrete flexural compressive strength fcm <= 0 (no grade given?)"},
      {100105, "clsMoment", Outcome::Stop, "截面宽度b ≤0", "section width b <= 0"},
      {100106, "clsMoment", Outcome::Stop, "截面高度h ≤0", "section height h <= 0"},
      {100107, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≤0",
       "distance as from the bar centroid to the near face <= 0"},
      {100108, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≥截面高度h",
       "as >= h: no effective depth ho = h - as"},
      {100109, "clsMoment", Outcome::Stop, "受压区高度x ≥截面有效高度ho",
       "no compression depth below ho: the moment (or area) is too large for the section"},
      {100110, "clsMoment", Outcome::Warning, "相对受压区高度ξ ＞ 0.25",
       "grade-1 seismic frame-beam end: xi > 0.25; results written"},
      {100111, "clsMoment", Outcome::Warning, "相对受压区高度ξ ＞ 0.35",
       "grade-2/3 seismic frame-beam end: xi > 0.35; results written"},
      {100112, "clsMoment", Outcome::Warning, "相对受压区高度ξ ＞ ξb",
       "xi > xi_b: over-reinforced section; results written"},
      {100113, "clsMoment", Outcome::Stop, "计算方向应为1或2",
       "iK must be 1 (As from Mu) or 2 (Mu from As)"},
      {100114, "clsMoment", Outcome::Stop, "截面位置应为1～5",
       "iSecPos must be 1 to 5 (1-4 seismic frame-beam end grade, 5 ordinary)"},
      {100199, "clsMoment", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero) in the flexure calculation"},
      {200101, "clsMoment", Outcome::Stop, "剪力V ＜0", "design shear V < 0"},
      {200102, "clsMoment", Outcome::Stop, "箍筋面积Asv ＜0", "stirrup area Asv < 0"},
      {200103, "clsMoment", Outcome::Stop, "箍筋强度设计值fyv ≤0",
       "stirrup design strength fyv <= 0 (an unrecognised steel grade text gives fyv = 0)"},
      {200104, "clsMoment", Outcome::Stop, "砼轴心抗压强度设计值fc ≤0",
       "concrete compressive strength fc <= 0"},
      {200105, "clsMoment", Outcome::Stop, "截面宽度b ≤0", "section width b <= 0"},
      {200106, "clsMoment", Outcome::Stop, "截面高度h ≤0", "section height h <= 0"},
      {200107, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≤0", "as <= 0"},
      {200108, "clsMoment", Outcome::Stop, "纵筋合力点至近边距离as ≥截面高度h",
       "as >= h: no effective depth"},
      {200109, "clsMoment", Outcome::Stop, "箍筋间距S ≤0", "stirrup spacing s <= 0"},
      {200110, "clsMoment", Outcome::Note, "V ≤ 0.07fcbho，按构造配箍",
       "V <= 0.07 fc b ho: detailing stirrups only; results complete"},
      {200111, "clsMoment", Outcome::Note, "V ≤ 0.056fcbho/γRE，按构造配箍",
       "seismic: V <= 0.056 fc b ho / gamma_RE: detailing stirrups only; results complete"},
      {200112, "clsMoment", Outcome::Stop, "截面尺寸不满足受剪要求",
       "section too small for the shear (V > beta fc b ho, GBJ 10-89 4.2.1); sKcal = V/(fc b ho), "
       "no stirrup area"},
      {200113, "clsMoment", Outcome::Stop, "截面尺寸不满足抗震受剪要求",
       "seismic section too small (V > 0.2 fc b ho / gamma_RE, GBJ 10-89 8.3.3); sKcal written, "
       "no stirrup area"},
      {200114, "clsMoment", Outcome::Stop, "计算方向应为1或2",
       "iK must be 1 (Asv from V) or 2 (V from Asv)"},
      {200115, "clsMoment", Outcome::Stop, "截面位置应为1～5", "iSecPos must be 1 to 5"},
      {200199, "clsMoment", Outcome::Fault, "溢出，或不可知的错误",
       "arithmetic fault (overflow, division by zero) in the shear calculation"},
  });
}

}  // namespace tk
