#pragma once
// Hexadecimal text of bytes.
#include <string>
#include <string_view>

namespace platform {

// Two upper-case digits a byte, in byte order.
std::string BytesToHex(std::string_view bytes);

}  // namespace platform
