// Pile load-test statistics: the root search of JGJ 94-94 eq. C-4 with 50 test piles on the
// finest grid (lPrecision = 10⁹: 10⁵ coarse points per m, then 10⁴ refinement points).
#include "foundation/pile_load_test.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "frame/host.h"
#include "frame/records.h"

namespace {

// 50 scattered results (Sn ≈ 0.21), so the table methods do not apply and eq. C-4 is solved.
tk::VBArray<double> FiftyPiles() {
  std::vector<double> q;
  for (int i = 1; i <= 50; ++i) q.push_back(5000.0 * (1.0 + 0.3 * std::sin(i * 1.7)));
  return tk::VBArray<double>(1, q);
}

void BM_CalZtj_n50_1e9(benchmark::State& state) {
  tk::clsZtj z;
  auto bar = std::make_shared<tk::MemoryControl>();
  tk::VBArray<double> q = FiftyPiles();
  std::string text;
  for (auto _ : state) {
    text.clear();
    z.CalZtj(1000000000, text, "基准", q, bar);
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["report_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_CalZtj_n50_1e9)->Unit(benchmark::kMillisecond);

// Worst case of one equation: no root, the whole 10⁵ grid is scanned.
void BM_SolveQuartic_NoRoot(benchmark::State& state) {
  const double A[5] = {1, 0, 0, 0, 0};
  for (auto _ : state) benchmark::DoNotOptimize(tk::clsZtj::SolveQuartic(A, 1000000000));
}
BENCHMARK(BM_SolveQuartic_NoRoot)->Unit(benchmark::kMicrosecond);

}  // namespace
