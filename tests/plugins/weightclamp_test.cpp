// Weightclamp through PluginMain: the clamp, the dialog's fields and the
// kept block, and the failures the filter passes over or reports.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "plugins/weightclamp/weightclamp.h"
#include "support/harness.h"

namespace corvane::testing {
namespace {

class WeightclampTest : public ::testing::Test {
 protected:
  host::Art* pathWithWidth(float width) {
    host::Art* art = h.addPath({{0, 0}, {10, 0}, {10, 10}});
    art->style.strokePaint = 1;
    art->style.strokeWidth = width;
    return art;
  }
  WeightclampParameters* block() { return h.block<WeightclampParameters>(plugin); }

  Harness h;
  host::LoadedPlugin& plugin = h.load("weightclamp");
};

struct ClampCase {
  const char* name;
  double minimum, maximum;  // typed into the dialog
  float before, after;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.name; }

class WeightclampClampTest : public WeightclampTest,
                             public ::testing::WithParamInterface<ClampCase> {};

TEST_P(WeightclampClampTest, HoldsTheStrokeWidthInTheRange) {
  const ClampCase& c = GetParam();
  host::Art* art = pathWithWidth(c.before);
  ASSERT_EQ(h.apply(plugin, {Set(kMinimumItem, c.minimum), Set(kMaximumItem, c.maximum)}), kNoError);
  EXPECT_FLOAT_EQ(art->style.strokeWidth, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeightclampClampTest,
    ::testing::Values(ClampCase{"DefaultsLowerAWideStroke", 0, 50, 60, 50},
                      ClampCase{"DefaultsKeepAThinStroke", 0, 50, 0.25f, 0.25f},
                      ClampCase{"ReversedRangeRaisesToTheSmaller", 10, 2, 1, 2},
                      ClampCase{"ReversedRangeLowersToTheLarger", 10, 2, 12, 10},
                      ClampCase{"ReversedRangeKeepsAWidthInside", 10, 2, 5, 5},
                      ClampCase{"EqualBoundsRaise", 3, 3, 1, 3},
                      ClampCase{"EqualBoundsLower", 3, 3, 7, 3},
                      ClampCase{"WidthOnTheUpperBound", 2, 10, 10, 10},
                      ClampCase{"WidthOnTheLowerBound", 2, 10, 2, 2},
                      ClampCase{"UnpaintedZeroWidthRaised", 1, 5, 0, 1}),
    [](const ::testing::TestParamInfo<ClampCase>& info) { return info.param.name; });

TEST_F(WeightclampTest, FirstUseShowsTheDefaults) {
  float shownMin = -1, shownMax = -1;
  ASSERT_EQ(h.getParameters(plugin, {Inspect([&](host::Dialog& d) {
                                       shownMin = d.item(kMinimumItem)->number().asReal();
                                       shownMax = d.item(kMaximumItem)->number().asReal();
                                     })}),
            kNoError);
  EXPECT_EQ(shownMin, 0.0f);
  EXPECT_EQ(shownMax, 50.0f);
  EXPECT_EQ(block()->minimumWidth, 0.0f);
  EXPECT_EQ(block()->maximumWidth, 50.0f);
}

TEST_F(WeightclampTest, KeepsTheValuesAsTypedAndShowsThemNextTime) {
  pathWithWidth(1);
  ASSERT_EQ(h.apply(plugin, {Set(kMinimumItem, 10), Set(kMaximumItem, 2)}), kNoError);
  // Not ordered when stored: the run orders them for itself.
  EXPECT_EQ(block()->minimumWidth, 10.0f);
  EXPECT_EQ(block()->maximumWidth, 2.0f);

  float shownMin = 0, shownMax = 0;
  ASSERT_EQ(h.getParameters(plugin, {Inspect([&](host::Dialog& d) {
                                       shownMin = d.item(kMinimumItem)->number().asReal();
                                       shownMax = d.item(kMaximumItem)->number().asReal();
                                     })}),
            kNoError);
  EXPECT_EQ(shownMin, 10.0f);
  EXPECT_EQ(shownMax, 2.0f);
}

// Both fields hold what is typed to 0 to 10000 and to five decimals.
TEST_F(WeightclampTest, TypedValuesAreHeldToTheFieldRangeAndPrecision) {
  struct Typed {
    double minimum, maximum;
    float keptMinimum, keptMaximum;
  };
  for (const Typed& t : {Typed{-5, 20000, 0, 10000}, Typed{1.234567, 9.876543, 1.23457f, 9.87654f}}) {
    ASSERT_EQ(h.getParameters(plugin, {Set(kMinimumItem, t.minimum), Set(kMaximumItem, t.maximum)}),
              kNoError);
    EXPECT_FLOAT_EQ(block()->minimumWidth, t.keptMinimum) << t.minimum;
    EXPECT_FLOAT_EQ(block()->maximumWidth, t.keptMaximum) << t.maximum;
  }
}

// The dialog the host builds from the deliverable's resource 16000.
TEST_F(WeightclampTest, DialogCarriesItsTitleSizeItemsAndLabels) {
  host::DialogTemplate shown;
  ASSERT_EQ(h.getParameters(plugin, {Inspect([&](host::Dialog& d) { shown = d.tmpl(); })}),
            kNoError);
  EXPECT_EQ(shown.title, "Corvane Weightclamp Plugin");
  EXPECT_EQ(shown.place.cx, 219);
  EXPECT_EQ(shown.place.cy, 102);
  struct Control {
    int32_t id;
    host::ControlClass cls;
    const char* text;
  };
  for (const Control& e : {Control{kMinimumItem, host::ControlClass::Edit, ""},
                           Control{kMaximumItem, host::ControlClass::Edit, ""},
                           Control{kOKItem, host::ControlClass::Button, "&OK"},
                           Control{kCancelItem, host::ControlClass::Button, "&Cancel"}}) {
    const host::DialogControl* control = shown.control(e.id);
    ASSERT_NE(control, nullptr) << e.id;
    EXPECT_EQ(control->cls, e.cls) << e.id;
    EXPECT_EQ(control->text, e.text) << e.id;
  }
  std::multiset<std::string> labels;
  for (const host::DialogControl& control : shown.controls) {
    if (control.cls == host::ControlClass::Static) labels.insert(control.text);
  }
  for (const char* label : {"Line Width (pts)", "Min", "Max"}) {
    EXPECT_EQ(labels.count(label), 1u) << label;
  }
}

TEST_F(WeightclampTest, CancelKeepsTheOldValues) {
  ASSERT_EQ(h.getParameters(plugin, {Set(kMinimumItem, 4), Set(kMaximumItem, 8)}), kNoError);
  EXPECT_EQ(h.getParameters(plugin, {Set(kMinimumItem, 1), Set(kMaximumItem, 2)}, true),
            kCancelError);
  EXPECT_EQ(block()->minimumWidth, 4.0f);
  EXPECT_EQ(block()->maximumWidth, 8.0f);
}

TEST_F(WeightclampTest, ChangesNothingButTheWidth) {
  host::Art* art = pathWithWidth(80);
  art->style.fillPaint = 1;
  art->style.fill.kind = kFourColour;
  art->style.fill.data.four = {0.1f, 0.2f, 0.3f, 0.4f};
  art->style.stroke.kind = kThreeColour;
  art->style.stroke.data.three = {0.5f, 0.6f, 0.7f};
  art->style.dashCount = 2;
  art->style.dashes[0] = 3;
  art->style.dashes[1] = 1;
  art->style.join = 1;
  PathStyle expected = art->style;
  expected.strokeWidth = 50;
  ASSERT_EQ(h.apply(plugin), kNoError);
  EXPECT_EQ(std::memcmp(&art->style, &expected, sizeof expected), 0);
}

TEST_F(WeightclampTest, ClampsSelectedMembersOfACompoundPath) {
  host::Art* compound = h.doc().createArt(host::ArtType::Compound);
  host::Layer* layer = h.doc().currentLayer();
  for (float width : {70.0f, 90.0f}) {
    host::Art* member = h.doc().createArt(host::ArtType::Path);
    member->segments = {PathSegment{{0, 0}, {0, 0}, {0, 0}, 1}};
    member->style.strokeWidth = width;
    member->selected = true;
    member->parent = compound;
    member->layer = layer;
    compound->members.push_back(member);
  }
  compound->selected = true;
  compound->layer = layer;
  layer->art.push_back(compound);
  ASSERT_EQ(h.apply(plugin), kNoError);
  EXPECT_EQ(compound->members[0]->style.strokeWidth, 50.0f);
  EXPECT_EQ(compound->members[1]->style.strokeWidth, 50.0f);
}

TEST_F(WeightclampTest, NothingSelectedIsReported) {
  host::Art* art = pathWithWidth(60);
  art->selected = false;
  EXPECT_EQ(h.apply(plugin), kNoSelectionError);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);
  // The deliverable carries no error dialog: the host shows nothing.
  EXPECT_TRUE(h.shownErrors().empty());
}

TEST_F(WeightclampTest, PassesOverStylesItCannotReadOrWrite) {
  host::Art* art = pathWithWidth(60);
  h.session().failures.failOperation("GetPathStyle", kBadParameterError);
  EXPECT_EQ(h.apply(plugin), kNoError);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);

  h.session().failures.clear();
  h.session().failures.failOperation("SetPathStyle", kLockedLayerError);
  EXPECT_EQ(h.repeat(plugin), kNoError);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);
}

TEST_F(WeightclampTest, ReturnsTheErrorOfTheSelectionQuery) {
  host::Art* art = pathWithWidth(60);
  h.session().failures.failOperation("GetMatchingArt", kOutOfMemoryError);
  EXPECT_EQ(h.apply(plugin), kOutOfMemoryError);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);
}

TEST_F(WeightclampTest, ALockedLayerLeavesTheWidthAndTheRunSucceeds) {
  host::Art* art = pathWithWidth(60);
  h.doc().currentLayer()->locked = true;
  EXPECT_EQ(h.apply(plugin), kNoError);
  EXPECT_EQ(art->style.strokeWidth, 60.0f);
}

}  // namespace
}  // namespace corvane::testing
