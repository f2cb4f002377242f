#include "platform/text_utils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace platform;

TEST(TextUtils, RemoverAcentosKeepsAsciiAndLineBreaks) {
  EXPECT_EQ(RemoverAcentos("Ação Çãé ÜÑ àçñ"), "Acao Cae UN acn");
  EXPECT_EQ(RemoverAcentos("Nº 5, 1ª"), "No 5, 1a");
  EXPECT_EQ(RemoverAcentos("a\tb\x01"
                           "c\b\r\n€"),
            "a b c\b\r\n ");
  EXPECT_EQ(RemoverAcentos("caf\xe9"), "cafe");  // Windows-1252 byte
  EXPECT_EQ(RemoverAcentos("日本"), "  ");
  EXPECT_EQ(RemoverAcentos(""), "");
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
