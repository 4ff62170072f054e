// Editor operations that change what is where: art and layers made, copied,
// placed and removed.
#include "host/model/editor.h"
#include "host/model/journal.h"

#include <algorithm>

namespace corvane::host {

namespace {

template <class T>
size_t IndexIn(const std::vector<T*>& items, const T* item) {
  return static_cast<size_t>(std::find(items.begin(), items.end(), item) - items.begin());
}

void SetLayerDeep(Art& art, Layer* layer) {
  art.layer = layer;
  for (Art* member : art.members) SetLayerDeep(*member, layer);
}

}  // namespace

HostError Editor::checkArt(const Art* art) const {
  if (!doc_.owns(art) || art->type == ArtType::Foreign) return kBadParameterError;
  return kNoError;
}

HostError Editor::checkPath(const Art* art) const {
  if (HostError e = checkArt(art)) return e;
  return art->type == ArtType::Path ? kNoError : kBadParameterError;
}

HostError Editor::checkLayer(const Layer* layer) const {
  return doc_.owns(layer) ? kNoError : kBadParameterError;
}

HostError Editor::checkEditable(const Art& art) const {
  const Layer* layer = LayerOf(art);
  if (!layer) return kBadParameterError;
  return layer->editable() ? kNoError : kLockedLayerError;
}

Layer* Editor::ensureCurrentLayer() {
  if (Layer* layer = doc_.currentLayer()) return layer;
  Layer* layer = doc_.createLayer();
  layer->title = "Layer 1";
  doc_.layers.push_back(layer);
  if (journal_) journal_->layerInserted(doc_, *layer);
  if (journal_) journal_->currentLayerChanging(doc_);
  doc_.current = layer;
  return layer;
}

HostError Editor::resolvePlacement(int16_t order, Art* prep, ArtType type, Placement& out) {
  const bool needsPrep = order == kPlaceAbove || order == kPlaceInsideOnTop ||
                         order == kPlaceInsideOnBottom || (order == kPlaceBelow && prep);
  if (needsPrep) {
    if (HostError e = checkArt(prep)) return e;
    if (!LayerOf(*prep)) return kBadParameterError;
  }
  switch (order) {
    case kPlaceAboveAll:
    case kPlaceBelow:
      if (order == kPlaceAboveAll || !prep) {
        Layer* layer = ensureCurrentLayer();
        out = Placement{layer, nullptr, order == kPlaceAboveAll ? layer->art.size() : 0};
        break;
      }
      [[fallthrough]];
    case kPlaceAbove: {
      std::vector<Art*>& siblings = *SiblingsOf(*prep);
      const size_t at = IndexIn(siblings, prep);
      out = Placement{LayerOf(*prep), prep->parent, order == kPlaceAbove ? at + 1 : at};
      break;
    }
    case kPlaceInsideOnTop:
    case kPlaceInsideOnBottom:
      if (!prep->isContainer()) return kBadParameterError;
      out = Placement{LayerOf(*prep), prep,
                      order == kPlaceInsideOnTop ? prep->members.size() : size_t{0}};
      break;
    default:
      return kBadParameterError;
  }
  if (out.parent && out.parent->type == ArtType::Compound && type != ArtType::Path) {
    return kBadParameterError;  // compound paths hold paths only
  }
  return out.layer->editable() ? kNoError : kLockedLayerError;
}

void Editor::place(Art& art, const Placement& placement) {
  std::vector<Art*>& items = placement.parent ? placement.parent->members : placement.layer->art;
  const size_t index = std::min(placement.index, items.size());
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), &art);
  art.parent = placement.parent;
  SetLayerDeep(art, placement.layer);
  if (journal_) journal_->artInserted(art, index);
}

HostError Editor::newArt(ArtType type, int16_t order, Art* prep, Art** made) {
  if (!made) return kBadParameterError;
  if (type != ArtType::Group && type != ArtType::Path && type != ArtType::Compound) {
    return kBadParameterError;
  }
  Placement placement;
  if (HostError e = resolvePlacement(order, prep, type, placement)) return e;
  Art* art = doc_.createArt(type);
  art->style = doc_.newArtStyle;
  place(*art, placement);
  *made = art;
  return kNoError;
}

Art* Editor::copyDeep(const Art& source) {
  Art* copy = doc_.createArt(source.type);
  copy->selected = source.selected;
  copy->closed = source.closed;
  copy->guide = source.guide;
  copy->segments = source.segments;
  copy->style = source.style;
  copy->xml = source.xml;
  copy->extraAttributes = source.extraAttributes;
  // The SVG id names the source only.
  copy->members.reserve(source.members.size());
  for (const Art* member : source.members) {
    Art* memberCopy = copyDeep(*member);
    memberCopy->parent = copy;
    copy->members.push_back(memberCopy);
  }
  return copy;
}

HostError Editor::duplicateArt(Art& source, int16_t order, Art* prep, Art** made) {
  if (!made) return kBadParameterError;
  if (HostError e = checkArt(&source)) return e;
  Placement placement;
  if (HostError e = resolvePlacement(order, prep, source.type, placement)) return e;
  Art* copy = copyDeep(source);
  place(*copy, placement);
  *made = copy;
  return kNoError;
}

HostError Editor::disposeArt(Art& art) {
  if (HostError e = checkArt(&art)) return e;
  if (HostError e = checkEditable(art)) return e;
  std::vector<Art*>* siblings = SiblingsOf(art);
  if (!siblings) return kBadParameterError;
  const auto it = std::find(siblings->begin(), siblings->end(), &art);
  if (it == siblings->end()) return kBadParameterError;
  if (journal_) journal_->artRemoving(art, static_cast<size_t>(it - siblings->begin()));
  siblings->erase(it);
  SetAliveDeep(art, false);
  return kNoError;
}

HostError Editor::newPath(const std::vector<PathSegment>& segments, bool closed, Art** made) {
  if (!made) return kBadParameterError;
  if (segments.size() > static_cast<size_t>(kMaxSegments)) return kTooManySegmentsError;
  Placement placement;
  if (HostError e = resolvePlacement(kPlaceAboveAll, nullptr, ArtType::Path, placement)) return e;
  Art* art = doc_.createArt(ArtType::Path);
  art->style = doc_.newArtStyle;
  art->segments = segments;
  art->closed = closed;
  place(*art, placement);
  *made = art;
  return kNoError;
}

HostError Editor::insertLayer(Layer* prep, int16_t order, Layer** made) {
  if (!made) return kBadParameterError;
  size_t index = 0;
  if (order == kPlaceAboveAll) {
    index = doc_.layers.size();
  } else if (order == kPlaceAbove || order == kPlaceBelow) {
    if (prep || order == kPlaceAbove) {
      if (HostError e = checkLayer(prep)) return e;
      index = IndexIn(doc_.layers, prep);
      if (index == doc_.layers.size()) return kBadParameterError;  // not placed
      if (order == kPlaceAbove) ++index;
    }
  } else {
    return kBadParameterError;
  }
  Layer* layer = doc_.createLayer();
  doc_.layers.insert(doc_.layers.begin() + static_cast<std::ptrdiff_t>(index), layer);
  if (journal_) journal_->layerInserted(doc_, *layer);
  if (journal_) journal_->currentLayerChanging(doc_);
  doc_.current = layer;
  *made = layer;
  return kNoError;
}

HostError Editor::setLayerTitle(Layer& layer, const std::string& title) {
  if (HostError e = checkLayer(&layer)) return e;
  if (journal_) journal_->layerTitleChanging(layer);
  layer.title = title;
  return kNoError;
}

HostError Editor::makeLayerCurrent(Layer& layer) {
  if (HostError e = checkLayer(&layer)) return e;
  if (IndexIn(doc_.layers, &layer) == doc_.layers.size()) return kBadParameterError;
  if (doc_.current == &layer) return kNoError;
  if (journal_) journal_->currentLayerChanging(doc_);
  doc_.current = &layer;
  return kNoError;
}

}  // namespace corvane::host
