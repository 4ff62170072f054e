#include "host/io/svg_shapes.h"

#include "host/io/number_text.h"
#include "host/io/svg_style.h"

#include <algorithm>
#include <cctype>

namespace corvane::host::io {
namespace {

SvgPoint At(double x, double y) { return SvgPoint{{x, {}}, {y, {}}}; }

class Measures {
 public:
  Measures(std::string_view element, const std::function<const std::string*(const std::string&)>& attribute)
      : element_(element), attribute_(attribute) {}

  double length(const std::string& name, bool nonNegative = false) const {
    const std::string* text = attribute_(name);
    if (!text) return 0;
    std::string_view value = *text;
    while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back()))) value.remove_suffix(1);
    while (!value.empty() && std::isspace(static_cast<unsigned char>(value.front()))) value.remove_prefix(1);
    if (value.size() > 2 && value.substr(value.size() - 2) == "px") value.remove_suffix(2);
    auto number = ParseDouble(value);
    if (!number) fail(name, "expected a number (user units or px), not '" + *text + "'");
    if (nonNegative && *number < 0) fail(name, "must not be negative");
    return *number;
  }

  bool has(const std::string& name) const { return attribute_(name) != nullptr; }

  [[noreturn]] void fail(const std::string& name, const std::string& what) const {
    throw SvgError{name + ": " + what};
  }

 private:
  std::string_view element_;
  const std::function<const std::string*(const std::string&)>& attribute_;
};

void AddEllipse(PathSink& sink, double cx, double cy, double rx, double ry) {
  SvgPoint points[] = {At(cx + rx, cy), At(cx, cy + ry), At(cx - rx, cy), At(cx, cy - ry), At(cx + rx, cy)};
  sink.moveTo(points[0]);
  for (int i = 1; i < 5; ++i) AddArc(sink, points[i - 1], rx, ry, 0, false, true, points[i]);
  sink.closePath();
}

void AddRect(PathSink& sink, const Measures& m) {
  double x = m.length("x"), y = m.length("y");
  double w = m.length("width", true), h = m.length("height", true);
  double rx = m.length("rx", true), ry = m.length("ry", true);
  if (!m.has("rx")) rx = ry;
  if (!m.has("ry")) ry = rx;
  rx = std::min(rx, w / 2);
  ry = std::min(ry, h / 2);
  if (rx == 0 || ry == 0) {
    sink.moveTo(At(x, y));
    sink.lineTo(At(x + w, y));
    sink.lineTo(At(x + w, y + h));
    sink.lineTo(At(x, y + h));
    sink.closePath();
    return;
  }
  SvgPoint corners[] = {At(x + rx, y),         At(x + w - rx, y), At(x + w, y + ry), At(x + w, y + h - ry),
                        At(x + w - rx, y + h), At(x + rx, y + h), At(x, y + h - ry), At(x, y + ry)};
  sink.moveTo(corners[0]);
  for (int i = 0; i < 8; i += 2) {
    if (i > 0) AddArc(sink, corners[i - 1], rx, ry, 0, false, true, corners[i]);
    sink.lineTo(corners[i + 1]);
  }
  AddArc(sink, corners[7], rx, ry, 0, false, true, corners[0]);
  sink.closePath();
}

void AddPoints(PathSink& sink, const std::function<const std::string*(const std::string&)>& attribute,
               bool closed) {
  const std::string* text = attribute("points");
  if (!text) return;
  std::vector<Coord> values;
  std::string_view rest = *text;
  for (;;) {
    while (!rest.empty() && (std::isspace(static_cast<unsigned char>(rest.front())) || rest.front() == ','))
      rest.remove_prefix(1);
    if (rest.empty()) break;
    size_t length = ScanNumber(rest);
    auto value = length ? ParseDouble(rest.substr(0, length)) : std::nullopt;
    if (!value) throw SvgError{"points: expected a number at '" + std::string(rest.substr(0, 16)) + "'"};
    values.push_back(Coord{*value, rest.substr(0, length)});
    rest.remove_prefix(length);
  }
  if (values.size() % 2 != 0) throw SvgError{"points: odd number of coordinates"};
  for (size_t i = 0; i < values.size(); i += 2) {
    SvgPoint p{values[i], values[i + 1]};
    if (i == 0) sink.moveTo(p);
    else sink.lineTo(p);
  }
  if (closed && !values.empty()) sink.closePath();
}

}  // namespace

bool IsShape(std::string_view element) {
  return element == "rect" || element == "circle" || element == "ellipse" || element == "line" ||
         element == "polyline" || element == "polygon";
}

const std::vector<std::string>& ShapeAttributes(std::string_view element) {
  static const std::vector<std::string> kRect{"x", "y", "width", "height", "rx", "ry"};
  static const std::vector<std::string> kCircle{"cx", "cy", "r"};
  static const std::vector<std::string> kEllipse{"cx", "cy", "rx", "ry"};
  static const std::vector<std::string> kLine{"x1", "y1", "x2", "y2"};
  static const std::vector<std::string> kPoints{"points"};
  static const std::vector<std::string> kNone;
  if (element == "rect") return kRect;
  if (element == "circle") return kCircle;
  if (element == "ellipse") return kEllipse;
  if (element == "line") return kLine;
  if (element == "polyline" || element == "polygon") return kPoints;
  return kNone;
}

void AddShape(std::string_view element, const std::function<const std::string*(const std::string&)>& attribute,
              PathSink& sink) {
  Measures m(element, attribute);
  if (element == "rect") {
    AddRect(sink, m);
  } else if (element == "circle") {
    double r = m.length("r", true);
    AddEllipse(sink, m.length("cx"), m.length("cy"), r, r);
  } else if (element == "ellipse") {
    AddEllipse(sink, m.length("cx"), m.length("cy"), m.length("rx", true), m.length("ry", true));
  } else if (element == "line") {
    sink.moveTo(At(m.length("x1"), m.length("y1")));
    sink.lineTo(At(m.length("x2"), m.length("y2")));
  } else {
    AddPoints(sink, attribute, element == "polygon");
  }
}

}  // namespace corvane::host::io
