#include <string.h>

#include "framework/plugin.h"

HostError ToLengthPrefixed(char* buffer) {
  size_t length = strlen(buffer);
  if (length > 255) return kBadParameterError;
  memmove(buffer + 1, buffer, length);
  buffer[0] = static_cast<char>(static_cast<unsigned char>(length));
  return kNoError;
}

void ToNulTerminated(char* buffer) {
  size_t length = static_cast<unsigned char>(buffer[0]);
  memmove(buffer, buffer + 1, length);
  buffer[length] = '\0';
}

void FourCharText(HostError code, char text[5]) {
  uint32_t bits = static_cast<uint32_t>(code);
  for (int i = 0; i < 4; ++i) text[i] = static_cast<char>((bits >> (24 - 8 * i)) & 0xFF);
  text[4] = '\0';
}
