#pragma once
// Text helpers over UTF-8 std::string. Positions are 1-based, as the callers count them;
// every cut clamps to the text instead of throwing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Count characters (bytes) from 1-based position index; out-of-range parts are clamped away.
std::string Copy(std::string_view s, long long index, long long count);
// 1-based position of sub in s at or after start (1-based); 0 when absent.
std::size_t Pos(std::string_view sub, std::string_view s, std::size_t start = 1);

std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string UpperCase(std::string_view s);  // ASCII letters only
std::string LowerCase(std::string_view s);  // ASCII letters only
bool SameText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view s);
bool EndsText(std::string_view suffix, std::string_view s);
bool ContainsText(std::string_view s, std::string_view sub);

// Replaces every occurrence (or only the first) of from by to; ignoreCase compares ASCII letters.
std::string StringReplace(std::string_view s, std::string_view from, std::string_view to, bool all = true,
                          bool ignoreCase = false);
std::vector<std::string> Split(std::string_view s, char sep);
std::string Join(const std::vector<std::string>& parts, std::string_view sep);

// Whole-text integer parsing: optional sign, decimal digits, nothing else.
bool TryStrToInt64(std::string_view s, std::int64_t& out);
std::int64_t StrToInt64Def(std::string_view s, std::int64_t def);
int StrToIntDef(std::string_view s, int def);

}  // namespace platform
