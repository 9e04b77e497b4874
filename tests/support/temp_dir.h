// A folder of one test's own under the system's temporary folder, removed with all it holds when
// the test ends, whether it passed or stopped at a failed assertion.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tk::test_support {

class TempDir {
 public:
  TempDir() {
    std::string t = (std::filesystem::temp_directory_path() / "tk_test_XXXXXX").string();
    if (::mkdtemp(t.data()) == nullptr) throw std::runtime_error("no temporary folder: " + t);
    path_ = t;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace tk::test_support
