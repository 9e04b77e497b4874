// One MVTCommon call with named inputs, for the clsMVT tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "frame/records.h"
#include "section/mvt.h"

namespace tk::mvt_test {

struct In {
  int16_t mode = 0, pos = 5;
  std::string shape = "矩形截面";
  bool bBE = false, bEA = false, bConF = false, bQdSjz = false;
  float c = 30, Fcm = 0, Ft = 0;
  double Fy = 310, Fy1 = 310, Fyv = 210;
  float Rlfo = 1;
  std::string tAs1 = "0";
  double M = 0, dAs = 0, V = 0, Asv = 0, T = 0;
  float B = 250, H = 600, Bf = 0, Hf = 0, Bf1 = 0, Hf1 = 0, Cas = 35, Cas1 = 35;
  float Pmin = 0, S = 100, A = 0;
  float Es = 200000;
  bool text = true;
  std::string tEng = "工程", tBh = "KL1";
};

struct Out {
  In in;  // with the written-back values
  int32_t lErr = -1;
  std::string tErr;
  VBArray<int32_t> lErrCon;
  VBArray<std::string> tErrCon;
  float P = 0, Smax = 0, Dmin = 0, Kcb = 0, KcE = 0, Kc = 0;
  double AsvMin = 0, Ast1 = 0, AstL = 0, Asvt = 0;
  std::string tText;

  bool Has(std::string_view s) const { return tText.find(s) != std::string::npos; }
  bool Listed(int32_t code) const {
    for (int32_t c : lErrCon.data)
      if (c == code) return true;
    return false;
  }
  // The report line that contains `s` (without its line end), or "" when none does.
  std::string Line(std::string_view s) const {
    const size_t at = tText.find(s);
    if (at == std::string::npos) return {};
    const size_t b = tText.rfind('\n', at);
    const size_t e = tText.find('\r', at);
    return tText.substr(b == std::string::npos ? 0 : b + 1,
                        e == std::string::npos ? std::string::npos : e - (b + 1));
  }
};

inline Out Mvt(In in) {
  Out o;
  clsMVT m;
  o.tText = "";
  m.MVTCommon(o.lErr, o.tErr, o.lErrCon, o.tErrCon, in.mode, in.pos, in.shape, in.bBE, in.bEA,
              in.bConF, in.bQdSjz, in.c, in.Fcm, in.Ft, in.Fy, in.Fy1, in.Fyv, in.Rlfo, in.tAs1,
              in.M, in.dAs, in.V, in.Asv, in.T, in.B, in.H, in.Bf, in.Hf, in.Bf1, in.Hf1, in.Cas,
              in.Cas1, in.Pmin, o.P, in.S, in.A, o.Smax, o.Dmin, o.AsvMin, o.Ast1, o.AstL, o.Asvt,
              in.Es, &o.Kcb, &o.KcE, &o.Kc, &in.text, &o.tText, &in.tEng, &in.tBh);
  o.in = in;
  return o;
}

}  // namespace tk::mvt_test
