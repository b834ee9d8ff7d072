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

TEST(TextCodec, WritesWindowsFormsReadsBadBytesAsReplacementAndNamesWhatItCannotStore) {
  struct Write {
    const char* text;
    std::string bytes;
    const char* unstorable;
  } writes[] = {
      // What Linux input methods type, as the code-page-932 characters Windows shows for it.
      {"川〜橋", "\x90\xEC\x81\x60\x8B\xB4", ""},
      {"−", "\x81\x7C", ""},
      {"‖", "\x81\x61", ""},
      {"¢", "\x81\x91", ""},
      {"£", "\x81\x92", ""},
      {"¬", "\x81\xCA", ""},
      {"é.bmp", "?.bmp", "é"},
      {"aé😀é\uFFFDｱ", "a????\xB1", "é😀\uFFFD"},
      {"\x1A\x1C\x7F", "\x1A\x1C\x7F", ""},  // no control codes swapped as in IBM tables
  };
  for (const Write& w : writes) {
    EXPECT_EQ(ToShiftJis(w.text), w.bytes) << w.text;
    EXPECT_EQ(UnstorableInShiftJis(w.text), w.unstorable) << w.text;
  }
  struct Read {
    std::string bytes;
    const char* text;
  } reads[] = {
      {"\x90\xEC\x81\x60\x8B\xB4", "川～橋"},
      {"\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA", "－∥￠￡￢"},
      {"\x80|\xA0|\xFD\xFE\xFF", "\uFFFD|\uFFFD|\uFFFD\uFFFD\uFFFD"},
      // A lead byte whose next byte is no trail byte; that byte is read on its own.
      {"\x81 \x81\x7F\x81\xFD", "\uFFFD \uFFFD\x7F\uFFFD\uFFFD"},
      {"\x85\x40", "\uFFFD"},        // a pair without a character
      {"\x90\xEC\x90", "川\uFFFD"},  // a lead byte cut off
      {"\xB1\x1A\x1C\x7F", "ｱ\x1A\x1C\x7F"},
      {"\x95\x5C\x5C", "表\\"},  // a trail byte that looks like a path separator
  };
  for (const Read& r : reads) EXPECT_EQ(FromShiftJis(r.bytes), r.text) << r.text;
}
