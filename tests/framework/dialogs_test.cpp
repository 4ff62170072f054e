// The dialog toolkit's preview cycle end to end, through PluginMain and the
// scripted dialog, with Tintshake as the vehicle: it previews and keeps
// previewCurrent. One path with a four-colour fill; its stroke is of a kind
// no channel changes, so every run spends exactly four draws on the fill.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "plugins/tintshake/tintshake.h"
#include "support/harness.h"

namespace corvane::testing {
namespace {

constexpr float V(float percent) { return percent / 100.0f; }

struct Cmyk {
  float c, m, y, k;
  bool operator==(const Cmyk& o) const { return c == o.c && m == o.m && y == o.y && k == o.k; }
  bool operator!=(const Cmyk& o) const { return !(*this == o); }
};

std::ostream& operator<<(std::ostream& out, const Cmyk& x) {
  return out << "(" << x.c << ", " << x.m << ", " << x.y << ", " << x.k << ")";
}

const Cmyk kOriginal{0.2f, 0.4f, 0.6f, 0.8f};

// One run of mode 0: each component plus a draw times its entered value.
Cmyk Shaken(const Cmyk& x, const Cmyk& entered, const float draws[4]) {
  return {x.c + draws[0] * V(entered.c), x.m + draws[1] * V(entered.m),
          x.y + draws[2] * V(entered.y), x.k + draws[3] * V(entered.k)};
}

// The block an open dialog edits (on the first use the host learns of the
// block only when Get Parameters returns).
TintshakeParameters* Edited(host::Dialog& d) {
  return static_cast<TintshakeParameters*>(*static_cast<MemHandle>(d.userData()));
}

Cmyk ShakenBy(const Cmyk& x, const Cmyk& entered, float draw) {
  const float draws[4] = {draw, draw, draw, draw};
  return Shaken(x, entered, draws);
}

class PreviewCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plugin_ = &h_.load("tintshake");
    art_ = h_.addPath({{100, 100}, {200, 100}, {200, 200}, {100, 200}});
    art_->style.fill.kind = kFourColour;
    art_->style.fill.data.four = {kOriginal.c, kOriginal.m, kOriginal.y, kOriginal.k};
    art_->style.stroke.kind = kPatternColour;
  }

  Cmyk Fill() const {
    const auto& f = art_->style.fill.data.four;
    return {f.cyan, f.magenta, f.yellow, f.black};
  }

  TintshakeParameters* block() { return h_.block<TintshakeParameters>(*plugin_); }

  size_t Drawn() {
    auto* scripted = dynamic_cast<host::ScriptedRandom*>(h_.session().random);
    EXPECT_NE(scripted, nullptr);
    return scripted ? scripted->drawn() : 0;
  }

  void ExpectNoStepErrors() {
    for (const std::string& e : h_.stepErrors()) ADD_FAILURE() << e;
  }

  Harness h_;
  host::LoadedPlugin* plugin_ = nullptr;
  host::Art* art_ = nullptr;
};

TEST_F(PreviewCycleTest, ThreeQuickChangesLeaveExactlyOnePreview) {
  ASSERT_TRUE(h_.scriptRandom({0.5f}));
  const Cmyk once = ShakenBy(kOriginal, {20, 40, 60, 10}, 0.5f);
  const std::vector<Step> steps = {
      Set(PairEditItem(0), 20), Set(PairEditItem(1), 40), Set(PairEditItem(2), 60),
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(Fill(), once);
        EXPECT_EQ(Edited(d)->previewCurrent, 1);
      }),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
  EXPECT_GT(h_.session().redraws, 0);
  EXPECT_EQ(Fill(), once);
}

TEST_F(PreviewCycleTest, CancelWithPreviewOnLeavesDocumentAndBlockAsBefore) {
  ASSERT_EQ(h_.apply(*plugin_, {Set(PairEditItem(0), 30), Select(kModeListItem, 6)}), kNoError);
  const Cmyk document = Fill();
  const TintshakeParameters kept = *block();

  const std::vector<Step> steps = {
      Set(PairEditItem(0), 80), Select(kModeListItem, 11), Click(kRandomiseItem),
      Select(kChannelListItem, kChannelRgbStroke), Set(PairEditItem(1), -200),
      Inspect([&](host::Dialog&) { EXPECT_NE(Fill(), document); }),
  };
  EXPECT_EQ(h_.getParameters(*plugin_, steps, true), kCancelError);
  ExpectNoStepErrors();
  EXPECT_EQ(Fill(), document);
  EXPECT_EQ(std::memcmp(block(), &kept, sizeof kept), 0);
}

// The block kept before the dialog holds previewCurrent = 1 (an accepted
// preview not yet taken by Go). Cancel gives back every value of before but
// that flag, whose preview the dialog's runs have replaced, and it does so
// even when UndoChanges fails, whose error is then the result.
TEST_F(PreviewCycleTest, CancelRestoresTheBlockAndClearsPreviewCurrentEvenWhenUndoFails) {
  ASSERT_TRUE(h_.scriptRandom({0.5f}));
  for (bool undoFails : {false, true}) {
    SCOPED_TRACE(undoFails ? "UndoChanges fails" : "UndoChanges succeeds");
    ASSERT_EQ(h_.getParameters(*plugin_, {Set(PairEditItem(0), undoFails ? 30 : 50)}), kNoError);
    TintshakeParameters expected = *block();
    ASSERT_EQ(expected.previewCurrent, 1);
    expected.previewCurrent = 0;
    const Cmyk document = Fill();

    const std::vector<Step> steps = {
        Inspect([&](host::Dialog&) {
          if (undoFails) h_.session().failures.failOperation("UndoChanges", kLockedLayerError);
        }),
        Set(PairEditItem(1), 70), Select(kModeListItem, 9), Check(kActiveItem, false),
    };
    EXPECT_EQ(h_.getParameters(*plugin_, steps, true), undoFails ? kLockedLayerError : kCancelError);
    h_.session().failures.clear();
    ExpectNoStepErrors();
    EXPECT_EQ(std::memcmp(block(), &expected, sizeof expected), 0);
    // A failed UndoChanges leaves the preview drawn as the dialog opened.
    if (!undoFails) {
      EXPECT_EQ(Fill(), document);
    }
  }
}

TEST_F(PreviewCycleTest, GoAfterOkKeepsTheAcceptedPreviewAndARepeatShakesAgain) {
  const std::vector<float> cycle = {0.5f, 0.25f, 0.75f, 0.125f, 0.375f};
  ASSERT_TRUE(h_.scriptRandom(cycle));
  ASSERT_EQ(h_.getParameters(*plugin_, {Set(PairEditItem(0), 50)}), kNoError);
  ExpectNoStepErrors();
  const Cmyk accepted = Fill();
  const size_t drawn = Drawn();
  const int redraws = h_.session().redraws;
  ASSERT_EQ(drawn, 8u);  // the preview as the dialog opened, then the change

  ASSERT_EQ(h_.go(*plugin_), kNoError);
  EXPECT_EQ(Fill(), accepted);
  EXPECT_EQ(Drawn(), drawn);
  EXPECT_EQ(h_.session().redraws, redraws);
  EXPECT_EQ(block()->previewCurrent, 0);

  ASSERT_EQ(h_.repeat(*plugin_), kNoError);
  float next[4];
  for (size_t i = 0; i < 4; ++i) next[i] = cycle[(drawn + i) % cycle.size()];
  EXPECT_EQ(Fill(), Shaken(accepted, {50, 10, 10, 10}, next));
  EXPECT_EQ(Drawn(), drawn + 4);
}

TEST_F(PreviewCycleTest, PreviewTurnedOffThenOkIsUndoneAndRedoneByGo) {
  ASSERT_TRUE(h_.scriptRandom({0.5f}));
  const std::vector<Step> steps = {
      Set(PairEditItem(0), 50),
      Check(kPreviewItem, false),
      Set(PairEditItem(1), 70),  // stored, not previewed
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(Fill(), ShakenBy(kOriginal, {50, 10, 10, 10}, 0.5f));
        EXPECT_EQ(Edited(d)->previewCurrent, 0);
      }),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
  ASSERT_EQ(h_.go(*plugin_), kNoError);
  EXPECT_EQ(Fill(), ShakenBy(kOriginal, {50, 70, 10, 10}, 0.5f));
}

TEST_F(PreviewCycleTest, RandomiseRedrawsWithFreshDrawsOnlyWhilePreviewIsOn) {
  const std::vector<float> cycle = {0.5f, 0.25f, 0.75f, 0.125f, 0.375f};
  ASSERT_TRUE(h_.scriptRandom(cycle));
  const float second[4] = {cycle[4], cycle[0], cycle[1], cycle[2]};
  const Cmyk randomised = Shaken(kOriginal, {10, 10, 10, 10}, second);
  const std::vector<Step> steps = {
      Click(kRandomiseItem),
      Inspect([&](host::Dialog&) { EXPECT_EQ(Fill(), randomised); }),
      Check(kPreviewItem, false),
      Click(kRandomiseItem),
      Inspect([&](host::Dialog&) {
        EXPECT_EQ(Fill(), randomised);
        EXPECT_EQ(Drawn(), 8u);
      }),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  ExpectNoStepErrors();
}

TEST_F(PreviewCycleTest, ResetThenCancelKeepsTheValuesOfBefore) {
  ASSERT_EQ(h_.apply(*plugin_, {Select(kModeListItem, 9), Set(PairEditItem(3), 45),
                                Select(kChannelListItem, kChannelGreyStroke),
                                Check(kActiveItem, false)}),
            kNoError);
  const Cmyk document = Fill();
  const TintshakeParameters kept = *block();
  EXPECT_EQ(h_.getParameters(*plugin_,
                             {Click(kResetItem),
                              Inspect([](host::Dialog& d) { EXPECT_EQ(Edited(d)->channelMode[0], 0); })},
                             true),
            kCancelError);
  ExpectNoStepErrors();
  EXPECT_EQ(std::memcmp(block(), &kept, sizeof kept), 0);
  EXPECT_EQ(Fill(), document);
}

TEST_F(PreviewCycleTest, AMovedDialogReopensWhereItWasLastConfirmed) {
  const IntRect confirmed{300, 200, 674, 438};
  const IntRect cancelled{20, 30, 394, 268};
  IntRect first{};
  ASSERT_EQ(h_.getParameters(*plugin_, {Inspect([&](host::Dialog& d) { first = d.bounds(); }),
                                        Move(confirmed)}),
            kNoError);
  ASSERT_NE(first.left, confirmed.left);
  auto expectAt = [](const IntRect& where) {
    return Inspect([where](host::Dialog& d) {
      EXPECT_EQ(d.bounds().left, where.left);
      EXPECT_EQ(d.bounds().top, where.top);
      EXPECT_EQ(d.bounds().right, where.right);
      EXPECT_EQ(d.bounds().bottom, where.bottom);
    });
  };
  EXPECT_EQ(h_.getParameters(*plugin_, {expectAt(confirmed), Move(cancelled)}, true), kCancelError);
  EXPECT_EQ(h_.getParameters(*plugin_, {expectAt(confirmed)}), kNoError);
  ExpectNoStepErrors();
}

// A preview that fails must not pass for the result: Go then does the work
// itself, or reports the failure. The parameter says whether the failure
// lasts into Go.
class FailedPreviewTest : public PreviewCycleTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FailedPreviewTest, IsNeverKeptByGo) {
  const bool failureLasts = GetParam();
  ASSERT_TRUE(h_.scriptRandom({0.5f}));
  const std::vector<Step> steps = {
      Inspect([&](host::Dialog&) {
        h_.session().failures.failOperation("GetSegmentCount", kLockedLayerError);
      }),
      Set(PairEditItem(0), 50),
      Inspect([&](host::Dialog& d) {
        EXPECT_EQ(Edited(d)->previewCurrent, 0);
        if (!failureLasts) h_.session().failures.clear();
      }),
  };
  ASSERT_EQ(h_.getParameters(*plugin_, steps), kNoError);
  if (failureLasts) {
    EXPECT_EQ(h_.go(*plugin_), kLockedLayerError);
    EXPECT_EQ(Fill(), kOriginal);
    ASSERT_EQ(h_.shownErrors().size(), 1u);
    EXPECT_EQ(h_.shownErrors()[0].first,
              "The filter cannot complete because a layer is locked or invisible.");
    EXPECT_EQ(h_.shownErrors()[0].second, "SEGM");
    h_.session().failures.clear();
  } else {
    EXPECT_EQ(h_.go(*plugin_), kNoError);
    EXPECT_EQ(Fill(), ShakenBy(kOriginal, {50, 10, 10, 10}, 0.5f));
  }
}

INSTANTIATE_TEST_SUITE_P(Failure, FailedPreviewTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "LastsIntoGo" : "OverBeforeGo");
                         });

}  // namespace
}  // namespace corvane::testing
