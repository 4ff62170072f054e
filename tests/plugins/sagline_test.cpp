// Sagline through PluginMain: anchors moved by points or by a share of their
// coordinate in the order down, up, left, right; repeats with duplicates;
// compound paths; runaway percentages; the dialog's preview and Cancel, and
// the kept block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plugins/sagline/sagline.h"
#include "support/harness.h"

namespace corvane::testing {
namespace {

// Controls off the anchors and corner flags, so that untouched controls and
// flags show.
void Curve(host::Art* art) {
  for (PathSegment& s : art->segments) {
    s.in = {s.p.h + 5, s.p.v + 7};
    s.out = {s.p.h - 3, s.p.v - 2};
    s.corner = 1;
  }
}

void ExpectAnchors(const host::Art& art, const std::vector<RealPoint>& expected) {
  ASSERT_EQ(art.segments.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("anchor " + std::to_string(i));
    EXPECT_NEAR(art.segments[i].p.h, expected[i].h, 1e-3);
    EXPECT_NEAR(art.segments[i].p.v, expected[i].v, 1e-3);
  }
}

const std::vector<RealPoint> kPath = {{200, 100}, {-40, -50}, {300, 0}};

struct MoveCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<RealPoint> expected;
};

// Each case works on a fresh document with a fresh parameter block.
TEST(SaglineMoves, AnchorsMoveAsTheSettingsSayAndControlsStay) {
  const std::vector<MoveCase> cases = {
      {"defaults: one point down", {}, {{200, 99}, {-40, -51}, {300, -1}}},
      {"percentage 10 up follows the sign of the coordinate",
       {Set(kPercentageItem, 10), Check(kMoveUpItem, true), Check(kMoveDownItem, false)},
       {{200, 110}, {-40, -55}, {300, 0}}},
      {"up and down in points mode cancel", {Check(kMoveUpItem, true)}, kPath},
      {"percentage moves down first, then up on the moved coordinate",
       {Set(kPercentageItem, 10), Check(kMoveUpItem, true)},
       {{200, 99}, {-40, -49.5f}, {300, 0}}},
      {"percentage moves left first, then right",
       {Set(kPercentageItem, 10), Check(kMoveDownItem, false), Check(kMoveLeftItem, true),
        Check(kMoveRightItem, true)},
       {{198, 100}, {-39.6f, -50}, {297, 0}}},
      {"percentage 0 uses the points value",
       {Set(kByPointsItem, 4), Check(kMoveRightItem, true)},
       {{204, 96}, {-36, -54}, {304, -4}}},
      {"any other percentage ignores the points value",
       {Set(kByPointsItem, 4), Set(kPercentageItem, -20)},
       {{200, 120}, {-40, -60}, {300, 0}}},
      {"repeats move the anchors again each time",
       {Set(kSagRepeatsItem, 3), Set(kByPointsItem, 2), Check(kMoveLeftItem, true)},
       {{194, 94}, {-46, -56}, {294, -6}}},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    host::LoadedPlugin& plugin = h.load("sagline");
    host::Art* art = h.addPath(kPath);
    Curve(art);
    const std::vector<PathSegment> before = art->segments;
    ASSERT_EQ(h.apply(plugin, c.steps), kNoError);
    ExpectAnchors(*art, c.expected);
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(art->segments[i].in.h, before[i].in.h);
      EXPECT_EQ(art->segments[i].in.v, before[i].in.v);
      EXPECT_EQ(art->segments[i].out.h, before[i].out.h);
      EXPECT_EQ(art->segments[i].out.v, before[i].out.v);
      EXPECT_EQ(art->segments[i].corner, 1);
    }
    EXPECT_EQ(h.paths().size(), 1u);
  }
}

class SaglineTest : public ::testing::Test {
 protected:
  void SetUp() override { plugin_ = &h_.load("sagline"); }
  SaglineParameters* block() { return h_.block<SaglineParameters>(*plugin_); }

  Harness h_;
  host::LoadedPlugin* plugin_ = nullptr;
};

TEST_F(SaglineTest, RepeatsWithDuplicateLeaveOneCopyPerStep) {
  host::Art* art = h_.addPath(kPath);
  ASSERT_EQ(h_.apply(*plugin_, {Set(kSagRepeatsItem, 5), Check(kSagDuplicateItem, true),
                                Check(kNewLayerItem, true)}),
            kNoError);
  std::vector<host::Art*> paths = h_.paths();
  ASSERT_EQ(paths.size(), 6u);
  std::vector<RealPoint> lower = kPath;
  for (RealPoint& p : lower) p.v -= 5;
  ExpectAnchors(*art, lower);
  int copies = 0;
  for (int step = 1; step <= 5; ++step) {
    SCOPED_TRACE("copy after step " + std::to_string(step));
    std::vector<RealPoint> expected = kPath;
    for (RealPoint& p : expected) p.v -= float(step);
    for (host::Art* path : paths) {
      if (path == art || path->segments.size() != expected.size()) continue;
      if (std::abs(path->segments[0].p.v - expected[0].v) > 1e-3f) continue;
      ExpectAnchors(*path, expected);
      ++copies;
    }
  }
  EXPECT_EQ(copies, 5);
  int saglineLayers = 0;
  for (const host::Layer* layer : h_.doc().layers) saglineLayers += layer->title == " Sagline   ";
  EXPECT_EQ(saglineLayers, 5);
}

TEST_F(SaglineTest, CompoundMembersAreMovedAndDuplicatedOnceEach) {
  host::Document& doc = h_.doc();
  host::Art* compound = doc.createArt(host::ArtType::Compound);
  const std::vector<std::vector<RealPoint>> shapes = {{{0, 10}, {10, 10}, {10, 20}},
                                                      {{50, 60}, {70, 60}, {70, 80}}};
  for (const auto& shape : shapes) {
    host::Art* member = doc.createArt(host::ArtType::Path);
    for (RealPoint p : shape) member->segments.push_back({p, p, p, 1});
    member->closed = true;
    member->style = host::DefaultArtStyle();
    member->selected = true;  // also in the selection on its own
    compound->members.push_back(member);
  }
  compound->selected = true;
  doc.currentLayer()->art.push_back(compound);
  doc.relink();

  ASSERT_EQ(h_.apply(*plugin_, {Set(kByPointsItem, 3), Check(kSagDuplicateItem, true)}),
            kNoError);
  // Each member leaves its own copy, on top, in member order.
  std::vector<host::Art*> paths = h_.paths();
  ASSERT_EQ(paths.size(), 4u);
  for (size_t m = 0; m < shapes.size(); ++m) {
    SCOPED_TRACE("member " + std::to_string(m));
    std::vector<RealPoint> expected = shapes[m];
    for (RealPoint& p : expected) p.v -= 3;
    ExpectAnchors(*compound->members[m], expected);
    ExpectAnchors(*paths[2 + m], expected);
  }
}

// Doubling the coordinates two hundred times overflows any real.
TEST_F(SaglineTest, RunawayPercentageEndsWithAnErrorAndLeavesOnlyFiniteCoordinates) {
  h_.addPath(kPath);
  EXPECT_EQ(h_.apply(*plugin_, {Set(kPercentageItem, 100), Check(kMoveUpItem, true),
                                Check(kMoveDownItem, false), Set(kSagRepeatsItem, 200)}),
            kBadParameterError);
  for (const host::Art* path : h_.paths()) {
    for (const PathSegment& s : path->segments) {
      EXPECT_TRUE(std::isfinite(s.p.v)) << s.p.v;
    }
  }
}

TEST_F(SaglineTest, NoSelectionGivesNoSelectionError) {
  h_.addPath(kPath, true, false);
  EXPECT_EQ(h_.apply(*plugin_), kNoSelectionError);
  ExpectAnchors(*h_.paths()[0], kPath);
}

TEST_F(SaglineTest, PreviewShowsAtOpenAndCancelLeavesDocumentAndBlockAsBefore) {
  host::Art* art = h_.addPath(kPath);
  bool previewAtOpen = false;
  bool previewFollowed = false;
  HostError result = h_.getParameters(
      *plugin_,
      {Inspect([&](host::Dialog&) { previewAtOpen = art->segments[0].p.v == 99.0f; }),
       Set(kByPointsItem, 10), Check(kSagDuplicateItem, true),
       Inspect([&](host::Dialog&) {
         previewFollowed = art->segments[0].p.v == 90.0f && h_.paths().size() == 2;
       })},
      true);
  EXPECT_EQ(result, kCancelError);
  EXPECT_TRUE(previewAtOpen);
  EXPECT_TRUE(previewFollowed);
  EXPECT_EQ(h_.paths().size(), 1u);
  ExpectAnchors(*art, kPath);
  EXPECT_FLOAT_EQ(block()->byPoints, 1.0f);
  EXPECT_EQ(block()->sagDuplicate, 0);
}

TEST_F(SaglineTest, KeptBlockHoldsAndShowsTheValuesChosenLastTime) {
  h_.addPath(kPath);
  ASSERT_EQ(h_.apply(*plugin_, {Set(kByPointsItem, 2.5), Set(kSagRepeatsItem, 17),
                                Check(kMoveLeftItem, true), Check(kSaglinePreviewItem, false)}),
            kNoError);
  SaglineParameters* kept = block();
  EXPECT_FLOAT_EQ(kept->byPoints, 2.5f);
  EXPECT_EQ(kept->sagRepeats, 17);
  EXPECT_EQ(kept->moveLeft, 1);
  EXPECT_EQ(kept->moveDown, 1);
  EXPECT_EQ(kept->previewOn, 0);

  ASSERT_EQ(h_.getParameters(*plugin_, {Inspect([](host::Dialog& d) {
                               EXPECT_DOUBLE_EQ(d.item(kByPointsItem)->number().value(), 2.5);
                               EXPECT_EQ(d.item(kSagRepeatsItem)->number().asInt(), 17);
                               EXPECT_TRUE(d.item(kMoveLeftItem)->checked);
                               EXPECT_FALSE(d.item(kMoveUpItem)->checked);
                               EXPECT_FALSE(d.item(kSaglinePreviewItem)->checked);
                             })}),
            kNoError);
  EXPECT_FLOAT_EQ(block()->byPoints, 2.5f);
  EXPECT_EQ(block()->sagRepeats, 17);
}

}  // namespace
}  // namespace corvane::testing
