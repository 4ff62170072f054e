// The newer generation's table-described dialogs and the Fill/Stroke Options
// dialog end to end, through PluginMain and the scripted dialog manager,
// with the series fixture as the vehicle: store-on-change fields, a
// slider/edit pair, a list, the sub-dialog button with its own remembered
// place, Reset, the preview drawn as the dialog opens, and Go keeping an
// accepted preview.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "support/harness.h"
#include "tests/fixture_plugins/series/series.h"

namespace corvane::testing {
namespace {

constexpr FillStrokeItems kFs = kSeriesFillStroke.items;
constexpr int32_t kCyanItem = kFs.fill.first + kCyanValue;
constexpr int32_t kRedItem = kFs.fill.first + kRedValue;

// The source path: a 10-point square, a four-colour fill, a 60-point stroke.
constexpr float kLeft = 100.0f;
constexpr float kSourceCyan = 0.25f;
constexpr float kSourceWidth = 60.0f;

SeriesParameters* Edited(host::Dialog& d) {
  return static_cast<SeriesParameters*>(*static_cast<MemHandle>(d.userData()));
}

void ExpectBounds(const IntRect& actual, const IntRect& expected) {
  EXPECT_EQ(actual.left, expected.left);
  EXPECT_EQ(actual.top, expected.top);
  EXPECT_EQ(actual.right, expected.right);
  EXPECT_EQ(actual.bottom, expected.bottom);
}

bool SameBounds(const IntRect& a, const IntRect& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class SeriesDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plugin_ = &h_.load(std::string(CORVANE_FIXTURE_DIR) + "/fixture_series.so");
    source_ = h_.addPath({{kLeft, 100}, {kLeft + 10, 100}, {kLeft + 10, 110}, {kLeft, 110}});
    source_->style.fillPaint = 1;
    source_->style.fill.kind = kFourColour;
    source_->style.fill.data.four = {kSourceCyan, 0.0f, 0.0f, 0.0f};
    source_->style.strokePaint = 1;
    source_->style.strokeWidth = kSourceWidth;
  }

  SeriesParameters* block() { return h_.block<SeriesParameters>(*plugin_); }

  // The kept block with its defaults, made by a cancelled first use.
  SeriesParameters* MadeBlock(bool previewOn) {
    EXPECT_EQ(h_.getParameters(*plugin_, {}, true), kCancelError);
    SeriesParameters* b = block();
    if (b != nullptr) b->previewOn = previewOn;
    return b;
  }

  // The paths made from the source, in the order they were made.
  std::vector<host::Art*> Copies() const {
    std::vector<host::Art*> copies;
    for (host::Art* art : h_.paths()) {
      if (art != source_) copies.push_back(art);
    }
    return copies;
  }

  void ExpectNoStepErrors() {
    for (const std::string& e : h_.stepErrors()) ADD_FAILURE() << e;
  }

  Harness h_;
  host::LoadedPlugin* plugin_ = nullptr;
  host::Art* source_ = nullptr;
};

// ---- The main dialog ---------------------------------------------------

TEST_F(SeriesDialogTest, EachChangeIsInTheBlockAtOnceAndThePairStaysEqualBothWays) {
  ASSERT_NE(MadeBlock(false), nullptr);
  auto pairShows = [](int32_t count) {
    return Inspect([count](host::Dialog& d) {
      EXPECT_EQ(d.item(kCopyCountItem)->number().value(), count);
      EXPECT_EQ(d.item(kCopyCountSlider)->number().value(), count);
      EXPECT_EQ(Edited(d)->copyCount, count);
    });
  };
  const std::vector<Step> steps = {
      Set(kStepItem, -12.5),
      Inspect([](host::Dialog& d) { EXPECT_EQ(Edited(d)->step, -12.5f); }),
      Set(kCopyCountSlider, 7),
      pairShows(7),
      Set(kCopyCountItem, 42),
      pairShows(42),
      Check(kSelectCopiesItem, true),
      Inspect([](host::Dialog& d) { EXPECT_EQ(Edited(d)->selectCopies, 1); }),
  };
  // Cancelled, so whatever reached the block got there before any OK.
  EXPECT_EQ(h_.getParameters(*plugin_, steps, true), kCancelError);
  ExpectNoStepErrors();
}

TEST_F(SeriesDialogTest, AListStoresItsEntryIdAndFindsItAgainOnReopening) {
  ASSERT_NE(MadeBlock(false), nullptr);
  for (int32_t id : {kSeriesModes - 1, 1}) {
    SCOPED_TRACE("entry " + std::to_string(id));
    ASSERT_EQ(h_.getParameters(*plugin_, {Select(kModeItem, id), Set(kCopyCountItem, 9 + id)}),
              kNoError);
    EXPECT_EQ(block()->mode, id);
    ASSERT_EQ(h_.getParameters(*plugin_, {Inspect([id](host::Dialog& d) {
                const host::List* list = d.item(kModeItem)->list();
                const host::Entry* shown = list->selected();
                ASSERT_NE(shown, nullptr);
                EXPECT_EQ(shown->id, id);
                EXPECT_EQ(shown, list->at(id)) << "an entry's id is its position";
                // The slider stores nothing; it shows its partner's value.
                EXPECT_EQ(d.item(kCopyCountSlider)->number().value(), 9 + id);
              })}),
              kNoError);
  }
  ExpectNoStepErrors();
}

TEST_F(SeriesDialogTest, ResetShowsTheDefaultsWhichOnlyOkKeeps) {
  SeriesParameters* b = MadeBlock(false);
  ASSERT_NE(b, nullptr);
  for (bool confirm : {false, true}) {
    SCOPED_TRACE(confirm ? "OK" : "Cancel");
    b->copyCount = 9, b->step = -33.0f, b->mode = 2, b->selectCopies = 1;
    const SeriesParameters before = *b;
    const std::vector<Step> steps = {
        Set(kStepItem, 5),
        Click(kResetItem),
        Inspect([](host::Dialog& d) {
          EXPECT_EQ(d.item(kCopyCountItem)->number().value(), kDefaultCopyCount);
          EXPECT_EQ(d.item(kCopyCountSlider)->number().value(), kDefaultCopyCount);
          EXPECT_EQ(d.item(kStepItem)->number().value(), kDefaultStep);
          EXPECT_EQ(d.item(kModeItem)->list()->selected()->id, kDefaultMode);
          EXPECT_EQ(d.item(kSelectCopiesItem)->checked, kDefaultSelectCopies != 0);
        }),
    };
    const HostError result = h_.getParameters(*plugin_, steps, !confirm);
    if (confirm) {
      EXPECT_EQ(result, kNoError);
      EXPECT_EQ(b->copyCount, kDefaultCopyCount);
      EXPECT_EQ(b->step, kDefaultStep);
      EXPECT_EQ(b->mode, kDefaultMode);
      EXPECT_EQ(b->selectCopies, kDefaultSelectCopies);
    } else {
      EXPECT_EQ(result, kCancelError);
      EXPECT_EQ(std::memcmp(b, &before, sizeof before), 0);
    }
  }
  ExpectNoStepErrors();
}

// ---- The Fill/Stroke Options dialog ------------------------------------

TEST_F(SeriesDialogTest, SubDialogValuesLandInTheBlocksOptionsAtOnce) {
  ASSERT_NE(MadeBlock(false), nullptr);
  const FillStrokeOptions before = block()->fillStroke;
  const std::vector<Step> steps = {
      Click(kFillStrokeItem),
      Check(kFs.fill.check, true),
      Select(kFs.fill.list, kApproachTarget),
      Set(kRedItem, -255),
      Select(kFs.stroke.list, kSwapAround),
      Set(kFs.stroke.first + kGreyValue, 42.125),
      Check(kFs.weight.check, true),
      Set(kFs.weight.first, -50),
      Inspect([&](host::Dialog& d) {
        const FillStrokeOptions& o = Edited(d)->fillStroke;
        EXPECT_EQ(o.fillOn, 1);
        EXPECT_EQ(o.fillMode, kApproachTarget);
        EXPECT_EQ(o.fillRed, -255.0f);
        EXPECT_EQ(o.fillCyan, before.fillCyan);
        EXPECT_EQ(o.strokeOn, before.strokeOn);
        EXPECT_EQ(o.strokeMode, kSwapAround);
        EXPECT_EQ(o.strokeGrey, 42.125f);
        EXPECT_EQ(o.weightOn, 1);
        EXPECT_EQ(o.weightMode, before.weightMode);
        EXPECT_EQ(o.weight, -50.0f);
      }),
  };
  EXPECT_EQ(h_.getParameters(*plugin_, steps, true), kCancelError);
  ExpectNoStepErrors();
}

TEST_F(SeriesDialogTest, TheSubDialogReopensWithItsLastValuesAtItsOwnRememberedPlace) {
  ASSERT_NE(MadeBlock(false), nullptr);
  const IntRect moved{420, 310, 874, 750};
  const IntRect mainMoved{60, 50, 504, 282};
  const int32_t lastFillMode = kFillStrokeLists[kSeriesFillStroke.variant].fill.count - 1;
  IntRect mainPlace{}, firstPlace{};
  auto showsLastValues = Inspect([&](host::Dialog& d) {
    EXPECT_EQ(d.resourceId(), kSeriesFillStroke.resourceId);
    ExpectBounds(d.bounds(), moved);
    EXPECT_EQ(d.item(kCyanItem)->number().value(), 30);
    EXPECT_EQ(d.item(kFs.fill.list)->list()->selected()->id, lastFillMode);
    EXPECT_TRUE(d.item(kFs.stroke.check)->checked);
  });
  std::vector<Step> steps = {
      Inspect([&](host::Dialog& d) { mainPlace = d.bounds(); }),
      Click(kFillStrokeItem),
      Inspect([&](host::Dialog& d) { firstPlace = d.bounds(); }),
      Move(moved),
      Set(kCyanItem, 30),
      Select(kFs.fill.list, lastFillMode),
      Check(kFs.stroke.check, true),
      Inspect([&](host::Dialog& d) {
        ExpectBounds(Edited(d)->fillDialogBounds, moved);
        EXPECT_EQ(Edited(d)->fillBoundsSaved, 1);
      }),
      Ok(),
      Inspect([&](host::Dialog& d) { ExpectBounds(d.bounds(), mainPlace); }),
      Click(kFillStrokeItem),
      showsLastValues,
      Ok(),
      Move(mainMoved),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  EXPECT_FALSE(SameBounds(firstPlace, moved));

  // A new use: each dialog where it was last left, the main one as its OK
  // stored it.
  ASSERT_EQ(h_.getParameters(*plugin_, {Inspect([&](host::Dialog& d) {
                                           ExpectBounds(d.bounds(), mainMoved);
                                         }),
                                         Click(kFillStrokeItem), showsLastValues}),
            kNoError);
  ExpectNoStepErrors();
}

TEST_F(SeriesDialogTest, WithPreviewOnTickingFillRedrawsTheCopiesWithItsMode) {
  ASSERT_NE(MadeBlock(true), nullptr);
  auto cyans = [this] {
    std::vector<float> values;
    for (host::Art* copy : Copies()) values.push_back(copy->style.fill.data.four.cyan);
    return values;
  };
  int redraws = 0;
  const std::vector<Step> steps = {
      Click(kFillStrokeItem),
      Select(kFs.fill.list, kBasicGradient),
      Set(kCyanItem, 50),
      Inspect([&](host::Dialog&) {
        const std::vector<float> unchanged(kDefaultCopyCount, kSourceCyan);
        EXPECT_EQ(cyans(), unchanged);
        redraws = h_.session().redraws;
      }),
      Check(kFs.fill.check, true),
      Inspect([&](host::Dialog&) {
        std::vector<float> graded;
        for (int32_t k = 0; k < kDefaultCopyCount; ++k)
          graded.push_back(kSourceCyan + float(k + 1) * 0.5f);
        EXPECT_EQ(cyans(), graded);
        EXPECT_GT(h_.session().redraws, redraws);
      }),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
}

TEST_F(SeriesDialogTest, WithPreviewOffNothingIsDrawnUntilGo) {
  ASSERT_NE(MadeBlock(false), nullptr);
  const int redraws = h_.session().redraws;
  const std::vector<Step> steps = {
      Set(kCopyCountItem, 4),
      Click(kFillStrokeItem),
      Check(kFs.fill.check, true),
      Set(kCyanItem, 50),
      Inspect([&](host::Dialog&) {
        EXPECT_TRUE(Copies().empty());
        EXPECT_EQ(h_.session().redraws, redraws);
      }),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
  EXPECT_TRUE(Copies().empty());
  ASSERT_EQ(h_.go(*plugin_), kNoError);
  const std::vector<host::Art*> copies = Copies();
  ASSERT_EQ(copies.size(), 4u);
  EXPECT_EQ(copies.back()->style.fill.data.four.cyan, kSourceCyan + 4 * 0.5f);
  EXPECT_EQ(h_.session().redraws, redraws);
}

// A value typed in the sub-dialog, in the unit the dialog shows, becomes the
// run's increment: percent / 100, three-colour values / 255, points as
// typed. Each copy is made from the one before, so the increments add up.
struct IncrementCase {
  const char* name;
  FillStrokeGroupItems group;
  int32_t mode;
  int32_t valueItem;
  double typed;
  Colour fill;                        // the source's fill
  float (*read)(const host::Art&);    // what the case changes
  float start;                        // its value on the source
  float increment;                    // per copy
};

void PrintTo(const IncrementCase& c, std::ostream* os) { *os << c.name; }

Colour ThreeColour(float red) {
  Colour c{};
  c.kind = kThreeColour;
  c.data.three = {red, 0.0f, 0.0f};
  return c;
}

Colour FourColour(float cyan) {
  Colour c{};
  c.kind = kFourColour;
  c.data.four = {cyan, 0.0f, 0.0f, 0.0f};
  return c;
}

const IncrementCase kIncrementCases[] = {
    {"Red255AddsOne", kFs.fill, kBasicGradient, kRedItem, 255, ThreeColour(0.5f),
     [](const host::Art& a) { return a.style.fill.data.three.red; }, 0.5f, 1.0f},
    {"Cyan50AddsAHalf", kFs.fill, kBasicGradient, kCyanItem, 50, FourColour(kSourceCyan),
     [](const host::Art& a) { return a.style.fill.data.four.cyan; }, kSourceCyan, 0.5f},
    {"WeightMinus50ThinsBelowZero", kFs.weight, kBasicLineWeight, kFs.weight.first, -50,
     FourColour(kSourceCyan), [](const host::Art& a) { return a.style.strokeWidth; },
     kSourceWidth, -50.0f},
};

class SeriesIncrementTest : public SeriesDialogTest,
                            public ::testing::WithParamInterface<IncrementCase> {};

TEST_P(SeriesIncrementTest, EachCopyMovesByTheEnteredValueInRunUnits) {
  const IncrementCase& c = GetParam();
  ASSERT_NE(MadeBlock(false), nullptr);
  source_->style.fill = c.fill;
  const std::vector<Step> steps = {
      Click(kFillStrokeItem),
      Check(c.group.check, true),
      Select(c.group.list, c.mode),
      Set(c.valueItem, c.typed),
  };
  ASSERT_EQ(h_.apply(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
  const std::vector<host::Art*> copies = Copies();
  ASSERT_EQ(copies.size(), size_t(kDefaultCopyCount));
  for (size_t k = 0; k < copies.size(); ++k) {
    EXPECT_EQ(c.read(*copies[k]), c.start + float(k + 1) * c.increment) << "copy " << k;
  }
  EXPECT_EQ(c.read(*source_), c.start);
}

INSTANTIATE_TEST_SUITE_P(SubDialog, SeriesIncrementTest, ::testing::ValuesIn(kIncrementCases),
                         [](const ::testing::TestParamInfo<IncrementCase>& info) {
                           return std::string(info.param.name);
                         });

// ---- Cancel and Go -----------------------------------------------------

TEST_F(SeriesDialogTest, CancelAfterSubDialogChangesRestoresTheWholeBlockAndRemovesThePreview) {
  SeriesParameters* b = MadeBlock(true);
  ASSERT_NE(b, nullptr);
  const SeriesParameters before = *b;
  const PathStyle style = source_->style;
  const std::vector<Step> steps = {
      Set(kCopyCountItem, 5),
      Click(kFillStrokeItem),
      Move(IntRect{30, 40, 484, 480}),
      Check(kFs.fill.check, true),
      Set(kCyanItem, 50),
      Check(kFs.weight.check, true),
      Set(kFs.weight.first, -10),
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(Copies().size(), 5u);
        EXPECT_EQ(Edited(d)->fillStroke.fillOn, 1);
        EXPECT_EQ(Edited(d)->fillBoundsSaved, 1);
      }),
      Ok(),
  };
  EXPECT_EQ(h_.getParameters(*plugin_, steps, true), kCancelError);
  ExpectNoStepErrors();
  EXPECT_EQ(std::memcmp(b, &before, sizeof before), 0);
  EXPECT_TRUE(Copies().empty());
  EXPECT_EQ(std::memcmp(&source_->style, &style, sizeof style), 0);
}

TEST_F(SeriesDialogTest, GoKeepsExactlyTheAcceptedPreviewAndARepeatMakesTheCopiesAnew) {
  constexpr float kStep = 15.0f;
  const std::vector<Step> steps = {
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(Copies().size(), size_t(kDefaultCopyCount)) << "drawn as the dialog opened";
        EXPECT_EQ(Edited(d)->previewCurrent, 1);
      }),
      Set(kStepItem, kStep),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
  const std::vector<host::Art*> accepted = Copies();
  ASSERT_EQ(accepted.size(), size_t(kDefaultCopyCount));
  for (size_t k = 0; k < accepted.size(); ++k) {
    EXPECT_EQ(accepted[k]->segments[0].p.h, kLeft + float(k + 1) * kStep) << "copy " << k;
    EXPECT_FALSE(accepted[k]->selected) << "copy " << k;
  }
  const int redraws = h_.session().redraws;

  ASSERT_EQ(h_.go(*plugin_), kNoError);
  EXPECT_EQ(Copies(), accepted);
  EXPECT_EQ(h_.session().redraws, redraws);
  EXPECT_EQ(block()->previewCurrent, 0);

  ASSERT_EQ(h_.repeat(*plugin_), kNoError);
  const std::vector<host::Art*> all = Copies();
  ASSERT_EQ(all.size(), 2 * accepted.size());
  for (size_t k = 0; k < accepted.size(); ++k) {
    EXPECT_EQ(all[k], accepted[k]);
    EXPECT_EQ(all[accepted.size() + k]->segments[0].p.h, accepted[k]->segments[0].p.h);
  }
}

}  // namespace
}  // namespace corvane::testing
