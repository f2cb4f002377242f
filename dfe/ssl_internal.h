#pragma once
// Helpers shared by the facade's units; not part of its interface.
#include <string>
#include <string_view>

namespace dfe::detail {

std::string SomenteDigitos(std::string_view s);
bool CNPJValido(std::string_view cnpj);
bool CPFValido(std::string_view cpf);
// Within its first 50 characters, lower-cased, the text names "encoding" before "utf-8".
bool XmlDeclaraUTF8(std::string_view xml);
// The first XML declaration ("<?" to the next "?>"), or empty when the text has none.
std::string ObterDeclaracaoXML(std::string_view xml);
// The text with its first XML declaration removed.
std::string RemoverDeclaracaoXML(std::string_view xml);

}  // namespace dfe::detail
