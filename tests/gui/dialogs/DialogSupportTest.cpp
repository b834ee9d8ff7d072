#include <gtest/gtest.h>

#include <limits>

#include "windows/DialogSupport.h"

TEST(ParseDecimal, ReadsSignedNumbersAndNothingElse) {
  EXPECT_EQ(ParseDecimal(QStringLiteral("  7 ")), 7);
  EXPECT_EQ(ParseDecimal(QStringLiteral("+5")), 5);
  EXPECT_EQ(ParseDecimal(QStringLiteral("-3")), -3);
  for (const char* text : {"", "-", "1e3", "0x10", "12a", "1 2", "１２", "--1"})
    EXPECT_FALSE(ParseDecimal(QString::fromUtf8(text)).has_value()) << text;
}

// An over-long entry must read as too big, not as "no number" (which some fields take as 0).
TEST(ParseDecimal, OverlongNumbersSaturate) {
  EXPECT_EQ(ParseDecimal(QStringLiteral("99999999999999999999")), std::numeric_limits<int>::max());
  EXPECT_EQ(ParseDecimal(QStringLiteral("-99999999999999999999")), std::numeric_limits<int>::min());
}
