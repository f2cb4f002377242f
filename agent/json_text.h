#pragma once
// Parsing JSON that comes from outside the process. Its shape is bounded before anything is
// built: a frame of a few megabytes of "[" would otherwise take gigabytes and minutes, and a
// reply of millions of tiny values many times its own size in memory.
#include <cstddef>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string_view>

#include "platform/text_encoding.h"

namespace agent {

// Deeper than any request, token or batch the agent reads.
constexpr int kMaxJsonDepth = 64;
// Strings, containers and separators: room for some hundred thousand events in one reply,
// while the parsed form of the worst text stays within a few hundred MiB.
constexpr std::size_t kMaxJsonValues = std::size_t{1} << 23;

// Throws nlohmann::json::exception for malformed text and EJsonShape for nesting
// deeper than kMaxJsonDepth or more than kMaxJsonValues values. Takes time linear in the text.
nlohmann::json ParseJsonText(std::string_view text);

// A text nested deeper than kMaxJsonDepth or holding more than kMaxJsonValues values.
class EJsonShape : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The shape check of ParseJsonText alone: EJsonShape for nesting deeper than kMaxJsonDepth or
// more than kMaxJsonValues values. Bytes above 0x7F do not count, so the check
// holds for the text read as UTF-8 or as Windows-1252 alike.
void CheckJsonShape(std::string_view text);

// Runs a SAX handler (nlohmann's interface) over the text, which is not copied: bytes that are
// not UTF-8 are read as Windows-1252 as the parser meets them. The handler's exceptions pass
// out; malformed text throws nlohmann::json::parse_error if the handler's parse_error does.
// No shape check: call CheckJsonShape first.
template <class Sax>
void ParseJsonSax(std::string_view text, Sax& sax) {
  if (platform::IsValidUtf8(text)) {
    nlohmann::json::sax_parse(text.data(), text.data() + text.size(), &sax);
  } else {
    nlohmann::json::sax_parse(platform::EnsuredUtf8Iterator(text, 0), platform::EnsuredUtf8Iterator(text, text.size()),
                              &sax);
  }
}

}  // namespace agent
