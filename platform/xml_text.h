#pragma once
// XML text helpers of the component pack that work on the text alone, without parsing.
#include <string>
#include <string_view>

namespace platform {

// The content of the first element named Tag, the name compared without regard to letter
// case: from after the ">" that ends its start tag up to its first closing tag "</Tag>".
// With ComTags, the element from its start tag through the end of that closing tag. A start
// tag counts only when a blank, a line break or ">" follows the name. Empty when the element
// or its closing tag is missing.
std::string ExtrairConteudoTag(std::string_view Texto, std::string_view Tag, bool ComTags = false);

}  // namespace platform
