#include "host/model/document.h"

#include <algorithm>

namespace corvane::host {

PathStyle DefaultArtStyle() {
  PathStyle style{};
  style.fillPaint = 0;
  style.fill.kind = kGreyColour;
  style.fill.data.grey = 0.0f;
  style.strokePaint = 1;
  style.stroke.kind = kGreyColour;
  style.stroke.data.grey = 1.0f;
  style.strokeWidth = 1.0f;
  style.cap = 0;
  style.join = 0;
  style.miterLimit = 4.0f;
  return style;
}

Document::Document(float w, float h) : width(w), height(h), newArtStyle(DefaultArtStyle()) {}

Document::~Document() = default;

Layer* Document::createLayer() {
  layerArena_.push_back(std::make_unique<Layer>());
  Layer* layer = layerArena_.back().get();
  layerIndex_.insert(layer);
  return layer;
}

Art* Document::createArt(ArtType type) {
  artArena_.push_back(std::make_unique<Art>(type));
  Art* art = artArena_.back().get();
  art->style = newArtStyle;
  artIndex_.insert(art);
  return art;
}

Layer* Document::addLayer(const std::string& title) {
  Layer* layer = createLayer();
  layer->title = title;
  layers.push_back(layer);
  return layer;
}

bool Document::owns(const Art* art) const {
  return art != nullptr && artIndex_.count(art) != 0 && art->alive;
}

bool Document::owns(const Layer* layer) const {
  return layer != nullptr && layerIndex_.count(layer) != 0 && layer->alive;
}

Layer* Document::currentLayer() const {
  if (owns(current) && std::find(layers.begin(), layers.end(), current) != layers.end()) {
    return current;
  }
  return layers.empty() ? nullptr : layers.back();
}

namespace {

void LinkMembers(Art& parent) {
  for (Art* member : parent.members) {
    member->parent = &parent;
    member->layer = parent.layer;
    LinkMembers(*member);
  }
}

// Pre-order of plug-in-visible art: Foreign art hides its whole subtree.
void CollectVisible(const std::vector<Art*>& top, std::vector<Art*>& out) {
  for (Art* art : top) {
    if (!art->alive || art->type == ArtType::Foreign) continue;
    out.push_back(art);
    CollectVisible(art->members, out);
  }
}

}  // namespace

void Document::relink() {
  for (Layer* layer : layers) {
    for (Art* art : layer->art) {
      art->parent = nullptr;
      art->layer = layer;
      LinkMembers(*art);
    }
  }
}

std::vector<Art*>* SiblingsOf(Art& art) {
  if (art.parent) return &art.parent->members;
  if (art.layer) return &art.layer->art;
  return nullptr;
}

Layer* LayerOf(const Art& art) {
  const Art* top = &art;
  while (top->parent) top = top->parent;
  return top->layer;
}

void SetAliveDeep(Art& art, bool alive) {
  art.alive = alive;
  for (Art* member : art.members) SetAliveDeep(*member, alive);
}

std::vector<Art*> Walk(const Document& document) {
  std::vector<Art*> out;
  for (const Layer* layer : document.layers) CollectVisible(layer->art, out);
  return out;
}

}  // namespace corvane::host
