// Tests of the key filters of numeric edit fields and the ratio check.
#include <gtest/gtest.h>

#include <string>

#include "core/model/Eingabefilter.h"

namespace trm {
namespace {

std::string Durchlassen(std::u32string_view tasten, Tastenwirkung (*filter)(char32_t)) {
  std::string feld;
  for (const char32_t t : tasten)
    if (filter(t) == Tastenwirkung::Annehmen) feld += static_cast<char>(t);
  return feld;
}

TEST(Eingabefilter, IntegerFilter) {
  EXPECT_EQ(Durchlassen(U"-12,5", IntFilter), "125");
  EXPECT_EQ(Durchlassen(U"0123456789", IntFilter), "0123456789");
  EXPECT_EQ(IntFilter(U'\u0008'), Tastenwirkung::Annehmen);
  EXPECT_EQ(IntFilter(U'\r'), Tastenwirkung::NaechstesFeld);
  for (const char32_t t : {U' ', U'.', U'+', U'a', U'e', U'\n', U'\u00B2', U'\u0660', U'/'})
    EXPECT_EQ(IntFilter(t), Tastenwirkung::Verwerfen) << static_cast<int>(t);
}

TEST(Eingabefilter, RealFilter) {
  EXPECT_EQ(Durchlassen(U"-12,5", RealFilter), "-12,5");
  EXPECT_EQ(Durchlassen(U"1.5e3 mm", RealFilter), "1.53");
  EXPECT_EQ(RealFilter(U'\u0008'), Tastenwirkung::Annehmen);
  EXPECT_EQ(RealFilter(U'\r'), Tastenwirkung::NaechstesFeld);
  EXPECT_EQ(RealFilter(U'+'), Tastenwirkung::Verwerfen);
}

TEST(Eingabefilter, Ratio) {
  EXPECT_TRUE(IstVerhaeltnis("1 : 9"));
  EXPECT_TRUE(IstVerhaeltnis("1/9"));
  EXPECT_TRUE(IstVerhaeltnis("  1:7,5 "));
  EXPECT_TRUE(IstVerhaeltnis("1 /"));
  EXPECT_FALSE(IstVerhaeltnis("2:9"));
  EXPECT_FALSE(IstVerhaeltnis("9"));
  EXPECT_FALSE(IstVerhaeltnis("1"));
  EXPECT_FALSE(IstVerhaeltnis("10:9"));
  EXPECT_FALSE(IstVerhaeltnis(""));
  EXPECT_FALSE(IstVerhaeltnis("   "));
}

}  // namespace
}  // namespace trm
