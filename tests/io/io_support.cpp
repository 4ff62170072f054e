#include "io_support.h"

#include "host/io/colour_data.h"

#include <cmath>
#include <limits>

namespace corvane::testing {
namespace {

std::string Text(float value) { return std::to_string(value); }

std::string PointText(const RealPoint& p) { return "(" + Text(p.h) + ", " + Text(p.v) + ")"; }

std::string ArtDifference(const Art& a, const Art& b, const std::string& at, CompareOptions options);

std::string ListDifference(const std::vector<Art*>& a, const std::vector<Art*>& b, const std::string& at,
                           CompareOptions options) {
  if (a.size() != b.size())
    return at + ": " + std::to_string(a.size()) + " vs " + std::to_string(b.size()) + " items";
  for (size_t i = 0; i < a.size(); ++i) {
    std::string difference = ArtDifference(*a[i], *b[i], at + "[" + std::to_string(i) + "]", options);
    if (!difference.empty()) return difference;
  }
  return "";
}

std::string SegmentsDifference(const Art& a, const Art& b, const std::string& at) {
  if (a.segments.size() != b.segments.size())
    return at + ".segments: " + std::to_string(a.segments.size()) + " vs " + std::to_string(b.segments.size());
  for (size_t i = 0; i < a.segments.size(); ++i) {
    const PathSegment& s = a.segments[i];
    const PathSegment& t = b.segments[i];
    std::string where = at + ".segments[" + std::to_string(i) + "]";
    if (!SameBits(s.p, t.p)) return where + ".p: " + PointText(s.p) + " vs " + PointText(t.p);
    if (!SameBits(s.in, t.in)) return where + ".in: " + PointText(s.in) + " vs " + PointText(t.in);
    if (!SameBits(s.out, t.out)) return where + ".out: " + PointText(s.out) + " vs " + PointText(t.out);
    if (s.corner != t.corner) return where + ".corner: " + std::to_string(s.corner) + " vs " + std::to_string(t.corner);
  }
  return "";
}

std::string ArtDifference(const Art& a, const Art& b, const std::string& at, CompareOptions options) {
  if (a.type != b.type) return at + ".type differs";
  if (a.id != b.id) return at + ".id: '" + a.id + "' vs '" + b.id + "'";
  if (a.xml != b.xml) return at + ".xml: " + a.xml + " vs " + b.xml;
  if (a.type == ArtType::Foreign) return "";
  if (a.extraAttributes != b.extraAttributes) return at + ".extraAttributes differ";
  if (options.selection && a.selected != b.selected) return at + ".selected differs";
  if (a.type == ArtType::Path || a.type == ArtType::Compound) {
    if (a.guide != b.guide) return at + ".guide differs";
    std::string style = StyleDifference(a.style, b.style);
    if (!style.empty()) return at + ".style." + style;
  }
  if (a.type == ArtType::Path) {
    if (a.closed != b.closed) return at + ".closed differs";
    return SegmentsDifference(a, b, at);
  }
  return ListDifference(a.members, b.members, at + ".members", options);
}

}  // namespace

std::string ColourDifference(const Colour& a, const Colour& b) {
  if (a.kind != b.kind) return "kind " + std::to_string(a.kind) + " vs " + std::to_string(b.kind);
  if (host::io::HasComponents(a) && host::io::HasComponents(b)) {
    auto x = host::io::Components(a), y = host::io::Components(b);
    for (size_t i = 0; i < x.size(); ++i)
      if (!SameBits(x[i], y[i])) return "component " + std::to_string(i) + ": " + Text(x[i]) + " vs " + Text(y[i]);
    return "";
  }
  return std::memcmp(a.data.raw, b.data.raw, sizeof a.data.raw) == 0 ? "" : "data bytes differ";
}

std::string StyleDifference(const PathStyle& a, const PathStyle& b) {
  auto flag = [](const char* name, int32_t x, int32_t y) {
    return x == y ? std::string() : std::string(name) + ": " + std::to_string(x) + " vs " + std::to_string(y);
  };
  auto real = [](const char* name, float x, float y) {
    return SameBits(x, y) ? std::string() : std::string(name) + ": " + Text(x) + " vs " + Text(y);
  };
  for (std::string difference :
       {flag("fillPaint", a.fillPaint, b.fillPaint), flag("fillOverprint", a.fillOverprint, b.fillOverprint),
        flag("strokePaint", a.strokePaint, b.strokePaint),
        flag("strokeOverprint", a.strokeOverprint, b.strokeOverprint),
        real("strokeWidth", a.strokeWidth, b.strokeWidth), real("dashOffset", a.dashOffset, b.dashOffset),
        flag("dashCount", a.dashCount, b.dashCount), flag("cap", a.cap, b.cap), flag("join", a.join, b.join),
        real("miterLimit", a.miterLimit, b.miterLimit), flag("evenOdd", a.evenOdd, b.evenOdd)})
    if (!difference.empty()) return difference;
  for (int32_t i = 0; i < a.dashCount && i < 6; ++i)
    if (!SameBits(a.dashes[i], b.dashes[i])) return "dashes[" + std::to_string(i) + "] differ";
  if (auto fill = ColourDifference(a.fill, b.fill); !fill.empty()) return "fill colour: " + fill;
  if (auto stroke = ColourDifference(a.stroke, b.stroke); !stroke.empty()) return "stroke colour: " + stroke;
  return "";
}

std::string DocumentDifference(const Document& a, const Document& b, CompareOptions options) {
  if (!SameBits(a.width, b.width) || !SameBits(a.height, b.height)) return "page size differs";
  if (a.svgPrologue != b.svgPrologue) return "svgPrologue differs";
  if (a.svgRootAttributes != b.svgRootAttributes) return "svgRootAttributes differ";
  if (a.layers.size() != b.layers.size()) return "layer count differs";
  for (size_t i = 0; i < a.layers.size(); ++i) {
    const Layer& x = *a.layers[i];
    const Layer& y = *b.layers[i];
    std::string at = "layers[" + std::to_string(i) + "]";
    if (x.title != y.title) return at + ".title: '" + x.title + "' vs '" + y.title + "'";
    if (x.visible != y.visible || x.locked != y.locked) return at + " visibility or lock differs";
    if (x.id != y.id) return at + ".id differs";
    if (x.extraAttributes != y.extraAttributes) return at + ".extraAttributes differ";
    if ((a.current == &x) != (b.current == &y)) return at + " current differs";
    std::string art = ListDifference(x.art, y.art, at + ".art", options);
    if (!art.empty()) return art;
  }
  return "";
}

Colour Grey(float g) { return host::io::MakeColour(kGreyColour, {g}); }
Colour Cmyk(float c, float m, float y, float k) { return host::io::MakeColour(kFourColour, {c, m, y, k}); }
Colour Rgb(float r, float g, float b) { return host::io::MakeColour(kThreeColour, {r, g, b}); }

Colour Opaque(int32_t kind, uint8_t seed) {
  Colour colour{};
  colour.kind = kind;
  for (size_t i = 0; i < sizeof colour.data.raw; ++i) colour.data.raw[i] = static_cast<uint8_t>(seed + i * 7);
  return colour;
}

PathStyle BusyStyle() {
  PathStyle style = host::DefaultArtStyle();
  style.fillPaint = 1;
  style.fill = Cmyk(0.1f, 0.3f, 0.7f, 0.0f);
  style.fillOverprint = 1;
  style.strokePaint = 1;
  style.stroke = Rgb(0.2f, 0.4f, 0.6f);
  style.strokeOverprint = 1;
  style.strokeWidth = 72.5f;
  style.dashOffset = 1.5f;
  style.dashCount = 3;
  style.dashes[0] = 4;
  style.dashes[1] = 2.25f;
  style.dashes[2] = 0.1f;
  style.cap = 1;
  style.join = 2;
  style.miterLimit = 10;
  style.evenOdd = 1;
  return style;
}

PathSegment Corner(float x, float y) { return PathSegment{{x, y}, {x, y}, {x, y}, 1}; }

PathSegment Smooth(float x, float y, float dx, float dy) {
  return PathSegment{{x, y}, {x - dx, y - dy}, {x + dx, y + dy}, 0};
}

Art* AddPath(Document& document, Layer* layer, Art* parent, std::vector<PathSegment> segments, bool closed) {
  Art* art = document.createArt(ArtType::Path);
  art->segments = std::move(segments);
  art->closed = closed;
  art->layer = layer;
  art->parent = parent;
  (parent ? parent->members : layer->art).push_back(art);
  return art;
}

namespace {

Art* AddContainer(Document& document, Layer* layer, ArtType type) {
  Art* art = document.createArt(type);
  art->layer = layer;
  layer->art.push_back(art);
  return art;
}

void AddPaths(Document& document, Layer* layer) {
  // Lines and curves, an open path whose end controls are off its anchors,
  // corner flags that disagree with the geometry.
  Art* open = AddPath(document, layer, nullptr,
                      {Smooth(10, 20, 5, 0), Corner(40.5f, 60.25f), Smooth(80, 20, 0, -8)}, false);
  open->id = "open";
  open->segments[1].corner = 0;
  open->style = BusyStyle();
  // A closed path whose closing segment is a curve, with tiny, huge and
  // negative-zero coordinates.
  Art* curved = AddPath(document, layer, nullptr,
                        {Smooth(-0.0f, 1e-10f, 3, 4), Corner(1e30f, -3.5e-7f), Smooth(123.456f, 700.125f, -2, 1)},
                        true);
  curved->style.fill = Grey(0.25f);
  curved->style.fillPaint = 1;
  curved->style.stroke = Grey(-0.5f);  // out of range, kept exactly
  curved->style.strokeWidth = -2.5f;
  // Closed, all lines, last anchor on the first: the closing segment has no length.
  Art* doubled = AddPath(document, layer, nullptr, {Corner(0, 0), Corner(50, 0), Corner(50, 50), Corner(0, 0)}, true);
  doubled->style.fillPaint = 1;
  doubled->style.fill = Rgb(1.7f, 0.5f, 128.0f / 255);  // inexact in hex and out of range
  doubled->style.stroke = Opaque(kPatternColour, 3);
  doubled->guide = true;
  // One anchor, closed by a curve looping back to it.
  Art* loop = AddPath(document, layer, nullptr, {Smooth(300, 300, 20, 20)}, true);
  loop->style.fill = Opaque(kSpotColour, 9);  // unpainted, colour kept
  loop->style.fillPaint = 0;
  // A grey whose component is no finite number: kept as bytes.
  loop->style.stroke = Opaque(kGreyColour, 200);
  float notANumber = std::numeric_limits<float>::quiet_NaN();
  std::memcpy(loop->style.stroke.data.raw, &notANumber, sizeof notANumber);
  loop->extraAttributes = {{"opacity", "0.5"}, {"data-note", "a \"quoted\" <value> & more"}};
  AddPath(document, layer, nullptr, {}, false);  // empty
}

void AddContainers(Document& document, Layer* layer) {
  PathStyle shared = BusyStyle();
  Art* ring = AddContainer(document, layer, ArtType::Compound);
  ring->id = "ring";
  ring->style = shared;
  for (float r : {40.0f, 20.0f}) {
    Art* member = AddPath(document, layer, ring,
                          {Smooth(200 + r, 200, 0, r * 0.55f), Smooth(200, 200 + r, -r * 0.55f, 0),
                           Smooth(200 - r, 200, 0, -r * 0.55f), Smooth(200, 200 - r, r * 0.55f, 0)},
                          true);
    member->style = shared;
  }
  Art* single = AddContainer(document, layer, ArtType::Compound);
  single->style = host::DefaultArtStyle();
  AddPath(document, layer, single, {Corner(1, 1), Corner(2, 3)}, false)->style = single->style;

  Art* group = AddContainer(document, layer, ArtType::Group);
  group->id = "outer";
  group->extraAttributes = {{"class", "frame"}};
  Art* inner = document.createArt(ArtType::Group);
  inner->layer = layer;
  inner->parent = group;
  group->members.push_back(inner);
  AddPath(document, layer, inner, {Corner(5, 5), Corner(6, 6)}, false)->id = "deep";
  Art* foreign = document.createArt(ArtType::Foreign);
  foreign->xml = "<text x=\"10\" y=\"20\" font-size=\"12\">Label &amp; <tspan>more</tspan></text>";
  foreign->layer = layer;
  foreign->parent = group;
  group->members.push_back(foreign);
}

}  // namespace

std::unique_ptr<Document> MakeRichDocument() {
  auto document = std::make_unique<Document>(595.25f, 841.75f);
  Layer* base = document->createLayer();
  base->title = "Base";
  base->id = "base";
  base->extraAttributes = {{"style", "opacity:0.8"}};
  document->layers.push_back(base);
  AddPaths(*document, base);
  AddContainers(*document, base);
  Layer* hidden = document->createLayer();
  hidden->title = " Hidden & locked";
  hidden->visible = false;
  hidden->locked = true;
  document->layers.push_back(hidden);
  AddPath(*document, hidden, nullptr, {Corner(1, 2), Corner(3, 4)}, false);
  Layer* empty = document->createLayer();
  document->layers.push_back(empty);
  document->current = base;
  document->svgPrologue = {"<defs><linearGradient id=\"g\"/></defs>"};
  document->svgRootAttributes = {{"version", "1.1"}, {"xmlns:xlink", "http://www.w3.org/1999/xlink"}};
  return document;
}

std::unique_ptr<Document> MakeJsonOnlyDocument() {
  auto document = MakeRichDocument();
  Layer* base = document->layers[0];
  base->art[0]->selected = true;
  base->art[0]->segments[0].corner = 5;
  base->art[1]->style.fillPaint = 2;
  base->art[1]->style.cap = 7;
  Art* ring = base->art[5];
  ring->selected = true;
  ring->members[1]->style = host::DefaultArtStyle();
  ring->members[1]->id = "hole";
  ring->members[1]->extraAttributes = {{"k", "v"}};
  document->current = document->layers[2];
  return document;
}

}  // namespace corvane::testing
