// Crack width as the beam bar selection calls it: LfKdCommon without a report, once per
// candidate bar arrangement.
#include "service/crack_width.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct Inputs {
  std::string text, label = "KL1", kind, shape;
  bool bPxSrFs = true, bBxGj = true, bDpZj = true, bCfHz = false, bQzDc = false;
  double c = 25, D = 20, MsEo = 100, Ns = 0, As = 942, B = 200, H = 500, Bf = 0, Hf = 0, Bf1 = 0,
         Hf1 = 0, Lo = 0, Cas = 35, Cas1 = 35, Ftk = 1.75, Es = 2.0e5, Wmax = 0;
  int32_t err = 0;
};

void Run(benchmark::State& state, Inputs in) {
  tk::clsLfKd k;
  for (auto _ : state) {
    in.c = 25;  // the call raises c and rewrites as, as' in place; restore as the caller would
    k.LfKdCommon(in.text, in.err, in.label, in.kind, in.shape, in.bPxSrFs, in.bBxGj, in.bDpZj,
                 in.bCfHz, in.bQzDc, in.c, in.D, in.MsEo, in.Ns, in.As, in.B, in.H, in.Bf, in.Hf,
                 in.Bf1, in.Hf1, in.Lo, in.Cas, in.Cas1, in.Ftk, in.Es, &in.Wmax);
    benchmark::DoNotOptimize(in.Wmax);
    benchmark::DoNotOptimize(in.err);
    // vary the steel so that nothing is hoisted out of the loop
    in.As = in.As > 3000 ? 942 : in.As + 1;
  }
}

void BM_LfKdCommon_Flexure(benchmark::State& state) {
  Inputs in;
  in.kind = "受弯";
  in.shape = "矩形截面";
  Run(state, in);
}
BENCHMARK(BM_LfKdCommon_Flexure);

void BM_LfKdCommon_EccentricCompressionI(benchmark::State& state) {
  Inputs in;
  in.kind = "偏心受压";
  in.shape = "工形截面（不对称）";
  in.bPxSrFs = true;
  in.MsEo = 300;
  in.Ns = 500;
  in.B = 300;
  in.Bf = 500;
  in.Hf = 100;
  in.Bf1 = 600;
  in.Hf1 = 120;
  in.Lo = 8000;
  Run(state, in);
}
BENCHMARK(BM_LfKdCommon_EccentricCompressionI);

}  // namespace
