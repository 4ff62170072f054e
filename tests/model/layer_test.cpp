// Layers, the document, locked and hidden layers, the session boundary and
// injected failures.
#include "suite_fixture.h"

#include <functional>

namespace corvane::host::testing {
namespace {

class LayerTest : public SuiteTest {};

TEST_F(LayerTest, InsertedLayerGoesOnTopAndBecomesCurrent) {
  Layer* upper = doc_.addLayer("Upper");
  LayerRef made = nullptr;
  ASSERT_EQ(layers->InsertLayer(nullptr, kPlaceAboveAll, &made), kNoError);
  Layer* layer = LayerOfRef(made);
  EXPECT_EQ(doc_.layers, (std::vector<Layer*>{base_, upper, layer}));
  EXPECT_TRUE(layer->visible && !layer->locked && layer->title.empty());
  EXPECT_EQ(layers->MakeLayerCurrent(made), kNoError);
  ASSERT_EQ(layers->SetLayerTitle(made, "  Tierspin "), kNoError);
  EXPECT_EQ(layer->title, "  Tierspin ");
  ArtRef a = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &a), kNoError);
  EXPECT_EQ(layer->art, std::vector<Art*>{ArtOf(a)});

  ASSERT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(doc_.layers, (std::vector<Layer*>{base_, upper}));
  EXPECT_EQ(doc_.current, base_);
  EXPECT_EQ(layers->SetLayerTitle(made, "x"), kBadParameterError);
}

TEST_F(LayerTest, InsertLayerBelowAndAboveAnother) {
  LayerRef below = nullptr, above = nullptr;
  ASSERT_EQ(layers->InsertLayer(Ref(base_), kPlaceBelow, &below), kNoError);
  ASSERT_EQ(layers->InsertLayer(Ref(base_), kPlaceAbove, &above), kNoError);
  EXPECT_EQ(doc_.layers, (std::vector<Layer*>{LayerOfRef(below), base_, LayerOfRef(above)}));
  EXPECT_EQ(layers->InsertLayer(nullptr, kPlaceAbove, &above), kBadParameterError);
  EXPECT_EQ(layers->InsertLayer(nullptr, kPlaceInsideOnTop, &above), kBadParameterError);
  EXPECT_EQ(layers->SetLayerTitle(Ref(base_), nullptr), kBadParameterError);
}

TEST_F(LayerTest, DocumentBoundsAndRedraw) {
  doc_.width = 300;
  doc_.height = 400;
  DocumentBounds b;
  std::fill(std::begin(b.reserved), std::end(b.reserved), 9.0f);
  ASSERT_EQ(document->GetDocumentBounds(&b), kNoError);
  EXPECT_EQ(b.width, 300.0f);
  EXPECT_EQ(b.height, 400.0f);
  EXPECT_EQ(b.reserved[0], 0.0f);
  EXPECT_EQ(b.reserved[3], 0.0f);
  ASSERT_EQ(document->RedrawDocument(), kNoError);
  ASSERT_EQ(document->RedrawDocument(), kNoError);
  EXPECT_EQ(session_.redraws, 2);
}

// Every edit of art on a locked or hidden layer is refused, and nothing
// changes; reading stays possible.
TEST_F(LayerTest, LockedAndHiddenLayersRefuseEdits) {
  for (bool hide : {false, true}) {
    SCOPED_TRACE(hide ? "hidden" : "locked");
    Layer* layer = doc_.addLayer("Closed");
    Art* p = addPath(layer, {Seg(1, 1), Seg(2, 2)}, true);
    Art* member = addPath(layer, {Seg(3, 3)});
    Art* group = addContainer(layer, ArtType::Group, {member});
    if (hide) {
      layer->visible = false;
    } else {
      layer->locked = true;
    }
    journal_.begin();
    PathSegment s = Seg(0, 0);
    PathStyle st{};
    const RealMatrix m{1, 0, 0, 1, 1, 1};
    ArtRef made = nullptr;
    const std::pair<const char*, std::function<HostError()>> edits[] = {
        {"DisposeArt", [&] { return art->DisposeArt(Ref(p)); }},
        {"DisposeArt member", [&] { return art->DisposeArt(Ref(member)); }},
        {"SetArtAttributes", [&] { return art->SetArtAttributes(Ref(p), kArtSelected, 0); }},
        {"SetSegments", [&] { return path->SetSegments(Ref(p), 0, 1, &s); }},
        {"SetSegmentCount", [&] { return path->SetSegmentCount(Ref(p), 1); }},
        {"SetPathClosed", [&] { return path->SetPathClosed(Ref(p), 1); }},
        {"SetPathGuide", [&] { return path->SetPathGuide(Ref(p), 1); }},
        {"SetPathStyle", [&] { return style->SetPathStyle(Ref(p), &st); }},
        {"TransformArt", [&] { return transform->TransformArt(Ref(group), &m, 1, 15); }},
        {"NewArt inside", [&] { return art->NewArt(kPathArt, kPlaceInsideOnTop, Ref(group), &made); }},
        {"DuplicateArt above", [&] { return art->DuplicateArt(Ref(p), kPlaceAbove, Ref(p), &made); }},
    };
    for (const auto& [name, edit] : edits) EXPECT_EQ(edit(), kLockedLayerError) << name;
    EXPECT_TRUE(journal_.empty());
    EXPECT_EQ(layer->art, (std::vector<Art*>{p, group}));
    EXPECT_TRUE(p->selected);
    EXPECT_EQ(p->segments.size(), 2u);
    RealRect r;
    EXPECT_EQ(art->GetArtBounds(Ref(p), &r), kNoError);
    EXPECT_EQ(style->GetPathStyle(Ref(p), &st), kNoError);

    // New art cannot land on a closed current layer, but can be copied from it.
    doc_.current = layer;
    EXPECT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kLockedLayerError);
    EXPECT_EQ(shapes->NewPolygonShape(5, 0, 0, 10, 0, &made), kLockedLayerError);
    doc_.current = base_;
    EXPECT_EQ(art->DuplicateArt(Ref(p), kPlaceAboveAll, nullptr, &made), kNoError);
    EXPECT_EQ(base_->art.back(), ArtOf(made));
  }
}

TEST_F(LayerTest, OutsideASessionOrWithoutADocumentSuitesFail) {
  ArtRef made = nullptr;
  session_.document = nullptr;
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kBadParameterError);
  EXPECT_EQ(undo->UndoChanges(), kBadParameterError);
  session_.document = &doc_;
  Session other;
  {
    SessionScope inner(other);
    EXPECT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kBadParameterError);
  }
  EXPECT_EQ(CurrentSession(), &session_);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kNoError);
}

TEST(SessionScopeTest, NoSessionOutsideScopes) {
  EXPECT_EQ(CurrentSession(), nullptr);
  SuiteRegistry registry;
  AddArtworkSuites(registry);
  auto* undo = static_cast<const UndoSuiteV3*>(registry.find(kUndoSuite, kUndoSuiteVersion));
  auto* random = static_cast<const RandomSuiteV3*>(registry.find(kRandomSuite, kRandomSuiteVersion));
  ASSERT_TRUE(undo && random);
  EXPECT_EQ(undo->UndoChanges(), kBadParameterError);
  EXPECT_EQ(random->RandomUnit(), 0.0f);
  EXPECT_NE(registry.find(kTagSuite, kTagSuiteVersion), nullptr);
  EXPECT_EQ(registry.find(kArtSuite, kArtSuiteVersion + 1), nullptr);
}

TEST_F(LayerTest, InjectedFailuresAreReturnedAndChangeNothing) {
  Art* p = addPath(base_, {Seg(1, 1)}, true);
  ArtRef made = nullptr;
  PathStyle st{};
  PathSegment s = Seg(0, 0);
  LayerRef layer = nullptr;
  MemHandle handle = nullptr;
  int32_t count = 0;
  const MatchingArtSpec spec{kPathArt, 0, 0, 0};
  const RealMatrix m{2, 0, 0, 2, 0, 0};
  DocumentBounds bounds;
  const std::pair<const char*, std::function<HostError()>> ops[] = {
      {"NewArt", [&] { return art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made); }},
      {"DuplicateArt", [&] { return art->DuplicateArt(Ref(p), kPlaceAboveAll, nullptr, &made); }},
      {"DisposeArt", [&] { return art->DisposeArt(Ref(p)); }},
      {"GetPathStyle", [&] { return style->GetPathStyle(Ref(p), &st); }},
      {"SetSegments", [&] { return path->SetSegments(Ref(p), 0, 1, &s); }},
      {"TransformArt", [&] { return transform->TransformArt(Ref(p), &m, 1, 15); }},
      {"InsertLayer", [&] { return layers->InsertLayer(nullptr, kPlaceAboveAll, &layer); }},
      {"GetMatchingArt", [&] { return matching->GetMatchingArt(&spec, 1, &handle, &count); }},
      {"GetDocumentBounds", [&] { return document->GetDocumentBounds(&bounds); }},
      {"NewStarShape", [&] { return shapes->NewStarShape(5, 0, 0, 5, 10, 0, &made); }},
      {"UndoChanges", [&] { return undo->UndoChanges(); }},
  };
  const HostError code = CV_CODE('T', 'E', 'S', 'T');
  for (const auto& [name, op] : ops) {
    session_.failures.clear();
    session_.failures.failOperation(name, code);
    EXPECT_EQ(op(), code) << name;
    EXPECT_TRUE(journal_.empty()) << name;
  }
  EXPECT_EQ(base_->art, std::vector<Art*>{p});
  EXPECT_EQ(doc_.layers.size(), 1u);
  EXPECT_EQ(p->segments[0].p.h, 1.0f);
  session_.failures.clear();
  EXPECT_EQ(style->GetPathStyle(Ref(p), &st), kNoError);
}

}  // namespace
}  // namespace corvane::host::testing
