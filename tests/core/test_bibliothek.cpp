// The library service over list files of any kind: a kind of 3-line records stands in for the
// element kinds, so nothing here depends on the turnout record. Also the list reader's
// counts that do not match their records.
#include <gtest/gtest.h>

#include <filesystem>

#include "SkriptDialoge.h"
#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

/// A list of records of 3 lines: "a1 a2 a3", "b1 b2 b3", ...
Zeilen Liste(int n, const std::string& anzahl = "") {
  Zeilen z = {"Kopf", anzahl.empty() ? std::to_string(n) : anzahl};
  for (int k = 0; k < n; ++k)
    for (int i = 1; i <= 3; ++i) z.push_back(std::string(1, static_cast<char>('a' + k)) + std::to_string(i));
  return z;
}

const TListenart Dreier{
    .satzlaenge = 3,
    .standardName = "stdDrei.d3",
    .endung = "d3",
    .filterOeffnen = "Dreierlisten (*d3)|*.d3",
    .filterSpeichern = "Dreierlisten (*.d3)|*.d3",
    .name = "Dreierliste",
    .exportLeer = "Keine Dreierliste zum Exportieren vorhanden",
    .art = Elementart::Kreuzung,
    .titel = "Dreier",
    .fenster = "TfDreier",
    .auswaehlen = "Dreier auswählen",
    .entfernen = "Dreier löschen",
    .spalten = {{"Nummer", 50}, {"Erste", 100}},
    .zeile = [](std::size_t k, const Zeilen& s) { return TListenzeile{std::to_string(k), s[0]}; },
    .lesen = nullptr,
};

struct Ordner {
  // One folder per test: ctest runs the tests of this file side by side.
  fs::path pfad = fs::temp_directory_path() /
                  ("trm_bibliothek_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  Anlage a;
  test::SkriptDialoge d;
  Ordner() {
    fs::remove_all(pfad);
    fs::create_directories(pfad);
    a.DatenPfad = pfad.string() + "/";
  }
  ~Ordner() { fs::remove_all(pfad); }
  std::string Datei(const std::string& name) const { return (pfad / name).string(); }
};

TEST(Bibliothek, AndereSatzlaengeUndAndererKopfeintrag) {
  Ordner o;
  const std::string liste = o.Datei("meine.d3");
  DateiSchreiben(liste, Liste(3));
  ASSERT_TRUE(ListeImportieren(o.a, Dreier, liste));
  EXPECT_EQ(o.a.Listendatei(Elementart::Kreuzung), liste);
  EXPECT_TRUE(o.a.Listendatei(Elementart::Weiche).empty());

  ASSERT_TRUE(TypenTauschen(o.a, Dreier, 1, 3));
  EXPECT_FALSE(TypenTauschen(o.a, Dreier, 1, 4));
  ASSERT_TRUE(TypEntfernen(o.a, Dreier, 2, o.d));
  EXPECT_EQ(DateiLesen(liste), (Zeilen{"Kopf", "2", "c1", "c2", "c3", "a1", "a2", "a3"}));
  ASSERT_TRUE(TypAnhaengen(o.a, Dreier, {"d1", "d2", "d3"}, o.d));
  EXPECT_FALSE(TypAnhaengen(o.a, Dreier, {"x"}, o.d));  // not a record of this kind
  EXPECT_EQ(ListenZeilen(ListeLaden(o.a, Dreier), Dreier),
            (std::vector<TListenzeile>{{"1", "c1"}, {"2", "a1"}, {"3", "d1"}}));
  EXPECT_EQ(TypLesen(o.a, Dreier, 3, o.d), (Zeilen{"d1", "d2", "d3"}));
  EXPECT_EQ(TypLesen(o.a, Dreier, 4, o.d), std::nullopt);
  EXPECT_TRUE(o.d.fehler.empty());

  ASSERT_TRUE(ListeExportieren(o.a, Dreier, o.Datei("kopie.d3"), o.d));
  EXPECT_EQ(DateiLesen(o.Datei("kopie.d3")), DateiLesen(liste));

  // Without a readable list every operation reports in the kind's words and writes nothing.
  EXPECT_FALSE(ListeImportieren(o.a, Dreier, o.Datei("fehlt.d3")));
  EXPECT_EQ(o.a.Listendatei(Elementart::Kreuzung), o.a.DatenPfad + "stdDrei.d3");
  EXPECT_FALSE(ListeExportieren(o.a, Dreier, o.Datei("x.d3"), o.d));
  EXPECT_EQ(o.d.fehler.back(), "Keine Dreierliste zum Exportieren vorhanden");
  EXPECT_FALSE(TypAnhaengen(o.a, Dreier, {"e1", "e2", "e3"}, o.d));
  EXPECT_EQ(o.d.fehler.back(), "Die Datei" + o.a.Listendatei(Elementart::Kreuzung) + " konnte nicht geöffnet werden.");
  EXPECT_EQ(TypLesen(o.a, Dreier, 1, o.d), std::nullopt);
  EXPECT_EQ(o.d.fehler.size(), 3u);
  EXPECT_FALSE(fs::exists(o.Datei("x.d3")));
  EXPECT_FALSE(fs::exists(o.a.Listendatei(Elementart::Kreuzung)));
}

TEST(Bibliothek, AufrufenImportiertEineFehlendeListeUndAuswahlWirkt) {
  Ordner o;
  o.a.Listendatei(Elementart::Kreuzung) = o.Datei("fehlt.d3");
  const std::string liste = o.Datei("da.d3");
  DateiSchreiben(liste, Liste(2));
  o.d.pfade.push_back(liste);
  EXPECT_EQ(ListeAufrufen(o.a, Dreier, o.d), Listenaufruf::Importiert);
  ASSERT_EQ(o.d.fragen.size(), 1u);
  EXPECT_EQ(o.d.fragen[0], "Die Dreierliste \"" + o.Datei("fehlt.d3") +
                               "\" konnte nicht gefunden werden. Bitte importieren Sie zunächst eine "
                               "Dreierliste.");
  EXPECT_EQ(o.a.Listendatei(Elementart::Kreuzung), liste);
  EXPECT_EQ(ListeAufrufen(o.a, Dreier, o.d), Listenaufruf::Zeigen);
  EXPECT_EQ(o.d.fragen.size(), 1u);

  EXPECT_EQ(ListenAuswahl(o.a, Dreier, Listenknopf::Abbrechen, 1, o.d), std::nullopt);
  EXPECT_EQ(ListenAuswahl(o.a, Dreier, Listenknopf::Auswaehlen, 2, o.d), (Zeilen{"b1", "b2", "b3"}));
  // Removing asks first; Nein keeps the type.
  EXPECT_EQ(ListenAuswahl(o.a, Dreier, Listenknopf::Entfernen, 1, o.d), std::nullopt);
  EXPECT_EQ(o.d.fragen.back(), "Den Typ Nr. 1 aus der Dreierliste entfernen?");
  EXPECT_EQ(DateiLesen(liste).size(), 8u);
  o.d.antworten.push_back(Antwort::Ja);
  EXPECT_EQ(ListenAuswahl(o.a, Dreier, Listenknopf::Entfernen, 1, o.d), std::nullopt);
  EXPECT_EQ(DateiLesen(liste), (Zeilen{"Kopf", "1", "b1", "b2", "b3"}));

  // A cancelled dialog leaves the standard list of the data folder active.
  o.a.Listendatei(Elementart::Kreuzung) = o.Datei("fehlt.d3");
  EXPECT_EQ(ListeAufrufen(o.a, Dreier, o.d), Listenaufruf::Importiert);
  EXPECT_EQ(o.a.Listendatei(Elementart::Kreuzung), o.a.DatenPfad + "stdDrei.d3");
}


}  // namespace
}  // namespace trm
