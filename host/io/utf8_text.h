// Well-formedness of UTF-8 text, for readers of text that must be UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvane::host::io {

// Offset of the first byte that does not start a well-formed UTF-8
// sequence (shortest form, no surrogates, nothing above U+10FFFF), or of the
// start of a sequence cut short; nullopt when all of text is well-formed.
inline std::optional<size_t> FindInvalidUtf8(std::string_view text) {
  size_t at = 0;
  while (at < text.size()) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80) {
      ++at;
      continue;
    }
    // Continuation bytes never start a sequence, nor do C0 and C1 (only
    // overlong forms) or F5 to FF (only code points past U+10FFFF).
    size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > text.size() - at) return at;
    // The second byte's range depends on the lead: it rules out overlong
    // forms (E0, F0), surrogates (ED) and code points past U+10FFFF (F4).
    unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (byte(at + 1) < low || byte(at + 1) > high) return at;
    for (size_t i = 2; i < length; ++i)
      if ((byte(at + i) & 0xC0) != 0x80) return at;
    at += length;
  }
  return std::nullopt;
}

}  // namespace corvane::host::io
