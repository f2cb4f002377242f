#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

using namespace platform;

TEST(NumberText, FixedRoundsHalvesAwayOnShortestForm) {
  struct Case {
    double v;
    int n;
    char sep;
    const char* want;
  };
  const Case cases[] = {
      {1234.5, 2, '.', "1234.50"},
      {2.675, 2, '.', "2.68"},
      {-2.675, 2, '.', "-2.68"},
      {0.125, 2, ',', "0,13"},
      {9.995, 2, '.', "10.00"},
      {-0.001, 2, '.', "0.00"},
      {3, 0, '.', "3"},
      {1e20, 1, '.', "100000000000000000000.0"},
      {0.1, 10, '.', "0.1000000000"},
  };
  for (const auto& c : cases) {
    std::string out;
    ASSERT_TRUE(TryFormatFixed(c.v, c.n, c.sep, out)) << c.v;
    EXPECT_EQ(out, c.want) << c.v;
  }
  std::string out;
  EXPECT_FALSE(TryFormatFixed(std::numeric_limits<double>::infinity(), 2, '.', out));

  double d = 0;
  EXPECT_TRUE(TryTextToFloat(" 2,5 ", d));
  EXPECT_EQ(d, 2.5);
  EXPECT_TRUE(TryTextToFloat("-.5", d));
  EXPECT_EQ(d, -0.5);
  for (const char* bad : {"", "abc", "1.2.3", "1,2.3", "inf", "nan", "1e999", "1x"})
    EXPECT_FALSE(TryTextToFloat(bad, d)) << bad;
}

TEST(NumberText, FloatTextIsPlainDecimalNeverAnExponent) {
  const std::pair<double, const char*> cases[] = {
      {2.5, "2.5"},        {3.0, "3"},
      {-0.5, "-0.5"},      {0.1, "0.1"},
      {1e6, "1000000"},    {1e20, "100000000000000000000"},
      {1e-7, "0.0000001"}, {123456789.125, "123456789.125"},
  };
  for (auto [v, want] : cases) EXPECT_EQ(FloatToText(v), want) << want;
  // The extremes still read back as themselves.
  for (double v : {std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()}) {
    double back = 0;
    ASSERT_TRUE(TryTextToFloat(FloatToText(v), back));
    EXPECT_EQ(back, v);
  }
}
