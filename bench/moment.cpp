// clsMoment: MuAsCommon as the bar selection, slab, stair and footing call it in their loops,
// and CalMu_As / CalV_As with the full report.
#include <benchmark/benchmark.h>

#include <string>

#include "section/flexure.h"

namespace {

void BM_MuAsCommon(benchmark::State& state) {
  tk::clsMoment m;
  int32_t err = 0;
  int16_t iK = 1, pos = static_cast<int16_t>(state.range(0));
  float fy = 310, fcm = 11, b = 200, h = 500, as = 35, kc = 0, p = 0, kcb = 0;
  double Mu_in = 100;
  std::string msg;
  for (auto _ : state) {
    double Mu = Mu_in, As = 0;
    m.MuAsCommon(err, iK, pos, Mu, As, fy, fcm, b, h, as, kc, p, kcb, &msg);
    benchmark::DoNotOptimize(As);
    benchmark::DoNotOptimize(err);
    // vary the moment so that nothing is hoisted out of the loop
    Mu_in = Mu_in > 180 ? 100 : Mu_in + 0.5;
  }
}
// Ordinary section (no warning) and grade-4 end (gamma_RE, no warning in this range).
BENCHMARK(BM_MuAsCommon)->Arg(5)->Arg(4);

// Over-reinforced: warning 100112 on every call, with the message (Arg 1) or without tErr (Arg 0)
// as a search loop would call it.
void BM_MuAsCommonWarning(benchmark::State& state) {
  tk::clsMoment m;
  int32_t err = 0;
  int16_t iK = 1, pos = 5;
  float fy = 310, fcm = 11, b = 200, h = 500, as = 35, kc = 0, p = 0, kcb = 0;
  std::string msg;
  std::string* tErr = state.range(0) ? &msg : nullptr;
  for (auto _ : state) {
    double Mu = 200, As = 0;
    m.MuAsCommon(err, iK, pos, Mu, As, fy, fcm, b, h, as, kc, p, kcb, tErr);
    benchmark::DoNotOptimize(As);
    benchmark::DoNotOptimize(msg.data());
  }
}
BENCHMARK(BM_MuAsCommonWarning)->Arg(1)->Arg(0);

void BM_CalMu_As(benchmark::State& state) {
  tk::clsMoment m;
  int32_t err = 0;
  const int16_t iK = static_cast<int16_t>(state.range(0)), pos = 2;
  int16_t iFcm = 0;
  std::string fy = "Ⅱ级", text;
  float fcm = 20, b = 200, h = 500, as = 35, kc = 0, p = 0, pmin = 0, kcb = 0;
  for (auto _ : state) {
    double Mu = 150, As = 4000;
    text = "KL1";
    m.CalMu_As(err, iK, pos, Mu, As, fy, iFcm, fcm, b, h, as, kc, p, pmin, kcb, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_CalMu_As)->Arg(1)->Arg(2);

void BM_CalV_As(benchmark::State& state) {
  tk::clsMoment m;
  int32_t err = 0;
  int16_t iK = 1, pos = static_cast<int16_t>(state.range(0)), iFc = 0;
  std::string fyv = "Ⅰ级", text;
  float fc = 20, b = 200, h = 500, as = 35, s = 200, amin = 0, k = 0, kcal = 0, dmin = 0, smax = 0;
  for (auto _ : state) {
    double V = 150, Asv = 0;
    text = "L1";
    m.CalV_As(err, iK, pos, V, Asv, fyv, iFc, fc, b, h, as, s, amin, k, kcal, dmin, smax, text);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_CalV_As)->Arg(5)->Arg(3);

}  // namespace
