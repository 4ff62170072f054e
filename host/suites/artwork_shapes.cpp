// "AI Shape Construction Suite" 4: the geometry of host/model/shapes.h placed
// as a new path on top of the current layer.
#include "host/model/shapes.h"
#include "host/suites/artwork_support.h"

#include <cmath>

namespace corvane::host::artwork {

namespace {

constexpr double kSqrt2 = 1.41421356237309504880;

// Places the segments made by `build` (called only once the arguments have
// passed) as a new path.
template <class Build>
HostError Place(Editor& editor, ArtRef* art, bool closed, Build&& build) {
  if (!art) return kBadParameterError;
  Art* made = nullptr;
  if (HostError e = editor.newPath(build(), closed, &made)) return e;
  *art = ToRef(made);
  return kNoError;
}

// Vertex counts the host accepts for a polygon or star: at least `least`
// and no more than a path holds.
HostError CheckVertices(int64_t vertices, int64_t least) {
  if (vertices < least) return kBadParameterError;
  return vertices > kMaxSegments ? kTooManySegmentsError : kNoError;
}

HostError NewRectanglePath(Real top, Real left, Real bottom, Real right, int32_t reversed,
                           ArtRef* art) {
  return Run("NewRectanglePath", [&](Editor& editor, Session&) {
    return Place(editor, art, true,
                 [&] { return RectangleSegments(top, left, bottom, right, reversed != 0); });
  });
}

HostError NewRectangleShape(Real x, Real y, Real height, Real width, int32_t reversed, ArtRef* art) {
  return Run("NewRectangleShape", [&](Editor& editor, Session&) {
    return Place(editor, art, true, [&] {
      return RectangleSegments(y + height / 2, x - width / 2, y - height / 2, x + width / 2,
                               reversed != 0);
    });
  });
}

HostError NewRoundedRectangleShape(Real x, Real y, Real height, Real width, Real radiusH,
                                   Real radiusV, int32_t reversed, ArtRef* art) {
  return Run("NewRoundedRectangleShape", [&](Editor& editor, Session&) {
    return Place(editor, art, true, [&] {
      return RoundedRectangleSegments(x, y, height, width, radiusH, radiusV, reversed != 0);
    });
  });
}

HostError NewCircleShapeA(Real x, Real y, Real height, Real width, int32_t reversed, ArtRef* art) {
  return Run("NewCircleShapeA", [&](Editor& editor, Session&) {
    return Place(editor, art, true,
                 [&] { return EllipseSegments(x, y, width / 2, height / 2, reversed != 0); });
  });
}

HostError NewCircleShapeB(Real x, Real y, Real height, Real width, int32_t reversed, ArtRef* art) {
  // The ellipse of the same proportions through the rectangle's corners.
  return Run("NewCircleShapeB", [&](Editor& editor, Session&) {
    return Place(editor, art, true, [&] {
      return EllipseSegments(x, y, static_cast<Real>(width / 2 * kSqrt2),
                             static_cast<Real>(height / 2 * kSqrt2), reversed != 0);
    });
  });
}

HostError NewPolygonShape(int32_t sides, Real x, Real y, Real radius, int32_t reversed,
                          ArtRef* art) {
  return Run("NewPolygonShape", [&](Editor& editor, Session&) -> HostError {
    if (HostError e = CheckVertices(sides, 3)) return e;
    return Place(editor, art, true,
                 [&] { return PolygonSegments(sides, x, y, radius, reversed != 0); });
  });
}

HostError NewStarShape(int32_t points, Real x, Real y, Real innerRadius, Real outerRadius,
                       int32_t reversed, ArtRef* art) {
  return Run("NewStarShape", [&](Editor& editor, Session&) -> HostError {
    if (points < 2) return kBadParameterError;
    if (HostError e = CheckVertices(int64_t{points} * 2, 4)) return e;
    return Place(editor, art, true, [&] {
      return StarSegments(points, x, y, innerRadius, outerRadius, reversed != 0);
    });
  });
}

HostError NewSpiralShape(const RealPoint* centre, const RealPoint* start, Real decay,
                         int32_t quarterTurns, int32_t anticlockwise, ArtRef* art) {
  return Run("NewSpiralShape", [&](Editor& editor, Session&) -> HostError {
    if (!centre || !start) return kBadParameterError;
    if (HostError e = CheckVertices(int64_t{quarterTurns} + 1, 2)) return e;
    return Place(editor, art, false, [&] {
      return SpiralSegments(*centre, *start, decay, quarterTurns, anticlockwise != 0);
    });
  });
}

}  // namespace

const ShapeConstructionSuiteV4& ShapeConstructionSuite() {
  static const ShapeConstructionSuiteV4 table = {
      NewRectanglePath, NewRectangleShape, NewRoundedRectangleShape, NewCircleShapeA,
      NewCircleShapeB,  NewPolygonShape,   NewStarShape,             NewSpiralShape};
  return table;
}

}  // namespace corvane::host::artwork
