// The Art and Matching Art suites: placement, copies, removal, traversal and
// the selection list.
#include "suite_fixture.h"

#include "host/memory.h"

namespace corvane::host::testing {
namespace {

class ArtTest : public SuiteTest {
 protected:
  void SetUp() override {
    a_ = addPath(base_, {Seg(0, 0)});
    b_ = addPath(base_, {Seg(1, 1)});
    Art* g1 = addPath(base_, {Seg(2, 2)});
    Art* g2 = addPath(base_, {Seg(3, 3)});
    group_ = addContainer(base_, ArtType::Group, {g1, g2});
    // base_: a_, b_, group_
  }
  Art* a_ = nullptr;
  Art* b_ = nullptr;
  Art* group_ = nullptr;
};

// Where new art goes for each paint order; `prep` names art of the fixture.
struct PlacementCase {
  const char* name;
  int16_t order;
  int prep;           // 0 none, 1 b_, 2 group_
  int container;      // 0 base_ layer, 1 group_ members
  size_t index;       // position in that container
};

TEST_F(ArtTest, PaintOrdersPlaceNewArt) {
  const PlacementCase cases[] = {
      {"above all", kPlaceAboveAll, 0, 0, 3},  {"above all ignores prep", kPlaceAboveAll, 2, 0, 3},
      {"below, no prep", kPlaceBelow, 0, 0, 0}, {"below b", kPlaceBelow, 1, 0, 1},
      {"above b", kPlaceAbove, 1, 0, 2},        {"inside on top", kPlaceInsideOnTop, 2, 1, 2},
      {"inside on bottom", kPlaceInsideOnBottom, 2, 1, 0},
  };
  for (const PlacementCase& c : cases) {
    Art* prep = c.prep == 1 ? b_ : c.prep == 2 ? group_ : nullptr;
    ArtRef made = nullptr;
    ASSERT_EQ(art->NewArt(kPathArt, c.order, Ref(prep), &made), kNoError) << c.name;
    const std::vector<Art*>& items = c.container == 0 ? base_->art : group_->members;
    ASSERT_LT(c.index, items.size()) << c.name;
    EXPECT_EQ(items[c.index], ArtOf(made)) << c.name;
    EXPECT_EQ(ArtOf(made)->layer, base_) << c.name;
    ASSERT_EQ(undo->UndoChanges(), kNoError);
  }
}

TEST_F(ArtTest, ImpossiblePlacementsAreRefused) {
  Art* compound = addContainer(base_, ArtType::Compound, {addPath(base_, {Seg(0, 0)})});
  ArtRef made = nullptr;
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceAbove, nullptr, &made), kBadParameterError);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceInsideOnTop, Ref(a_), &made), kBadParameterError);
  EXPECT_EQ(art->NewArt(kGroupArt, kPlaceInsideOnTop, Ref(compound), &made), kBadParameterError);
  EXPECT_EQ(art->NewArt(kPathArt, 7, nullptr, &made), kBadParameterError);
  EXPECT_EQ(art->NewArt(kPathLikeArt, kPlaceAboveAll, nullptr, &made), kBadParameterError);
  EXPECT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, nullptr), kBadParameterError);
  EXPECT_EQ(made, nullptr);
  EXPECT_TRUE(journal_.empty());
}

TEST_F(ArtTest, NewArtIsUnselectedWithTheNewArtStyle) {
  doc_.newArtStyle.strokeWidth = 2.5f;
  ArtRef made = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kNoError);
  EXPECT_FALSE(ArtOf(made)->selected);
  PathStyle st{};
  ASSERT_EQ(style->GetPathStyle(made, &st), kNoError);
  EXPECT_EQ(st.strokeWidth, 2.5f);
  // New art can be changed at once.
  PathSegment s = Seg(4, 4);
  EXPECT_EQ(path->SetSegments(made, 0, 1, &s), kNoError);
}

TEST_F(ArtTest, DocumentWithoutLayersGetsOneForNewArt) {
  Document empty;
  session_.document = &empty;
  ArtRef made = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kNoError);
  ASSERT_EQ(empty.layers.size(), 1u);
  EXPECT_EQ(empty.layers[0]->title, "Layer 1");
  EXPECT_EQ(empty.layers[0]->art, std::vector<Art*>{ArtOf(made)});
  ASSERT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_TRUE(empty.layers.empty());
  EXPECT_EQ(empty.current, nullptr);
}

TEST_F(ArtTest, DuplicateIsADeepCopyKeepingSelection) {
  group_->members[1]->selected = true;
  group_->selected = true;
  ArtRef copy = nullptr;
  ASSERT_EQ(art->DuplicateArt(Ref(group_), kPlaceAboveAll, nullptr, &copy), kNoError);
  Art* c = ArtOf(copy);
  ASSERT_EQ(base_->art.back(), c);
  ASSERT_EQ(c->members.size(), 2u);
  EXPECT_TRUE(c->selected);
  EXPECT_FALSE(c->members[0]->selected);
  EXPECT_TRUE(c->members[1]->selected);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_NE(c->members[i], group_->members[i]);
    EXPECT_EQ(c->members[i]->parent, c);
    EXPECT_EQ(c->members[i]->segments[0].p.h, group_->members[i]->segments[0].p.h);
  }
  PathSegment s = Seg(9, 9);
  ASSERT_EQ(path->SetSegments(Ref(c->members[0]), 0, 1, &s), kNoError);
  EXPECT_EQ(group_->members[0]->segments[0].p.h, 2.0f);
}

TEST_F(ArtTest, DuplicatedCompoundMemberBecomesATopLevelPath) {
  Art* member = addPath(base_, {Seg(1, 2)}, true);
  Art* compound = addContainer(base_, ArtType::Compound, {member}, true);
  Layer* other = doc_.addLayer("Other");
  doc_.current = other;
  ArtRef copy = nullptr;
  ASSERT_EQ(art->DuplicateArt(Ref(member), kPlaceAboveAll, nullptr, &copy), kNoError);
  EXPECT_EQ(other->art, std::vector<Art*>{ArtOf(copy)});
  EXPECT_EQ(ArtOf(copy)->parent, nullptr);
  EXPECT_EQ(ArtOf(copy)->layer, other);
  EXPECT_EQ(compound->members.size(), 1u);
}

TEST_F(ArtTest, DuplicateBelowPrepGoesIntoPrepsContainer) {
  ArtRef copy = nullptr;
  ASSERT_EQ(art->DuplicateArt(Ref(a_), kPlaceBelow, Ref(group_->members[1]), &copy), kNoError);
  ASSERT_EQ(group_->members.size(), 3u);
  EXPECT_EQ(group_->members[1], ArtOf(copy));
  EXPECT_EQ(ArtOf(copy)->parent, group_);
}

TEST_F(ArtTest, DisposedArtIsGoneAndStale) {
  Art* member = group_->members[0];
  ASSERT_EQ(art->DisposeArt(Ref(member)), kNoError);
  EXPECT_EQ(group_->members.size(), 1u);
  ASSERT_EQ(art->DisposeArt(Ref(group_)), kNoError);
  EXPECT_EQ(base_->art, (std::vector<Art*>{a_, b_}));
  int16_t type = 0;
  EXPECT_EQ(art->GetArtType(Ref(member), &type), kBadParameterError);
  EXPECT_EQ(art->DisposeArt(Ref(group_)), kBadParameterError);
  Art never(ArtType::Path);  // not the document's
  EXPECT_EQ(art->GetArtType(Ref(&never), &type), kBadParameterError);
  EXPECT_EQ(art->GetArtType(nullptr, &type), kBadParameterError);
}

TEST_F(ArtTest, ChildrenAndSiblingsSkipForeignArt) {
  Art* foreign = doc_.createArt(ArtType::Foreign);
  group_->members.insert(group_->members.begin(), foreign);
  base_->art.insert(base_->art.begin() + 1, doc_.createArt(ArtType::Foreign));
  doc_.relink();
  ArtRef child = nullptr, next = nullptr;
  ASSERT_EQ(art->GetFirstChild(Ref(group_), &child), kNoError);
  EXPECT_EQ(child, Ref(group_->members[1]));
  ASSERT_EQ(art->GetNextSibling(child, &next), kNoError);
  EXPECT_EQ(next, Ref(group_->members[2]));
  ASSERT_EQ(art->GetNextSibling(next, &next), kNoError);
  EXPECT_EQ(next, nullptr);
  ASSERT_EQ(art->GetNextSibling(Ref(a_), &next), kNoError);
  EXPECT_EQ(next, Ref(b_));
  ASSERT_EQ(art->GetFirstChild(Ref(a_), &child), kNoError);
  EXPECT_EQ(child, nullptr);
  int16_t type = 0;
  EXPECT_EQ(art->GetArtType(Ref(foreign), &type), kBadParameterError);
}

TEST_F(ArtTest, SelectingAContainerSelectsItsMembers) {
  ASSERT_EQ(art->SetArtAttributes(Ref(group_), kArtSelected, kArtSelected), kNoError);
  EXPECT_TRUE(group_->selected);
  EXPECT_TRUE(group_->members[0]->selected && group_->members[1]->selected);
  ASSERT_EQ(art->SetArtAttributes(Ref(group_->members[0]), kArtSelected, 0), kNoError);
  EXPECT_FALSE(group_->members[0]->selected);
  EXPECT_TRUE(group_->selected);
  // Attributes other than the selection are not kept.
  ASSERT_EQ(art->SetArtAttributes(Ref(a_), 2, 2), kNoError);
  EXPECT_FALSE(a_->selected);
}

TEST_F(ArtTest, WalkListsLiveVisibleArtInPreOrder) {
  Art* foreign = doc_.createArt(ArtType::Foreign);
  foreign->members.push_back(doc_.createArt(ArtType::Path));
  base_->art.push_back(foreign);
  Layer* upper = doc_.addLayer("Upper");
  Art* c = addPath(upper, {Seg(0, 0)});
  ASSERT_EQ(art->DisposeArt(Ref(b_)), kNoError);
  EXPECT_EQ(Walk(doc_),
            (std::vector<Art*>{a_, group_, group_->members[0], group_->members[1], c}));
  EXPECT_EQ(group_->members[1]->parent, group_);
  EXPECT_EQ(group_->members[1]->layer, base_);
  EXPECT_EQ(c->layer, upper);
}

// --- GetMatchingArt ---------------------------------------------------------

class MatchingTest : public SuiteTest {
 protected:
  // Runs GetMatchingArt and returns what it found, freeing the handle.
  std::vector<Art*> Match(std::vector<MatchingArtSpec> specs) {
    MemHandle handle = reinterpret_cast<MemHandle>(1);
    int32_t count = -1;
    EXPECT_EQ(matching->GetMatchingArt(specs.data(), int16_t(specs.size()), &handle, &count),
              kNoError);
    std::vector<Art*> found;
    if (count == 0) {
      EXPECT_EQ(handle, nullptr);
      return found;
    }
    EXPECT_TRUE(IsMemHandle(handle));
    EXPECT_EQ(MemHandleSize(handle), count * sizeof(ArtRef));
    ArtRef* refs = static_cast<ArtRef*>(*handle);
    for (int32_t i = 0; i < count; ++i) found.push_back(ArtOf(refs[i]));
    EXPECT_TRUE(FreeMemHandle(handle));
    return found;
  }
  static constexpr MatchingArtSpec kSelectedPaths{kPathArt, 0, kArtSelected, kArtSelected};
};

TEST_F(MatchingTest, OrderIsLayersBottomToTopParentsBeforeMembers) {
  Art* p1 = addPath(base_, {Seg(0, 0)}, true);
  Art* m1 = addPath(base_, {Seg(0, 0)}, true);
  Art* m2 = addPath(base_, {Seg(0, 0)}, false);
  Art* m3 = addPath(base_, {Seg(0, 0)}, true);
  Art* compound = addContainer(base_, ArtType::Compound, {m1, m2, m3}, true);
  Layer* upper = doc_.addLayer("Upper");
  Art* p2 = addPath(upper, {Seg(0, 0)}, true);
  Art* inGroup = addPath(upper, {Seg(0, 0)}, true);
  addContainer(upper, ArtType::Group, {inGroup});
  base_->art.insert(base_->art.begin(), doc_.createArt(ArtType::Foreign));
  doc_.relink();
  const size_t live = LiveMemHandles();

  EXPECT_EQ(Match({kSelectedPaths}), (std::vector<Art*>{p1, m1, m3, p2, inGroup}));
  EXPECT_EQ(Match({{kCompoundPathArt, 0, kArtSelected, kArtSelected}, kSelectedPaths}),
            (std::vector<Art*>{p1, compound, m1, m3, p2, inGroup}));
  EXPECT_EQ(Match({{kPathArt, 0, kArtSelected, 0}}), (std::vector<Art*>{m2}));
  EXPECT_EQ(Match({{kPathArt, 0, 0, 0}}).size(), 6u);
  EXPECT_EQ(LiveMemHandles(), live);
}

TEST_F(MatchingTest, HiddenLayersAndUnknownTypesMatchNothing) {
  Layer* hidden = doc_.addLayer("Hidden");
  hidden->visible = false;
  addPath(hidden, {Seg(0, 0)}, true);
  Layer* locked = doc_.addLayer("Locked");
  locked->locked = true;
  Art* lockedPath = addPath(locked, {Seg(0, 0)}, true);
  EXPECT_EQ(Match({kSelectedPaths, {kPathLikeArt, 0, kArtSelected, kArtSelected}}),
            std::vector<Art*>{lockedPath});
  EXPECT_TRUE(Match({{kPathLikeArt, 0, 0, 0}}).empty());
  EXPECT_TRUE(Match({}).empty());
}

TEST_F(MatchingTest, BadArgumentsAreRefused) {
  MemHandle handle = nullptr;
  int32_t count = 0;
  EXPECT_EQ(matching->GetMatchingArt(&kSelectedPaths, 1, nullptr, &count), kBadParameterError);
  EXPECT_EQ(matching->GetMatchingArt(&kSelectedPaths, 1, &handle, nullptr), kBadParameterError);
  EXPECT_EQ(matching->GetMatchingArt(nullptr, 1, &handle, &count), kBadParameterError);
  EXPECT_EQ(matching->GetMatchingArt(&kSelectedPaths, -1, &handle, &count), kBadParameterError);
}

}  // namespace
}  // namespace corvane::host::testing
