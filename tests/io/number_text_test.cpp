#include "host/io/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace corvane::host::io {
namespace {

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(NumberText, FormatFloatIsShortestAndExact) {
  struct Case {
    float value;
    const char* text;
  };
  const Case cases[] = {{0.1f, "0.1"}, {612.0f, "612"}, {-0.0f, "-0"}, {1e-10f, "1e-10"}, {2.5f, "2.5"},
                        {1.0f / 3, "0.33333334"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFloat(c.value), c.text);
    auto back = ParseFloat(FormatFloat(c.value));
    ASSERT_TRUE(back);
    EXPECT_TRUE(SameBits(*back, c.value)) << c.text;
  }
}

TEST(NumberText, EveryFloatPatternSurvivesTextAndJsonDouble) {
  // A spread of bit patterns over all exponents, including subnormals.
  for (uint32_t bits = 0; bits < 0x7f800000u; bits += 0x00012345u) {
    for (uint32_t sign : {0u, 0x80000000u}) {
      uint32_t pattern = bits | sign;
      float value;
      std::memcpy(&value, &pattern, sizeof value);
      auto parsed = ParseFloat(FormatFloat(value));
      ASSERT_TRUE(parsed) << FormatFloat(value);
      ASSERT_TRUE(SameBits(*parsed, value)) << FormatFloat(value);
      ASSERT_TRUE(SameBits(static_cast<float>(FloatAsJsonDouble(value)), value)) << FormatFloat(value);
    }
  }
}

TEST(NumberText, ScanNumberFollowsTheSvgGrammar) {
  struct Case {
    const char* text;
    size_t length;
  };
  const Case cases[] = {{"12", 2},     {"-1.5e3x", 6}, {".5.5", 2},  {"1.", 2},   {"+3", 2},   {"1e", 1},
                        {"1e+", 1},    {"-", 0},       {".", 0},     {"nan", 0},  {"inf", 0},  {"e5", 0},
                        {"10-20", 2},  {"0.5E-2,", 6}};
  for (const Case& c : cases) EXPECT_EQ(ScanNumber(c.text), c.length) << c.text;
}

TEST(NumberText, ParseRefusesWhatIsNotOneWholeNumber) {
  for (const char* text : {"", " 1", "1 ", "1px", "nan", "inf", "0x10", "1e39", "--1"})
    EXPECT_FALSE(ParseFloat(text)) << text;
  EXPECT_EQ(ParseFloat("+2.5e1"), 25.0f);
  EXPECT_FALSE(ParseDouble("1e400"));
}

TEST(NumberText, NarrowToFloatStopsWhereRoundingReachesInfinity) {
  EXPECT_EQ(NarrowToFloat(3.4028235e38), std::numeric_limits<float>::max());
  EXPECT_FALSE(NarrowToFloat(3.5e38));
  EXPECT_FALSE(NarrowToFloat(std::nan("")));
  EXPECT_EQ(NarrowToFloat(-1.5), -1.5f);
}

TEST(NumberText, DecimalDifferenceIsExact) {
  struct Case {
    const char* a;
    const char* b;
    const char* difference;
  };
  const Case cases[] = {
      {"792", "100", "692"},
      {"792", "1e-10", "791.9999999999"},
      {"792", "-3e20", "300000000000000000792"},
      {"0.1", "0.3", "-0.2"},
      {"1.25", "1.25", "0"},
      {"-2", "-0.5", "-1.5"},
      {"1e2", "0.001", "99.999"},
      {"792", "791.9999999999", "0.0000000001"},
      {"+5", "-.5", "5.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecimalDifference(c.a, c.b), c.difference) << c.a << " - " << c.b;
  EXPECT_FALSE(DecimalDifference("1e999", "1"));
  EXPECT_FALSE(DecimalDifference("x", "1"));
}

TEST(NumberText, FlippingTwiceInDecimalGivesTheFloatBack) {
  // What the SVG form relies on: y -> H - y -> H - (H - y) is exact, even for
  // values far smaller than H, where binary arithmetic loses them.
  const float height = 841.75f;
  for (float y : {1e-10f, -3.5e-7f, 0.1f, 700.125f, 1e30f, -4.37e-8f, 1.4e-45f}) {
    auto flipped = DecimalDifference(FormatFloat(height), FormatFloat(y));
    ASSERT_TRUE(flipped);
    auto back = DecimalDifference(FormatFloat(height), *flipped);
    ASSERT_TRUE(back);
    auto value = ParseFloat(*back);
    ASSERT_TRUE(value);
    EXPECT_TRUE(SameBits(*value, y)) << y << " came back as " << *value;
  }
}

}  // namespace
}  // namespace corvane::host::io
