#include "host/io/svg_style.h"

#include "host/io/colour_data.h"
#include "host/io/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace corvane::host::io {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

// Whether text starts with `lower` (given in lower case), without regard to
// case; costs no more than the prefix, however long text is.
bool StartsWithNoCase(std::string_view text, std::string_view lower) {
  return text.size() >= lower.size() && Lower(text.substr(0, lower.size())) == lower;
}

bool Same(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Numbers separated by commas and/or white space.
std::vector<std::string_view> SplitList(std::string_view text) {
  std::vector<std::string_view> items;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && (std::isspace(static_cast<unsigned char>(text[at])) || text[at] == ',')) ++at;
    size_t start = at;
    while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at])) && text[at] != ',') ++at;
    if (at > start) items.push_back(text.substr(start, at - start));
  }
  return items;
}

struct NamedColour {
  const char* name;
  uint32_t rgb;
};

constexpr NamedColour kNamedColours[] = {
    {"black", 0x000000}, {"white", 0xffffff}, {"red", 0xff0000},    {"green", 0x008000},
    {"blue", 0x0000ff},  {"yellow", 0xffff00}, {"cyan", 0x00ffff},  {"aqua", 0x00ffff},
    {"magenta", 0xff00ff}, {"fuchsia", 0xff00ff}, {"grey", 0x808080}, {"gray", 0x808080},
    {"silver", 0xc0c0c0}, {"maroon", 0x800000}, {"purple", 0x800080}, {"lime", 0x00ff00},
    {"olive", 0x808000}, {"navy", 0x000080},   {"teal", 0x008080},  {"orange", 0xffa500},
};

constexpr uint32_t kStandIn = 0x808080;

float Channel(uint32_t rgb, int shift) { return static_cast<float>((rgb >> shift) & 0xff) / 255.0f; }

Colour ThreeColour(uint32_t rgb) {
  return MakeColour(kThreeColour, {Channel(rgb, 16), Channel(rgb, 8), Channel(rgb, 0)});
}

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

std::optional<uint32_t> ParseHexColour(std::string_view hex) {
  uint32_t rgb = 0;
  for (char ch : hex)
    if (HexValue(ch) < 0) return std::nullopt;
  if (hex.size() == 3) {
    for (char ch : hex) rgb = rgb * 256 + static_cast<uint32_t>(HexValue(ch) * 17);
    return rgb;
  }
  if (hex.size() == 6) {
    for (char ch : hex) rgb = rgb * 16 + static_cast<uint32_t>(HexValue(ch));
    return rgb;
  }
  return std::nullopt;
}

// rgb(r, g, b) with integers 0..255 or percentages.
std::optional<uint32_t> ParseRgbFunction(std::string_view arguments) {
  auto items = SplitList(arguments);
  if (items.size() != 3) return std::nullopt;
  uint32_t rgb = 0;
  for (auto item : items) {
    bool percent = !item.empty() && item.back() == '%';
    auto value = ParseDouble(percent ? item.substr(0, item.size() - 1) : item);
    if (!value) return std::nullopt;
    double channel = percent ? *value * 255 / 100 : *value;
    rgb = rgb * 256 + static_cast<uint32_t>(std::lround(std::clamp(channel, 0.0, 255.0)));
  }
  return rgb;
}

// The sRGB part of a colour value; `rest` gets what follows it.
std::optional<uint32_t> ParseSrgb(std::string_view text, std::string_view& rest) {
  size_t end = 0;
  while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
  std::string lower = Lower(text.substr(0, end));
  if (lower.rfind("rgb(", 0) == 0) {
    size_t close = text.find(')');
    if (close == std::string_view::npos) return std::nullopt;
    rest = text.substr(close + 1);
    return ParseRgbFunction(text.substr(4, close - 4));
  }
  rest = text.substr(end);
  if (!lower.empty() && lower[0] == '#') return ParseHexColour(std::string_view(lower).substr(1));
  if (lower == "currentcolor") return 0x000000u;
  for (const auto& named : kNamedColours)
    if (lower == named.name) return named.rgb;
  return std::nullopt;
}

// icc-color(name, v...): the values, or nullopt when `text` is not one.
std::optional<std::vector<float>> ParseIccColour(std::string_view text) {
  if (Lower(text.substr(0, 10)) != "icc-color(" || text.back() != ')') return std::nullopt;
  auto items = SplitList(text.substr(10, text.size() - 11));
  if (items.empty()) return std::nullopt;
  std::vector<float> values;
  for (size_t i = 1; i < items.size(); ++i) {
    auto value = ParseFloat(items[i]);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  return values;
}

Paint ParseColourValue(std::string_view text) {
  std::string_view rest;
  auto rgb = ParseSrgb(text, rest);
  if (!rgb) throw SvgError{"unknown colour '" + std::string(text) + "'"};
  rest = Trim(rest);
  Paint paint{true, ThreeColour(*rgb), *rgb == kStandIn && rest.empty()};
  if (rest.empty()) return paint;
  auto icc = ParseIccColour(rest);
  if (!icc) throw SvgError{"unreadable colour '" + std::string(text) + "'"};
  switch (icc->size()) {
    case 1: paint.colour = MakeColour(kGreyColour, *icc); break;
    case 3: paint.colour = MakeColour(kThreeColour, *icc); break;
    case 4: paint.colour = MakeColour(kFourColour, *icc); break;
    default: break;  // a profile of another shape: the sRGB value stands
  }
  return paint;
}

std::string Hex(float red, float green, float blue) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex = "#";
  for (float channel : {red, green, blue}) {
    long value = std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f);
    hex.push_back(kDigits[value >> 4]);
    hex.push_back(kDigits[value & 15]);
  }
  return hex;
}

bool HexHoldsExactly(float channel) {
  if (!(channel >= 0.0f && channel <= 1.0f)) return false;
  return Same(static_cast<float>(std::lround(channel * 255.0f)) / 255.0f, channel);
}

std::string Icc(const char* profile, const std::vector<float>& values) {
  std::string text = std::string(" icc-color(") + profile;
  for (float value : values) text += ", " + FormatFloat(value);
  return text + ")";
}

float ParseLength(std::string_view text, const char* property) {
  text = Trim(text);
  if (text.size() > 2 && Lower(text.substr(text.size() - 2)) == "px") text.remove_suffix(2);
  auto value = ParseFloat(text);
  if (!value) throw SvgError{std::string(property) + ": expected a number (user units or px), not '" + std::string(text) + "'"};
  return *value;
}

float Scaled(float value, double scale) {
  if (scale == 1.0) return value;
  auto scaled = NarrowToFloat(value * scale);
  if (!scaled) throw SvgError{"a transformed length is outside the single-precision range"};
  return *scaled;
}

int32_t Keyword(std::string_view text, const char* property, std::initializer_list<const char*> names) {
  std::string lower = Lower(Trim(text));
  int32_t index = 0;
  for (const char* name : names) {
    if (lower == name) return index;
    ++index;
  }
  throw SvgError{std::string(property) + ": unknown value '" + std::string(text) + "'"};
}

const std::string* Find(const PaintProperties& properties, const char* name) {
  auto it = properties.find(name);
  return it == properties.end() ? nullptr : &it->second;
}

// Paint flag and colour of a fill or stroke, with its carriers.
void ResolvePaint(const std::string* value, bool paintedByDefault, const std::optional<std::string>& carrier,
                  const std::optional<std::string>& data, const char* property, int32_t& flag, Colour& colour) {
  Paint paint;
  try {
    paint = value ? ParsePaint(*value) : Paint{paintedByDefault, ThreeColour(0), false};
  } catch (const SvgError& error) {
    throw SvgError{std::string(property) + ": " + error.message};
  }
  flag = paint.painted ? 1 : 0;
  if (!paint.painted) {
    paint = Paint{};
    if (carrier) paint = ParsePaint(*carrier);
  }
  colour = paint.colour;
  if (data && paint.standIn) colour = ParseColourData(*data);
}

}  // namespace

Declarations ParseStyleAttribute(std::string_view style) {
  Declarations declarations;
  size_t at = 0;
  while (at < style.size()) {
    size_t end = style.find(';', at);
    if (end == std::string_view::npos) end = style.size();
    std::string_view item = style.substr(at, end - at);
    size_t colon = item.find(':');
    if (colon != std::string_view::npos) {
      std::string name = Lower(Trim(item.substr(0, colon)));
      if (!name.empty()) declarations.emplace_back(name, std::string(Trim(item.substr(colon + 1))));
    }
    at = end + 1;
  }
  return declarations;
}

std::string FormatStyleAttribute(const Declarations& declarations) {
  std::string style;
  for (const auto& [name, value] : declarations) {
    if (!style.empty()) style += ';';
    style += name + ":" + value;
  }
  return style;
}

bool IsPaintProperty(std::string_view name) {
  static const char* const kNames[] = {"fill", "stroke", "stroke-width", "stroke-dasharray",
                                       "stroke-dashoffset", "stroke-linecap", "stroke-linejoin",
                                       "stroke-miterlimit", "fill-rule"};
  for (const char* known : kNames)
    if (name == known) return true;
  return false;
}

Paint ParsePaint(std::string_view text) {
  // A paint server's fallback is itself a paint: taken in a loop, as a value
  // may chain any number of them.
  for (text = Trim(text); StartsWithNoCase(text, "url(");) {
    size_t close = text.find(')');
    if (close == std::string_view::npos) throw SvgError{"unreadable paint '" + std::string(text) + "'"};
    text = Trim(text.substr(close + 1));
    if (text.empty()) return Paint{true, MakeColour(kGreyColour, {0.5f}), false};
  }
  if (text.size() == 4 && StartsWithNoCase(text, "none")) return Paint{};
  return ParseColourValue(text);
}

std::string ColourText(const Colour& colour) {
  if (!HasComponents(colour)) return "#808080";
  auto values = Components(colour);
  switch (colour.kind) {
    case kGreyColour:
      return Hex(1 - values[0], 1 - values[0], 1 - values[0]) + Icc("corvane-grey", values);
    case kFourColour: {
      auto clamp = [](float v) { return std::clamp(v, 0.0f, 1.0f); };
      float white = 1 - clamp(values[3]);
      return Hex((1 - clamp(values[0])) * white, (1 - clamp(values[1])) * white,
                 (1 - clamp(values[2])) * white) +
             Icc("corvane-cmyk", values);
    }
    default: {
      std::string hex = Hex(values[0], values[1], values[2]);
      bool exact = std::all_of(values.begin(), values.end(), HexHoldsExactly);
      return exact ? hex : hex + Icc("corvane-rgb", values);
    }
  }
}

std::optional<std::string> ColourDataText(const Colour& colour) {
  if (HasComponents(colour)) return std::nullopt;
  return std::to_string(colour.kind) + ":" + DataHex(colour);
}

Colour ParseColourData(std::string_view text) {
  size_t colon = text.find(':');
  int32_t kind = 0;
  bool good = colon != std::string_view::npos && colon > 0;
  if (good) {
    std::string number(text.substr(0, colon));
    char* end = nullptr;
    long value = std::strtol(number.c_str(), &end, 10);
    good = *end == 0 && value >= INT32_MIN && value <= INT32_MAX;
    kind = static_cast<int32_t>(value);
  }
  auto colour = good ? ColourFromHex(kind, text.substr(colon + 1)) : std::nullopt;
  if (!colour) throw SvgError{"colour data: expected kind:128 hex digits"};
  return *colour;
}

PathStyle ResolvePathStyle(const PaintProperties& properties, const PaintCarriers& carriers, double lineScale) {
  PathStyle style{};
  ResolvePaint(Find(properties, "fill"), true, carriers.fillColour, carriers.fillData, "fill", style.fillPaint,
               style.fill);
  ResolvePaint(Find(properties, "stroke"), false, carriers.strokeColour, carriers.strokeData, "stroke",
               style.strokePaint, style.stroke);
  style.fillOverprint = carriers.fillOverprint;
  style.strokeOverprint = carriers.strokeOverprint;
  style.strokeWidth = 1.0f;
  if (auto* width = Find(properties, "stroke-width")) style.strokeWidth = ParseLength(*width, "stroke-width");
  if (style.strokeWidth == 0 && carriers.strokeWidth) {
    auto exact = ParseFloat(*carriers.strokeWidth);
    if (!exact) throw SvgError{"corvane:stroke-width: expected a number"};
    style.strokeWidth = *exact;
  }
  style.strokeWidth = Scaled(style.strokeWidth, lineScale);
  if (auto* dashes = Find(properties, "stroke-dasharray"); dashes && Lower(Trim(*dashes)) != "none") {
    auto items = SplitList(*dashes);
    if (items.size() > 6) throw SvgError{"stroke-dasharray: more than 6 values"};
    style.dashCount = static_cast<int32_t>(items.size());
    for (size_t i = 0; i < items.size(); ++i)
      style.dashes[i] = Scaled(ParseLength(items[i], "stroke-dasharray"), lineScale);
  }
  if (auto* offset = Find(properties, "stroke-dashoffset"))
    style.dashOffset = Scaled(ParseLength(*offset, "stroke-dashoffset"), lineScale);
  if (auto* cap = Find(properties, "stroke-linecap")) style.cap = Keyword(*cap, "stroke-linecap", {"butt", "round", "square"});
  if (auto* join = Find(properties, "stroke-linejoin"))
    style.join = Keyword(*join, "stroke-linejoin", {"miter", "round", "bevel"});
  style.miterLimit = 4.0f;
  if (auto* limit = Find(properties, "stroke-miterlimit"))
    style.miterLimit = ParseLength(*limit, "stroke-miterlimit");
  if (auto* rule = Find(properties, "fill-rule")) style.evenOdd = Keyword(*rule, "fill-rule", {"nonzero", "evenodd"});
  return style;
}

PaintAttributes StyleAttributes(const PathStyle& style) {
  PaintAttributes paints;
  auto& attributes = paints.attributes;
  auto paint = [&](const char* name, int32_t flag, const Colour& colour, int32_t overprint) {
    std::string prefixed = std::string("corvane:") + name;
    std::string text = flag ? ColourText(colour) : "none";
    size_t icc = text.find(" icc-color(");
    attributes.emplace_back(name, text.substr(0, icc));
    if (icc != std::string::npos) paints.exact.emplace_back(name, text);
    bool keepsColour = flag || !IsBlank(colour);
    if (!flag && keepsColour) attributes.emplace_back(prefixed, ColourText(colour));
    if (auto data = ColourDataText(colour); data && keepsColour) attributes.emplace_back(prefixed + "-data", *data);
    if (overprint) attributes.emplace_back(prefixed + "-overprint", "true");
  };
  paint("fill", style.fillPaint, style.fill, style.fillOverprint);
  if (style.evenOdd) attributes.emplace_back("fill-rule", "evenodd");
  paint("stroke", style.strokePaint, style.stroke, style.strokeOverprint);
  if (style.strokeWidth < 0) {
    attributes.emplace_back("stroke-width", "0");
    attributes.emplace_back("corvane:stroke-width", FormatFloat(style.strokeWidth));
  } else if (!Same(style.strokeWidth, 1.0f)) {
    attributes.emplace_back("stroke-width", FormatFloat(style.strokeWidth));
  }
  if (style.cap == 1 || style.cap == 2) attributes.emplace_back("stroke-linecap", style.cap == 1 ? "round" : "square");
  if (style.join == 1 || style.join == 2) attributes.emplace_back("stroke-linejoin", style.join == 1 ? "round" : "bevel");
  if (!Same(style.miterLimit, 4.0f)) attributes.emplace_back("stroke-miterlimit", FormatFloat(style.miterLimit));
  if (style.dashCount > 0) {
    std::string dashes;
    for (int32_t i = 0; i < std::min(style.dashCount, 6); ++i) dashes += (i ? "," : "") + FormatFloat(style.dashes[i]);
    attributes.emplace_back("stroke-dasharray", dashes);
  }
  if (!Same(style.dashOffset, 0.0f)) attributes.emplace_back("stroke-dashoffset", FormatFloat(style.dashOffset));
  return paints;
}

}  // namespace corvane::host::io
