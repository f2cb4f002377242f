#include "platform/strings.h"

#include <gtest/gtest.h>

#include <cstdint>

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
