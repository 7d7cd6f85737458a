// Number texts of the files: general format with decimal comma, and strict reading.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

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

TEST(Zahlformat, LesenWieGeschriebenGleichDemUmweg) {
  // The one-step read of the file readers must give exactly what reading, writing and reading
  // again gives: texts of up to 17 digits, subnormal and huge values, zero with a sign.
  std::mt19937_64 gen(11);
  std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-320, 308);
  std::uniform_int_distribution<int> stellen(1, 17);
  auto umweg = [](std::string_view t) {
    const double x = TextReal(t);
    return TextReal(RealText(x));
  };
  auto pruefen = [&](const std::string& t) {
    const double a = TextRealWieGeschrieben(t), b = umweg(t);
    EXPECT_EQ(std::signbit(a), std::signbit(b)) << t;
    EXPECT_EQ(a, b) << t;
  };
  for (int i = 0; i < 20000; ++i) {
    const double x = mantisse(gen) * std::pow(10.0, exponent(gen));
    if (!std::isfinite(x)) continue;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", stellen(gen) - 1, x);
    std::string t(buf);
    for (char& c : t)
      if (c == '.') c = ',';
    pruefen(t);
    pruefen(RealText(x));
  }
  for (const char* t : {"0", "-0", "+0,0", "4,9E-324", "2,2250738585072014E-308", "1,79769313486232E308",
                        "-1,7976931348623157E308", "0,1000000000000000055511151231257827", " 12,5 ", "1E15"})
    pruefen(t);
  EXPECT_THROW(TextRealWieGeschrieben("1.5"), LeseFehler);
}

TEST(Zahlformat, ZiffernOhneExponentWieDieBibliothek) {
  // Plain texts (sign, digits, one comma) are read without from_chars: up to 19 digits, on
  // either side of the comma, must give the nearest double as from_chars does, and longer or
  // odd texts go the general way to the same result or error.
  std::mt19937_64 gen(5);
  std::uniform_int_distribution<int> laenge(1, 21), ziffer(0, 9), vorzeichen(0, 2);
  for (int i = 0; i < 20000; ++i) {
    std::string t = vorzeichen(gen) == 0 ? "-" : vorzeichen(gen) == 0 ? "+" : "";
    const int n = laenge(gen);
    std::uniform_int_distribution<int> komma(0, n);
    const int k = komma(gen);
    std::string punkt = t == "+" ? "" : t;
    for (int j = 0; j < n; ++j) {
      if (j == k) {
        t += ',';
        punkt += '.';
      }
      const char c = static_cast<char>('0' + ziffer(gen));
      t += c;
      punkt += c;
    }
    double erwartet = 0;
    std::from_chars(punkt.data(), punkt.data() + punkt.size(), erwartet);
    const double gelesen = TextReal(t);
    EXPECT_EQ(gelesen, erwartet) << t;
    EXPECT_EQ(std::signbit(gelesen), std::signbit(erwartet)) << t;
  }
  EXPECT_EQ(TextReal("9007199254740993"), 9007199254740992.0);  // beyond 2^53: rounded to even
  EXPECT_EQ(TextReal("0,1"), 0.1);
  EXPECT_EQ(TextReal("-,5"), -0.5);
  EXPECT_EQ(TextReal("5,"), 5.0);
  for (const char* t : {"-", ",", "1,2,3", "1 2", "--1"}) EXPECT_THROW(TextReal(t), LeseFehler) << t;
}

TEST(Zahlformat, RandDesZahlenbereichs) {
  // 15 digits would round the largest doubles up to 1,79769313486232E308, beyond the largest:
  // they are written with the digits that read back exactly.
  const double groesste = std::numeric_limits<double>::max();
  EXPECT_EQ(RealText(groesste), "1,7976931348623157E308");
  EXPECT_EQ(RealText(-groesste), "-1,7976931348623157E308");
  int oben = 0;
  for (double x = groesste; x > 1.797693134862315e308; x = std::nextafter(x, 0.0), ++oben) {
    EXPECT_EQ(TextReal(RealText(x)), x) << RealText(x);
    EXPECT_EQ(TextReal(RealText(-x)), -x);
  }
  EXPECT_EQ(oben, 4);
  EXPECT_EQ(RealText(1.79769313486231e308), "1,79769313486231E308");  // 15 digits below the top
  // The text written before reads as the largest double; one step further is refused.
  EXPECT_EQ(TextReal("1,79769313486232E308"), groesste);
  EXPECT_EQ(TextReal("-1,79769313486232E308"), -groesste);
  EXPECT_EQ(TextReal("179769313486232" + std::string(294, '0')), groesste);
  for (const char* zuViel : {"1,79769313486233E308", "1,8E308", "1E309", "-1,79769313486233E308", "1E-400"})
    EXPECT_THROW(TextReal(zuViel), LeseFehler) << zuViel;
  for (const double x : {std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                         -1e-320, 1.5e300}) {
    const std::string t = RealText(x);
    EXPECT_NEAR(TextReal(t), x, std::fabs(x) * 1e-14) << t;
    EXPECT_EQ(RealText(TextReal(t)), t);
  }
  // An infinity or NaN is never written: no reader would take it back.
  for (const double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()})
    EXPECT_THROW(RealText(x), SchreibFehler);
  EXPECT_EQ(FestText(-std::numeric_limits<double>::infinity()), "-INF");  // shown, not stored
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

TEST(Zitat, HoechstensAchtzigZeichenGanzeUmlaute) {
  std::string umlaute;
  for (int k = 0; k < 100; ++k) umlaute += "ä";
  std::string achtzig;
  for (int k = 0; k < 80; ++k) achtzig += "ä";
  EXPECT_EQ(Zitat(umlaute), achtzig + "…");  // 80 characters, not 80 bytes
  EXPECT_EQ(Zitat(achtzig), achtzig);
  EXPECT_EQ(Zitat(""), "");
  try {
    TextInt(std::string(2'000'000, '7') + "x");
    FAIL();
  } catch (const LeseFehler& e) {
    EXPECT_EQ(std::string(e.what()), "'" + std::string(80, '7') + "…' ist kein gültiger Integerwert");
  }
}

}  // namespace
}  // namespace trm
