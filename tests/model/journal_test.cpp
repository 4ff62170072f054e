// UndoChanges takes back exactly what a use of a filter changed.
#include "suite_fixture.h"

#include <sstream>

namespace corvane::host::testing {
namespace {

// Everything UndoChanges must restore, identities included.
void DescribeArt(std::ostream& out, const Art& a, int depth) {
  out << std::string(depth * 2, ' ') << &a << " type " << int(a.type) << " alive " << a.alive
      << " sel " << a.selected << " closed " << a.closed << " guide " << a.guide << " width "
      << a.style.strokeWidth << " fill " << a.style.fillPaint << " parent " << a.parent
      << " layer " << a.layer << " segs";
  for (const PathSegment& s : a.segments) {
    out << " (" << s.p.h << "," << s.p.v << " " << s.in.h << "," << s.in.v << " " << s.out.h
        << "," << s.out.v << " " << s.corner << ")";
  }
  out << "\n";
  for (const Art* m : a.members) DescribeArt(out, *m, depth + 1);
}

std::string Describe(const Document& doc) {
  std::ostringstream out;
  out << "current " << doc.current << "\n";
  for (const Layer* layer : doc.layers) {
    out << "layer " << layer << " '" << layer->title << "' alive " << layer->alive << "\n";
    for (const Art* a : layer->art) DescribeArt(out, *a, 1);
  }
  return out.str();
}

class JournalTest : public SuiteTest {
 protected:
  void SetUp() override {
    a_ = addPath(base_, {Seg(0, 0), Seg(10, 0), Seg(10, 10)}, true);
    Art* m1 = addPath(base_, {Seg(1, 1), Seg(2, 2)}, true);
    Art* m2 = addPath(base_, {Seg(3, 3), Seg(4, 4)}, true);
    compound_ = addContainer(base_, ArtType::Compound, {m1, m2}, true);
    Art* g1 = addPath(base_, {Seg(5, 5)});
    group_ = addContainer(base_, ArtType::Group, {g1});
    top_ = doc_.addLayer("Top");
    journal_.begin();
  }

  Art* a_ = nullptr;
  Art* compound_ = nullptr;
  Art* group_ = nullptr;
  Layer* top_ = nullptr;
};

TEST_F(JournalTest, UndoTakesBackEveryKindOfChangeExactly) {
  const std::string before = Describe(doc_);
  Art* m1 = compound_->members[0];

  ArtRef made = nullptr, copy = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kNoError);
  PathSegment segs[2] = {Seg(7, 7), Seg(8, 9)};
  ASSERT_EQ(path->SetSegments(made, 0, 2, segs), kNoError);
  ASSERT_EQ(art->DuplicateArt(Ref(compound_), kPlaceBelow, Ref(a_), &copy), kNoError);
  ASSERT_EQ(path->SetSegments(Ref(a_), 1, 1, segs), kNoError);
  ASSERT_EQ(path->SetSegmentCount(Ref(a_), 7), kNoError);
  ASSERT_EQ(path->SetPathClosed(Ref(a_), 1), kNoError);
  ASSERT_EQ(path->SetPathGuide(Ref(a_), 1), kNoError);
  PathStyle st{};
  st.fillPaint = 1;
  st.strokeWidth = 9;
  ASSERT_EQ(style->SetPathStyle(Ref(compound_), &st), kNoError);
  ASSERT_EQ(art->SetArtAttributes(Ref(compound_), kArtSelected, 0), kNoError);
  RealMatrix m{2, 0, 0, 2, 5, 5};
  ASSERT_EQ(transform->TransformArt(Ref(group_), &m, 3, 31), kNoError);
  ASSERT_EQ(art->DisposeArt(Ref(m1)), kNoError);
  ASSERT_EQ(art->DisposeArt(Ref(group_)), kNoError);
  LayerRef layer = nullptr;
  ASSERT_EQ(layers->InsertLayer(nullptr, kPlaceAboveAll, &layer), kNoError);
  ASSERT_EQ(layers->SetLayerTitle(layer, " Made"), kNoError);
  ASSERT_EQ(layers->SetLayerTitle(Ref(top_), "Renamed"), kNoError);
  ASSERT_EQ(layers->MakeLayerCurrent(Ref(top_)), kNoError);
  ASSERT_NE(Describe(doc_), before);

  EXPECT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(Describe(doc_), before);
  EXPECT_TRUE(journal_.empty());
  // What the span made is gone for good; what it removed is usable again.
  int16_t type = 0;
  EXPECT_EQ(art->GetArtType(made, &type), kBadParameterError);
  EXPECT_EQ(art->GetArtType(copy, &type), kBadParameterError);
  EXPECT_EQ(layers->MakeLayerCurrent(layer), kBadParameterError);
  EXPECT_EQ(art->GetArtType(Ref(m1), &type), kNoError);
  EXPECT_EQ(art->GetArtType(Ref(group_->members[0]), &type), kNoError);
}

TEST_F(JournalTest, RepeatedChangesOfOnePathUndoToTheOriginal) {
  const std::string before = Describe(doc_);
  for (int i = 0; i < 5; ++i) {
    PathSegment s = Seg(float(i), float(i));
    ASSERT_EQ(path->SetSegments(Ref(a_), 0, 1, &s), kNoError);
    ASSERT_EQ(art->SetArtAttributes(Ref(a_), kArtSelected, i % 2), kNoError);
  }
  EXPECT_EQ(journal_.size(), 1u);  // one snapshot, however many changes
  ASSERT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(Describe(doc_), before);
}

TEST_F(JournalTest, UndoWithNothingRecordedIsHarmless) {
  const std::string before = Describe(doc_);
  EXPECT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(Describe(doc_), before);
}

TEST_F(JournalTest, SecondUndoInASpanRemovesOnlyLaterWork) {
  ArtRef preview1 = nullptr, preview2 = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &preview1), kNoError);
  ASSERT_EQ(undo->UndoChanges(), kNoError);
  const std::string between = Describe(doc_);
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &preview2), kNoError);
  ASSERT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(Describe(doc_), between);
  EXPECT_EQ(base_->art.back(), group_);
}

TEST_F(JournalTest, BeginKeepsThePreviousSpansWork) {
  ArtRef kept = nullptr, undone = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &kept), kNoError);
  journal_.begin();
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &undone), kNoError);
  ASSERT_EQ(path->SetSegmentCount(kept, 3), kNoError);
  ASSERT_EQ(undo->UndoChanges(), kNoError);
  ASSERT_EQ(base_->art.back(), ArtOf(kept));
  EXPECT_TRUE(ArtOf(kept)->segments.empty());
  EXPECT_FALSE(ArtOf(undone)->alive);
}

TEST_F(JournalTest, DisposedMemberComesBackAtItsPlace) {
  Art* m2 = compound_->members[1];
  ASSERT_EQ(art->DisposeArt(Ref(compound_->members[0])), kNoError);
  ASSERT_EQ(compound_->members.size(), 1u);
  ASSERT_EQ(art->DisposeArt(Ref(compound_)), kNoError);
  ASSERT_EQ(undo->UndoChanges(), kNoError);
  ASSERT_EQ(compound_->members.size(), 2u);
  EXPECT_EQ(compound_->members[1], m2);
  EXPECT_EQ(base_->art[1], compound_);
  EXPECT_TRUE(compound_->members[0]->alive);
}

TEST_F(JournalTest, WithoutAJournalEditsStandAndUndoDoesNothing) {
  session_.journal = nullptr;
  ArtRef made = nullptr;
  ASSERT_EQ(art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made), kNoError);
  EXPECT_EQ(undo->UndoChanges(), kNoError);
  EXPECT_EQ(base_->art.back(), ArtOf(made));
  EXPECT_TRUE(journal_.empty());
}

}  // namespace
}  // namespace corvane::host::testing
