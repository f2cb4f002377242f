// Feeds arbitrary bytes to the request parser and echoes what it read in a reply: nothing may
// crash or raise anything but the parser's own error, and every reply is valid UTF-8 JSON
// within the browsers' frame limit.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "agent/native_messaging.h"
#include "platform/text_encoding.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

void checkReply(const std::string& reply) {
  check(reply.size() <= agent::kMaxReplyLength);
  check(platform::IsValidUtf8(reply));
  check(nlohmann::json::accept(reply));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string body(reinterpret_cast<const char*>(data), size);
  try {
    auto request = agent::ParseAppMessage(body);
    if (request) {
      check(request->command_id.size() <= agent::kMaxCommandTextLength);
      check(request->command_type.size() <= agent::kMaxCommandTextLength);
      checkReply(agent::BuildHostMessage(request->command_id, false, request->command_type,
                                         request->protocolo.value_or(request->token)));
    }
  } catch (const agent::EAppMessageParse& e) {
    checkReply(agent::BuildErrorHostMessage("", "Mensagem inválida", e.what()));
  }
  // The body itself as a description: any bytes, any length.
  checkReply(agent::BuildHostMessage(std::string(body, 0, 64), true, "m", body));
  return 0;
}
