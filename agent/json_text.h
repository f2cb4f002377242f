#pragma once
// Parsing JSON that comes from outside the process. Nesting is bounded before anything is
// built: a frame of a few megabytes of "[" would otherwise take gigabytes and minutes.
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string_view>

namespace agent {

// Deeper than any request, token or batch the agent reads.
constexpr int kMaxJsonDepth = 64;

// Throws nlohmann::json::exception for malformed text and std::runtime_error for nesting
// deeper than kMaxJsonDepth.
nlohmann::json ParseJsonText(std::string_view text);

}  // namespace agent
