#pragma once
// Check digits of the Brazilian tax numbers: CNPJ (companies, 14 digits) and CPF (people,
// 11 digits). The messages are empty for a valid number and a short reason otherwise.
// Dots, slashes, dashes and blanks of the printed forms are allowed and ignored.
#include <string>
#include <string_view>

namespace platform {

std::string MensagemValidacaoCNPJ(std::string_view cnpj);
std::string MensagemValidacaoCPF(std::string_view cpf);
inline bool CNPJValido(std::string_view cnpj) { return MensagemValidacaoCNPJ(cnpj).empty(); }
inline bool CPFValido(std::string_view cpf) { return MensagemValidacaoCPF(cpf).empty(); }

}  // namespace platform
