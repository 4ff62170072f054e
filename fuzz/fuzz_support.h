// Checks shared by the fuzz targets. A broken promise aborts, so libFuzzer
// keeps the input that broke it like any crash.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace corvane::fuzz {

inline void Require(bool condition, const char* promise, const std::string& detail = {}) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n%s\n", promise, detail.c_str());
  std::abort();
}

// Whether text is well-formed UTF-8: shortest forms only, no surrogates,
// nothing above U+10FFFF.
inline bool IsUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((byte(i + k) & 0xC0) != 0x80) return false;
    if (length == 3 && lead == 0xE0 && byte(i + 1) < 0xA0) return false;   // overlong
    if (length == 3 && lead == 0xED && byte(i + 1) >= 0xA0) return false;  // surrogate
    if (length == 4 && lead == 0xF0 && byte(i + 1) < 0x90) return false;   // overlong
    if (length == 4 && lead == 0xF4 && byte(i + 1) >= 0x90) return false;  // above U+10FFFF
    i += length;
  }
  return true;
}

}  // namespace corvane::fuzz
