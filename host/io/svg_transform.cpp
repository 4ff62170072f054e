#include "host/io/svg_transform.h"

#include "host/io/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace corvane::host::io {

Matrix Matrix::then(const Matrix& m) const {
  return Matrix{a * m.a + c * m.b,       b * m.a + d * m.b,       a * m.c + c * m.d,
                b * m.c + d * m.d,       a * m.e + c * m.f + e,   b * m.e + d * m.f + f};
}

double Matrix::lineScale() const { return std::sqrt(std::fabs(a * d - b * c)); }

std::string Matrix::text() const {
  std::string out = "matrix(";
  const double values[] = {a, b, c, d, e, f};
  for (int i = 0; i < 6; ++i) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, values[i]);
    if (i) out += ' ';
    out.append(buffer, result.ptr);
  }
  return out + ")";
}

namespace {

constexpr double kPi = 3.14159265358979323846;

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f'; }

void SkipSpace(std::string_view text, size_t& at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
}

// The numbers between the parentheses, separated by spaces and/or commas.
std::optional<std::vector<double>> Arguments(std::string_view text, size_t& at) {
  std::vector<double> values;
  SkipSpace(text, at);
  if (at >= text.size() || text[at] != '(') return std::nullopt;
  ++at;
  for (;;) {
    SkipSpace(text, at);
    if (at < text.size() && text[at] == ')') {
      ++at;
      return values;
    }
    if (!values.empty() && at < text.size() && text[at] == ',') {
      ++at;
      SkipSpace(text, at);
    }
    size_t length = ScanNumber(text.substr(at));
    auto value = length ? ParseDouble(text.substr(at, length)) : std::nullopt;
    if (!value) return std::nullopt;
    values.push_back(*value);
    at += length;
  }
}

std::optional<Matrix> Step(std::string_view name, const std::vector<double>& v) {
  auto count = v.size();
  if (name == "matrix" && count == 6) return Matrix{v[0], v[1], v[2], v[3], v[4], v[5]};
  if (name == "translate" && (count == 1 || count == 2)) return Matrix{1, 0, 0, 1, v[0], count == 2 ? v[1] : 0};
  if (name == "scale" && (count == 1 || count == 2)) return Matrix{v[0], 0, 0, count == 2 ? v[1] : v[0], 0, 0};
  if (name == "rotate" && (count == 1 || count == 3)) {
    double r = v[0] * kPi / 180;
    Matrix rotation{std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
    if (count == 1) return rotation;
    return Matrix{1, 0, 0, 1, v[1], v[2]}.then(rotation).then(Matrix{1, 0, 0, 1, -v[1], -v[2]});
  }
  if (name == "skewX" && count == 1) return Matrix{1, 0, std::tan(v[0] * kPi / 180), 1, 0, 0};
  if (name == "skewY" && count == 1) return Matrix{1, std::tan(v[0] * kPi / 180), 0, 1, 0, 0};
  return std::nullopt;
}

}  // namespace

std::optional<Matrix> ParseTransform(std::string_view text, std::string& error) {
  Matrix total;
  size_t at = 0;
  for (;;) {
    SkipSpace(text, at);
    if (at < text.size() && text[at] == ',' && at > 0) {
      ++at;
      SkipSpace(text, at);
    }
    if (at >= text.size()) return total;
    size_t start = at;
    while (at < text.size() && std::isalpha(static_cast<unsigned char>(text[at]))) ++at;
    std::string_view name = text.substr(start, at - start);
    if (name.empty()) {
      error = "unexpected '" + std::string(1, text[at]) + "' in transform at position " + std::to_string(at);
      return std::nullopt;
    }
    auto arguments = Arguments(text, at);
    auto step = arguments ? Step(name, *arguments) : std::nullopt;
    if (!step) {
      error = "bad transform '" + std::string(name) + "' at position " + std::to_string(start);
      return std::nullopt;
    }
    total = total.then(*step);
  }
}

}  // namespace corvane::host::io
