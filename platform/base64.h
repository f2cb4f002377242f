#pragma once
// Base64 in both alphabets. Decoding accepts either alphabet, with or without padding,
// and ignores line breaks and blanks.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::string Base64Encode(std::string_view bytes, bool url = false, bool pad = true);
// Empty optional when the text holds anything but the alphabets, blanks and trailing '='.
std::optional<std::string> Base64Decode(std::string_view text);

}  // namespace platform
