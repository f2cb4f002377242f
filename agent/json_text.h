#pragma once
// Parsing JSON that comes from outside the process. Its shape is bounded before anything is
// built: a frame of a few megabytes of "[" would otherwise take gigabytes and minutes, and a
// reply of millions of tiny values many times its own size in memory.
#include <cstddef>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string_view>

namespace agent {

// Deeper than any request, token or batch the agent reads.
constexpr int kMaxJsonDepth = 64;
// Strings, containers and separators: room for some hundred thousand events in one reply,
// while the parsed form of the worst text stays within a few hundred MiB.
constexpr std::size_t kMaxJsonValues = std::size_t{1} << 23;

// Throws nlohmann::json::exception for malformed text and std::runtime_error for nesting
// deeper than kMaxJsonDepth or more than kMaxJsonValues values. Takes time linear in the text.
nlohmann::json ParseJsonText(std::string_view text);

}  // namespace agent
