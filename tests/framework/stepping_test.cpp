// Step routines, bounce rows and the scale-from-original routines, the
// latter against the real host's path style suite.
#include "framework/stepping.h"

#include <gtest/gtest.h>

#include "support/hosted.h"
#include "support/colours.h"

#include <cstring>
#include <vector>

#include "host/loader/plugin_host.h"
#include "host/model/document.h"
#include "host/session.h"

namespace {

namespace host = corvane::host;
using corvane::testing::Four;
using corvane::testing::Grey;
using corvane::testing::Opaque;
using corvane::testing::Three;

// ---- Bounce sequences --------------------------------------------------------

struct RealSequence {
  const char* name;
  bool multiply;
  BounceRow row;
  std::vector<float> expected;  // refreshes with counters 0, 1, 2, ...
};

TEST(BounceRows, RealRowsBounceBetweenTheirLimits) {
  const RealSequence cases[] = {
      {"add, turning at both limits", false, {2, 0, -1, 5}, {0, 2, 4, 5, 3, 1, -1, 1, 3}},
      {"add, landing on the limit turns", false, {1, 3, 0, 5}, {3, 4, 5, 4, 3}},
      {"add, start above the maximum", false, {1, 10, 0, 5}, {10, 5, 4}},
      {"add, negative step goes down first", false, {-2, 1, -4, 4}, {1, -1, -3, -4, -2}},
      {"add, step 0 stays at start, even outside the limits", false, {0, 7, 0, 5}, {7, 7, 7}},
      {"multiply, turning at both limits", true, {2, 1, .5f, 10},
       {1, 2, 4, 8, 10, 5, 2.5f, 1.25f, .625f, .5f, 1}},
      {"multiply, step 1 stays at start, even outside the limits", true, {1, 150, 0, 100},
       {150, 150, 150}},
  };
  for (const RealSequence& c : cases) {
    SCOPED_TRACE(c.name);
    BounceState state = {};
    for (size_t counter = 0; counter < c.expected.size(); ++counter) {
      Real value = c.multiply ? RefreshMultiply(c.row, &state, static_cast<int32_t>(counter))
                              : RefreshAdd(c.row, &state, static_cast<int32_t>(counter));
      EXPECT_FLOAT_EQ(value, c.expected[counter]) << "counter " << counter;
      EXPECT_EQ(state.value, value);
    }
  }
}

TEST(BounceRows, IntegerRowsBounceBetweenTheirLimits) {
  struct Case {
    const char* name;
    IntBounceRow row;
    std::vector<int32_t> expected;
  };
  const Case cases[] = {
      {"turning at both limits", {3, 0, 0, 7}, {0, 3, 6, 7, 4, 1, 0, 3}},
      {"step 0 stays at start, even outside the limits", {0, 4, 0, 1}, {4, 4, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IntBounceState state = {};
    for (size_t counter = 0; counter < c.expected.size(); ++counter) {
      EXPECT_EQ(RefreshInteger(c.row, &state, static_cast<int32_t>(counter)), c.expected[counter])
          << "counter " << counter;
    }
  }
}

TEST(BounceRows, ACounterOf0StartsAgainWithTheDirectionKept) {
  const BounceRow row = {2, 0, -1, 3};
  BounceState state = {};
  for (int32_t counter = 0; counter < 3; ++counter) RefreshAdd(row, &state, counter);
  ASSERT_EQ(state.direction, 1);  // 0, 2, 3: turned at the maximum
  EXPECT_EQ(RefreshAdd(row, &state, 0), 0.0f);
  EXPECT_EQ(state.direction, 1);
  state = {};
  EXPECT_EQ(RefreshAdd(row, &state, 0), 0.0f);
  EXPECT_EQ(RefreshAdd(row, &state, 1), 2.0f);
}

TEST(StepRoutines, MultiplyBackByStep0GivesZero) {
  struct Case {
    int32_t direction;
    Real lower;
    Real expected;
    int32_t directionAfter;
  };
  const Case cases[] = {
      {1, -1, 0, 1},  // 0 lies inside the limits
      {1, 1, 1, 0},   // 0 lies below them: the minimum, turned round
      {0, -1, 0, 0},  // forwards: 4 x 0
  };
  for (const Case& c : cases) {
    int32_t direction = c.direction;
    Real value = 4;
    StepBounceMultiply(1, 9, &direction, c.lower, 10, &value, 0);
    EXPECT_EQ(value, c.expected);
    EXPECT_EQ(direction, c.directionAfter);
  }
}

TEST(StepRoutines, NotEnabledGivesTheBaseAndKeepsTheDirection) {
  int32_t direction = 1;
  Real value = 3;
  StepBounceAdd(0, 8, &direction, 0, 5, &value, 1);
  EXPECT_EQ(value, 8.0f);
  StepBounceMultiply(0, 6, &direction, 0, 5, &value, 2);
  EXPECT_EQ(value, 6.0f);
  int32_t count = 3;
  StepBounceInteger(0, 9, &direction, 0, 5, &count, 1);
  EXPECT_EQ(count, 9);
  EXPECT_EQ(direction, 1);
}

// ---- Routines that use the host -----------------------------------------------

class HostedStepping : public corvane::testing::HostedFramework {
 protected:
  void SetUp() override {
    Obtain(kPathStyleSuite, kPathStyleSuiteVersion, &sStyle);
    Obtain(kRealMathSuite, kRealMathSuiteVersion, &sMath);
  }
};

TEST_F(HostedStepping, PercentRowsBecomeFractions) {
  const BounceRow row = PercentRow(BounceRow{90, 100, 10, -250});
  EXPECT_FLOAT_EQ(row.step, .9f);
  EXPECT_FLOAT_EQ(row.start, 1.0f);
  EXPECT_FLOAT_EQ(row.minimum, .1f);
  EXPECT_FLOAT_EQ(row.maximum, -2.5f);
}

// The first call keeps the colour; later calls on other art scale the kept
// colour, each enabled component only.
TEST_F(HostedStepping, FillColoursAreScaledFromTheFirstArtsFill) {
  struct Case {
    const char* name;
    Colour first, later;
    int32_t enables[4];
    Real factor;
    Colour expected;
  };
  const Case cases[] = {
      {"four-colour", Four(.2f, .4f, .6f, .8f), Four(.9f, .9f, .9f, .9f), {1, 0, 1, 0}, .5f,
       Four(.1f, .9f, .3f, .9f)},
      {"three-colour", Three(.2f, .4f, .6f), Three(0, 0, 0), {1, 1, 1, 1}, 2.0f,
       Three(.4f, .8f, 1.2f)},
      {"grey follows channel 1", Grey(.6f), Grey(.1f), {1, 0, 0, 0}, .5f, Grey(.3f)},
      {"grey with channel 1 off", Grey(.6f), Grey(.1f), {0, 1, 1, 1}, .5f, Grey(.1f)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t first = 1;
    Colour kept{};
    ArtRef a = AddPath(c.first, Grey(1), 1);
    ArtRef b = AddPath(c.later, Grey(1), 1);
    ASSERT_EQ(ScaleFillFromOriginal(&first, a, 1.0f, c.enables, &kept, 0, 0), kNoError);
    EXPECT_EQ(first, 0);
    ASSERT_EQ(ScaleFillFromOriginal(&first, b, c.factor, c.enables, &kept, 0, 0), kNoError);
    const Colour& got = StyleOf(b).fill;
    ASSERT_EQ(got.kind, c.expected.kind);
    Real actual[4], expected[4];  // the first four reals of the data, whatever the kind
    std::memcpy(actual, got.data.raw, sizeof actual);
    std::memcpy(expected, c.expected.data.raw, sizeof expected);
    for (int k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(actual[k], expected[k]) << k;
  }
}

TEST_F(HostedStepping, PatternFillsGetTheKeptDataBackWhole) {
  const int32_t all[4] = {1, 1, 1, 1};
  int32_t first = 1;
  Colour kept{};
  ArtRef a = AddPath(Opaque(kPatternColour, 1), Grey(1), 1);
  ArtRef b = AddPath(Opaque(kPatternColour, 100), Grey(1), 1);
  ASSERT_EQ(ScaleFillFromOriginal(&first, a, .5f, all, &kept, 7, 8), kNoError);
  ASSERT_EQ(ScaleFillFromOriginal(&first, b, .5f, all, &kept, 7, 8), kNoError);
  EXPECT_EQ(std::memcmp(StyleOf(b).fill.data.raw, Opaque(kPatternColour, 1).data.raw, 64), 0);
}

TEST_F(HostedStepping, SpotFillsGetTheKeptDataWithTheTwoGivenWords) {
  const int32_t all[4] = {1, 1, 1, 1};
  int32_t first = 1;
  Colour kept{};
  const Colour original = Opaque(kSpotColour, 1);
  const Colour other = Opaque(kSpotColour, 100);
  ArtRef a = AddPath(original, Grey(1), 1);
  ArtRef b = AddPath(other, Grey(1), 1);
  ASSERT_EQ(ScaleFillFromOriginal(&first, a, .5f, all, &kept, 7, 8), kNoError);
  ASSERT_EQ(ScaleFillFromOriginal(&first, b, .5f, all, &kept, 120.5f, -3.25f), kNoError);
  const uint8_t* got = StyleOf(b).fill.data.raw;
  Real words[2];
  std::memcpy(words, got + 4, 8);
  EXPECT_EQ(words[0], 120.5f);
  EXPECT_EQ(words[1], -3.25f);
  EXPECT_EQ(std::memcmp(got, original.data.raw, 4), 0);
  EXPECT_EQ(std::memcmp(got + 12, original.data.raw + 12, 52 - 12), 0);
  EXPECT_EQ(std::memcmp(got + 52, other.data.raw + 52, 12), 0);  // past the 52 bytes: kept
}

TEST_F(HostedStepping, StrokeColoursScaleButOpaqueStrokesStay) {
  const int32_t all[4] = {1, 1, 1, 1};
  int32_t first = 1;
  Colour kept{};
  ArtRef a = AddPath(Grey(0), Four(.2f, .4f, .6f, .8f), 1);
  ArtRef b = AddPath(Grey(0), Four(0, 0, 0, 0), 1);
  ASSERT_EQ(ScaleStrokeFromOriginal(&first, a, 1.0f, all, &kept), kNoError);
  ASSERT_EQ(ScaleStrokeFromOriginal(&first, b, .5f, all, &kept), kNoError);
  EXPECT_FLOAT_EQ(StyleOf(b).stroke.data.four.cyan, .1f);
  EXPECT_FLOAT_EQ(StyleOf(b).stroke.data.four.black, .4f);

  first = 1;
  ArtRef spot = AddPath(Grey(0), Opaque(kSpotColour, 1), 1);
  ArtRef later = AddPath(Grey(0), Opaque(kSpotColour, 100), 1);
  ASSERT_EQ(ScaleStrokeFromOriginal(&first, spot, .5f, all, &kept), kNoError);
  ASSERT_EQ(ScaleStrokeFromOriginal(&first, later, .5f, all, &kept), kNoError);
  EXPECT_EQ(std::memcmp(StyleOf(later).stroke.data.raw, Opaque(kSpotColour, 100).data.raw, 64), 0);
}

TEST_F(HostedStepping, StrokeWidthsScaleFromTheFirstWidth) {
  struct Step {
    Real width;  // of the art handed in
    Real factor;
    Real expected;
  };
  const Step steps[] = {{2, 1.5f, 3}, {7, 2, 4}, {9, 1, 9}, {5, .5f, 1}};
  Real base = 0;
  for (const Step& s : steps) {
    ArtRef art = AddPath(Grey(0), Grey(1), s.width);
    ASSERT_EQ(ScaleStrokeWidth(art, &base, s.factor), kNoError);
    EXPECT_EQ(StyleOf(art).strokeWidth, s.expected);
    EXPECT_EQ(base, 2.0f);
  }
}

TEST_F(HostedStepping, AFactorOf1StillTakesTheBase) {
  Real base = 0;
  ArtRef art = AddPath(Grey(0), Grey(1), 6);
  ASSERT_EQ(ScaleStrokeWidth(art, &base, 1.0f), kNoError);
  EXPECT_EQ(base, 6.0f);
  EXPECT_EQ(StyleOf(art).strokeWidth, 6.0f);
}

TEST_F(HostedStepping, StyleErrorsAreReturnedAndTheFirstFlagStaysSet) {
  const int32_t all[4] = {1, 1, 1, 1};
  int32_t first = 1;
  Colour kept{};
  Real base = 0;
  ArtRef art = AddPath(Grey(.5f), Grey(.5f), 2);
  session_.failures.failOperation("GetPathStyle", kLockedLayerError);
  EXPECT_EQ(ScaleFillFromOriginal(&first, art, .5f, all, &kept, 0, 0), kLockedLayerError);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(ScaleStrokeFromOriginal(&first, art, .5f, all, &kept), kLockedLayerError);
  EXPECT_EQ(ScaleStrokeWidth(art, &base, 2), kLockedLayerError);
  EXPECT_EQ(base, 0.0f);
  session_.failures.clear();
  session_.failures.failOperation("SetPathStyle", kLockedLayerError);
  EXPECT_EQ(ScaleFillFromOriginal(&first, art, .5f, all, &kept, 0, 0), kLockedLayerError);
  EXPECT_EQ(ScaleStrokeWidth(art, &base, 2), kLockedLayerError);
  session_.failures.clear();
  EXPECT_EQ(StyleOf(art).fill.data.grey, .5f);
  EXPECT_EQ(StyleOf(art).strokeWidth, 2.0f);
}

}  // namespace
