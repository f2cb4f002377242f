#pragma once
// Reads the company slug from a bearer token's payload (the middle of its three
// dot-separated parts, Base64 or Base64URL JSON with empresa.slug). The signature is not
// checked; the token is passed on unchanged.
#include <string>

namespace agent {

class TTokenHelper {
 public:
  explicit TTokenHelper(std::string AToken) : FToken(std::move(AToken)) {}
  const std::string& Token() const { return FToken; }
  // Reads the token on first use; throws "Invalid token" when it cannot be read, or when
  // the token or the slug holds a control character (they travel in HTTP headers).
  const std::string& Slug();

 private:
  std::string FToken;
  std::string FSlug;
  bool FTokenReaded = false;
};

}  // namespace agent
