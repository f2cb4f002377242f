#pragma once
// Cyclic XOR masking of bytes, used to keep passwords out of memory in clear.
#include <string>
#include <string_view>

namespace platform {

// Each byte is XORed with the key byte at the same position modulo the key length; a byte
// equal to its key byte is kept as it is. An empty key leaves the bytes unchanged.
std::string XorComChaveCiclica(std::string_view bytes, std::string_view key);

}  // namespace platform
