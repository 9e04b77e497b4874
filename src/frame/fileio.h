// Atomic file writing: a temporary file in the same folder, flushed to disk, renamed over the
// old one. A failure at any point leaves the previous file intact.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "frame/export.h"

namespace tk {

class AtomicFile {
 public:
  explicit AtomicFile(std::string path);
  ~AtomicFile();  // discards the temporary file unless Commit succeeded
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  bool ok() const { return fd_ >= 0 && !failed_; }
  const std::string& error() const { return error_; }
  void Write(std::string_view bytes);
  // Flushes, syncs and renames; false (with error()) when any step failed.
  bool Commit();

 private:
  std::string path_, temp_, error_;
  int fd_ = -1;
  bool failed_ = false, committed_ = false;
};

TK_API bool WriteFileAtomic(const std::string& path, std::string_view bytes,
                            std::string* error = nullptr);
bool ReadWholeFile(const std::string& path, std::string& out);

enum class ReadStatus { kOk, kCannotRead, kNotRegular, kTooLarge };
// Reads a regular file of at most `max_bytes`; FIFOs, devices and folders are refused unread.
ReadStatus ReadRegularFile(const std::string& path, std::string& out, size_t max_bytes);

// Removes the temporary save files ("<name>.tmp.<pid>.<n>") that processes no longer running left
// in `folder` (a save killed before its rename). Every atomic save does this first.
void RemoveStaleTempFiles(const std::string& folder);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and its parents; true when it exists afterwards.
bool MakeDirectories(const std::string& path);

}  // namespace tk
