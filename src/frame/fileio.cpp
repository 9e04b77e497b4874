#include "frame/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tk {

namespace {
std::string Dir(const std::string& path) {
  const size_t s = path.find_last_of('/');
  return s == std::string::npos ? "." : s == 0 ? "/" : path.substr(0, s);
}
}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
  static std::atomic<unsigned> counter{0};
  temp_ = path_ + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
  fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    failed_ = true;
    error_ = "cannot create " + temp_ + ": " + std::strerror(errno);
  }
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) ::unlink(temp_.c_str());
}

void AtomicFile::Write(std::string_view bytes) {
  if (!ok()) return;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      error_ = "cannot write " + temp_ + ": " + std::strerror(errno);
      return;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

bool AtomicFile::Commit() {
  if (!ok()) return false;
  if (::fsync(fd_) != 0) {
    failed_ = true;
    error_ = "cannot flush " + temp_ + ": " + std::strerror(errno);
    return false;
  }
  ::close(fd_);
  fd_ = -1;
  if (::rename(temp_.c_str(), path_.c_str()) != 0) {
    failed_ = true;
    error_ = "cannot replace " + path_ + ": " + std::strerror(errno);
    return false;
  }
  committed_ = true;
  // Make the rename itself durable.
  const int dfd = ::open(Dir(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error) {
  AtomicFile f(path);
  f.Write(bytes);
  const bool ok = f.Commit();
  if (!ok && error) *error = f.error();
  return ok;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  out = ss.str();
  return true;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectories(const std::string& path) {
  if (path.empty()) return false;
  if (DirectoryExists(path)) return true;
  const size_t s = path.find_last_of('/');
  if (s != std::string::npos && s > 0) MakeDirectories(path.substr(0, s));
  ::mkdir(path.c_str(), 0755);
  return DirectoryExists(path);
}

}  // namespace tk
