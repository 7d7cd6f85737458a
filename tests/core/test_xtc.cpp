// Layouts from XTrackCAD files: the hand-written tests/data/xtc/testanlage.xtc (a straight with
// heights, a turnout that fits, an easement, a curve, a crossing,
// a drawing and a table edge), tests/data/xtc/kreuzungsweichen.xtc (a single and a double slip),
// tests/data/xtc/drehscheibe.xtc (a turntable that fits and one that does not),
// small texts for helices and Bezier tracks, the fitted transition curve, and damaged files.
#include <gtest/gtest.h>

#include <cmath>

#include "Editorumgebung.h"
#include "core/editor/Dokument.h"
#include "core/import/XtcGeometrie.h"
#include "core/import/XtcImport.h"
#include "core/model/AnlageDatei.h"
#include "core/crossings/DKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/model/Fehler.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Pruefung.h"
#include "core/model/Textdatei.h"
#include "core/model/Zufall.h"

namespace trm {
namespace {

constexpr double kGrad = Pi / 180;

std::unique_ptr<Anlage> Import(const std::string& text, XtcErgebnis& e) {
  return XtcImportieren(text, "test.xtc", "", std::make_shared<MersenneZufall>(5), e);
}

/// The track whose end lies at (x, y) inches, none when there is none.
const TGleis* EndeBei(const Anlage& a, double x, double y) {
  for (const auto& g : a.Module.front()->Gleise)
    if (std::hypot(g->XEnde() - x * 25.4, g->YEnde() - y * 25.4) <= 0.01) return g.get();
  return nullptr;
}

/// An end direction pointing out, given in degrees clockwise from north.
void RichtungPruefen(const TGleis& g, double grad) {
  EXPECT_NEAR(std::remainder(g.WEnde() - (90 - grad) * kGrad, 2 * Pi), 0, 0.01 * kGrad);
}

TEST(XtcImport, TestanlageLiegtWieInDerDatei) {
  XtcErgebnis e;
  auto a = Import(Dateibytes(std::string(TRM_TESTDATEN) + "/xtc/testanlage.xtc"), e);
  EXPECT_EQ(a->Name, "Testanlage");
  EXPECT_DOUBLE_EQ(a->Massstab, 87.1);
  const TModul& m = *a->Module.front();
  EXPECT_EQ(m.Breite, 1016);
  EXPECT_EQ(m.Hoehe, 508);
  EXPECT_EQ(e.gleisobjekte, 5u);
  EXPECT_EQ(e.uebernommen, 5u);
  EXPECT_EQ(e.weichen, 1u);
  EXPECT_EQ(e.weichenAlsGleise, 0u);
  EXPECT_EQ(e.kreuzungen, 1u);
  EXPECT_EQ(e.bauteile, 2u);
  EXPECT_EQ(e.enden, 13u);
  EXPECT_EQ(e.endenAmOrt, 13u);
  EXPECT_EQ(e.verbindungen, 3u);
  EXPECT_EQ(e.verbindungenGehalten, 3u);
  ASSERT_EQ(m.Gleise.size(), 8u);
  EXPECT_TRUE(VerbindungenPruefen(*a, true).empty());

  // The straight runs into the switch point, rises 0.2 in over 4 in, and feeds both turnout tracks.
  const TGleis* gerade = EndeBei(*a, 0, 0);
  ASSERT_NE(gerade, nullptr);
  EXPECT_NEAR(gerade->XAnf, -101.6, 1e-9);
  EXPECT_NEAR(gerade->ZAnf(), 0, 1e-12);
  EXPECT_NEAR(gerade->ZEnde(), 5.08, 1e-9);
  EXPECT_NEAR(gerade->Boegen.front()->Steigung(), 5.0, 1e-9);
  ASSERT_EQ(gerade->Nachfolger.size(), 2u);
  // The turnout's branch end, the easement's end and the curve's end.
  const TGleis* zweig = EndeBei(*a, 9.213460, 1.410454);
  ASSERT_NE(zweig, nullptr);
  RichtungPruefen(*zweig, 75);
  EXPECT_TRUE(zweig->IstWeichengleis());
  const double l1 = 5.689, rr = 9.75 * 7 / l1, th = std::atan(l1 * l1 / (2 * 9.75 * 7));
  const TGleis* uebergang = EndeBei(*a, 9 + l1, l1 * l1 * l1 / (6 * 9.75 * 7));
  ASSERT_NE(uebergang, nullptr);
  RichtungPruefen(*uebergang, 90 - th / kGrad);
  ASSERT_NE(uebergang->Vorgaenger, nullptr);
  EXPECT_TRUE(uebergang->Vorgaenger->IstWeichengleis());
  // The file's spiral is a cubic parabola, ours a clothoid meeting both ends: it starts nearly
  // straight and ends near the curve's radius.
  EXPECT_GT(std::fabs(uebergang->Boegen.front()->AnfRadius()), 50 * rr * 25.4);
  EXPECT_NEAR(uebergang->Boegen.front()->EndRadius(), rr * 25.4, 0.05 * rr * 25.4);
  const TGleis* kurve = uebergang->Nachfolger.empty() ? nullptr : uebergang->Nachfolger.front();
  ASSERT_NE(kurve, nullptr);
  EXPECT_NEAR(kurve->Boegen.front()->AnfRadius(), rr * 25.4, 1e-3);
  RichtungPruefen(*kurve, 90 - th / kGrad - 30);
  // One link group for the joined tracks, the crossing's tracks alone.
  EXPECT_EQ(gerade->Verbund.size(), 5u);
  // The crossing: 90°, its main track from (29, 10) to (31, 10), crossing track B ending at
  // (30, 11) to the left.
  const TGleis* krB = EndeBei(*a, 30, 11);
  ASSERT_NE(krB, nullptr);
  ASSERT_NE(krB->Element, nullptr);
  const auto* kreuzung = dynamic_cast<const TKreuzung*>(krB->Element);
  ASSERT_NE(kreuzung, nullptr);
  EXPECT_EQ(kreuzung->Name, "Testwerk Kreuzung 90 1005");
  EXPECT_NEAR(kreuzung->Winkel, Pi / 2, 1e-12);
  EXPECT_EQ(kreuzung->Richtung, 1);
  EXPECT_EQ(kreuzung->KreuzungsgleisB(), krB);
  EXPECT_NEAR(kreuzung->Stammgleis()->XAnf, 29 * 25.4, 1e-9);
  EXPECT_NEAR(kreuzung->Stammgleis()->XEnde(), 31 * 25.4, 1e-9);
  EXPECT_EQ(krB->Verbund.size(), 3u);

  // What is imported opens again once saved.
  EXPECT_NO_THROW(AnlageAusZeilen(AnlageZeilen(*a), "", std::make_shared<MersenneZufall>(1)));
  const std::string bericht = XtcBericht(e);
  EXPECT_NE(bericht.find("5 von 5 Gleisobjekten übernommen"), std::string::npos);
  EXPECT_NE(bericht.find("1 × Notiz: nicht übernommen"), std::string::npos);
}

/// Whether track g ends at (x, y) inches pointing out at `grad` (clockwise from north), within
/// 0,01 mm and 0,01°.
bool EndetBei(const TGleis& g, double x, double y, double grad) {
  return std::hypot(g.XEnde() - x * 25.4, g.YEnde() - y * 25.4) <= 0.01 &&
         std::fabs(std::remainder(g.WEnde() - (90 - grad) * kGrad, 2 * Pi)) <= 0.01 * kGrad;
}

TEST(XtcImport, KreuzungsweichenLiegenWieInDerDatei) {
  // 15°, slip curves of 30 in (tangent points d = 30 tan 7,5° = 3,949575 in from the centre),
  // legs of 5 in: the base form of length 2d, outer straights of 5 - d.
  XtcErgebnis e;
  auto a = Import(Dateibytes(std::string(TRM_TESTDATEN) + "/xtc/kreuzungsweichen.xtc"), e);
  EXPECT_EQ(e.weichen, 1u);
  EXPECT_EQ(e.ekw, 1u);
  EXPECT_EQ(e.dkw, 1u);
  EXPECT_EQ(e.weichenAlsGleise, 0u);
  EXPECT_EQ(e.enden, 13u);
  EXPECT_EQ(e.endenAmOrt, 13u);
  EXPECT_EQ(e.verbindungenGehalten, 2u);
  // The slip starts on the file's end, a rounding (7e-6 mm) beside the turnout's computed one.
  EXPECT_TRUE(VerbindungenPruefen(*a, false).empty());
  const double d = 30 * std::tan(7.5 * kGrad);
  const TEKW* ekw = nullptr;
  const TDKW* dkw = nullptr;
  for (const auto& el : a->Module.front()->Elemente) {
    if (auto* p = dynamic_cast<const TDKW*>(el.get())) dkw = p;
    else if (auto* q = dynamic_cast<const TEKW*>(el.get())) ekw = q;
  }
  ASSERT_NE(ekw, nullptr);
  ASSERT_NE(dkw, nullptr);
  for (const TEKW* k : {ekw, static_cast<const TEKW*>(dkw)}) {
    EXPECT_NEAR(k->Winkel, 15 * kGrad, 1e-6);
    EXPECT_NEAR(k->EKWRadius, 762, 1e-6);
    EXPECT_NEAR(k->Laenge, 2 * d * 25.4, 1e-4);
    EXPECT_NEAR(k->StALaenge, (5 - d) * 25.4, 1e-4);
    EXPECT_EQ(k->ZungenInnen, 1);
  }
  // The double slip as the file has it: its main track from (30, 10) to (40, 10), crossing
  // track B to the right; its first curve from crossing track A to the end side, its second
  // from crossing track B to the start side, each ending on the main track's tangent point.
  EXPECT_EQ(dkw->Richtung, 0);
  EXPECT_EQ(dkw->ZwAnschluss, 1);
  EXPECT_NEAR(dkw->Stammgleis()->XAnf, 30 * 25.4, 1e-9);
  EXPECT_TRUE(EndetBei(*dkw->Stammgleis(), 40, 10, 90));
  EXPECT_TRUE(EndetBei(*dkw->KreuzungsgleisA(), 30.170371, 11.294095, 285));
  EXPECT_TRUE(EndetBei(*dkw->KreuzungsgleisB(), 39.829629, 8.705905, 105));
  EXPECT_TRUE(EndetBei(*dkw->EKWZweiggleis(), 30 + 5 + d, 10, 90));
  EXPECT_TRUE(EndetBei(*dkw->DKWZweiggleis(), 30 + 5 - d, 10, 270));
  // The single slip starts where the turnout's main end meets it, on its crossing straight,
  // which makes it turn the other way; its curve still joins the main straight's start side
  // with the crossing straight's end side, turning by 15° on 762 mm.
  EXPECT_NEAR(ekw->Stammgleis()->XAnf, 10.170371 * 25.4, 1e-3);
  EXPECT_EQ(ekw->Richtung, 1);
  const TGleis& zweig = *ekw->EKWZweiggleis();
  EXPECT_NEAR(std::hypot(zweig.XAnf - (15 - d) * 25.4, zweig.YAnf - 254), 0, 0.01);
  EXPECT_TRUE(EndetBei(zweig, 15 + d * std::cos(15 * kGrad), 10 - d * std::sin(15 * kGrad), 105));
  EXPECT_NEAR(std::fabs(ekw->ZwMitte()->AnfRadius()), 762, 1e-9);
  // Joined: the turnout's main track leads into the slip, the slip into the straight.
  ASSERT_NE(ekw->Stammgleis()->Vorgaenger, nullptr);
  EXPECT_TRUE(ekw->Stammgleis()->Vorgaenger->IstWeichengleis());
  const TGleis* gerade = EndeBei(*a, 6, 10);
  ASSERT_NE(gerade, nullptr);
  EXPECT_EQ(gerade->Vorgaenger, EndeBei(*a, 10, 10));
  // Saved and read again, the slip curve lies alike.
  auto b = AnlageAusZeilen(AnlageZeilen(*a), "", std::make_shared<MersenneZufall>(1));
  std::size_t zweige = 0;
  for (const auto& el : b->Module.front()->Elemente)
    if (auto* k = dynamic_cast<const TEKW*>(el.get()); k && k->Art() == Elementart::EKW) {
      EXPECT_TRUE(EndetBei(*k->EKWZweiggleis(), 15 + d * std::cos(15 * kGrad), 10 - d * std::sin(15 * kGrad), 105));
      ++zweige;
    }
  EXPECT_EQ(zweige, 1u);
}

TEST(XtcImport, DrehscheibeMitGleichmaessigenAbgaengen) {
  // Ends east, north and west of a pit of 4,5 in: four connections from east, the straight at
  // the east end connected and starting there; ends 97,3° apart fit no division.
  XtcErgebnis e;
  auto a = Import(Dateibytes(std::string(TRM_TESTDATEN) + "/xtc/drehscheibe.xtc"), e);
  EXPECT_EQ(e.drehscheiben, 1u);
  EXPECT_EQ(e.gleisobjekteUebersprungen, 1u);
  ASSERT_EQ(e.uebersprungen.size(), 1u);
  EXPECT_EQ(e.uebersprungen[0].first, "Drehscheibe: Gleisabgänge nicht gleichmäßig verteilt");
  EXPECT_EQ(e.endenAmOrt, 5u);
  EXPECT_EQ(e.verbindungenGehalten, 1u);
  const TModul& m = *a->Module.front();
  ASSERT_EQ(m.Elemente.size(), 1u);
  const auto* d = dynamic_cast<const TDrehscheibe*>(m.Elemente.front().get());
  ASSERT_NE(d, nullptr);
  EXPECT_NEAR(d->XMitte, 254, 1e-9);
  EXPECT_NEAR(d->Aussendurchmesser, 228.6, 1e-9);
  EXPECT_EQ(d->Anzahl(), 4);
  EXPECT_NEAR(d->Startwinkel(), 0, 1e-9);
  ASSERT_EQ(d->Anschluesse().size(), 1u);
  const TGleis& g = *d->Anschluesse().front();
  EXPECT_NEAR(g.XAnf, 14.5 * 25.4, 1e-9);
  EXPECT_NEAR(g.XEnde(), 18.5 * 25.4, 1e-9);
  // Saved and read again, the track is still connected.
  auto b = AnlageAusZeilen(AnlageZeilen(*a), "", std::make_shared<MersenneZufall>(1));
  const auto* d2 = dynamic_cast<const TDrehscheibe*>(b->Module.front()->Elemente.front().get());
  ASSERT_NE(d2, nullptr);
  EXPECT_EQ(d2->Anschluesse().size(), 1u);
}

TEST(XtcImport, WendelUndBezierGleis) {
  // A helix of radius 10 in: half a turn plus 2 turns, rising 3 in between its defined ends.
  const std::string wendel =
      "SCALE N\nROOMSIZE 30 x 30\n"
      "CURVE 1 0 0 0 0 N 2 15.000000 15.000000 0 10.000000 2 0 0\n"
      "\tE 15.000000 5.000000 270.000000 1 0 0 0.000000\n"
      "\tE 15.000000 25.000000 270.000000 1 0 0 3.000000\n\tEND\n";
  XtcErgebnis e;
  auto a = Import(wendel, e);
  EXPECT_DOUBLE_EQ(a->Massstab, 160);
  EXPECT_DOUBLE_EQ(a->Werte.Spur, 9);
  const TGleis& w = *a->Module.front()->Gleise.front();
  const double laenge = 2.5 * 2 * Pi * 254;
  EXPECT_NEAR(w.Boegen.front()->Laenge(), laenge, 1e-6);
  EXPECT_NEAR(w.Boegen.front()->Steigung(), 76.2 / laenge * 100, 1e-9);
  EXPECT_EQ(e.endenAmOrt, 2u);

  // A Bezier track: its ends in place, its pieces within 0.05 mm of the curve.
  const std::string bezier =
      "SCALE HO\nBEZIER 1 0 0 0 0.0 HO 2 0 0 4 0 6 2 8 6 0 0 0\n"
      "\tE 0.000000 0.000000 270.000000\n\tE 8.000000 6.000000 26.565051\n\tEND\n";
  auto b = Import(bezier, e);
  EXPECT_EQ(e.endenAmOrt, 2u);
  const TGleis& g = *b->Module.front()->Gleise.front();
  EXPECT_GT(g.Boegen.size(), 1u);
  for (const auto& bogen : g.Boegen)
    for (const TSpurpunkt& p : bogen->Spurpunkte) {
      double best = Unendlich;
      for (int k = 0; k <= 20000; ++k) {
        const double t = k / 20000.0, u = 1 - t;
        const double x = 25.4 * (3 * u * u * t * 4 + 3 * u * t * t * 6 + t * t * t * 8);
        const double y = 25.4 * (3 * u * t * t * 2 + t * t * t * 6);
        best = std::min(best, std::hypot(p.x - x, p.y - y));
      }
      EXPECT_LT(best, 0.06);
    }
}

TEST(XtcImport, GerundeteEndenWerdenGetroffen) {
  // Three decimals: the straight's chord misses its end directions by 0.02°, the curve's header
  // radius puts its end 0.014 mm off. Both are fitted onto the file's ends, and stay joined.
  const std::string text =
      "SCALE N\n"
      "STRAIGHT 8 0 0 0 0 N 2\n\tE 40.793000 29.223000 76.286000\n\tT 10 38.261000 28.606000 256.286000\n\tEND\n"
      "CURVE 10 0 0 0 0 N 2 34.470000 44.142000 0 15.992000 0 0.000000 0.000000\n"
      "\tT 8 38.261000 28.606000 76.286000\n\tE 34.797000 28.154000 268.828000\n\tEND\n";
  XtcErgebnis e;
  auto a = Import(text, e);
  EXPECT_EQ(e.enden, 4u);
  EXPECT_EQ(e.endenAmOrt, 4u);
  EXPECT_EQ(e.verbindungenGehalten, 1u);
  const TGleis* kurve = EndeBei(*a, 34.797, 28.154);
  ASSERT_NE(kurve, nullptr);
  RichtungPruefen(*kurve, 268.828);
  ASSERT_NE(kurve->Vorgaenger, nullptr);
  // The fitted straight stays all but straight: its radii are beyond 10 m.
  for (const double r : {kurve->Vorgaenger->Boegen.front()->AnfRadius(), kurve->Vorgaenger->Boegen.front()->EndRadius()})
    EXPECT_GT(std::fabs(r), 1e4);
}

TEST(XtcImport, WeichenwegMitUebergangsabschnitt) {
  // A sectional piece: 1 in straight, then a spiral from its origin at (0, 0) heading east to
  // tangent position 5.689 with R·L = 9.75·7, turning right: one transition curve after the
  // straight, both ends where the file has them.
  const std::string text =
      "SCALE HO\n"
      "TURNOUT 1 0 0 0 0 HO 2 0.000000 0.000000 0 0.000000 \"Testwerk\tSpirale\t1\"\n"
      "\tE -1.000000 0.000000 270.000000\n\tE 5.689000 -0.449629 103.715690\n"
      "\tP \"A\" 1 2\n\tS 0 0 -1.000000 0.000000 0.000000 0.000000\n"
      "\tJ 0 0 0.000000 0.000000 90.000000 0.000000 5.689000 9.750000 7.000000 0\n\tEND\n";
  XtcErgebnis e;
  auto a = Import(text, e);
  EXPECT_EQ(e.weichenAlsGleise, 1u);
  EXPECT_EQ(e.endenAmOrt, 2u);
  const TGleis* g = EndeBei(*a, 5.689, -0.449629);
  ASSERT_NE(g, nullptr);
  RichtungPruefen(*g, 103.71569);
  ASSERT_EQ(g->Boegen.size(), 2u);
  EXPECT_NEAR(g->Boegen[0]->Laenge(), 25.4, 1e-6);
  // The file's spiral is a cubic parabola, ours a clothoid between its ends: straight at the
  // start, near R·L/l = 304,7 mm at the end, turning right.
  EXPECT_GT(std::fabs(g->Boegen[1]->AnfRadius()), 20 * 304.7);
  EXPECT_NEAR(g->Boegen[1]->EndRadius(), -304.7, 0.05 * 304.7);
}

TEST(XtcImport, UebergangsbogenTrifftSeinZiel) {
  // A transition curve from straight to R 500 over 100 mm turns by 0.1 rad: fitted from a
  // rough guess, it comes back.
  const XtcBogen soll{100, Unendlich, 500};
  const XtcLage a{10, 20, 0.3}, z = BogenEnde(a, soll);
  EXPECT_NEAR(z.w - a.w, 0.1, 1e-9);
  const auto b = UebergangAnpassen(a, z, 0.0001, 0.0015, 95);
  ASSERT_TRUE(b.has_value());
  EXPECT_NEAR(b->laenge, 100, 1e-3);
  EXPECT_NEAR(b->r1, 500, 0.01);
  EXPECT_LT(LageAbstand(BogenEnde(a, *b), z), 1e-5);
}

TEST(XtcImport, KaputteDateienGebenDeutscheMeldungen) {
  XtcErgebnis e;
  auto fehler = [&](const std::string& text) -> std::string {
    try {
      Import(text, e);
    } catch (const LeseFehler& f) {
      return f.what();
    }
    return "";
  };
  EXPECT_NE(fehler("STRAIGHT 1 0 0 0 0 HO 2\n\tE 0 0 270\n").find("Zeile 1: Das Objekt STRAIGHT endet nicht mit END"),
            std::string::npos);
  EXPECT_NE(fehler("STRAIGHT 1 0 0 0 0 HO 2\n\tE 0 nan 270\n\tE 1 0 90\n\tEND\n").find("keine endliche Zahl"),
            std::string::npos);
  EXPECT_NE(fehler("STRAIGHT 1 0 0 0 0 HO 2\n\tE 0 1e7 270\n\tE 1 0 90\n\tEND\n").find("außerhalb"), std::string::npos);
  EXPECT_NE(fehler("\x7f" "ELF\x01\x02 binary\n").find("keine XTrackCAD-Anlage"), std::string::npos);
  EXPECT_NE(fehler("ROOMSIZE 10\n").find("fehlen Werte"), std::string::npos);
  // Unknown objects are skipped and counted; a curve of no radius is skipped, not refused.
  auto a = Import("SCALE HO\nGADGET 1 2 3\n\tX 1\n\tEND\nCURVE 2 0 0 0 0 HO 2 0 0 0 0 0 0 0\n\tE 0 0 270\n\tE 1 0 90\n\tEND\n", e);
  EXPECT_EQ(e.gleisobjekteUebersprungen, 1u);
  ASSERT_EQ(e.uebersprungen.size(), 2u);
  EXPECT_EQ(e.uebersprungen[0].first, "Objekt GADGET: nicht übernommen");
  EXPECT_EQ(e.uebersprungen[1].first, "Bogen: Bogen ohne Radius");
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

class XtcDokument : public test::Editorumgebung {};

TEST_F(XtcDokument, ImportErsetztDieAnlageNurBeiErfolg) {
  ASSERT_TRUE(dok->Neu());
  const Zeilen vorher = AnlageZeilen(dok->anlage());
  EXPECT_FALSE(dok->ImportierenDatei(XtcImport(), std::string(TRM_TESTDATEN) + "/../fuzz/korpus/xtc/abgeschnitten.xtc"));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("kann nicht importiert werden"), std::string::npos) << dialoge.fehler[0];
  EXPECT_EQ(AnlageZeilen(dok->anlage()), vorher);

  ASSERT_TRUE(dok->ImportierenDatei(XtcImport(), std::string(TRM_TESTDATEN) + "/xtc/testanlage.xtc"));
  EXPECT_EQ(dok->anlage().Name, "Testanlage");
  EXPECT_TRUE(dok->anlage().DateiPfad.empty());
  ASSERT_EQ(dialoge.infos.size(), 1u);
  EXPECT_NE(dialoge.infos[0].find("13 von 13 Gleisenden am Ort"), std::string::npos);
}

}  // namespace
}  // namespace trm
