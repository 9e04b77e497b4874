// Text encodings of the analysis programs' result files. SATWE and TBSA run on Chinese Windows
// and write GBK; files passed through other tools arrive as UTF-8. Lines are decoded to UTF-8
// before any keyword search, because the keywords hold full-width characters ("＝").
#pragma once

#include <string>
#include <string_view>

namespace tk::gbk {

bool IsAscii(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// Converts GBK bytes to UTF-8 and appends them to `out`. A byte sequence that is not GBK (a line
// cut in the middle of a character, binary noise) becomes U+FFFD and reading goes on.
void AppendGbkAsUtf8(std::string_view gbk, std::string& out);
std::string GbkToUtf8(std::string_view gbk);
// The other way round (fixtures and benchmarks); a character GBK lacks becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// Decides a file's encoding from its first line that is not plain ASCII and keeps the decision
// for the rest of the file: valid UTF-8 there means UTF-8, anything else means GBK. A later line
// that is not valid UTF-8 in a UTF-8 file is still read as GBK, so a hand-edited file with mixed
// lines keeps its keywords readable.
class LineDecoder {
 public:
  enum class Encoding { Unknown, Utf8, Gbk };
  // The line as UTF-8; the view lives in `raw` or in the decoder until the next call.
  std::string_view Decode(std::string_view raw);
  Encoding encoding() const { return enc_; }
  void Reset() { enc_ = Encoding::Unknown; }

 private:
  Encoding enc_ = Encoding::Unknown;
  std::string out_;
};

}  // namespace tk::gbk
