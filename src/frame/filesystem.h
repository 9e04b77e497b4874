// File-system component: what the result-file reader and the slab calculator need to find files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk {

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Joins a folder and a name with one separator.
  virtual std::string BuildPath(std::string_view folder, std::string_view name) = 0;
  // The path of `name` in `folder`, matched exactly or else ignoring ASCII letter case
  // ("Tbsa4.OUT" finds "Tbsa4.Out"); empty when there is none.
  virtual std::string FindFile(const std::string& folder, std::string_view name) = 0;
  // Names in `folder` matching a pattern with "*" and "?" (ASCII case-insensitive), sorted.
  virtual std::vector<std::string> ListFiles(const std::string& folder,
                                             std::string_view pattern) = 0;
};

class LocalFileSystem : public IFileSystem {
 public:
  bool FolderExists(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  std::string BuildPath(std::string_view folder, std::string_view name) override;
  std::string FindFile(const std::string& folder, std::string_view name) override;
  std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) override;
};

// ASCII case-insensitive wildcard match ("WPJ*.OUT").
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace tk
