// Persistence component: saved-input files. A file is UTF-8 text: the version header on the
// first line, then one value per line (a backslash escapes "\\", line feed "\n" and carriage
// return "\r" inside a value). Every save is atomic: the previous file survives any failure.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/export.h"
#include "frame/fileio.h"

namespace tk {

namespace persistcode {
constexpr int32_t kOk = 0;
constexpr int32_t kNoFile = 1;  // the file does not exist, cannot be read or is not a regular file
constexpr int32_t kUnknownHeader = 2;  // the header matches no known version: nothing loaded
constexpr int32_t kWriteFailed = 3;    // the save failed; the previous file is intact
constexpr int32_t kTooLarge = 4;       // larger than kMaxSavedInputBytes: nothing loaded
}  // namespace persistcode

// A saved-input file holds a few hundred short values; anything larger is not one of ours.
inline constexpr size_t kMaxSavedInputBytes = size_t{1} << 20;

// Writes one saved-input file; nothing replaces the previous file before Commit succeeds.
class SavedInputWriter {
 public:
  SavedInputWriter(const std::string& path, std::string_view header);
  void Write(std::string_view value);
  void Write(double value);
  void Write(bool value);
  int32_t Commit(std::string* error = nullptr);

 private:
  AtomicFile file_;
  std::string buf_;
};

struct SavedInput {
  std::string header;
  size_t version = 0;  // index of the header in the known list (0 = oldest)
  std::vector<std::string> values;
  size_t next = 0;
  // Next value, or "" when the file has no more (fields of later versions keep their values).
  bool Next(std::string& out) {
    if (next >= values.size()) return false;
    out = values[next++];
    return true;
  }
};

class TK_API IPersistence {
 public:
  virtual ~IPersistence() = default;
  virtual std::unique_ptr<SavedInputWriter> BeginSave(const std::string& path,
                                                      std::string_view header) = 0;
  // Loads a file whose header is one of `known_headers` (oldest first).
  virtual int32_t Load(const std::string& path, const std::vector<std::string>& known_headers,
                       SavedInput& out, std::string* error = nullptr) = 0;
  virtual std::string tCodeMessage(int32_t code, std::string_view path) = 0;
};

class TK_API FilePersistence : public IPersistence {
 public:
  std::unique_ptr<SavedInputWriter> BeginSave(const std::string& path,
                                              std::string_view header) override;
  int32_t Load(const std::string& path, const std::vector<std::string>& known_headers,
               SavedInput& out, std::string* error = nullptr) override;
  std::string tCodeMessage(int32_t code, std::string_view path) override;
};

// Saves header + values in one step.
int32_t SaveInputs(IPersistence& p, const std::string& path, std::string_view header,
                   const std::vector<std::string>& values, std::string* error = nullptr);

}  // namespace tk
