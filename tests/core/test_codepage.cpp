// Tests of the Windows-1252 <-> UTF-8 conversion.
#include <gtest/gtest.h>

#include "core/model/Codepage.h"

namespace trm {
namespace {

TEST(Codepage, AllBytesRoundTrip) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
  const std::string utf8 = Cp1252ZuUtf8(alle);
  EXPECT_EQ(Utf8ZuCp1252(utf8), alle);
  EXPECT_EQ(utf8.substr(0, 128), alle.substr(0, 128));
}

TEST(Codepage, KnownCharacters) {
  EXPECT_EQ(Cp1252ZuUtf8("Gr\xF6\xDF"
                         "e"),
            "Größe");
  EXPECT_EQ(Cp1252ZuUtf8("\x80\x84\x93\x9F"), "€„“Ÿ");
  EXPECT_EQ(Cp1252ZuUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Cp1252ZuUtf8("\xA0\xFF"), "\u00A0\u00FF");
  EXPECT_EQ(Utf8ZuCp1252("Weiche 1:9 – Länge 230 mm, 5 €"),
            "Weiche 1:9 \x96 L\xE4nge 230 mm, 5 \x80");
  EXPECT_EQ(Cp1252ZuUtf8(std::string_view("a\0b", 3)), std::string_view("a\0b", 3));
}

TEST(Codepage, UnmappableCharactersBecomeQuestionMarks) {
  // U+0080 is a C1 control that Windows-1252 gives no byte; U+0416, U+4E2D and U+1F682 lie
  // outside the code page.
  EXPECT_EQ(Utf8ZuCp1252("\u0080|\u0416|\u4E2D|\U0001F682"), "?|?|?|?");
}

TEST(Codepage, InvalidUtf8GivesOneQuestionMarkPerBadByte) {
  EXPECT_EQ(Utf8ZuCp1252("a\x80z"), "a?z");               // stray continuation byte
  EXPECT_EQ(Utf8ZuCp1252("a\xE2\x82z"), "a??z");          // truncated three-byte sequence
  EXPECT_EQ(Utf8ZuCp1252("\xC3"), "?");                   // truncated at the end
  EXPECT_EQ(Utf8ZuCp1252("\xC0\xAF"), "??");              // overlong '/'
  EXPECT_EQ(Utf8ZuCp1252("\xED\xA0\x80"), "???");         // surrogate U+D800
  EXPECT_EQ(Utf8ZuCp1252("\xF4\x90\x80\x80"), "????");    // above U+10FFFF
  EXPECT_EQ(Utf8ZuCp1252("\xFF\xFE\xC3\xA4"), "??\xE4");  // recovers at the next sequence
}

}  // namespace
}  // namespace trm
