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

// An empty object with room for `members` members. ordered_json keeps
// members in a vector of pairs with constant keys, so growing it copies every
// member, subtrees and all; objects here get their room first and take their
// large members by move.
Json Object(size_t members) {
  Json object = Json::object();
  object.get_ref<Json::object_t&>().reserve(members);
  return object;
}

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
  Json json = Object(2);
  if (!io::HasComponents(colour)) {
    json["kind"] = colour.kind;
    json["data"] = io::DataHex(colour);
    return json;
  }
  std::vector<float> values = io::Components(colour);
  if (colour.kind == kGreyColour) {
    json["grey"] = Number(values[0]);
    return json;
  }
  Json components = Json::array();
  for (float value : values) components.push_back(Number(value));
  json[colour.kind == kFourColour ? "cmyk" : "rgb"] = std::move(components);
  return json;
}

Json StyleJson(const PathStyle& style) {
  Json fill = Object(4);
  fill["paint"] = Flag(style.fillPaint);
  fill["overprint"] = Flag(style.fillOverprint);
  fill["colour"] = ColourJson(style.fill);
  fill["evenOdd"] = Flag(style.evenOdd);
  Json dashes = Json::array();
  for (int32_t i = 0; i < style.dashCount && i < 6; ++i) dashes.push_back(Number(style.dashes[i]));
  Json stroke = Object(9);
  stroke["paint"] = Flag(style.strokePaint);
  stroke["overprint"] = Flag(style.strokeOverprint);
  stroke["colour"] = ColourJson(style.stroke);
  stroke["width"] = Number(style.strokeWidth);
  stroke["dashOffset"] = Number(style.dashOffset);
  stroke["dashes"] = std::move(dashes);
  stroke["cap"] = Name(style.cap, {"butt", "round", "projecting"});
  stroke["join"] = Name(style.join, {"miter", "round", "bevel"});
  stroke["miterLimit"] = Number(style.miterLimit);
  Json json = Object(2);
  json["fill"] = std::move(fill);
  json["stroke"] = std::move(stroke);
  return json;
}

Json SegmentJson(const PathSegment& segment) {
  Json json = Object(4);
  json["p"] = Point(segment.p);
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
  Json json = Object(8);
  json["type"] = TypeName(art.type);
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
  Json json = Object(7);
  json["title"] = layer.title;
  json["visible"] = layer.visible;
  json["locked"] = layer.locked;
  json["current"] = current;
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
  Json page = Object(2);
  page["width"] = Number(document.width);
  page["height"] = Number(document.height);
  Json root = Object(3);
  root["page"] = std::move(page);
  Json layers = Json::array();
  for (const Layer* layer : document.layers)
    if (layer->alive) layers.push_back(LayerJson(*layer, layer == document.current));
  root["layers"] = std::move(layers);
  if (!document.svgRootAttributes.empty() || !document.svgPrologue.empty()) {
    Json svg = Object(2);
    if (!document.svgRootAttributes.empty())
      svg["rootAttributes"] = Attributes(document.svgRootAttributes);
    if (!document.svgPrologue.empty()) svg["prologue"] = document.svgPrologue;
    root["svg"] = std::move(svg);
  }
  return io::FormatJson(root);
}

}  // namespace corvane::host
