// clsDlJcOld: the automatic sizing of a typical column and of a column with N + F' = 100000 kN
// (the input the long-run warning is about). The counters give the passes and the footing found.
#include "foundation/footing.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "frame/records.h"
#include "frame/text.h"

namespace {

// fk 200 (ηb 0.3, ηd 1.6, γ = γo = 18), d = 1.5 m, a 500 × 500 column, C20, fy 310, as 40,
// γc 25, γs 18, ds 1 m, h 200; automatic sizing, long-run warning suppressed.
void Size(benchmark::State& state, const char* N, const char* Mx, const char* fk = "200",
          const char* column = "500") {
  tk::clsDlJcOld calc;
  std::vector<std::string> t = {fk,   "0.3", "1.6", "18", "18",   "3000", "1500", N,
                                "",   Mx,    "0",   "0",  "0",    "0",    column, column,
                                "40", "20",  "310", "",   "0.15", "25",   "18",   "1000",
                                "0",  "0",   "1",   "",   "",     "1.3",  "0",    "200"};
  tk::VBArray<bool> bText(0, std::vector<tk::VBBool>(32, true));
  tk::VBArray<bool> bOptB(0, {true, false, false, true, false});
  tk::VBArray<bool> bChkB(0, {true, false, false, false, false});
  tk::VBArray<bool> bListSel;
  tk::VBArray<tk::ColComForceRecord> rec;
  int32_t lErr = 0;
  int16_t Index = 0;
  bool ok = false;
  tk::VBArray<std::string> Text;
  for (auto _ : state) {
    Text = tk::VBArray<std::string>(0, t);
    std::string report;
    calc.DlJcResult(lErr, report, Text, bText, bOptB, bChkB, bListSel, rec, Index, ok);
    benchmark::DoNotOptimize(report.data());
  }
  state.counters["passes"] = calc.sizing().passes;
  state.counters["lErr"] = lErr;
  state.counters["a"] = tk::LeadingNumber(Text(11));
  state.counters["b"] = tk::LeadingNumber(Text(12));
  state.counters["H"] = tk::LeadingNumber(Text(13));
}

void BM_SizingTypical(benchmark::State& state) {
  Size(state, "2000", "150");
}
BENCHMARK(BM_SizingTypical)->Unit(benchmark::kMicrosecond);

// On the typical soil no base can carry 100000 kN with a step ratio of 2.5: the height the
// slab needs makes G/A reach f and the sizing stops (700201).
void BM_SizingHuge(benchmark::State& state) {
  Size(state, "100000", "0");
}
BENCHMARK(BM_SizingHuge)->Unit(benchmark::kMillisecond);

// The same load on rock (fk = 1000 kPa) under a 1500 × 1500 column: a footing is found.
void BM_SizingHugeOnRock(benchmark::State& state) {
  Size(state, "100000", "0", "1000", "1500");
}
BENCHMARK(BM_SizingHugeOnRock)->Unit(benchmark::kMillisecond);

}  // namespace
