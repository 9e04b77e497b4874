// One MVTCommon call with its full report: a rectangle in bending, shear and torsion, a T section
// with As' = 0.3As (the fixed-point iteration on As'), and a rectangle whose ratio K needs the
// 1.001 rounds of the over-reinforced capacity.
#include "section/mvt.h"

#include <benchmark/benchmark.h>

#include <string>

#include "frame/records.h"

namespace {

using namespace tk;

struct Case {
  std::string shape = "矩形截面", tAs1 = "0";
  double M = 150, V = 120, T = 12;
  float Bf1 = 0, Hf1 = 0;
};

void Call(benchmark::State& st, const Case& c, bool text) {
  clsMVT m;
  size_t bytes = 0;
  for (auto _ : st) {
    int32_t lErr = 0;
    std::string tErr, tText, tEng = "工程", tBh = "KL1", shape = c.shape, tAs1 = c.tAs1;
    VBArray<int32_t> lErrCon;
    VBArray<std::string> tErrCon;
    int16_t mode = 0, pos = 5;
    bool bBE = false, bEA = false, bConF = false, bQdSjz = false, bText = text;
    float cc = 30, Fcm = 0, Ft = 0, Rlfo = 1, B = 250, H = 600, Bf = 0, Hf = 0, Bf1 = c.Bf1,
          Hf1 = c.Hf1;
    float Cas = 35, Cas1 = 35, P = 0, S = 100, A = 0, Smax = 0, Dmin = 0, Es = 200000, Kcb, KcE, Kc;
    double Fy = 310, Fy1 = 310, Fyv = 210, M = c.M, dAs = 0, V = c.V, Asv = 0, T = c.T, AsvMin,
           Ast1, AstL, Asvt;
    m.MVTCommon(lErr, tErr, lErrCon, tErrCon, mode, pos, shape, bBE, bEA, bConF, bQdSjz, cc, Fcm,
                Ft, Fy, Fy1, Fyv, Rlfo, tAs1, M, dAs, V, Asv, T, B, H, Bf, Hf, Bf1, Hf1, Cas, Cas1,
                0, P, S, A, Smax, Dmin, AsvMin, Ast1, AstL, Asvt, Es, &Kcb, &KcE, &Kc, &bText,
                &tText, &tEng, &tBh);
    benchmark::DoNotOptimize(dAs);
    bytes = tText.size();
  }
  st.counters["report_bytes"] = static_cast<double>(bytes);
}

void BM_RectangleTorsion(benchmark::State& st) {
  Call(st, Case{}, st.range(0) != 0);
}
void BM_TSection03As(benchmark::State& st) {
  Case c;
  c.shape = "T形截面";
  c.tAs1 = "0.3As";
  c.M = 400;
  c.T = 0;
  c.Bf1 = 300;
  c.Hf1 = 80;
  Call(st, c, st.range(0) != 0);
}
void BM_KRounds(benchmark::State& st) {
  Case c;
  c.tAs1 = "0.1As";
  c.M = 640;
  c.T = 0;
  Call(st, c, st.range(0) != 0);
}

BENCHMARK(BM_RectangleTorsion)->Arg(1)->Arg(0);
BENCHMARK(BM_TSection03As)->Arg(1);
BENCHMARK(BM_KRounds)->Arg(1);

}  // namespace
