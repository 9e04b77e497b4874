#include "frame/filesystem.h"

#include <dirent.h>

#include <algorithm>

#include "frame/fileio.h"
#include "frame/text.h"

namespace tk {

bool LocalFileSystem::FolderExists(const std::string& path) {
  return DirectoryExists(path);
}
bool LocalFileSystem::FileExists(const std::string& path) {
  return tk::FileExists(path);
}

std::string LocalFileSystem::BuildPath(std::string_view folder, std::string_view name) {
  std::string p(folder);
  while (!p.empty() && (p.back() == '/' || p.back() == '\\')) p.pop_back();
  if (folder.empty()) return std::string(name);
  if (!folder.empty() && folder == "/") p = "";
  p.push_back('/');
  while (!name.empty() && (name.front() == '/' || name.front() == '\\')) name.remove_prefix(1);
  p.append(name);
  return p;
}

std::string LocalFileSystem::FindFile(const std::string& folder, std::string_view name) {
  const std::string exact = BuildPath(folder, name);
  if (tk::FileExists(exact)) return exact;
  for (const auto& n : ListFiles(folder, "*"))
    if (EqualsNoCase(n, name)) return BuildPath(folder, n);
  return {};
}

std::vector<std::string> LocalFileSystem::ListFiles(const std::string& folder,
                                                    std::string_view pattern) {
  std::vector<std::string> out;
  DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!d) return out;
  while (dirent* e = ::readdir(d)) {
    const std::string n = e->d_name;
    if (n == "." || n == "..") continue;
    if (WildcardMatch(pattern, n) && tk::FileExists(BuildPath(folder, n))) out.push_back(n);
  }
  ::closedir(d);
  std::sort(out.begin(), out.end());
  return out;
}

bool WildcardMatch(std::string_view p, std::string_view n) {
  size_t pi = 0, ni = 0, star = std::string_view::npos, mark = 0;
  auto eq = [](char a, char b) {
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 32);
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b + 32);
    return a == b;
  };
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || eq(p[pi], n[ni]))) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ni;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

}  // namespace tk
