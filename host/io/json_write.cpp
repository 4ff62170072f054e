// Writer of the native JSON form (described in json_document.h).
#include "host/io/colour_data.h"
#include "host/io/document_io.h"
#include "host/io/json_document.h"
#include "host/io/number_text.h"

#include <cstring>

namespace corvane::host {
namespace {

using Json = nlohmann::ordered_json;
using io::FloatAsJsonDouble;

Json Number(float value) { return FloatAsJsonDouble(value); }

Json Point(const RealPoint& p) { return Json::array({Number(p.h), Number(p.v)}); }

Json Flag(int32_t value) {
  if (value == 0 || value == 1) return value == 1;
  return value;
}

bool SamePoint(const RealPoint& a, const RealPoint& b) {
  // Bitwise, so that -0 and 0 stay apart.
  return std::memcmp(&a, &b, sizeof a) == 0;
}

Json Name(int32_t value, std::initializer_list<const char*> names) {
  if (value >= 0 && static_cast<size_t>(value) < names.size()) return names.begin()[value];
  return value;
}

Json ColourJson(const Colour& colour) {
  if (!io::HasComponents(colour))
    return Json{{"kind", colour.kind}, {"data", io::DataHex(colour)}};
  Json components = Json::array();
  for (float value : io::Components(colour)) components.push_back(Number(value));
  switch (colour.kind) {
    case kGreyColour: return Json{{"grey", components[0]}};
    case kFourColour: return Json{{"cmyk", components}};
    default: return Json{{"rgb", components}};
  }
}

Json StyleJson(const PathStyle& style) {
  Json fill{{"paint", Flag(style.fillPaint)},
            {"overprint", Flag(style.fillOverprint)},
            {"colour", ColourJson(style.fill)},
            {"evenOdd", Flag(style.evenOdd)}};
  Json dashes = Json::array();
  for (int32_t i = 0; i < style.dashCount && i < 6; ++i) dashes.push_back(Number(style.dashes[i]));
  Json stroke{{"paint", Flag(style.strokePaint)},
              {"overprint", Flag(style.strokeOverprint)},
              {"colour", ColourJson(style.stroke)},
              {"width", Number(style.strokeWidth)},
              {"dashOffset", Number(style.dashOffset)},
              {"dashes", dashes},
              {"cap", Name(style.cap, {"butt", "round", "projecting"})},
              {"join", Name(style.join, {"miter", "round", "bevel"})},
              {"miterLimit", Number(style.miterLimit)}};
  return Json{{"fill", fill}, {"stroke", stroke}};
}

Json SegmentJson(const PathSegment& segment) {
  Json json{{"p", Point(segment.p)}};
  if (!SamePoint(segment.in, segment.p)) json["in"] = Point(segment.in);
  if (!SamePoint(segment.out, segment.p)) json["out"] = Point(segment.out);
  if (segment.corner != 0) json["corner"] = Flag(segment.corner);
  return json;
}

Json Attributes(const std::vector<std::pair<std::string, std::string>>& attributes) {
  Json list = Json::array();
  for (const auto& [name, value] : attributes) list.push_back(Json::array({name, value}));
  return list;
}

const char* TypeName(ArtType type) {
  switch (type) {
    case ArtType::Group: return "group";
    case ArtType::Path: return "path";
    case ArtType::Compound: return "compound";
    default: return "foreign";
  }
}

Json ArtJson(const Art& art) {
  Json json{{"type", TypeName(art.type)}};
  if (!art.id.empty()) json["id"] = art.id;
  if (art.type == ArtType::Foreign) {
    json["svg"] = art.xml;
    return json;
  }
  json["selected"] = art.selected;
  if (art.type == ArtType::Path) {
    json["closed"] = art.closed;
    json["guide"] = art.guide;
  } else if (art.type == ArtType::Compound) {
    json["guide"] = art.guide;
  }
  if (art.type != ArtType::Group) json["style"] = StyleJson(art.style);
  if (!art.extraAttributes.empty()) json["svgAttributes"] = Attributes(art.extraAttributes);
  if (art.type == ArtType::Path) {
    Json segments = Json::array();
    for (const auto& segment : art.segments) segments.push_back(SegmentJson(segment));
    json["segments"] = std::move(segments);
  } else {
    Json members = Json::array();
    for (const Art* member : art.members)
      if (member->alive) members.push_back(ArtJson(*member));
    json["members"] = std::move(members);
  }
  return json;
}

Json LayerJson(const Layer& layer, bool current) {
  Json json{{"title", layer.title},
            {"visible", layer.visible},
            {"locked", layer.locked},
            {"current", current}};
  if (!layer.id.empty()) json["id"] = layer.id;
  if (!layer.extraAttributes.empty()) json["svgAttributes"] = Attributes(layer.extraAttributes);
  Json art = Json::array();
  for (const Art* a : layer.art)
    if (a->alive) art.push_back(ArtJson(*a));
  json["art"] = std::move(art);
  return json;
}

}  // namespace

std::string WriteJson(const Document& document) {
  Json root{{"page", Json{{"width", Number(document.width)}, {"height", Number(document.height)}}}};
  Json layers = Json::array();
  for (const Layer* layer : document.layers)
    if (layer->alive) layers.push_back(LayerJson(*layer, layer == document.current));
  root["layers"] = std::move(layers);
  if (!document.svgRootAttributes.empty() || !document.svgPrologue.empty()) {
    Json svg = Json::object();
    if (!document.svgRootAttributes.empty())
      svg["rootAttributes"] = Attributes(document.svgRootAttributes);
    if (!document.svgPrologue.empty()) svg["prologue"] = document.svgPrologue;
    root["svg"] = std::move(svg);
  }
  return io::FormatJson(root);
}

}  // namespace corvane::host
