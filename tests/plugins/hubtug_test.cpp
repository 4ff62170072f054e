// Hubtug through PluginMain: anchors pulled towards (or pushed from) the
// centres, repeats with turns and duplicates, random fill colours, compound
// paths, runaway pushes, the dialog's preview and Cancel, and the kept block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "plugins/hubtug/hubtug.h"
#include "support/colours.h"
#include "support/harness.h"

namespace corvane::testing {
namespace {

struct Pt {
  double h, v;
};

const Pt kCentre1{200, 200};

double Distance(Pt a, Pt b) { return std::hypot(a.h - b.h, a.v - b.v); }

// One pull of p towards c by the fraction t.
Pt Towards(Pt p, Pt c, double t) { return {p.h + t * (c.h - p.h), p.v + t * (c.v - p.v)}; }

// The anchors after one pass of centre 1 with "Drag": each moves f times its
// distance over the largest distance of any anchor in `all`.
std::vector<Pt> DragPull(const std::vector<Pt>& points, const std::vector<Pt>& all, double f) {
  double max = 0;
  for (Pt p : all) max = std::max(max, Distance(p, kCentre1));
  std::vector<Pt> out;
  for (Pt p : points) out.push_back(Towards(p, kCentre1, f * Distance(p, kCentre1) / max));
  return out;
}

std::vector<Pt> RotatedAbout(const std::vector<Pt>& points, double degrees, Pt c) {
  double a = degrees * M_PI / 180.0;
  std::vector<Pt> out;
  for (Pt p : points) {
    double x = p.h - c.h, y = p.v - c.v;
    out.push_back({c.h + x * std::cos(a) - y * std::sin(a), c.v + x * std::sin(a) + y * std::cos(a)});
  }
  return out;
}

// Turned about the middle of the points' bounds (the art's own centre: the
// paths here have their controls on their anchors).
std::vector<Pt> Rotated(const std::vector<Pt>& points, double degrees) {
  double left = points[0].h, right = left, bottom = points[0].v, top = bottom;
  for (Pt p : points) {
    left = std::min(left, p.h);
    right = std::max(right, p.h);
    bottom = std::min(bottom, p.v);
    top = std::max(top, p.v);
  }
  return RotatedAbout(points, degrees, {(left + right) / 2, (bottom + top) / 2});
}

std::vector<RealPoint> Points(const std::vector<Pt>& points) {
  std::vector<RealPoint> out;
  for (Pt p : points) out.push_back({float(p.h), float(p.v)});
  return out;
}

void ExpectAnchors(const host::Art& art, const std::vector<Pt>& expected, double tolerance) {
  ASSERT_EQ(art.segments.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("anchor " + std::to_string(i));
    EXPECT_NEAR(art.segments[i].p.h, expected[i].h, tolerance);
    EXPECT_NEAR(art.segments[i].p.v, expected[i].v, tolerance);
  }
}

// An asymmetric triangle with anchors 100, 50 and 50 points from centre 1.
const std::vector<Pt> kTriangle = {{300, 200}, {200, 250}, {160, 170}};

class HubtugTest : public ::testing::Test {
 protected:
  void SetUp() override { plugin_ = &h_.load("hubtug"); }

  HubtugParameters* block() { return h_.block<HubtugParameters>(*plugin_); }

  // Gives every segment control points off its anchor and a corner flag.
  static void Curve(host::Art* art) {
    for (PathSegment& s : art->segments) {
      s.in = {s.p.h + 5, s.p.v + 7};
      s.out = {s.p.h - 3, s.p.v - 2};
      s.corner = 1;
    }
  }

  Harness h_;
  host::LoadedPlugin* plugin_ = nullptr;
};

struct SinglePassCase {
  const char* name;
  std::vector<Step> steps;
  std::function<std::vector<Pt>(const std::vector<Pt>&)> expected;
};

// Each case works on a fresh document with a fresh parameter block.
TEST(HubtugPass, OnePassMovesAnchorsAsTheSettingsSay) {
  const std::vector<SinglePassCase> cases = {
      {"defaults: 3 % of the farthest distance, nearer anchors less", {},
       [](const std::vector<Pt>& p) { return DragPull(p, p, 0.03); }},
      {"drag off, power 100: every anchor on centre 1",
       {Check(kDragItem, false), Set(kPullPower1Item, 100)},
       [](const std::vector<Pt>& p) { return std::vector<Pt>(p.size(), kCentre1); }},
      {"inverse 10 %: away from centre 1 by a tenth of the distance",
       {Check(kDragItem, false), Check(kInverseItem, true), Set(kPullPower1Item, 10)},
       [](const std::vector<Pt>& p) {
         std::vector<Pt> out;
         for (Pt a : p) out.push_back(Towards(a, kCentre1, -0.1));
         return out;
       }},
      {"second centre pulls after the first",
       {Check(kDragItem, false), Set(kPullPower1Item, 50), Set(kPullPower2Item, 50),
        Set(kCentre2XItem, 600), Set(kCentre2YItem, 200)},
       [](const std::vector<Pt>& p) {
         std::vector<Pt> out;
         for (Pt a : p) out.push_back(Towards(Towards(a, kCentre1, 0.5), {600, 200}, 0.5));
         return out;
       }},
  };
  for (const SinglePassCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    host::LoadedPlugin& plugin = h.load("hubtug");
    host::Art* art = h.addPath(Points(kTriangle));
    ASSERT_EQ(h.apply(plugin, c.steps), kNoError);
    ExpectAnchors(*art, c.expected(kTriangle), 1e-3);
    // The controls travel with their anchors; nothing turned or duplicated.
    for (const PathSegment& s : art->segments) {
      EXPECT_NEAR(s.in.h, s.p.h, 1e-3);
      EXPECT_NEAR(s.out.v, s.p.v, 1e-3);
    }
    EXPECT_EQ(h.paths().size(), 1u);
  }
}

TEST_F(HubtugTest, AnchorPointsOffLeavesControlsAndClearsCorners) {
  host::Art* art = h_.addPath(Points(kTriangle));
  Curve(art);
  const std::vector<PathSegment> before = art->segments;
  ASSERT_EQ(h_.apply(*plugin_, {Check(kAnchorPointsItem, false)}), kNoError);
  ExpectAnchors(*art, DragPull(kTriangle, kTriangle, 0.03), 1e-3);
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_FLOAT_EQ(art->segments[i].in.h, before[i].in.h);
    EXPECT_FLOAT_EQ(art->segments[i].in.v, before[i].in.v);
    EXPECT_FLOAT_EQ(art->segments[i].out.h, before[i].out.h);
    EXPECT_FLOAT_EQ(art->segments[i].out.v, before[i].out.v);
    EXPECT_EQ(art->segments[i].corner, 0);
  }
}

TEST_F(HubtugTest, AnchorPointsOnMovesControlsWithAnchorsAndKeepsCorners) {
  host::Art* art = h_.addPath(Points(kTriangle));
  Curve(art);
  ASSERT_EQ(h_.apply(*plugin_), kNoError);
  for (const PathSegment& s : art->segments) {
    EXPECT_NEAR(s.in.h - s.p.h, 5, 1e-3);
    EXPECT_NEAR(s.in.v - s.p.v, 7, 1e-3);
    EXPECT_NEAR(s.out.h - s.p.h, -3, 1e-3);
    EXPECT_EQ(s.corner, 1);
  }
}

TEST_F(HubtugTest, AnchorsOnCentreOneWithDragStayPut) {
  host::Art* art = h_.addPath({{200, 200}, {200, 200}, {200, 200}});
  Curve(art);
  const std::vector<PathSegment> before = art->segments;
  ASSERT_EQ(h_.apply(*plugin_, {Set(kPullPower1Item, 100)}), kNoError);
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(art->segments[i].p.h, 200.0f);
    EXPECT_EQ(art->segments[i].p.v, 200.0f);
    EXPECT_FLOAT_EQ(art->segments[i].in.h, before[i].in.h);
    EXPECT_FLOAT_EQ(art->segments[i].out.v, before[i].out.v);
  }
}

TEST_F(HubtugTest, RepeatsTurnMoreEachPassAndLeaveOneDuplicatePerPass) {
  host::Art* art = h_.addPath(Points(kTriangle));
  ASSERT_EQ(h_.apply(*plugin_, {Set(kRepeatsItem, 3), Check(kDuplicateItem, true),
                                Set(kAngleItem, 10)}),
            kNoError);

  // Pass j pulls, then turns by 10 j degrees about the art's own centre.
  std::vector<std::vector<Pt>> stages;
  std::vector<Pt> points = kTriangle;
  for (int pass = 0; pass < 3; ++pass) {
    points = DragPull(points, points, 0.03);
    if (pass > 0) points = Rotated(points, 10.0 * pass);
    stages.push_back(points);
  }

  std::vector<host::Art*> paths = h_.paths();
  ASSERT_EQ(paths.size(), 4u);
  EXPECT_EQ(paths[0], art);
  ExpectAnchors(*art, stages[2], 1e-2);
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE("duplicate of pass " + std::to_string(pass));
    ExpectAnchors(*paths[1 + pass], stages[pass], 1e-2);
  }
}

struct TurnCase {
  const char* name;
  bool aboutObject;
  bool aboutCentre;
};

// Two passes with angle 30: both pull, and the second then turns the art by
// 30 degrees about the chosen centres, its own centre first.
TEST(HubtugTurns, SecondPassTurnsAboutTheChosenCentres) {
  const Pt kFixed{100, 50};
  const std::vector<TurnCase> cases = {
      {"about the art's own centre", true, false},
      {"about the fixed centre", false, true},
      {"about the art's own centre, then the fixed centre", true, true},
      {"no centre chosen: no turn", false, false},
  };
  for (const TurnCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    host::LoadedPlugin& plugin = h.load("hubtug");
    host::Art* art = h.addPath(Points(kTriangle));
    ASSERT_EQ(h.apply(plugin, {Set(kRepeatsItem, 2), Set(kAngleItem, 30),
                               Check(kRotateObjectItem, c.aboutObject),
                               Check(kRotateCentreItem, c.aboutCentre),
                               Set(kRotateCentreXItem, kFixed.h),
                               Set(kRotateCentreYItem, kFixed.v)}),
              kNoError);
    const std::vector<Pt> first = DragPull(kTriangle, kTriangle, 0.03);
    std::vector<Pt> expected = DragPull(first, first, 0.03);
    if (c.aboutObject) expected = Rotated(expected, 30);
    if (c.aboutCentre) expected = RotatedAbout(expected, 30, kFixed);
    ExpectAnchors(*art, expected, 1e-2);
  }
}

void ExpectColour(const Colour& actual, const Colour& expected) {
  EXPECT_EQ(actual.kind, expected.kind);
  EXPECT_EQ(std::memcmp(&actual.data, &expected.data, sizeof actual.data), 0)
      << "the colour data differ";
}

struct FillCase {
  const char* name;
  Colour fill;
  std::vector<float> draws;  // the scripted random cycle
  Colour expected;
};

// Two repeats with "Duplicate", "Layers" and "Random Colours": each copy gets
// a new layer and one fresh draw per fill component in the kind's order; the
// selected art keeps its colour. Each cycle holds exactly the draws of one
// copy, so every run (previews and Go) starts it afresh.
TEST(HubtugDuplicates, RandomColoursRefillEachComponentOfTheCopiesOnly) {
  const std::vector<FillCase> cases = {
      {"grey", Grey(0.9f), {0.4f}, Grey(0.4f)},
      {"four-colour: cyan, magenta, yellow, black", Four(0.9f, 0.9f, 0.9f, 0.9f),
       {0.1f, 0.2f, 0.3f, 0.6f}, Four(0.1f, 0.2f, 0.3f, 0.6f)},
      {"three-colour: red, green, blue", Three(0.1f, 0.2f, 0.3f), {0.25f, 0.5f, 0.75f},
       Three(0.25f, 0.5f, 0.75f)},
      {"pattern: carried unchanged", Opaque(kPatternColour, 7), {0.5f},
       Opaque(kPatternColour, 7)},
  };
  for (const FillCase& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    host::LoadedPlugin& plugin = h.load("hubtug");
    host::Art* art = h.addPath(Points(kTriangle));
    art->style.fillPaint = 1;
    art->style.fill = c.fill;
    ASSERT_TRUE(h.scriptRandom(c.draws));
    ASSERT_EQ(h.apply(plugin, {Set(kRepeatsItem, 2), Check(kDuplicateItem, true),
                               Check(kLayersItem, true), Check(kRandomColoursItem, true)}),
              kNoError);

    int hubtugLayers = 0;
    for (const host::Layer* layer : h.doc().layers) hubtugLayers += layer->title == " Hubtug ";
    EXPECT_EQ(hubtugLayers, 2);
    std::vector<host::Art*> paths = h.paths();
    ASSERT_EQ(paths.size(), 3u);
    ExpectColour(art->style.fill, c.fill);
    for (host::Art* copy : paths) {
      if (copy != art) ExpectColour(copy->style.fill, c.expected);
    }
  }
}

TEST_F(HubtugTest, CompoundMembersArePulledOnceWithTheLargestDistanceOfAllMembers) {
  host::Document& doc = h_.doc();
  const std::vector<Pt> first = {{300, 200}, {250, 200}, {250, 250}};
  const std::vector<Pt> second = {{200, 400}, {220, 400}, {220, 420}};
  host::Art* compound = doc.createArt(host::ArtType::Compound);
  for (const auto* points : {&first, &second}) {
    host::Art* member = doc.createArt(host::ArtType::Path);
    for (RealPoint p : Points(*points)) member->segments.push_back({p, p, p, 1});
    member->closed = true;
    member->style = host::DefaultArtStyle();
    member->selected = true;  // also in the selection on its own
    compound->members.push_back(member);
  }
  compound->selected = true;
  doc.currentLayer()->art.push_back(compound);
  doc.relink();

  ASSERT_EQ(h_.apply(*plugin_, {Check(kDragItem, true)}), kNoError);
  std::vector<Pt> all = first;
  all.insert(all.end(), second.begin(), second.end());
  ExpectAnchors(*compound->members[0], DragPull(first, all, 0.03), 1e-3);
  ExpectAnchors(*compound->members[1], DragPull(second, all, 0.03), 1e-3);
}

// Both centres pushing at full power double the distances twice a pass, so
// that within a hundred repeats they no longer fit a real.
TEST_F(HubtugTest, RunawayPushEndsWithAnErrorAndLeavesOnlyFiniteCoordinates) {
  h_.addPath(Points(kTriangle));
  EXPECT_EQ(h_.apply(*plugin_, {Check(kDragItem, false), Check(kInverseItem, true),
                                Set(kPullPower1Item, 100), Set(kPullPower2Item, 100),
                                Set(kRepeatsItem, 100)}),
            kBadParameterError);
  for (const host::Art* path : h_.paths()) {
    for (const PathSegment& s : path->segments) {
      for (RealPoint p : {s.p, s.in, s.out}) {
        EXPECT_TRUE(std::isfinite(p.h) && std::isfinite(p.v)) << p.h << ", " << p.v;
      }
    }
  }
}

TEST_F(HubtugTest, NoSelectionGivesNoSelectionError) {
  h_.addPath(Points(kTriangle), true, false);
  EXPECT_EQ(h_.apply(*plugin_), kNoSelectionError);
  ExpectAnchors(*h_.paths()[0], kTriangle, 0);
}

TEST_F(HubtugTest, PreviewShowsAtOpenAndCancelLeavesDocumentAndBlockAsBefore) {
  host::Art* art = h_.addPath(Points(kTriangle));
  ASSERT_EQ(h_.apply(*plugin_), kNoError);  // creates the block with the defaults
  const std::vector<PathSegment> before = art->segments;
  const std::vector<Pt> moved = DragPull(kTriangle, kTriangle, 0.03);

  bool previewAtOpen = false;
  HostError result = h_.getParameters(
      *plugin_,
      {Inspect([&](host::Dialog&) { previewAtOpen = art->segments[0].p.h < before[0].p.h; }),
       Set(kPullPower1Item, 50), Set(kAngleItem, 45), Check(kDuplicateItem, true),
       Inspect([&](host::Dialog&) { EXPECT_EQ(h_.paths().size(), 2u); })},
      true);
  EXPECT_EQ(result, kCancelError);
  EXPECT_TRUE(previewAtOpen);
  EXPECT_EQ(h_.paths().size(), 1u);
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(art->segments[i].p.h, before[i].p.h);
    EXPECT_EQ(art->segments[i].p.v, before[i].p.v);
  }
  EXPECT_NEAR(art->segments[0].p.h, moved[0].h, 1e-3);
  EXPECT_FLOAT_EQ(block()->pullPower1, 3.0f);
  EXPECT_FLOAT_EQ(block()->angle, 0.0f);
  EXPECT_EQ(block()->duplicate, 0);
}

TEST_F(HubtugTest, KeptBlockHoldsAndShowsTheValuesChosenLastTime) {
  h_.addPath(Points(kTriangle));
  ASSERT_EQ(h_.apply(*plugin_, {Set(kCentre1XItem, 123.5), Set(kPullPower2Item, 7),
                                Set(kRepeatsSliderItem, 6), Check(kRotateCentreItem, true),
                                Check(kHubtugPreviewItem, false)}),
            kNoError);
  HubtugParameters* kept = block();
  EXPECT_FLOAT_EQ(kept->centre1X, 123.5f);
  EXPECT_FLOAT_EQ(kept->pullPower2, 7.0f);
  EXPECT_EQ(kept->repeatsSlider, 6);
  EXPECT_EQ(kept->repeats, 6);  // the slider moved its edit field
  EXPECT_EQ(kept->rotateCentre, 1);
  EXPECT_EQ(kept->previewOn, 0);

  ASSERT_EQ(h_.getParameters(*plugin_,
                             {Inspect([](host::Dialog& d) {
                                EXPECT_DOUBLE_EQ(d.item(kCentre1XItem)->number().value(), 123.5);
                                EXPECT_EQ(d.item(kRepeatsItem)->number().asInt(), 6);
                                EXPECT_TRUE(d.item(kRotateCentreItem)->checked);
                                EXPECT_FALSE(d.item(kHubtugPreviewItem)->checked);
                              }),
                              Set(kRepeatsItem, 4)}),
            kNoError);
  EXPECT_EQ(block()->repeats, 4);
  EXPECT_EQ(block()->repeatsSlider, 4);  // the edit field moved its slider
  EXPECT_FLOAT_EQ(block()->centre1X, 123.5f);
}

}  // namespace
}  // namespace corvane::testing
