#include <gtest/gtest.h>

#include "platform/TextCodec.h"

TEST(TextCodec, RoundTripsJapaneseThroughShiftJis) {
  const std::string text = "マップデータの出力結果";
  const std::string sjis = ToShiftJis(text);
  EXPECT_EQ(sjis.size(), 22u);  // eleven double-byte characters
  EXPECT_EQ(static_cast<unsigned char>(sjis[0]), 0x83);
  EXPECT_EQ(static_cast<unsigned char>(sjis[1]), 0x7D);
  EXPECT_EQ(FromShiftJis(sjis), text);
}

TEST(TextCodec, UsesTheWindowsVariantForFullWidthSigns) {
  // The full-width tilde and the full-width blank exist only in code page 932's mapping.
  EXPECT_EQ(ToShiftJis("～"), "\x81\x60");
  EXPECT_EQ(ToShiftJis("　"), "\x81\x40");
  EXPECT_EQ(ToShiftJis("abc\r\n"), "abc\r\n");
}
