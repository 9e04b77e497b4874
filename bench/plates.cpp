// Slab-panel coefficients: a panel solved for the first time (mesh, assembly, factorisation and
// the coefficient search) and the same panel asked again (per-thread cache).
#include <benchmark/benchmark.h>

#include "plates/slab_coefficients.h"

namespace {

using tk::plates::Edges;
using tk::plates::Panel;

struct Case {
  const char* edges;
  double ratio;
};
// the cheapest and the dearest panels of each range: square, and the longest ratio allowed
constexpr Case kCases[] = {{"CCCC", 1.0},  {"CSSS", 2.0},  {"SSSF", 0.30},
                           {"CCCF", 3.33}, {"FFCC", 3.33}, {"CFCF", 0.30}};

Panel PanelOf(const Case& c) {
  Edges e{};
  tk::plates::ParseEdges(c.edges, e);
  return Panel{e, c.ratio, 1.0, 0.2};
}

void BM_FirstCall(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  const Panel p = PanelOf(c);
  for (auto _ : state) {
    // the uncached path is exactly what the first call of a new panel runs
    auto r = tk::plates::ComputeCoefficients(p, 6);
    benchmark::DoNotOptimize(r.kappa);
  }
  const tk::plates::PlateField f(p, tk::plates::MeshFor(p.lx, p.ly, 6, 3, 2.0));
  state.counters["unknowns"] = f.Unknowns();
  state.SetLabel(std::string(c.edges) + " lx/ly=" + std::to_string(c.ratio));
}
BENCHMARK(BM_FirstCall)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_RepeatedPanel(benchmark::State& state) {
  const Panel p = PanelOf(kCases[state.range(0)]);
  benchmark::DoNotOptimize(tk::plates::PanelCoefficients(p).kappa);
  for (auto _ : state) {
    auto r = tk::plates::PanelCoefficients(p);
    benchmark::DoNotOptimize(r.kappa);
  }
}
BENCHMARK(BM_RepeatedPanel)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
