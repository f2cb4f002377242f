#include "platform/text_encoding.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextEncoding, InvalidBytesReadAsWindows1252) {
  EXPECT_TRUE(IsValidUtf8("a\xc3\xa9"));
  EXPECT_FALSE(IsValidUtf8("a\xe9"));
  EXPECT_EQ(EnsureUtf8("caf\xe9 \x80"), "caf\xc3\xa9 \xe2\x82\xac");
  EXPECT_EQ(EnsureUtf8("ok \xc3\xa9"), "ok \xc3\xa9");
  EXPECT_FALSE(IsValidUtf8("\xed\xa0\x80"));  // a lone surrogate
}
