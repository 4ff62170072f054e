// Random sources and the Random suite.
#include "suite_fixture.h"

#include <cmath>
#include <limits>

namespace corvane::host::testing {
namespace {

TEST(ScriptedRandomTest, CyclesThroughItsValues) {
  std::string error;
  auto source = ScriptedRandom::Make({0.1f, 0.5f, 0.0f}, &error);
  ASSERT_TRUE(source) << error;
  const float expected[] = {0.1f, 0.5f, 0.0f, 0.1f, 0.5f};
  for (float e : expected) EXPECT_EQ(source->next(), e);
  EXPECT_EQ(source->drawn(), 5u);
}

TEST(ScriptedRandomTest, RejectsEmptyCyclesAndValuesOutsideTheRange) {
  const std::pair<std::vector<float>, const char*> bad[] = {
      {{}, "empty"},
      {{0.5f, 1.0f}, "value 2"},
      {{-0.1f}, "value 1"},
      {{0.2f, 0.3f, std::nanf("")}, "value 3"},
  };
  for (const auto& [cycle, mention] : bad) {
    std::string error;
    EXPECT_FALSE(ScriptedRandom::Make(cycle, &error)) << mention;
    EXPECT_NE(error.find(mention), std::string::npos) << error;
  }
}

TEST(SplitMixRandomTest, SameSeedSameSequenceWithinRange) {
  SplitMixRandom a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 1000; ++i) {
    const float x = a.next();
    EXPECT_EQ(x, b.next());
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
    differs = differs || x != c.next();
  }
  EXPECT_TRUE(differs);
  // Pinned first value for seed 0, so runs stay reproducible across builds.
  SplitMixRandom zero(0);
  EXPECT_EQ(zero.next(), float(0xE220A8397B1DCDAFull >> 40) / 16777216.0f);
}

class RandomSuiteTest : public SuiteTest {};

TEST_F(RandomSuiteTest, RandomUnitDrawsFromTheSessionSource) {
  EXPECT_EQ(random->RandomUnit(), 0.0f);  // no source
  auto source = ScriptedRandom::Make({0.25f, 0.75f}, nullptr);
  session_.random = source.get();
  EXPECT_EQ(random->RandomUnit(), 0.25f);
  EXPECT_EQ(random->RandomUnit(), 0.75f);
  EXPECT_EQ(random->RandomUnit(), 0.25f);
  EXPECT_EQ(source->drawn(), 3u);
}

}  // namespace
}  // namespace corvane::host::testing
