// Feeds arbitrary reply bodies to what reads the API's replies: the batch reader and the error
// text of a refused reply. Nothing may crash or raise anything but a JSON or reader error; an
// error text is valid UTF-8 and no longer than a reply can carry.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "agent/dto_json.h"
#include "agent/json_text.h"
#include "agent/native_messaging.h"
#include "agent/xdata_client.h"
#include "platform/text_encoding.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string body(reinterpret_cast<const char*>(data), size);
  for (bool list : {false, true}) {
    try {
      agent::CheckJsonShape(body);
      agent::TDtoOwner owner;
      if (list)
        agent::TDtoJsonReader(owner).ReadLoteList(body);
      else
        agent::TDtoJsonReader(owner).ReadLote(body);
    } catch (const nlohmann::json::exception&) {
    } catch (const std::runtime_error&) {
    }
  }
  for (const char* type : {"application/json", "text/plain", "text/html"}) {
    platform::HttpResponse response{500, "Erro", type, body};
    std::string text = agent::XDataErrorText("https://api/x/", response);
    check(platform::IsValidUtf8(text));
    check(text.size() <= agent::kMaxReplyLength);
  }
  return 0;
}
