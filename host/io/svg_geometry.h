// Path geometry of the SVG form in both directions: model segments to path
// data and back, with the corvane: attributes for what path data cannot
// hold (see svg_document.h).
#pragma once

#include "host/io/svg_path_data.h"
#include "host/io/svg_transform.h"

#include <corvane/path.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane::host::io {

struct Subpath {
  std::vector<PathSegment> segments;
  bool closed = false;
};

// The page's frame in SVG user space: the viewBox origin and height, as
// written, so that positions map exactly.
class PageFrame {
 public:
  // Texts of numbers in the ScanNumber grammar.
  PageFrame(const std::string& left, const std::string& top, const std::string& height);
  // Document coordinates of a point in user space under `matrix` (the
  // transforms of the element and its ancestors). Throws SvgError when the
  // result does not fit single precision.
  RealPoint map(const SvgPoint& point, const Matrix& matrix) const;
  // User-space text of a document y, exact under map().
  std::string yText(float y) const;

 private:
  // The left edge and bottom_ = top + height as plain decimal texts, for
  // exact arithmetic; absent when out of its reach. Kept in that short form,
  // not as written: every coordinate is computed against them.
  std::optional<std::string> left_, bottom_;
  double leftValue_, bottomValue_;
};

// Subpaths, for a sink fed in user space.
class SubpathBuilder : public PathSink {
 public:
  SubpathBuilder(const PageFrame& frame, const Matrix& matrix) : frame_(frame), matrix_(matrix) {}
  void moveTo(const SvgPoint& p) override;
  void lineTo(const SvgPoint& p) override;
  void curveTo(const SvgPoint& c1, const SvgPoint& c2, const SvgPoint& p) override;
  void closePath() override;
  std::vector<Subpath>& subpaths() { return subpaths_; }

 private:
  void append(const PathSegment& segment);
  const PageFrame& frame_;
  Matrix matrix_;
  std::vector<Subpath> subpaths_;
};

// Applies corvane:ends, then the corner flags (corvane:corners, or
// InferCorner where the attribute is absent or no longer fits the path).
void ApplyEnds(std::vector<Subpath>& subpaths, const std::string* ends);
void ApplyCorners(std::vector<Subpath>& subpaths, const std::string* corners);

struct PathGeometryText {
  std::string data;
  std::optional<std::string> corners;
  std::optional<std::string> ends;
};

// Path data (M, L, C, Z only) and the corvane: attributes the subpaths
// need. Subpaths without segments are left out. The frame's left edge must
// be 0.
PathGeometryText WriteGeometry(const std::vector<Subpath>& subpaths, const PageFrame& frame);

}  // namespace corvane::host::io
