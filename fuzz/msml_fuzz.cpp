// libFuzzer target: the line reader, the column rules and the four result-file readers of
// clsMsMl on arbitrary bytes. Byte 0 picks the reader, byte 1 the beam number (and the TBSA
// version); the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/fault.h"
#include "service/result_files_detail.h"

using namespace tk::msml;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int which = data[0] % 5;
  const int beam = data[1] % 16;
  const std::string_view body(reinterpret_cast<const char*>(data + 2), size - 2);
  LineReader r;
  r.OpenMemory(body);
  try {
    switch (which) {
      case 0: {
        WpjBeam w;
        ReadWpjBeam(r, beam, w);
        break;
      }
      case 1: {
        WnlBeam n;
        if (ReadWnlBeam(r, beam, n) == 0) {
          CalMsCombination(n.t, n.flags, data[1] & 1, (data[1] & 2) ? 0.8f : 1.0f);
          CalMl(n.t, 0, 5, 0.5f);
        }
        break;
      }
      case 2: {
        TbsaHead h;
        int32_t lines = 0;
        ReadTbsaHead(r, (data[1] & 1) ? kTbsaV5 : std::string_view(), h, lines);
        break;
      }
      case 3: {
        TbsaHead h;
        h.vertical = h.wind = h.earthquake = h.lateral = true;
        h.direction = 3;
        h.cases = {{1, 5}, {2, 3}, {3, 4}, {4, 1}, {5, 2}};
        h.recognised = 5;
        TbsaBeam b;
        if (ReadTbsaBeam(r, h, 1, beam, b) == 0)
          CalMsCombination(b.t, {false, true, false}, false, 1.0f);
        break;
      }
      default: {
        std::string_view line;
        double v[10];
        while (r.Next(line)) {
          ReadDotValues(line, 0, 1, 0, v, 9);
          ReadDotValues(line, SkipChars(line, 0, 3), 2, 1, v, 10);
          bool ok = false;
          WholeNumber(UpTo(line, SkipChars(line, 0, 4), "("), ok);
          MidChars(line, line.size() / 2, 5);
        }
      }
    }
  } catch (const tk::ArithmeticFault&) {
    // Overflowing numbers are the reader's 99 code: an expected outcome.
  }
  return 0;
}
