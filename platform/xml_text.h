#pragma once
// XML text helpers of the component pack that work on the text alone, without parsing.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The content of the first element named Tag, the name compared without regard to letter
// case: from after the ">" that ends its start tag up to its first closing tag "</Tag>".
// With ComTags, the element from its start tag through the end of that closing tag. A start
// tag counts only when a blank, a line break or ">" follows the name. Empty when the element
// or its closing tag is missing.
std::string ExtrairConteudoTag(std::string_view Texto, std::string_view Tag, bool ComTags = false);

// Where ExtrairConteudoTag finds the element: its start tag's "<", its content's first
// character, its closing tag's "<" and the first character after that closing tag.
struct TPosicaoTag {
  std::size_t Inicio, InicioConteudo, FimConteudo, Fim;
};
std::optional<TPosicaoTag> PosicaoTag(std::string_view Texto, std::string_view Tag);

// The namespace of the element whose start tag begins at Posicao, as the declarations in scope
// there (its own, then those of the elements still open around it) give it: empty for none.
// No value when no start tag begins there (Posicao inside a comment, a CDATA section, an
// attribute value or text) or its prefix is declared nowhere. One pass up to Posicao; an end
// tag closes the innermost open element only when it names that element.
std::optional<std::string> NameSpaceNaPosicao(std::string_view Texto, std::size_t Posicao);

// The 0-based positions, in order, where Nome (such as `Id="`) stands inside a start tag:
// text content, comments, CDATA sections, processing instructions, declarations, end tags and
// quoted attribute values are skipped, so only attribute names (and element names) match.
std::vector<std::size_t> PosicoesEmTagsDeAbertura(std::string_view Texto, std::string_view Nome);

// The text as XML character data or attribute value: "&", "<", ">", the double quote and
// the apostrophe become "&amp;", "&lt;", "&gt;", "&quot;" and "&#39;"; control characters below
// the blank other than tab, CR and LF are dropped; nothing else changes.
std::string EscaparTextoXml(std::string_view Texto);

}  // namespace platform
