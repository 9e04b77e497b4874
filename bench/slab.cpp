// Two-way slab: one BCalculate of a panel with a free edge (three edges fixed, the top edge free),
// the live-load arrangement, crack width and deflection, report included.
//   BM_SlabFirstPanel: every iteration a new calculator and a span ratio not solved before, so the
//     plate coefficients are computed afresh (the panel and its hinged twin of the arrangement).
//   BM_SlabRepeatedPanel: the same panel again on one calculator: coefficients computed before.
#include "members/slab.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/host.h"
#include "frame/records.h"
#include "frame/text.h"
#include "frame/variant.h"

namespace {

using namespace tk;

HostRef Array(const std::vector<Variant>& values, const char* property) {
  auto a = std::make_shared<MemoryControlArray>();
  for (const auto& v : values) {
    auto c = std::make_shared<MemoryControl>();
    c->Set(property, v);
    a->items.push_back(c);
  }
  return a;
}

struct Controls {
  HostRef cbo, opt, chk;
  explicit Controls(double lx) {
    std::vector<Variant> t;
    for (const char* s : {"1.5", "2.5", "120", "20", "30", "16.5", "210", "", "2.4", "0.15", "0.4",
                          "1", "1", "1.1", "1.1", "0.2"})
      t.push_back(Variant::String(s));
    t[7] = Variant::String(ShortestText(lx));
    cbo = Array(t, "Text");
    std::vector<Variant> o(15, Variant::Bool(false));
    for (int k : {0, 3, 6, 11, 13}) o[static_cast<size_t>(k)] = Variant::Bool(true);  // CCCF
    opt = Array(o, "Value");
    chk = Array({Variant::Bool(true)}, "Value");
  }
};

void BM_SlabFirstPanel(benchmark::State& state) {
  static double lx = 3.0;  // kept across runs: every panel is new to the solver's cache
  for (auto _ : state) {
    lx += 1e-4;  // a new span ratio: not in any cache
    Controls c(lx);
    clsBanOld calc;
    VBArray<BgjRecordOld> rows;
    std::string text = "B-2", nd;
    const int32_t code = calc.BCalculate(c.cbo, c.chk, c.opt, rows, text, nd);
    if (code != 0) state.SkipWithError("BCalculate failed");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_SlabFirstPanel)->Unit(benchmark::kMillisecond);

void BM_SlabRepeatedPanel(benchmark::State& state) {
  Controls c(3.0);
  clsBanOld calc;
  VBArray<BgjRecordOld> rows;
  std::string text, nd;
  for (auto _ : state) {
    text = "B-2";
    const int32_t code = calc.BCalculate(c.cbo, c.chk, c.opt, rows, text, nd);
    if (code != 0) state.SkipWithError("BCalculate failed");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_SlabRepeatedPanel)->Unit(benchmark::kMicrosecond);

}  // namespace
