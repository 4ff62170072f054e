#include "host/model/geometry.h"

#include <algorithm>
#include <cmath>

namespace corvane::host {

RealMatrix IdentityMatrix() { return RealMatrix{1, 0, 0, 1, 0, 0}; }

RealMatrix TranslateMatrix(Real tx, Real ty) { return RealMatrix{1, 0, 0, 1, tx, ty}; }

RealMatrix ThenTranslate(const RealMatrix& m, Real tx, Real ty) {
  RealMatrix r = m;
  r.tx = m.tx + tx;
  r.ty = m.ty + ty;
  return r;
}

RealMatrix ThenScale(const RealMatrix& m, Real sx, Real sy) {
  return RealMatrix{m.a * sx, m.b * sy, m.c * sx, m.d * sy, m.tx * sx, m.ty * sy};
}

RealMatrix ThenRotate(const RealMatrix& m, Real radians) {
  const Real c = std::cos(radians);
  const Real s = std::sin(radians);
  // Rotation R = [c -s; s c] applied after m: R * [a c tx; b d ty].
  return RealMatrix{c * m.a - s * m.b, s * m.a + c * m.b, c * m.c - s * m.d,
                    s * m.c + c * m.d, c * m.tx - s * m.ty, s * m.tx + c * m.ty};
}

RealPoint Apply(const RealMatrix& m, RealPoint p) {
  return RealPoint{m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

void Box::add(double x, double y) {
  if (!any_) {
    left_ = right_ = x;
    top_ = bottom_ = y;
    any_ = true;
    return;
  }
  left_ = std::min(left_, x);
  right_ = std::max(right_, x);
  bottom_ = std::min(bottom_, y);
  top_ = std::max(top_, y);
}

void Box::add(const Box& other) {
  if (other.empty()) return;
  add(other.left_, other.top_);
  add(other.right_, other.bottom_);
}

RealRect Box::rect() const {
  return RealRect{static_cast<Real>(left_), static_cast<Real>(top_), static_cast<Real>(right_),
                  static_cast<Real>(bottom_)};
}

namespace {

double Cubic(double p0, double p1, double p2, double p3, double t) {
  const double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

// Parameters in (0, 1) where the derivative of one coordinate vanishes.
std::vector<double> ExtremeParameters(double p0, double p1, double p2, double p3) {
  // B'(t)/3 = a t^2 + b t + c
  const double a = -p0 + 3 * p1 - 3 * p2 + p3;
  const double b = 2 * (p0 - 2 * p1 + p2);
  const double c = p1 - p0;
  std::vector<double> roots;
  const double eps = 1e-12;
  if (std::fabs(a) < eps) {
    if (std::fabs(b) > eps) roots.push_back(-c / b);
  } else {
    const double disc = b * b - 4 * a * c;
    if (disc >= 0) {
      const double sq = std::sqrt(disc);
      roots.push_back((-b + sq) / (2 * a));
      roots.push_back((-b - sq) / (2 * a));
    }
  }
  roots.erase(std::remove_if(roots.begin(), roots.end(), [](double t) { return !(t > 0 && t < 1); }),
              roots.end());
  return roots;
}

double Distance(const RealPoint& a, const RealPoint& b) {
  return std::hypot(double(a.h) - b.h, double(a.v) - b.v);
}

double LengthRecursive(const RealBezier& b, double tolerance, int depth) {
  const double chord = Distance(b.p0, b.p3);
  const double polygon = Distance(b.p0, b.p1) + Distance(b.p1, b.p2) + Distance(b.p2, b.p3);
  // The arc lies between chord and polygon; stop when they agree, or when
  // single precision cannot split the piece any further.
  if (polygon - chord <= tolerance || depth >= 24) return (chord + polygon) / 2;
  RealBezier first, second;
  SplitBezierAt(b, 0.5, first, second);
  return LengthRecursive(first, tolerance / 2, depth + 1) +
         LengthRecursive(second, tolerance / 2, depth + 1);
}

}  // namespace

RealPoint BezierPoint(const RealBezier& b, double t) {
  return RealPoint{static_cast<Real>(Cubic(b.p0.h, b.p1.h, b.p2.h, b.p3.h, t)),
                   static_cast<Real>(Cubic(b.p0.v, b.p1.v, b.p2.v, b.p3.v, t))};
}

void SplitBezierAt(const RealBezier& b, double t, RealBezier& first, RealBezier& second) {
  auto lerp = [t](const RealPoint& p, const RealPoint& q) {
    return RealPoint{static_cast<Real>(p.h + (q.h - double(p.h)) * t),
                     static_cast<Real>(p.v + (q.v - double(p.v)) * t)};
  };
  const RealPoint p01 = lerp(b.p0, b.p1), p12 = lerp(b.p1, b.p2), p23 = lerp(b.p2, b.p3);
  const RealPoint p012 = lerp(p01, p12), p123 = lerp(p12, p23);
  const RealPoint mid = lerp(p012, p123);
  // Copy the inputs first: first or second may alias b.
  const RealPoint p0 = b.p0, p3 = b.p3;
  first = RealBezier{p0, p01, p012, mid};
  second = RealBezier{mid, p123, p23, p3};
}

Box BezierBounds(const RealBezier& b) {
  Box box;
  box.add(b.p0);
  box.add(b.p3);
  for (double t : ExtremeParameters(b.p0.h, b.p1.h, b.p2.h, b.p3.h)) {
    box.add(Cubic(b.p0.h, b.p1.h, b.p2.h, b.p3.h, t), Cubic(b.p0.v, b.p1.v, b.p2.v, b.p3.v, t));
  }
  for (double t : ExtremeParameters(b.p0.v, b.p1.v, b.p2.v, b.p3.v)) {
    box.add(Cubic(b.p0.h, b.p1.h, b.p2.h, b.p3.h, t), Cubic(b.p0.v, b.p1.v, b.p2.v, b.p3.v, t));
  }
  return box;
}

double BezierArcLength(const RealBezier& b, double tolerance) {
  if (!(tolerance > 0)) tolerance = kDefaultFlatness;
  return LengthRecursive(b, tolerance, 0);
}

std::vector<RealBezier> PathCurves(const std::vector<PathSegment>& segments, bool closed) {
  std::vector<RealBezier> curves;
  const size_t n = segments.size();
  if (n < 2) return curves;
  const size_t count = closed ? n : n - 1;
  curves.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const PathSegment& from = segments[i];
    const PathSegment& to = segments[(i + 1) % n];
    curves.push_back(RealBezier{from.p, from.out, to.in, to.p});
  }
  return curves;
}

Box PathBounds(const std::vector<PathSegment>& segments, bool closed) {
  Box box;
  for (const PathSegment& s : segments) box.add(s.p);
  for (const RealBezier& curve : PathCurves(segments, closed)) box.add(BezierBounds(curve));
  return box;
}

double PathLength(const std::vector<PathSegment>& segments, bool closed, double tolerance) {
  double length = 0;
  for (const RealBezier& curve : PathCurves(segments, closed)) length += BezierArcLength(curve, tolerance);
  return length;
}

}  // namespace corvane::host
