// Line reading and the character-wise column rules shared by the SATWE and TBSA readers.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "frame/text.h"
#include "service/result_files_detail.h"

namespace tk::msml {

bool LineReader::OpenFile(const std::string& path) {
  Close();
  do {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) return false;
  buf_.resize(kBuffer);
  data_ = buf_.data();
  return true;
}

void LineReader::OpenMemory(std::string_view bytes) {
  Close();
  memory_ = true;
  data_ = bytes.data();
  end_ = bytes.size();
  eof_ = true;
}

void LineReader::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  memory_ = eof_ = skip_lf_ = false;
  first_ = true;
  data_ = nullptr;
  beg_ = end_ = 0;
  carry_.clear();
  lines_ = 0;
  decoder_.Reset();
}

bool LineReader::Fill() {
  if (eof_ || fd_ < 0) return false;
  ssize_t n;
  do {
    n = ::read(fd_, buf_.data(), buf_.size());
  } while (n < 0 && errno == EINTR);
  if (n <= 0) {  // a read error ends the file like its end does: the stage then reports its code
    eof_ = true;
    return false;
  }
  beg_ = 0;
  end_ = static_cast<size_t>(n);
  return true;
}

std::string_view LineReader::Finish(std::string_view raw) {
  ++lines_;
  if (first_) {
    first_ = false;
    if (raw.size() >= 3 && std::memcmp(raw.data(), "\xEF\xBB\xBF", 3) == 0) raw.remove_prefix(3);
  }
  return decoder_.Decode(raw);
}

std::string_view LineReader::TakeSegment(bool& ended) {
  const char* p = data_ + beg_;
  const size_t avail = end_ - beg_;
  const char* nl = static_cast<const char*>(std::memchr(p, '\n', avail));
  const size_t seg = nl ? static_cast<size_t>(nl - p) : avail;
  const char* cr = static_cast<const char*>(std::memchr(p, '\r', seg));
  const size_t len = cr ? static_cast<size_t>(cr - p) : seg;
  ended = cr || nl;
  if (!ended) {
    beg_ = end_;
    return {p, len};
  }
  beg_ += len + 1;
  if (cr) {
    if (beg_ >= end_)
      skip_lf_ = true;
    else if (data_[beg_] == '\n')
      ++beg_;
  }
  return {p, len};
}

namespace {

// Lines are kept up to their first kMaxLine bytes.
void AppendCapped(std::string& carry, std::string_view part) {
  if (carry.size() < LineReader::kMaxLine)
    carry.append(part.data(), std::min(part.size(), LineReader::kMaxLine - carry.size()));
}

}  // namespace

bool LineReader::Next(std::string_view& line) {
  if (!is_open()) return false;
  carry_.clear();
  bool have_any = false;
  for (;;) {
    if (beg_ >= end_ && !Fill()) {
      if (!have_any) return false;
      line = Finish(carry_);
      return true;
    }
    if (skip_lf_) {
      skip_lf_ = false;
      if (data_[beg_] == '\n') {
        ++beg_;
        continue;
      }
    }
    bool ended = false;
    const std::string_view part = TakeSegment(ended);
    if (ended && !have_any) {
      line = Finish(part.substr(0, kMaxLine));
      return true;
    }
    // A line that goes on past the buffer keeps its start (up to the limit) and reads on.
    AppendCapped(carry_, part);
    if (ended) {
      line = Finish(carry_);
      return true;
    }
    have_any = true;
  }
}

size_t SkipChars(std::string_view s, size_t pos, size_t n) {
  while (pos < s.size() && n > 0) {
    ++pos;
    while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) ++pos;
    --n;
  }
  return pos < s.size() ? pos : s.size();
}

std::string_view MidChars(std::string_view s, size_t pos, size_t n) {
  if (pos >= s.size()) return {};
  return s.substr(pos, SkipChars(s, pos, n) - pos);
}

std::string_view UpTo(std::string_view s, size_t pos, std::string_view stop) {
  if (pos >= s.size()) return {};
  const size_t e = s.find(stop, pos);
  return s.substr(pos, e == std::string_view::npos ? std::string_view::npos : e - pos);
}

void ReadDotValues(std::string_view s, size_t pos, size_t after_dot, size_t gap, double* out,
                   size_t count) {
  for (size_t k = 0; k < count; ++k) {
    const size_t dot = pos < s.size() ? s.find('.', pos) : std::string_view::npos;
    if (dot == std::string_view::npos) {
      for (; k < count; ++k) out[k] = 0;
      return;
    }
    const size_t e = SkipChars(s, dot + 1, after_dot);
    out[k] = LeadingNumber(s.substr(pos, e - pos));
    pos = SkipChars(s, e, gap);
    if (e >= s.size()) pos = s.size();
  }
}

bool BracketedCaseNumber(std::string_view line, int32_t& number, size_t& after) {
  const size_t lp = line.find('(');
  if (lp == std::string_view::npos) return false;
  const size_t rp = line.find(')', lp + 1);
  const std::string_view num =
      rp == std::string_view::npos ? line.substr(lp + 1) : line.substr(lp + 1, rp - lp - 1);
  bool ok = false;
  number = WholeNumber(num, ok);
  after = rp == std::string_view::npos ? line.size() : rp + 1;
  return ok;
}

int32_t WholeNumber(std::string_view text, bool& ok) {
  const double r = std::nearbyint(LeadingNumber(text));
  ok = r >= -32768.0 && r <= 32767.0;
  return ok ? static_cast<int32_t>(r) : 0;
}

}  // namespace tk::msml
