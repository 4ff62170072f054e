#include "host/model/journal.h"

#include <algorithm>

namespace corvane::host {

namespace {

std::vector<Art*>& ContainerOf(Art* parent, Layer* layer) {
  return parent ? parent->members : layer->art;
}

// Removes `item` from `items`, looking first at the index it was recorded
// at (where it is, since records are reverted newest first).
template <class T>
void EraseAt(std::vector<T*>& items, T* item, size_t index) {
  if (index < items.size() && items[index] == item) {
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    return;
  }
  auto it = std::find(items.begin(), items.end(), item);
  if (it != items.end()) items.erase(it);
}

void MarkFresh(std::unordered_set<const Art*>& fresh, Art& art) {
  fresh.insert(&art);
  for (Art* member : art.members) MarkFresh(fresh, *member);
}

}  // namespace

Journal::Place Journal::PlaceOf(const Art& art, size_t index) {
  return Place{art.parent, art.parent ? nullptr : art.layer, index};
}

void Journal::begin() {
  entries_.clear();
  fresh_.clear();
  snapshotted_.clear();
}

void Journal::undo(Document& document) {
  while (!entries_.empty()) {
    Revert(document, entries_.back());
    entries_.pop_back();
  }
  fresh_.clear();
  snapshotted_.clear();
}

void Journal::artInserted(Art& art, size_t index) {
  entries_.emplace_back(Inserted{&art, PlaceOf(art, index)});
  MarkFresh(fresh_, art);
}

void Journal::artRemoving(Art& art, size_t index) {
  entries_.emplace_back(Removed{&art, PlaceOf(art, index)});
}

void Journal::artChanging(Art& art) {
  if (fresh_.count(&art) || snapshotted_.count(&art)) return;
  entries_.emplace_back(std::in_place_type<Content>, art);
  snapshotted_.insert(&art);
}

void Journal::layerInserted(const Document& document, Layer& layer) {
  const auto& layers = document.layers;
  const size_t index =
      static_cast<size_t>(std::find(layers.begin(), layers.end(), &layer) - layers.begin());
  entries_.emplace_back(LayerAdded{&layer, index});
}

void Journal::layerTitleChanging(Layer& layer) { entries_.emplace_back(LayerTitle{&layer, layer.title}); }

void Journal::currentLayerChanging(const Document& document) {
  entries_.emplace_back(CurrentLayer{document.current});
}

void Journal::Revert(Document& document, Entry& entry) {
  if (auto* e = std::get_if<Inserted>(&entry)) {
    Art& art = *e->art;
    if (e->place.parent || e->place.layer) {
      EraseAt(ContainerOf(e->place.parent, e->place.layer), &art, e->place.index);
    }
    SetAliveDeep(art, false);
  } else if (auto* e = std::get_if<Removed>(&entry)) {
    Art& art = *e->art;
    std::vector<Art*>& items = ContainerOf(e->place.parent, e->place.layer);
    const size_t index = std::min(e->place.index, items.size());
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), &art);
    art.parent = e->place.parent;
    SetAliveDeep(art, true);
  } else if (auto* e = std::get_if<Content>(&entry)) {
    Art& art = *e->art;
    art.segments = std::move(e->segments);
    art.style = e->style;
    art.selected = e->selected;
    art.closed = e->closed;
    art.guide = e->guide;
  } else if (auto* e = std::get_if<LayerAdded>(&entry)) {
    EraseAt(document.layers, e->layer, e->index);
    e->layer->alive = false;
    for (Art* art : e->layer->art) SetAliveDeep(*art, false);
  } else if (auto* e = std::get_if<LayerTitle>(&entry)) {
    e->layer->title = std::move(e->title);
  } else if (auto* e = std::get_if<CurrentLayer>(&entry)) {
    document.current = e->layer;
  }
}

}  // namespace corvane::host
