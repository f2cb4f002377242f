#pragma once
// The request read from the browser and the reply written back, in their JSON forms.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace agent {

// The largest frame browsers accept from a host.
constexpr std::size_t kMaxReplyLength = 1024 * 1024;
// A command_id or command_type beyond this is no request of ours; both are echoed in replies.
constexpr std::size_t kMaxCommandTextLength = 1024;

struct TAppMessage {
  std::string command_id;
  std::string command_type;
  std::string token;
  std::optional<std::string> protocolo;
};

struct THostMessage {
  std::string command_id;
  bool success = false;
  std::string message;
  std::string description;
};

class EAppMessageParse : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes a request body. Invalid UTF-8 becomes U+FFFD first. The JSON literal null gives
// no value; anything that is not a readable request throws EAppMessageParse. Members are
// matched by exact name; others are ignored. A command_id or command_type longer than
// kMaxCommandTextLength bytes makes the request unreadable.
std::optional<TAppMessage> ParseAppMessage(std::string_view body);

// The reply's JSON. A description that would take the reply past kMaxReplyLength is cut
// short on a character boundary.
std::string HostMessageJson(const THostMessage& m);
std::string BuildHostMessage(const std::string& commandId, bool success, const std::string& message,
                             const std::string& description);
std::string BuildErrorHostMessage(const std::string& commandId, const std::string& message,
                                  const std::string& description);

// Every invalid UTF-8 sequence replaced by U+FFFD.
std::string Utf8WithReplacement(std::string_view bytes);

}  // namespace agent
