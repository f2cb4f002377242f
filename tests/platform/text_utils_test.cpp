#include "platform/text_utils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

using namespace platform;

TEST(TextUtils, RemoverAcentosKeepsOnlyAsciiAndPlainLetters) {
  const std::pair<const char*, const char*> cases[] = {
      {"Ação Çãé ÜÑ àçñ", "Acao Cae UN acn"},
      {"ÀÁÂÃÄÅ ÈÉÊË ÌÍÎÏ ÒÓÔÕÖØ ÙÚÛÜ Ýÿ", "AAAAAA EEEE IIII OOOOOO UUUU Yy"},
      {"ĂąĆčĎđĘěĞħİĽłŃňŐŘšŢŧŮűŽż", "AaCcDdEeGhILlNnORsTtUuZz"},
      // Not accented letters: ordinal indicators, ligatures, sharp s, eth, thorn, dotless i,
      // long s and signs become blanks.
      {"Nº 5, 1ª", "N  5, 1 "},
      {"ßÆæŒœĲÐðÞþıſ×÷", "              "},
      {"a\tb\x01"
       "c\b\r\n€",
       "a b c\b\r\n "},
      {"caf\xe9", "cafe"},  // Windows-1252 byte
      {"日本", "  "},
      {"", ""},
  };
  for (auto [in, want] : cases) EXPECT_EQ(RemoverAcentos(in), want) << in;
}

TEST(TextUtils, DigitsPaddingAndUtf8Declaration) {
  EXPECT_EQ(SomenteDigitos("12.345.678/0001-95"), "12345678000195");
  EXPECT_EQ(SomenteDigitos("abc"), "");
  EXPECT_TRUE(TemSomenteDigitos("0123"));
  EXPECT_FALSE(TemSomenteDigitos(""));
  EXPECT_FALSE(TemSomenteDigitos("12 3"));

  EXPECT_EQ(InteiroComZeros(7, 5), "00007");
  EXPECT_EQ(InteiroComZeros(1234567, 5), "12345");  // a longer number keeps its first digits
  EXPECT_EQ(InteiroComZeros(-7, 3), "-007");
  EXPECT_EQ(InteiroComZeros(std::numeric_limits<std::int64_t>::min(), 0), "-9223372036854775808");

  EXPECT_EQ(Utf8Length("ação"), 4u);
  EXPECT_EQ(Utf8Length("a\xe9"), 2u);
  EXPECT_EQ(PadLeft("é", 3), "00é");
  EXPECT_EQ(PadLeft("1234", 3), "1234");

  EXPECT_TRUE(DeclaraUTF8("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"));
  EXPECT_TRUE(DeclaraUTF8("<?xml version='1.0' ENCODING='utf-8'?>"));
  EXPECT_FALSE(DeclaraUTF8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>utf-8</a>"));
  EXPECT_FALSE(DeclaraUTF8("<a>utf-8 encoding</a>"));
  // Only the first 50 characters count.
  EXPECT_FALSE(DeclaraUTF8("<?xml version=\"1.0\"                   encoding=\"UTF-8\"?>"));
  EXPECT_FALSE(DeclaraUTF8(""));
}
