// List files of element types: counts, records, removal, exchange, appending, lists whose
// count does not match their records, and reading every record as its kind.
#include <gtest/gtest.h>

#include "core/model/Fehler.h"
#include "core/model/Typliste.h"

namespace trm {
namespace {

/// A list of records of 3 lines: "a1 a2 a3", "b1 b2 b3", ...
Zeilen Liste(int n, const std::string& anzahl = "") {
  Zeilen z = {"Kopf", anzahl.empty() ? std::to_string(n) : anzahl};
  for (int k = 0; k < n; ++k)
    for (int i = 1; i <= 3; ++i) z.push_back(std::string(1, static_cast<char>('a' + k)) + std::to_string(i));
  return z;
}

TEST(Typliste, SaetzeEntfernenTauschenAnhaengen) {
  TTypliste l(Liste(3), 3);
  EXPECT_EQ(l.Saetze(), 3u);
  EXPECT_EQ(l.Satz(2), (Zeilen{"b1", "b2", "b3"}));
  EXPECT_TRUE(l.Satz(4).empty());
  ASSERT_TRUE(l.Entfernen(2));
  EXPECT_EQ(l.Text(), (Zeilen{"Kopf", "2", "a1", "a2", "a3", "c1", "c2", "c3"}));
  ASSERT_TRUE(l.Tauschen(1, 2));
  EXPECT_EQ(l.Satz(1), (Zeilen{"c1", "c2", "c3"}));
  EXPECT_FALSE(l.Tauschen(0, 2));
  EXPECT_FALSE(l.Anhaengen({"x"}));  // wrong length
  ASSERT_TRUE(l.Anhaengen({"d1", "d2", "d3"}));
  EXPECT_EQ(l.Anzahl(), 3);
  EXPECT_EQ(l.Satz(3), (Zeilen{"d1", "d2", "d3"}));
  EXPECT_EQ(l.Text()[0], "Kopf");  // the header is never touched
}

TEST(Typliste, LeereUndUnstimmigeListen) {
  EXPECT_EQ(TTypliste(Liste(0), 3).Saetze(), 0u);
  // A count above the records held: only complete records count, nothing is read beyond.
  TTypliste gross(Liste(2, "2000000000"), 3);
  EXPECT_EQ(gross.Saetze(), 2u);
  // A count below: the extra records stay in the file, a new one is reachable.
  TTypliste klein(Liste(3, "1"), 3);
  EXPECT_EQ(klein.Saetze(), 1u);
  ASSERT_TRUE(klein.Anhaengen({"n1", "n2", "n3"}));
  EXPECT_EQ(klein.Satz(2), (Zeilen{"n1", "n2", "n3"}));
  EXPECT_EQ(klein.Text().size(), 2u + 4 * 3);
  EXPECT_EQ(TTypliste(Liste(1, "-4"), 3).Saetze(), 0u);
  EXPECT_THROW(TTypliste(Zeilen{"Kopf", "zwei"}, 3), LeseFehler);
  EXPECT_THROW(TTypliste(Zeilen{"Kopf"}, 3), LeseFehler);
  EXPECT_THROW(TTypliste::Laden("/nicht/da.w88", 44), DateiFehler);
}

TEST(Typliste, JedenSatzLesen) {
  // Records of three lines whose second is a number.
  const Satzleser lesen = [](const Zeilen& z, std::size_t& i) {
    Zeilenleser l(z, i);
    (void)l.Text();
    (void)l.Int();
    (void)l.Text();
  };
  auto meldung = [](const Zeilen& z, Satzleser s) {
    try {
      TTypliste(z, 3).SaetzeLesen(s);
    } catch (const LeseFehler& e) {
      return std::string(e.what());
    }
    return std::string("gelesen");
  };
  const Zeilen gut = {"Kopf", "2", "a", "1", "b", "c", "2", "d"};
  EXPECT_EQ(meldung(gut, lesen), "gelesen");
  // Errors name the line of the file, not of the record.
  Zeilen z = gut;
  z[6] = "zwei";
  EXPECT_EQ(meldung(z, lesen).rfind("Zeile 7: ", 0), 0u) << meldung(z, lesen);
  EXPECT_EQ(meldung(Zeilen(gut.begin(), gut.end() - 1), lesen), "Die Datei endet vorzeitig (Zeile 8 fehlt).");
  z = gut;
  z[1] = "3";  // more records counted than held
  EXPECT_EQ(meldung(z, lesen), "Die Datei endet vorzeitig (Zeile 9 fehlt).");
  z[1] = "-1";
  EXPECT_EQ(meldung(z, lesen), "Zeile 2: '-1' ist keine gültige Anzahl");
  const Satzleser zuKurz = [](const Zeilen& zeilen, std::size_t& i) { (void)Zeilenleser(zeilen, i).Text(); };
  EXPECT_EQ(meldung(gut, zuKurz), "Zeile 3: der Satz hat nicht 3 Zeilen");
}

TEST(Typliste, PfadRegel) {
  EXPECT_EQ(ListenPfad("/nicht/da.w88", "/daten/", "stdWListe.w88"), "/daten/stdWListe.w88");
  EXPECT_EQ(ListenPfad("", "/daten/", "stdWListe.w88"), "/daten/stdWListe.w88");
  EXPECT_EQ(ListenPfad(TRM_QUELLDATEN "/trassomatic.std", "/daten/", "x"), TRM_QUELLDATEN "/trassomatic.std");
}

}  // namespace
}  // namespace trm
