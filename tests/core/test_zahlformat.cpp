// Number texts of the files: general format with decimal comma, and strict reading.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"

namespace trm {
namespace {

TEST(Zahlformat, RealInAllgemeinerDarstellung) {
  EXPECT_EQ(RealText(200), "200");
  EXPECT_EQ(RealText(0.5), "0,5");
  EXPECT_EQ(RealText(1.0 / 3.0), "0,333333333333333");
  EXPECT_EQ(RealText(2.0 / 3.0), "0,666666666666667");
  EXPECT_EQ(RealText(16.5), "16,5");
  EXPECT_EQ(RealText(-2.25), "-2,25");
  EXPECT_EQ(RealText(0), "0");
  EXPECT_EQ(RealText(-0.0), "0");
  EXPECT_EQ(RealText(1.0 / 400.0), "0,0025");
  EXPECT_EQ(RealText(3.14159265358979), "3,14159265358979");
  EXPECT_EQ(RealText(1500), "1500");
}

TEST(Zahlformat, ExponentformNurFuerWinzigeUndRiesigeWerte) {
  EXPECT_EQ(RealText(1e-7), "1E-7");
  EXPECT_EQ(RealText(0.00001), "0,00001");       // smallest fixed value
  EXPECT_EQ(RealText(0.0000099), "9,9E-6");
  EXPECT_EQ(RealText(-2.5e-9), "-2,5E-9");
  EXPECT_EQ(RealText(123456789012345.0), "123456789012345");  // 15 integer digits
  EXPECT_EQ(RealText(1e15), "1E15");
  EXPECT_EQ(RealText(1.5e20), "1,5E20");
  // Rounding to 15 digits can carry into a new integer digit.
  EXPECT_EQ(RealText(999999999999999.9), "1E15");
}

TEST(Zahlformat, GeschriebeneRealsLesenSichGleichZurueck) {
  std::mt19937_64 gen(7);
  std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 18);
  for (int i = 0; i < 5000; ++i) {
    const double x = mantisse(gen) * std::pow(10.0, exponent(gen));
    const std::string t = RealText(x);
    const double y = TextReal(t);
    EXPECT_NEAR(y, x, std::fabs(x) * 1e-14) << t;
    EXPECT_EQ(RealText(y), t);  // a written file writes again to the same text
  }
}

TEST(Zahlformat, RealLesenNurMitDezimalkomma) {
  EXPECT_DOUBLE_EQ(TextReal("16,5"), 16.5);
  EXPECT_DOUBLE_EQ(TextReal(" -3 "), -3);
  EXPECT_DOUBLE_EQ(TextReal("+2,5"), 2.5);
  EXPECT_DOUBLE_EQ(TextReal("1E-7"), 1e-7);
  EXPECT_DOUBLE_EQ(TextReal("1,5E20"), 1.5e20);
  EXPECT_DOUBLE_EQ(TextReal(",5"), 0.5);
  for (const char* falsch : {"1.5", "", " ", "abc", "1,5x", "1,,5", "--1", "1 2", "inf", "nan", "1E999",
                             "0x10", ","}) {
    EXPECT_THROW(TextReal(falsch), LeseFehler) << falsch;
  }
  try {
    TextReal("1.5");
  } catch (const LeseFehler& e) {
    EXPECT_STREQ(e.what(), "'1.5' ist kein gültiger Gleitkommawert");
  }
}

TEST(Zahlformat, GanzzahlenUndWahrheitswerte) {
  EXPECT_EQ(TextInt("-17"), -17);
  EXPECT_EQ(TextInt(" 42 "), 42);
  EXPECT_EQ(TextInt("2147483647"), 2147483647);
  for (const char* falsch : {"2147483648", "5,0", "", "1e3", "++1", "12a"})
    EXPECT_THROW(TextInt(falsch), LeseFehler) << falsch;
  EXPECT_EQ(TextIntAusReal("1500"), 1500);
  EXPECT_EQ(TextIntAusReal("599,6"), 600);
  EXPECT_THROW(TextIntAusReal("1E12"), LeseFehler);
  EXPECT_EQ(BoolText(true), "-1");
  EXPECT_EQ(BoolText(false), "0");
  EXPECT_TRUE(TextBool("-1"));
  EXPECT_TRUE(TextBool("1"));
  EXPECT_FALSE(TextBool("0"));
  EXPECT_TRUE(TextBool("True"));
  EXPECT_FALSE(TextBool("false"));
  EXPECT_THROW(TextBool("ja"), LeseFehler);
}

TEST(Zahlformat, RundenAufGeradeBeiHalben) {
  EXPECT_EQ(RundenGerade(2.5), 2);
  EXPECT_EQ(RundenGerade(3.5), 4);
  EXPECT_EQ(RundenGerade(-2.5), -2);
  EXPECT_EQ(RundenGerade(2.4999), 2);
  EXPECT_EQ(RundenGerade(1e300), 4000000000000000000);  // clamped, no undefined conversion
  EXPECT_EQ(RundenGerade(std::nan("")), 0);
}

}  // namespace
}  // namespace trm
