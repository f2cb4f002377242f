// JSON from outside the process: its shape is bounded in one pass before it is built.
#include "agent/json_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/message_of.h"

using agent::kMaxJsonValues;
using agent::ParseJsonText;

namespace {

std::string Repeat(const std::string& s, std::size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (std::size_t i = 0; i < n; ++i) out += s;
  return out;
}

TEST(JsonText, ShapeBoundsAndWhatTheyDoNotCount) {
  const std::string manyObjects = "[{}" + Repeat(",{}", 799999) + "]";
  struct Case {
    const char* what;
    std::string text;
    std::string error;  // a part of the message; empty when the text is read
  } cases[] = {
      // Once took minutes: the depth guard walked every array it had built so far.
      {"800,000 empty objects", manyObjects, ""},
      {"64 levels", Repeat("[", 64) + Repeat("]", 64), ""},
      {"65 levels", Repeat("[", 65) + Repeat("]", 65), "nested deeper than 64 levels"},
      {"megabytes of [", std::string(8 << 20, '['), "nested deeper than 64 levels"},
      {"brackets inside strings", R"(["[[[[)" + Repeat("[", 100) + R"(\"[[[[", "{{{{\\"])", ""},
      {"an escaped quote does not end the string", R"(["\"[[[[[[[[",)" + Repeat("[", 65), "nested deeper"},
      {"too many values", "[" + std::string(kMaxJsonValues, ',') + "]",
       "more than " + std::to_string(kMaxJsonValues) + " values"},
  };
  for (const auto& c : cases) {
    std::string error = testsupport::MessageOf([&] { ParseJsonText(c.text); });
    if (c.error.empty())
      EXPECT_EQ(error, testsupport::kNoError) << c.what;
    else
      EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
  }
  EXPECT_EQ(ParseJsonText(manyObjects).size(), 800000u);
}

}  // namespace
