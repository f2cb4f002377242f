#include "agent/json_text.h"

#include <string>

namespace agent {

// One pass over the text as the parser sees its structure (string contents skipped). Where
// the text is malformed the parser stops there, so it never goes deeper than this pass saw.
void CheckJsonShape(std::string_view text) {
  int depth = 0;
  std::size_t values = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
      continue;
    }
    switch (c) {
      case '[':
      case '{':
        if (++depth > kMaxJsonDepth)
          throw EJsonShape("JSON nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        break;
      case ']':
      case '}':
        --depth;
        continue;
      case '"':
        inString = true;
        break;
      case ',':
        break;
      default:
        continue;
    }
    if (++values > kMaxJsonValues)
      throw EJsonShape("JSON holds more than " + std::to_string(kMaxJsonValues) + " values");
  }
}

nlohmann::json ParseJsonText(std::string_view text) {
  CheckJsonShape(text);
  return nlohmann::json::parse(text);
}

}  // namespace agent
