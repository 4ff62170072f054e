// UTF-16LE text as stored in compiled resources, converted to UTF-8.
#pragma once

#include "host/resources/byte_reader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::host {

// Converts code units to UTF-8. An unpaired surrogate becomes U+FFFD, so the
// result is always valid UTF-8.
std::string Utf16ToUtf8(const std::vector<char16_t>& units);

// Reads code units up to and including a NUL terminator and returns them
// converted, without the NUL. A missing terminator fails the reader.
std::string ReadUtf16z(ByteReader& reader);

}  // namespace corvane::host
