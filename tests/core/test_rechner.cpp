// The helix calculator, the gradient window's edits and the 3-D view's camera and scene.
#include <gtest/gtest.h>

#include "Editorumgebung.h"
#include "core/calculators/Gleiswendel.h"
#include "core/calculators/Steigung.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "core/output/Ansicht3D.h"
#include "core/render/Aufzeichnung.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {
namespace {

TEST(Gleiswendel, FehlendeWerteNachMaske) {
  TGleiswendel w;
  w.Bearbeitet(WR, 500);
  w.Bearbeitet(WS, 2);
  EXPECT_FALSE(w.Berechenbar());
  w.Bearbeitet(WW, 720);
  ASSERT_EQ(w.maske, 7);
  ASSERT_TRUE(w.Berechnen());
  EXPECT_EQ(w.Text(WN), "2,000");
  EXPECT_EQ(w.Text(WL), "6283,185");
  EXPECT_EQ(w.Text(WH), "125,664");
  EXPECT_EQ(w.Text(WH360), "62,832");
  EXPECT_EQ(w.Text(WDL), "1,257");

  TGleiswendel v;
  v.Bearbeitet(WR, 400);
  v.Bearbeitet(WH, 100);
  v.Bearbeitet(WL, 5026.548);
  ASSERT_EQ(v.maske, 81);
  ASSERT_TRUE(v.Berechnen());
  EXPECT_EQ(v.Text(WW), "720,000");
  EXPECT_EQ(v.Text(WN), "2,000");
  EXPECT_EQ(v.Text(WS), "1,989");
  EXPECT_EQ(v.Text(WH360), "50,000");
  // A full mask recomputes what depends on an edited row; a 0 removes the value.
  v.Bearbeitet(WR, 800);
  EXPECT_EQ(v.maske, 127);
  EXPECT_DOUBLE_EQ(v.w[WL], 6.283185307179586477 * 800 * v.w[WN]);
  v.Bearbeitet(WS, 0);
  EXPECT_EQ(v.maske, 125);
  EXPECT_FALSE(v.Berechenbar());
}

class SteigungTest : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    TGleis& g = *ed->gleis();
    g.Boegen.clear();
    for (double l : {1000.0, 500.0, 500.0}) {
      auto b = std::make_unique<TBogen>();
      b->SetLaenge(l);
      g.BogenAnhaengen(std::move(b));
    }
    ModulBerechnen(*ed->modul());
    daten = std::make_unique<Steigungsdaten>(*ed);
  }
  TBogen& B(int i) { return *ed->gleis()->Boegen[static_cast<std::size_t>(i)]; }
  std::unique_ptr<Steigungsdaten> daten;
};

TEST_F(SteigungTest, HoehendifferenzUeberVorhergehendeBoegen) {
  daten->bogen = 2;
  daten->Vor();
  EXPECT_EQ(daten->bogen, 0);  // past the last: the first
  daten->Zurueck();
  EXPECT_EQ(daten->bogen, 2);
  daten->vorhergehendeEinbeziehen = true;
  ASSERT_TRUE(daten->DifferenzSetzen("40"));
  for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(B(i).Steigung(), 2);
  EXPECT_NEAR(B(2).ZEnde, 40, 1e-9);
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Höhendifferenz");
  daten->bogen = 1;
  daten->nachfolgendeUebernehmen = true;
  ASSERT_TRUE(daten->SteigungSetzen("-1,5"));
  EXPECT_DOUBLE_EQ(B(0).Steigung(), 2);
  EXPECT_DOUBLE_EQ(B(2).Steigung(), -1.5);
  ASSERT_TRUE(daten->HoeheSetzen("12"));
  EXPECT_EQ(daten->Anzeige().zeilen[3], "32,000");  // segment 2 starts 1000 mm · 2 % higher
}

TEST_F(SteigungTest, ProfilUndWendelAufDenBogen) {
  daten->bogen = 1;
  ASSERT_TRUE(daten->SteigungSetzen("3"));
  Aufzeichnung c(400, 200);
  daten->ProfilZeichnen(c, 200);
  EXPECT_EQ(Steigungsdaten::ProfilBreite(*ed->gleis()), 2 * 10 + 3 * 100 + 50);
  // The selected segment's line: 100 px right and 3 px up from its start, in red.
  bool rot = false;
  for (const auto& b : c.befehle)
    if (b.stift.farbe == 255 && b.punkte.size() == 2 && b.punkte[0] == PixelPunkt{110, 100} &&
        b.punkte[1] == PixelPunkt{210, 97})
      rot = true;
  EXPECT_TRUE(rot);

  TGleiswendel w;
  w.Bearbeitet(WR, 500);
  w.Bearbeitet(WS, 2);
  w.Bearbeitet(WW, 90);
  ASSERT_TRUE(w.Berechnen());
  ed->gleis()->BogenWaehlen(1);
  ASSERT_TRUE(WendelUebertragen(*ed, w));
  EXPECT_NEAR(B(1).Laenge(), 500 * 3.141592653589793 / 2, 1e-9);
  EXPECT_NEAR(B(1).ZEnde - B(1).ZAnf(), w.w[WH], 1e-9);
  EXPECT_DOUBLE_EQ(B(2).XAnf(), B(1).XEnde);
  TGleiswendel geholt;
  geholt.AusBogen(B(1));
  EXPECT_EQ(geholt.Text(WW), "90,000");
  EXPECT_EQ(geholt.Text(WS), "2,000");
}

TEST_F(SteigungTest, WeichenUndKreuzungsweichenZeichnenIhrZeichen) {
  auto zeichnen = [&](const TListenart& art) {
    const Zeilen satz =
        TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/" + art.standardName, art.satzlaenge, art.kopfzeilen).Satz(1);
    ed->anlage().AktuellesModul()->GleisWaehlen(0);
    ed->gleis()->BogenWaehlen(2);
    art.einsetzen(ed->anlage(), satz);
    Aufzeichnung c(400, 200);
    daten->ProfilZeichnen(c, 200);
    return c;
  };
  auto linie = [](const Aufzeichnung& c, PixelPunkt a, PixelPunkt b) {
    for (const auto& z : c.befehle)
      if (z.art == Zeichenbefehl::Art::Linie && z.punkte[0] == a && z.punkte[1] == b) return true;
    return false;
  };
  const Aufzeichnung w = zeichnen(ListeWeichen);
  EXPECT_TRUE(linie(w, {25, 115}, {175, 115}) && linie(w, {25, 115}, {175, 85}));  // main and branch
  EXPECT_EQ(w.Alle(Zeichenbefehl::Art::Text).size(), 3u);
  const Aufzeichnung k = zeichnen(ListeEKW);
  EXPECT_TRUE(linie(k, {25, 115}, {175, 85}) && linie(k, {25, 85}, {175, 115}));
  // The slip's bar on its branch's side: the shipped type's branch is at the crossing track
  // (crossing track A to main track B), above the middle line.
  EXPECT_TRUE(linie(k, {50, 86}, {147, 86}));
  EXPECT_FALSE(linie(k, {50, 114}, {147, 114}));
  EXPECT_EQ(k.Alle(Zeichenbefehl::Art::Text).size(), 4u);
  // With the branch at the main track (main track A to crossing track B) it lies below.
  ASSERT_TRUE(ZweiggleisWechseln(*ed));
  Aufzeichnung unten(400, 200);
  daten->ProfilZeichnen(unten, 200);
  EXPECT_TRUE(linie(unten, {50, 114}, {147, 114}));
  EXPECT_FALSE(linie(unten, {50, 86}, {147, 86}));
}

TEST_F(SteigungTest, DreiDAnsicht) {
  TAnsicht3D b;
  for (int i = 0; i < 140; ++i) b.Knopf(1);
  EXPECT_EQ(b.Abstand, 0);
  daten->bogen = 0;
  ASSERT_TRUE(daten->SteigungSetzen("2"));
  const TSzene3D s = Szene3D(*ed->modul(), true);
  // The view turns about the middle of the 2000 mm track, halfway up its 20 mm ramp.
  const TAnsicht3D a = TAnsicht3D::Start(s, 1);
  EXPECT_NEAR(a.Mitte.x, (s.linien[0].front().x + s.linien[2].back().x) / 2, 1e-9);
  EXPECT_NEAR(a.Mitte.z, 10, 1e-9);
  EXPECT_EQ(s.umriss[2].x, ed->modul()->Breite);
  EXPECT_EQ(s.umriss[2].z, 0);
  ASSERT_EQ(s.linien.size(), 3u);
  EXPECT_NEAR(s.linien[0].back().z - s.linien[0].front().z, 20, 1e-9);  // rising
  EXPECT_EQ(s.zMax, s.linien[0].back().z);
  ASSERT_GT(s.baender.size(), 2u);
  EXPECT_LT(s.baender.front().anteil, 0.01);  // shaded by height: the ramp's foot is dark
  EXPECT_GT(s.baender[s.linien[0].size() - 2].anteil, 0.99);
}

}  // namespace
}  // namespace trm
