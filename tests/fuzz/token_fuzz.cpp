// Feeds arbitrary tokens, and arbitrary payloads inside a well-formed token, to the token
// reader: it gives a slug without control characters or raises "Invalid token", nothing else.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "agent/token_helper.h"
#include "platform/base64.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

void readSlug(const std::string& token) {
  agent::TTokenHelper helper(token);
  try {
    const std::string& slug = helper.Slug();
    for (unsigned char c : slug) check(c >= 0x20 && c != 0x7F);
    check(&helper.Slug() == &slug);  // read once
  } catch (const std::runtime_error& e) {
    check(std::string(e.what()) == "Invalid token");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      readSlug(rest);
      break;
    case 1:
      readSlug("h." + platform::Base64Encode(rest, true, false) + ".s");
      break;
    default:
      readSlug("h." + platform::Base64Encode(rest) + ".s");
      break;
  }
  return 0;
}
