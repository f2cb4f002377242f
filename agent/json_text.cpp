#include "agent/json_text.h"

#include <string>

namespace agent {

nlohmann::json ParseJsonText(std::string_view text) {
  return nlohmann::json::parse(text, [](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
    if (depth > kMaxJsonDepth)
      throw std::runtime_error("JSON nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
    return true;
  });
}

}  // namespace agent
