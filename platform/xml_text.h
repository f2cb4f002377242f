#pragma once
// XML text helpers of the component pack that work on the text alone, without parsing.
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

// The 0-based positions, in order, where Nome (such as `Id="`) stands inside a start tag:
// text content, comments, CDATA sections, processing instructions, declarations, end tags and
// quoted attribute values are skipped, so only attribute names (and element names) match.
std::vector<std::size_t> PosicoesEmTagsDeAbertura(std::string_view Texto, std::string_view Nome);

// The text as XML character data or attribute value: "&", "<", ">", the double quote and
// the apostrophe become "&amp;", "&lt;", "&gt;", "&quot;" and "&#39;"; control characters below
// the blank other than tab, CR and LF are dropped; nothing else changes.
std::string EscaparTextoXml(std::string_view Texto);

}  // namespace platform
