// Affine matrices of SVG transform attributes, in double precision.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::host::io {

// x' = a x + c y + e, y' = b x + d y + f.
struct Matrix {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  bool isIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && e == 0 && f == 0; }
  // The matrix that applies `inner` first, then this one.
  Matrix then(const Matrix& inner) const;
  double mapX(double x, double y) const { return a * x + c * y + e; }
  double mapY(double x, double y) const { return b * x + d * y + f; }
  // The factor by which the matrix scales lengths on average: the square
  // root of the absolute area factor.
  double lineScale() const;
  // "matrix(a b c d e f)" with each number in its shortest exact text.
  std::string text() const;
};

// Parses a transform list (matrix, translate, scale, rotate, skewX, skewY).
// On failure, nullopt and a description in `error`.
std::optional<Matrix> ParseTransform(std::string_view text, std::string& error);

}  // namespace corvane::host::io
