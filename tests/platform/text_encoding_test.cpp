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

// Walking the text byte by byte gives what EnsureUtf8 makes of it, whatever it holds.
TEST(TextEncoding, TheIteratorGivesTheEnsuredText) {
  for (const std::string text : {"", "plain", "a\xc3\xa7\xc3\xa3o", "a\xe7\xe3o", "\x80 \x93x\x94 \x9c", "\xc3\xa9\xe9",
                                 "fim \xc3", "\xed\xa0\x80", "\xf0\x9f\x98\x80\xff"}) {
    const std::string made(EnsuredUtf8Iterator(text, 0), EnsuredUtf8Iterator(text, text.size()));
    EXPECT_EQ(made, EnsureUtf8(text)) << text;
  }
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

TEST(TextEncoding, ControlCharacters) {
  for (unsigned char c : {0x00, 0x09, 0x1F, 0x7F}) EXPECT_TRUE(IsControlChar(c)) << int(c);
  for (unsigned char c : {0x20, 0x7E, 0x80, 0xC2}) EXPECT_FALSE(IsControlChar(c)) << int(c);
  EXPECT_TRUE(HasControlChar(std::string("a\0b", 3)));
  EXPECT_TRUE(HasControlChar("a\x7f"));
  EXPECT_FALSE(HasControlChar("a b \xc2\x85"));
  EXPECT_TRUE(HasC1ControlChar("a\xc2\x80"));
  EXPECT_TRUE(HasC1ControlChar("\xc2\x9f"));
  EXPECT_FALSE(HasC1ControlChar("\xc2\xa0"));  // no-break space
  EXPECT_FALSE(HasC1ControlChar("a\xc2"));     // cut short
  EXPECT_FALSE(HasC1ControlChar("\x85"));      // the Windows-1252 byte, no UTF-8
}
