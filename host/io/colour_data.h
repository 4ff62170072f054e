// Colour values as both file forms see them: kinds 0 (grey), 1 (four-colour)
// and 5 (three-colour) are written as their components; every other kind,
// and any colour whose components are not all finite, as its 64 data bytes.
#pragma once

#include <corvane/path.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::host::io {

// Number of components of a colour kind; 0 for kinds carried as bytes.
int ComponentCount(int32_t kind);

// True when the colour is written as its components.
bool HasComponents(const Colour& colour);

// The components in their record order (grey; c m y k; r g b).
std::vector<float> Components(const Colour& colour);

// A colour of the kind with these components and every other byte zero.
// components.size() must equal ComponentCount(kind).
Colour MakeColour(int32_t kind, const std::vector<float>& components);

// The 64 data bytes as 128 lower-case hex digits, and back.
std::string DataHex(const Colour& colour);
std::optional<Colour> ColourFromHex(int32_t kind, std::string_view hex);

// True for the unset colour: kind 0 with every data byte zero.
bool IsBlank(const Colour& colour);

}  // namespace corvane::host::io
