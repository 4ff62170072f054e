// Length-prefixed strings from plug-ins: the host reads no further than the
// length byte, a NUL or the buffer allows, whichever comes first.
#include <gtest/gtest.h>

#include <string>

#include "host/text.h"

namespace corvane::host {
namespace {

struct LengthPrefixedCase {
  const char* name;
  std::string bytes;  // what the plug-in passes
  size_t capacity;
  std::string read;
};

void PrintTo(const LengthPrefixedCase& c, std::ostream* os) { *os << c.name; }

class LengthPrefixedTest : public ::testing::TestWithParam<LengthPrefixedCase> {};

TEST_P(LengthPrefixedTest, ReadsWithinTheLengthTheNulAndTheBuffer) {
  const LengthPrefixedCase& c = GetParam();
  const auto* text = reinterpret_cast<const unsigned char*>(c.bytes.data());
  EXPECT_EQ(ReadLengthPrefixed(text, c.capacity), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LengthPrefixedTest,
    ::testing::Values(
        LengthPrefixedCase{"LengthByte", std::string("\x05hello, world", 13), 256, "hello"},
        LengthPrefixedCase{"Empty", std::string("\0abc", 4), 256, ""},
        // A constant with a space where the length byte would be: the space
        // promises 32 characters, the NUL ends them.
        LengthPrefixedCase{"FixedFormConstant", std::string(" Corvane Extras\0", 16), 256,
                           "Corvane Extras"},
        LengthPrefixedCase{"Capacity", std::string("\x0a" "abcdefghij", 11), 4, "abc"},
        LengthPrefixedCase{"NoCapacity", std::string("\x03" "abc", 4), 0, ""},
        LengthPrefixedCase{"FullLength", "\xff" + std::string(255, 'k') + "tail", 300,
                           std::string(255, 'k')}),
    [](const ::testing::TestParamInfo<LengthPrefixedCase>& info) {
      return std::string(info.param.name);
    });

TEST(LengthPrefixedNullTest, ReadsEmpty) { EXPECT_EQ(ReadLengthPrefixed(nullptr, 256), ""); }

}  // namespace
}  // namespace corvane::host
