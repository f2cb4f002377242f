#include "platform/variant.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(VariantValue, ConvertsOnDemand) {
  EXPECT_EQ(Variant().AsString(), "");
  EXPECT_EQ(Variant(7).AsString(), "7");
  EXPECT_EQ(Variant(2.5).AsString(), "2.5");
  EXPECT_EQ(Variant(true).AsString(), "True");
  EXPECT_EQ(Variant('S').AsString(), "S");
  EXPECT_EQ(Variant::FromDateTime(EncodeDate(2024, 3, 5)).AsString(), "05/03/2024");
  EXPECT_EQ(Variant::FromDateTime(EncodeDateTime({2024, 3, 5, 14, 7, 9, 0})).AsString(), "05/03/2024 14:07:09");
  EXPECT_EQ(Variant(" 15 ").AsInteger(), 15);
  EXPECT_EQ(Variant(2.5).AsInt64(), 3);
  EXPECT_EQ(Variant("2,5").AsFloat(), 2.5);
  EXPECT_EQ(Variant("2024-03-05").AsDateTime(), EncodeDate(2024, 3, 5));
  EXPECT_EQ(Variant("05/03/2024 14:07").AsDateTime(), EncodeDateTime({2024, 3, 5, 14, 7, 0, 0}));
  EXPECT_TRUE(Variant("TRUE").AsBoolean());
  EXPECT_FALSE(Variant("0").AsBoolean());
  EXPECT_THROW(Variant("abc").AsInteger(), EConvertError);
  EXPECT_THROW(Variant("3000000000").AsInteger(), EConvertError);
  EXPECT_THROW(Variant("abc").AsFloat(), EConvertError);
  EXPECT_THROW(Variant("").AsDateTime(), EConvertError);
  EXPECT_THROW(Variant("2024-13-01").AsDateTime(), EConvertError);
  EXPECT_THROW(Variant(1e300).AsDateTime(), EConvertError);
  EXPECT_THROW(Variant("maybe").AsBoolean(), EConvertError);
}
