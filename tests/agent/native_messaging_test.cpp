// The request and reply JSON forms on their own.
#include "agent/native_messaging.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

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

TEST(HostMessage, ALongDescriptionIsCutToKeepTheReplyWithinTheBrowsersLimit) {
  const std::string big = std::string(kMaxReplyLength, 'a');
  struct Case {
    const char* what;
    std::string description;
  } cases[] = {
      {"plain text", big + "b"},
      {"two-byte characters at every offset", "a" +
                                                  [] {
                                                    std::string s;
                                                    while (s.size() < 2 * kMaxReplyLength) s += "é";
                                                    return s;
                                                  }()},
      {"four-byte characters",
       [] {
         std::string s;
         while (s.size() < 2 * kMaxReplyLength) s += "😀";
         return s;
       }()},
      {"escapes of six bytes", std::string(kMaxReplyLength / 2, '\x01')},
      {"escapes of two bytes", std::string(kMaxReplyLength, '"')},
      {"bytes that are no UTF-8", std::string(kMaxReplyLength, '\xff')},
  };
  for (const auto& c : cases) {
    std::string reply = BuildHostMessage("id", false, "m", c.description);
    EXPECT_LE(reply.size(), kMaxReplyLength) << c.what;
    // Cut at the limit, not well before it: less than one escaped character is left unused.
    EXPECT_GT(reply.size(), kMaxReplyLength - 6) << c.what;
    nlohmann::json j = nlohmann::json::parse(reply);  // whole escapes and characters only
    std::string kept = j["description"];
    std::string whole = Utf8WithReplacement(c.description);
    EXPECT_EQ(whole.compare(0, kept.size(), kept), 0) << c.what;
    EXPECT_EQ(j["command_id"], "id");
  }
  // Exactly at the limit nothing is cut.
  std::string fixed = BuildHostMessage("id", false, "m", "");
  std::string fits(kMaxReplyLength - fixed.size(), 'z');
  EXPECT_EQ(BuildHostMessage("id", false, "m", fits).size(), kMaxReplyLength);
  EXPECT_EQ(nlohmann::json::parse(BuildHostMessage("id", false, "m", fits))["description"], fits);
}

TEST(AppMessage, OverLongCommandIdOrTypeMakesTheRequestUnreadable) {
  const std::string limit(kMaxCommandTextLength, 'x'), over(kMaxCommandTextLength + 1, 'x');
  auto request = [](const std::string& id, const std::string& type) {
    return nlohmann::json{{"command_id", id}, {"command_type", type}}.dump();
  };
  ASSERT_TRUE(ParseAppMessage(request(limit, limit)));
  EXPECT_EQ(ParseAppMessage(request(limit, limit))->command_id, limit);
  for (const auto& [text, member] :
       {std::pair{request(over, "t"), "command_id"}, {request("1", over), "command_type"}}) {
    try {
      ParseAppMessage(text);
      ADD_FAILURE() << member;
    } catch (const EAppMessageParse& e) {
      EXPECT_EQ(e.what(), "member \"" + std::string(member) + "\" is longer than 1024 bytes");
    }
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
