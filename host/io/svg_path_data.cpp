#include "host/io/svg_path_data.h"

#include "host/io/number_text.h"

#include <cctype>
#include <cmath>

namespace corvane::host::io {
namespace {

constexpr double kPi = 3.14159265358979323846;

SvgPoint Computed(double x, double y) { return SvgPoint{{x, {}}, {y, {}}}; }

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f'; }

int ArgumentCount(char command) {
  switch (command) {
    case 'M': case 'L': case 'T': return 2;
    case 'H': case 'V': return 1;
    case 'C': return 6;
    case 'S': case 'Q': return 4;
    case 'A': return 7;
    default: return 0;
  }
}

struct Failure {
  PathDataError error;
};

class Parser {
 public:
  Parser(std::string_view data, PathSink& sink) : data_(data), sink_(sink) {}

  void run() {
    skipSeparators(false);
    if (at_ >= data_.size()) return;
    if (data_[at_] != 'M' && data_[at_] != 'm')
      fail("path data must begin with a move-to (M or m)");
    char command = 0;
    for (;;) {
      skipSeparators(false);
      if (at_ >= data_.size()) return;
      char ch = data_[at_];
      if (std::isalpha(static_cast<unsigned char>(ch))) {
        if (ArgumentCount(static_cast<char>(std::toupper(ch))) == 0 && ch != 'Z' && ch != 'z')
          fail(std::string("unknown command '") + ch + "'");
        command = ch;
        ++at_;
        if (command == 'Z' || command == 'z') {
          close();
          command = 0;
          continue;
        }
      } else if (command == 0) {
        fail(std::string("unexpected '") + ch + "'");
      }
      drawing(command);
      // Further argument groups repeat the command; after a move, as lines.
      if (command == 'M') command = 'L';
      if (command == 'm') command = 'l';
    }
  }

 private:
  [[noreturn]] void fail(const std::string& what) {
    throw Failure{{what + " at position " + std::to_string(at_), at_}};
  }

  void skipSeparators(bool comma) {
    while (at_ < data_.size() && IsSpace(data_[at_])) ++at_;
    if (comma && at_ < data_.size() && data_[at_] == ',') {
      ++at_;
      while (at_ < data_.size() && IsSpace(data_[at_])) ++at_;
    }
  }

  Coord number() {
    skipSeparators(true);
    size_t length = ScanNumber(data_.substr(at_));
    auto value = length ? ParseDouble(data_.substr(at_, length)) : std::nullopt;
    if (!value) fail("expected a number");
    Coord coord{*value, data_.substr(at_, length)};
    at_ += length;
    return coord;
  }

  bool flag() {
    skipSeparators(true);
    if (at_ < data_.size() && (data_[at_] == '0' || data_[at_] == '1')) return data_[at_++] == '1';
    fail("expected an arc flag (0 or 1)");
  }

  // An absolute point as written, or a relative one added to the current point.
  SvgPoint point(bool relative) {
    Coord x = number();
    Coord y = number();
    if (!relative) return SvgPoint{x, y};
    return Computed(current_.x.value + x.value, current_.y.value + y.value);
  }

  void ensureSubpath() {
    if (!open_) {
      sink_.moveTo(start_);
      open_ = true;
    }
  }

  void drawing(char command) {
    bool relative = std::islower(static_cast<unsigned char>(command));
    char upper = static_cast<char>(std::toupper(command));
    if (upper != 'M') ensureSubpath();
    switch (upper) {
      case 'M':
        current_ = start_ = point(relative);
        sink_.moveTo(current_);
        open_ = true;
        break;
      case 'L':
        current_ = point(relative);
        sink_.lineTo(current_);
        break;
      case 'H': {
        Coord x = number();
        current_.x = relative ? Coord{current_.x.value + x.value, {}} : x;
        sink_.lineTo(current_);
        break;
      }
      case 'V': {
        Coord y = number();
        current_.y = relative ? Coord{current_.y.value + y.value, {}} : y;
        sink_.lineTo(current_);
        break;
      }
      case 'C': case 'S': cubic(upper, relative); return;
      case 'Q': case 'T': quadratic(upper, relative); return;
      case 'A': arc(relative); break;
    }
    lastCubic_ = lastQuadratic_ = current_;
  }

  void cubic(char upper, bool relative) {
    SvgPoint c1 = upper == 'S' ? reflect(lastCubic_) : point(relative);
    SvgPoint c2 = point(relative);
    SvgPoint p = point(relative);
    sink_.curveTo(c1, c2, p);
    current_ = p;
    lastCubic_ = c2;
    lastQuadratic_ = p;
  }

  void quadratic(char upper, bool relative) {
    SvgPoint q = upper == 'T' ? reflect(lastQuadratic_) : point(relative);
    SvgPoint p = point(relative);
    double x0 = current_.x.value, y0 = current_.y.value;
    SvgPoint c1 = Computed(x0 + 2.0 / 3.0 * (q.x.value - x0), y0 + 2.0 / 3.0 * (q.y.value - y0));
    SvgPoint c2 = Computed(p.x.value + 2.0 / 3.0 * (q.x.value - p.x.value),
                           p.y.value + 2.0 / 3.0 * (q.y.value - p.y.value));
    sink_.curveTo(c1, c2, p);
    current_ = p;
    lastQuadratic_ = q;
    lastCubic_ = p;
  }

  void arc(bool relative) {
    double rx = number().value;
    double ry = number().value;
    double rotation = number().value;
    bool large = flag();
    bool sweep = flag();
    SvgPoint to = point(relative);
    AddArc(sink_, current_, rx, ry, rotation, large, sweep, to);
    current_ = to;
  }

  // The control point mirrored about the current point; the current point
  // itself when the previous command was not of the same family (`last` is
  // then the current point already).
  SvgPoint reflect(const SvgPoint& last) const {
    return Computed(2 * current_.x.value - last.x.value, 2 * current_.y.value - last.y.value);
  }

  void close() {
    if (open_) sink_.closePath();
    open_ = false;
    current_ = lastCubic_ = lastQuadratic_ = start_;
  }

  std::string_view data_;
  PathSink& sink_;
  size_t at_ = 0;
  SvgPoint current_, start_, lastCubic_, lastQuadratic_;
  bool open_ = false;
};

}  // namespace

std::optional<PathDataError> ParsePathData(std::string_view data, PathSink& sink) {
  try {
    Parser(data, sink).run();
  } catch (const Failure& failure) {
    return failure.error;
  }
  return std::nullopt;
}

void AddArc(PathSink& sink, const SvgPoint& from, double rx, double ry, double rotationDegrees,
            bool largeArc, bool sweep, const SvgPoint& to) {
  double x1 = from.x.value, y1 = from.y.value, x2 = to.x.value, y2 = to.y.value;
  if (x1 == x2 && y1 == y2) return;
  rx = std::fabs(rx);
  ry = std::fabs(ry);
  if (rx == 0 || ry == 0) {
    sink.lineTo(to);
    return;
  }
  // Endpoint to centre parameterisation.
  double phi = rotationDegrees * kPi / 180, cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  double dx = (x1 - x2) / 2, dy = (y1 - y2) / 2;
  double x1p = cosPhi * dx + sinPhi * dy, y1p = -sinPhi * dx + cosPhi * dy;
  double lambda = (x1p * x1p) / (rx * rx) + (y1p * y1p) / (ry * ry);
  if (!(lambda <= 1)) {
    // Radii far too small for the ends overflow the squares (giving an
    // infinity, or NaN beside a zero); hypot does not.
    double scale = std::isfinite(lambda) ? std::sqrt(lambda) : std::hypot(x1p / rx, y1p / ry);
    if (scale > 1) {
      rx *= scale;
      ry *= scale;
    }
  }
  double numerator = rx * rx * ry * ry - rx * rx * y1p * y1p - ry * ry * x1p * x1p;
  double denominator = rx * rx * y1p * y1p + ry * ry * x1p * x1p;
  double root = std::sqrt(std::fmax(0.0, numerator / denominator)) * (largeArc == sweep ? -1 : 1);
  double cxp = root * rx * y1p / ry, cyp = -root * ry * x1p / rx;
  double cx = cosPhi * cxp - sinPhi * cyp + (x1 + x2) / 2;
  double cy = sinPhi * cxp + cosPhi * cyp + (y1 + y2) / 2;
  auto angle = [](double ux, double uy, double vx, double vy) { return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy); };
  double theta = angle(1, 0, (x1p - cxp) / rx, (y1p - cyp) / ry);
  double delta = angle((x1p - cxp) / rx, (y1p - cyp) / ry, (-x1p - cxp) / rx, (-y1p - cyp) / ry);
  // Radii or distances near the ends of the double range overflow the
  // centre parameterisation; such an arc is drawn as its chord.
  if (!std::isfinite(theta) || !std::isfinite(delta)) {
    sink.lineTo(to);
    return;
  }
  if (!sweep && delta > 0) delta -= 2 * kPi;
  if (sweep && delta < 0) delta += 2 * kPi;
  int pieces = static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2) - 1e-9));
  if (pieces < 1) pieces = 1;
  double step = delta / pieces;
  double k = 4.0 / 3.0 * std::tan(step / 4);
  auto at = [&](double t, double& x, double& y, double& tx, double& ty) {
    double ex = rx * std::cos(t), ey = ry * std::sin(t);
    x = cosPhi * ex - sinPhi * ey + cx;
    y = sinPhi * ex + cosPhi * ey + cy;
    double dex = -rx * std::sin(t), dey = ry * std::cos(t);
    tx = cosPhi * dex - sinPhi * dey;
    ty = sinPhi * dex + cosPhi * dey;
  };
  double px, py, ptx, pty;
  at(theta, px, py, ptx, pty);
  for (int i = 1; i <= pieces; ++i) {
    double qx, qy, qtx, qty;
    at(theta + step * i, qx, qy, qtx, qty);
    SvgPoint end = i == pieces ? to : Computed(qx, qy);
    sink.curveTo(Computed(px + k * ptx, py + k * pty), Computed(qx - k * qtx, qy - k * qty), end);
    px = qx, py = qy, ptx = qtx, pty = qty;
  }
}

}  // namespace corvane::host::io
