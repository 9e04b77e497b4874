// libFuzzer target: arbitrary bytes as the input of `kalbex run` (JSON parsing, the nesting and
// size limits, call resolution, the argument-kind check of every call, the late-bound calls and
// the write-back to JSON). The host's own functions are taken from its source file, with its
// main renamed. A contract error or an outside-component failure is an expected outcome; any
// other exception, a crash or a sanitizer report is a finding. Calls that save inputs are skipped:
// a fuzzer must not write files at paths it makes up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#define main kalbex_main
#include "../cli/main.cpp"
#undef main

namespace {

bool Saves(const kalbex::json& j) {
  auto one = [](const kalbex::json& c) {
    if (!c.is_object()) return false;
    auto op = c.find("operation");
    if (op == c.end() || !op->is_string()) return false;
    std::string s = op->get<std::string>();
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s.find("savedata") != std::string::npos;
  };
  if (j.is_array()) {
    for (const auto& c : j)
      if (one(c)) return true;
    return false;
  }
  return one(j);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    kalbex::CheckNesting(text);
    const kalbex::json parsed = kalbex::json::parse(text, nullptr, false);
    if (parsed.is_discarded() || Saves(parsed)) return 0;
  } catch (const tk::ContractError&) {
    return 0;
  }
  try {
    kalbex::RunResult r = kalbex::RunJson(text);
    (void)kalbex::Dump(r.output);
  } catch (const tk::ContractError&) {
  } catch (const tk::ComponentFailure&) {
  }
  return 0;
}
