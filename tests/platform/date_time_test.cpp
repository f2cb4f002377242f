#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform;

TEST(DateTime, EncodesDaysSince1899) {
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(EncodeDate(2024, 2, 29), 45351.0);
  TDateTime out = 7;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, out));
  EXPECT_EQ(out, 7);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), std::invalid_argument);
}

TEST(DateTime, DecodeRoundsToTheMillisecond) {
  DateTimeParts p{2026, 12, 31, 23, 59, 59, 999};
  DateTimeParts back = DecodeDateTime(EncodeDateTime(p));
  EXPECT_EQ(back.Year, 2026);
  EXPECT_EQ(back.Day, 31);
  EXPECT_EQ(back.Second, 59);
  EXPECT_EQ(back.Millisecond, 999);
}

TEST(DateTime, FormatPatterns) {
  TDateTime dt = EncodeDateTime({2026, 3, 7, 9, 5, 4, 12});
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd_hhnnss.zzz", dt), "2026-03-07_090504.012");
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy", dt), "07/03/2026");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd\"T\"hh:mm:ss", dt), "2026-03-07T09:05:04");
  EXPECT_EQ(FormatDateTime("d/m/yy h:n:s", dt), "7/3/26 9:5:4");
}

TEST(DateTime, TimeTRoundTripInLocalTime) {
  setenv("TZ", "America/Sao_Paulo", 1);
  tzset();
  std::time_t t = 1700000000;  // 2023-11-14 19:13:20 in Sao Paulo (UTC-3)
  TDateTime dt = FromTimeT(t);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", dt), "2023-11-14 19:13:20");
  EXPECT_EQ(ToTimeT(dt), t);
}
