// The document model: layers of art, bottom to top, and the journal that
// lets one use of a filter take back what it changed.
//
// Art and layers live in arenas owned by the Document and are never freed
// while the document exists: a disposed or undone object is only detached
// and marked dead. Rationale: plug-ins hold raw references (ArtRef,
// LayerRef) across calls, and a stale reference must be answered with an
// error, never with a crash.
#pragma once

#include <corvane/path.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace corvane::host {

enum class ArtType : int16_t { Group = 1, Path = 2, Compound = 3, Foreign = 100 };

class Layer;

class Art {
 public:
  explicit Art(ArtType t) : type(t) {}

  ArtType type;
  bool alive = true;
  bool selected = false;
  // Paths only.
  bool closed = false;
  bool guide = false;
  std::vector<PathSegment> segments;
  PathStyle style{};
  // Groups and compound paths: members bottom to top. A compound path's
  // members are paths.
  std::vector<Art*> members;
  Art* parent = nullptr;    // null for art directly in a layer
  Layer* layer = nullptr;   // the layer the art is in (also for members)
  // Carried through from the input file: the SVG id, and for Foreign art
  // (elements the host does not understand) the element's XML verbatim.
  // Foreign art is invisible to plug-ins.
  std::string id;
  std::string xml;
  // SVG attributes of the element that the host does not interpret, kept so
  // that writing the file back loses nothing.
  std::vector<std::pair<std::string, std::string>> extraAttributes;

  bool isContainer() const { return type == ArtType::Group || type == ArtType::Compound; }
};

class Layer {
 public:
  bool alive = true;
  std::string title;
  bool visible = true;
  bool locked = false;
  std::vector<Art*> art;  // bottom to top
  std::string id;         // SVG id, carried through
  std::vector<std::pair<std::string, std::string>> extraAttributes;

  // Art on a hidden or locked layer cannot be edited.
  bool editable() const { return visible && !locked; }
};

// The style new art gets unless the host's user or a test sets another one:
// no fill, black 1-point stroke (grey 1.0), butt caps, miter joins, limit 4.
PathStyle DefaultArtStyle();

class Document {
 public:
  Document(float width = 612.0f, float height = 792.0f);
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  float width = 612.0f;   // page, points
  float height = 792.0f;
  // Layers bottom to top (live ones only).
  std::vector<Layer*> layers;
  // The layer new art goes to. May be left null (or point at a layer that is
  // no longer in `layers`): currentLayer() then falls back to the top layer.
  Layer* current = nullptr;
  // Style given to art made by NewArt and the shape constructors; starts as
  // DefaultArtStyle().
  PathStyle newArtStyle;
  // Top-level SVG content outside the layers (defs, metadata, ...), verbatim,
  // and the root element's attributes that are not the page size.
  std::vector<std::string> svgPrologue;
  std::vector<std::pair<std::string, std::string>> svgRootAttributes;

  // Builders, used by the file readers and by tests. They do not journal.
  Layer* createLayer();  // in the arena, not yet placed
  Art* createArt(ArtType type);
  // Convenience for builders: a new layer placed on top of `layers`.
  Layer* addLayer(const std::string& title = std::string());

  // True when `art` is a live object of this document (a valid reference).
  // Constant time; a pointer this document never made is simply not owned.
  bool owns(const Art* art) const;
  bool owns(const Layer* layer) const;

  // The layer new art goes to: `current` when it is a live placed layer,
  // otherwise the top layer; null when the document has no layers.
  Layer* currentLayer() const;

  // Sets every art's `parent` and `layer` from the containment structure, so
  // builders may push art into layers and members without wiring them up.
  void relink();

  // Arena access for the journal and the suite implementations.
  std::vector<std::unique_ptr<Art>>& artArena() { return artArena_; }
  std::vector<std::unique_ptr<Layer>>& layerArena() { return layerArena_; }

 private:
  std::vector<std::unique_ptr<Art>> artArena_;
  std::vector<std::unique_ptr<Layer>> layerArena_;
  std::unordered_set<const Art*> artIndex_;
  std::unordered_set<const Layer*> layerIndex_;
};

// The container that holds `art`: its parent's members, or its layer's art
// for top-level art. Null for art that was never placed.
std::vector<Art*>* SiblingsOf(Art& art);

// The layer `art` is in, found through the top-level ancestor.
Layer* LayerOf(const Art& art);

// Marks `art` and all its members alive or dead.
void SetAliveDeep(Art& art, bool alive);

// Pre-order (a parent before its members, members bottom to top) of the art
// in `top`, Foreign art included; `visit` is called as visit(Art&).
template <class Visit>
void ForEachArt(const std::vector<Art*>& top, Visit&& visit) {
  for (Art* art : top) {
    visit(*art);
    if (!art->members.empty()) ForEachArt(art->members, visit);
  }
}

// Every live art of the document that plug-ins can see (Foreign art and its
// members excluded), layers bottom to top, each layer in pre-order.
std::vector<Art*> Walk(const Document& document);

}  // namespace corvane::host
