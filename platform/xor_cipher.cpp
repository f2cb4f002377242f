#include "platform/xor_cipher.h"

namespace platform {

std::string XorComChaveCiclica(std::string_view bytes, std::string_view key) {
  std::string out(bytes);
  if (key.empty()) return out;
  for (std::size_t i = 0; i < out.size(); ++i) {
    char k = key[i % key.size()];
    if (out[i] != k) out[i] = static_cast<char>(out[i] ^ k);
  }
  return out;
}

}  // namespace platform
