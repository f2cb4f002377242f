#pragma once
// Text is UTF-8 everywhere. Bytes that are not valid UTF-8 (an old file, a numeric
// character reference to a single byte) are taken as Windows-1252 so that nothing is lost.
#include <cstddef>
#include <cstdint>
#include <iterator>
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
// One step of EnsureUtf8 at s[i] (i < s.size()): its UTF-8 bytes into out (room for 4) and their
// count into outLength; returns how many bytes of s it took.
std::size_t EnsuredUtf8Step(std::string_view s, std::size_t i, char* out, std::size_t& outLength);

// The bytes of EnsureUtf8(s) one by one, without making that text: for a reader that walks a
// large text once. A forward iterator over char; two iterators of one text compare equal when
// they stand at the same byte.
class EnsuredUtf8Iterator {
 public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  EnsuredUtf8Iterator() = default;
  // At position at of s (a sequence start, or s.size() for the end).
  EnsuredUtf8Iterator(std::string_view s, std::size_t at) : FText(s), FAt(at) { Load(); }
  reference operator*() const { return FBytes[FInBytes]; }
  EnsuredUtf8Iterator& operator++() {
    if (++FInBytes == FCount) {
      FAt += FTaken;
      Load();
    }
    return *this;
  }
  EnsuredUtf8Iterator operator++(int) {
    EnsuredUtf8Iterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const EnsuredUtf8Iterator& o) const { return FAt == o.FAt && FInBytes == o.FInBytes; }

 private:
  void Load() {
    FInBytes = 0;
    FCount = 0;
    FTaken = 0;
    if (FAt < FText.size()) FTaken = EnsuredUtf8Step(FText, FAt, FBytes, FCount);
  }

  std::string_view FText;
  std::size_t FAt = 0;
  std::size_t FTaken = 0;
  std::size_t FCount = 0;
  std::size_t FInBytes = 0;
  char FBytes[4] = {};
};

// A C0 control character or DEL.
bool IsControlChar(unsigned char c);
// s holds a C0 control character or DEL.
bool HasControlChar(std::string_view s);
// s holds the UTF-8 form of a C1 control character (U+0080 to U+009F).
bool HasC1ControlChar(std::string_view s);

}  // namespace platform
