// The rules of the crossing and slip data windows in the core: the smallest length, coupled
// outer radii, inclinations, values the element cannot take (refused, no step), double sleepers,
// the rows that follow the blade design, swapping blade devices, and the rows' texts.
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "Pruefhilfe.h"
#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/KrEndpfeile.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "core/crossings/Kreuzungsanzeige.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/editor/Bibliothek.h"
#include "core/model/AnlageDatei.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"

namespace trm {
namespace {

class Kreuzungsdaten : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/weichenplan.m88"));
  }
  /// Places type k of the shipped list of the kind.
  TKreuzung* Einsetzen(Elementart art, std::size_t k) {
    const Zeilen satz = ListeLaden(dok->anlage(), *KreuzungsListe(art)).Satz(k);
    EXPECT_TRUE(KreuzungEinsetzen(*ed, art, satz));
    return Kreuzung(*ed);
  }
  std::string Text(Krfeld f) {
    const TKreuzung* k = Kreuzung(*ed);
    if (!k) return "(keine Kreuzung)";
    const Kreuzungsanzeige a = KreuzungAnzeigen(*k);
    const TWertzeile* z = Zeile(a, f);
    return z ? z->text : "(keine Zeile)";
  }
  std::optional<std::string> Schritt() { return dok->verlauf().RueckgaengigName(); }
};

TEST_F(Kreuzungsdaten, MindestlaengeUndGekoppelteRadien) {
  TKreuzung* k = Einsetzen(Elementart::Kreuzung, 1);  // 15°, 239,07
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(KreuzungAnzeigen(*k).titel, "Kreuzung - Kreuzung 15° / 239,07");
  // 16.5 / tan(7.5°) = 125.329943: a shorter length is raised to it with the warning.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::Laenge, "100"));
  k = Kreuzung(*ed);
  EXPECT_DOUBLE_EQ(k->Laenge, k->MinLaenge());
  EXPECT_NEAR(k->Laenge, 125.329943, 1e-6);
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler[0],
            "Die Mindestlänge der Kreuzung wird unterschritten!\n\rWert wird auf die Mindestlänge von 125,330 gesetzt.");
  EXPECT_EQ(Schritt(), std::optional<std::string>("Länge"));
  EXPECT_EQ(Text(Krfeld::Laenge), "125,330");
  // A smaller angle leaves the length, without a warning: the frogs are cut to half of it.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::Neigung, "1 : 9"));
  k = Kreuzung(*ed);
  EXPECT_DOUBLE_EQ(k->Winkel, std::atan(1.0 / 9));
  EXPECT_NEAR(k->Laenge, 125.329943, 1e-6);
  EXPECT_DOUBLE_EQ(k->HerzAbst(), k->Laenge / 2);
  EXPECT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(Text(Krfeld::Neigung), "1:9,000");
  EXPECT_EQ(Text(Krfeld::Winkel), "6,340°");

  // "Radius anpassen": left 500 gives the crossing curve -500, right 500 gives 500.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::BP1Laenge, "50"));
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::StARadius, "500"));
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::StBRadius, "500"));
  k = Kreuzung(*ed);
  EXPECT_EQ(k->KrARadius, -500);
  EXPECT_EQ(k->KrBRadius, 500);
  EXPECT_EQ(k->StALaenge, 50);
  EXPECT_EQ(k->KrALaenge, 50);
  EXPECT_EQ(Text(Krfeld::KrARadius), "-500,000");
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::KrBRadius, "300", false));
  EXPECT_EQ(Kreuzung(*ed)->StBRadius, 500);
  ERWARTE_GESUND(dok->anlage());
  // What the window changed saves and reads back.
  const Zeilen text = AnlageZeilen(dok->anlage());
  EXPECT_EQ(AnlageZeilen(*AnlageAusZeilen(text, ordner.string() + "/", std::make_shared<MersenneZufall>(1))), text);
}

TEST_F(Kreuzungsdaten, UnmoeglicheWerteWerdenAbgelehnt) {
  Einsetzen(Elementart::Kreuzung, 1);
  const Zeilen vorher = AnlageZeilen(dok->anlage());
  const auto schritt = Schritt();
  struct Fall {
    Krfeld feld;
    const char* text;
    const char* meldung;
  };
  const Fall faelle[] = {
      {Krfeld::Winkel, "0", "Der Kreuzungswinkel muss größer als 0° und kleiner als 180° sein."},
      {Krfeld::Winkel, "200", "Der Kreuzungswinkel muss größer als 0° und kleiner als 180° sein."},
      {Krfeld::Radius, "20", "Mit diesem Radius lassen sich die inneren Bögen der Kreuzung nicht bilden."},
      {Krfeld::SwAbst, "0", "Der Schwellenabstand muss größer als 0 sein."},
      {Krfeld::Neigung, "9", "Ungültiges Format\n\rBitte Eingabe wiederholen"},
      {Krfeld::Laenge, "zwei", "'zwei' ist kein gültiger Gleitkommawert"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    dialoge.fehler.clear();
    EXPECT_FALSE(KreuzungFeldSetzen(*ed, f.feld, f.text));
    ASSERT_EQ(dialoge.fehler.size(), 1u);
    EXPECT_NE(dialoge.fehler[0].find(f.meldung), std::string::npos) << dialoge.fehler[0];
    EXPECT_EQ(AnlageZeilen(dok->anlage()), vorher);
    EXPECT_EQ(Schritt(), schritt);
  }
}

TEST_F(Kreuzungsdaten, DoppelschwellenUndFarbe) {
  Einsetzen(Elementart::Kreuzung, 4);
  EXPECT_EQ(Text(Krfeld::DSwAnzahl), "0");
  EXPECT_EQ(DoppelschwellenFelder(*Kreuzung(*ed), 2), (std::vector<std::string>{"", ""}));
  // No field gives the single number 0.
  ASSERT_TRUE(DoppelschwellenSetzen(*ed, {}));
  EXPECT_EQ(Text(Krfeld::DSwAnzahl), "1");
  ASSERT_TRUE(DoppelschwellenSetzen(*ed, {"7", "3"}));
  EXPECT_EQ(Kreuzung(*ed)->DSwIndizes, (TIndexARR{3, 7}));
  EXPECT_EQ(DoppelschwellenFelder(*Kreuzung(*ed), 1), (std::vector<std::string>{"3"}));
  const auto anzeige = KreuzungAnzeigen(*Kreuzung(*ed));
  EXPECT_EQ(anzeige.seiten[2].listen[0].zeilen.back().text, "3; 7; ");
  // The spacing before common sleeper 3 and 7 is the sleeper width: they touch their neighbours.
  const TSchwellenARR& u = Kreuzung(*ed)->SwUmrisseB;
  auto mitte = [&](std::size_t i) {
    return TPaar{(u[i][0].x + u[i][2].x) / 2, (u[i][0].y + u[i][2].y) / 2};
  };
  EXPECT_NEAR(std::hypot(mitte(3).x - mitte(2).x, mitte(3).y - mitte(2).y), Kreuzung(*ed)->SwBrt(), 1e-9);
  // A field that is no whole number changes nothing.
  EXPECT_FALSE(DoppelschwellenSetzen(*ed, {"4", "x"}));
  EXPECT_EQ(Kreuzung(*ed)->DSwIndizes, (TIndexARR{3, 7}));
  EXPECT_EQ(dialoge.fehler.size(), 1u);

  // A name stays one line of the record.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::Name, "Kreuzung\r\nneu"));
  EXPECT_EQ(Kreuzung(*ed)->Name, "Kreuzung  neu");

  ASSERT_TRUE(KreuzungFarbeSetzen(*ed, 0x0000FF));
  for (const TGleis* g : Kreuzung(*ed)->AlleGleise()) EXPECT_EQ(g->Boegen[0]->Farbe, 0x0000FF);
  EXPECT_EQ(Schritt(), std::optional<std::string>("Farbe"));
}

TEST_F(Kreuzungsdaten, KreuzungsweicheSeitenFolgenDenZungen) {
  TKreuzung* k = Einsetzen(Elementart::EKW, 1);  // 15°, blades inside
  ASSERT_NE(k, nullptr);
  Kreuzungsanzeige a = KreuzungAnzeigen(*k);
  EXPECT_EQ(a.titel, "EKW 15° / 125,07");
  ASSERT_EQ(a.seiten.size(), 4u);  // "Zungen" hidden
  EXPECT_EQ(a.seiten[1].titel, "Herzstück");
  EXPECT_EQ(Zeile(a, Krfeld::KurzeLaenge), nullptr);
  EXPECT_EQ(Text(Krfeld::Zweigradius), "475,000");
  // A base length for outside blades below twice the frog distance is refused.
  const Zeilen vorher = AnlageZeilen(dok->anlage());
  EXPECT_FALSE(KreuzungFeldSetzen(*ed, Krfeld::AussenLaenge, "100"));
  EXPECT_EQ(dialoge.fehler.back(),
            "Wert zu klein! Es kann sich keine EKW mit außenliegenden Zungen ergeben.\n\rWert wird zurückgesetzt.");
  EXPECT_EQ(AnlageZeilen(dok->anlage()), vorher);
  // A longer one gives outside blades: the blade page instead of the frogs, the "kurze" Länge.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::AussenLaenge, "200"));
  a = KreuzungAnzeigen(*Kreuzung(*ed));
  EXPECT_TRUE(a.aussen);
  EXPECT_EQ(a.seiten[1].titel, "Zungen");
  EXPECT_EQ(a.seiten[0].listen[0].zeilen.back().schluessel, "\"kurze\" Länge");
  // A larger slip radius leaves room for a blade device: a tan(alpha/2) - k = 56.9 at a = 907.97.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::EKWRadius, "907,97"));
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::ZgTangente, "10"));
  EXPECT_EQ(Text(Krfeld::ZgTangente), "10,000");
  EXPECT_EQ(Text(Krfeld::ZgWinkel), "1,262");  // 2 atan(10 / 907.97)
  // The blade device cannot reach beyond the slip curve.
  EXPECT_FALSE(KreuzungFeldSetzen(*ed, Krfeld::ZgTangente, "1000"));
  EXPECT_EQ(dialoge.fehler.back(), "Tangente zu lang!");
  // Swapping: the single slip has the left and right circles only.
  ASSERT_TRUE(ZungenTauschen(*ed, Zungenkreis::ObenRechts));
  EXPECT_TRUE(static_cast<TEKW*>(Kreuzung(*ed))->ZgTauschRe);
  EXPECT_EQ(KreuzungAnzeigen(*Kreuzung(*ed)).getauscht, (std::array<bool, 4>{false, false, true, false}));
  EXPECT_FALSE(ZungenTauschen(*ed, Zungenkreis::UntenLinks));
  // The branch moves to the main track and back.
  ASSERT_TRUE(ZweiggleisWechseln(*ed));
  EXPECT_EQ(Text(Krfeld::Name), "EKW 15° / 125,07");
  EXPECT_FALSE(KreuzungAnzeigen(*Kreuzung(*ed)).amKreuzungsgleis);
  ERWARTE_GESUND(dok->anlage());
}

TEST_F(Kreuzungsdaten, DoppelteKreuzungsweiche) {
  TKreuzung* k = Einsetzen(Elementart::DKW, 3);  // 1:9, blades inside
  ASSERT_NE(k, nullptr);
  Kreuzungsanzeige a = KreuzungAnzeigen(*k);
  EXPECT_EQ(a.titel, "DKW 1:9 / 381,95");
  EXPECT_EQ(a.seiten[1].listen[0].zeilen[2].schluessel, "Endwinkel");
  EXPECT_EQ(Text(Krfeld::Zweigradius), "2183,908");
  ASSERT_NE(Zeile(a, Krfeld::Zweigradius2), nullptr);
  // A frog's end inclination below the crossing's is set back to it with the warning.
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::HSNeigungLi, "1:12"));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_EQ(dialoge.fehler.back(),
            "Die Neigung muss größer sein als die Neigung der Grundform.\n\rWert wird zurückgesetzt");
  EXPECT_DOUBLE_EQ(static_cast<TEKW*>(Kreuzung(*ed))->HSWinkelLi, Kreuzung(*ed)->Winkel);
  // An end angle that is no number is ignored.
  EXPECT_FALSE(KreuzungFeldSetzen(*ed, Krfeld::HSWinkelLi, "steil"));
  // The upper left circle swaps the first curve's device, the lower left the second's.
  ASSERT_TRUE(ZungenTauschen(*ed, Zungenkreis::ObenLinks));
  ASSERT_TRUE(ZungenTauschen(*ed, Zungenkreis::UntenLinks));
  const auto* d = static_cast<const TDKW*>(Kreuzung(*ed));
  EXPECT_TRUE(d->ZgTauschLi && d->DKWTausch1Li && d->DKWTausch2Li);
  EXPECT_FALSE(d->ZgTauschRe || d->DKWTausch1Re || d->DKWTausch2Re);
  // Pointing at the third end: a purple arrow of seven corners with its tip there, no step.
  const auto schritt = Schritt();
  ASSERT_TRUE(EndMarkeZeigen(*ed, 2));
  EXPECT_FALSE(EndMarkeZeigen(*ed, 2));
  EXPECT_EQ(Schritt(), schritt);
  TModul& m = *ed->modul();
  const TAnsicht v(m);
  Aufzeichnung c;
  KrEndpfeileZeichnen(m, c, v);
  const auto pfeile = c.Alle(Zeichenbefehl::Art::Polygon);
  ASSERT_EQ(pfeile.size(), 1u);
  EXPECT_EQ(pfeile[0]->punkte.size(), 7u);
  EXPECT_EQ(pfeile[0]->pinsel, (Pinsel{6697932, false}));
  EXPECT_EQ(pfeile[0]->punkte[0], v.Pixel(d->StAussenB()->XAnf(), d->StAussenB()->YAnf()));
  ASSERT_TRUE(EndMarkeZeigen(*ed, -1));
  Aufzeichnung leer;
  KrEndpfeileZeichnen(m, leer, v);
  EXPECT_TRUE(leer.befehle.empty() || leer.Alle(Zeichenbefehl::Art::Polygon).empty());
  // A curved double slip can turn its curvature round.
  EXPECT_FALSE(KruemmungUmkehren(*ed));
  ASSERT_TRUE(KreuzungFeldSetzen(*ed, Krfeld::Radius, "3000"));
  ASSERT_TRUE(KruemmungUmkehren(*ed));
  EXPECT_EQ(Kreuzung(*ed)->Radius(), -3000);
  ERWARTE_GESUND(dok->anlage());
}

}  // namespace
}  // namespace trm
