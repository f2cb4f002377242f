#include "agent/token_helper.h"

#include <gtest/gtest.h>

#include "platform/base64.h"

using agent::TTokenHelper;

namespace {

std::string Token(const std::string& payload, bool url = false, bool pad = true) {
  return "eyJhbGciOiJIUzI1NiJ9." + platform::Base64Encode(payload, url, pad) + ".c2lnbmF0dXJh";
}

TEST(TokenHelper, ReadsTheSlugFromEitherAlphabet) {
  // "?>" and "~" encode to "+" and "/" in standard Base64, to "-" and "_" in Base64URL.
  const std::string payload = R"({"empresa":{"slug":"acme-rh","nome":"?>~"},"exp":1})";
  for (const std::string& token :
       {Token(payload), Token(payload, true, false), Token(payload, true, true), Token(payload, false, false)}) {
    TTokenHelper t(token);
    EXPECT_EQ(t.Slug(), "acme-rh") << token;
    EXPECT_EQ(t.Token(), token);
  }
  ASSERT_NE(platform::Base64Encode(payload, true, false).find_first_of("-_"), std::string::npos);
}

TEST(TokenHelper, InvalidTokens) {
  const std::string good = R"({"empresa":{"slug":"acme"}})";
  const std::string parts = platform::Base64Encode(good);
  const std::string cases[] = {
      "",
      "a." + parts,                                // two parts
      "a." + parts + ".b.c",                       // four parts
      "a.!!!!.b",                                  // not Base64
      Token("not json"),                           // not JSON
      Token("[1,2]"),                              // not an object
      Token(R"({"slug":"acme"})"),                 // no "empresa"
      Token(R"({"empresa":"acme"})"),              // "empresa" not an object
      Token(R"({"empresa":{"nome":"acme"}})"),     // no "slug"
      Token(R"({"empresa":{"slug":7}})"),          // slug not a text
      Token(R"({"empresa":{"slug":"ac\nme"}})"),   // control character in the slug
      Token(R"({"empresa":{"slug":"a\u0000"}})"),  // NUL in the slug
      Token(good) + "\r\nX-Injected: 1",           // control characters in the token
      "a.\t" + parts + ".b",
      Token(std::string(100000, '[')),  // nesting without end
  };
  for (const auto& token : cases) {
    TTokenHelper t(token);
    try {
      t.Slug();
      ADD_FAILURE() << "accepted: " << token;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Invalid token");
    }
  }
}

TEST(TokenHelper, PaddingEndsTheData) {
  TTokenHelper t("a.eyJlbXByZXNhIjp7InNsdWciOiJ4eSJ9fQ==ignorado.b");
  EXPECT_EQ(t.Slug(), "xy");
}

}  // namespace
