// clsMsMl: the last beam of a 50 MB WNL file (SATWE internal forces of many floors' worth of
// beams), in UTF-8/LF and in GBK/CRLF. Target: under 0.5 s, memory flat (the file is streamed).
#include "service/result_files.h"

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "service/gbk.h"

namespace {

constexpr size_t kTarget = 50u << 20;
constexpr int16_t kLastBeam = 32000;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
  return s;
}

// Folder with WPJ2.OUT / WNL2.OUT: the fixture's load-case list, then the fixture's beam 2 block
// repeated under beam numbers 1..30000 (again and again) up to 50 MB, then beam 32000.
struct Files {
  std::string utf8, gbk;
  Files() {
    const std::string src = std::string(TK_SOURCE_DIR) + "/tests/data/msml/satwe/";
    const std::string wnl = Slurp(src + "WNL2.OUT"), wpj = Slurp(src + "WPJ2.OUT");
    const size_t b2 = wnl.find(" N-B ＝ 2 "), b12 = wnl.find(" N-B ＝ 12 ");
    const std::string head = wnl.substr(0, wnl.find(" N-B ＝ 1 "));
    const std::string block = wnl.substr(b2, b12 - b2);
    const std::string tail = block.substr(block.find('\n'));
    const std::string wpj_last =
        Replace(wpj, "N-B＝2 (", "N-B＝" + std::to_string(kLastBeam) + " (");
    // Written block by block, so that making the files does not itself raise the peak memory.
    utf8 = Make("u", head, tail, wpj_last, false);
    gbk = Make("g", head, tail, wpj_last, true);
  }
  ~Files() { std::system(("rm -rf '" + root + "'").c_str()); }
  std::string root = [] {
    char t[] = "/tmp/msml_bench_XXXXXX";
    return std::string(mkdtemp(t));
  }();
  std::string Make(const std::string& name, const std::string& head, const std::string& tail,
                   const std::string& wpj, bool as_gbk) {
    const std::string dir = root + "/" + name;
    std::system(("mkdir -p '" + dir + "'").c_str());
    auto enc = [&](const std::string& s) {
      return as_gbk ? tk::gbk::Utf8ToGbk(Replace(s, "\n", "\r\n")) : s;
    };
    std::ofstream out(dir + "/WNL2.OUT", std::ios::binary);
    out << enc(head);
    size_t size = head.size();
    for (int n = 1; size < kTarget; n = n % 30000 + 1) {
      const std::string b =
          enc(" N-B ＝ " + std::to_string(n) + " (NODE-i＝ 1, NODE-j＝ 2)    弯矩 (kN-m)" + tail);
      out << b;
      size += b.size();
    }
    out << enc(" N-B ＝ " + std::to_string(kLastBeam) + " (NODE-i＝ 1, NODE-j＝ 2)    弯矩 (kN-m)" +
               tail);
    std::ofstream(dir + "/WPJ2.OUT", std::ios::binary) << enc(wpj);
    return dir;
  }
};

Files& TheFiles() {
  static Files f;
  return f;
}

long MaxRssKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

void Run(benchmark::State& state, const std::string& folder) {
  tk::clsMsMl c;
  const long rss0 = MaxRssKb();
  for (auto _ : state) {
    int32_t lErr = -1;
    tk::VBArray<tk::VBArray<float>> ms, as;
    tk::VBArray<tk::VBArray<int16_t>> lc;
    float sB = 0, sH = 0;
    c.CalMaxMsForSATWE_1129(lErr, folder, ms, lc, as, 2, kLastBeam, sB, sH, false);
    if (lErr != 0 || lc(1)(1) != 80) state.SkipWithError("the last beam was not read");
    benchmark::DoNotOptimize(ms);
  }
  state.counters["MB"] = static_cast<double>(kTarget >> 20);
  state.counters["peak_rss_growth_kB"] = static_cast<double>(MaxRssKb() - rss0);
  state.counters["peak_rss_MB"] = static_cast<double>(MaxRssKb()) / 1024.0;
}

void BM_LastBeamOf50MbWnl_Utf8(benchmark::State& state) {
  Run(state, TheFiles().utf8);
}
void BM_LastBeamOf50MbWnl_GbkCrlf(benchmark::State& state) {
  Run(state, TheFiles().gbk);
}

}  // namespace

BENCHMARK(BM_LastBeamOf50MbWnl_Utf8)
    ->Unit(benchmark::kMillisecond)
    ->Setup([](const benchmark::State&) { TheFiles(); });
BENCHMARK(BM_LastBeamOf50MbWnl_GbkCrlf)
    ->Unit(benchmark::kMillisecond)
    ->Setup([](const benchmark::State&) { TheFiles(); });
