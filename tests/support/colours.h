// Colours for test documents.
#pragma once

#include <corvane/path.h>

#include <cstdint>

namespace corvane::testing {

inline Colour Four(Real c, Real m, Real y, Real k) {
  Colour colour{};
  colour.kind = kFourColour;
  colour.data.four = {c, m, y, k};
  return colour;
}

inline Colour Three(Real r, Real g, Real b) {
  Colour colour{};
  colour.kind = kThreeColour;
  colour.data.three = {r, g, b};
  return colour;
}

inline Colour Grey(Real g) {
  Colour colour{};
  colour.kind = kGreyColour;
  colour.data.grey = g;
  return colour;
}

// A colour the host and the filters only carry (a pattern, kind 2, or a
// spot colour, kind 4), with all 64 data bytes set from the seed so that any
// change shows.
inline Colour Opaque(int32_t kind, uint8_t seed = 0) {
  Colour colour{};
  colour.kind = kind;
  for (int i = 0; i < 64; ++i) colour.data.raw[i] = static_cast<uint8_t>(seed + 3 * i + kind);
  return colour;
}

}  // namespace corvane::testing
