// The Shape Construction suite.
#include "suite_fixture.h"

#include <cmath>

namespace corvane::host::testing {
namespace {

class ShapesTest : public SuiteTest {
 protected:
  RealRect bounds(ArtRef a) {
    RealRect r{};
    EXPECT_EQ(art->GetArtBounds(a, &r), kNoError);
    return r;
  }
  static void ExpectAt(const RealPoint& p, Real h, Real v, const char* what) {
    EXPECT_NEAR(p.h, h, 1e-4) << what;
    EXPECT_NEAR(p.v, v, 1e-4) << what;
  }
};

TEST_F(ShapesTest, RectangleRunsClockwiseFromTopLeft) {
  ArtRef r = nullptr;
  ASSERT_EQ(shapes->NewRectanglePath(10, 1, 2, 5, 0, &r), kNoError);
  const Art& a = *ArtOf(r);
  ASSERT_EQ(a.segments.size(), 4u);
  EXPECT_TRUE(a.closed);
  ExpectAt(a.segments[0].p, 1, 10, "top-left");
  ExpectAt(a.segments[1].p, 5, 10, "top-right");
  ExpectAt(a.segments[2].p, 5, 2, "bottom-right");
  ExpectAt(a.segments[3].p, 1, 2, "bottom-left");
  for (const PathSegment& s : a.segments) {
    EXPECT_TRUE(s.corner);
    ExpectAt(s.in, s.p.h, s.p.v, "in on anchor");
    ExpectAt(s.out, s.p.h, s.p.v, "out on anchor");
  }
  ArtRef rev = nullptr;
  ASSERT_EQ(shapes->NewRectangleShape(3, 6, 8, 4, 1, &rev), kNoError);
  const Art& b = *ArtOf(rev);
  for (size_t i = 0; i < 4; ++i) ExpectAt(b.segments[i].p, a.segments[3 - i].p.h, a.segments[3 - i].p.v, "reversed");
}

TEST_F(ShapesTest, CircleAIsInscribedAndCircleBCircumscribed) {
  ArtRef a = nullptr, b = nullptr;
  ASSERT_EQ(shapes->NewCircleShapeA(10, 20, 40, 60, 0, &a), kNoError);
  ASSERT_EQ(shapes->NewCircleShapeB(10, 20, 40, 60, 0, &b), kNoError);
  const RealRect ra = bounds(a), rb = bounds(b);
  EXPECT_NEAR(ra.left, -20, 1e-3);
  EXPECT_NEAR(ra.right, 40, 1e-3);
  EXPECT_NEAR(ra.top, 40, 1e-3);
  EXPECT_NEAR(ra.bottom, 0, 1e-3);
  const Real s = std::sqrt(2.0f);
  EXPECT_NEAR(rb.left, 10 - 30 * s, 1e-3);
  EXPECT_NEAR(rb.top, 20 + 20 * s, 1e-3);
  // The rectangle's corner lies on circle B: (30/rx)^2 + (20/ry)^2 = 1.
  const Art& ellipse = *ArtOf(b);
  ASSERT_EQ(ellipse.segments.size(), 4u);
  ExpectAt(ellipse.segments[0].p, 10, 20 + 20 * s, "B starts at the top");
  EXPECT_NEAR(ellipse.segments[0].out.h - 10, 0.5522848f * 30 * s, 1e-3);
}

TEST_F(ShapesTest, PolygonAndStarStartStraightUp) {
  ArtRef square = nullptr, star = nullptr;
  ASSERT_EQ(shapes->NewPolygonShape(4, 1, 1, 10, 0, &square), kNoError);
  const Art& sq = *ArtOf(square);
  ASSERT_EQ(sq.segments.size(), 4u);
  ExpectAt(sq.segments[0].p, 1, 11, "up");
  ExpectAt(sq.segments[1].p, 11, 1, "right");
  ExpectAt(sq.segments[2].p, 1, -9, "down");
  ExpectAt(sq.segments[3].p, -9, 1, "left");

  ASSERT_EQ(shapes->NewStarShape(3, 0, 0, 5, 10, 0, &star), kNoError);
  const Art& st = *ArtOf(star);
  ASSERT_EQ(st.segments.size(), 6u);
  ExpectAt(st.segments[0].p, 0, 10, "first tip");
  // First inner vertex halfway (60 degrees clockwise) to the second tip.
  ExpectAt(st.segments[1].p, 5 * std::sin(3.14159265f / 3), 5 * std::cos(3.14159265f / 3), "inner");
  ExpectAt(st.segments[3].p, 0, -5, "inner opposite the first tip");
  EXPECT_TRUE(st.closed);
}

TEST_F(ShapesTest, VertexCountsAreChecked) {
  ArtRef a = nullptr;
  EXPECT_EQ(shapes->NewPolygonShape(2, 0, 0, 10, 0, &a), kBadParameterError);
  EXPECT_EQ(shapes->NewStarShape(1, 0, 0, 5, 10, 0, &a), kBadParameterError);
  EXPECT_EQ(shapes->NewPolygonShape(kMaxSegments + 1, 0, 0, 10, 0, &a), kTooManySegmentsError);
  EXPECT_EQ(shapes->NewStarShape(20000, 0, 0, 5, 10, 0, &a), kTooManySegmentsError);
  const RealPoint c{0, 0}, s{1, 0};
  EXPECT_EQ(shapes->NewSpiralShape(&c, &s, 0.9f, 0, 1, &a), kBadParameterError);
  EXPECT_EQ(shapes->NewSpiralShape(nullptr, &s, 0.9f, 4, 1, &a), kBadParameterError);
  EXPECT_EQ(shapes->NewSpiralShape(&c, &s, 0.9f, kMaxSegments, 1, &a), kTooManySegmentsError);
  EXPECT_EQ(a, nullptr);
  EXPECT_TRUE(base_->art.empty());
}

TEST_F(ShapesTest, SpiralArcsShrinkByDecay) {
  ArtRef a = nullptr;
  const RealPoint centre{0, 0}, start{10, 0};
  ASSERT_EQ(shapes->NewSpiralShape(&centre, &start, 0.5f, 3, 1, &a), kNoError);
  const Art& sp = *ArtOf(a);
  EXPECT_FALSE(sp.closed);
  ASSERT_EQ(sp.segments.size(), 4u);
  ExpectAt(sp.segments[0].p, 10, 0, "start");
  ExpectAt(sp.segments[1].p, 0, 10, "after a quarter turn anticlockwise");
  // Second arc: radius 5 about (0, 5).
  ExpectAt(sp.segments[2].p, -5, 5, "second arc end");
  // Third arc: radius 2.5 about (-2.5, 5).
  ExpectAt(sp.segments[3].p, -2.5f, 2.5f, "third arc end");
  ExpectAt(sp.segments[0].out, 10, 5.522848f, "first control along the tangent");

  ASSERT_EQ(shapes->NewSpiralShape(&centre, &start, 1, 1, 0, &a), kNoError);
  ExpectAt(ArtOf(a)->segments[1].p, 0, -10, "clockwise");
}

TEST_F(ShapesTest, RoundedRectangleKeepsItsBoundsAndNewShapesAreUnselected) {
  doc_.newArtStyle.strokeWidth = 3;
  ArtRef a = nullptr;
  ASSERT_EQ(shapes->NewRoundedRectangleShape(0, 0, 20, 40, 5, 50, 0, &a), kNoError);
  const Art& rr = *ArtOf(a);
  ASSERT_EQ(rr.segments.size(), 8u);
  const RealRect r = bounds(a);
  EXPECT_NEAR(r.left, -20, 1e-3);
  EXPECT_NEAR(r.right, 20, 1e-3);
  EXPECT_NEAR(r.top, 10, 1e-3);
  EXPECT_NEAR(r.bottom, -10, 1e-3);
  ExpectAt(rr.segments[0].p, -15, 10, "left end of the top side");
  ExpectAt(rr.segments[2].p, 20, 0, "vertical radius capped at half the height");
  EXPECT_FALSE(rr.selected);
  EXPECT_EQ(rr.style.strokeWidth, 3.0f);
  EXPECT_EQ(base_->art.back(), &rr);
}

}  // namespace
}  // namespace corvane::host::testing
