#include "host/io/colour_data.h"

#include <cmath>
#include <cstring>

namespace corvane::host::io {

int ComponentCount(int32_t kind) {
  switch (kind) {
    case kGreyColour: return 1;
    case kFourColour: return 4;
    case kThreeColour: return 3;
    default: return 0;
  }
}

std::vector<float> Components(const Colour& colour) {
  // Every component layout starts at the beginning of the data area and
  // holds consecutive reals.
  std::vector<float> values(static_cast<size_t>(ComponentCount(colour.kind)));
  std::memcpy(values.data(), colour.data.raw, values.size() * sizeof(float));
  return values;
}

bool HasComponents(const Colour& colour) {
  if (ComponentCount(colour.kind) == 0) return false;
  for (float value : Components(colour))
    if (!std::isfinite(value)) return false;
  return true;
}

Colour MakeColour(int32_t kind, const std::vector<float>& components) {
  Colour colour{};
  colour.kind = kind;
  std::memcpy(colour.data.raw, components.data(), components.size() * sizeof(float));
  return colour;
}

std::string DataHex(const Colour& colour) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (uint8_t byte : colour.data.raw) {
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 15]);
  }
  return hex;
}

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::optional<Colour> ColourFromHex(int32_t kind, std::string_view hex) {
  Colour colour{};
  colour.kind = kind;
  if (hex.size() != 2 * sizeof colour.data.raw) return std::nullopt;
  for (size_t i = 0; i < sizeof colour.data.raw; ++i) {
    int high = HexDigit(hex[2 * i]);
    int low = HexDigit(hex[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    colour.data.raw[i] = static_cast<uint8_t>(high * 16 + low);
  }
  return colour;
}

bool IsBlank(const Colour& colour) {
  if (colour.kind != kGreyColour) return false;
  for (uint8_t byte : colour.data.raw)
    if (byte != 0) return false;
  return true;
}

}  // namespace corvane::host::io
