// Crossings: straight and curved geometry for both directions, outer curve pairs, the record
// (round trips, bad lines), a saved and reopened layout, turning, and undoing a placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "Editorumgebung.h"
#include "Pruefhilfe.h"
#include "Testplan.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "core/crossings/Kreuzung.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Verbindungen.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Farben.h"
#include "core/render/ModulZeichnen.h"

namespace trm {
namespace {

// 1:5, tan(alpha/2) = 0.2 / (1 + sqrt(1.04)); gauge 16.5 gives the frog distance
// k = 8.25 / tan(alpha/2) = 83.316911 and the smallest base length 2k = 166.633822.
const double kAlpha = std::atan(0.2);

/// A crossing record: 1:5, L 200, gauge 16.5, placed at (10, 20), height 0, direction 0.3.
Zeilen Satz(double radius = 0, int richtung = 0) {
  Zeilen z(ZeilenKreuzung, "0");
  z[0] = "Kreuzung 1:5";
  z[1] = RealText(kAlpha);
  z[2] = "200";
  z[15] = richtung ? "1" : "0";
  z[16] = "255";
  z[18] = z[19] = z[38] = z[42] = "00";
  z[22] = "";
  z[5] = "1,5";  // reserved, kept
  z[27] = "7";   // reserved, kept
  z[31] = RealText(radius);
  z[32] = "16,5";
  z[33] = "20";
  z[34] = "2,5";
  z[36] = "-1#-1#-1";
  z[37] = "00";
  z[39] = "10#20#0#0,3#";
  z[40] = "-1";
  return z;
}

TKreuzung* Laden(test::Testplan& p, const Zeilen& z) {
  std::size_t i = 0;
  TKreuzung* k = static_cast<TKreuzung*>(TKreuzung::Lesen(*p.m, z, i, 0));
  EXPECT_EQ(i, ZeilenKreuzung);
  ModulBerechnen(*p.m);
  return k;
}

double Norm(double w) { return WinkelNorm(w); }

TEST(Kreuzung, GeradeKreuzungSchneidetImMittelpunkt) {
  test::Testplan p;
  TKreuzung* k = Laden(p, Satz());
  ASSERT_TRUE(k->Vollstaendig());
  EXPECT_NEAR(k->HerzAbst(), 83.316911, 1e-6);
  EXPECT_NEAR(k->HerzEndAbst(), 16.683089, 1e-6);
  EXPECT_NEAR(k->MinLaenge(), 166.633822, 1e-6);
  // Tracks and segments in their order, with their names.
  ASSERT_EQ(p.m->Gleise.size(), 3u);
  EXPECT_EQ(p.m->Gleise[0].get(), k->Stammgleis());
  EXPECT_EQ(k->Stammgleis()->Name, "Stammgleis");
  EXPECT_EQ(k->KreuzungsgleisA()->Name, "Kreuzungsgleis A");
  EXPECT_EQ(k->KreuzungsgleisB()->Name, "Kreuzungsgleis B");
  EXPECT_EQ(k->Stammgleis()->Boegen[0]->Name, "äußerer Stammbogen A");
  EXPECT_EQ(k->KreuzungsgleisB()->Boegen[1]->Name, "äußerer Kreuzungsbogen B");
  for (const TGleis* g : k->AlleGleise()) {
    EXPECT_TRUE(g->KrGleis);
    EXPECT_EQ(g->KrNr, k->KrNr);
    EXPECT_EQ(g->Verbund.size(), 3u);
  }
  // Main track 0 + 100 + 100 + 0 from (10, 20) at 0.3; the centre 100 along it.
  const TGleis& st = *k->Stammgleis();
  EXPECT_NEAR(st.XEnde(), 10 + 200 * std::cos(0.3), 1e-9);
  const double xm = 10 + 100 * std::cos(0.3), ym = 20 + 100 * std::sin(0.3);
  const TGleis& a = *k->KreuzungsgleisA();
  const TGleis& b = *k->KreuzungsgleisB();
  EXPECT_NEAR(a.XAnf, xm, 1e-9);
  EXPECT_NEAR(b.YAnf, ym, 1e-9);
  EXPECT_NEAR(a.WAnf(), Norm(0.3 + Pi - kAlpha), 1e-12);
  EXPECT_NEAR(b.WAnf(), Norm(0.3 - kAlpha), 1e-12);
  // Both halves form one straight line through the centre: their ends lie opposite.
  EXPECT_NEAR(a.XEnde() + b.XEnde(), 2 * xm, 1e-9);
  EXPECT_NEAR(a.YEnde() + b.YEnde(), 2 * ym, 1e-9);
  EXPECT_NEAR(std::hypot(b.XEnde() - xm, b.YEnde() - ym), 100, 1e-9);
  ERWARTE_GESUND(p.a);
}

TEST(Kreuzung, RichtungSpiegeltDasKreuzungsgleis) {
  test::Testplan p;
  TKreuzung* k = Laden(p, Satz(0, 1));
  EXPECT_NEAR(k->KreuzungsgleisA()->WAnf(), Norm(0.3 + Pi + kAlpha), 1e-12);
  EXPECT_NEAR(k->KreuzungsgleisB()->WAnf(), Norm(0.3 + kAlpha), 1e-12);
  // Turning toggles the side; four turns give back the start.
  k->Drehen();
  k->KrAktualisieren();
  EXPECT_NEAR(k->KreuzungsgleisB()->WAnf(), Norm(0.3 - kAlpha), 1e-12);
  for (int n = 0; n < 3; ++n) k->Drehen();
  k->KrAktualisieren();
  EXPECT_EQ(k->Richtung, 1);
  EXPECT_NEAR(k->KreuzungsgleisB()->WAnf(), Norm(0.3 + kAlpha), 1e-12);
}

TEST(Kreuzung, GebogeneKreuzung) {
  // R 500: phi = atan(k/r), delta = asin(sin(alpha/2) sqrt(k^2 + r^2) / r) - alpha/2,
  // r theta1 = 100.204043 (inner rail side), r theta2 = 98.287942.
  for (int richtung : {0, 1})
    for (double r : {500.0, -500.0}) {
      SCOPED_TRACE(std::to_string(richtung) + " " + std::to_string(r));
      test::Testplan p;
      TKreuzung* k = Laden(p, Satz(r, richtung));
      const bool erste = (richtung == 0) == (r > 0);
      EXPECT_NEAR(k->StInnenA()->Laenge(), erste ? 100.204043 : 98.287942, 1e-6);
      EXPECT_NEAR(k->StInnenB()->Laenge(), erste ? 98.287942 : 100.204043, 1e-6);
      EXPECT_EQ(k->KrInnenB()->Laenge(), k->StInnenA()->Laenge());
      EXPECT_EQ(k->KrInnenA()->Laenge(), k->StInnenB()->Laenge());
      // Same radius and turning for the inner curves; crossing track A runs backwards.
      for (const TBogen* b : {k->StInnenA(), k->StInnenB(), k->KrInnenB()}) EXPECT_EQ(b->AnfRadius(), r);
      EXPECT_EQ(k->KrInnenA()->AnfRadius(), -r);
      const double w = k->StInnenA()->WEnde;
      EXPECT_NEAR(k->KreuzungsgleisB()->WAnf(), Norm(w + (richtung ? kAlpha : -kAlpha)), 1e-12);
    }
  // A large radius tends to the straight crossing.
  test::Testplan p;
  TKreuzung* k = Laden(p, Satz(1e9));
  EXPECT_NEAR(k->StInnenA()->Laenge(), 100, 1e-4);
  EXPECT_GT(k->StInnenA()->Laenge(), k->StInnenB()->Laenge());
}

TEST(Kreuzung, AeusserePaare) {
  Zeilen z = Satz();
  z[7] = "300";   // StARadius
  z[8] = "-200";  // StBRadius
  z[11] = "50";   // StALaenge
  z[12] = "30";   // StBLaenge
  z[13] = "40";   // KrALaenge, straight
  test::Testplan p;
  TKreuzung* k = Laden(p, z);
  EXPECT_NEAR(k->StAussenA()->WEnde, 0.3 + 50.0 / 300, 1e-12);
  EXPECT_NEAR(k->Stammgleis()->WEnde(), 0.3 + 50.0 / 300 - 30.0 / 200, 1e-12);
  EXPECT_EQ(k->KrAussenA()->Laenge(), 40);
  EXPECT_TRUE(std::isinf(k->KrAussenA()->AnfRadius()));
  EXPECT_EQ(k->KrAussenB()->Laenge(), 0);
  EXPECT_NEAR(k->KreuzungsgleisB()->XEnde(), k->KreuzungsgleisB()->XAnf + 100 * std::cos(k->KreuzungsgleisB()->WAnf()),
              1e-9);
}

TEST(Kreuzung, SatzRundlauf) {
  test::Testplan p;
  Zeilen z = Satz(-400, 1);
  TKreuzung* k = Laden(p, z);
  VerbindungenAufbauen(p.a);
  ModulBerechnen(*p.m);
  Zeilen typ, lage;
  k->TypSchreiben(typ);
  z[31] = "-400";
  z[35] = "0";
  z[39] = "00";
  ASSERT_EQ(typ.size(), z.size());
  for (std::size_t n = 0; n < z.size(); ++n) EXPECT_EQ(typ[n], z[n]) << "Zeile " << n;
  k->DatenSchreiben(lage);
  const std::string nummern = std::to_string(k->Stammgleis()->Nummer) + "#" +
                              std::to_string(k->KreuzungsgleisA()->Nummer) + "#" +
                              std::to_string(k->KreuzungsgleisB()->Nummer);
  EXPECT_EQ(lage[36], nummern);
  EXPECT_EQ(lage[39], "10#20#0#0,3#");
  // Read again with the numbers of the record: the same lines.
  test::Testplan q;
  TKreuzung* k2 = Laden(q, lage);
  EXPECT_EQ(k2->Stammgleis()->Nummer, k->Stammgleis()->Nummer);
  VerbindungenAufbauen(q.a);
  Zeilen zwei;
  k2->DatenSchreiben(zwei);
  EXPECT_EQ(zwei, lage);
}

TEST(Kreuzung, SchlechteSaetzeNennenDieZeile) {
  struct Fall {
    std::size_t zeile;
    std::string text;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {1, "0", "Zeile 2: Der Kreuzungswinkel"},
      {1, "3,2", "Zeile 2: Der Kreuzungswinkel"},
      {1, "-0,1", "Zeile 2: Der Kreuzungswinkel"},
      {2, "0", "Zeile 3: Die Grundlänge"},
      {31, "5", "Zeile 32: Mit diesem Radius"},
      {2, "1,5E999", "Zeile 3:"},
      {16, "x", "Zeile 17:"},
      {22, "1#a#", "Zeile 23:"},
      {39, "1#2#b#4#", "Zeile 40:"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    test::Testplan p;
    Zeilen z = Satz();
    z[f.zeile] = f.text;
    std::size_t i = 0;
    try {
      TKreuzung::Lesen(*p.m, z, i, 0);
      ADD_FAILURE() << "gelesen";
    } catch (const LeseFehler& e) {
      EXPECT_EQ(std::string(e.what()).rfind(f.meldung, 0), 0u) << e.what();
    }
    EXPECT_TRUE(p.m->Gleise.empty());
    EXPECT_TRUE(p.m->Elemente.empty());
  }
  // A record cut short names the missing line.
  test::Testplan p;
  Zeilen kurz = Satz();
  kurz.resize(30);
  std::size_t i = 0;
  EXPECT_THROW(TKreuzung::Lesen(*p.m, kurz, i, 0), LeseFehler);
}

TEST(Kreuzung, AngehaengteGleiseFolgenUndGruppenGehenDurch) {
  test::Testplan p;
  TGleis* vor = p.Gleis(1, {100}, 10 - 100 * std::cos(0.3), 20 - 100 * std::sin(0.3));
  vor->SetWAnf(0.3);
  TKreuzung* k = Laden(p, Satz());
  TGleis* hinter = p.Gleis(2, {50});
  AlsNachfolgerEinfuegen(*p.m, vor, k->Stammgleis());
  AlsNachfolgerEinfuegen(*p.m, k->KreuzungsgleisB(), hinter);
  // The track behind crossing track B follows when the crossing is turned.
  k->Drehen();
  KreuzungAktualisieren(*k);
  EXPECT_NEAR(hinter->XAnf, k->KreuzungsgleisB()->XEnde(), 1e-9);
  EXPECT_NEAR(hinter->WAnf(), k->KreuzungsgleisB()->WEnde(), 1e-12);
  // Released and rebuilt from the track before it: the group runs through all three tracks
  // to the track behind B.
  GleisLoesen(*p.m, vor);
  VerbundAufbauen(*p.m, vor);
  for (TGleis* g : {k->Stammgleis(), k->KreuzungsgleisA(), k->KreuzungsgleisB(), hinter})
    EXPECT_NE(std::find(vor->Verbund.begin(), vor->Verbund.end(), g), vor->Verbund.end()) << g->Name;
  ERWARTE_GESUND(p.a);
}

TEST(Kreuzung, ZeichnetGleiseKantenUndMarken) {
  test::Testplan p;
  p.m->Breite = p.m->Hoehe = 1000;
  Laden(p, Satz());
  p.a.TrasseZeichnen = true;
  Aufzeichnung c;
  ModulMalen(p.a, *p.m, c, TAnsicht(*p.m));
  // The square at the main track's start and the triangles at the three other ends; the
  // element tracks have no sleepers of their own.
  const auto polygone = c.Alle(Zeichenbefehl::Art::Polygon);
  ASSERT_EQ(polygone.size(), 4u);
  for (const Zeichenbefehl* z : polygone) EXPECT_EQ(z->pinsel.farbe, farbe::Cyan);
  EXPECT_EQ(polygone[0]->punkte.size(), 4u);
  EXPECT_EQ(polygone[1]->punkte.size(), 3u);
  std::size_t schienen = 0;
  for (const Zeichenbefehl* z : c.Alle(Zeichenbefehl::Art::Linie)) schienen += z->stift.farbe == 255;
  EXPECT_GT(schienen, 0u);
  EXPECT_FALSE(c.Alle(Zeichenbefehl::Art::Pixel).empty());  // the outer track-bed edges
}

TEST(Kreuzung, SpurAusDemModul) {
  test::Testplan p;
  Zeilen z = Satz();
  z[32] = "0";  // the module's gauge
  TKreuzung* k = Laden(p, z);
  EXPECT_EQ(k->Spur(), p.m->Spur());
  EXPECT_EQ(k->Stammgleis()->Spur(), p.m->Spur());
  Zeilen out;
  k->TypSchreiben(out);
  EXPECT_EQ(out[32], RealText(p.m->Spur()));
  k->SpurSetzen(-1);  // a copy of the module's value, not a link to it
  EXPECT_EQ(k->KrSpur, p.m->Spur());
  k->SetRadius(1e-13);
  EXPECT_TRUE(k->Gerade());
}

TEST(Kreuzung, KuerzerAlsDieKleinsteLaenge) {
  // L 100 < 166,63: the frogs are cut to half the length; the crossing reads, places, draws
  // and writes its lines back, straight and curved.
  for (const double radius : {0.0, 1000.0}) {
    test::Testplan p;
    Zeilen z = Satz(radius);
    z[2] = "100";
    TKreuzung* k = Laden(p, z);
    ASSERT_TRUE(k->Vollstaendig());
    EXPECT_DOUBLE_EQ(k->HerzAbst(), 50);
    EXPECT_DOUBLE_EQ(k->HerzEndAbst(), 0);
    if (radius == 0) {
      EXPECT_NEAR(k->StInnenA()->Laenge() + k->StInnenB()->Laenge(), 100, 1e-12);
    }
    Zeilen out;
    k->TypSchreiben(out);
    EXPECT_EQ(out[2], "100");
    test::Testplan q;
    Zeilen zwei;
    Laden(q, out)->TypSchreiben(zwei);
    EXPECT_EQ(zwei, out);
    Aufzeichnung c;
    ModulMalen(p.a, *p.m, c, TAnsicht(*p.m));
    EXPECT_FALSE(c.Alle(Zeichenbefehl::Art::Linie).empty());
  }
  // The module's gauge raised to 22,5 makes 200 too short for a crossing that takes it.
  test::Testplan p;
  p.m->Eigen.Spur = 22.5;
  Zeilen z = Satz();
  z[32] = "0";
  TKreuzung* k = Laden(p, z);
  EXPECT_LT(k->Laenge, k->MinLaenge());
  EXPECT_DOUBLE_EQ(k->HerzAbst(), 100);
}

TEST(Kreuzung, UebergrosseLaengeWirdAbgewiesen) {
  Zeilen z = DateiLesen(std::string(TRM_TESTDATEN) + "/kreuzungsplan.m88");
  z[z.size() - ZeilenKreuzung + 13] = "1E300";  // KrALaenge of the second crossing
  EXPECT_THROW(AnlageAusZeilen(z, std::string(TRM_QUELLDATEN) + "/", std::make_shared<MersenneZufall>(1)),
               LeseFehler);
}

TEST(Kreuzung, BeliebigeBytesLesen) {
  // Each record either reads into a crossing that writes and reads back the same lines, or is
  // refused with a LeseFehler that leaves the module empty.
  std::mt19937 gen(41);
  const std::string zahlig = "0123456789,#-", roh = "0123456789,#-E NIL\"x\x01\xff";
  int gelesen = 0;
  for (int runde = 0; runde < 600; ++runde) {
    Zeilen z = Satz(runde % 2 ? -450 : 0, runde % 3 == 0);
    for (int k = 0; k < 2; ++k) {
      const std::string& zeichen = gen() % 5 == 0 ? roh : zahlig;
      std::string text;
      for (int n = static_cast<int>(gen() % 8); n > 0; --n) text += zeichen[gen() % zeichen.size()];
      z[gen() % z.size()] = text;
    }
    test::Testplan p;
    std::size_t i = 0;
    try {
      TKreuzung* k = static_cast<TKreuzung*>(TKreuzung::Lesen(*p.m, z, i, 0));
      ModulBerechnen(*p.m);
      Zeilen eins, zwei;
      k->TypSchreiben(eins);
      test::Testplan q;
      std::size_t j = 0;
      static_cast<TKreuzung*>(TKreuzung::Lesen(*q.m, eins, j, 0))->TypSchreiben(zwei);
      EXPECT_EQ(eins, zwei);
      ++gelesen;
    } catch (const LeseFehler&) {
      EXPECT_TRUE(p.m->Gleise.empty());
    }
  }
  EXPECT_GT(gelesen, 30);
}

class KreuzungImPlan : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/weichenplan.m88"));
  }
  Zeilen Text() { return AnlageZeilen(dok->anlage()); }
};

TEST_F(KreuzungImPlan, EinsetzenUndRueckgaengig) {
  const Zeilen vorher = Text();
  const std::size_t gleise = ed->modul()->Gleise.size();
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Kreuzung, StandardKreuzung(*ed->modul())));
  ERWARTE_GESUND(dok->anlage());
  TModul& m = *ed->modul();
  EXPECT_EQ(m.Gleise.size(), gleise + 3);
  TKreuzung* k = Kreuzung(*ed);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Stammgleis()->Vorgaenger->Nachfolger.front(), k->Stammgleis());
  EXPECT_TRUE(dok->Geaendert());
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Text(), vorher);
  EXPECT_FALSE(dok->Geaendert());
}

TEST_F(KreuzungImPlan, KurzerTypWirdEingesetzt) {
  Zeilen typ = StandardKreuzung(*ed->modul());
  typ[2] = "100";
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Kreuzung, typ));
  ASSERT_NE(Kreuzung(*ed), nullptr);
  EXPECT_EQ(Kreuzung(*ed)->Laenge, 100);
  const Zeilen eins = Text();
  auto wieder = AnlageAusZeilen(eins, ordner.string() + "/", std::make_shared<MersenneZufall>(9));
  EXPECT_EQ(AnlageZeilen(*wieder), eins);
}

TEST_F(KreuzungImPlan, GespeichertUndWiederGeoeffnet) {
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Kreuzung, StandardKreuzung(*ed->modul())));
  ASSERT_TRUE(ed->ElementDrehen());
  const Zeilen eins = Text();
  auto wieder = AnlageAusZeilen(eins, ordner.string() + "/", std::make_shared<MersenneZufall>(9));
  EXPECT_EQ(AnlageZeilen(*wieder), eins);
  const TModul& a = *dok->anlage().AktuellesModul();
  const TModul& b = *wieder->Module[static_cast<std::size_t>(dok->anlage().AktModul)];
  ASSERT_EQ(a.Gleise.size(), b.Gleise.size());
  for (std::size_t g = 0; g < a.Gleise.size(); ++g)
    for (std::size_t n = 0; n < a.Gleise[g]->Boegen.size(); ++n) {
      EXPECT_NEAR(a.Gleise[g]->Boegen[n]->XEnde, b.Gleise[g]->Boegen[n]->XEnde, 1e-9);
      EXPECT_NEAR(a.Gleise[g]->Boegen[n]->WEnde, b.Gleise[g]->Boegen[n]->WEnde, 1e-12);
    }
  ERWARTE_GESUND(*wieder);
}

TEST_F(KreuzungImPlan, ViermalDrehenUndKopieren) {
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::Kreuzung, StandardKreuzung(*ed->modul())));
  const Zeilen start = Text();
  ASSERT_TRUE(ed->ElementDrehen());
  EXPECT_NE(Text(), start);
  for (int n = 0; n < 3; ++n) ASSERT_TRUE(ed->ElementDrehen());
  EXPECT_EQ(Text(), start);
  // Copied and pasted at a point through the table of kinds.
  ASSERT_TRUE(ed->GleisKopieren());
  const std::size_t elemente = ed->modul()->Elemente.size();
  ASSERT_TRUE(ed->ElementEinfuegenBei(300, 300, 4242));
  EXPECT_EQ(ed->modul()->Elemente.size(), elemente + 1);
  EXPECT_EQ(ed->modul()->Elemente.back()->Nummer(), 4242);
  EXPECT_NEAR(ed->modul()->Elemente.back()->Stammgleis()->XAnf, 300, 1e-12);
  ERWARTE_GESUND(dok->anlage());
  // Removed with everything attached behind it released; undone byte for byte.
  const Zeilen mit = Text();
  const std::size_t gleise = ed->modul()->Gleise.size();
  ed->modul()->GleisWaehlen(ed->modul()->GleisIndex(ed->modul()->Elemente.back()->Stammgleis()));
  ASSERT_TRUE(ed->ElementAusPlanEntfernen());
  EXPECT_EQ(ed->modul()->Gleise.size(), gleise - 3);
  ERWARTE_GESUND(dok->anlage());
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Text(), mit);
}

}  // namespace
}  // namespace trm
