// Tintshake through PluginMain: every mode on every colour model against
// exact single-precision results with a scripted random source, the channel
// a colour follows, inactive channels, colour kinds left alone, the order of
// draws, failing host operations, the selection check, registration and
// suites, and the channel page of the dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugins/tintshake/tintshake.h"
#include "support/colours.h"
#include "support/harness.h"

namespace corvane::testing {
namespace {

const std::vector<RealPoint> kSquare = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};

// The scripted draws, in the order the run takes them.
constexpr float R1 = 0.5f, R2 = 0.25f, R3 = 0.75f, R4 = 0.125f, R5 = 0.375f;
const std::vector<float> kDraws = {R1, R2, R3, R4, R5};

// An entered value as the run uses it.
constexpr float V(float percent) { return percent / 100.0f; }

std::vector<float> Components(const Colour& c) {
  switch (c.kind) {
    case kFourColour: return {c.data.four.cyan, c.data.four.magenta, c.data.four.yellow, c.data.four.black};
    case kThreeColour: return {c.data.three.red, c.data.three.green, c.data.three.blue};
    case kGreyColour: return {c.data.grey};
    default: return {};
  }
}

// Exact equality: the run computes in single precision as the table says.
void ExpectColour(const Colour& actual, const Colour& expected) {
  ASSERT_EQ(actual.kind, expected.kind);
  if (expected.kind == kPatternColour || expected.kind == kSpotColour) {
    EXPECT_EQ(std::memcmp(actual.data.raw, expected.data.raw, sizeof actual.data.raw), 0);
    return;
  }
  const std::vector<float> a = Components(actual), e = Components(expected);
  for (size_t k = 0; k < e.size(); ++k) EXPECT_EQ(a[k], e[k]) << "component " << k;
}

// Where the values of a colour model start in fillValue / strokeValue.
int32_t FirstValue(int32_t kind) {
  return kind == kFourColour ? kCyan : kind == kThreeColour ? kRed : kGrey;
}

int32_t FillChannel(int32_t kind) {
  return kind == kFourColour ? kChannelCmykFill : kind == kThreeColour ? kChannelRgbFill : kChannelGreyFill;
}

class TintshakeTest : public ::testing::Test {
 protected:
  void SetUp() override { plugin_ = &h_.load("tintshake"); }

  TintshakeParameters* block() { return h_.block<TintshakeParameters>(*plugin_); }

  // Makes the kept block with its defaults through a cancelled dialog. The
  // path that makes the selection valid is deselected afterwards, so it
  // takes no draws in later runs.
  TintshakeParameters* DefaultBlock() {
    host::Art* decoy = h_.addPath(kSquare);
    EXPECT_EQ(h_.getParameters(*plugin_, {}, true), kCancelError);
    decoy->selected = false;
    return block();
  }

  host::Art* AddPath(const Colour& fill, const Colour& stroke) {
    host::Art* art = h_.addPath(kSquare);
    art->style.fillPaint = 1;
    art->style.fill = fill;
    art->style.strokePaint = 1;
    art->style.stroke = stroke;
    return art;
  }

  // Go sent alone with the kept block, the draws starting at kDraws[0].
  HostError Run() {
    EXPECT_TRUE(h_.scriptRandom(kDraws));
    return h_.repeat(*plugin_);
  }

  Harness h_;
  host::LoadedPlugin* plugin_ = nullptr;
};

// ---- Modes -------------------------------------------------------------

struct ModeCase {
  const char* name;
  int32_t mode;
  Colour before;
  std::vector<float> entered;  // the channel's values in component order, percent
  Colour after;
};

constexpr float kAverage4 = R1 * (0.2f + 0.4f + 0.6f + 0.8f) * 0.25f;
constexpr float kAverage3 = R1 * (0.1f + 0.5f + 0.9f) * 0.33333334f;

// Shown by the test runner in place of the record's bytes.
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

std::vector<ModeCase> ModeCases() {
  const Colour four = Four(0.2f, 0.4f, 0.6f, 0.8f);
  const std::vector<float> fourIn = {10, 20, 30, 40};
  const Colour three = Three(0.1f, 0.5f, 0.9f);
  const std::vector<float> threeIn = {255, -100, 50};
  const Colour grey = Grey(0.3f);
  const std::vector<float> greyIn = {40};
  const Colour threeAsMode0 =
      Three(0.1f + R1 * V(255), 0.5f + R2 * V(-100), 0.9f + R3 * V(50));
  const Colour greyAsMode0 = Grey(0.3f + R1 * V(40));
  return {
      {"Four0", 0, four, fourIn,
       Four(0.2f + R1 * V(10), 0.4f + R2 * V(20), 0.6f + R3 * V(30), 0.8f + R4 * V(40))},
      {"Four1", 1, four, fourIn, Four(R1 * V(10), R2 * V(20), R3 * V(30), R4 * V(40))},
      {"Four2BlackAsEntered", 2, four, fourIn,
       Four(0.2f + R1 * V(10), 0.4f + R2 * V(20), 0.6f + R3 * V(30), V(40))},
      {"Four3BlackRandomised", 3, four, fourIn,
       Four(0.2f + R1 * V(10), 0.4f + R2 * V(20), 0.6f + R3 * V(30), R4 * V(40))},
      {"Four4", 4, four, fourIn,
       Four(0.2f + kAverage4, 0.4f + kAverage4, 0.6f + kAverage4, 0.8f + kAverage4)},
      {"Four5", 5, four, fourIn,
       Four(0.2f + kAverage4, 0.4f + kAverage4, 0.6f + kAverage4, R2 * V(40))},
      {"Four6OneDraw", 6, four, fourIn,
       Four(0.2f + R1 * V(10), 0.4f + R1 * V(20), 0.6f + R1 * V(30), 0.8f + R1 * V(40))},
      {"Four7", 7, four, fourIn,
       Four(0.2f * (1.0f + R1 * V(10)), 0.4f * (1.0f + R2 * V(20)), 0.6f * (1.0f + R3 * V(30)),
            0.8f * (1.0f + R4 * V(40)))},
      {"Four8", 8, four, fourIn,
       Four(R1 * 0.2f * V(10), R2 * 0.4f * V(20), R3 * 0.6f * V(30), R4 * 0.8f * V(40))},
      {"Four9", 9, four, fourIn, Four(0.2f * V(10), 0.4f * V(20), 0.6f * V(30), 0.8f * V(40))},
      {"Four10MinusHundredGoesBelowZero", 10, four, {-100, -100, -100, -100},
       Four(0.2f - 1.0f, 0.4f - 1.0f, 0.6f - 1.0f, 0.8f - 1.0f)},
      {"Four11", 11, four, fourIn, Four(R1, R2, R3, R4)},
      {"Four12KeepsBlack", 12, four, fourIn, Four(R1, R2, R3, 0.8f)},
      {"Three0", 0, three, threeIn, threeAsMode0},
      {"Three2AsMode0", 2, three, threeIn, threeAsMode0},
      {"Three3AsMode0", 3, three, threeIn, threeAsMode0},
      {"Three4", 4, three, threeIn,
       Three(0.1f + kAverage3, 0.5f + kAverage3, 0.9f + kAverage3)},
      {"Three5AsMode4", 5, three, threeIn,
       Three(0.1f + kAverage3, 0.5f + kAverage3, 0.9f + kAverage3)},
      {"Three6OneDraw", 6, three, threeIn,
       Three(0.1f + R1 * V(255), 0.5f + R1 * V(-100), 0.9f + R1 * V(50))},
      {"Three10", 10, three, threeIn, Three(0.1f + V(255), 0.5f + V(-100), 0.9f + V(50))},
      {"Three11UpTo255", 11, three, threeIn, Three(2.55f * R1, 2.55f * R2, 2.55f * R3)},
      {"Three12", 12, three, threeIn, Three(2.55f * R1, 2.55f * R2, 2.55f * R3)},
      {"Grey0", 0, grey, greyIn, greyAsMode0},
      {"Grey1", 1, grey, greyIn, Grey(R1 * V(40))},
      {"Grey2AsMode0", 2, grey, greyIn, greyAsMode0},
      {"Grey3AsMode0", 3, grey, greyIn, greyAsMode0},
      {"Grey4", 4, grey, greyIn, Grey(0.3f * (1.0f + R1))},
      {"Grey5AsMode4", 5, grey, greyIn, Grey(0.3f * (1.0f + R1))},
      {"Grey7", 7, grey, greyIn, Grey(0.3f * (1.0f + R1 * V(40)))},
      {"Grey11", 11, grey, greyIn, Grey(R1)},
      {"Grey12", 12, grey, greyIn, Grey(R1)},
  };
}

class TintshakeModeTest : public TintshakeTest,
                          public ::testing::WithParamInterface<ModeCase> {};

// Each case changes a fill through its channel; the stroke is of a kind no
// channel changes, so every draw goes to the fill.
TEST_P(TintshakeModeTest, ChangesTheFillAsTheModeSays) {
  const ModeCase& c = GetParam();
  TintshakeParameters* b = DefaultBlock();
  ASSERT_NE(b, nullptr);
  const int32_t channel = FillChannel(c.before.kind);
  b->channelMode[channel] = c.mode;
  for (size_t k = 0; k < c.entered.size(); ++k) b->fillValue[FirstValue(c.before.kind) + k] = c.entered[k];
  host::Art* art = AddPath(c.before, Opaque(kPatternColour));

  ASSERT_EQ(Run(), kNoError);
  ExpectColour(art->style.fill, c.after);
  ExpectColour(art->style.stroke, Opaque(kPatternColour));
}

INSTANTIATE_TEST_SUITE_P(AllModels, TintshakeModeTest, ::testing::ValuesIn(ModeCases()),
                         [](const ::testing::TestParamInfo<ModeCase>& info) {
                           return std::string(info.param.name);
                         });

// ---- Which colours change, and how the draws are spent -----------------

TEST_F(TintshakeTest, DefaultsRaiseTheFourColourFillAndWriteTheStrokeBackUnchanged) {
  DefaultBlock();
  host::Art* art = AddPath(Four(0.2f, 0.4f, 0.6f, 0.8f), Four(0.1f, 0.3f, 0.5f, 0.7f));
  ASSERT_EQ(Run(), kNoError);
  ExpectColour(art->style.fill,
               Four(0.2f + R1 * V(10), 0.4f + R2 * V(10), 0.6f + R3 * V(10), 0.8f + R4 * V(10)));
  ExpectColour(art->style.stroke, Four(0.1f, 0.3f, 0.5f, 0.7f));
}

TEST_F(TintshakeTest, FillAndStrokeFollowTheChannelsOfTheirOwnModel) {
  TintshakeParameters* b = DefaultBlock();
  b->channelMode[kChannelCmykFill] = 9;
  b->channelMode[kChannelCmykStroke] = 11;  // a four-colour stroke would be randomised
  b->channelMode[kChannelRgbStroke] = 10;
  b->strokeValue[kRed] = 50, b->strokeValue[kGreen] = -50, b->strokeValue[kBlue] = 20;
  host::Art* art = AddPath(Four(0.2f, 0.4f, 0.6f, 0.8f), Three(0.1f, 0.5f, 0.9f));
  ASSERT_EQ(Run(), kNoError);
  ExpectColour(art->style.fill, Four(0.2f * V(10), 0.4f * V(10), 0.6f * V(10), 0.8f * V(10)));
  ExpectColour(art->style.stroke, Three(0.1f + V(50), 0.5f + V(-50), 0.9f + V(20)));
}

TEST_F(TintshakeTest, AnInactiveChannelLeavesItsColoursAlone) {
  TintshakeParameters* b = DefaultBlock();
  b->channelActive[kChannelRgbFill] = 0;
  b->channelMode[kChannelRgbFill] = 11;
  b->channelMode[kChannelCmykFill] = 9;
  host::Art* rgb = AddPath(Three(0.1f, 0.5f, 0.9f), Opaque(kPatternColour));
  host::Art* cmyk = AddPath(Four(0.2f, 0.4f, 0.6f, 0.8f), Opaque(kPatternColour));
  ASSERT_EQ(Run(), kNoError);
  ExpectColour(rgb->style.fill, Three(0.1f, 0.5f, 0.9f));
  ExpectColour(cmyk->style.fill, Four(0.2f * V(10), 0.4f * V(10), 0.6f * V(10), 0.8f * V(10)));
}

class TintshakeOpaqueFillTest : public TintshakeTest,
                                public ::testing::WithParamInterface<int32_t> {};

TEST_P(TintshakeOpaqueFillTest, StaysWhileTheStrokeFollowsItsChannel) {
  host::Art* art = AddPath(Opaque(GetParam()), Grey(0.5f));
  ASSERT_EQ(h_.getParameters(*plugin_, {Check(kPreviewItem, false),
                                        Select(kChannelListItem, kChannelGreyStroke),
                                        Select(kModeListItem, 10), Set(kFirstEditItem, 25)}),
            kNoError);
  ASSERT_EQ(h_.go(*plugin_), kNoError);
  ExpectColour(art->style.fill, Opaque(GetParam()));
  ExpectColour(art->style.stroke, Grey(0.5f + V(25)));
}

INSTANTIATE_TEST_SUITE_P(PatternAndSpot, TintshakeOpaqueFillTest,
                         ::testing::Values(kPatternColour, kSpotColour),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                           return info.param == kPatternColour ? std::string("Pattern")
                                                               : std::string("Spot");
                         });

TEST_F(TintshakeTest, PathsAreVisitedFromTheLastSelectedToTheFirst) {
  TintshakeParameters* b = DefaultBlock();
  b->channelMode[kChannelGreyFill] = 1;
  host::Art* bottom = AddPath(Grey(0.3f), Opaque(kSpotColour));
  host::Art* top = AddPath(Grey(0.3f), Opaque(kSpotColour));
  ASSERT_EQ(Run(), kNoError);
  ExpectColour(top->style.fill, Grey(R1 * V(10)));
  ExpectColour(bottom->style.fill, Grey(R2 * V(10)));
}

// ---- Failures ----------------------------------------------------------

// An error before any colour change ends the run with that error; a style
// that cannot be read or written leaves its path as it was and the run
// succeeds.
TEST_F(TintshakeTest, AFailingOperationLeavesTheColoursAndEndsTheRunOnlyBeforeAnyChange) {
  struct FailureCase {
    const char* operation;
    HostError result;
  };
  const FailureCase cases[] = {
      {"UndoChanges", kLockedLayerError},
      {"GetMatchingArt", kLockedLayerError},
      {"GetSegmentCount", kLockedLayerError},
      {"GetPathStyle", kNoError},
      {"SetPathStyle", kNoError},
  };
  DefaultBlock();
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.operation);
    host::Art* art = AddPath(Four(0.2f, 0.4f, 0.6f, 0.8f), Grey(0.5f));
    h_.session().failures.failOperation(c.operation, kLockedLayerError);
    EXPECT_EQ(Run(), c.result);
    h_.session().failures.clear();
    ExpectColour(art->style.fill, Four(0.2f, 0.4f, 0.6f, 0.8f));
    ExpectColour(art->style.stroke, Grey(0.5f));
    art->selected = false;
  }
}

// The preview's colours are in the document even when the redraw that would
// show them fails, so they remain the result that Go keeps.
TEST_F(TintshakeTest, APreviewWhoseRedrawFailsIsStillTheAcceptedResult) {
  host::Art* art = AddPath(Four(0.2f, 0.4f, 0.6f, 0.8f), Opaque(kPatternColour));
  const Colour previewed =
      Four(0.2f + R1 * V(10), 0.4f + R2 * V(10), 0.6f + R3 * V(10), 0.8f + R4 * V(10));
  ASSERT_TRUE(h_.scriptRandom(kDraws));
  h_.session().failures.failOperation("RedrawDocument", kLockedLayerError);
  ASSERT_EQ(h_.getParameters(*plugin_, {Inspect([&](host::Dialog&) {
              ExpectColour(art->style.fill, previewed);
            })}),
            kNoError);
  EXPECT_EQ(block()->previewCurrent, 1);
  ASSERT_EQ(h_.go(*plugin_), kNoError);
  ExpectColour(art->style.fill, previewed);
  EXPECT_TRUE(h_.shownErrors().empty());
}

// ---- Selection, registration, suites -----------------------------------

TEST_F(TintshakeTest, NoSelectedPathMeansNoDialogAndNoBlock) {
  host::Art* art = h_.addPath(kSquare, true, false);
  EXPECT_EQ(h_.getParameters(*plugin_, {Inspect([](host::Dialog&) { ADD_FAILURE() << "dialog opened"; })}),
            kNoSelectionError);
  EXPECT_EQ(plugin_->parameters, nullptr);
  ASSERT_EQ(h_.shownErrors().size(), 1u);
  EXPECT_EQ(h_.shownErrors()[0].first, "The selection is not valid for this filter.");
  EXPECT_EQ(h_.shownErrors()[0].second, "!sel");

  art->selected = true;
  ASSERT_EQ(h_.apply(*plugin_), kNoError);
  art->selected = false;
  EXPECT_EQ(h_.repeat(*plugin_), kNoSelectionError);
}

// A kept handle too small for the record (as kept by a build whose record
// was smaller) is never read or written by Go.
TEST_F(TintshakeTest, GoWithAKeptBlockTooSmallForTheRecordTouchesNothing) {
  host::Art* art = AddPath(Four(0.2f, 0.4f, 0.6f, 0.8f), Grey(0.5f));
  const int32_t channelOnly = kChannelCmykFill;
  h_.host().setParameters(*plugin_, &channelOnly, sizeof channelOnly);
  EXPECT_EQ(Run(), kNoParametersError);
  ExpectColour(art->style.fill, Four(0.2f, 0.4f, 0.6f, 0.8f));
  ExpectColour(art->style.stroke, Grey(0.5f));
}

TEST_F(TintshakeTest, AnUnreadableSegmentCountEndsGetParametersBeforeTheBlockIsMade) {
  h_.addPath(kSquare);
  h_.session().failures.failOperation("GetSegmentCount", kLockedLayerError);
  EXPECT_EQ(h_.getParameters(*plugin_), kLockedLayerError);
  EXPECT_EQ(plugin_->parameters, nullptr);
}

TEST_F(TintshakeTest, RegistersFromItsStringTableWithMenuCodesA) {
  const host::FilterRegistration* filter = plugin_->filter(h_.session());
  ASSERT_NE(filter, nullptr);
  EXPECT_EQ(filter->name, "Tintshake Filter");
  EXPECT_EQ(filter->category, "Corvane Kit 1.2");
  EXPECT_EQ(filter->title, "Tintshake...");
  EXPECT_EQ(filter->action, 1);
  const int32_t expected[6] = {0, 0, 2, 0, 0, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(filter->conditions[i], expected[i]) << "condition " << i;
}

// A refused suite fails the message exactly when the deliverable obtains it.
TEST(TintshakeSuites, ObtainsExactlyTheSuitesOfItsTable) {
  const std::vector<std::pair<const char*, bool>> suites = {
      {kBlocksSuite, true},          {kAccessSuite, true},        {kMdMemorySuite, true},
      {kRealMathSuite, true},        {kArtSuite, true},           {kUserSuite, true},
      {kDocumentSuite, true},        {kUndoSuite, true},          {kMatchingArtSuite, true},
      {kPathSuite, true},            {kPathStyleSuite, true},     {kRandomSuite, true},
      {kTransformArtSuite, false},   {kShapeConstructionSuite, false},
      {kLayerSuite, false},          {kMenuSuite, true},          {kFilterSuite, true},
      {kTagSuite, true},             {kRealBezierSuite, false},   {kADMBasicSuite, true},
      {kADMDialogSuite, true},       {kADMItemSuite, true},       {kADMIconSuite, true},
      {kADMNotifierSuite, true},     {kADMListSuite, true},       {kADMEntrySuite, true},
  };
  for (const auto& [name, carried] : suites) {
    SCOPED_TRACE(name);
    Harness h;
    host::LoadedPlugin& plugin = h.load("tintshake");
    h.addPath(kSquare);
    h.session().failures.refuseSuite(name);
    const HostError result = h.getParameters(plugin);
    if (carried) {
      EXPECT_EQ(result, kSuiteNotFoundError);
    } else {
      EXPECT_EQ(result, kNoError);
    }
  }
}

// ---- The channel page --------------------------------------------------

struct Shown {
  int32_t mode;
  bool active;
  std::string activeText;
  std::vector<std::string> labels;
  std::vector<double> values;  // edit fields of the pairs in use
  std::vector<bool> enabled;   // edit fields 7, 9, 11, 13
};

Shown Read(host::Dialog& d) {
  Shown s;
  const host::Entry* mode = d.item(kModeListItem)->list()->selected();
  s.mode = mode ? mode->id : -1;
  s.active = d.item(kActiveItem)->checked;
  s.activeText = d.item(kActiveItem)->text();
  for (int32_t pair = 0; pair < kTintshakePairs; ++pair) {
    s.labels.push_back(d.item(kFirstLabelItem + pair)->text());
    const host::Item* edit = d.item(PairEditItem(pair));
    const host::Item* slider = d.item(PairSliderItem(pair));
    s.enabled.push_back(edit->enabled);
    EXPECT_EQ(slider->enabled, edit->enabled) << "pair " << pair;
    if (edit->enabled) {
      s.values.push_back(edit->number().value());
      EXPECT_EQ(slider->number().value(), edit->number().value()) << "pair " << pair;
    }
  }
  return s;
}

TEST_F(TintshakeTest, EachChannelShowsItsOwnStoredValuesAndSwitchingChangesOnlyTheChannel) {
  TintshakeParameters* b = DefaultBlock();
  b->previewOn = 0;
  for (int32_t c = 0; c < kTintshakeChannels; ++c) {
    b->channelMode[c] = c + 3;
    b->channelActive[c] = c % 2;
  }
  for (int32_t k = 0; k < kTintshakeComponents; ++k) {
    b->fillValue[k] = 11.0f + k;
    b->strokeValue[k] = -21.0f - k;
  }
  const TintshakeParameters before = *b;
  AddPath(Grey(0.5f), Grey(0.5f));

  struct Expected {
    int32_t channel;
    std::string activeText;
    std::vector<std::string> labels;
    std::vector<double> values;
  };
  const std::vector<Expected> pages = {
      {kChannelRgbStroke, "Active Stroke (RGB)", {"Red", "Green", "Blue", ""}, {-25, -26, -27}},
      {kChannelGreyFill, "Active Fill (Greyscale)", {"Greyscale", "", "", ""}, {18}},
      {kChannelCmykStroke, "Active Stroke (CMYK)", {"Cyan", "Magenta", "Yellow", "Black"},
       {-21, -22, -23, -24}},
      {kChannelRgbFill, "Active Fill (RGB)", {"Red", "Green", "Blue", ""}, {15, 16, 17}},
      {kChannelGreyStroke, "Active Stroke (Greyscale)", {"Greyscale", "", "", ""}, {-28}},
      {kChannelCmykFill, "Active Fill (CMYK)", {"Cyan", "Magenta", "Yellow", "Black"},
       {11, 12, 13, 14}},
  };
  std::vector<Step> steps;
  for (const Expected& page : pages) {
    steps.push_back(Select(kChannelListItem, page.channel));
    steps.push_back(Inspect([&, page](host::Dialog& d) {
      SCOPED_TRACE("channel " + std::to_string(page.channel));
      const Shown s = Read(d);
      EXPECT_EQ(s.mode, page.channel + 3);
      EXPECT_EQ(s.active, page.channel % 2 == 1);
      EXPECT_EQ(s.activeText, page.activeText);
      EXPECT_EQ(s.labels, page.labels);
      EXPECT_EQ(s.values, page.values);
      for (size_t pair = 0; pair < 4; ++pair) EXPECT_EQ(s.enabled[pair], pair < page.values.size());
      TintshakeParameters expected = before;
      expected.channel = page.channel;
      expected.dialogBounds = block()->dialogBounds;
      expected.dialogBoundsValid = block()->dialogBoundsValid;
      EXPECT_EQ(std::memcmp(block(), &expected, sizeof expected), 0);
    }));
  }
  EXPECT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  EXPECT_TRUE(h_.stepErrors().empty());
}

TEST_F(TintshakeTest, ResetOnChannelFourKeepsItShownWithTheDefaults) {
  TintshakeParameters* b = DefaultBlock();
  b->previewOn = 0;
  b->channelMode[kChannelCmykFill] = 7;
  b->fillValue[kCyan] = 55;
  AddPath(Grey(0.5f), Grey(0.5f));
  const std::vector<Step> steps = {
      Select(kChannelListItem, kChannelRgbStroke),
      Select(kModeListItem, 11),
      Set(kFirstEditItem, 200),
      Click(kResetItem),
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(d.item(kChannelListItem)->list()->selected()->id, kChannelRgbStroke);
        const Shown s = Read(d);
        EXPECT_EQ(s.mode, 0);
        EXPECT_TRUE(s.active);
        EXPECT_EQ(s.labels, (std::vector<std::string>{"Red", "Green", "Blue", ""}));
        EXPECT_EQ(s.values, (std::vector<double>{0, 0, 0}));
        const TintshakeParameters* now = block();
        EXPECT_EQ(now->channel, kChannelRgbStroke);
        for (int32_t c = 0; c < kTintshakeChannels; ++c) {
          EXPECT_EQ(now->channelMode[c], 0);
          EXPECT_EQ(now->channelActive[c], 1);
        }
        for (int32_t k = 0; k < kTintshakeComponents; ++k) {
          EXPECT_EQ(now->fillValue[k], 10.0f);
          EXPECT_EQ(now->strokeValue[k], 0.0f);
        }
        EXPECT_EQ(now->previewOn, 0);
      }),
  };
  EXPECT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  EXPECT_TRUE(h_.stepErrors().empty());
}

TEST_F(TintshakeTest, EditAndSliderOfAPairStayEqualWhicheverIsMoved) {
  DefaultBlock()->previewOn = 0;
  AddPath(Grey(0.5f), Grey(0.5f));
  const std::vector<Step> steps = {
      Set(PairEditItem(1), 42.5),
      Set(PairSliderItem(2), 33),
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(d.item(PairSliderItem(1))->number().value(), 42.5);
        EXPECT_EQ(d.item(PairEditItem(2))->number().value(), 33);
        EXPECT_EQ(block()->fillValue[kMagenta], 42.5f);
        EXPECT_EQ(block()->fillValue[kYellow], 33.0f);
      }),
  };
  EXPECT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  EXPECT_TRUE(h_.stepErrors().empty());
}

}  // namespace
}  // namespace corvane::testing
