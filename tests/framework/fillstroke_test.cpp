// The fill/stroke variation engine against the real host suites: paths in a
// host document, styles read and written through the path style suite,
// draws from a scripted random source.
#include "framework/fillstroke.h"

#include <gtest/gtest.h>

#include "support/hosted.h"
#include "support/colours.h"

#include <cstring>
#include <memory>
#include <string>
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

std::vector<float> Components(const Colour& colour) {
  switch (colour.kind) {
    case kFourColour:
      return {colour.data.four.cyan, colour.data.four.magenta, colour.data.four.yellow,
              colour.data.four.black};
    case kThreeColour:
      return {colour.data.three.red, colour.data.three.green, colour.data.three.blue};
    case kGreyColour: return {colour.data.grey};
    default: return {};
  }
}

void ExpectComponents(const Colour& colour, const std::vector<float>& expected) {
  std::vector<float> actual = Components(colour);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t k = 0; k < expected.size(); ++k) {
    EXPECT_FLOAT_EQ(actual[k], expected[k]) << "component " << k;
  }
}

bool SameColour(const Colour& a, const Colour& b) {
  return a.kind == b.kind && std::memcmp(a.data.raw, b.data.raw, sizeof a.data.raw) == 0;
}

// Entered values (percent, red/green/blue on 0-255) that prepare to the
// fractions 0.1, 0.2, 0.3, 0.4 (cyan to black), 0.2, 0.4, 0.6 (red to blue)
// and 0.5 (grey).
const Real kEntered[kColourValueCount] = {10, 20, 30, 40, 51, 102, 153, 50};

FillStrokeOptions Options() {
  FillStrokeOptions o{};
  o.fillCyan = kEntered[0];
  o.fillMagenta = kEntered[1];
  o.fillYellow = kEntered[2];
  o.fillBlack = kEntered[3];
  o.fillRed = kEntered[4];
  o.fillGreen = kEntered[5];
  o.fillBlue = kEntered[6];
  o.fillGrey = kEntered[7];
  o.strokeCyan = kEntered[0];
  o.strokeMagenta = kEntered[1];
  o.strokeYellow = kEntered[2];
  o.strokeBlack = kEntered[3];
  o.strokeRed = kEntered[4];
  o.strokeGreen = kEntered[5];
  o.strokeBlue = kEntered[6];
  o.strokeGrey = kEntered[7];
  return o;
}

class FillStrokeEngine : public corvane::testing::HostedFramework {
 protected:
  void SetUp() override {
    Obtain(kPathStyleSuite, kPathStyleSuiteVersion, &sStyle);
    Obtain(kRandomSuite, kRandomSuiteVersion, &sRandom);
    Obtain(kRealMathSuite, kRealMathSuiteVersion, &sMath);
    Script({0.5f});
  }

  void Script(std::vector<float> cycle) {
    std::string error;
    scripted_ = host::ScriptedRandom::Make(std::move(cycle), &error);
    ASSERT_TRUE(scripted_) << error;
    session_.random = scripted_.get();
  }
  size_t Drawn() const { return scripted_->drawn(); }

  ArtRef AddPath(const Colour& fill, const Colour& stroke = Grey(1.0f), Real width = 1.0f) {
    return HostedFramework::AddPath(fill, stroke, width);
  }

  std::unique_ptr<host::ScriptedRandom> scripted_;
  std::unique_ptr<host::SplitMixRandom> seeded_;
};

// ---- Colour modes --------------------------------------------------------

struct ColourCase {
  const char* name;
  int32_t mode;
  Colour start;
  int32_t index, count, passIndex, passCount;
  std::vector<float> draws;  // empty: the mode draws nothing
  std::vector<float> expected;
};

const std::vector<ColourCase>& ColourCases() {
  static const std::vector<ColourCase> cases = {
      // Four-colour: start (0.2, 0.3, 0.4, 0.5), values (0.1, 0.2, 0.3, 0.4).
      {"basic gradient adds v", 0, Four(.2f, .3f, .4f, .5f), 0, 5, 0, 1, {}, {.3f, .5f, .7f, .9f}},
      {"copies: (i+1) v", 1, Four(.2f, .3f, .4f, .5f), 2, 5, 0, 1, {}, {.5f, .9f, 1.3f, 1.7f}},
      {"pulsed at i 8: 9 v", 2, Four(.2f, .3f, .4f, .5f), 8, 20, 0, 1, {}, {1.1f, 2.1f, 3.1f, 4.1f}},
      {"pulsed at i 9: nothing", 2, Four(.2f, .3f, .4f, .5f), 9, 20, 0, 1, {}, {.2f, .3f, .4f, .5f}},
      {"pulsed at i 19: nothing", 2, Four(.2f, .3f, .4f, .5f), 19, 20, 0, 1, {}, {.2f, .3f, .4f, .5f}},
      {"rapid pulse at i 4: 2 v", 3, Four(.2f, .3f, .4f, .5f), 4, 9, 0, 1, {}, {.4f, .7f, 1.0f, 1.3f}},
      {"rapid pulse at i 2: nothing", 3, Four(.2f, .3f, .4f, .5f), 2, 9, 0, 1, {}, {.2f, .3f, .4f, .5f}},
      {"swap around: (n-i) v", 4, Four(.2f, .3f, .4f, .5f), 1, 5, 0, 1, {}, {.6f, 1.1f, 1.6f, 2.1f}},
      {"set black to entered", 5, Four(.2f, .3f, .4f, .5f), 2, 5, 0, 1, {}, {.5f, .9f, 1.3f, .4f}},
      {"randomised: v rnd", 6, Four(.2f, .3f, .4f, .5f), 0, 5, 0, 1, {.5f, .25f, .75f, .125f},
       {.25f, .35f, .625f, .55f}},
      {"copies randomised", 7, Four(.2f, .3f, .4f, .5f), 1, 5, 0, 1, {.5f, .25f, .75f, .125f},
       {.3f, .4f, .85f, .6f}},
      {"randomised, entered black", 8, Four(.2f, .3f, .4f, .5f), 0, 5, 0, 1, {.5f, .25f, .75f},
       {.25f, .35f, .625f, .4f}},
      {"copies randomised, entered black", 9, Four(.2f, .3f, .4f, .5f), 1, 5, 0, 1,
       {.5f, .25f, .75f}, {.3f, .4f, .85f, .4f}},
      {"totally random", 10, Four(.2f, .3f, .4f, .5f), 0, 5, 0, 1, {.5f, .25f, .75f, .125f},
       {.5f, .25f, .75f, .125f}},
      {"randomised on entered", 11, Four(.2f, .3f, .4f, .5f), 0, 5, 0, 1,
       {.5f, .25f, .75f, .125f}, {.05f, .05f, .225f, .05f}},
      {"to target, first of 4", 12, Four(.2f, .3f, .4f, .5f), 0, 4, 0, 1, {},
       {.175f, .275f, .375f, .475f}},
      {"to target, last of 4", 12, Four(.2f, .3f, .4f, .5f), 3, 4, 0, 1, {}, {.1f, .2f, .3f, .4f}},
      {"approach target ignores i", 13, Four(.2f, .3f, .4f, .5f), 2, 4, 0, 1, {},
       {.175f, .275f, .375f, .475f}},
      {"averaged target as to target", 14, Four(.2f, .3f, .4f, .5f), 1, 4, 0, 1, {},
       {.15f, .25f, .35f, .45f}},
      {"multi-pass, pass 0 of 2", 15, Four(.2f, .3f, .4f, .5f), 3, 4, 0, 2, {},
       {.15f, .25f, .35f, .45f}},
      {"multi-pass, pass 1 of 2", 15, Four(.2f, .3f, .4f, .5f), 3, 4, 1, 2, {},
       {.1f, .2f, .3f, .4f}},
      // Three-colour: start (0.1, 0.2, 0.3), values (0.2, 0.4, 0.6).
      {"three: red 51 adds 0.2", 0, Three(.1f, .2f, .3f), 0, 5, 0, 1, {}, {.3f, .6f, .9f}},
      {"three: set black is copies", 5, Three(.1f, .2f, .3f), 1, 5, 0, 1, {}, {.5f, 1.0f, 1.5f}},
      {"three: use black is randomised", 8, Three(.1f, .2f, .3f), 0, 5, 0, 1, {.5f, .25f, .75f},
       {.2f, .3f, .75f}},
      {"three: entered black is copies randomised", 9, Three(.1f, .2f, .3f), 1, 5, 0, 1,
       {.5f, .25f, .75f}, {.3f, .4f, 1.2f}},
      {"three: totally random up to 2.55", 10, Three(.1f, .2f, .3f), 0, 5, 0, 1, {.5f, .25f, .75f},
       {1.275f, .6375f, 1.9125f}},
      {"three: to target", 12, Three(.1f, .2f, .3f), 3, 4, 0, 1, {}, {.2f, .4f, .6f}},
      // Grey: start 0.4, value 0.5.
      {"grey: copies", 1, Grey(.4f), 0, 3, 0, 1, {}, {.9f}},
      {"grey: set black is copies", 5, Grey(.4f), 0, 3, 0, 1, {}, {.9f}},
      {"grey: use black is randomised", 8, Grey(.4f), 0, 3, 0, 1, {.5f}, {.65f}},
      {"grey: totally random", 10, Grey(.4f), 0, 3, 0, 1, {.25f}, {.25f}},
      {"grey: approach target", 13, Grey(.4f), 0, 2, 0, 1, {}, {.45f}},
      {"grey: multi-pass", 15, Grey(.4f), 1, 2, 0, 2, {}, {.45f}},
  };
  return cases;
}

TEST_F(FillStrokeEngine, ColourModesChangeTheFillByTheirRules) {
  for (const ColourCase& c : ColourCases()) {
    SCOPED_TRACE(c.name);
    Script(c.draws.empty() ? std::vector<float>{.5f} : c.draws);
    FillStrokeOptions options = Options();
    options.fillOn = 1;
    options.fillMode = c.mode;
    FillStrokeRun run = PrepareFillStroke(options, kMultiPassLists, nullptr, 0);
    ArtRef art = AddPath(c.start, Grey(.7f), 2.0f);
    ASSERT_EQ(ApplyFillStroke(art, run, c.index, c.count, c.passIndex, c.passCount), kNoError);
    ExpectComponents(StyleOf(art).fill, c.expected);
    EXPECT_EQ(Drawn(), c.draws.size());
    ExpectComponents(StyleOf(art).stroke, {.7f});
    EXPECT_EQ(StyleOf(art).strokeWidth, 2.0f);
  }
}

TEST_F(FillStrokeEngine, StrokeModesFollowTheSameRules) {
  for (const ColourCase& c : ColourCases()) {
    if (c.mode > 13) continue;  // the stroke list ends at 13
    SCOPED_TRACE(c.name);
    Script(c.draws.empty() ? std::vector<float>{.5f} : c.draws);
    FillStrokeOptions options = Options();
    options.strokeOn = 1;
    options.strokeMode = c.mode;
    options.fillMode = 0;
    FillStrokeRun run = PrepareFillStroke(options, kAveragedLists, nullptr, 0);
    ArtRef art = AddPath(Grey(.7f), c.start);
    ASSERT_EQ(ApplyFillStroke(art, run, c.index, c.count), kNoError);
    ExpectComponents(StyleOf(art).stroke, c.expected);
    EXPECT_EQ(Drawn(), c.draws.size());
    ExpectComponents(StyleOf(art).fill, {.7f});
  }
}

TEST_F(FillStrokeEngine, FillAndStrokeUseTheirOwnModesAndValues) {
  FillStrokeOptions options = Options();
  options.fillOn = 1;
  options.fillMode = kBasicGradient;
  options.strokeOn = 1;
  options.strokeMode = kGradientOnCopies;
  options.strokeCyan = 50;
  options.strokeBlack = 100;
  FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
  ArtRef art = AddPath(Four(0, 0, 0, 0), Four(0, 0, 0, 0));
  ASSERT_EQ(ApplyFillStroke(art, run, 1, 3), kNoError);
  ExpectComponents(StyleOf(art).fill, {.1f, .2f, .3f, .4f});
  ExpectComponents(StyleOf(art).stroke, {1.0f, .4f, .6f, 2.0f});
}

TEST_F(FillStrokeEngine, ToTargetReachesTheTargetOnTheLastOfFourFromTheSameStart) {
  FillStrokeOptions options = Options();
  options.fillOn = 1;
  options.fillMode = kToTarget;
  options.fillCyan = 100;
  FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
  const float expected[] = {.25f, .5f, .75f, 1.0f};
  for (int32_t i = 0; i < 4; ++i) {
    ArtRef art = AddPath(Four(0, 0, 0, 0));
    ASSERT_EQ(ApplyFillStroke(art, run, i, 4), kNoError);
    EXPECT_EQ(StyleOf(art).fill.data.four.cyan, expected[i]) << "i = " << i;
  }
}

TEST_F(FillStrokeEngine, PatternAndSpotColoursAreNeverChanged) {
  for (int32_t kind : {kPatternColour, kSpotColour}) {
    for (int32_t mode = 0; mode < 16; ++mode) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " mode " << mode);
      Script({.5f});
      FillStrokeOptions options = Options();
      options.fillOn = 1;
      options.fillMode = mode;
      options.strokeOn = 1;
      options.strokeMode = mode < 14 ? mode : 0;
      FillStrokeRun run = PrepareFillStroke(options, kMultiPassLists, nullptr, 0);
      ArtRef art = AddPath(Opaque(kind), Opaque(kind));
      ASSERT_EQ(ApplyFillStroke(art, run, 2, 5, 0.5f), kNoError);
      EXPECT_TRUE(SameColour(StyleOf(art).fill, Opaque(kind)));
      EXPECT_TRUE(SameColour(StyleOf(art).stroke, Opaque(kind)));
      EXPECT_EQ(Drawn(), 0u);
    }
  }
}

// A mode beyond the plug-in's list (or below it) changes nothing and draws
// nothing; the same mode inside a longer list does change the colour.
TEST_F(FillStrokeEngine, ModesOutsideThePluginsListLeaveTheColourAlone) {
  struct Case {
    int32_t variant;
    int32_t mode;
    bool changes;
  };
  const Case cases[] = {
      {kPlainLists, 13, true},      {kPlainLists, 14, false},     {kPlainLists, 15, false},
      {kAveragedLists, 14, true},   {kAveragedLists, 15, false},  {kTierspinLists, 14, true},
      {kTiershiftLists, 15, false}, {kMultiPassLists, 15, true},  {kMultiPassLists, 16, false},
      {kMultiPassLists, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "variant " << c.variant << " mode " << c.mode);
    Script({.5f});
    FillStrokeOptions options = Options();
    options.fillOn = 1;
    options.fillMode = c.mode;
    FillStrokeRun run = PrepareFillStroke(options, c.variant, nullptr, 0);
    ArtRef art = AddPath(Four(.2f, .3f, .4f, .5f));
    ASSERT_EQ(ApplyFillStroke(art, run, 0, 2, 0, 1), kNoError);
    EXPECT_EQ(!SameColour(StyleOf(art).fill, Four(.2f, .3f, .4f, .5f)), c.changes);
  }
}

TEST_F(FillStrokeEngine, StrokeAndWeightModesPastTheirListsChangeNothing) {
  for (int32_t mode : {14, 15, -1}) {
    SCOPED_TRACE(mode);
    FillStrokeOptions options = Options();
    options.strokeOn = 1;
    options.strokeMode = mode;
    options.weightOn = 1;
    options.weightMode = mode;
    options.weight = 3;
    FillStrokeRun run = PrepareFillStroke(options, kMultiPassLists, nullptr, 0);
    ArtRef art = AddPath(Grey(.1f), Four(.2f, .3f, .4f, .5f), 2.0f);
    ASSERT_EQ(ApplyFillStroke(art, run, 0, 4), kNoError);
    EXPECT_TRUE(SameColour(StyleOf(art).stroke, Four(.2f, .3f, .4f, .5f)));
    EXPECT_EQ(StyleOf(art).strokeWidth, 2.0f);
  }
}

TEST_F(FillStrokeEngine, GroupsThatAreOffChangeNothing) {
  FillStrokeOptions options = Options();
  options.fillMode = kTotallyRandom;
  options.strokeMode = kTotallyRandom;
  options.weightMode = kWeightRandomUpTo10;
  FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
  ArtRef art = AddPath(Grey(.1f), Grey(.2f), 3.0f);
  ASSERT_EQ(ApplyFillStroke(art, run, 0, 4), kNoError);
  ExpectComponents(StyleOf(art).fill, {.1f});
  ExpectComponents(StyleOf(art).stroke, {.2f});
  EXPECT_EQ(StyleOf(art).strokeWidth, 3.0f);
  EXPECT_EQ(Drawn(), 0u);
}

TEST_F(FillStrokeEngine, DrawsComeInFillStrokeWeightOrder) {
  Script({.1f, .2f, .3f});
  FillStrokeOptions options = Options();
  options.fillOn = options.strokeOn = options.weightOn = 1;
  options.fillMode = kTotallyRandom;
  options.strokeMode = kTotallyRandom;
  options.weightMode = kWeightRandomUpTo10;
  FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
  ArtRef art = AddPath(Grey(.9f), Grey(.9f), 1.0f);
  ASSERT_EQ(ApplyFillStroke(art, run, 0, 1), kNoError);
  ExpectComponents(StyleOf(art).fill, {.1f});
  ExpectComponents(StyleOf(art).stroke, {.2f});
  EXPECT_FLOAT_EQ(StyleOf(art).strokeWidth, 3.0f);
}

// ---- Replicor's fill factor ------------------------------------------------

TEST_F(FillStrokeEngine, FillFactorScalesTheFillAfterTheModeEvenWhenFillIsOff) {
  struct Case {
    const char* name;
    int32_t fillOn;
    Real factor;
    Colour start;
    std::vector<float> expected;
  };
  const Case cases[] = {
      {"off, four-colour halved", 0, .5f, Four(.2f, .4f, .6f, .8f), {.1f, .2f, .3f, .4f}},
      {"off, grey halved", 0, .5f, Grey(.4f), {.2f}},
      {"on, gradient then doubled", 1, 2.0f, Three(.1f, .2f, .3f), {.6f, 1.2f, 1.8f}},
      {"factor 1 changes nothing", 0, 1.0f, Four(.2f, .4f, .6f, .8f), {.2f, .4f, .6f, .8f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FillStrokeOptions options = Options();
    options.fillOn = c.fillOn;
    options.fillMode = kBasicGradient;
    FillStrokeRun run = PrepareFillStroke(options, kAveragedLists, nullptr, 0);
    ArtRef art = AddPath(c.start, Grey(.6f));
    ASSERT_EQ(ApplyFillStroke(art, run, 0, 3, c.factor), kNoError);
    ExpectComponents(StyleOf(art).fill, c.expected);
    ExpectComponents(StyleOf(art).stroke, {.6f});
  }
}

// ---- Weight modes ------------------------------------------------------------

TEST_F(FillStrokeEngine, WeightModesChangeTheWidthByTheirRules) {
  struct Case {
    const char* name;
    int32_t mode;
    Real weight;
    int32_t index, count;
    std::vector<float> draws;
    float expected;  // from a width of 2
  };
  const Case cases[] = {
      {"basic", 0, 3, 0, 4, {}, 5},
      {"basic, -50 goes below 0", 0, -50, 0, 4, {}, -48},
      {"copies", 1, 3, 2, 4, {}, 11},
      {"pulsed at i 8", 2, 3, 8, 20, {}, 29},
      {"pulsed at i 9", 2, 3, 9, 20, {}, 2},
      {"rapid pulse at i 4", 3, 3, 4, 9, {}, 8},
      {"swap around", 4, 3, 1, 4, {}, 11},
      {"random add", 5, 3, 0, 4, {.5f}, 3.5f},
      {"random add on copies", 6, 3, 1, 4, {.5f}, 5},
      {"random up to 10", 7, 3, 0, 4, {.25f}, 2.5f},
      {"random up to entered", 8, 3, 0, 4, {.5f}, 1.5f},
      {"to target, first", 9, 3, 0, 4, {}, 2.25f},
      {"to target, last", 9, 3, 3, 4, {}, 3},
      {"approach target", 10, 3, 2, 4, {}, 2.25f},
      {"multiplied", 11, 3, 0, 4, {}, 6},
      {"multiplied by 0", 11, 0, 0, 4, {}, 0},
      {"either way, up", 12, 3, 0, 4, {.75f}, 5},
      {"either way, down", 12, 3, 0, 4, {.25f}, -1},
      {"either way, 0.5 is down", 12, 3, 0, 4, {.5f}, -1},
      {"either way on copies, up", 13, 3, 1, 4, {.75f}, 8},
      {"either way on copies, down", 13, 3, 1, 4, {.25f}, -4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Script(c.draws.empty() ? std::vector<float>{.5f} : c.draws);
    FillStrokeOptions options = Options();
    options.weightOn = 1;
    options.weightMode = c.mode;
    options.weight = c.weight;
    FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
    ArtRef art = AddPath(Grey(.1f), Grey(.2f), 2.0f);
    ASSERT_EQ(ApplyFillStroke(art, run, c.index, c.count), kNoError);
    EXPECT_FLOAT_EQ(StyleOf(art).strokeWidth, c.expected);
    EXPECT_EQ(Drawn(), c.draws.size());
  }
}

TEST_F(FillStrokeEngine, RandomWeightsStayInRangeAndEitherWayNeverKeepsTheWidth) {
  seeded_ = std::make_unique<host::SplitMixRandom>(7);
  session_.random = seeded_.get();
  FillStrokeOptions options = Options();
  options.weightOn = 1;
  options.weight = 1;
  for (int32_t mode : {kWeightRandomUpTo10, kWeightEitherWay}) {
    options.weightMode = mode;
    FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
    for (int i = 0; i < 200; ++i) {
      ArtRef art = AddPath(Grey(.1f), Grey(.2f), 4.0f);
      ASSERT_EQ(ApplyFillStroke(art, run, 0, 1), kNoError);
      const Real w = StyleOf(art).strokeWidth;
      if (mode == kWeightRandomUpTo10) {
        EXPECT_GE(w, 0.0f);
        EXPECT_LT(w, 10.0f);
      } else {
        EXPECT_TRUE(w == 5.0f || w == 3.0f) << w;
      }
    }
  }
}

// ---- Preparing a run ---------------------------------------------------------

TEST_F(FillStrokeEngine, PrepareTurnsEnteredValuesIntoFractions) {
  FillStrokeOptions options = Options();
  options.fillOn = 1;
  options.fillMode = 3;
  options.fillCyan = 50;
  options.fillRed = 255;
  options.strokeOn = 0;
  options.strokeMode = 7;
  options.strokeGrey = 100;
  options.strokeBlue = -255;
  options.weightOn = 1;
  options.weightMode = 11;
  options.weight = -50;
  FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
  const float fill[] = {.5f, .2f, .3f, .4f, 1.0f, .4f, .6f, .5f};
  const float stroke[] = {.1f, .2f, .3f, .4f, .2f, .4f, -1.0f, 1.0f};
  for (int k = 0; k < kColourValueCount; ++k) {
    EXPECT_FLOAT_EQ(run.fill[k], fill[k]) << k;
    EXPECT_FLOAT_EQ(run.stroke[k], stroke[k]) << k;
  }
  EXPECT_EQ(run.weight, -50.0f);
  EXPECT_EQ(run.fillOn, 1);
  EXPECT_EQ(run.fillMode, 3);
  EXPECT_EQ(run.strokeOn, 0);
  EXPECT_EQ(run.strokeMode, 7);
  EXPECT_EQ(run.weightOn, 1);
  EXPECT_EQ(run.weightMode, 11);
}

TEST_F(FillStrokeEngine, PrepareTakesTheListLengthsOfTheVariant) {
  const int32_t fillCounts[kListVariantCount] = {14, 15, 16, 15, 15, 15};
  for (int32_t variant = 0; variant < kListVariantCount; ++variant) {
    FillStrokeRun run = PrepareFillStroke(Options(), variant, nullptr, 0);
    EXPECT_EQ(run.fillModeCount, fillCounts[variant]) << variant;
    EXPECT_EQ(run.strokeModeCount, 14) << variant;
    EXPECT_EQ(run.weightModeCount, 14) << variant;
  }
}

class AveragedTargets : public FillStrokeEngine {
 protected:
  FillStrokeRun Prepare(int32_t variant, int32_t mode, const std::vector<ArtRef>& selection) {
    FillStrokeOptions options = Options();
    options.fillOn = 1;
    options.fillMode = mode;
    return PrepareFillStroke(options, variant, selection.data(),
                             static_cast<int32_t>(selection.size()));
  }
  std::vector<ArtRef> MixedSelection() {
    return {AddPath(Four(.2f, .4f, .6f, .8f)), AddPath(Four(.4f, .6f, .8f, 1.0f)),
            nullptr,
            AddPath(Three(.3f, .6f, .9f)),
            AddPath(Grey(.5f)),
            AddPath(Grey(.7f)),
            AddPath(Opaque(kPatternColour))};
  }
  static void ExpectFill(const FillStrokeRun& run, const std::vector<float>& expected) {
    for (int k = 0; k < kColourValueCount; ++k) EXPECT_FLOAT_EQ(run.fill[k], expected[k]) << k;
  }
};

TEST_F(AveragedTargets, EachColourModelTakesTheAverageOfItsFills) {
  FillStrokeRun run = Prepare(kAveragedLists, kAveragedToTarget, MixedSelection());
  ExpectFill(run, {.3f, .5f, .7f, .9f, .3f, .6f, .9f, .6f});
  EXPECT_FLOAT_EQ(run.stroke[kCyanValue], .1f);
}

TEST_F(AveragedTargets, ModelsWithoutArtKeepTheEnteredValues) {
  FillStrokeRun run = Prepare(kMultiPassLists, kAveragedToTarget,
                              {AddPath(Grey(.2f)), AddPath(Grey(.3f))});
  ExpectFill(run, {.1f, .2f, .3f, .4f, .2f, .4f, .6f, .25f});
}

TEST_F(AveragedTargets, NoAveragingWhereTheListHasNoEntry14OrAnotherModeIsChosen) {
  const float entered[] = {.1f, .2f, .3f, .4f, .2f, .4f, .6f, .5f};
  ExpectFill(Prepare(kPlainLists, kAveragedToTarget, MixedSelection()),
             std::vector<float>(entered, entered + 8));
  ExpectFill(Prepare(kAveragedLists, kToTarget, MixedSelection()),
             std::vector<float>(entered, entered + 8));
}

TEST_F(AveragedTargets, ArtWhoseStyleCannotBeReadTakesNoPart) {
  std::vector<ArtRef> selection = MixedSelection();
  session_.failures.failOperation("GetPathStyle", kBadParameterError);
  FillStrokeRun run = Prepare(kAveragedLists, kAveragedToTarget, selection);
  session_.failures.clear();
  ExpectFill(run, {.1f, .2f, .3f, .4f, .2f, .4f, .6f, .5f});
}

TEST_F(AveragedTargets, TheAveragedRunGoesToTheAverage) {
  std::vector<ArtRef> selection = {AddPath(Grey(.2f)), AddPath(Grey(.6f))};
  FillStrokeRun run = Prepare(kTiergrowLists, kAveragedToTarget, selection);
  ArtRef art = AddPath(Grey(1.0f));
  ASSERT_EQ(ApplyFillStroke(art, run, 1, 2), kNoError);
  ExpectComponents(StyleOf(art).fill, {.4f});
}

// ---- Failures ----------------------------------------------------------------

TEST_F(FillStrokeEngine, StyleErrorsAreReturnedUnchanged) {
  FillStrokeOptions options = Options();
  options.fillOn = 1;
  options.fillMode = kTotallyRandom;
  FillStrokeRun run = PrepareFillStroke(options, kPlainLists, nullptr, 0);
  for (const char* operation : {"GetPathStyle", "SetPathStyle"}) {
    SCOPED_TRACE(operation);
    Script({.5f});
    ArtRef art = AddPath(Grey(.9f));
    session_.failures.failOperation(operation, kLockedLayerError);
    EXPECT_EQ(ApplyFillStroke(art, run, 0, 1), kLockedLayerError);
    session_.failures.clear();
    ExpectComponents(StyleOf(art).fill, {.9f});
    EXPECT_EQ(Drawn(), std::string(operation) == "GetPathStyle" ? 0u : 1u);
  }
}

// The target rules divide by the series length and the pass count; a call
// with either below 1 is refused before anything is read, drawn or written.
TEST_F(FillStrokeEngine, EmptySeriesOrPassCountsAreRefusedAndChangeNothing) {
  struct Case {
    int32_t mode;
    int32_t count, passCount;
  };
  const Case cases[] = {
      {kToTarget, 0, 1},          {kApproachTarget, 0, 1}, {kToTargetMultiPass, 2, 0},
      {kToTargetMultiPass, 0, 0}, {kBasicGradient, -3, 1}, {kTotallyRandom, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " count " << c.count << " passes "
                                    << c.passCount);
    Script({.5f});
    FillStrokeOptions options = Options();
    options.fillOn = options.strokeOn = options.weightOn = 1;
    options.fillMode = c.mode;
    options.strokeMode = kToTarget;
    options.weightMode = kWeightToTarget;
    options.weight = 8;
    FillStrokeRun run = PrepareFillStroke(options, kMultiPassLists, nullptr, 0);
    ArtRef art = AddPath(Four(.2f, .3f, .4f, .5f), Grey(.6f), 2.0f);
    const PathStyle before = StyleOf(art);
    EXPECT_EQ(ApplyFillStroke(art, run, 0, c.count, 0, c.passCount), kBadParameterError);
    EXPECT_EQ(std::memcmp(&StyleOf(art), &before, sizeof before), 0);
    EXPECT_EQ(Drawn(), 0u);
  }
}

}  // namespace
