#include "service/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace tk::gbk {

namespace {

// One conversion handle per thread and direction: iconv_open is far dearer than a line.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`; an input sequence that cannot be converted is replaced by `bad` and
  // skipped one byte at a time.
  void Convert(std::string_view in, std::string& out, std::string_view bad) {
    if (!ok()) {  // no converter on this system: keep the bytes, keywords in ASCII still match
      out.append(in);
      return;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    char buf[1024];
    while (left > 0) {
      char* dst = buf;
      size_t room = sizeof buf;
      const size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, static_cast<size_t>(dst - buf));
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (cut short at the end): replace one byte and go on.
      out.append(bad);
      ++src;
      --left;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    char* dst = buf;
    size_t room = sizeof buf;
    iconv(cd_, nullptr, nullptr, &dst, &room);
    out.append(buf, static_cast<size_t>(dst - buf));
  }

 private:
  iconv_t cd_;
};

Iconv& FromGbk() {
  thread_local Iconv cv("UTF-8", "GBK");
  return cv;
}
Iconv& ToGbk() {
  thread_local Iconv cv("GBK", "UTF-8");
  return cv;
}

}  // namespace

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int len;
    uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<size_t>(len) > n) return false;
    for (int k = 1; k < len; ++k) {
      const auto d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    i += static_cast<size_t>(len);
  }
  return true;
}

void AppendGbkAsUtf8(std::string_view gbk, std::string& out) {
  FromGbk().Convert(gbk, out, "\xEF\xBF\xBD");
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  AppendGbkAsUtf8(gbk, out);
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  ToGbk().Convert(utf8, out, "?");
  return out;
}

std::string_view LineDecoder::Decode(std::string_view raw) {
  if (IsAscii(raw)) return raw;
  if (enc_ == Encoding::Unknown) enc_ = IsValidUtf8(raw) ? Encoding::Utf8 : Encoding::Gbk;
  if (enc_ == Encoding::Utf8 && IsValidUtf8(raw)) return raw;
  out_.clear();
  AppendGbkAsUtf8(raw, out_);
  return out_;
}

}  // namespace tk::gbk
