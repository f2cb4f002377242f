// The request and reply JSON forms on their own.
#include "agent/native_messaging.h"

#include <gtest/gtest.h>

using namespace agent;

namespace {

TEST(HostMessage, EveryEscapeOfTheReply) {
  struct Case {
    std::string text, written;
  } cases[] = {
      {"\"", R"(\")"},
      {"\\", R"(\\)"},
      {"\b\t\n\f\r", R"(\b\t\n\f\r)"},
      // Other controls as \u with upper-case hex digits.
      {std::string("\x00\x01\x0B\x1B\x1F", 5), R"(\u0000\u0001\u000B\u001B\u001F)"},
      // DEL, "/", and non-ASCII text pass unchanged.
      {"\x7F/é€😀", "\x7F/é€😀"},
      // Bytes that are not UTF-8 never reach the browser as such.
      {"a\xC3(\xFF", "a\xEF\xBF\xBD(\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildHostMessage("i", true, "m", c.text),
              R"({"command_id":"i","success":true,"message":"m","description":")" + c.written + R"("})")
        << c.written;
  }
}

TEST(AppMessage, OptionalProtocolAndIgnoredMembers) {
  auto m = ParseAppMessage(R"({"command_id":"1","command_type":"t","token":"k","protocolo":"2024/1","extra":[1]})");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->command_id, "1");
  EXPECT_EQ(m->command_type, "t");
  EXPECT_EQ(m->token, "k");
  EXPECT_EQ(m->protocolo, "2024/1");
  for (const char* noProtocol : {R"({"command_id":"1"})", R"({"command_id":"1","protocolo":null})"}) {
    m = ParseAppMessage(noProtocol);
    ASSERT_TRUE(m);
    EXPECT_FALSE(m->protocolo) << noProtocol;
  }
  EXPECT_FALSE(ParseAppMessage(" null "));
  EXPECT_THROW(ParseAppMessage(R"({"token":["k"]})"), EAppMessageParse);
}

TEST(AppMessage, DeepNestingIsRefusedBeforeItIsBuilt) {
  // Nesting within the bound is read; a body of megabytes of "[" is refused at the bound,
  // not after building millions of levels.
  std::string nested = std::string(60, '[') + std::string(60, ']');
  EXPECT_TRUE(ParseAppMessage(R"({"command_id":"1","x":)" + nested + "}"));
  try {
    ParseAppMessage(std::string(8 * 1024 * 1024, '['));
    ADD_FAILURE();
  } catch (const EAppMessageParse& e) {
    EXPECT_NE(std::string(e.what()).find("deeper than 64"), std::string::npos) << e.what();
  }
}

}  // namespace
