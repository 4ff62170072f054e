// SVG path data: a parser that feeds a sink, as the reader, the shapes and
// the tests share one stream of moveTo/lineTo/curveTo/closePath.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::host::io {

// A coordinate in SVG user space. `text` is the number as written when the
// coordinate was given absolutely (it points into the parsed string), empty
// when it was computed; the reader uses it to map positions exactly.
struct Coord {
  double value = 0;
  std::string_view text;
};

struct SvgPoint {
  Coord x, y;
};

class PathSink {
 public:
  virtual ~PathSink() = default;
  virtual void moveTo(const SvgPoint& p) = 0;
  virtual void lineTo(const SvgPoint& p) = 0;
  virtual void curveTo(const SvgPoint& c1, const SvgPoint& c2, const SvgPoint& p) = 0;
  virtual void closePath() = 0;
};

struct PathDataError {
  std::string message;
  size_t offset = 0;  // in the path data
};

// Feeds `sink` with the path data, every command reduced to moves, lines,
// cubics and closes (quadratics are raised to cubics, arcs approximated by
// cubics of at most a quarter turn). A close followed by a drawing command
// starts the next subpath with a moveTo to the closed subpath's start.
// Stops at the first error; the sink has then seen the commands before it.
std::optional<PathDataError> ParsePathData(std::string_view data, PathSink& sink);

// The elliptical arc from `from` to `to`, as SVG's arc command defines it,
// fed to `sink` as cubics (the last ends exactly at `to`).
void AddArc(PathSink& sink, const SvgPoint& from, double rx, double ry, double rotationDegrees,
            bool largeArc, bool sweep, const SvgPoint& to);

}  // namespace corvane::host::io
