// The journal: what one use of a filter changed, so that UndoChanges can
// take it back exactly.
//
// A span begins when the host starts a use of a filter (before "AI Get
// Parameters", and before an "AI Go" sent alone). Editing operations record
// into the current span; undo() reverts the span's records newest first and
// leaves the span empty, so a later undo() in the same span takes back only
// what was changed after the earlier one.
//
// Exactness: undo restores object identity. Removed art and layers are put
// back as the same objects at the same positions of the same containers, and
// art or layers made in the span are detached and marked dead, so references
// to them become stale. Content changes (segments, style, selection, closed
// and guide flags) are snapshotted once per art and span, before the first
// change; undoing restores that snapshot whole. Rationale: a filter may
// rewrite the same path thousands of times during one run, and one snapshot
// keeps the journal linear in the document size.
//
// Recording contract for the editing code: call the recording method before
// making the change it describes, except artInserted/layerInserted, which are
// called once the object is in place.
#pragma once

#include "host/model/document.h"

#include <cstddef>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

namespace corvane::host {

class Journal {
 public:
  // Starts a new span: the records of the previous span are kept for good.
  void begin();
  // Reverts everything recorded in the current span; harmless when empty.
  void undo(Document& document);
  // Number of records in the current span.
  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  // `art` (with its members) has just been placed at `index` of its container.
  void artInserted(Art& art, size_t index);
  // `art` is about to be removed from `index` of its container.
  void artRemoving(Art& art, size_t index);
  // The content of `art` is about to change.
  void artChanging(Art& art);
  // `layer` has just been placed in document.layers.
  void layerInserted(const Document& document, Layer& layer);
  void layerTitleChanging(Layer& layer);
  void currentLayerChanging(const Document& document);

 private:
  // Where an art sits: its parent's members, or its layer's art.
  struct Place {
    Art* parent = nullptr;
    Layer* layer = nullptr;
    size_t index = 0;
  };
  struct Inserted { Art* art; Place place; };
  struct Removed { Art* art; Place place; };
  // The content of an art as it was before the span changed it.
  struct Content {
    explicit Content(Art& before)
        : art(&before), segments(before.segments), style(before.style),
          selected(before.selected), closed(before.closed), guide(before.guide) {}
    Art* art;
    std::vector<PathSegment> segments;
    PathStyle style;
    bool selected, closed, guide;
  };
  struct LayerAdded { Layer* layer; size_t index; };
  struct LayerTitle { Layer* layer; std::string title; };
  struct CurrentLayer { Layer* layer; };
  using Entry = std::variant<Inserted, Removed, Content, LayerAdded, LayerTitle, CurrentLayer>;

  static Place PlaceOf(const Art& art, size_t index);
  static void Revert(Document& document, Entry& entry);

  std::vector<Entry> entries_;
  // Art made in this span (needs no content snapshot) and art already
  // snapshotted in this span.
  std::unordered_set<const Art*> fresh_;
  std::unordered_set<const Art*> snapshotted_;
};

}  // namespace corvane::host
