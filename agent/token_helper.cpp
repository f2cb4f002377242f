#include "agent/token_helper.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>

#include "agent/json_text.h"
#include "platform/base64.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"

namespace agent {

namespace {

std::optional<std::string> ReadSlug(const std::string& token) {
  if (token.empty() || platform::HasControlChar(token)) return std::nullopt;
  auto parts = platform::Split(token, '.');
  if (parts.size() != 3) return std::nullopt;
  std::string payload = parts[1];
  // "=" ends the data.
  if (auto eq = payload.find('='); eq != std::string::npos) payload.resize(eq);
  if (payload.empty()) return std::nullopt;
  auto bytes = platform::Base64Decode(payload);
  if (!bytes) return std::nullopt;
  nlohmann::json json;
  try {
    json = ParseJsonText(*bytes);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (!json.is_object()) return std::nullopt;
  auto empresa = json.find("empresa");
  if (empresa == json.end() || !empresa->is_object()) return std::nullopt;
  auto slug = empresa->find("slug");
  if (slug == empresa->end() || !slug->is_string()) return std::nullopt;
  std::string value = slug->get<std::string>();
  if (platform::HasControlChar(value)) return std::nullopt;
  return value;
}

}  // namespace

const std::string& TTokenHelper::Slug() {
  if (!FTokenReaded) {
    auto slug = ReadSlug(FToken);
    if (!slug) throw std::runtime_error("Invalid token");
    FSlug = std::move(*slug);
    FTokenReaded = true;
  }
  return FSlug;
}

}  // namespace agent
