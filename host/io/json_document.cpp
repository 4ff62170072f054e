// Reader of the native JSON form (described in json_document.h).
#include "host/io/json_document.h"

#include "host/io/colour_data.h"
#include "host/io/document_io.h"
#include "host/io/number_text.h"
#include "host/io/text_position.h"

#include <cmath>
#include <limits>

namespace corvane::host {
namespace {

using Json = nlohmann::json;

// Thrown inside the reader only; ReadJson turns it into an IoError.
struct JsonFailure {
  std::string message;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
  throw JsonFailure{path + ": " + what};
}

std::string Member(const std::string& path, const char* key) {
  return path.empty() ? key : path + "." + key;
}

std::string Item(const std::string& path, size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

void CheckObject(const Json& json, const std::string& path, std::initializer_list<const char*> keys) {
  if (!json.is_object()) Fail(path, "expected an object");
  for (const auto& [key, value] : json.items()) {
    bool known = false;
    for (const char* k : keys) known = known || key == k;
    if (!known) Fail(path, "unknown field '" + key + "'");
  }
}

const Json* Find(const Json& object, const char* key) {
  auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

const Json& Require(const Json& object, const char* key, const std::string& path) {
  const Json* value = Find(object, key);
  if (!value) Fail(path, std::string("missing required field '") + key + "'");
  return *value;
}

float ReadNumber(const Json& json, const std::string& path) {
  if (!json.is_number()) Fail(path, "expected a number");
  auto value = io::NarrowToFloat(json.get<double>());
  if (!value) Fail(path, "expected a finite single-precision number");
  return *value;
}

bool ReadBool(const Json& json, const std::string& path) {
  if (!json.is_boolean()) Fail(path, "expected true or false");
  return json.get<bool>();
}

int32_t ReadInteger(const Json& json, const std::string& path) {
  if (!json.is_number_integer()) Fail(path, "expected an integer");
  auto value = json.get<int64_t>();
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    Fail(path, "integer out of range");
  return static_cast<int32_t>(value);
}

int32_t ReadFlag(const Json& json, const std::string& path) {
  if (json.is_boolean()) return json.get<bool>() ? 1 : 0;
  if (json.is_number_integer()) return ReadInteger(json, path);
  Fail(path, "expected true or false");
}

std::string ReadString(const Json& json, const std::string& path) {
  if (!json.is_string()) Fail(path, "expected a string");
  return json.get<std::string>();
}

std::vector<float> ReadNumbers(const Json& json, const std::string& path, size_t count) {
  std::string expected = "expected an array of " + std::to_string(count) + " numbers";
  if (!json.is_array() || json.size() != count) Fail(path, expected);
  std::vector<float> values;
  for (size_t i = 0; i < count; ++i) {
    if (!json[i].is_number()) Fail(path, expected);
    values.push_back(ReadNumber(json[i], Item(path, i)));
  }
  return values;
}

RealPoint ReadPoint(const Json& json, const std::string& path) {
  auto values = ReadNumbers(json, path, 2);
  return RealPoint{values[0], values[1]};
}

int32_t ReadNamed(const Json& json, const std::string& path, std::initializer_list<const char*> names) {
  if (json.is_number_integer()) return ReadInteger(json, path);
  std::string expected = "expected one of";
  for (const char* name : names) expected += std::string(" '") + name + "'";
  if (!json.is_string()) Fail(path, expected);
  int32_t index = 0;
  for (const char* name : names) {
    if (json.get<std::string>() == name) return index;
    ++index;
  }
  Fail(path, expected);
}

Colour ReadColour(const Json& json, const std::string& path) {
  if (!json.is_object() || json.empty()) Fail(path, "expected a colour object");
  if (json.size() == 1 && json.contains("grey"))
    return io::MakeColour(kGreyColour, {ReadNumber(json["grey"], Member(path, "grey"))});
  if (json.size() == 1 && json.contains("cmyk"))
    return io::MakeColour(kFourColour, ReadNumbers(json["cmyk"], Member(path, "cmyk"), 4));
  if (json.size() == 1 && json.contains("rgb"))
    return io::MakeColour(kThreeColour, ReadNumbers(json["rgb"], Member(path, "rgb"), 3));
  if (json.contains("kind") || json.contains("data")) {
    CheckObject(json, path, {"kind", "data"});
    int32_t kind = ReadInteger(Require(json, "kind", path), Member(path, "kind"));
    std::string hex = ReadString(Require(json, "data", path), Member(path, "data"));
    auto colour = io::ColourFromHex(kind, hex);
    if (!colour) Fail(Member(path, "data"), "expected 128 hex digits");
    return *colour;
  }
  Fail(path, "expected one of {\"grey\": g}, {\"cmyk\": [...]}, {\"rgb\": [...]}, {\"kind\": n, \"data\": hex}");
}

// Paint flag and colour, shared by fill and stroke.
void ReadPaint(const Json& json, const std::string& path, int32_t& paint, int32_t& overprint, Colour& colour) {
  paint = 1;
  if (const Json* p = Find(json, "paint")) paint = ReadFlag(*p, Member(path, "paint"));
  if (const Json* o = Find(json, "overprint")) overprint = ReadFlag(*o, Member(path, "overprint"));
  if (const Json* c = Find(json, "colour"))
    colour = ReadColour(*c, Member(path, "colour"));
  else if (paint != 0)
    Fail(path, "missing required field 'colour'");
}

void ReadFill(const Json& json, const std::string& path, PathStyle& style) {
  CheckObject(json, path, {"paint", "overprint", "colour", "evenOdd"});
  ReadPaint(json, path, style.fillPaint, style.fillOverprint, style.fill);
  if (const Json* e = Find(json, "evenOdd")) style.evenOdd = ReadFlag(*e, Member(path, "evenOdd"));
}

void ReadStroke(const Json& json, const std::string& path, PathStyle& style) {
  CheckObject(json, path,
              {"paint", "overprint", "colour", "width", "dashOffset", "dashes", "cap", "join", "miterLimit"});
  ReadPaint(json, path, style.strokePaint, style.strokeOverprint, style.stroke);
  if (const Json* w = Find(json, "width")) style.strokeWidth = ReadNumber(*w, Member(path, "width"));
  if (const Json* o = Find(json, "dashOffset")) style.dashOffset = ReadNumber(*o, Member(path, "dashOffset"));
  if (const Json* d = Find(json, "dashes")) {
    std::string at = Member(path, "dashes");
    if (!d->is_array() || d->size() > 6) Fail(at, "expected an array of at most 6 numbers");
    style.dashCount = static_cast<int32_t>(d->size());
    for (size_t i = 0; i < d->size(); ++i) style.dashes[i] = ReadNumber((*d)[i], Item(at, i));
  }
  if (const Json* c = Find(json, "cap")) style.cap = ReadNamed(*c, Member(path, "cap"), {"butt", "round", "projecting"});
  if (const Json* j = Find(json, "join")) style.join = ReadNamed(*j, Member(path, "join"), {"miter", "round", "bevel"});
  if (const Json* m = Find(json, "miterLimit")) style.miterLimit = ReadNumber(*m, Member(path, "miterLimit"));
}

PathStyle ReadStyle(const Json& json, const std::string& path) {
  CheckObject(json, path, {"fill", "stroke"});
  PathStyle style{};
  style.strokeWidth = 1.0f;
  style.miterLimit = 4.0f;
  if (const Json* fill = Find(json, "fill")) ReadFill(*fill, Member(path, "fill"), style);
  if (const Json* stroke = Find(json, "stroke")) ReadStroke(*stroke, Member(path, "stroke"), style);
  return style;
}

PathSegment ReadSegment(const Json& json, const std::string& path) {
  CheckObject(json, path, {"p", "in", "out", "corner"});
  PathSegment segment{};
  segment.p = ReadPoint(Require(json, "p", path), Member(path, "p"));
  segment.in = segment.out = segment.p;
  if (const Json* in = Find(json, "in")) segment.in = ReadPoint(*in, Member(path, "in"));
  if (const Json* out = Find(json, "out")) segment.out = ReadPoint(*out, Member(path, "out"));
  if (const Json* corner = Find(json, "corner")) segment.corner = ReadFlag(*corner, Member(path, "corner"));
  return segment;
}

std::vector<std::pair<std::string, std::string>> ReadAttributes(const Json& json, const std::string& path) {
  if (!json.is_array()) Fail(path, "expected an array of [name, value] pairs");
  std::vector<std::pair<std::string, std::string>> attributes;
  for (size_t i = 0; i < json.size(); ++i) {
    const Json& pair = json[i];
    if (!pair.is_array() || pair.size() != 2 || !pair[0].is_string() || !pair[1].is_string())
      Fail(Item(path, i), "expected a [name, value] pair of strings");
    attributes.emplace_back(pair[0].get<std::string>(), pair[1].get<std::string>());
  }
  return attributes;
}

class Reader {
 public:
  explicit Reader(Document& document) : document_(document) {}

  void readLayers(const Json& json, const std::string& path) {
    if (!json.is_array()) Fail(path, "expected an array");
    Layer* current = nullptr;
    for (size_t i = 0; i < json.size(); ++i) {
      bool isCurrent = false;
      Layer* layer = readLayer(json[i], Item(path, i), isCurrent);
      if (isCurrent && current) Fail(Item(path, i) + ".current", "more than one layer is current");
      if (isCurrent) current = layer;
    }
    document_.current = current ? current : (document_.layers.empty() ? nullptr : document_.layers.back());
  }

 private:
  Layer* readLayer(const Json& json, const std::string& path, bool& current) {
    CheckObject(json, path, {"title", "visible", "locked", "current", "id", "svgAttributes", "art"});
    Layer* layer = document_.createLayer();
    document_.layers.push_back(layer);
    if (const Json* t = Find(json, "title")) layer->title = ReadString(*t, Member(path, "title"));
    if (const Json* v = Find(json, "visible")) layer->visible = ReadBool(*v, Member(path, "visible"));
    if (const Json* l = Find(json, "locked")) layer->locked = ReadBool(*l, Member(path, "locked"));
    if (const Json* c = Find(json, "current")) current = ReadBool(*c, Member(path, "current"));
    if (const Json* id = Find(json, "id")) layer->id = ReadString(*id, Member(path, "id"));
    if (const Json* a = Find(json, "svgAttributes"))
      layer->extraAttributes = ReadAttributes(*a, Member(path, "svgAttributes"));
    if (const Json* art = Find(json, "art")) {
      std::string at = Member(path, "art");
      if (!art->is_array()) Fail(at, "expected an array");
      for (size_t i = 0; i < art->size(); ++i)
        layer->art.push_back(readArt((*art)[i], Item(at, i), layer, nullptr, false));
    }
    return layer;
  }

  Art* readArt(const Json& json, const std::string& path, Layer* layer, Art* parent, bool pathOnly) {
    if (!json.is_object()) Fail(path, "expected an object");
    std::string type = ReadString(Require(json, "type", path), Member(path, "type"));
    if (pathOnly && type != "path") Fail(Member(path, "type"), "a compound path holds paths only");
    if (type == "path") {
      CheckObject(json, path, {"type", "id", "selected", "closed", "guide", "style", "svgAttributes", "segments"});
    } else if (type == "compound") {
      CheckObject(json, path, {"type", "id", "selected", "guide", "style", "svgAttributes", "members"});
    } else if (type == "group") {
      CheckObject(json, path, {"type", "id", "selected", "svgAttributes", "members"});
    } else if (type == "foreign") {
      CheckObject(json, path, {"type", "id", "svg"});
    } else {
      Fail(Member(path, "type"), "unknown art type '" + type + "'");
    }
    ArtType artType = type == "path"       ? ArtType::Path
                      : type == "compound" ? ArtType::Compound
                      : type == "group"    ? ArtType::Group
                                           : ArtType::Foreign;
    Art* art = document_.createArt(artType);
    art->layer = layer;
    art->parent = parent;
    if (const Json* id = Find(json, "id")) art->id = ReadString(*id, Member(path, "id"));
    if (artType == ArtType::Foreign) {
      art->xml = ReadString(Require(json, "svg", path), Member(path, "svg"));
      return art;
    }
    if (const Json* s = Find(json, "selected")) art->selected = ReadBool(*s, Member(path, "selected"));
    if (const Json* c = Find(json, "closed")) art->closed = ReadBool(*c, Member(path, "closed"));
    if (const Json* g = Find(json, "guide")) art->guide = ReadBool(*g, Member(path, "guide"));
    if (artType != ArtType::Group) {
      const Json* style = Find(json, "style");
      art->style = style ? ReadStyle(*style, Member(path, "style")) : DefaultArtStyle();
    }
    if (const Json* a = Find(json, "svgAttributes"))
      art->extraAttributes = ReadAttributes(*a, Member(path, "svgAttributes"));
    if (artType == ArtType::Path)
      readSegments(Require(json, "segments", path), Member(path, "segments"), *art);
    else
      readMembers(Require(json, "members", path), Member(path, "members"), *art);
    return art;
  }

  void readSegments(const Json& json, const std::string& path, Art& art) {
    if (!json.is_array()) Fail(path, "expected an array");
    if (json.size() > kMaxSegments)
      Fail(path, "more than " + std::to_string(kMaxSegments) + " segments");
    for (size_t i = 0; i < json.size(); ++i) art.segments.push_back(ReadSegment(json[i], Item(path, i)));
  }

  void readMembers(const Json& json, const std::string& path, Art& art) {
    if (!json.is_array()) Fail(path, "expected an array");
    if (++depth_ > kMaxFileNesting) Fail(path, "nested deeper than " + std::to_string(kMaxFileNesting) + " levels");
    for (size_t i = 0; i < json.size(); ++i)
      art.members.push_back(readArt(json[i], Item(path, i), art.layer, &art, art.type == ArtType::Compound));
    --depth_;
  }

  Document& document_;
  int depth_ = 0;
};

float ReadPageSize(const Json& page, const char* key) {
  float value = ReadNumber(Require(page, key, "page"), Member("page", key));
  if (!(value > 0)) Fail(Member("page", key), "must be above 0");
  return value;
}

void ReadSvgExtras(const Json& json, Document& document) {
  CheckObject(json, "svg", {"rootAttributes", "prologue"});
  if (const Json* a = Find(json, "rootAttributes"))
    document.svgRootAttributes = ReadAttributes(*a, "svg.rootAttributes");
  if (const Json* p = Find(json, "prologue")) {
    if (!p->is_array()) Fail("svg.prologue", "expected an array of strings");
    for (size_t i = 0; i < p->size(); ++i)
      document.svgPrologue.push_back(ReadString((*p)[i], Item("svg.prologue", i)));
  }
}

std::unique_ptr<Document> ReadDocument(const Json& json) {
  if (!json.is_object()) Fail("document", "expected an object");
  CheckObject(json, "document", {"page", "layers", "svg"});
  const Json& page = Require(json, "page", "document");
  CheckObject(page, "page", {"width", "height"});
  auto document = std::make_unique<Document>(ReadPageSize(page, "width"), ReadPageSize(page, "height"));
  Reader(*document).readLayers(Require(json, "layers", "document"), "layers");
  if (const Json* svg = Find(json, "svg")) ReadSvgExtras(*svg, *document);
  return document;
}

}  // namespace

ReadResult ReadJson(std::string_view text) {
  try {
    Json json = Json::parse(text.begin(), text.end());
    return ReadResult{ReadDocument(json), {}};
  } catch (const JsonFailure& failure) {
    return ReadResult::Failure(IoError{failure.message});
  } catch (const Json::parse_error& error) {
    std::string message = error.what();
    size_t start = message.find("] ");
    if (start != std::string::npos) message.erase(0, start + 2);
    auto position = io::PositionOf(text, error.byte > 0 ? error.byte - 1 : 0);
    return ReadResult::Failure(IoError{message, position.line, position.column});
  } catch (const std::exception& error) {
    std::string message = error.what();
    size_t start = message.find("] ");
    if (start != std::string::npos) message.erase(0, start + 2);
    return ReadResult::Failure(IoError{message});
  }
}

}  // namespace corvane::host
