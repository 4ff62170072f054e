#include "host/text.h"

namespace corvane::host {

std::string ReadLengthPrefixed(const unsigned char* text, size_t capacity) {
  std::string result;
  if (text == nullptr || capacity == 0) return result;
  size_t length = text[0];
  for (size_t i = 1; i <= length && i < capacity; ++i) {
    if (text[i] == '\0') break;
    result.push_back(static_cast<char>(text[i]));
  }
  return result;
}

}  // namespace corvane::host
