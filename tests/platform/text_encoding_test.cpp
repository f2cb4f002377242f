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

TEST(TextEncoding, Utf8PrefixNeverSplitsACharacter) {
  const std::string euro = "\xe2\x82\xac", smile = "\xf0\x9f\x98\x80";
  struct Case {
    std::string text;
    std::size_t max;
    std::string prefix;
  } cases[] = {
      {"abc", 5, "abc"},
      {"abc", 2, "ab"},
      {"a" + euro, 3, "a"},
      {"a" + euro, 4, "a" + euro},
      {smile + "b", 1, ""},
      {smile + "b", 4, smile},
      {"ab" + std::string(6, '\xa9'), 7, "ab\xa9\xa9"},  // stray continuation bytes: no walk past three
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8Prefix(c.text, c.max), c.prefix) << c.text << " " << c.max;
}
