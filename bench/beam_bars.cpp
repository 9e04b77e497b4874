// Beam bar selection: the arrangement search alone and the whole Calculate (checks, search,
// result table with ratio and crack width per arrangement), by section width and rows allowed.
// A beam of width b carries about 1.2 % of b·ho (h = 600, ho ≈ 560): As = 6.72·b mm² (load 1), or
// a heavily reinforced 2.9 % (As = 16·b, two to three rows: load 2); bars 12 to 25 mm, window
// 1.00 to 1.10, bottom bars, stirrup legs at most 200 mm apart, C30.
#include "members/beam_bars.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "frame/host.h"
#include "frame/modkalbex.h"
#include "frame/records.h"

namespace {

using namespace tk;

double AsFor(double b, int load) {
  return (load == 2 ? 16.0 : 6.72) * b;
}

beampj::SearchInput Input(double b, int iPai, int load) {
  beampj::SearchInput in;
  in.As = AsFor(b, load);
  in.b = b;
  in.c = 25;
  in.dMin = 12;
  in.dMax = 25;
  in.kl = 1.0;
  in.ku = 1.1;
  in.fy25 = in.fy40 = 310;
  in.sl = 200;
  in.iPai = iPai;
  in.k[2] = 0.9;
  in.k[3] = 0.8;
  in.k[4] = 0.7;
  return in;
}

void BM_Search(benchmark::State& st) {
  const auto in = Input(static_cast<double>(st.range(0)), static_cast<int>(st.range(1)),
                        static_cast<int>(st.range(2)));
  size_t n = 0;
  long long tried = 0;
  for (auto _ : st) {
    auto r = beampj::FindBarArrangements(in);
    n = r.records.size();
    tried = r.tried;
    benchmark::DoNotOptimize(r);
  }
  st.counters["arrangements"] = static_cast<double>(n);
  st.counters["combinations"] = static_cast<double>(tried);
}

void BM_Calculate(benchmark::State& st) {
  modKalbex::SetUi(std::make_shared<SilentHostUi>());
  const double b = static_cast<double>(st.range(0));
  const int load = static_cast<int>(st.range(2));
  clsBeamPjOld o;
  VBArray<std::string> text(0, std::vector<std::string>(17));
  const double Ms = 0.6 * 0.9 * 310 * AsFor(b, load) * 560 / 1e6;  // service moment, kN·m
  const std::string t[17] = {std::to_string(AsFor(b, load) / 100),
                             std::to_string(b),
                             "",
                             "12",
                             "25",
                             "25",
                             "1.0",
                             "1.1",
                             "600",
                             "30",
                             "0.9",
                             "0.8",
                             "0.7",
                             "310",
                             "310",
                             "200",
                             std::to_string(Ms)};
  for (int k = 0; k < 17; ++k) text(k) = t[k];
  VBArray<bool> used;
  int32_t lErr = 0;
  int16_t Index = 0, iPai = static_cast<int16_t>(st.range(1));
  bool top = false, mm2 = false, autoRows = false, eq = true, sj = true, zj = true, pjl = true,
       lfkd = true, bx = true;
  double Es = 200000, dMs = 0;
  std::string tF, tText;
  size_t bytes = 0;
  for (auto _ : st) {
    tText.clear();
    o.Calculate(lErr, Index, text, used, top, mm2, autoRows, iPai, eq, sj, zj, pjl, lfkd, bx, Es,
                dMs, tF, tText);
    bytes = tText.size();
    benchmark::DoNotOptimize(tText);
  }
  st.counters["arrangements"] = static_cast<double>(o.records().size());
  st.counters["table_kB"] = static_cast<double>(bytes) / 1024;
  st.counters["lErr"] = lErr;
}

void Widths(benchmark::internal::Benchmark* b) {
  for (int load : {1, 2})
    for (int w : {250, 500, 1000, 2000, 5000})
      for (int p = 1; p <= 4; ++p) b->Args({w, p, load});
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Search)->Apply(Widths);
BENCHMARK(BM_Calculate)->Apply(Widths);

}  // namespace
