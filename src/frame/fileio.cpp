#include "frame/fileio.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

// The process id of a temporary save file "<name>.tmp.<pid>.<n>", or 0 when the name is not one.
long TempOwner(std::string_view name) {
  const size_t last = name.find_last_of('.');
  if (last == std::string_view::npos || last + 1 == name.size()) return 0;
  const size_t mid = name.find_last_of('.', last - 1);
  if (mid == std::string_view::npos || mid + 1 == last || mid < 4) return 0;
  if (name.substr(mid - 4, 4) != ".tmp") return 0;
  long pid = 0;
  for (size_t k = mid + 1; k < last; ++k) {
    if (name[k] < '0' || name[k] > '9' || pid > 100000000) return 0;
    pid = pid * 10 + (name[k] - '0');
  }
  for (size_t k = last + 1; k < name.size(); ++k)
    if (name[k] < '0' || name[k] > '9') return 0;
  return pid;
}

}  // namespace

void RemoveStaleTempFiles(const std::string& folder) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  const long self = static_cast<long>(::getpid());
  while (const dirent* e = ::readdir(d)) {
    const long pid = TempOwner(e->d_name);
    if (pid <= 0 || pid == self) continue;
    // A process that still runs (or that we may not signal) keeps its file.
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    const std::string full = folder + "/" + e->d_name;
    struct stat st {};
    if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(full.c_str());
  }
  ::closedir(d);
}

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
  RemoveStaleTempFiles(Dir(path_));
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

ReadStatus ReadRegularFile(const std::string& path, std::string& out, size_t max_bytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return ReadStatus::kCannotRead;
  if (!S_ISREG(st.st_mode)) return ReadStatus::kNotRegular;
  if (static_cast<unsigned long long>(st.st_size) > max_bytes) return ReadStatus::kTooLarge;
  // Non-blocking open: a FIFO put in the file's place after the check cannot hang the reader.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ReadStatus::kCannotRead;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return ReadStatus::kNotRegular;
  }
  out.clear();
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return ReadStatus::kCannotRead;
    }
    if (n == 0) break;
    if (out.size() + static_cast<size_t>(n) > max_bytes) {
      ::close(fd);
      return ReadStatus::kTooLarge;
    }
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return ReadStatus::kOk;
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
