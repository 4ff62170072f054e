// The Real Math and Real Bezier suites: single-precision arithmetic, points,
// matrices and curves.
#include "suite_fixture.h"

#include "host/model/geometry.h"

#include <cmath>
#include <functional>

namespace corvane::host::testing {
namespace {

constexpr Real kPi = 3.14159265f;

class MathTest : public SuiteTest {};

TEST_F(MathTest, ArithmeticEdgeCases) {
  EXPECT_EQ(math->RealDivide(3, 0), 0.0f);
  EXPECT_EQ(math->RealDivide(3, 4), 0.75f);
  EXPECT_EQ(math->SquareRoot(-4), 0.0f);
  EXPECT_EQ(math->SquareRoot(16), 4.0f);
  EXPECT_FLOAT_EQ(math->DegreesToRadians(180), kPi);
  EXPECT_FLOAT_EQ(math->ArcTangent2(1, 0), kPi / 2);
  EXPECT_FLOAT_EQ(math->Sine(kPi / 2), 1.0f);
  EXPECT_FLOAT_EQ(math->Cosine(0), 1.0f);
  EXPECT_EQ(math->RealAdd(0.5f, 0.25f), 0.75f);
  EXPECT_EQ(math->RealMultiply(1.5f, -2), -3.0f);
}

TEST_F(MathTest, PointOperations) {
  const RealPoint a{4, 6}, b{1, 2};
  RealPoint r{};
  EXPECT_EQ(math->PointAngle(&a, &a), 0.0f);
  const RealPoint up{1, 5};
  EXPECT_FLOAT_EQ(math->PointAngle(&b, &up), kPi / 2);
  EXPECT_FLOAT_EQ(math->PointDistance(&a, &b), 5.0f);
  math->PointAdd(&a, &b, &r);
  EXPECT_TRUE(r.h == 5 && r.v == 8);
  math->PointSubtract(&a, &b, &r);
  EXPECT_TRUE(r.h == 3 && r.v == 4);
  // r = b + t (a - b)
  const std::pair<Real, RealPoint> towards[] = {{0, {1, 2}}, {1, {4, 6}}, {0.25f, {1.75f, 3}},
                                                {2, {7, 10}}};
  for (const auto& [t, expected] : towards) {
    math->PointTowards(&a, &b, t, &r);
    EXPECT_FLOAT_EQ(r.h, expected.h) << t;
    EXPECT_FLOAT_EQ(r.v, expected.v) << t;
  }
}

// A matrix built with the suite, applied to a point.
struct MatrixCase {
  const char* name;
  std::function<void(const RealMathSuiteV1&, RealMatrix&)> build;
  RealPoint in, expected;
};

TEST_F(MathTest, ConcatenatedStepsApplyInOrder) {
  const MatrixCase cases[] = {
      {"identity", [](auto& m, RealMatrix& x) { m.MatrixSetIdentity(&x); }, {3, 4}, {3, 4}},
      {"translate then scale",
       [](auto& m, RealMatrix& x) {
         m.MatrixSetTranslate(&x, 5, 6);
         m.MatrixConcatScale(&x, 2, 3);
       },
       {1, 1}, {12, 21}},
      {"scale then translate",
       [](auto& m, RealMatrix& x) {
         m.MatrixSetIdentity(&x);
         m.MatrixConcatScale(&x, 2, 3);
         m.MatrixConcatTranslate(&x, 5, 6);
       },
       {1, 1}, {7, 9}},
      {"rotate a quarter about (10, 10)",
       [](auto& m, RealMatrix& x) {
         m.MatrixSetTranslate(&x, -10, -10);
         m.MatrixConcatRotate(&x, kPi / 2);
         m.MatrixConcatTranslate(&x, 10, 10);
       },
       {20, 10}, {10, 20}},
      {"scale 0 about (5, 5)",
       [](auto& m, RealMatrix& x) {
         m.MatrixSetTranslate(&x, -5, -5);
         m.MatrixConcatScale(&x, 0, 0);
         m.MatrixConcatTranslate(&x, 5, 5);
       },
       {-30, 80}, {5, 5}},
      {"two quarter turns make a half turn",
       [](auto& m, RealMatrix& x) {
         m.MatrixSetIdentity(&x);
         m.MatrixConcatRotate(&x, kPi / 2);
         m.MatrixConcatRotate(&x, kPi / 2);
       },
       {2, 1}, {-2, -1}},
      {"turn, stretch, turn back",
       [](auto& m, RealMatrix& x) {
         m.MatrixSetTranslate(&x, 1, 0);
         m.MatrixConcatRotate(&x, kPi / 2);
         m.MatrixConcatScale(&x, 2, 3);
         m.MatrixConcatRotate(&x, -kPi / 2);
       },
       {1, 2}, {6, 4}},
  };
  for (const MatrixCase& c : cases) {
    RealMatrix x{9, 9, 9, 9, 9, 9};
    c.build(*math, x);
    const RealPoint p = Apply(x, c.in);
    EXPECT_NEAR(p.h, c.expected.h, 1e-4) << c.name;
    EXPECT_NEAR(p.v, c.expected.v, 1e-4) << c.name;
  }
}

TEST_F(MathTest, SplitBezierJoinsAtTheSplitPoint) {
  RealBezier b{}, first{}, second{};
  const RealPoint p0{0, 0}, p1{0, 10}, p2{10, 10}, p3{10, 0};
  bezier->MakeBezier(&b, &p0, &p1, &p2, &p3);
  bezier->SplitBezier(&b, 0.5f, &first, &second);
  EXPECT_TRUE(first.p0.h == 0 && first.p0.v == 0);
  EXPECT_TRUE(second.p3.h == 10 && second.p3.v == 0);
  EXPECT_FLOAT_EQ(first.p3.h, 5);
  EXPECT_FLOAT_EQ(first.p3.v, 7.5f);
  EXPECT_TRUE(first.p3.h == second.p0.h && first.p3.v == second.p0.v);
  EXPECT_FLOAT_EQ(first.p1.v, 5);
  EXPECT_FLOAT_EQ(second.p2.h, 10);
  // The halves are measured as the whole.
  EXPECT_NEAR(bezier->BezierLength(&first, 0) + bezier->BezierLength(&second, 0),
              bezier->BezierLength(&b, 0), 0.02);
}

TEST_F(MathTest, BezierLengthOfLineAndQuarterCircle) {
  const RealBezier line{{0, 0}, {0.6f, 0.8f}, {2.4f, 3.2f}, {3, 4}};
  EXPECT_NEAR(bezier->BezierLength(&line, 0), 5.0f, 1e-3);
  const Real k = 0.5522848f * 100;
  const RealBezier quarter{{100, 0}, {100, k}, {k, 100}, {0, 100}};
  EXPECT_NEAR(bezier->BezierLength(&quarter, 0), kPi * 50, 0.05);
  EXPECT_NEAR(bezier->BezierLength(&quarter, 0.001f), kPi * 50, 0.05);
}

}  // namespace
}  // namespace corvane::host::testing
