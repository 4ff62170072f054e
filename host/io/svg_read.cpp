// Reader of the SVG form (described in svg_document.h).
#include "host/io/document_io.h"
#include "host/io/number_text.h"
#include "host/io/svg_document.h"
#include "host/io/svg_geometry.h"
#include "host/io/svg_shapes.h"
#include "host/io/svg_style.h"
#include "host/io/text_position.h"
#include "host/io/utf8_text.h"

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace corvane::host {
namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

// Thrown inside the reader only; ReadSvg turns it into an IoError.
struct SvgFailure {
  IoError error;
};

// What the ancestors of an element hand down to it.
struct Context {
  io::Matrix matrix;
  io::PaintProperties paint;
};

// An element's attributes, sorted into what the reader interprets and what
// it carries.
struct ElementAttributes {
  std::string id;
  std::optional<std::string> transform;
  io::PaintProperties paint;   // declared here; "inherit" leaves a property out
  std::set<std::string> inherited;  // properties declared "inherit"
  std::map<std::string, std::string> interpreted;
  Attributes carried;

  const std::string* find(const std::string& name) const {
    auto it = interpreted.find(name);
    return it == interpreted.end() ? nullptr : &it->second;
  }
};

const std::set<std::string>& PathNames() {
  static const std::set<std::string> kNames{
      "d",                      "corvane:compound",      "corvane:fill",       "corvane:stroke",
      "corvane:fill-data",      "corvane:stroke-data",   "corvane:fill-overprint",
      "corvane:stroke-overprint", "corvane:stroke-width", "corvane:guide",      "corvane:corners",
      "corvane:ends"};
  return kNames;
}

const std::set<std::string>& LayerNames() {
  static const std::set<std::string> kNames{"inkscape:groupmode", "inkscape:label", "sodipodi:insensitive",
                                            "corvane:current", "display"};
  return kNames;
}

const std::set<std::string>& RootNames() {
  static const std::set<std::string> kNames{"width",          "height",         "viewBox",       "xmlns",
                                            "xmlns:inkscape", "xmlns:sodipodi", "xmlns:corvane"};
  return kNames;
}

// Top-level elements that draw nothing by themselves.
bool IsPrologue(const std::string& name) {
  static const std::set<std::string> kNames{
      "defs",   "metadata", "title", "desc",   "style",     "script",    "linearGradient", "radialGradient",
      "pattern", "clipPath", "mask", "marker", "symbol",    "filter",    "font",           "font-face",
      "color-profile", "cursor"};
  return kNames.count(name) != 0 || name.find(':') != std::string::npos;
}

// Paint values are handed down to everything below the element that
// declares them: every path reads them again and every foreign element
// carries a copy. Bounding their length keeps that work in proportion to the
// file; no colour, length or paint server reference needs more.
constexpr size_t kMaxPaintValue = 1024;

void CheckPaintLengths(const io::PaintProperties& paint) {
  for (const auto& [name, value] : paint)
    if (value.size() > kMaxPaintValue)
      throw io::SvgError{name + ": value longer than " + std::to_string(kMaxPaintValue) + " characters"};
}

ElementAttributes SortAttributes(const pugi::xml_node& node, const std::set<std::string>& interpretedNames,
                                 bool layer) {
  ElementAttributes sorted;
  io::Declarations styleDeclarations;
  auto declare = [&](const std::string& name, const std::string& value) {
    if (value == "inherit") {
      sorted.paint.erase(name);
      sorted.inherited.insert(name);
    } else {
      sorted.paint[name] = value;
      sorted.inherited.erase(name);
    }
  };
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    std::string name = attribute.name();
    std::string value = attribute.value();
    if (name == "id") {
      sorted.id = value;
    } else if (name == "transform") {
      sorted.transform = value;
    } else if (io::IsPaintProperty(name)) {
      declare(name, value);
    } else if (name == "style") {
      io::Declarations kept;
      for (auto& declaration : io::ParseStyleAttribute(value)) {
        if (io::IsPaintProperty(declaration.first))
          styleDeclarations.push_back(declaration);
        else if (layer && declaration.first == "display")
          sorted.interpreted["display"] = declaration.second;
        else
          kept.push_back(declaration);
      }
      if (!kept.empty()) sorted.carried.emplace_back("style", io::FormatStyleAttribute(kept));
    } else if (interpretedNames.count(name)) {
      sorted.interpreted[name] = value;
    } else {
      sorted.carried.emplace_back(name, value);
    }
  }
  // The style attribute outranks presentation attributes.
  for (const auto& [name, value] : styleDeclarations) declare(name, value);
  return sorted;
}

std::string Describe(const pugi::xml_node& node) {
  std::string id = node.attribute("id").value();
  return std::string(node.name()) + (id.empty() ? "" : " '" + id + "'");
}

class SvgReader {
 public:
  explicit SvgReader(std::string_view text) : text_(text) {}

  std::unique_ptr<Document> read(const SvgReadOptions& options) {
    // The parser passes any bytes through; text that is not UTF-8 would
    // end up in a document no writer can put into a well-formed file.
    if (auto bad = io::FindInvalidUtf8(text_)) {
      auto position = io::PositionOf(text_, *bad);
      throw SvgFailure{{"not well-formed XML: invalid UTF-8", position.line, position.column}};
    }
    auto parsed = xml_.load_buffer(text_.data(), text_.size(), pugi::parse_default | pugi::parse_ws_pcdata,
                                   pugi::encoding_utf8);
    if (!parsed) {
      auto position = io::PositionOf(text_, static_cast<size_t>(std::max<ptrdiff_t>(parsed.offset, 0)));
      throw SvgFailure{{std::string("not well-formed XML: ") + parsed.description(), position.line,
                        position.column}};
    }
    pugi::xml_node root = xml_.document_element();
    if (std::string(root.name()) != "svg")
      fail(root, std::string("the root element is <") + root.name() + ">, not <svg>");
    guard(root, [&] { readRoot(root); });
    select(options);
    return std::move(document_);
  }

 private:
  [[noreturn]] void fail(const pugi::xml_node& node, const std::string& message) {
    // The element's position is that of its '<'; pugixml gives its name's.
    ptrdiff_t offset = node.offset_debug();
    if (offset > 0 && static_cast<size_t>(offset) <= text_.size() && text_[offset - 1] == '<') --offset;
    io::TextPosition position{0, 0};
    if (offset >= 0) position = io::PositionOf(text_, static_cast<size_t>(offset));
    throw SvgFailure{{Describe(node) + ": " + message, position.line, position.column}};
  }

  // Runs `work`, giving descriptions of bad input the element's position.
  template <class Work>
  void guard(const pugi::xml_node& node, Work&& work) {
    try {
      work();
    } catch (const io::SvgError& error) {
      fail(node, error.message);
    }
  }

  Context inside(const Context& outer, const ElementAttributes& attributes) {
    CheckPaintLengths(attributes.paint);
    Context context = outer;
    for (const auto& [name, value] : attributes.paint) context.paint[name] = value;
    if (attributes.transform) {
      std::string error;
      auto matrix = io::ParseTransform(*attributes.transform, error);
      if (!matrix) throw io::SvgError{"transform: " + error};
      context.matrix = context.matrix.then(*matrix);
    }
    return context;
  }

  void readPage(const pugi::xml_node& root) {
    std::string viewBox = root.attribute("viewBox").value();
    std::vector<std::string> box;
    for (char& ch : viewBox)
      if (ch == ',') ch = ' ';
    std::istringstream split(viewBox);
    for (std::string item; split >> item;) box.push_back(item);
    if (!viewBox.empty()) {
      auto isNumber = [](const std::string& item) { return io::ParseDouble(item).has_value(); };
      if (box.size() != 4 || !std::all_of(box.begin(), box.end(), isNumber))
        throw io::SvgError{"viewBox: expected four numbers"};
      makePage(box[2], box[3], "viewBox");
      frame_ = std::make_unique<io::PageFrame>(box[0], box[1], box[3]);
      return;
    }
    std::string width = pageLength(root, "width"), height = pageLength(root, "height");
    makePage(width, height, "width/height");
    frame_ = std::make_unique<io::PageFrame>("0", "0", height);
  }

  // The number of a width or height attribute in pt, px or no unit.
  std::string pageLength(const pugi::xml_node& root, const char* name) {
    std::string text = root.attribute(name).value();
    if (text.empty()) throw io::SvgError{std::string("no viewBox and no ") + name};
    for (const char* unit : {"pt", "px"})
      if (text.size() > 2 && text.compare(text.size() - 2, 2, unit) == 0) text.resize(text.size() - 2);
    if (!io::ParseDouble(text)) throw io::SvgError{std::string(name) + ": expected a length in pt, px or user units"};
    return text;
  }

  void makePage(const std::string& width, const std::string& height, const char* source) {
    auto w = io::ParseFloat(width), h = io::ParseFloat(height);
    if (!w || !h || !(*w > 0) || !(*h > 0))
      throw io::SvgError{std::string(source) + ": the page width and height must be above 0"};
    document_ = std::make_unique<Document>(*w, *h);
  }

  void readRoot(const pugi::xml_node& root) {
    readPage(root);
    auto attributes = SortAttributes(root, RootNames(), false);
    CheckPaintLengths(attributes.paint);
    document_->svgRootAttributes = attributes.carried;
    Context context;
    context.paint = attributes.paint;
    Layer* autoLayer = nullptr;
    for (const pugi::xml_node& child : root.children()) {
      if (child.type() != pugi::node_element) continue;
      std::string name = child.name();
      if (name == "g" && std::string(child.attribute("inkscape:groupmode").value()) == "layer") {
        readLayer(child, context);
        autoLayer = nullptr;
      } else if (IsPrologue(name)) {
        document_->svgPrologue.push_back(serialise(child));
      } else {
        if (!autoLayer) autoLayer = newLayer("Layer " + std::to_string(++autoLayers_));
        autoLayer->art.push_back(readArt(child, context, autoLayer, nullptr));
      }
    }
    if (!document_->current && !document_->layers.empty()) document_->current = document_->layers.back();
  }

  Layer* newLayer(std::string title) {
    Layer* layer = document_->createLayer();
    layer->title = std::move(title);
    document_->layers.push_back(layer);
    return layer;
  }

  void readLayer(const pugi::xml_node& node, const Context& outer) {
    Layer* layer = newLayer("");
    Context context;
    guard(node, [&] {
      auto attributes = SortAttributes(node, LayerNames(), true);
      context = inside(outer, attributes);
      if (const std::string* label = attributes.find("inkscape:label")) layer->title = *label;
      const std::string* display = attributes.find("display");
      layer->visible = !display || *display != "none";
      const std::string* locked = attributes.find("sodipodi:insensitive");
      layer->locked = locked && *locked == "true";
      const std::string* current = attributes.find("corvane:current");
      if (current && *current == "true" && !document_->current) document_->current = layer;
      layer->id = attributes.id;
      layer->extraAttributes = attributes.carried;
    });
    if (!layer->id.empty()) layerIds_[layer->id].push_back(layer);
    for (const pugi::xml_node& child : node.children())
      if (child.type() == pugi::node_element) layer->art.push_back(readArt(child, context, layer, nullptr));
  }

  Art* readArt(const pugi::xml_node& node, const Context& context, Layer* layer, Art* parent) {
    std::string name = node.name();
    Art* art = nullptr;
    if (name == "g")
      art = readGroup(node, context, layer);
    else if (name == "path" || io::IsShape(name))
      guard(node, [&] { art = readPath(node, context, layer); });
    else
      guard(node, [&] { art = readForeign(node, context); });
    art->layer = layer;
    art->parent = parent;
    if (!art->id.empty()) artIds_[art->id].push_back(art);
    return art;
  }

  Art* readGroup(const pugi::xml_node& node, const Context& outer, Layer* layer) {
    if (++depth_ > kMaxFileNesting)
      fail(node, "groups nested deeper than " + std::to_string(kMaxFileNesting) + " levels");
    Art* group = document_->createArt(ArtType::Group);
    Context context;
    guard(node, [&] {
      auto attributes = SortAttributes(node, {}, false);
      context = inside(outer, attributes);
      group->id = attributes.id;
      group->extraAttributes = attributes.carried;
    });
    for (const pugi::xml_node& child : node.children())
      if (child.type() == pugi::node_element) group->members.push_back(readArt(child, context, layer, group));
    --depth_;
    return group;
  }

  Art* readPath(const pugi::xml_node& node, const Context& outer, Layer* layer) {
    std::string name = node.name();
    std::set<std::string> names = PathNames();
    for (const auto& shapeAttribute : io::ShapeAttributes(name)) names.insert(shapeAttribute);
    auto attributes = SortAttributes(node, names, false);
    Context context = inside(outer, attributes);
    io::SubpathBuilder builder(*frame_, context.matrix);
    if (name == "path") {
      const std::string* data = attributes.find("d");
      if (data) {
        if (auto error = io::ParsePathData(*data, builder)) throw io::SvgError{"d: " + error->message};
      }
    } else {
      io::AddShape(name, [&](const std::string& n) { return attributes.find(n); }, builder);
    }
    auto& subpaths = builder.subpaths();
    io::ApplyEnds(subpaths, attributes.find("corvane:ends"));
    io::ApplyCorners(subpaths, attributes.find("corvane:corners"));
    PathStyle style = io::ResolvePathStyle(context.paint, carriers(attributes),
                                           context.matrix.isIdentity() ? 1.0 : context.matrix.lineScale());
    bool guide = isTrue(attributes.find("corvane:guide"));
    bool compound = subpaths.size() > 1 || isTrue(attributes.find("corvane:compound"));
    Art* art = document_->createArt(compound ? ArtType::Compound : ArtType::Path);
    art->id = attributes.id;
    art->extraAttributes = attributes.carried;
    art->style = style;
    art->guide = guide;
    if (!compound) {
      if (!subpaths.empty()) {
        art->segments = std::move(subpaths[0].segments);
        art->closed = subpaths[0].closed;
      }
      return art;
    }
    for (auto& subpath : subpaths) {
      Art* member = document_->createArt(ArtType::Path);
      member->segments = std::move(subpath.segments);
      member->closed = subpath.closed;
      member->style = style;
      member->guide = guide;
      member->parent = art;
      member->layer = layer;
      art->members.push_back(member);
    }
    return art;
  }

  static bool isTrue(const std::string* value) { return value && *value == "true"; }

  static io::PaintCarriers carriers(const ElementAttributes& attributes) {
    io::PaintCarriers carriers;
    auto optional = [&](const char* name) -> std::optional<std::string> {
      const std::string* value = attributes.find(name);
      return value ? std::optional<std::string>(*value) : std::nullopt;
    };
    carriers.fillColour = optional("corvane:fill");
    carriers.strokeColour = optional("corvane:stroke");
    carriers.fillData = optional("corvane:fill-data");
    carriers.strokeData = optional("corvane:stroke-data");
    carriers.strokeWidth = optional("corvane:stroke-width");
    carriers.fillOverprint = isTrue(attributes.find("corvane:fill-overprint"));
    carriers.strokeOverprint = isTrue(attributes.find("corvane:stroke-overprint"));
    return carriers;
  }

  // Foreign art keeps its place in the drawing once its ancestors are gone:
  // their transform and paint become its own.
  Art* readForeign(const pugi::xml_node& node, const Context& context) {
    pugi::xml_document copy;
    pugi::xml_node element = copy.append_copy(node);
    if (!context.matrix.isIdentity()) {
      pugi::xml_attribute transform = element.attribute("transform");
      std::string own = transform.value();
      if (!transform) transform = element.append_attribute("transform");
      transform.set_value((context.matrix.text() + (own.empty() ? "" : " " + own)).c_str());
    }
    auto attributes = SortAttributes(node, {}, false);
    for (const auto& [name, value] : context.paint)
      if (!attributes.paint.count(name) && !attributes.inherited.count(name))
        element.append_attribute(name.c_str()).set_value(value.c_str());
    Art* art = document_->createArt(ArtType::Foreign);
    art->xml = serialise(element);
    art->id = node.attribute("id").value();
    return art;
  }

  static std::string serialise(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
  }

  void select(const SvgReadOptions& options) {
    if (!options.selectIds) {
      for (Layer* layer : document_->layers)
        if (layer->visible && !layer->locked)
          for (Art* art : layer->art) selectAll(art);
      return;
    }
    for (const std::string& id : *options.selectIds) {
      auto art = artIds_.find(id);
      auto layers = layerIds_.find(id);
      if (art == artIds_.end() && layers == layerIds_.end())
        throw SvgFailure{{"no element with id '" + id + "'"}};
      if (art != artIds_.end()) {
        for (Art* a : art->second) {
          if (a->type == ArtType::Foreign)
            throw SvgFailure{{"element with id '" + id + "' cannot be selected: it is not path or group art"}};
          selectAll(a);
        }
      }
      if (layers != layerIds_.end())
        for (Layer* layer : layers->second)
          for (Art* a : layer->art) selectAll(a);
    }
  }

  static void selectAll(Art* art) {
    if (art->type == ArtType::Foreign) return;
    art->selected = true;
    for (Art* member : art->members) selectAll(member);
  }

  std::string_view text_;
  pugi::xml_document xml_;
  std::unique_ptr<Document> document_;
  std::unique_ptr<io::PageFrame> frame_;
  int autoLayers_ = 0;
  int depth_ = 0;
  std::map<std::string, std::vector<Art*>> artIds_;
  std::map<std::string, std::vector<Layer*>> layerIds_;
};

}  // namespace

ReadResult ReadSvg(std::string_view text, const SvgReadOptions& options) {
  try {
    return ReadResult{SvgReader(text).read(options), {}};
  } catch (const SvgFailure& failure) {
    return ReadResult::Failure(failure.error);
  } catch (const std::bad_alloc&) {
    return ReadResult::Failure(IoError{"out of memory"});
  } catch (const std::exception& error) {
    return ReadResult::Failure(IoError{error.what()});
  }
}

}  // namespace corvane::host
