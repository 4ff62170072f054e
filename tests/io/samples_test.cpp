#include "io_support.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane::testing {
namespace {

TEST(Samples, EachSvgSampleMatchesItsJsonTwin) {
  for (const char* name : {"shapes", "strokes", "badge"}) {
    std::string stem = std::string(CORVANE_SAMPLES) + "/" + name;
    auto svg = host::ReadDocumentFile(stem + ".svg");
    ASSERT_TRUE(svg) << svg.error.message;
    auto json = host::ReadDocumentFile(stem + ".json");
    ASSERT_TRUE(json) << json.error.message;
    EXPECT_EQ(DocumentDifference(*svg.document, *json.document), "") << name;
  }
}

TEST(Samples, ShapesOffersWhatFiltersWorkOn) {
  auto read = host::ReadDocumentFile(CORVANE_SAMPLES "/shapes.svg");
  ASSERT_TRUE(read) << read.error.message;
  const Document& d = *read.document;
  EXPECT_EQ(d.layers.size(), 2u);
  std::set<int32_t> fillKinds;
  std::set<ArtType> types;
  float widest = 0, thinnest = 1000;
  size_t selected = 0;
  for (const Layer* layer : d.layers)
    ForEachArt(layer->art, [&](Art& art) {
      types.insert(art.type);
      selected += art.selected;
      if (art.type != ArtType::Path) return;
      if (art.style.fillPaint) fillKinds.insert(art.style.fill.kind);
      if (art.style.strokePaint) {
        widest = std::max(widest, art.style.strokeWidth);
        thinnest = std::min(thinnest, art.style.strokeWidth);
      }
    });
  EXPECT_EQ(fillKinds, (std::set<int32_t>{kGreyColour, kFourColour, kThreeColour}));
  EXPECT_TRUE(types.count(ArtType::Compound));
  EXPECT_TRUE(types.count(ArtType::Group));
  EXPECT_GT(widest, 50.0f);
  EXPECT_LT(thinnest, 1.0f);
  EXPECT_GT(selected, 0u);
}

}  // namespace
}  // namespace corvane::testing
