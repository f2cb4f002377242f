#include <gtest/gtest.h>

#include "platform/base64.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

using namespace platform;

TEST(Strings, CopyClampsInsteadOfThrowing) {
  struct Case {
    const char* s;
    long long index, count;
    const char* want;
  };
  const Case cases[] = {
      {"abcdef", 2, 3, "bcd"}, {"abcdef", 0, 2, "ab"}, {"abcdef", -5, 2, "ab"}, {"abcdef", 5, 99, "ef"},
      {"abcdef", 7, 1, ""},    {"abcdef", 3, 0, ""},   {"abcdef", 3, -1, ""},   {"", 1, 1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Copy(c.s, c.index, c.count), c.want) << c.s << " " << c.index;
}

TEST(Strings, PosTrimCaseAndReplace) {
  EXPECT_EQ(Pos("cd", "abcdcd"), 3u);
  EXPECT_EQ(Pos("cd", "abcdcd", 4), 5u);
  EXPECT_EQ(Pos("x", "abc"), 0u);
  EXPECT_EQ(Pos("a", "abc", 9), 0u);
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_TRUE(SameText("eSocial", "ESOCIAL"));
  EXPECT_FALSE(SameText("eSocial", "eSocia"));
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", true, true), "a-b-c");
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", true, false), "aXb-c");
  EXPECT_EQ(StringReplace("xx", "x", "yx", false), "yxx");
  EXPECT_EQ(Split("a..b", '.'), (std::vector<std::string>{"a", "", "b"}));
}

TEST(Strings, WholeTextIntegers) {
  std::int64_t v = 0;
  EXPECT_TRUE(TryStrToInt64("-15", v));
  EXPECT_EQ(v, -15);
  EXPECT_TRUE(TryStrToInt64("+7", v));
  EXPECT_EQ(v, 7);
  for (const char* bad : {"", "+", "-", "+-1", "1x", " 1", "99999999999999999999"})
    EXPECT_FALSE(TryStrToInt64(bad, v)) << bad;
  EXPECT_EQ(StrToIntDef("3000000000", -1), -1);
}

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
