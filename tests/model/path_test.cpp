// The Path, Path Style and Transform Art suites, and art bounds.
#include "suite_fixture.h"

#include <cmath>
#include <limits>

namespace corvane::host::testing {
namespace {

class PathTest : public SuiteTest {
 protected:
  void SetUp() override { p_ = addPath(base_, {Seg(0, 0), Seg(10, 0), Seg(10, 10)}); }
  std::vector<PathSegment> segments(Art* a) {
    int16_t n = -1;
    EXPECT_EQ(path->GetSegmentCount(Ref(a), &n), kNoError);
    std::vector<PathSegment> out(size_t(std::max<int16_t>(n, 0)));
    EXPECT_EQ(path->GetSegments(Ref(a), 0, n, out.data()), kNoError);
    return out;
  }
  Art* p_ = nullptr;
};

TEST_F(PathTest, SetSegmentsOverwritesAndAppendsAtTheEnd) {
  PathSegment two[2] = {Seg(20, 20), Seg(30, 30)};
  ASSERT_EQ(path->SetSegments(Ref(p_), 2, 2, two), kNoError);  // overwrite one, append one
  auto s = segments(p_);
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[1].p.h, 10.0f);
  EXPECT_EQ(s[2].p.h, 20.0f);
  EXPECT_EQ(s[3].p.h, 30.0f);
  ASSERT_EQ(path->SetSegments(Ref(p_), 4, 1, two), kNoError);  // at index = count
  EXPECT_EQ(segments(p_).size(), 5u);
  EXPECT_EQ(path->SetSegments(Ref(p_), 6, 1, two), kBadParameterError);  // past the end
  EXPECT_EQ(path->SetSegments(Ref(p_), -1, 1, two), kBadParameterError);
  EXPECT_EQ(path->SetSegments(Ref(p_), 0, 1, nullptr), kBadParameterError);
  EXPECT_EQ(segments(p_).size(), 5u);
}

TEST_F(PathTest, GetSegmentsOutOfRangeIsRefused) {
  PathSegment out[4];
  EXPECT_EQ(path->GetSegments(Ref(p_), 1, 3, out), kBadParameterError);
  EXPECT_EQ(path->GetSegments(Ref(p_), -1, 1, out), kBadParameterError);
  EXPECT_EQ(path->GetSegments(Ref(p_), 3, 0, out), kNoError);
  EXPECT_EQ(path->GetSegments(Ref(p_), 1, 2, out), kNoError);
  EXPECT_EQ(out[1].p.v, 10.0f);
}

TEST_F(PathTest, SetSegmentCountRepeatsTheLastSegmentOrCuts) {
  ASSERT_EQ(path->SetSegmentCount(Ref(p_), 5), kNoError);
  auto s = segments(p_);
  ASSERT_EQ(s.size(), 5u);
  EXPECT_EQ(s[4].p.h, 10.0f);
  EXPECT_EQ(s[4].p.v, 10.0f);
  ASSERT_EQ(path->SetSegmentCount(Ref(p_), 1), kNoError);
  EXPECT_EQ(segments(p_).size(), 1u);
  EXPECT_EQ(path->SetSegmentCount(Ref(p_), -1), kBadParameterError);

  ArtRef empty = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &empty), kNoError);
  ASSERT_EQ(path->SetSegmentCount(empty, 2), kNoError);
  s = segments(ArtOf(empty));
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[1].p.h, 0.0f);
}

TEST_F(PathTest, PathsHoldAtMostTheSegmentLimit) {
  ASSERT_EQ(path->SetSegmentCount(Ref(p_), kMaxSegments), kNoError);
  PathSegment s = Seg(1, 1);
  EXPECT_EQ(path->SetSegments(Ref(p_), kMaxSegments, 1, &s), kTooManySegmentsError);
  EXPECT_EQ(path->SetSegments(Ref(p_), kMaxSegments - 1, 1, &s), kNoError);
  EXPECT_EQ(p_->segments.size(), size_t(kMaxSegments));
}

// Infinite or undefined numbers have no place in the document: an edit that
// would store one is refused whole and changes nothing.
TEST_F(PathTest, EditsThatWouldStoreNonFiniteNumbersAreRefused) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<PathSegment> before = p_->segments;
  PathSegment bad[2] = {Seg(1, 1), Seg(2, 2)};
  bad[1].in.v = std::nanf("");
  EXPECT_EQ(path->SetSegments(Ref(p_), 0, 2, bad), kBadParameterError);

  RealMatrix huge{3e38f, 0, 0, 3e38f, 0, 0};  // 10 x 3e38 overflows
  EXPECT_EQ(transform->TransformArt(Ref(p_), &huge, 1, 15), kBadParameterError);
  EXPECT_EQ(p_->segments.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(p_->segments[i].p.h, before[i].p.h);

  PathStyle st{};
  ASSERT_EQ(style->GetPathStyle(Ref(p_), &st), kNoError);
  const float width = st.strokeWidth;
  st.strokeWidth = inf;
  EXPECT_EQ(style->SetPathStyle(Ref(p_), &st), kBadParameterError);
  RealMatrix identity{1, 0, 0, 1, 0, 0};
  EXPECT_EQ(transform->TransformArt(Ref(p_), &identity, inf, 16), kBadParameterError);
  EXPECT_EQ(p_->style.strokeWidth, width);
}

TEST_F(PathTest, PathOperationsNeedAPath) {
  Art* group = addContainer(base_, ArtType::Group, {});
  int16_t n = 0;
  Real length = 0;
  EXPECT_EQ(path->GetSegmentCount(Ref(group), &n), kBadParameterError);
  EXPECT_EQ(path->SetPathClosed(Ref(group), 1), kBadParameterError);
  EXPECT_EQ(path->GetPathLength(Ref(group), &length, 0), kBadParameterError);
  PathStyle st{};
  EXPECT_EQ(style->GetPathStyle(Ref(group), &st), kBadParameterError);
  EXPECT_EQ(style->SetPathStyle(Ref(group), &st), kBadParameterError);
}

TEST_F(PathTest, ClosedAndGuideFlags) {
  ASSERT_EQ(path->SetPathClosed(Ref(p_), 7), kNoError);
  ASSERT_EQ(path->SetPathGuide(Ref(p_), 1), kNoError);
  EXPECT_TRUE(p_->closed);
  EXPECT_TRUE(p_->guide);
  Real open = 0, closed = 0;
  ASSERT_EQ(path->SetPathClosed(Ref(p_), 0), kNoError);
  ASSERT_EQ(path->GetPathLength(Ref(p_), &open, 0), kNoError);
  ASSERT_EQ(path->SetPathClosed(Ref(p_), 1), kNoError);
  ASSERT_EQ(path->GetPathLength(Ref(p_), &closed, 0), kNoError);
  EXPECT_NEAR(open, 20.0f, 1e-4);
  EXPECT_NEAR(closed, 20.0f + std::sqrt(200.0f), 1e-3);
}

TEST_F(PathTest, CompoundStyleIsItsMembersStyle) {
  Art* m1 = addPath(base_, {Seg(0, 0)});
  Art* m2 = addPath(base_, {Seg(0, 0)});
  m1->style.strokeWidth = 3;
  m2->style.strokeWidth = 4;
  Art* compound = addContainer(base_, ArtType::Compound, {m1, m2});
  compound->style.strokeWidth = 5;
  PathStyle st{};
  ASSERT_EQ(style->GetPathStyle(Ref(compound), &st), kNoError);
  EXPECT_EQ(st.strokeWidth, 3.0f);
  st.strokeWidth = 8;
  st.fill.kind = kThreeColour;
  st.fill.data.three.red = 0.5f;
  ASSERT_EQ(style->SetPathStyle(Ref(compound), &st), kNoError);
  for (Art* m : {m1, m2}) {
    EXPECT_EQ(m->style.strokeWidth, 8.0f);
    EXPECT_EQ(m->style.fill.data.three.red, 0.5f);
  }
  Art* emptyCompound = addContainer(base_, ArtType::Compound, {});
  emptyCompound->style.strokeWidth = 6;
  ASSERT_EQ(style->GetPathStyle(Ref(emptyCompound), &st), kNoError);
  EXPECT_EQ(st.strokeWidth, 6.0f);
}

// --- bounds ----------------------------------------------------------------

TEST_F(PathTest, BoundsFollowTheCurveNotItsControls) {
  // A hump from (0,0) to (10,0) with both controls at height 10 peaks at 7.5.
  Art* hump = addPath(base_, {PathSegment{{0, 0}, {0, 0}, {0, 10}, 0},
                              PathSegment{{10, 0}, {10, 10}, {10, 0}, 0}});
  RealRect r{};
  ASSERT_EQ(art->GetArtBounds(Ref(hump), &r), kNoError);
  EXPECT_FLOAT_EQ(r.left, 0);
  EXPECT_FLOAT_EQ(r.right, 10);
  EXPECT_FLOAT_EQ(r.bottom, 0);
  EXPECT_FLOAT_EQ(r.top, 7.5f);
}

TEST_F(PathTest, BoundsOfEmptyAndCompoundArt) {
  RealRect r{1, 1, 1, 1};
  ArtRef empty = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &empty), kNoError);
  ASSERT_EQ(art->GetArtBounds(empty, &r), kNoError);
  EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0);
  Art* emptyGroup = addContainer(base_, ArtType::Group, {ArtOf(empty)});
  ASSERT_EQ(art->GetArtBounds(Ref(emptyGroup), &r), kNoError);
  EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0);

  Art* a = addPath(base_, {Seg(-5, 2), Seg(1, 3)});
  Art* b = addPath(base_, {Seg(4, -7)});
  Art* compound = addContainer(base_, ArtType::Compound, {a, b, addPath(base_, {})});
  ASSERT_EQ(art->GetArtBounds(Ref(compound), &r), kNoError);
  EXPECT_EQ(r.left, -5.0f);
  EXPECT_EQ(r.top, 3.0f);
  EXPECT_EQ(r.right, 4.0f);
  EXPECT_EQ(r.bottom, -7.0f);
}

// --- TransformArt ------------------------------------------------------------

struct TransformCase {
  const char* name;
  RealMatrix m;
  RealPoint in, expected;
};

TEST_F(PathTest, TransformMapsAnchorsAndControls) {
  const Real r90 = 3.14159265f / 2;
  const TransformCase cases[] = {
      {"identity", {1, 0, 0, 1, 0, 0}, {3, 4}, {3, 4}},
      {"translate", {1, 0, 0, 1, 5, -2}, {3, 4}, {8, 2}},
      {"scale 0", {0, 0, 0, 0, 7, 7}, {3, 4}, {7, 7}},
      {"anticlockwise quarter", {std::cos(r90), std::sin(r90), -std::sin(r90), std::cos(r90), 0, 0},
       {1, 0}, {0, 1}},
  };
  for (const TransformCase& c : cases) {
    Art* a = addPath(base_, {PathSegment{c.in, c.in, c.in, 1}});
    ASSERT_EQ(transform->TransformArt(Ref(a), &c.m, 1, 15), kNoError) << c.name;
    for (RealPoint p : {a->segments[0].p, a->segments[0].in, a->segments[0].out}) {
      EXPECT_NEAR(p.h, c.expected.h, 1e-5) << c.name;
      EXPECT_NEAR(p.v, c.expected.v, 1e-5) << c.name;
    }
  }
}

TEST_F(PathTest, LineScaleAppliesOnlyWithItsFlag) {
  Art* member = addPath(base_, {Seg(1, 1)});
  Art* group = addContainer(base_, ArtType::Group, {member});
  const RealMatrix scale2{2, 0, 0, 2, 0, 0};
  ASSERT_EQ(transform->TransformArt(Ref(group), &scale2, 2, 15), kNoError);
  EXPECT_EQ(member->style.strokeWidth, 1.0f);
  EXPECT_EQ(member->segments[0].p.h, 2.0f);
  ASSERT_EQ(transform->TransformArt(Ref(group), &scale2, 2, 15 | kTransformScaleLines), kNoError);
  EXPECT_EQ(member->style.strokeWidth, 2.0f);
  EXPECT_EQ(member->segments[0].p.h, 4.0f);
  EXPECT_EQ(transform->TransformArt(Ref(group), nullptr, 1, 15), kBadParameterError);
}

}  // namespace
}  // namespace corvane::host::testing
