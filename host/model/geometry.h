// Plane geometry of the host: matrices, Bezier curves and bounding boxes.
//
// Matrices follow the sdk convention x' = a x + c y + tx, y' = b x + d y + ty
// and are composed in application order: Then*(m, ...) returns the matrix
// that applies m first and the new step after it. Matrix arithmetic is single
// precision, as the plug-ins see it through the math suite; curve measures
// (bounds, lengths) are computed in double precision and rounded once.
#pragma once

#include <corvane/geometry.h>
#include <corvane/path.h>

#include <optional>
#include <vector>

namespace corvane::host {

RealMatrix IdentityMatrix();
RealMatrix TranslateMatrix(Real tx, Real ty);
RealMatrix ThenTranslate(const RealMatrix& m, Real tx, Real ty);
RealMatrix ThenScale(const RealMatrix& m, Real sx, Real sy);
// Positive radians turn anticlockwise (y grows upwards).
RealMatrix ThenRotate(const RealMatrix& m, Real radians);
RealPoint Apply(const RealMatrix& m, RealPoint p);

// An axis-aligned box that starts empty and grows by points and boxes.
class Box {
 public:
  void add(double x, double y);
  void add(RealPoint p) { add(p.h, p.v); }
  void add(const Box& other);
  bool empty() const { return !any_; }
  // All zero for an empty box; top >= bottom otherwise.
  RealRect rect() const;

 private:
  bool any_ = false;
  double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

// The point at parameter t of the cubic curve.
RealPoint BezierPoint(const RealBezier& b, double t);
// de Casteljau split at t into the parts before and after it.
void SplitBezierAt(const RealBezier& b, double t, RealBezier& first, RealBezier& second);
// Tight bounds of the curve itself (its end points and interior extremes);
// the control points count only where the curve reaches them.
Box BezierBounds(const RealBezier& b);
// Arc length by adaptive subdivision until the control polygon and the chord
// of every piece differ by less than tolerance; tolerance <= 0 selects
// kDefaultFlatness.
constexpr double kDefaultFlatness = 0.01;
double BezierArcLength(const RealBezier& b, double tolerance);

// The curves of a path: one from each anchor to the next, plus the closing
// curve from the last anchor back to the first when closed.
std::vector<RealBezier> PathCurves(const std::vector<PathSegment>& segments, bool closed);
// Anchors and the curves between them; a single anchor is a point.
Box PathBounds(const std::vector<PathSegment>& segments, bool closed);
double PathLength(const std::vector<PathSegment>& segments, bool closed, double tolerance);

}  // namespace corvane::host
