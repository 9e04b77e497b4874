// libFuzzer target: the text helpers every calculator reads its inputs with. Byte 0 picks the
// helper; the rest is the text. The leading-number rule and the number test, the number patterns
// (the text is the pattern, the value comes from the text's leading number), the expression in As,
// the bar text and the field check. Every helper must return; a number it gives is finite or the
// helper says the text is not one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "frame/fault.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/services.h"
#include "frame/text.h"
#include "frame/variant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  auto& svc = tk::modKalbex::Services();
  switch (data[0] % 6) {
    case 0: {
      const double v = tk::LeadingNumber(text);
      if (tk::IsNumericText(text) && std::isnan(v)) __builtin_trap();
      (void)tk::Trim(text);
      break;
    }
    case 1: {
      // 8 bytes of a double, then the pattern
      if (text.size() < 8) break;
      uint64_t bits = 0;
      for (int k = 0; k < 8; ++k) bits = bits << 8 | static_cast<uint8_t>(text[k]);
      double x = 0;
      std::memcpy(&x, &bits, sizeof x);
      try {
        const std::string_view pattern = text.substr(8);
        const std::string s = tk::FormatNumber(x, pattern);
        // (a pattern's literal text may itself spell the words)
        const bool literal = pattern.find("Inf") != std::string_view::npos ||
                             pattern.find("NaN") != std::string_view::npos;
        if (!literal &&
            (s.find("Infinity") != std::string::npos || s.find("NaN") != std::string::npos))
          __builtin_trap();
      } catch (const tk::ArithmeticFault&) {
        // a value that is not finite, or that a "%" multiplies beyond the double range
      }
      break;
    }
    case 2: {
      try {
        const double v = svc.dEvalAsText(text, 1000.0);
        if (!std::isfinite(v)) __builtin_trap();
      } catch (const tk::ComponentFailure&) {
      }
      break;
    }
    case 3: {
      int32_t n = 0;
      float d = 0;
      if (svc.ParseBarText(text, n, d) == tk::kBarTextOk && (!(d > 0) || !(n > 0)))
        __builtin_trap();
      break;
    }
    case 4: {
      int32_t code = 0;
      static const char* kinds[] = {"S>0", "S>=0", "I>0", "S<>0", "S", "UnCheckNum", "0~100"};
      auto& ic = tk::modKalbex::InputCheck();
      for (const char* k : kinds) {
        if (ic.CheckFieldText(k, "字段", text, 0, code) == 0 &&
            std::string_view(k) != "UnCheckNum" && !std::isfinite(tk::LeadingNumber(text)))
          __builtin_trap();
        (void)ic.tCodeMessage(code, "字段", text);
      }
      break;
    }
    default: {
      try {
        (void)svc.tFormatValue(tk::LeadingNumber(text), text, 1);
      } catch (const tk::ArithmeticFault&) {
      }
      break;
    }
  }
  return 0;
}
