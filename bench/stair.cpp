// One full stair calculation as the host form runs it: a type D beam-slab flight with the crack
// width and the deflection, input check and report included.
#include "members/stair.h"

#include <benchmark/benchmark.h>

#include <string>

#include "frame/records.h"

namespace {

void BM_CalResult_BeamSlabTypeD(benchmark::State& state) {
  tk::clsLtBs s;
  const std::vector<std::string> fields = {
      "D",   "两端铰支", "梁板式", "3080", "600", "600", "1/30", "1800", "12", "",
      "",    "1500",     "1.0",    "教室", "20",  "20",  "20",   "25",   "25", "25",
      "310", "",         "200",    "200",  "0.5", "200", "1/12", "1/20", ""};
  tk::VBArray<std::string> Text(0, fields);
  tk::VBArray<bool> bEnable;
  int16_t Index = 0;
  bool ok = false, bars = true, crack = true, autoZz = false, nd = true, ndXx = false;
  double ndXs = 0;
  std::string rule, text;
  int32_t err = 0;
  for (auto _ : state) {
    text = "TL1";
    s.CalResult(Text, bEnable, Index, ok, bars, crack, autoZz, nd, ndXx, ndXs, rule, text, &err);
    benchmark::DoNotOptimize(text.data());
    benchmark::DoNotOptimize(err);
  }
  state.counters["report_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_CalResult_BeamSlabTypeD);

// The same flight as a slab-type one with both ends fixed.
void BM_CalResult_SlabTypeDFixed(benchmark::State& state) {
  tk::clsLtBs s;
  const std::vector<std::string> fields = {
      "D",   "两端固端", "板式", "3080", "800", "800", "1/28", "1800", "12", "",
      "",    "1500",     "0",    "住宅", "20",  "20",  "20",   "25",   "20", "20",
      "310", "",         "240",  "240",  "0.4", "",    "",     "",     ""};
  tk::VBArray<std::string> Text(0, fields);
  tk::VBArray<bool> bEnable;
  int16_t Index = 0;
  bool ok = false, bars = true, crack = true, autoZz = false, nd = true, ndXx = false;
  double ndXs = 0;
  std::string rule, text;
  int32_t err = 0;
  for (auto _ : state) {
    text = "TB3";
    s.CalResult(Text, bEnable, Index, ok, bars, crack, autoZz, nd, ndXx, ndXs, rule, text, &err);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_CalResult_SlabTypeDFixed);

}  // namespace
