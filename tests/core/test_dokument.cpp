// The file commands on the open layout: new from the settings file, open, save, save as,
// the save-changes question and the close query, driven with scripted answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SkriptDialoge.h"
#include "core/editor/Dokument.h"
#include "core/model/Datenordner.h"
#include "core/model/Textdatei.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

/// A step in the history: the layout now differs from what was saved.
void Aendern(Dokument& d) {
  d.verlauf().Vormerken(d.anlage());
  d.verlauf().Abschliessen("Änderung");
}

class DokumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner = fs::temp_directory_path() /
             ("trm_dokument_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(ordner);
    ASSERT_TRUE(DatenordnerEinrichten(ordner.string(), TRM_QUELLDATEN));
    dok = std::make_unique<Dokument>(dialoge, ordner.string(), std::make_shared<MersenneZufall>(9));
    ASSERT_TRUE(dok->Neu());
  }
  void TearDown() override { fs::remove_all(ordner); }
  std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

  fs::path ordner;
  test::SkriptDialoge dialoge;
  std::unique_ptr<Dokument> dok;
};

TEST_F(DokumentTest, NeuLiestDieEinstellungsdatei) {
  const Anlage& a = dok->anlage();
  EXPECT_EQ(dok->Titel(), "T88 TRASSOMATIC - Datei: Ohne Namen");
  EXPECT_EQ(a.Werte.Spur, 16.5);
  EXPECT_EQ(a.Massstab, 87);
  EXPECT_TRUE(a.DateiPfad.empty());
  EXPECT_FALSE(dok->Geaendert());
  EXPECT_EQ(a.Listendatei(Elementart::Weiche), ordner.string() + "/stdWListe.w88");
  ASSERT_EQ(a.Module.size(), 1u);
  EXPECT_NEAR(a.Module[0]->Gleise[0]->Boegen[0]->XEnde, 300, 1e-9);  // computed: 100 + 200
}

TEST_F(DokumentTest, EinstellungsdateiOhneBeachtungDerGrossschreibung) {
  fs::rename(ordner / "trassomatic.std", ordner / "Trassomatic.STD");
  EXPECT_TRUE(dok->Neu());
  EXPECT_TRUE(dialoge.fehler.empty());
}

TEST_F(DokumentTest, OhneNamenFragtSpeichernImmerNachDemNamen) {
  dialoge.pfade.push_back(Pfad("Plan.M88"));
  EXPECT_TRUE(dok->Speichern());
  EXPECT_EQ(dok->anlage().Name, "Plan");
  EXPECT_EQ(dok->anlage().DateiPfad, Pfad("Plan.M88"));
  EXPECT_EQ(dok->Titel(), "T88 TRASSOMATIC - Datei: Plan");
  EXPECT_TRUE(fs::exists(Pfad("Plan.M88")));
  // Named now: saving again writes without a dialog.
  Aendern(*dok);
  EXPECT_TRUE(dok->Speichern());
  EXPECT_TRUE(dialoge.pfade.empty());
  EXPECT_FALSE(dok->Geaendert());
}

TEST_F(DokumentTest, NameOhneOrdnerUndErstesM88) {
  EXPECT_EQ(NameAusPfad("/a/b/Plan.M88"), "Plan");
  EXPECT_EQ(NameAusPfad("/a/b/x.m88.m88"), "x.m88");
  EXPECT_EQ(NameAusPfad("/a/Gleis plan"), "Gleis plan");
}

TEST_F(DokumentTest, SchreibfehlerMeldetUndLaesstAenderungenStehen) {
  Aendern(*dok);
  dialoge.pfade.push_back(Pfad("fehlt/Plan.m88"));  // folder does not exist
  EXPECT_FALSE(dok->SpeichernUnter());
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("konnte nicht gespeichert werden"), std::string::npos);
  EXPECT_TRUE(dok->Geaendert());
  EXPECT_EQ(dok->anlage().Name, "Ohne Namen");  // the failed name is not taken
}

TEST_F(DokumentTest, OeffnenErsetztDieAnlageUndBerechnetSie) {
  EXPECT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/bogenplan.m88"));
  const Anlage& a = dok->anlage();
  EXPECT_EQ(a.Name, "Bogenplan");
  EXPECT_EQ(dok->Titel(), "T88 TRASSOMATIC - Datei: Bogenplan");
  EXPECT_EQ(a.AktModul, 1);
  EXPECT_TRUE(a.AktuellesModul()->Gleise[0]->Boegen[0]->Berechnet);
  EXPECT_FALSE(dok->Geaendert());
}

TEST_F(DokumentTest, FehlgeschlagenesOeffnenLaesstDieAnlageUnveraendert) {
  const Anlage* vorher = &dok->anlage();
  Aendern(*dok);
  dialoge.antworten.push_back(Antwort::Nein);  // do not save first
  EXPECT_FALSE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/dezimalpunkt.m88"));
  EXPECT_EQ(&dok->anlage(), vorher);
  EXPECT_TRUE(dok->Geaendert());  // the changes still count as unsaved
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("dezimalpunkt.m88"), std::string::npos);
  EXPECT_NE(dialoge.fehler[0].find("'300.5' ist kein gültiger Gleitkommawert"), std::string::npos);

  // A file whose numbers read but compute to an infinity (gradient 1E308 over 200 mm).
  Zeilen z = DateiLesen(std::string(TRM_TESTDATEN) + "/bogenplan.m88");
  std::size_t bogen = 0;
  while (z[bogen] != "trmBogen") ++bogen;
  z[bogen + 18] = "1E308";
  DateiSchreiben(Pfad("steil.m88"), z);
  dialoge.antworten.push_back(Antwort::Nein);
  EXPECT_FALSE(dok->OeffnenDatei(Pfad("steil.m88")));
  EXPECT_EQ(&dok->anlage(), vorher);
  EXPECT_EQ(dok->anlage().Name, "Ohne Namen");
  ASSERT_EQ(dialoge.fehler.size(), 2u);
  EXPECT_NE(dialoge.fehler[1].find("Zeile " + std::to_string(bogen + 1) + ": Die Lage von Bogen"),
            std::string::npos)
      << dialoge.fehler[1];
}

TEST_F(DokumentTest, AenderungenSichernVorDemOeffnen) {
  Aendern(*dok);
  // Yes, but the save dialog is cancelled: the open stops so nothing is lost.
  dialoge.antworten.push_back(Antwort::Ja);
  dialoge.pfade.push_back(std::nullopt);
  EXPECT_FALSE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/bogenplan.m88"));
  EXPECT_EQ(dialoge.fragen.back(), "Möchten Sie die Änderungen in der Datei \"Ohne Namen\" sichern?");
  EXPECT_EQ(dok->anlage().Name, "Ohne Namen");
  // Yes and a name: saved, then opened.
  dialoge.antworten.push_back(Antwort::Ja);
  dialoge.pfade.push_back(Pfad("gesichert.m88"));
  EXPECT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/bogenplan.m88"));
  EXPECT_TRUE(fs::exists(Pfad("gesichert.m88")));
  EXPECT_EQ(dok->anlage().Name, "Bogenplan");
}

TEST_F(DokumentTest, OeffnenFragtVorDerDateiauswahl) {
  Aendern(*dok);
  dialoge.pfade.push_back(std::string(TRM_TESTDATEN) + "/bogenplan.m88");
  dialoge.antworten.push_back(Antwort::Abbrechen);
  EXPECT_FALSE(dok->Oeffnen());
  EXPECT_EQ(dialoge.pfade.size(), 1u);  // the open dialog never showed
  EXPECT_TRUE(dok->Geaendert());
  dialoge.antworten.push_back(Antwort::Nein);
  EXPECT_TRUE(dok->Oeffnen());
  EXPECT_EQ(dok->anlage().Name, "Bogenplan");
  EXPECT_EQ(dialoge.fragen.size(), 2u);
}

TEST_F(DokumentTest, SchliessenFragtNurBeiAenderungen) {
  EXPECT_TRUE(dok->SchliessenErlaubt());
  EXPECT_TRUE(dialoge.fragen.empty());
  Aendern(*dok);
  dialoge.antworten.push_back(Antwort::Abbrechen);
  EXPECT_FALSE(dok->SchliessenErlaubt());
  dialoge.antworten.push_back(Antwort::Nein);
  EXPECT_TRUE(dok->SchliessenErlaubt());
  EXPECT_FALSE(dok->Geaendert());
}

TEST_F(DokumentTest, NeuOhneEinstellungsdateiBehaeltDieAnlage) {
  EXPECT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/bogenplan.m88"));
  fs::remove(ordner / "trassomatic.std");
  EXPECT_FALSE(dok->Neu());
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("trassomatic.std\" konnte nicht geöffnet werden."), std::string::npos);
  EXPECT_EQ(dok->anlage().Name, "Bogenplan");
}

TEST_F(DokumentTest, GespeicherteDateiLiestSichGleich) {
  EXPECT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/bogenplan.m88"));
  dialoge.pfade.push_back(Pfad("kopie.m88"));
  ASSERT_TRUE(dok->SpeichernUnter());
  const Zeilen einmal = DateiLesen(Pfad("kopie.m88"));
  ASSERT_TRUE(dok->OeffnenDatei(Pfad("kopie.m88")));
  dialoge.pfade.push_back(Pfad("kopie2.m88"));
  ASSERT_TRUE(dok->SpeichernUnter());
  Zeilen zweimal = DateiLesen(Pfad("kopie2.m88"));
  zweimal[1] = einmal[1];  // the name follows the file name
  EXPECT_EQ(einmal, zweimal);
}

}  // namespace
}  // namespace trm
