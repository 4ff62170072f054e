#include "host/model/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvane::host {

namespace {

constexpr double kPi = 3.14159265358979323846;

RealPoint At(double h, double v) { return RealPoint{static_cast<Real>(h), static_cast<Real>(v)}; }

PathSegment Corner(double h, double v) {
  const RealPoint p = At(h, v);
  return PathSegment{p, p, p, 1};
}

PathSegment Smooth(RealPoint in, RealPoint p, RealPoint out) { return PathSegment{p, in, out, 0}; }

Segments Oriented(Segments segments, bool reversed) {
  if (!reversed) return segments;
  std::reverse(segments.begin(), segments.end());
  for (PathSegment& s : segments) std::swap(s.in, s.out);
  return segments;
}

// Corners at `radius` from (x, y), the first straight up, going clockwise.
Segments Ring(int32_t count, double x, double y, double radius, double angleOffset) {
  Segments segments;
  segments.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    const double angle = kPi / 2 - (i + angleOffset) * 2 * kPi / count;
    segments.push_back(Corner(x + radius * std::cos(angle), y + radius * std::sin(angle)));
  }
  return segments;
}

}  // namespace

Segments RectangleSegments(Real top, Real left, Real bottom, Real right, bool reversed) {
  return Oriented({Corner(left, top), Corner(right, top), Corner(right, bottom), Corner(left, bottom)},
                  reversed);
}

Segments RoundedRectangleSegments(Real x, Real y, Real height, Real width, Real radiusH,
                                  Real radiusV, bool reversed) {
  const double halfW = std::fabs(double(width)) / 2, halfH = std::fabs(double(height)) / 2;
  const double rh = std::min(std::fabs(double(radiusH)), halfW);
  const double rv = std::min(std::fabs(double(radiusV)), halfH);
  const double left = x - halfW, right = x + halfW, top = y + halfH, bottom = y - halfH;
  const double kh = kKappa * rh, kv = kKappa * rv;
  // Each straight side runs from a segment whose in control bends round the
  // previous corner to one whose out control bends round the next.
  Segments s = {
      Smooth(At(left + rh - kh, top), At(left + rh, top), At(left + rh, top)),
      Smooth(At(right - rh, top), At(right - rh, top), At(right - rh + kh, top)),
      Smooth(At(right, top - rv + kv), At(right, top - rv), At(right, top - rv)),
      Smooth(At(right, bottom + rv), At(right, bottom + rv), At(right, bottom + rv - kv)),
      Smooth(At(right - rh + kh, bottom), At(right - rh, bottom), At(right - rh, bottom)),
      Smooth(At(left + rh, bottom), At(left + rh, bottom), At(left + rh - kh, bottom)),
      Smooth(At(left, bottom + rv - kv), At(left, bottom + rv), At(left, bottom + rv)),
      Smooth(At(left, top - rv), At(left, top - rv), At(left, top - rv + kv)),
  };
  return Oriented(std::move(s), reversed);
}

Segments EllipseSegments(Real x, Real y, Real rx, Real ry, bool reversed) {
  const double kx = kKappa * rx, ky = kKappa * ry;
  Segments s = {
      Smooth(At(x - kx, y + ry), At(x, y + ry), At(x + kx, y + ry)),
      Smooth(At(x + rx, y + ky), At(x + rx, y), At(x + rx, y - ky)),
      Smooth(At(x + kx, y - ry), At(x, y - ry), At(x - kx, y - ry)),
      Smooth(At(x - rx, y - ky), At(x - rx, y), At(x - rx, y + ky)),
  };
  return Oriented(std::move(s), reversed);
}

Segments PolygonSegments(int32_t sides, Real x, Real y, Real radius, bool reversed) {
  return Oriented(Ring(sides, x, y, radius, 0), reversed);
}

Segments StarSegments(int32_t points, Real x, Real y, Real innerRadius, Real outerRadius,
                      bool reversed) {
  const Segments tips = Ring(points, x, y, outerRadius, 0);
  const Segments inner = Ring(points, x, y, innerRadius, 0.5);
  Segments s;
  s.reserve(tips.size() * 2);
  for (size_t i = 0; i < tips.size(); ++i) {
    s.push_back(tips[i]);
    s.push_back(inner[i]);
  }
  return Oriented(std::move(s), reversed);
}

Segments SpiralSegments(RealPoint centre, RealPoint start, Real decay, int32_t quarterTurns,
                        bool anticlockwise) {
  const double turn = anticlockwise ? kPi / 2 : -kPi / 2;
  const double sense = anticlockwise ? 1.0 : -1.0;
  double cx = centre.h, cy = centre.v;
  double radius = std::hypot(double(start.h) - cx, double(start.v) - cy);
  double angle = std::atan2(double(start.v) - cy, double(start.h) - cx);
  // Unit tangent in the direction of travel at `a`.
  auto tangent = [sense](double a) { return std::pair{-sense * std::sin(a), sense * std::cos(a)}; };

  Segments s;
  s.reserve(static_cast<size_t>(quarterTurns) + 1);
  s.push_back(Smooth(start, start, start));
  for (int32_t i = 0; i < quarterTurns; ++i) {
    const double end = angle + turn;
    const double k = kKappa * radius;
    const auto [t0h, t0v] = tangent(angle);
    const auto [t1h, t1v] = tangent(end);
    PathSegment& from = s.back();
    from.out = At(from.p.h + k * t0h, from.p.v + k * t0v);
    const double ph = cx + radius * std::cos(end), pv = cy + radius * std::sin(end);
    s.push_back(Smooth(At(ph - k * t1h, pv - k * t1v), At(ph, pv), At(ph, pv)));
    // The next arc starts here with the same tangent, so its centre lies on
    // the radius through this point, decay times as far away.
    const double next = radius * decay;
    cx = ph - next * std::cos(end);
    cy = pv - next * std::sin(end);
    radius = next;
    angle = end;
  }
  return s;
}

}  // namespace corvane::host
