#include "examples_dir.h"

#include <cstdlib>
#include <filesystem>

#include "frame/text.h"

namespace kalbex {

namespace fs = std::filesystem;

namespace {

fs::path RunningBinary(const char* argv0) {
  std::error_code ec;
#if defined(__linux__)
  if (fs::path p = fs::read_symlink("/proc/self/exe", ec); !ec) return p;
#endif
  if (argv0 && std::string(argv0).find('/') != std::string::npos) {
    fs::path p = fs::absolute(argv0, ec);
    if (!ec) return p;
  }
  return {};
}

bool IsPathParam(std::string_view name) {
  return name.size() >= 4 && tk::EqualsNoCase(name.substr(name.size() - 4), "Path");
}

}  // namespace

std::string DefaultExamplesDir(const char* argv0) {
  if (const char* env = std::getenv("KALBEX_EXAMPLES"); env && *env) return env;
  const fs::path exe = RunningBinary(argv0);
  if (!exe.empty()) {
    const fs::path installed =
        exe.parent_path().parent_path() / "share" / "tavrine_kalbex" / "examples";
    std::error_code ec;
    if (fs::is_directory(installed, ec)) return installed.string();
  }
  return TK_EXAMPLES_DIR;
}

void ResolvePaths(const tk::MethodInfo& m, std::vector<tk::Arg>& args, const std::string& base) {
  for (size_t k = 0; k < args.size(); ++k) {
    tk::Arg& a = args[k];
    const std::string& name = a.name.empty() && k < m.params.size() ? m.params[k].name : a.name;
    if (!IsPathParam(name) || a.value.type != tk::Variant::Type::String) continue;
    const fs::path p(a.value.s);
    if (a.value.s.empty() || p.is_absolute()) continue;
    a.value.s = (fs::path(base) / p).lexically_normal().string();
  }
}

}  // namespace kalbex
