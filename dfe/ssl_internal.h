#pragma once
// Helpers shared by the facade's units; not part of its interface.
#include <string>
#include <string_view>

namespace dfe::detail {

// The first XML declaration ("<?" to the next "?>"), or empty when the text has none.
std::string ObterDeclaracaoXML(std::string_view xml);
// The text with its first XML declaration removed.
std::string RemoverDeclaracaoXML(std::string_view xml);

}  // namespace dfe::detail
