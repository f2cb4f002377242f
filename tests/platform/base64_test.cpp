#include "platform/base64.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Base64, BothAlphabetsAndPadding) {
  EXPECT_EQ(Base64Encode("\xfb\xff"), "+/8=");
  EXPECT_EQ(Base64Encode("\xfb\xff", true, false), "-_8");
  EXPECT_EQ(Base64Decode("+/8=").value(), "\xfb\xff");
  EXPECT_EQ(Base64Decode("-_8").value(), "\xfb\xff");
  EXPECT_EQ(Base64Decode("aGVs\r\nbG8").value(), "hello");
  EXPECT_FALSE(Base64Decode("a").has_value());
  EXPECT_FALSE(Base64Decode("ab=c").has_value());
  EXPECT_FALSE(Base64Decode("a*bc").has_value());
}
