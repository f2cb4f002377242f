#pragma once
// Hexadecimal text of bytes, and the value of a digit.
#include <string>
#include <string_view>

namespace platform {

// Two upper-case digits a byte, in byte order.
std::string BytesToHex(std::string_view bytes);
// The value of one hexadecimal digit, either letter case; -1 for any other character.
int HexDigitValue(char c);

}  // namespace platform
