#include "agent/native_messaging.h"

#include <array>
#include <nlohmann/json.hpp>

#include "agent/json_text.h"
#include "platform/json_writer.h"
#include "platform/text_encoding.h"

namespace agent {

std::string Utf8WithReplacement(std::string_view s) {
  static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    std::uint32_t cp = 0, min = 0;
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4, cp = c & 0x07, min = 0x10000;
    }
    bool ok = len > 0 && i + len <= s.size();
    for (std::size_t k = 1; ok && k < len; ++k) {
      unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    ok = ok && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (ok) {
      out.append(s.substr(i, len));
      i += len;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

namespace {

void ReadText(const nlohmann::json& obj, const char* name, std::string& field) {
  auto it = obj.find(name);
  if (it == obj.end()) return;
  if (!it->is_string()) throw EAppMessageParse(std::string("member \"") + name + "\" is not a string");
  field = it->get<std::string>();
}

void CheckLength(const char* name, const std::string& field) {
  if (field.size() > kMaxCommandTextLength)
    throw EAppMessageParse(std::string("member \"") + name + "\" is longer than " +
                           std::to_string(kMaxCommandTextLength) + " bytes");
}

// The longest start of text (valid UTF-8) whose escaped form takes at most room bytes.
std::string_view EscapedPrefix(std::string_view text, std::size_t room) {
  static const auto asciiCost = [] {
    std::array<std::size_t, 128> cost{};
    for (std::size_t c = 0; c < cost.size(); ++c) cost[c] = platform::JsonEscape(std::string(1, char(c))).size();
    return cost;
  }();
  std::size_t used = 0, i = 0;
  while (i < text.size()) {
    auto c = static_cast<unsigned char>(text[i]);
    std::size_t len = 1;
    if (c >= 0x80)
      while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80) ++len;
    std::size_t cost = c < 0x80 ? asciiCost[c] : len;
    if (used + cost > room) break;
    used += cost;
    i += len;
  }
  return text.substr(0, i);
}

std::string ReplyJson(const THostMessage& m, std::string_view description) {
  platform::JsonWriter w;
  w.BeginObject()
      .Key("command_id")
      .String(Utf8WithReplacement(m.command_id))
      .Key("success")
      .Bool(m.success)
      .Key("message")
      .String(Utf8WithReplacement(m.message))
      .Key("description")
      .String(description)
      .EndObject();
  return w.Text();
}

}  // namespace

std::optional<TAppMessage> ParseAppMessage(std::string_view body) {
  nlohmann::json j;
  try {
    j = ParseJsonText(Utf8WithReplacement(body));
  } catch (const std::exception& e) {
    throw EAppMessageParse(e.what());
  }
  if (j.is_null()) return std::nullopt;
  if (!j.is_object()) throw EAppMessageParse("JSON value is not an object");
  TAppMessage m;
  ReadText(j, "command_id", m.command_id);
  ReadText(j, "command_type", m.command_type);
  ReadText(j, "token", m.token);
  CheckLength("command_id", m.command_id);
  CheckLength("command_type", m.command_type);
  if (auto it = j.find("protocolo"); it != j.end() && !it->is_null()) {
    if (!it->is_string()) throw EAppMessageParse("member \"protocolo\" is not a string");
    m.protocolo = it->get<std::string>();
  }
  return m;
}

std::string HostMessageJson(const THostMessage& m) {
  // Bytes past the limit can never be sent, so a huge description is not copied whole.
  std::string description = Utf8WithReplacement(platform::Utf8Prefix(m.description, kMaxReplyLength));
  std::string reply = ReplyJson(m, description);
  if (reply.size() <= kMaxReplyLength) return reply;
  std::size_t fixed = ReplyJson(m, "").size();
  std::size_t room = fixed < kMaxReplyLength ? kMaxReplyLength - fixed : 0;
  return ReplyJson(m, EscapedPrefix(description, room));
}

std::string BuildHostMessage(const std::string& commandId, bool success, const std::string& message,
                             const std::string& description) {
  return HostMessageJson(THostMessage{commandId, success, message, description});
}

std::string BuildErrorHostMessage(const std::string& commandId, const std::string& message,
                                  const std::string& description) {
  return BuildHostMessage(commandId, false, message, description);
}

}  // namespace agent
