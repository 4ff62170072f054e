// Paint in SVG: colours, the style attribute and the properties the host
// interprets, in both directions.
#pragma once

#include <corvane/path.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::host::io {

// A description of bad input, thrown by the parsing helpers below and by the
// SVG reader; ReadSvg turns it into an IoError with the element's position.
struct SvgError {
  std::string message;
};

using Declarations = std::vector<std::pair<std::string, std::string>>;

// "name: value; ..." in order; names lower-cased, values trimmed.
Declarations ParseStyleAttribute(std::string_view style);
std::string FormatStyleAttribute(const Declarations& declarations);

// The paint properties the host interprets (fill, stroke, stroke-width,
// stroke-dasharray, stroke-dashoffset, stroke-linecap, stroke-linejoin,
// stroke-miterlimit, fill-rule). They are inherited down the tree.
bool IsPaintProperty(std::string_view name);

// Paint property values by name, as written (the value "inherit" never is).
using PaintProperties = std::map<std::string, std::string>;

struct Paint {
  bool painted = false;
  Colour colour{};
  // The sRGB value was exactly the writer's stand-in for byte-kept colours
  // (#808080) and no icc-color followed.
  bool standIn = false;
};

// "none", a colour, or a paint server url(...) with an optional fallback.
// Throws SvgError.
Paint ParsePaint(std::string_view text);

// The text the writer gives a colour: "#rrggbb", followed by an icc-color
// unless the hex digits hold the colour exactly; "#808080" for colours kept
// as bytes (see ColourDataText).
std::string ColourText(const Colour& colour);
// "kind:hex" for colours kept as bytes, nullopt for the others.
std::optional<std::string> ColourDataText(const Colour& colour);
// The colour of a corvane:*-data attribute. Throws SvgError.
Colour ParseColourData(std::string_view text);

// The element's own style settings that are not inherited paint: the
// corvane: carriers of exact values.
struct PaintCarriers {
  std::optional<std::string> fillColour, strokeColour;  // corvane:fill, corvane:stroke
  std::optional<std::string> fillData, strokeData;      // corvane:fill-data, corvane:stroke-data
  std::optional<std::string> strokeWidth;               // corvane:stroke-width
  bool fillOverprint = false, strokeOverprint = false;
};

// The path style the properties describe, with lengths multiplied by
// lineScale (the transform's). Throws SvgError naming the property.
PathStyle ResolvePathStyle(const PaintProperties& properties, const PaintCarriers& carriers,
                           double lineScale);

// How the writer paints a path of this style: presentation attributes in
// order, and declarations for the style attribute. A colour that needs an
// icc-color to be exact is written twice: as plain sRGB in the attribute and
// in full in the style declaration. Rationale: viewers without icc-color
// support drop the declaration and show the sRGB attribute instead of failing
// the whole paint; readers that know icc-color, ours included, take the
// declaration, which outranks the attribute.
struct PaintAttributes {
  std::vector<std::pair<std::string, std::string>> attributes;
  Declarations exact;
};
PaintAttributes StyleAttributes(const PathStyle& style);

}  // namespace corvane::host::io
