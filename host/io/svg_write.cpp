// Writer of the SVG form (described in svg_document.h).
#include "host/io/document_io.h"
#include "host/io/number_text.h"
#include "host/io/svg_document.h"
#include "host/io/svg_geometry.h"
#include "host/io/svg_style.h"

namespace corvane::host {
namespace {

using io::FormatFloat;
using Attributes = std::vector<std::pair<std::string, std::string>>;

std::string Escape(const std::string& text) {
  std::string escaped;
  for (char ch : text) {
    switch (ch) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\n': escaped += "&#10;"; break;
      case '\r': escaped += "&#13;"; break;
      case '\t': escaped += "&#9;"; break;
      default: escaped += ch;
    }
  }
  return escaped;
}

// Names the writer sets itself; carried attributes of these names (from a
// hand-made JSON document, say) would contradict or duplicate them.
bool IsReserved(const std::string& name, bool layer) {
  return name == "id" || name == "d" || name == "transform" || (layer && name == "display") || name == "xmlns" ||
         name.rfind("corvane:", 0) == 0 || name.rfind("xmlns:corvane", 0) == 0 || io::IsPaintProperty(name) ||
         name == "inkscape:groupmode" || name == "inkscape:label" || name == "sodipodi:insensitive" ||
         name == "xmlns:inkscape" || name == "xmlns:sodipodi";
}

// Carried attributes, minus reserved names and reserved style declarations;
// `leadingStyle` goes in front of the carried style declarations.
void AddCarried(Attributes& attributes, const Attributes& carried, bool layer = false,
                const std::string& leadingStyle = {}) {
  bool styleWritten = false;
  for (const auto& [name, value] : carried) {
    if (name == "style") {
      io::Declarations kept;
      for (auto& declaration : io::ParseStyleAttribute(value))
        if (!io::IsPaintProperty(declaration.first) && !(layer && declaration.first == "display"))
          kept.push_back(declaration);
      std::string style = leadingStyle;
      std::string rest = io::FormatStyleAttribute(kept);
      if (!rest.empty()) style += (style.empty() ? "" : ";") + rest;
      if (!style.empty()) attributes.emplace_back("style", style);
      styleWritten = true;
    } else if (!IsReserved(name, layer)) {
      attributes.emplace_back(name, value);
    }
  }
  if (!styleWritten && !leadingStyle.empty()) attributes.emplace_back("style", leadingStyle);
}

class SvgWriter {
 public:
  explicit SvgWriter(const Document& document)
      : document_(document), frame_("0", "0", FormatFloat(document.height)) {}

  std::string write() {
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    Attributes root{{"xmlns", io::kSvgNamespace},
                    {"xmlns:inkscape", io::kInkscapeNamespace},
                    {"xmlns:sodipodi", io::kSodipodiNamespace},
                    {"xmlns:corvane", io::kCorvaneNamespace},
                    {"width", FormatFloat(document_.width) + "pt"},
                    {"height", FormatFloat(document_.height) + "pt"},
                    {"viewBox", "0 0 " + FormatFloat(document_.width) + " " + FormatFloat(document_.height)}};
    for (const auto& [name, value] : document_.svgRootAttributes)
      if (!IsReserved(name, false) && name != "width" && name != "height" && name != "viewBox")
        root.emplace_back(name, value);
    open("svg", root, 0);
    for (const std::string& xml : document_.svgPrologue) line(xml, 1);
    for (const Layer* layer : document_.layers)
      if (layer->alive) writeLayer(*layer);
    out_ += "</svg>\n";
    return std::move(out_);
  }

 private:
  void line(const std::string& text, int depth) {
    out_ += std::string(static_cast<size_t>(depth) * 2, ' ') + text + "\n";
  }

  std::string tag(const char* name, const Attributes& attributes) {
    std::string text = std::string("<") + name;
    for (const auto& [key, value] : attributes) text += " " + key + "=\"" + Escape(value) + "\"";
    return text;
  }

  void open(const char* name, const Attributes& attributes, int depth) { line(tag(name, attributes) + ">", depth); }
  void empty(const char* name, const Attributes& attributes, int depth) { line(tag(name, attributes) + "/>", depth); }

  void writeLayer(const Layer& layer) {
    Attributes attributes;
    if (!layer.id.empty()) attributes.emplace_back("id", layer.id);
    attributes.emplace_back("inkscape:groupmode", "layer");
    attributes.emplace_back("inkscape:label", layer.title);
    AddCarried(attributes, layer.extraAttributes, true, layer.visible ? "" : "display:none");
    if (layer.locked) attributes.emplace_back("sodipodi:insensitive", "true");
    if (&layer == document_.current) attributes.emplace_back("corvane:current", "true");
    writeContainer(attributes, layer.art, 1);
  }

  void writeContainer(const Attributes& attributes, const std::vector<Art*>& art, int depth) {
    bool anyLive = false;
    for (const Art* a : art) anyLive = anyLive || a->alive;
    if (!anyLive) return empty("g", attributes, depth);
    open("g", attributes, depth);
    for (const Art* a : art)
      if (a->alive) writeArt(*a, depth + 1);
    line("</g>", depth);
  }

  void writeArt(const Art& art, int depth) {
    switch (art.type) {
      case ArtType::Foreign: return line(art.xml, depth);
      case ArtType::Group: {
        Attributes attributes;
        if (!art.id.empty()) attributes.emplace_back("id", art.id);
        AddCarried(attributes, art.extraAttributes);
        return writeContainer(attributes, art.members, depth);
      }
      default: return writePath(art, depth);
    }
  }

  void writePath(const Art& art, int depth) {
    std::vector<io::Subpath> subpaths;
    const PathStyle* style = &art.style;
    if (art.type == ArtType::Path) {
      subpaths.push_back(io::Subpath{art.segments, art.closed});
    } else {
      for (const Art* member : art.members) {
        if (!member->alive || member->type != ArtType::Path) continue;
        if (subpaths.empty()) style = &member->style;
        subpaths.push_back(io::Subpath{member->segments, member->closed});
      }
    }
    auto geometry = io::WriteGeometry(subpaths, frame_);
    Attributes attributes;
    if (!art.id.empty()) attributes.emplace_back("id", art.id);
    attributes.emplace_back("d", geometry.data);
    size_t drawn = 0;
    for (const auto& subpath : subpaths) drawn += subpath.segments.empty() ? 0 : 1;
    if (art.type == ArtType::Compound && drawn < 2) attributes.emplace_back("corvane:compound", "true");
    auto paint = io::StyleAttributes(*style);
    for (auto& attribute : paint.attributes) attributes.push_back(std::move(attribute));
    if (art.guide) attributes.emplace_back("corvane:guide", "true");
    if (geometry.corners) attributes.emplace_back("corvane:corners", *geometry.corners);
    if (geometry.ends) attributes.emplace_back("corvane:ends", *geometry.ends);
    AddCarried(attributes, art.extraAttributes, false, io::FormatStyleAttribute(paint.exact));
    empty("path", attributes, depth);
  }

  const Document& document_;
  io::PageFrame frame_;
  std::string out_;
};

}  // namespace

std::string WriteSvg(const Document& document) { return SvgWriter(document).write(); }

}  // namespace corvane::host
