// Editor operations that change what an art is: selection, segments, flags,
// style and geometry.
#include "host/model/editor.h"
#include "host/model/geometry.h"
#include "host/model/journal.h"

#include <algorithm>
#include <cmath>

namespace corvane::host {
namespace {

// The document never holds infinite or undefined numbers: no file form can
// keep them and no later computation recovers from them. An edit that would
// store one is refused whole, before anything changes.
bool Finite(const RealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }
bool Finite(const PathSegment& s) { return Finite(s.p) && Finite(s.in) && Finite(s.out); }

bool FiniteMeasures(const PathStyle& style) {
  if (!std::isfinite(style.strokeWidth) || !std::isfinite(style.dashOffset) ||
      !std::isfinite(style.miterLimit))
    return false;
  for (Real dash : style.dashes)
    if (!std::isfinite(dash)) return false;
  return true;
}

}  // namespace

void Editor::changing(Art& art) {
  if (journal_) journal_->artChanging(art);
}

HostError Editor::setSelected(Art& art, bool selected) {
  if (HostError e = checkArt(&art)) return e;
  if (HostError e = checkEditable(art)) return e;
  ForEachArt(std::vector<Art*>{&art}, [&](Art& each) {
    if (each.selected == selected || each.type == ArtType::Foreign) return;
    changing(each);
    each.selected = selected;
  });
  return kNoError;
}

HostError Editor::setSegmentCount(Art& path, int count) {
  if (HostError e = checkPath(&path)) return e;
  if (count < 0) return kBadParameterError;
  if (HostError e = checkEditable(path)) return e;
  if (count > kMaxSegments) return kTooManySegmentsError;
  changing(path);
  const PathSegment last = path.segments.empty() ? PathSegment{} : path.segments.back();
  path.segments.resize(static_cast<size_t>(count), last);
  return kNoError;
}

HostError Editor::getSegments(const Art& path, int first, int count, PathSegment* out) const {
  if (HostError e = checkPath(&path)) return e;
  if (first < 0 || count < 0 || (count > 0 && !out)) return kBadParameterError;
  if (static_cast<size_t>(first) + static_cast<size_t>(count) > path.segments.size()) {
    return kBadParameterError;
  }
  std::copy_n(path.segments.begin() + first, count, out);
  return kNoError;
}

HostError Editor::setSegments(Art& path, int first, int count, const PathSegment* segments) {
  if (HostError e = checkPath(&path)) return e;
  if (first < 0 || count < 0 || (count > 0 && !segments)) return kBadParameterError;
  if (static_cast<size_t>(first) > path.segments.size()) return kBadParameterError;
  if (HostError e = checkEditable(path)) return e;
  const size_t end = static_cast<size_t>(first) + static_cast<size_t>(count);
  if (end > static_cast<size_t>(kMaxSegments)) return kTooManySegmentsError;
  if (!std::all_of(segments, segments + count, [](const PathSegment& s) { return Finite(s); }))
    return kBadParameterError;
  changing(path);
  if (end > path.segments.size()) path.segments.resize(end);
  std::copy_n(segments, count, path.segments.begin() + first);
  return kNoError;
}

HostError Editor::setClosed(Art& path, bool closed) {
  if (HostError e = checkPath(&path)) return e;
  if (HostError e = checkEditable(path)) return e;
  changing(path);
  path.closed = closed;
  return kNoError;
}

HostError Editor::setGuide(Art& path, bool guide) {
  if (HostError e = checkPath(&path)) return e;
  if (HostError e = checkEditable(path)) return e;
  changing(path);
  path.guide = guide;
  return kNoError;
}

HostError Editor::getStyle(const Art& art, PathStyle* style) const {
  if (HostError e = checkArt(&art)) return e;
  if (!style || art.type == ArtType::Group) return kBadParameterError;
  // A compound path shows the style of its first member path.
  const Art* source = &art;
  for (const Art* member : art.members) {
    if (member->type == ArtType::Path) {
      source = member;
      break;
    }
  }
  *style = source->style;
  return kNoError;
}

HostError Editor::setStyle(Art& art, const PathStyle& style) {
  if (HostError e = checkArt(&art)) return e;
  if (art.type == ArtType::Group) return kBadParameterError;
  if (!FiniteMeasures(style)) return kBadParameterError;
  if (HostError e = checkEditable(art)) return e;
  // A compound path keeps one style for all its members, and its own for
  // when it has none.
  changing(art);
  art.style = style;
  for (Art* member : art.members) {
    if (member->type != ArtType::Path) continue;
    changing(*member);
    member->style = style;
  }
  return kNoError;
}

HostError Editor::transform(Art& art, const RealMatrix& matrix, Real lineScale, bool scaleLines) {
  if (HostError e = checkArt(&art)) return e;
  if (HostError e = checkEditable(art)) return e;
  bool finite = true;
  ForEachArt(std::vector<Art*>{&art}, [&](Art& each) {
    if (each.type != ArtType::Path && each.type != ArtType::Compound) return;
    for (const PathSegment& s : each.segments)
      finite = finite && Finite(Apply(matrix, s.p)) && Finite(Apply(matrix, s.in)) &&
               Finite(Apply(matrix, s.out));
    if (scaleLines) finite = finite && std::isfinite(each.style.strokeWidth * lineScale);
  });
  if (!finite) return kBadParameterError;
  ForEachArt(std::vector<Art*>{&art}, [&](Art& each) {
    if (each.type != ArtType::Path && each.type != ArtType::Compound) return;
    changing(each);
    for (PathSegment& s : each.segments) {
      s.p = Apply(matrix, s.p);
      s.in = Apply(matrix, s.in);
      s.out = Apply(matrix, s.out);
    }
    // A compound path's own style stands for its members' (see setStyle).
    if (scaleLines) each.style.strokeWidth *= lineScale;
  });
  return kNoError;
}

}  // namespace corvane::host
