#pragma once
// The XML declaration of a document text: the one written in front of UTF-8 documents, and
// finding or removing the one a text has.
#include <string>
#include <string_view>

namespace dfe {

inline constexpr char kDeclaracaoUTF8[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// The first XML declaration ("<?" to the next "?>"), or empty when the text has none.
std::string ObterDeclaracaoXML(std::string_view xml);
// The text with its first XML declaration removed.
std::string RemoverDeclaracaoXML(std::string_view xml);
// The declaration the text starts with ("<?xml" to the next "?>"), or empty.
std::string DeclaracaoInicial(std::string_view xml);
// The text without the declaration it starts with.
std::string SemDeclaracaoInicial(std::string_view xml);

}  // namespace dfe
