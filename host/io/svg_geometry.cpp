#include "host/io/svg_geometry.h"

#include "host/io/number_text.h"
#include "host/io/svg_document.h"
#include "host/io/svg_style.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace corvane::host::io {
namespace {

bool Same(const RealPoint& a, const RealPoint& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Negated(const std::string& text) {
  if (!text.empty() && text[0] == '-') return text.substr(1);
  if (!text.empty() && text[0] == '+') return "-" + text.substr(1);
  return "-" + text;
}

float ToFloat(double value) {
  auto narrowed = NarrowToFloat(value);
  if (!narrowed) throw SvgError{"a coordinate is outside the single-precision range"};
  return *narrowed;
}

// The exact result of a decimal difference, rounded once; nullopt when the
// texts are out of the exact arithmetic's reach.
std::optional<float> ExactDifference(std::string_view a, std::string_view b) {
  auto text = DecimalDifference(a, b);
  if (!text) return std::nullopt;
  auto value = ParseFloat(*text);
  if (!value) throw SvgError{"a coordinate is outside the single-precision range"};
  return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t at = 0;
  for (;;) {
    size_t end = text.find(separator, at);
    parts.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) return parts;
    at = end + 1;
  }
}

}  // namespace

int32_t InferCorner(const PathSegment& segment) {
  double ix = static_cast<double>(segment.in.h) - segment.p.h;
  double iy = static_cast<double>(segment.in.v) - segment.p.v;
  double ox = static_cast<double>(segment.out.h) - segment.p.h;
  double oy = static_cast<double>(segment.out.v) - segment.p.v;
  if ((ix == 0 && iy == 0) || (ox == 0 && oy == 0)) return 1;
  bool opposite = ix * oy - iy * ox == 0 && ix * ox + iy * oy < 0;
  return opposite ? 0 : 1;
}

PageFrame::PageFrame(const std::string& left, const std::string& top, const std::string& height)
    : left_(DecimalDifference(left, "0")),
      bottom_(DecimalDifference(height, Negated(top))),
      leftValue_(ParseDouble(left).value_or(0)),
      bottomValue_(bottom_ ? ParseDouble(*bottom_).value_or(0)
                           : ParseDouble(height).value_or(0) + ParseDouble(top).value_or(0)) {}

RealPoint PageFrame::map(const SvgPoint& point, const Matrix& matrix) const {
  RealPoint mapped{};
  bool exact = matrix.isIdentity();
  std::optional<float> x, y;
  if (exact && left_ && !point.x.text.empty())
    x = *left_ == "0" ? ParseFloat(point.x.text) : ExactDifference(point.x.text, *left_);
  if (exact && bottom_ && !point.y.text.empty()) y = ExactDifference(*bottom_, point.y.text);
  mapped.h = x ? *x : ToFloat(matrix.mapX(point.x.value, point.y.value) - leftValue_);
  mapped.v = y ? *y : ToFloat(bottomValue_ - matrix.mapY(point.x.value, point.y.value));
  return mapped;
}

std::string PageFrame::yText(float y) const {
  std::optional<std::string> exact = bottom_ ? DecimalDifference(*bottom_, FormatFloat(y)) : std::nullopt;
  if (exact) return *exact;
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, bottomValue_ - y);
  return std::string(buffer, result.ptr);
}

void SubpathBuilder::append(const PathSegment& segment) {
  auto& segments = subpaths_.back().segments;
  if (segments.size() >= kMaxSegments)
    throw SvgError{"a subpath has more than " + std::to_string(kMaxSegments) + " segments"};
  segments.push_back(segment);
}

void SubpathBuilder::moveTo(const SvgPoint& p) {
  subpaths_.emplace_back();
  RealPoint at = frame_.map(p, matrix_);
  append(PathSegment{at, at, at, 0});
}

void SubpathBuilder::lineTo(const SvgPoint& p) {
  RealPoint at = frame_.map(p, matrix_);
  append(PathSegment{at, at, at, 0});
}

void SubpathBuilder::curveTo(const SvgPoint& c1, const SvgPoint& c2, const SvgPoint& p) {
  subpaths_.back().segments.back().out = frame_.map(c1, matrix_);
  RealPoint at = frame_.map(p, matrix_);
  append(PathSegment{at, frame_.map(c2, matrix_), at, 0});
}

void SubpathBuilder::closePath() {
  Subpath& subpath = subpaths_.back();
  auto& segments = subpath.segments;
  // A last segment ending on the start point is the closing segment.
  if (segments.size() > 1 && Same(segments.back().p, segments.front().p)) {
    segments.front().in = segments.back().in;
    segments.pop_back();
  }
  subpath.closed = true;
}

void ApplyEnds(std::vector<Subpath>& subpaths, const std::string* ends) {
  if (!ends) return;
  auto entries = Split(*ends, ';');
  if (entries.size() != subpaths.size()) return;
  std::vector<std::pair<RealPoint, RealPoint>> values(subpaths.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    auto& segments = subpaths[i].segments;
    values[i] = {segments.front().in, segments.back().out};
    std::vector<float> numbers;
    size_t at = 0;
    const std::string& entry = entries[i];
    while (at < entry.size()) {
      while (at < entry.size() && entry[at] == ' ') ++at;
      size_t end = entry.find(' ', at);
      if (end == std::string::npos) end = entry.size();
      if (end == at) break;
      auto value = ParseFloat(std::string_view(entry).substr(at, end - at));
      if (!value) return;
      numbers.push_back(*value);
      at = end;
    }
    if (numbers.empty()) continue;
    if (numbers.size() != 4 || subpaths[i].closed) return;
    values[i] = {RealPoint{numbers[0], numbers[1]}, RealPoint{numbers[2], numbers[3]}};
  }
  for (size_t i = 0; i < subpaths.size(); ++i) {
    subpaths[i].segments.front().in = values[i].first;
    subpaths[i].segments.back().out = values[i].second;
  }
}

void ApplyCorners(std::vector<Subpath>& subpaths, const std::string* corners) {
  std::vector<std::string> flags = corners ? Split(*corners, ' ') : std::vector<std::string>{};
  bool fits = flags.size() == subpaths.size();
  for (size_t i = 0; fits && i < flags.size(); ++i)
    fits = flags[i].size() == subpaths[i].segments.size() &&
           flags[i].find_first_not_of("01") == std::string::npos;
  for (size_t i = 0; i < subpaths.size(); ++i)
    for (size_t j = 0; j < subpaths[i].segments.size(); ++j) {
      auto& segment = subpaths[i].segments[j];
      segment.corner = fits ? flags[i][j] - '0' : InferCorner(segment);
    }
}

PathGeometryText WriteGeometry(const std::vector<Subpath>& subpaths, const PageFrame& frame) {
  PathGeometryText text;
  auto point = [&](const RealPoint& p) { return FormatFloat(p.h) + "," + frame.yText(p.v); };
  auto isLine = [](const PathSegment& from, const PathSegment& to) {
    return Same(from.out, from.p) && Same(to.in, to.p);
  };
  std::string corners, inferred, ends;
  bool anyEnds = false;
  for (const Subpath& subpath : subpaths) {
    const auto& s = subpath.segments;
    if (s.empty()) continue;
    if (!text.data.empty()) {
      text.data += ' ';
      corners += ' ';
      inferred += ' ';
      ends += ';';
    }
    text.data += "M " + point(s[0].p);
    for (size_t i = 1; i < s.size(); ++i)
      text.data += isLine(s[i - 1], s[i]) ? " L " + point(s[i].p)
                                          : " C " + point(s[i - 1].out) + " " + point(s[i].in) + " " + point(s[i].p);
    if (subpath.closed) {
      if (!isLine(s.back(), s[0]))
        text.data += " C " + point(s.back().out) + " " + point(s[0].in) + " " + point(s[0].p);
      else if (s.size() > 1 && Same(s.back().p, s[0].p))
        text.data += " L " + point(s[0].p);
      text.data += " Z";
    } else if (!Same(s[0].in, s[0].p) || !Same(s.back().out, s.back().p)) {
      ends += FormatFloat(s[0].in.h) + " " + FormatFloat(s[0].in.v) + " " + FormatFloat(s.back().out.h) + " " +
              FormatFloat(s.back().out.v);
      anyEnds = true;
    }
    for (const auto& segment : s) {
      corners += segment.corner ? '1' : '0';
      inferred += InferCorner(segment) ? '1' : '0';
    }
  }
  if (corners != inferred) text.corners = corners;
  if (anyEnds) text.ends = ends;
  return text;
}

}  // namespace corvane::host::io
