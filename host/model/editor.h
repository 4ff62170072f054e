// The editing operations of the artwork suites on one document: the host's
// rules for references, placement, editability and path sizes, with every
// change recorded in the journal (when there is one).
//
// Every operation validates first and changes nothing when it fails. Results
// are host error codes:
//   kBadParameterError  a null, stale or Foreign reference, an art of the
//                       wrong type, an index or count out of range, an
//                       unknown paint order;
//   kLockedLayerError   the art, or the place new art would go, is on a layer
//                       that is locked or hidden (selection changes
//                       included: they are edits of the art);
//   kTooManySegmentsError  a path would exceed kMaxSegments.
//
// Host rules decided here:
// - New art (NewArt, shapes) gets the document's newArtStyle and is not
//   selected, so a filter that selects its input does not meet its own
//   output as input later. Duplicates keep their source's selection.
// - A document without layers gets a layer titled "Layer 1" (journalled,
//   and made current) when art must be placed on the current layer.
// - Selecting or deselecting a group or compound path does the same to all
//   its members, so matching sees what a user's selection would give.
// - A new layer is visible, unlocked, untitled and becomes the current layer.
#pragma once

#include "host/model/document.h"

#include <corvane/art.h>
#include <corvane/geometry.h>
#include <corvane/types.h>

#include <string>
#include <vector>

namespace corvane::host {

class Journal;

class Editor {
 public:
  Editor(Document& document, Journal* journal) : doc_(document), journal_(journal) {}

  // kNoError when `art` is a live art of the document that plug-ins may see.
  HostError checkArt(const Art* art) const;
  // As checkArt, and the art must be a path.
  HostError checkPath(const Art* art) const;
  HostError checkLayer(const Layer* layer) const;

  // Structure. `order` is a paint order of sdk/corvane/art.h; prep may be
  // null where the order allows it (kPlaceBelow, kPlaceAboveAll).
  HostError newArt(ArtType type, int16_t order, Art* prep, Art** made);
  HostError duplicateArt(Art& source, int16_t order, Art* prep, Art** made);
  HostError disposeArt(Art& art);
  // A new path with these segments on top of the current layer.
  HostError newPath(const std::vector<PathSegment>& segments, bool closed, Art** made);

  // Content.
  HostError setSelected(Art& art, bool selected);
  HostError setSegmentCount(Art& path, int count);
  HostError getSegments(const Art& path, int first, int count, PathSegment* out) const;
  HostError setSegments(Art& path, int first, int count, const PathSegment* segments);
  HostError setClosed(Art& path, bool closed);
  HostError setGuide(Art& path, bool guide);
  HostError getStyle(const Art& art, PathStyle* style) const;
  HostError setStyle(Art& art, const PathStyle& style);
  // Maps every anchor and control point of the paths in `art`; with
  // scaleLines, multiplies their stroke widths by lineScale.
  HostError transform(Art& art, const RealMatrix& matrix, Real lineScale, bool scaleLines);

  // Layers. insertLayer orders: kPlaceAboveAll (prep ignored), kPlaceAbove
  // (prep required), kPlaceBelow (prep null: the bottom).
  HostError insertLayer(Layer* prep, int16_t order, Layer** made);
  HostError setLayerTitle(Layer& layer, const std::string& title);
  HostError makeLayerCurrent(Layer& layer);

 private:
  struct Placement {
    Layer* layer = nullptr;
    Art* parent = nullptr;
    size_t index = 0;
  };

  HostError checkEditable(const Art& art) const;
  HostError resolvePlacement(int16_t order, Art* prep, ArtType type, Placement& out);
  Layer* ensureCurrentLayer();
  void place(Art& art, const Placement& placement);
  Art* copyDeep(const Art& source);
  void changing(Art& art);

  Document& doc_;
  Journal* journal_;
};

}  // namespace corvane::host
