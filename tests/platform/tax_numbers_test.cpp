#include "platform/tax_numbers.h"

#include <gtest/gtest.h>

using namespace platform;

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
