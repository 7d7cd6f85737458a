// The curve window's rules on the current segment and "Bogen fortführen".
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "core/editor/BogenFortfuehren.h"
#include "core/editor/Bogendaten.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Neuberechnung.h"
#include "core/crossings/Kreuzung.h"
#include "core/model/Element.h"
#include "core/model/Modul.h"
#include "core/model/Pruefung.h"

namespace trm {
namespace {

class BogendatenTest : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->Neu());
    fenster = std::make_unique<Bogendaten>(*ed);
    TGleis& g = *ed->gleis();
    g.XAnf = g.YAnf = 0;
    g.SetWAnf(0);
    g.Boegen.clear();
    for (double r : {0.0, 500.0, 0.0}) {
      auto b = std::make_unique<TBogen>();
      b->SetLaenge(200);
      b->SetAnfRadius(r);
      b->SetEndRadius(r);
      g.BogenAnhaengen(std::move(b));
    }
    g.BogenWaehlen(1);
    ModulBerechnen(*ed->modul());
  }
  TBogen& B(int i) { return *ed->gleis()->Boegen[static_cast<std::size_t>(i)]; }
  std::unique_ptr<Bogendaten> fenster;
};

TEST_F(BogendatenTest, BehalteneGroesseEntscheidet) {
  fenster->behalten = Behalten::Endwinkel;
  ASSERT_TRUE(fenster->LaengeSetzen("400"));
  EXPECT_NEAR(B(1).AnfRadius(), 1000, 1e-9);
  EXPECT_NEAR(B(1).EndRadius(), 1000, 1e-9);
  EXPECT_DOUBLE_EQ(B(2).XAnf(), B(1).XEnde);  // the rest of the track follows

  fenster->behalten = Behalten::Laenge;
  ASSERT_TRUE(fenster->EndwinkelSetzen("0"));  // end direction = start direction: a straight
  EXPECT_TRUE(std::isinf(B(1).AnfRadius()));
  EXPECT_EQ(fenster->Anzeige().kennwerte, "N = 0  W = 0,000°  Gerade");

  ASSERT_TRUE(fenster->AnfRadiusSetzen("500"));
  ASSERT_TRUE(fenster->EndRadiusSetzen("500"));
  fenster->behalten = Behalten::Endradius;
  ASSERT_TRUE(fenster->EndwinkelSetzen("90"));
  EXPECT_NEAR(B(1).Laenge(), 500 * Pi / 2, 1e-9);
  ASSERT_TRUE(fenster->TangenteSetzen("250"));
  EXPECT_NEAR(B(1).Laenge(), 2 * 500 * std::atan(0.5), 1e-9);
  EXPECT_EQ(fenster->Anzeige().tangente, "250,000");

  fenster->behalten = Behalten::Endwinkel;  // tangent at kept turn: the radius follows
  const double turn = B(1).Laenge() / 500;
  ASSERT_TRUE(fenster->TangenteSetzen("100"));
  EXPECT_NEAR(B(1).AnfRadius(), 100 / std::tan(turn / 2), 1e-9);
  EXPECT_NEAR(B(1).WEnde - B(1).WAnf(), turn, 1e-12);

  EXPECT_FALSE(fenster->LaengeSetzen("12.5"));  // decimal point: the conversion message
  EXPECT_EQ(dialoge.fehler.size(), 1u);

  // More sleepers than a layout file holds (900 m at 7.2 mm): refused, the step taken back.
  const double laenge = B(1).Laenge();
  const std::size_t schritte = ed->dokument().verlauf().AnzahlRueckgaengig();
  EXPECT_FALSE(fenster->LaengeSetzen("900000"));
  EXPECT_EQ(B(1).Laenge(), laenge);
  EXPECT_EQ(ed->dokument().verlauf().AnzahlRueckgaengig(), schritte);
  EXPECT_EQ(dialoge.fehler, (std::vector<std::string>{dialoge.fehler[0], "Wert nicht sinnvoll"}));
}

TEST_F(BogendatenTest, FlexibleNachbarnUndSegmente) {
  B(2).Starr = false;
  ASSERT_TRUE(fenster->AnfRadiusSetzen("-700"));
  ASSERT_TRUE(fenster->EndRadiusSetzen("-600"));
  EXPECT_EQ(B(2).AnfRadius(), -600);  // the flexible successor takes the end radius
  ASSERT_TRUE(fenster->RadienTauschen());
  EXPECT_EQ(B(1).AnfRadius(), -600);
  EXPECT_EQ(B(2).AnfRadius(), -700);

  ASSERT_TRUE(fenster->BogenHinzufuegen());
  ASSERT_EQ(ed->gleis()->Boegen.size(), 4u);
  EXPECT_EQ(ed->gleis()->AktBogen, 2);
  EXPECT_NEAR(B(2).Laenge(), 17400.0 / ed->anlage().Massstab, 1e-12);
  EXPECT_EQ(ed->Zustand().rueckgaengig, "Rückgängig: Bogen hinzufügen");
  ASSERT_TRUE(fenster->BogenLoeschen());
  EXPECT_EQ(ed->gleis()->AktBogen, 1);
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(ed->gleis()->Boegen.size(), 4u);
}

TEST_F(BogendatenTest, FortfuehrenBisXOderY) {
  const TBogen& gerade = B(0);  // along x from (0, 0), 200 long
  EXPECT_DOUBLE_EQ(*BogenFortfuehren(gerade, true, 300).laenge, 300);
  EXPECT_FALSE(BogenFortfuehren(gerade, false, 50).laenge);
  EXPECT_EQ(BogenFortfuehren(gerade, true, -10).meldung, "Wert nicht sinnvoll");

  // The arc starts at (200, 0) heading along x with its centre at (200, 500).
  const TBogen& bogen = B(1);
  EXPECT_NEAR(*BogenFortfuehren(bogen, true, 700).laenge, 500 * Pi / 2, 1e-9);
  EXPECT_NEAR(*BogenFortfuehren(bogen, false, 500).laenge, 500 * Pi / 2, 1e-9);
  const TFortfuehrung aussen = BogenFortfuehren(bogen, true, 800);
  EXPECT_FALSE(aussen.laenge);
  EXPECT_EQ(aussen.meldung, "Wert nicht möglich");

  B(1).SetEndRadius(800);  // a transition curve: no result
  ModulBerechnen(*ed->modul());
  EXPECT_FALSE(BogenFortfuehren(B(1), true, 300).laenge);
}

TEST_F(BogendatenTest, RichtungenUeberNullGrad) {
  // A track that starts at 350°: the end direction 10° is a turn of 20° to the left.
  ed->gleis()->SetWAnf(350 * Pi / 180);
  ModulBerechnen(*ed->modul());
  fenster->behalten = Behalten::Laenge;
  ASSERT_TRUE(fenster->RadiusUebertragen("0", false));
  ASSERT_TRUE(fenster->EndwinkelSetzen("10"));
  EXPECT_NEAR(B(1).AnfRadius(), 200 / (20 * Pi / 180), 1e-9);  // R 572,958
  EXPECT_NEAR(B(1).Drehung(), 20 * Pi / 180, 1e-12);
  EXPECT_EQ(fenster->Anzeige().endwinkel, "10,000");
  EXPECT_EQ(fenster->Anzeige().anfangswinkel, "350,000");
  ASSERT_TRUE(fenster->EndwinkelSetzen("340"));  // 10° to the right
  EXPECT_NEAR(B(1).AnfRadius(), -200 / (10 * Pi / 180), 1e-9);

  // With the radius kept a left arc goes on to the left until it faces the direction.
  ASSERT_TRUE(fenster->AnfRadiusSetzen("500"));
  ASSERT_TRUE(fenster->EndRadiusSetzen("500"));
  fenster->behalten = Behalten::Endradius;
  ASSERT_TRUE(fenster->EndwinkelSetzen("80"));
  EXPECT_NEAR(B(1).Laenge(), 500 * 90 * Pi / 180, 1e-9);
  ASSERT_TRUE(fenster->EndwinkelSetzen("260"));  // past 180°: still to the left
  EXPECT_NEAR(B(1).Laenge(), 500 * 270 * Pi / 180, 1e-9);
  EXPECT_EQ(fenster->Anzeige().kennwerte.substr(fenster->Anzeige().kennwerte.find("W =")), "W = 270,000°  Kreisbogen");

  // A start stored as a whole turn shows as 0 and continues as one.
  ed->gleis()->SetWAnf(2 * Pi);
  ModulBerechnen(*ed->modul());
  EXPECT_EQ(ed->Zustand().anfangswinkel, "0,000");
  ASSERT_TRUE(fenster->EndRadiusSetzen("500"));
  fenster->behalten = Behalten::Laenge;
  ASSERT_TRUE(fenster->LaengeSetzen("200"));
  EXPECT_NEAR(*BogenFortfuehren(B(1), true, 700).laenge, 500 * Pi / 2, 1e-9);
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

// A segment of a crossing's main track changed in the curve window: the crossing places its
// other tracks anew, and a track hanging on one of them follows (it stayed behind before).
TEST_F(BogendatenTest, ElementgleisNimmtAngehaengteMit) {
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Kreuzung, StandardKreuzung(*ed->modul())));
  TModul& m = *ed->modul();
  TElement& k = *m.Elemente[0];
  TGleis* abzweig = k.AlleGleise().back();
  ASSERT_NE(abzweig, k.Stammgleis());
  m.GleisWaehlen(m.GleisIndex(abzweig));
  abzweig->BogenWaehlen(static_cast<int>(abzweig->Boegen.size()) - 1);
  ASSERT_TRUE(ed->GleisAnfuegen());
  TGleis* dran = ed->gleis();
  TGleis* stamm = k.Stammgleis();
  m.GleisWaehlen(m.GleisIndex(stamm));
  for (int i = 0; i < static_cast<int>(stamm->Boegen.size()); ++i)
    if (stamm->Boegen[static_cast<std::size_t>(i)]->Laenge() > 0) {
      stamm->BogenWaehlen(i);
      break;
    }
  fenster->behalten = Behalten::Endradius;
  ASSERT_TRUE(fenster->TangenteSetzen("20"));
  ModulBerechnen(m);
  EXPECT_NEAR(dran->XAnf, dran->Vorgaenger->XEnde(), 1e-6);
  EXPECT_NEAR(dran->YAnf, dran->Vorgaenger->YEnde(), 1e-6);
  EXPECT_TRUE(VerbindungenPruefen(ed->anlage()).empty());
}

}  // namespace
}  // namespace trm
