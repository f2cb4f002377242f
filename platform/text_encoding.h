#pragma once
// Text is UTF-8 everywhere. Bytes that are not valid UTF-8 (an old file, a numeric
// character reference to a single byte) are taken as Windows-1252 so that nothing is lost.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

bool IsValidUtf8(std::string_view s);
// s unchanged when valid UTF-8; otherwise every byte of an invalid sequence becomes the
// UTF-8 form of its Windows-1252 character.
std::string EnsureUtf8(std::string_view s);
// The longest start of s of at most maxBytes bytes that does not end inside a UTF-8 sequence.
std::string_view Utf8Prefix(std::string_view s, std::size_t maxBytes);
// UTF-8 form of one code point (invalid code points give U+FFFD).
std::string CodePointToUtf8(std::uint32_t cp);
// UTF-8 form of one Windows-1252 byte.
std::string Win1252ByteToUtf8(unsigned char b);

// A C0 control character or DEL.
bool IsControlChar(unsigned char c);
// s holds a C0 control character or DEL.
bool HasControlChar(std::string_view s);
// s holds the UTF-8 form of a C1 control character (U+0080 to U+009F).
bool HasC1ControlChar(std::string_view s);

}  // namespace platform
