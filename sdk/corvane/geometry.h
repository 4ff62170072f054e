/* Arithmetic, matrices, transformations and Bezier curves. */
#ifndef CORVANE_SDK_GEOMETRY_H
#define CORVANE_SDK_GEOMETRY_H

#include "corvane/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kRealMathSuite "AI Real Math Suite"
#define kRealMathSuiteVersion 1

/* Single-precision arithmetic as the host computes it. Angles are radians. */
typedef struct RealMathSuiteV1 {
  Real (*RealAdd)(Real a, Real b);
  Real (*RealMultiply)(Real a, Real b);
  /* a / b; a division by 0 gives 0 rather than an infinity. */
  Real (*RealDivide)(Real a, Real b);
  Real (*Sine)(Real radians);
  Real (*Cosine)(Real radians);
  Real (*ArcTangent2)(Real dy, Real dx);
  Real (*DegreesToRadians)(Real degrees);
  /* The square root; 0 for negative input. */
  Real (*SquareRoot)(Real x);
  void (*PointAdd)(const RealPoint* a, const RealPoint* b, RealPoint* result);
  /* result = a - b */
  void (*PointSubtract)(const RealPoint* a, const RealPoint* b, RealPoint* result);
  /* Angle of the line from -> to, in radians; 0 when the points are equal. */
  Real (*PointAngle)(const RealPoint* from, const RealPoint* to);
  Real (*PointDistance)(const RealPoint* a, const RealPoint* b);
  /* result = b + t (a - b): t = 0 gives b, t = 1 gives a. */
  void (*PointTowards)(const RealPoint* a, const RealPoint* b, Real t, RealPoint* result);
  void (*MatrixSetIdentity)(RealMatrix* m);
  /* Sets m to the translation alone. */
  void (*MatrixSetTranslate)(RealMatrix* m, Real tx, Real ty);
  /* The Concat operations apply their step after the steps already in m. */
  void (*MatrixConcatTranslate)(RealMatrix* m, Real tx, Real ty);
  void (*MatrixConcatScale)(RealMatrix* m, Real sx, Real sy);
  void (*MatrixConcatRotate)(RealMatrix* m, Real radians);
} RealMathSuiteV1;

#define kTransformArtSuite "AI Transform Art Suite"
#define kTransformArtSuiteVersion 1

/* Transform flags. */
#define kTransformObjects 1
#define kTransformFillPatterns 2
#define kTransformFillGradients 4
#define kTransformStrokePatterns 8
#define kTransformScaleLines 16

typedef struct TransformArtSuiteV1 {
  /* Applies the matrix to every anchor and control point of the art and its
   * members. With kTransformScaleLines the stroke widths are multiplied by
   * lineScale. Degenerate matrices (a scale of 0) are accepted. */
  HostError (*TransformArt)(ArtRef art, const RealMatrix* matrix, Real lineScale, int32_t flags);
} TransformArtSuiteV1;

typedef struct RealBezier {
  RealPoint p0, p1, p2, p3;
} RealBezier;

#define kRealBezierSuite "AI Real Bezier Suite"
#define kRealBezierSuiteVersion 1

typedef struct RealBezierSuiteV1 {
  void (*MakeBezier)(RealBezier* b, const RealPoint* p0, const RealPoint* p1,
                     const RealPoint* p2, const RealPoint* p3);
  /* Splits at parameter t (0 to 1) into the two halves. */
  void (*SplitBezier)(const RealBezier* b, Real t, RealBezier* first, RealBezier* second);
  /* Arc length; flatness 0 asks for the host's default accuracy. */
  Real (*BezierLength)(const RealBezier* b, Real flatness);
} RealBezierSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
