// "AI Path Suite" 4, "AI Path Style Suite" 4 and "AI Transform Art Suite" 1.
#include "host/model/geometry.h"
#include "host/suites/artwork_support.h"

namespace corvane::host::artwork {

namespace {

HostError GetSegmentCount(ArtRef path, int16_t* count) {
  return Run("GetSegmentCount", [&](Editor& editor, Session&) -> HostError {
    if (!count) return kBadParameterError;
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    *count = static_cast<int16_t>(ToArt(path)->segments.size());
    return kNoError;
  });
}

HostError SetSegmentCount(ArtRef path, int16_t count) {
  return Run("SetSegmentCount", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    return editor.setSegmentCount(*ToArt(path), count);
  });
}

HostError GetSegments(ArtRef path, int16_t first, int16_t count, PathSegment* segments) {
  return Run("GetSegments", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    return editor.getSegments(*ToArt(path), first, count, segments);
  });
}

HostError SetSegments(ArtRef path, int16_t first, int16_t count, const PathSegment* segments) {
  return Run("SetSegments", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    return editor.setSegments(*ToArt(path), first, count, segments);
  });
}

HostError SetPathClosed(ArtRef path, int32_t closed) {
  return Run("SetPathClosed", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    return editor.setClosed(*ToArt(path), closed != 0);
  });
}

HostError SetPathGuide(ArtRef path, int32_t guide) {
  return Run("SetPathGuide", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    return editor.setGuide(*ToArt(path), guide != 0);
  });
}

HostError GetPathLength(ArtRef path, Real* length, Real flatness) {
  return Run("GetPathLength", [&](Editor& editor, Session&) -> HostError {
    if (!length) return kBadParameterError;
    if (HostError e = editor.checkPath(ToArt(path))) return e;
    const Art& art = *ToArt(path);
    *length = static_cast<Real>(PathLength(art.segments, art.closed, flatness));
    return kNoError;
  });
}

HostError GetPathStyle(ArtRef art, PathStyle* style) {
  return Run("GetPathStyle", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    return editor.getStyle(*ToArt(art), style);
  });
}

HostError SetPathStyle(ArtRef art, const PathStyle* style) {
  return Run("SetPathStyle", [&](Editor& editor, Session&) -> HostError {
    if (!style) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    return editor.setStyle(*ToArt(art), *style);
  });
}

HostError TransformArt(ArtRef art, const RealMatrix* matrix, Real lineScale, int32_t flags) {
  return Run("TransformArt", [&](Editor& editor, Session&) -> HostError {
    if (!matrix) return kBadParameterError;
    if (HostError e = editor.checkArt(ToArt(art))) return e;
    return editor.transform(*ToArt(art), *matrix, lineScale, (flags & kTransformScaleLines) != 0);
  });
}

}  // namespace

const PathSuiteV4& PathSuite() {
  static const PathSuiteV4 table = {GetSegmentCount, SetSegmentCount, GetSegments,  SetSegments,
                                    SetPathClosed,   SetPathGuide,    GetPathLength};
  return table;
}

const PathStyleSuiteV4& PathStyleSuite() {
  static const PathStyleSuiteV4 table = {GetPathStyle, SetPathStyle};
  return table;
}

const TransformArtSuiteV1& TransformArtSuite() {
  static const TransformArtSuiteV1 table = {TransformArt};
  return table;
}

}  // namespace corvane::host::artwork
