// The settings window's rules: the gauge table, the amounts and resets at each level, the
// rail-head conversion, the minimum radius, the colours, and the settings file's head.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "Editorumgebung.h"
#include "core/editor/Anlagendaten.h"
#include "core/editor/Farbmischer.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Bogen.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"

namespace trm {
namespace {

TEST(Modellspur, NormspurenUndFreieWerte) {
  EXPECT_EQ(Modellspur(1435, 87), 16.5);
  EXPECT_EQ(Modellspur(1000, 87), 12);
  EXPECT_EQ(Modellspur(750, 87), 9);
  EXPECT_EQ(Modellspur(600, 87), 6.5);
  EXPECT_EQ(Modellspur(1435, 45), 32);
  EXPECT_EQ(Modellspur(1435, 160), 9);
  EXPECT_EQ(FestText(Modellspur(2000, 87)), "22,989");
}

TEST(Farbmischer, PaletteGrauUndBenutzerfarben) {
  EXPECT_EQ(Palettenfarbe(0), Rgb(36, 0, 0));
  EXPECT_EQ(Palettenfarbe(6), Rgb(255, 0, 0));
  EXPECT_EQ(Palettenfarbe(7), Rgb(255, 36, 0));
  EXPECT_EQ(Palettenfarbe(16), Rgb(146, 255, 0));  // row 2, k = 3: red falls to 255 - 109
  EXPECT_EQ(Palettenfarbe(48), Rgb(255, 255, 255));
  EXPECT_EQ(Graustufe(6), Rgb(216, 216, 216));
  Farbspeicher f{};
  for (int i = 0; i < 16; ++i) f[static_cast<std::size_t>(i)] = i + 1;
  NutzerfarbeLoeschen(f, 0);  // nothing chosen: the first goes
  EXPECT_EQ(f[0], 2);
  EXPECT_EQ(f[15], 0xFFFFFF);
  NutzerfarbeLoeschen(f, 3);
  EXPECT_EQ(f[1], 3);
  EXPECT_EQ(f[2], 5);
  NutzerfarbeHinzufuegen(f, 0x123456);
  EXPECT_EQ(f[0], 0x123456);
  EXPECT_EQ(f[1], 2);
}

class AnlagendatenTest : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    daten = std::make_unique<Anlagendaten>(*ed);
  }
  std::unique_ptr<Anlagendaten> daten;
};

TEST_F(AnlagendatenTest, BetraegeRuecksetzungenUndSchienenkopf) {
  Anlage& a = ed->anlage();
  ASSERT_TRUE(daten->MassSetzen(Ebene::Anlage, Mass::SwAbst, "-12"));
  EXPECT_EQ(a.Werte.SwAbst, 12);
  ASSERT_TRUE(daten->MassSetzen(Ebene::Gleis, Mass::TrBrt, "-40"));
  EXPECT_EQ(ed->gleis()->Eigen.TrBrt, -40);
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Anlagendaten");

  // A hand-set segment gauge is replaced by the layout's when the reset box is ticked.
  ASSERT_TRUE(daten->MassSetzen(Ebene::Bogen, Mass::Spur, "9"));
  ASSERT_TRUE(daten->MassSetzen(Ebene::Modul, Mass::Spur, "12"));
  EXPECT_EQ(daten->Anzeige(Ebene::Bogen, Mass::Spur), "9,000");
  daten->ueberschreibenAnlage = true;
  ASSERT_TRUE(daten->MassSetzen(Ebene::Anlage, Mass::Spur, "16,5"));
  EXPECT_EQ(daten->Anzeige(Ebene::Bogen, Mass::Spur), "16,500");
  EXPECT_EQ(ed->modul()->Eigen.Spur, NichtGesetzt);

  // The rail head is stored as the width over both heads at the level's gauge.
  ASSERT_TRUE(daten->MassSetzen(Ebene::Anlage, Mass::SKopf, "-0,75"));
  EXPECT_DOUBLE_EQ(a.Werte.SpurAussen, 18);
  EXPECT_EQ(daten->Anzeige(Ebene::Anlage, Mass::SKopf), "0,750");
  daten->ueberschreibenAnlage = false;
  ASSERT_TRUE(daten->MassSetzen(Ebene::Gleis, Mass::Spur, "12"));
  ASSERT_TRUE(daten->MassSetzen(Ebene::Gleis, Mass::SKopf, "1"));
  EXPECT_DOUBLE_EQ(ed->gleis()->Eigen.SpurAussen, 14);

  // A track-level reset clears the segments' own values, not the tracks'.
  ASSERT_TRUE(daten->MassSetzen(Ebene::Bogen, Mass::SwLen, "30"));
  daten->ueberschreibenGleis = true;
  ASSERT_TRUE(daten->MassSetzen(Ebene::Gleis, Mass::SwLen, "28"));
  EXPECT_EQ(ed->bogen()->Eigen.SwLen, NichtGesetzt);
  EXPECT_EQ(ed->gleis()->Eigen.SwLen, 28);
}

TEST_F(AnlagendatenTest, MindestradiusUndUnsinnigeWerte) {
  ASSERT_TRUE(daten->MinRadiusSetzen(Ebene::Gleis, "-500"));
  EXPECT_DOUBLE_EQ(ed->gleis()->Eigen.MaxKruemmung, 0.002);
  EXPECT_EQ(daten->MinRadiusAnzeige(Ebene::Gleis), "500,000");
  const Zeilen vorher = AnlageZeilen(ed->anlage());
  EXPECT_FALSE(daten->MinRadiusSetzen(Ebene::Anlage, "0"));
  EXPECT_FALSE(daten->MinRadiusSetzen(Ebene::Modul, "abc"));
  EXPECT_FALSE(daten->ModulGroesseSetzen(true, "0"));
  EXPECT_FALSE(daten->MassstabSetzen("-87"));
  // A sleeper spacing giving a segment more sleepers than a file holds is taken back whole.
  const std::size_t schritte = ed->dokument().verlauf().AnzahlRueckgaengig();
  daten->ueberschreibenModul = true;
  EXPECT_FALSE(daten->MassSetzen(Ebene::Modul, Mass::SwAbst, "0"));
  EXPECT_FALSE(daten->MassSetzen(Ebene::Bogen, Mass::SwAbst, "0,001"));
  EXPECT_TRUE(daten->MassSetzen(Ebene::Bogen, Mass::SwAbst, "-1"));
  EXPECT_EQ(ed->dokument().verlauf().AnzahlRueckgaengig(), schritte + 1);
  EXPECT_EQ(dialoge.fehler, std::vector<std::string>(6, "Falsche Eingabe. Wert wird zurückgesetzt"));
  EXPECT_EQ(AnlageZeilen(ed->anlage()), vorher);
}

TEST_F(AnlagendatenTest, EinstellungsdateiKopfErsetztRestBleibt) {
  const std::string pfad = (ordner / "trassomatic.std").string();
  Zeilen alt = DateiLesen(pfad);
  ASSERT_GT(alt.size(), 34u);
  ASSERT_TRUE(daten->MassstabSetzen("160"));
  ASSERT_TRUE(daten->MassSetzen(Ebene::Anlage, Mass::Spur, "9"));
  ed->anlage().Name = "Mein Plan";
  ::chmod(pfad.c_str(), 0444);
  ASSERT_TRUE(daten->EinstellungenSpeichern(pfad));
  ASSERT_EQ(dialoge.infos.size(), 1u);
  EXPECT_EQ(dialoge.infos[0], "Grundeinstellungen wurden gespeichert\n\rDer Schreibschutz der Datei \"TRASSOMATIC.STD\" wurde entfernt");
  const Zeilen neu = DateiLesen(pfad);
  ASSERT_EQ(neu.size(), alt.size());
  EXPECT_EQ(neu[0], "TRMAnlage");
  EXPECT_EQ(neu[1], "Ohne Namen");
  EXPECT_EQ(neu[10], "ATST");
  EXPECT_EQ(neu[16], "00");
  EXPECT_EQ(neu[21], "9");
  EXPECT_EQ(neu[27], "160");
  EXPECT_EQ(neu[35], alt[35]);  // the template module's name
  // The new layout of the next start is the N-scale one, its template module included (it
  // held the old defaults as its own values). The changed layout is given up.
  dialoge.antworten.push_back(Antwort::Nein);
  ASSERT_TRUE(dok->Neu());
  EXPECT_EQ(ed->anlage().Massstab, 160);
  EXPECT_EQ(ed->anlage().Werte.Spur, 9);
  EXPECT_EQ(ed->modul()->Spur(), 9);
  EXPECT_EQ(ed->gleis()->Spur(), 9);
  // A file that cannot be replaced stays whole.
  std::filesystem::permissions(ordner, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const bool schreibbar = ::access(ordner.c_str(), W_OK) == 0;  // root writes anyway
  if (!schreibbar) {
    EXPECT_FALSE(daten->EinstellungenSpeichern(pfad));
    EXPECT_EQ(dialoge.fehler.back(), "Datei konnte nicht gespeichert werden");
    EXPECT_EQ(DateiLesen(pfad), neu);
  }
  std::filesystem::permissions(ordner, std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace trm
