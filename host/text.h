// Strings that plug-ins hand the host in their own encodings.
#pragma once

#include <cstddef>
#include <string>

namespace corvane::host {

// A length-prefixed string: the first byte is the length. The host never
// reads past a NUL, past `capacity` bytes in all, or past 255 characters.
// Rationale: plug-ins pass constants of the form " text\0" where the first
// byte is a space, not a length; reading 32 bytes from it would run off the
// end of the constant.
std::string ReadLengthPrefixed(const unsigned char* text, size_t capacity);

}  // namespace corvane::host
