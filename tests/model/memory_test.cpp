// Host memory handles.
#include "host/memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvane::host {
namespace {

TEST(MemHandleTest, ZeroFilledAndFreedOnce) {
  const size_t live = LiveMemHandles();
  MemHandle h = NewMemHandle(64);
  ASSERT_NE(h, nullptr);
  ASSERT_NE(*h, nullptr);
  const unsigned char zeros[64] = {};
  EXPECT_EQ(std::memcmp(*h, zeros, 64), 0);
  EXPECT_EQ(MemHandleSize(h), 64u);
  EXPECT_EQ(LiveMemHandles(), live + 1);
  EXPECT_TRUE(FreeMemHandle(h));
  EXPECT_FALSE(IsMemHandle(h));
  EXPECT_FALSE(FreeMemHandle(h));  // a second free is ignored
  EXPECT_FALSE(FreeMemHandle(nullptr));
  EXPECT_EQ(LiveMemHandles(), live);
}

TEST(MemHandleTest, EmptyHandleIsValid) {
  MemHandle h = NewMemHandle(0);
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(IsMemHandle(h));
  EXPECT_EQ(MemHandleSize(h), 0u);
  EXPECT_TRUE(FreeMemHandle(h));
}

}  // namespace
}  // namespace corvane::host
