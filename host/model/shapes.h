// Geometry of the ready-made shapes. Each function returns the segments of
// the path, which the caller places as a new path (closed, except spirals).
//
// Orientation: every closed shape runs clockwise as seen with y growing
// upwards, starting at a documented point; `reversed` returns the same
// segments in the opposite order with each segment's in and out controls
// swapped, so the reversed path traces the same outline backwards.
//
// Curves: straight sides are corner segments whose controls sit on their
// anchors. Quarter ellipses are single Bezier curves whose controls lie
// kKappa times the radius from the anchors along the tangents; segments
// joining curves smoothly are not corners.
#pragma once

#include <corvane/path.h>

#include <cstdint>
#include <vector>

namespace corvane::host {

// Control distance of a quarter-circle Bezier, as a fraction of the radius.
constexpr double kKappa = 0.5522848;

using Segments = std::vector<PathSegment>;

// Four corners: top-left, top-right, bottom-right, bottom-left.
Segments RectangleSegments(Real top, Real left, Real bottom, Real right, bool reversed);

// Eight segments: the two ends of each straight side, starting at the left end
// of the top side, with the corners rounded by quarter ellipses of radii
// (radiusH, radiusV), each radius capped at half the side it rounds and taken
// by magnitude.
Segments RoundedRectangleSegments(Real x, Real y, Real height, Real width, Real radiusH,
                                  Real radiusV, bool reversed);

// Ellipse of radii (rx, ry) about (x, y) as four quarter curves starting at
// the top: top, right, bottom, left.
Segments EllipseSegments(Real x, Real y, Real rx, Real ry, bool reversed);

// Regular polygon with `sides` corners at `radius` from (x, y), the first
// straight up. Precondition: sides >= 1.
Segments PolygonSegments(int32_t sides, Real x, Real y, Real radius, bool reversed);

// Star of `points` tips on outerRadius, each followed by an inner vertex on
// innerRadius halfway round to the next tip; the first tip straight up.
Segments StarSegments(int32_t points, Real x, Real y, Real innerRadius, Real outerRadius,
                      bool reversed);

// Open spiral of quarterTurns quarter-circle arcs (one curve each, so
// quarterTurns + 1 anchors). The first arc is centred on `centre` and starts
// at `start`; each later arc continues the previous one smoothly with its
// radius times `decay`, its centre on the line from its start point to the
// previous centre.
Segments SpiralSegments(RealPoint centre, RealPoint start, Real decay, int32_t quarterTurns,
                        bool anticlockwise);

}  // namespace corvane::host
