#include "platform/date_text.h"

#include <gtest/gtest.h>

#include "platform/convert_error.h"

using namespace platform;

TEST(DateText, ReadsByPositionAndRaisesOnBadParts) {
  auto p = DecodeDateTime(TextoParaDataHoraComFormato("05/03/2024 14:07:09", "dd/mm/yyyy hh:nn:ss"));
  EXPECT_EQ(p.Year, 2024);
  EXPECT_EQ(p.Month, 3);
  EXPECT_EQ(p.Day, 5);
  EXPECT_EQ(p.Hour, 14);
  EXPECT_EQ(p.Minute, 7);
  EXPECT_EQ(p.Second, 9);
  // Separators are positions, not checked; a trailing zone is ignored.
  EXPECT_EQ(TextoParaDataHoraComFormato("2024x03x05-03:00", "yyyy-mm-dd"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(TextoParaDataHoraComFormato("12:30", "hh:mm"), EncodeTime(12, 30, 0, 0));
  // A text that ends inside its last part gives that part shorter.
  EXPECT_EQ(TextoParaDataHoraComFormato("2024-03-5", "yyyy-mm-dd"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(TextoParaDataHoraComFormato("12:30:7", "hh:nn:ss"), EncodeTime(12, 30, 7, 0));
  // A part that is not a number: "3-" is the month of "2024-3-5".
  for (const char* bad : {"2024-02-30", "2024-3-5", "", "2024-03", "2024-03-"})
    EXPECT_THROW(TextoParaDataHoraComFormato(bad, "yyyy-mm-dd"), EConvertError) << bad;
}
