#include "platform/text_utils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/date_text.h"
#include "platform/number_text.h"
#include "platform/tax_numbers.h"
#include "platform/text_file.h"
#include "platform/variant.h"

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

TEST(TaxNumbers, CheckDigitsAndMessages) {
  struct Case {
    const char* number;
    bool cnpj;
    const char* message;
  };
  const Case cases[] = {
      {"11222333000181", true, ""},
      {"11.222.333/0001-81", true, ""},
      {"11222333000182", true, "Dígito verificador do CNPJ inválido"},
      {"11222333000191", true, "Dígito verificador do CNPJ inválido"},
      {"1122233300018", true, "CNPJ deve ter 14 dígitos"},
      {"", true, "CNPJ não informado"},
      {"11222333000A81", true, "CNPJ deve conter apenas dígitos"},
      {"00000000000000", true, "CNPJ inválido"},
      {"12345678909", false, ""},
      {"529.982.247-25", false, ""},
      {"00000000191", false, ""},
      {"12345678900", false, "Dígito verificador do CPF inválido"},
      {"11111111111", false, "CPF inválido"},
      {"123", false, "CPF deve ter 11 dígitos"},
  };
  for (const auto& c : cases) {
    std::string got = c.cnpj ? MensagemValidacaoCNPJ(c.number) : MensagemValidacaoCPF(c.number);
    EXPECT_EQ(got, c.message) << c.number;
  }
  EXPECT_TRUE(CNPJValido("11222333000181"));
  EXPECT_FALSE(CPFValido("11222333000181"));
}

TEST(NumberText, FixedRoundsHalvesAwayOnShortestForm) {
  struct Case {
    double v;
    int n;
    char sep;
    const char* want;
  };
  const Case cases[] = {
      {1234.5, 2, '.', "1234.50"},
      {2.675, 2, '.', "2.68"},
      {-2.675, 2, '.', "-2.68"},
      {0.125, 2, ',', "0,13"},
      {9.995, 2, '.', "10.00"},
      {-0.001, 2, '.', "0.00"},
      {3, 0, '.', "3"},
      {1e20, 1, '.', "100000000000000000000.0"},
      {0.1, 10, '.', "0.1000000000"},
  };
  for (const auto& c : cases) {
    std::string out;
    ASSERT_TRUE(TryFormatFixed(c.v, c.n, c.sep, out)) << c.v;
    EXPECT_EQ(out, c.want) << c.v;
  }
  std::string out;
  EXPECT_FALSE(TryFormatFixed(std::numeric_limits<double>::infinity(), 2, '.', out));

  double d = 0;
  EXPECT_TRUE(TryTextToFloat(" 2,5 ", d));
  EXPECT_EQ(d, 2.5);
  EXPECT_TRUE(TryTextToFloat("-.5", d));
  EXPECT_EQ(d, -0.5);
  for (const char* bad : {"", "abc", "1.2.3", "1,2.3", "inf", "nan", "1e999", "1x"})
    EXPECT_FALSE(TryTextToFloat(bad, d)) << bad;
  EXPECT_EQ(FloatToText(2.5), "2.5");
  EXPECT_EQ(FloatToText(3.0), "3");
}

TEST(DateText, ReadsByPositionAndRaisesOnBadParts) {
  auto p = DecodeDateTime(TextoParaDataHoraComFormato("05/03/2024 14:07:09", "dd/mm/yyyy hh:nn:ss"));
  EXPECT_EQ(p.year, 2024);
  EXPECT_EQ(p.month, 3);
  EXPECT_EQ(p.day, 5);
  EXPECT_EQ(p.hour, 14);
  EXPECT_EQ(p.minute, 7);
  EXPECT_EQ(p.second, 9);
  // Separators are positions, not checked; a trailing zone is ignored.
  EXPECT_EQ(TextoParaDataHoraComFormato("2024x03x05-03:00", "yyyy-mm-dd"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(TextoParaDataHoraComFormato("12:30", "hh:mm"), EncodeTime(12, 30, 0, 0));
  for (const char* bad : {"2024-02-30", "2024-3-5", "", "2024-03"})
    EXPECT_THROW(TextoParaDataHoraComFormato(bad, "yyyy-mm-dd"), EConvertError) << bad;
}

TEST(VariantValue, ConvertsOnDemand) {
  EXPECT_EQ(Variant().AsString(), "");
  EXPECT_EQ(Variant(7).AsString(), "7");
  EXPECT_EQ(Variant(2.5).AsString(), "2.5");
  EXPECT_EQ(Variant(true).AsString(), "True");
  EXPECT_EQ(Variant('S').AsString(), "S");
  EXPECT_EQ(Variant::FromDateTime(EncodeDate(2024, 3, 5)).AsString(), "05/03/2024");
  EXPECT_EQ(Variant::FromDateTime(EncodeDateTime({2024, 3, 5, 14, 7, 9, 0})).AsString(), "05/03/2024 14:07:09");
  EXPECT_EQ(Variant(" 15 ").AsInteger(), 15);
  EXPECT_EQ(Variant(2.5).AsInt64(), 3);
  EXPECT_EQ(Variant("2,5").AsFloat(), 2.5);
  EXPECT_EQ(Variant("2024-03-05").AsDateTime(), EncodeDate(2024, 3, 5));
  EXPECT_EQ(Variant("05/03/2024 14:07").AsDateTime(), EncodeDateTime({2024, 3, 5, 14, 7, 0, 0}));
  EXPECT_TRUE(Variant("TRUE").AsBoolean());
  EXPECT_FALSE(Variant("0").AsBoolean());
  EXPECT_THROW(Variant("abc").AsInteger(), EConvertError);
  EXPECT_THROW(Variant("3000000000").AsInteger(), EConvertError);
  EXPECT_THROW(Variant("abc").AsFloat(), EConvertError);
  EXPECT_THROW(Variant("").AsDateTime(), EConvertError);
  EXPECT_THROW(Variant("2024-13-01").AsDateTime(), EConvertError);
  EXPECT_THROW(Variant(1e300).AsDateTime(), EConvertError);
  EXPECT_THROW(Variant("maybe").AsBoolean(), EConvertError);
}

TEST(TextFile, ByteOrderMarksAndCrLfLines) {
  EXPECT_EQ(TextBytesToCrLfLines("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(TextBytesToCrLfLines("\xEF\xBB\xBF"
                                 "é\n"),
            "é\r\n");
  EXPECT_EQ(TextBytesToCrLfLines(std::string("\xFF\xFE"
                                             "a\0\xE9\0",
                                             6)),
            "aé\r\n");
  EXPECT_EQ(TextBytesToCrLfLines(std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00", 8)), "a\xF0\x9F\x98\x80\r\n");
  EXPECT_EQ(TextBytesToCrLfLines("caf\xe9"), "café\r\n");
  EXPECT_EQ(TextBytesToCrLfLines(""), "");
  EXPECT_THROW(LoadTextFileCrLf("/nonexistent/file.xml"), std::runtime_error);
}
