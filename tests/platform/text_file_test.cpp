#include "platform/text_file.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextFile, ByteOrderMarksAndCrLfLines) {
  EXPECT_EQ(TextBytesToCrLfLines("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(TextBytesToCrLfLines("\xEF\xBB\xBF"
                                 "é\n"),
            "é\r\n");
  EXPECT_EQ(TextBytesToCrLfLines(std::string("\xFF\xFE"
                                             "a\0\xE9\0",
                                             6)),
            "aé\r\n");
  EXPECT_EQ(TextBytesToCrLfLines(std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00", 8)), "a\xF0\x9F\x98\x80\r\n");
  EXPECT_EQ(TextBytesToCrLfLines("caf\xe9"), "café\r\n");
  EXPECT_EQ(TextBytesToCrLfLines(""), "");
  EXPECT_THROW(LoadTextFileCrLf("/nonexistent/file.xml"), std::runtime_error);
}
