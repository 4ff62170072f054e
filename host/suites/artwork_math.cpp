// "AI Real Math Suite" 1 and "AI Real Bezier Suite" 1: pure computations in
// single precision that need no document. Null pointers are ignored (void
// functions do nothing, Real functions give 0).
#include "host/model/geometry.h"
#include "host/suites/artwork_support.h"

#include <cmath>

namespace corvane::host::artwork {

namespace {

constexpr Real kPi = 3.14159265358979323846f;

Real RealAdd(Real a, Real b) { return a + b; }
Real RealMultiply(Real a, Real b) { return a * b; }
Real RealDivide(Real a, Real b) { return b == 0.0f ? 0.0f : a / b; }
Real Sine(Real radians) { return std::sin(radians); }
Real Cosine(Real radians) { return std::cos(radians); }
Real ArcTangent2(Real dy, Real dx) { return std::atan2(dy, dx); }
Real DegreesToRadians(Real degrees) { return degrees * (kPi / 180.0f); }
Real SquareRoot(Real x) { return x > 0.0f ? std::sqrt(x) : 0.0f; }

void PointAdd(const RealPoint* a, const RealPoint* b, RealPoint* r) {
  if (a && b && r) *r = RealPoint{a->h + b->h, a->v + b->v};
}

void PointSubtract(const RealPoint* a, const RealPoint* b, RealPoint* r) {
  if (a && b && r) *r = RealPoint{a->h - b->h, a->v - b->v};
}

Real PointAngle(const RealPoint* from, const RealPoint* to) {
  if (!from || !to) return 0.0f;
  const Real dh = to->h - from->h, dv = to->v - from->v;
  return dh == 0.0f && dv == 0.0f ? 0.0f : std::atan2(dv, dh);
}

Real PointDistance(const RealPoint* a, const RealPoint* b) {
  return a && b ? std::hypot(a->h - b->h, a->v - b->v) : 0.0f;
}

void PointTowards(const RealPoint* a, const RealPoint* b, Real t, RealPoint* r) {
  if (a && b && r) *r = RealPoint{b->h + t * (a->h - b->h), b->v + t * (a->v - b->v)};
}

void MatrixSetIdentity(RealMatrix* m) {
  if (m) *m = IdentityMatrix();
}

void MatrixSetTranslate(RealMatrix* m, Real tx, Real ty) {
  if (m) *m = TranslateMatrix(tx, ty);
}

void MatrixConcatTranslate(RealMatrix* m, Real tx, Real ty) {
  if (m) *m = ThenTranslate(*m, tx, ty);
}

void MatrixConcatScale(RealMatrix* m, Real sx, Real sy) {
  if (m) *m = ThenScale(*m, sx, sy);
}

void MatrixConcatRotate(RealMatrix* m, Real radians) {
  if (m) *m = ThenRotate(*m, radians);
}

void MakeBezier(RealBezier* b, const RealPoint* p0, const RealPoint* p1, const RealPoint* p2,
                const RealPoint* p3) {
  if (b && p0 && p1 && p2 && p3) *b = RealBezier{*p0, *p1, *p2, *p3};
}

void SplitBezier(const RealBezier* b, Real t, RealBezier* first, RealBezier* second) {
  if (!b || !first || !second) return;
  SplitBezierAt(*b, t, *first, *second);
}

Real BezierLength(const RealBezier* b, Real flatness) {
  return b ? static_cast<Real>(BezierArcLength(*b, flatness)) : 0.0f;
}

}  // namespace

const RealMathSuiteV1& RealMathSuite() {
  static const RealMathSuiteV1 table = {
      RealAdd,          RealMultiply,     RealDivide,        Sine,
      Cosine,           ArcTangent2,      DegreesToRadians,  SquareRoot,
      PointAdd,         PointSubtract,    PointAngle,        PointDistance,
      PointTowards,     MatrixSetIdentity, MatrixSetTranslate, MatrixConcatTranslate,
      MatrixConcatScale, MatrixConcatRotate};
  return table;
}

const RealBezierSuiteV1& RealBezierSuite() {
  static const RealBezierSuiteV1 table = {MakeBezier, SplitBezier, BezierLength};
  return table;
}

}  // namespace corvane::host::artwork
