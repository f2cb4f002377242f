#include "platform/tax_numbers.h"

#include <vector>

#include "platform/strings.h"

namespace platform {

namespace {

// Modulus-11 check digit of the digits over the given weights: a remainder below 2 gives 0.
char CheckDigit(std::string_view digits, const std::vector<int>& weights) {
  int sum = 0;
  for (std::size_t i = 0; i < weights.size(); ++i) sum += (digits[i] - '0') * weights[i];
  int r = sum % 11;
  return static_cast<char>('0' + (r < 2 ? 0 : 11 - r));
}

std::string Validate(std::string_view text, std::string_view name, std::size_t length, const std::vector<int>& first,
                     const std::vector<int>& second) {
  std::string n(name);
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9')
      digits += c;
    else if (c != '.' && c != '/' && c != '-' && c != ' ')
      return n + " deve conter apenas dígitos";
  }
  if (digits.empty()) return n + " não informado";
  if (digits.size() != length) return n + " deve ter " + std::to_string(length) + " dígitos";
  // Repeated digits pass the arithmetic but are never issued.
  if (digits.find_first_not_of(digits[0]) == std::string::npos) return n + " inválido";
  if (CheckDigit(digits, first) != digits[length - 2] || CheckDigit(digits, second) != digits[length - 1])
    return "Dígito verificador do " + n + " inválido";
  return {};
}

}  // namespace

std::string MensagemValidacaoCNPJ(std::string_view cnpj) {
  static const std::vector<int> first{5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  static const std::vector<int> second{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
  return Validate(cnpj, "CNPJ", 14, first, second);
}

std::string MensagemValidacaoCPF(std::string_view cpf) {
  static const std::vector<int> first{10, 9, 8, 7, 6, 5, 4, 3, 2};
  static const std::vector<int> second{11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
  return Validate(cpf, "CPF", 11, first, second);
}

}  // namespace platform
