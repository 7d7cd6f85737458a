// Single and double slips: where each branch leaves and joins for both blade designs, both
// directions and both branch sides, the blade lengths taken off the inner segments, the
// fall-back of the branch-radius search, the records (round trips, bad lines, any bytes), and
// placing, turning, copying, removing, saving and reopening through the editor.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "Editorumgebung.h"
#include "Pruefhilfe.h"
#include "Testplan.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"

namespace trm {
namespace {

// 1:5: tan(alpha/2) = 0.0990195136, the uncut frog distance at gauge 16.5 is 83.316911.
const double kAlpha = std::atan(0.2);
const double kTan = std::tan(kAlpha / 2.0);

/// A slip of slip radius a in its base form (L = 2 a tan(alpha/2)), blades inside, branch at
/// the crossing track, "von links", at (10, 20) in direction 0.3, gauge 16.5; frog pieces of
/// 10 mm make the middle segments visible.
Zeilen Satz(bool doppelt = false, double a = 800) {
  Zeilen z(doppelt ? ZeilenDKW : ZeilenEKW, "0");
  z[0] = doppelt ? "DKW 1:5" : "EKW 1:5";
  z[1] = RealText(kAlpha);
  z[2] = RealText(2 * a * kTan);
  z[6] = RealText(a);
  z[16] = "255";
  z[18] = z[19] = z[38] = z[42] = z[64] = z[69] = "00";
  z[22] = "";
  z[32] = "16,5";
  z[33] = "20";
  z[34] = "2,5";
  z[36] = doppelt ? "-1#-1#-1#-1#-1" : "-1#-1#-1#-1";
  z[37] = "00";
  z[39] = "10#20#0#0,3#";
  z[40] = "-1";
  z[46] = z[47] = RealText(kAlpha);
  z[51] = RealText(a * kAlpha);  // ZwMitteLen = 2 a atan(tan(alpha/2))
  z[53] = z[54] = z[57] = z[58] = "10";
  z[63] = "innen";
  z[65] = z[66] = "kr";
  if (doppelt) {
    z[74] = z[51];
    z[76] = "0000";
  }
  return z;
}

/// The same with blades outside: slip radius 1200, blade tangent 20 at its angle, "kurze"
/// deduction 5, outer curves of 30.
Zeilen Aussen(bool doppelt = false) {
  Zeilen z = Satz(doppelt, 1200);
  z[63] = "aussen";
  z[70] = RealText(2 * std::atan(20.0 / 1200));
  z[71] = "20";
  z[41] = "5";
  z[11] = z[12] = z[13] = z[14] = "30";
  return z;
}

template <class K>
K* Laden(test::Testplan& p, const Zeilen& z) {
  std::size_t i = 0;
  K* k = static_cast<K*>(K::Lesen(*p.m, z, i, 0));
  EXPECT_EQ(i, z.size());
  ModulBerechnen(*p.m);
  return k;
}

struct Punkt {
  double x, y, w;
};
/// The point d from the crossing centre c in direction w.
Punkt Von(Punkt c, double d, double w) {
  return {c.x + d * std::cos(w), c.y + d * std::sin(w), WinkelNorm(w)};
}

void ErwarteStartUndEnde(const TGleis& g, Punkt anf, Punkt ende, double tol) {
  EXPECT_NEAR(g.XAnf, anf.x, tol);
  EXPECT_NEAR(g.YAnf, anf.y, tol);
  EXPECT_NEAR(std::remainder(g.WAnf() - anf.w, 2 * Pi), 0, tol);
  EXPECT_NEAR(g.XEnde(), ende.x, tol);
  EXPECT_NEAR(g.YEnde(), ende.y, tol);
  EXPECT_NEAR(std::remainder(g.WEnde() - ende.w, 2 * Pi), 0, tol);
}

/// The end of a segment as a point.
Punkt Ende(const TBogen& b) { return {b.XEnde, b.YEnde, b.WEnde}; }
Punkt Anfang(const TBogen& b) { return {b.XAnf(), b.YAnf(), b.WAnf()}; }
Punkt Gedreht(Punkt p) { return {p.x, p.y, p.w + Pi}; }

TEST(EKW, InnenGeradeZweigVomKreuzungsgleisZumStammgleis) {
  // L = 158.431222: the frogs (83.316911 from the centre) lie beyond L/2 = 79.215611.
  const double h = 800 * kTan;
  for (int s : {0, 1})
    for (int t : {0, 1}) {
      SCOPED_TRACE("Richtung " + std::to_string(s) + ", Anschluss " + std::to_string(t));
      Zeilen z = Satz();
      z[15] = std::to_string(s);
      z[65] = t ? "kr" : "st";
      test::Testplan p;
      TEKW* e = Laden<TEKW>(p, z);
      ASSERT_TRUE(e->Vollstaendig());
      EXPECT_EQ(e->ZungenInnen, 1);
      // The branch track stands before the main track; middle segments in the four legs.
      ASSERT_EQ(p.m->Gleise.size(), 4u);
      EXPECT_EQ(p.m->Gleise[0].get(), e->EKWZweiggleis());
      EXPECT_EQ(e->Stammgleis()->Boegen[1]->Name, "mittlerer Stammbogen A");
      EXPECT_EQ(e->KreuzungsgleisB()->Boegen[1]->Name, "mittlerer Kreuzungsbogen B");
      EXPECT_EQ(e->ZwMitte()->Name, "Zweigbogen mitte");
      // Main track 10 + L/2 + L/2 + 10; the centre 10 + L/2 from (10, 20).
      EXPECT_NEAR(e->Stammgleis()->XEnde(), 10 + (20 + 2 * h) * std::cos(0.3), 1e-9);
      const Punkt c = Von({10, 20, 0}, 10 + h, 0.3);
      const double schenkel = t ? 0.3 + Pi + (s ? kAlpha : -kAlpha) : 0.3 + (s ? kAlpha : -kAlpha);
      // It leaves the crossing leg where the frog piece begins, towards the centre, and joins
      // the main track where the frog piece of the other side begins.
      const Punkt anf = Gedreht(Von(c, h, schenkel));
      const Punkt ende = t ? Von(c, h, 0.3) : Gedreht(Von(c, -h, 0.3));
      ErwarteStartUndEnde(*e->EKWZweiggleis(), anf, ende, 1e-9);
      // One arc of the slip radius, turning by w = +1 "von links", -1 "von rechts".
      EXPECT_EQ(e->ZwMitte()->AnfRadius(), s ? -800 : 800);
      EXPECT_NEAR(e->ZwMitte()->Laenge(), 800 * kAlpha, 1e-9);
      EXPECT_TRUE(std::isinf(e->ZwLinks()->AnfRadius()));
      EXPECT_EQ(e->KrMitteA()->Laenge(), 10);
      ERWARTE_GESUND(p.a);
    }
}

TEST(EKW, GrundformUndHerzstueck) {
  // Slip radius 841 puts L/2 = 83.2754 inside the frog distance 83.316911 (blades inside),
  // 842 beyond it (outside).
  test::Testplan p;
  TEKW* e = Laden<TEKW>(p, Satz());
  e->SetRadius(500);
  e->EKWGrundform(kAlpha, 841);
  EXPECT_NEAR(e->Laenge, 2 * 841 * kTan, 1e-12);
  EXPECT_TRUE(e->Gerade());
  EXPECT_EQ(e->HSWinkelLi, kAlpha);
  EXPECT_EQ(e->ZungenInnen, 1);
  e->EKWGrundform(kAlpha, 842);
  EXPECT_EQ(e->ZungenInnen, 0);
  // A frog end angle below the base form's is refused and the base form's taken.
  e->EKWGrundform(kAlpha, 800);
  EXPECT_EQ(
      e->HSWinkelSetzen(true, kAlpha / 2),
      "Die Neigung muss größer sein als die Neigung der Grundform.\n\rWert wird zurückgesetzt");
  EXPECT_EQ(e->HSWinkelLi, kAlpha);
  EXPECT_EQ(e->HSWinkelSetzen(false, kAlpha + 0.1), "");
  EXPECT_NEAR(e->StMitteBLen, 80, 1e-12);  // (b - alpha) a
  EXPECT_EQ(e->KrMitteBRad, -800);
}

TEST(EKW, AussenGeradeZungenInDenMittelbogen) {
  // L/2 = 118.823416; blade on radius 1200 for tangent 20: 2 * 1200 * atan(20/1200) = 39.996297.
  const double h = 1200 * kTan, zunge = 39.99629691345779;
  for (int t : {0, 1}) {
    SCOPED_TRACE(t);
    Zeilen z = Aussen();
    z[65] = t ? "kr" : "st";
    test::Testplan p;
    TEKW* e = Laden<TEKW>(p, z);
    EXPECT_NEAR(e->Zungenbogen(), zunge, 1e-9);
    // The blades take their length off the legs the branch touches, the "kurze" 5 the others.
    const double beiZunge = h - zunge, kurz = h - 5;
    EXPECT_NEAR(e->StInnenA()->Laenge(), t ? kurz : beiZunge, 1e-9);
    EXPECT_NEAR(e->StInnenB()->Laenge(), t ? beiZunge : kurz, 1e-9);
    EXPECT_NEAR(e->KrInnenA()->Laenge(), t ? beiZunge : kurz, 1e-9);
    EXPECT_NEAR(e->KrInnenB()->Laenge(), t ? kurz : beiZunge, 1e-9);
    // Middle segments of twice the tangent where the blades lie, none elsewhere; the outer
    // curves beside the blades vanish.
    EXPECT_EQ(e->StMitteA()->Laenge(), t ? 0 : 40);
    EXPECT_EQ(e->StMitteB()->Laenge(), t ? 40 : 0);
    EXPECT_EQ(e->KrMitteA()->Laenge(), t ? 40 : 0);
    EXPECT_EQ(e->KrMitteB()->Laenge(), t ? 0 : 40);
    EXPECT_EQ(e->StAussenA()->Laenge(), t ? 30 : 0);
    EXPECT_EQ(e->StAussenB()->Laenge(), t ? 0 : 30);
    EXPECT_EQ(e->KrAussenA()->Laenge(), t ? 0 : 30);
    // Blade curves on the slip radius; the branch runs from the blade's end on the crossing
    // leg to the end of the blade on the main track.
    EXPECT_NEAR(e->ZwLinks()->Laenge(), zunge, 1e-9);
    EXPECT_EQ(e->ZwRechts()->AnfRadius(), 1200);
    ErwarteStartUndEnde(*e->EKWZweiggleis(), Gedreht(Ende(t ? *e->KrMitteA() : *e->KrMitteB())),
                        t ? Ende(*e->StMitteB()) : Gedreht(Anfang(*e->StMitteA())), 1e-9);
    // Line 41 keeps the "kurze" deduction.
    Zeilen out;
    e->TypSchreiben(out);
    EXPECT_EQ(out[41], "5");
  }
}

TEST(EKW, GebogenSchliesstDerZweigInJederLage) {
  // Curved slips from both sides, turning either way, branch at either track: a wrong sign of
  // any radius or angle would leave the branch metres away from the main track.
  for (bool aussen : {false, true})
    for (double r : {3000.0, -3000.0})
      for (int s : {0, 1})
        for (int t : {0, 1}) {
          SCOPED_TRACE(std::to_string(aussen) + " " + std::to_string(r) + " " + std::to_string(s) +
                       " " + std::to_string(t));
          Zeilen z = aussen ? Aussen() : Satz();
          z[31] = RealText(r);
          z[15] = std::to_string(s);
          z[65] = t ? "kr" : "st";
          test::Testplan p;
          TEKW* e = Laden<TEKW>(p, z);
          // Inside blades keep their stored middle length until the inner values change.
          e->MittellaengeNachfuehren();
          e->KrAktualisieren();
          const Punkt ziel = t ? Ende(*e->StInnenB()) : Gedreht(Anfang(*e->StInnenA()));
          const Punkt ende = {e->EKWZweiggleis()->XEnde(), e->EKWZweiggleis()->YEnde(),
                              e->EKWZweiggleis()->WEnde()};
          const double tol =
              aussen ? 1e-6 : 0.02;  // inside: the arcs of the slip curve approximate
          if (aussen) {
            const Punkt blatt = t ? Ende(*e->StMitteB()) : Gedreht(Anfang(*e->StMitteA()));
            EXPECT_NEAR(std::hypot(ende.x - blatt.x, ende.y - blatt.y), 0, tol);
          } else {
            EXPECT_NEAR(std::hypot(ende.x - ziel.x, ende.y - ziel.y), 0, tol);
            EXPECT_NEAR(std::remainder(ende.w - ziel.w, 2 * Pi), 0, 1e-3);
          }
        }
}

TEST(DKW, BeideBoegenGeradeInnenUndAussen) {
  const double h = 800 * kTan;
  for (int s : {0, 1}) {
    SCOPED_TRACE(s);
    Zeilen z = Satz(true);
    z[15] = std::to_string(s);
    test::Testplan p;
    TDKW* d = Laden<TDKW>(p, z);
    ASSERT_TRUE(d->Vollstaendig());
    ASSERT_EQ(p.m->Gleise.size(), 5u);
    EXPECT_EQ(p.m->Gleise[1].get(), d->DKWZweiggleis());
    EXPECT_EQ(d->DZwMitte()->Name, "mittlerer DKW-Zweigbogen");
    // Both curves of the slip radius, turning by +1 "von links" and -1 "von rechts"; the
    // second leaves crossing track B and joins the main track on side A.
    EXPECT_EQ(d->ZwMitte()->AnfRadius(), s ? -800 : 800);
    EXPECT_EQ(d->DZwMitte()->AnfRadius(), s ? -800 : 800);
    EXPECT_TRUE(std::isinf(d->DZwLinks()->AnfRadius()));
    const Punkt c = Von({10, 20, 0}, 10 + h, 0.3);
    ErwarteStartUndEnde(*d->DKWZweiggleis(), Gedreht(Von(c, h, 0.3 + (s ? kAlpha : -kAlpha))),
                        Gedreht(Von(c, -h, 0.3)), 1e-9);
    ErwarteStartUndEnde(*d->EKWZweiggleis(), Gedreht(Von(c, h, 0.3 + Pi + (s ? kAlpha : -kAlpha))),
                        Von(c, h, 0.3), 1e-9);
    ERWARTE_GESUND(p.a);
  }
  // Outside blades: a blade in every middle segment, its length off every inner segment; the
  // outer curves stay.
  test::Testplan p;
  TDKW* d = Laden<TDKW>(p, Aussen(true));
  for (const TBogen* b : {d->StInnenA(), d->StInnenB(), d->KrInnenA(), d->KrInnenB()})
    EXPECT_NEAR(b->Laenge(), 1200 * kTan - 39.99629691345779, 1e-9);
  for (const TBogen* b : {d->StMitteA(), d->StMitteB(), d->KrMitteA(), d->KrMitteB()})
    EXPECT_EQ(b->Laenge(), 40);
  for (const TBogen* b : {d->StAussenA(), d->StAussenB(), d->KrAussenA(), d->KrAussenB()})
    EXPECT_EQ(b->Laenge(), 30);
  ErwarteStartUndEnde(*d->DKWZweiggleis(), Gedreht(Ende(*d->KrMitteB())),
                      Gedreht(Anfang(*d->StMitteA())), 1e-9);
  ErwarteStartUndEnde(*d->EKWZweiggleis(), Gedreht(Ende(*d->KrMitteA())), Ende(*d->StMitteB()),
                      1e-9);
}

TEST(Kreuzungsweiche, RichtungNegiertDieMittelradienUndBleibtBeimLesen) {
  Zeilen z = Satz(true);
  z[55] = "300";
  z[56] = "-400";
  z[59] = "500";
  z[60] = "-600";
  z[76] = "1";  // a short flag line: the missing flags clear
  test::Testplan p;
  TDKW* d = Laden<TDKW>(p, z);
  EXPECT_TRUE(d->DKWTausch2Li);
  EXPECT_FALSE(d->DKWTausch2Re);
  const std::map<const TBogen*, double> vorher = {
      {d->StMitteA(), 300}, {d->StMitteB(), -400}, {d->KrMitteA(), 500}, {d->KrMitteB(), -600}};
  d->Drehen();
  d->KrAktualisieren();
  for (const TBogen* b : {d->StMitteB(), d->KrMitteA()})
    EXPECT_EQ(b->AnfRadius(), -vorher.at(b)) << b->Name;
  // Layout and type records read back to the same lines and the same points.
  for (bool typ : {false, true}) {
    Zeilen eins, zwei;
    typ ? d->TypSchreiben(eins) : d->DatenSchreiben(eins);
    EXPECT_EQ(eins[76], "1000");
    EXPECT_EQ(eins[36], typ ? "-1#-1#-1#-1#-1"
                            : std::to_string(d->Stammgleis()->Nummer) + "#" +
                                  std::to_string(d->KreuzungsgleisA()->Nummer) + "#" +
                                  std::to_string(d->KreuzungsgleisB()->Nummer) + "#" +
                                  std::to_string(d->EKWZweiggleis()->Nummer) + "#" +
                                  std::to_string(d->DKWZweiggleis()->Nummer));
    test::Testplan q;
    TDKW* d2 = Laden<TDKW>(q, eins);
    typ ? d2->TypSchreiben(zwei) : d2->DatenSchreiben(zwei);
    EXPECT_EQ(zwei, eins);
    if (typ) continue;  // the type form has no position
    for (std::size_t g = 0; g < d->AlleGleise().size(); ++g)
      EXPECT_NEAR(d->AlleGleise()[g]->XEnde(), d2->AlleGleise()[g]->XEnde(), 1e-9);
  }
}

TEST(Kreuzungsweiche, RueckfallAufDieGrundform) {
  // Radii no slip can have: the search runs into an invalid operation on the way and makes the
  // slip straight again, with the kind's message.
  test::Testplan p;
  Zeilen z = Satz(true);
  z[31] = "3000";
  TDKW* d = Laden<TDKW>(p, z);
  EXPECT_FALSE(d->Gerade());
  EXPECT_EQ(d->DKWZweigradiusSetzen(10),
            "Fehler in der Berechnung.\n\rDies kann bei DKW mit außenliegenden Zungen passieren, "
            "wenn die "
            "Tangentenlänge der Zungen = 0 ist.\n\rEKW wird auf die Grundform zurückgesetzt.");
  EXPECT_TRUE(d->Gerade());
  for (const TGleis* g : d->AlleGleise())
    for (const auto& b : g->Boegen) EXPECT_TRUE(LageEndlich(*b)) << b->Name;
  Zeilen out;
  EXPECT_NO_THROW(d->DatenSchreiben(out));
  ERWARTE_GESUND(p.a);
  Zeilen y = Aussen();
  y[31] = "5000";
  test::Testplan q;
  TEKW* e = Laden<TEKW>(q, y);
  EXPECT_EQ(e->ZweigradiusSetzen(1).rfind("Fehler in der Berechnung.\n\rDies kann bei EKW", 0), 0u);
  EXPECT_TRUE(e->Gerade());
  // A search that succeeds finds the radius within 1e-4.
  EXPECT_EQ(e->ZweigradiusSetzen(400), "");
  EXPECT_NEAR(e->Zweigradius(), 400, 1e-4);
}

TEST(Kreuzungsweiche, SchlechteSaetzeNennenDieZeileUndLassenDasModulLeer) {
  struct Fall {
    bool doppelt;
    std::size_t zeile;
    std::string text;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {false, 2, "0", "Zeile 3: Die Grundlänge der EKW"},
      {false, 53, "x", "Zeile 54:"},
      {false, 72, "ja", "Zeile 73:"},
      {true, 36, "1#2#3#4", "Zeile 37:"},
      {true, 74, "", "Zeile 75:"},
      // Positions beyond the largest double: nothing of the slip stays behind.
      {false, 11, "1E308",
       "Zeile 1: EKW \"EKW 1:5\" lässt sich mit diesen Werten nicht berechnen."},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.meldung);
    test::Testplan p;
    Zeilen z = Satz(f.doppelt);
    z[f.zeile] = f.text;
    if (f.zeile == 11) z[53] = "1E308";
    std::size_t i = 0;
    try {
      f.doppelt ? TDKW::Lesen(*p.m, z, i, 0) : TEKW::Lesen(*p.m, z, i, 0);
      ADD_FAILURE() << "gelesen";
    } catch (const LeseFehler& e) {
      EXPECT_EQ(std::string(e.what()).rfind(f.meldung, 0), 0u) << e.what();
    }
    EXPECT_TRUE(p.m->Gleise.empty());
    EXPECT_TRUE(p.m->Elemente.empty());
  }
  test::Testplan p;
  Zeilen kurz = Satz(true);
  kurz.resize(76);
  std::size_t i = 0;
  EXPECT_THROW(TDKW::Lesen(*p.m, kurz, i, 0), LeseFehler);
  EXPECT_TRUE(p.m->Gleise.empty());
}

TEST(Kreuzungsweiche, BeliebigeBytesLesen) {
  // Each record either reads into a slip that writes and reads back the same lines, or is
  // refused with a LeseFehler that leaves the module empty.
  std::mt19937 gen(43);
  const std::string zahlig = "0123456789,#-", roh = "0123456789,#-E NIL\"xinaustkr\x01\xff";
  int gelesen = 0;
  for (int runde = 0; runde < 800; ++runde) {
    const bool doppelt = runde % 2;
    Zeilen z = runde % 3 ? Aussen(doppelt) : Satz(doppelt);
    if (runde % 5 < 2) z[31] = runde % 5 ? "-2500" : "3000";
    for (int k = 0; k < 2; ++k) {
      const std::string& zeichen = gen() % 5 == 0 ? roh : zahlig;
      std::string text;
      for (int n = static_cast<int>(gen() % 8); n > 0; --n) text += zeichen[gen() % zeichen.size()];
      z[gen() % z.size()] = text;
    }
    auto lesen = [doppelt](TModul& m, const Zeilen& s) {
      std::size_t i = 0;
      return static_cast<TEKW*>(doppelt ? TDKW::Lesen(m, s, i, 0) : TEKW::Lesen(m, s, i, 0));
    };
    test::Testplan p;
    try {
      TEKW* e = lesen(*p.m, z);
      ModulBerechnen(*p.m);
      Zeilen eins, zwei;
      e->TypSchreiben(eins);
      test::Testplan q;
      lesen(*q.m, eins)->TypSchreiben(zwei);
      EXPECT_EQ(eins, zwei);
      ++gelesen;
    } catch (const LeseFehler&) {
      EXPECT_TRUE(p.m->Gleise.empty());
      EXPECT_TRUE(p.m->Elemente.empty());
    }
  }
  EXPECT_GT(gelesen, 50);
}

class KreuzungsweicheImPlan : public test::Editorumgebung {
 protected:
  void SetUp() override {
    Editorumgebung::SetUp();
    ASSERT_TRUE(dok->OeffnenDatei(std::string(TRM_TESTDATEN) + "/weichenplan.m88"));
  }
  Zeilen Text() { return AnlageZeilen(dok->anlage()); }
};

TEST_F(KreuzungsweicheImPlan, EinsetzenZeichnenUndRueckgaengig) {
  const Zeilen vorher = Text();
  const std::size_t gleise = ed->modul()->Gleise.size();
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::EKW, StandardEKW(*ed->modul())));
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::DKW, StandardDKW(*ed->modul())));
  ERWARTE_GESUND(dok->anlage());
  TModul& m = *ed->modul();
  EXPECT_EQ(m.Gleise.size(), gleise + 9);
  TKreuzung* d = Kreuzung(*ed);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->Art(), Elementart::DKW);
  // The double slip hangs on the single slip's main track; one group holds all nine tracks.
  TKreuzung* e = static_cast<TKreuzung*>(m.ElementeDerArt(Elementart::EKW).front());
  EXPECT_EQ(d->Stammgleis()->Vorgaenger, e->Stammgleis());
  for (TGleis* g : e->AlleGleise())
    EXPECT_NE(std::find(d->Stammgleis()->Verbund.begin(), d->Stammgleis()->Verbund.end(), g),
              d->Stammgleis()->Verbund.end());
  EXPECT_TRUE(ed->Kontext().element == Elementart::DKW);
  EXPECT_TRUE(ed->Kontext().elementEntfernen);
  // Each slip draws its four markers and a branch outline per branch in its colour.
  Aufzeichnung c;
  ModulMalen(dok->anlage(), m, c, TAnsicht(m));
  std::size_t umrisse = 0;
  for (const Zeichenbefehl* z : c.Alle(Zeichenbefehl::Art::Polylinie))
    umrisse += z->stift.farbe == d->Farbe;
  EXPECT_GE(umrisse, 3u);
  EXPECT_GE(c.Alle(Zeichenbefehl::Art::Polygon).size(), 8u);
  ASSERT_TRUE(ed->Rueckgaengig());
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Text(), vorher);
}

TEST_F(KreuzungsweicheImPlan, GespeichertUndWiederGeoeffnetGleicheGeometrie) {
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::EKW, StandardEKW(*ed->modul())));
  ASSERT_TRUE(ed->ElementDrehen());
  ed->modul()->GleisWaehlen(0);
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::DKW, StandardDKW(*ed->modul())));
  const Zeilen eins = Text();
  auto wieder = AnlageAusZeilen(eins, ordner.string() + "/", std::make_shared<MersenneZufall>(9));
  EXPECT_EQ(AnlageZeilen(*wieder), eins);
  ERWARTE_GESUND(*wieder);
  // Every segment of every track, found by its track's number, ends where it ended.
  const TModul& a = *dok->anlage().AktuellesModul();
  const TModul& b = *wieder->Module[static_cast<std::size_t>(dok->anlage().AktModul)];
  ASSERT_EQ(a.Gleise.size(), b.Gleise.size());
  std::size_t verglichen = 0;
  for (const auto& g : a.Gleise) {
    const TGleis* h = wieder->GleisMitNummer(g->Nummer);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(g->Boegen.size(), h->Boegen.size());
    for (std::size_t n = 0; n < g->Boegen.size(); ++n, ++verglichen) {
      EXPECT_NEAR(g->Boegen[n]->XEnde, h->Boegen[n]->XEnde, 1e-9);
      EXPECT_NEAR(g->Boegen[n]->YEnde, h->Boegen[n]->YEnde, 1e-9);
      EXPECT_NEAR(g->Boegen[n]->WEnde, h->Boegen[n]->WEnde, 1e-12);
    }
  }
  EXPECT_GT(verglichen, 40u);
  EXPECT_EQ(b.Anzahl(Elementart::EKW), 1);
  EXPECT_EQ(b.Anzahl(Elementart::DKW), 1);
}

TEST_F(KreuzungsweicheImPlan, DrehenKopierenEinfuegenEntfernen) {
  ASSERT_TRUE(ed->ElementEinsetzen(Elementart::EKW, StandardEKW(*ed->modul())));
  const Zeilen start = Text();
  ASSERT_TRUE(ed->ElementDrehen());
  EXPECT_EQ(dok->verlauf().RueckgaengigName(), std::optional<std::string>("EKW drehen"));
  EXPECT_NE(Text(), start);
  ASSERT_TRUE(ed->ElementDrehen());
  EXPECT_EQ(Text(), start);
  // Copied as its type and pasted at a point through the table of kinds.
  ASSERT_TRUE(ed->GleisKopieren());
  EXPECT_EQ(ed->Kontext().einfuegen, "EKW einfügen");
  ASSERT_TRUE(ed->ElementEinfuegenBei(300, 300, 4242));
  TElement* kopie = ed->modul()->Elemente.back().get();
  EXPECT_EQ(kopie->Nummer(), 4242);
  EXPECT_NEAR(kopie->Stammgleis()->XAnf, 300, 1e-12);
  ERWARTE_GESUND(dok->anlage());
  // Removed with its branch; undone byte for byte.
  const Zeilen mit = Text();
  const std::size_t gleise = ed->modul()->Gleise.size();
  ed->modul()->GleisWaehlen(ed->modul()->GleisIndex(kopie->Zweiggleise().front()));
  ASSERT_TRUE(ed->ElementAusPlanEntfernen());
  EXPECT_EQ(ed->modul()->Gleise.size(), gleise - 4);
  ERWARTE_GESUND(dok->anlage());
  ASSERT_TRUE(ed->Rueckgaengig());
  EXPECT_EQ(Text(), mit);
}

}  // namespace
}  // namespace trm
