// The drawing tools driven through the mouse machine's pixel events: what they lay is exact
// (the coordinates shown are the ones stored), joins the track it starts at, and is one step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Mausplatz.h"
#include "SkriptDialoge.h"
#include "Weichensatz.h"
#include "core/editor/Endenverbindung.h"
#include "core/editor/Maus.h"
#include "core/editor/Parallelbahn.h"
#include "core/editor/Ziehplanung.h"
#include "core/model/Element.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Pruefung.h"
#include "core/model/Umrechnung.h"
#include "core/model/Verbindungen.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Entwurfzeichnen.h"

namespace trm {
namespace {

double Rad(double grad) { return grad * Pi / 180.0; }

/// An editor over one empty 3000 x 2000 mm module at 1 mm per pixel.
struct Zeichenplatz : test::Mausplatz {
  Zeichenplatz() : Mausplatz(1, 3000, 2000) { a.Werte.MaxKruemmung = 1.0 / 400; }
  /// The pixel of a world point.
  std::pair<std::int64_t, std::int64_t> Pixel(double x, double y) const {
    const TUmrechnung u(*m);
    return {u.WeltZuPixelX(x), u.WeltZuPixelY(y)};
  }
  TPunkt Welt(std::pair<std::int64_t, std::int64_t> p) const {
    const TUmrechnung u(*m);
    return {u.PixelZuWeltX(static_cast<double>(p.first)), u.PixelZuWeltY(static_cast<double>(p.second))};
  }
  Mausantwort Ereignis(Mausart art, std::pair<std::int64_t, std::int64_t> p, bool strg = false) {
    return maus.Ereignis({art, Maustaste::Links, p.first, p.second, strg, false});
  }
  /// A drag in the given mode from world point a to world point b; the answer of the release.
  Mausantwort Ziehen(Mausmodus modus, TPunkt von, TPunkt bis, bool strg = false) {
    ed.ModusSetzen(modus);
    Ereignis(Mausart::Druecken, Pixel(von.x, von.y), strg);
    Ereignis(Mausart::Bewegen, Pixel((von.x + bis.x) / 2, (von.y + bis.y) / 2), strg);
    Ereignis(Mausart::Bewegen, Pixel(bis.x, bis.y), strg);
    return Ereignis(Mausart::Loslassen, Pixel(bis.x, bis.y), strg);
  }
  TGleis* Letztes() { return m->Gleise.back().get(); }
};

TEST(Gleiszeichner, GeradeMitStrgGanzeMillimeterUndFuenfzehnGradSchritte) {
  Zeichenplatz z;
  // Released near 300 mm at 31°: Ctrl makes it 300,000 mm at 30°.
  const TPunkt von{500, 500};
  const auto r = z.Ziehen(Mausmodus::GeradeZiehen, von,
                          {von.x + 300.4 * std::cos(Rad(31)), von.y + 300.4 * std::sin(Rad(31))}, true);
  EXPECT_TRUE(r.geaendert);
  ASSERT_EQ(z.m->Gleise.size(), 1u);
  const TGleis& g = *z.Letztes();
  ASSERT_EQ(g.Boegen.size(), 1u);
  EXPECT_EQ(g.Boegen[0]->Laenge(), 300.0);
  EXPECT_NEAR(g.WAnf(), Rad(30), 1e-15);
  const TPunkt start = z.Welt(z.Pixel(von.x, von.y));
  EXPECT_EQ(g.XAnf, start.x);
  EXPECT_NEAR(g.XEnde(), start.x + 300 * std::cos(Rad(30)), 1e-9);
  EXPECT_EQ(z.ed.Modus(), Mausmodus::GeradeZiehen);  // the tool stays chosen
  EXPECT_EQ(z.dok.verlauf().RueckgaengigName(), "Gerade zeichnen");

  // Without Ctrl the straight ends on the released pixel's point; from the track's end, in its
  // direction within 2°, it follows on as a successor.
  const TPunkt ende{g.XEnde(), g.YEnde()};
  const TPunkt weiter{ende.x + 200 * std::cos(Rad(31)), ende.y + 200 * std::sin(Rad(31))};
  z.Ziehen(Mausmodus::GeradeZiehen, ende, weiter);
  TGleis* n = z.Letztes();
  EXPECT_EQ(n->Vorgaenger, z.m->Gleise[0].get());
  EXPECT_NEAR(n->WAnf(), Rad(30), 1e-12);
  EXPECT_NEAR(n->XAnf, ende.x, 1e-9);
  // At 45° it is a track of its own from the end's point.
  const TPunkt ende2{n->XEnde(), n->YEnde()};
  const TPunkt schraeg = z.Welt(z.Pixel(ende2.x + 100, ende2.y + 100));
  z.Ziehen(Mausmodus::GeradeZiehen, ende2, schraeg);
  TGleis* f = z.Letztes();
  EXPECT_EQ(f->Vorgaenger, nullptr);
  EXPECT_NEAR(f->XEnde(), schraeg.x, 1e-9);
  EXPECT_NEAR(f->YEnde(), schraeg.y, 1e-9);
  EXPECT_TRUE(VerbindungenPruefen(z.a).empty());
}

TEST(Gleiszeichner, BogenEndetAufDemLosgelassenenPunkt) {
  for (const double uebergang : {0.0, 150.0}) {
    SCOPED_TRACE(uebergang);
    Zeichenplatz z;
    z.maus.Zeichner().uebergang = uebergang;
    z.Ziehen(Mausmodus::GeradeZiehen, {500, 500}, {900, 500}, true);
    TGleis* gerade = z.Letztes();
    const TPunkt ende{gerade->XEnde(), gerade->YEnde()};
    // A half circle of about 500 mm radius, left.
    const auto los = z.Pixel(ende.x + 3, ende.y + 1000);
    z.Ziehen(Mausmodus::BogenZiehen, ende, z.Welt(los));
    TGleis* bogen = z.Letztes();
    ASSERT_NE(bogen, gerade);
    EXPECT_EQ(bogen->Vorgaenger, gerade);
    EXPECT_EQ(bogen->Boegen.size(), uebergang > 0 ? 3u : 1u);
    EXPECT_NEAR(bogen->XEnde(), z.Welt(los).x, 1e-6);
    EXPECT_NEAR(bogen->YEnde(), z.Welt(los).y, 1e-6);
    EXPECT_NEAR(bogen->WAnf(), 0, 1e-12);  // tangent to the straight
    if (uebergang > 0) {
      EXPECT_EQ(bogen->Boegen[0]->Laenge(), uebergang);
      EXPECT_TRUE(std::isinf(bogen->Boegen[0]->AnfRadius()));
      EXPECT_EQ(bogen->Boegen[0]->EndRadius(), bogen->Boegen[1]->AnfRadius());
    }
    EXPECT_TRUE(VerbindungenPruefen(z.a).empty());
  }
}

TEST(Gleiszeichner, BogenHaeltDenMindestradiusUndEscVerwirft) {
  Zeichenplatz z;
  z.Ziehen(Mausmodus::GeradeZiehen, {500, 500}, {900, 500}, true);
  const TPunkt ende{z.Letztes()->XEnde(), z.Letztes()->YEnde()};
  // A point that a 400 mm circle cannot reach: the draft stops at the minimum radius, in red.
  z.ed.ModusSetzen(Mausmodus::BogenZiehen);
  z.Ereignis(Mausart::Druecken, z.Pixel(ende.x, ende.y));
  const auto r = z.Ereignis(Mausart::Bewegen, z.Pixel(ende.x + 100, ende.y + 300));
  EXPECT_TRUE(r.neuZeichnen);
  EXPECT_TRUE(z.maus.Zeichner().Warnung());
  ASSERT_NE(z.maus.Zeichner().Entwurf(), nullptr);
  EXPECT_NEAR(z.maus.Zeichner().Entwurf()->Boegen[0]->AnfRadius(), 400, 1e-9);
  EXPECT_NE(r.unterMaus->find("Mindestradius"), std::string::npos);
  {
    // Drawn over the module in the warning colour, its values beside the mouse.
    Aufzeichnung c(3000, 2000);
    EntwurfZeichnen(z.maus.Zeichner(), c, TAnsicht(*z.m), PixelPunkt{10, 10});
    auto gezeichnet = [&](Zeichenbefehl::Art art, std::int32_t farbe) {
      return std::any_of(c.befehle.begin(), c.befehle.end(), [&](const Zeichenbefehl& b) {
        return b.art == art && (art == Zeichenbefehl::Art::Text ? b.farbe : b.stift.farbe) == farbe;
      });
    };
    EXPECT_TRUE(gezeichnet(Zeichenbefehl::Art::Polylinie, EntwurfWarnfarbe));
    EXPECT_TRUE(gezeichnet(Zeichenbefehl::Art::Text, EntwurfWarnfarbe));
  }
  // Esc drops the draft; the release lays nothing.
  EXPECT_TRUE(z.maus.Abbrechen());
  z.Ereignis(Mausart::Loslassen, z.Pixel(ende.x + 100, ende.y + 300));
  EXPECT_EQ(z.m->Gleise.size(), 1u);
  EXPECT_EQ(z.maus.Zeichner().Entwurf(), nullptr);
  // A click without a drag lays nothing.
  z.Ereignis(Mausart::Druecken, z.Pixel(ende.x, ende.y));
  z.Ereignis(Mausart::Loslassen, z.Pixel(ende.x + 2, ende.y + 2));
  EXPECT_EQ(z.m->Gleise.size(), 1u);
  // The first end picked by the connect tool, then its track undone: the next click starts
  // afresh instead of joining a track that is gone.
  z.Ziehen(Mausmodus::GeradeZiehen, {500, 900}, {900, 900}, true);
  z.ed.ModusSetzen(Mausmodus::EndenVerbinden);
  z.Ereignis(Mausart::Druecken, z.Pixel(900, 900));
  z.Ereignis(Mausart::Loslassen, z.Pixel(900, 900));
  ASSERT_TRUE(z.maus.Zeichner().Ende());
  ASSERT_TRUE(z.ed.Rueckgaengig());
  z.m = z.ed.modul();  // undo exchanges the layout's objects
  z.ed.ModusSetzen(Mausmodus::EndenVerbinden);
  z.Ereignis(Mausart::Druecken, z.Pixel(ende.x, ende.y));
  z.Ereignis(Mausart::Loslassen, z.Pixel(ende.x, ende.y));
  EXPECT_EQ(z.m->Gleise.size(), 1u);
  ASSERT_TRUE(z.maus.Zeichner().Ende());
  EXPECT_EQ(z.maus.Zeichner().Ende()->gleis, z.m->Gleise[0].get());
  z.ed.ModusSetzen(Mausmodus::BogenZiehen);
  // A curve needs an open end to be tangent to.
  z.Ereignis(Mausart::Druecken, z.Pixel(100, 1500));
  z.Ereignis(Mausart::Bewegen, z.Pixel(300, 1700));
  z.Ereignis(Mausart::Loslassen, z.Pixel(300, 1700));
  EXPECT_EQ(z.m->Gleise.size(), 1u);
}

TEST(Gleiszeichner, BogenAmGleisanfangWirdVorgaenger) {
  Zeichenplatz z;
  z.Ziehen(Mausmodus::GeradeZiehen, {1000, 500}, {1400, 500}, true);
  TGleis* gerade = z.Letztes();
  // From the start the curve goes out backwards; laid, it ends on the start and the straight
  // follows it.
  const auto los = z.Pixel(500, 700);
  z.Ziehen(Mausmodus::BogenZiehen, {1000, 500}, z.Welt(los));
  TGleis* bogen = z.Letztes();
  EXPECT_EQ(gerade->Vorgaenger, bogen);
  EXPECT_NEAR(bogen->XAnf, z.Welt(los).x, 1e-6);
  EXPECT_NEAR(bogen->YAnf, z.Welt(los).y, 1e-6);
  EXPECT_NEAR(gerade->XAnf, 1000, 1e-9);
  EXPECT_NEAR(Winkeldifferenz(bogen->WEnde() - gerade->WAnf()), 0, 1e-12);
  EXPECT_TRUE(VerbindungenPruefen(z.a).empty());
}

TEST(Gleiszeichner, WeicheAusDerListeRastetAmGleisendeEin) {
  Zeichenplatz z;
  z.Ziehen(Mausmodus::GeradeZiehen, {500, 500}, {900, 500}, true);
  TGleis* gerade = z.Letztes();
  Gleiszeichner& zn = z.maus.Zeichner();
  EXPECT_FALSE(zn.ElementBeginnen(Elementart::Drehscheibe, test::WeichensatzR500()));  // placed otherwise
  EXPECT_FALSE(zn.ElementAktiv());
  ASSERT_TRUE(zn.ElementBeginnen(Elementart::Weiche, test::WeichensatzR500()));
  EXPECT_TRUE(zn.ElementBewegen(905, 508, false, 15));
  ASSERT_NE(zn.Elemententwurf(), nullptr);
  ASSERT_TRUE(zn.ElementAbsetzen(905, 508, false, 15));
  ASSERT_EQ(z.m->Elemente.size(), 1u);
  TGleis* stamm = z.m->Elemente[0]->Stammgleis();
  EXPECT_EQ(stamm->Vorgaenger, gerade);
  EXPECT_NEAR(stamm->XAnf, 900, 1e-9);
  // With Ctrl it stays where it is dropped.
  zn.ElementBeginnen(Elementart::Weiche, test::WeichensatzR500());
  ASSERT_TRUE(zn.ElementAbsetzen(300, 1200, true, 15));
  ASSERT_EQ(z.m->Elemente.size(), 2u);
  EXPECT_EQ(z.m->Elemente[1]->Stammgleis()->XAnf, 300);
  EXPECT_EQ(z.m->Elemente[1]->Stammgleis()->Vorgaenger, nullptr);
  EXPECT_EQ(zn.Elemententwurf(), nullptr);
  EXPECT_TRUE(VerbindungenPruefen(z.a).empty());
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

// The guide's oval: two transitions, a turnout and a siding in 14 actions (tool keys, drags,
// the check box, a double click in the turnout list, two clicks to join).
TEST(Gleiszeichner, OvalDerAnleitung) {
  Zeichenplatz z;
  z.Ziehen(Mausmodus::GeradeZiehen, {800, 500}, {1801, 502}, true);  // 1 G, 2 drag
  TGleis* unten = z.Letztes();
  EXPECT_EQ(unten->Boegen[0]->Laenge(), 1001.0);
  z.maus.Zeichner().uebergang = 100;  // 3 B, 4 "mit Übergangsbögen"
  z.Ziehen(Mausmodus::BogenZiehen, {unten->XEnde(), 500}, {unten->XEnde() + 7, 1290}, true);  // 5 drag
  TGleis* bogen = z.Letztes();
  ASSERT_EQ(bogen->Boegen.size(), 3u);
  EXPECT_EQ(bogen->AktuellerBogen(), bogen->Boegen[2].get());  // chosen at its end
  EXPECT_TRUE(bogen->Boegen[2]->Markiert);
  EXPECT_NEAR(RichtungNorm(bogen->WEnde()), Pi, 1e-12);  // Ctrl: a half turn
  EXPECT_EQ(std::fabs(bogen->Boegen[1]->AnfRadius()), std::round(std::fabs(bogen->Boegen[1]->AnfRadius())));
  z.Ziehen(Mausmodus::GeradeZiehen, {bogen->XEnde(), bogen->YEnde()}, {bogen->XEnde() - 600, bogen->YEnde()},
           true);  // 6 G, 7 drag
  TGleis* oben = z.Letztes();
  EXPECT_EQ(oben->Vorgaenger, bogen);
  ASSERT_TRUE(z.ed.ElementEinsetzen(Elementart::Weiche, test::WeichensatzR500()));  // 8 list, 9 double click
  const TElement& weiche = *z.m->Elemente[0];
  const TGleis* stamm = weiche.Stammgleis();
  EXPECT_EQ(stamm->Vorgaenger, oben);
  // 10 V, 11 and 12: the turnout's main end and the first straight's start.
  z.ed.ModusSetzen(Mausmodus::EndenVerbinden);
  const auto a = z.Pixel(stamm->XEnde(), stamm->YEnde()), b = z.Pixel(800, 500);
  z.Ereignis(Mausart::Druecken, a);
  z.Ereignis(Mausart::Loslassen, a);
  EXPECT_NE(z.maus.Hinweis().find("Zweites"), std::string::npos);
  z.Ereignis(Mausart::Bewegen, b);
  EXPECT_NE(z.maus.Zeichner().Entwurf(), nullptr);
  const std::size_t vorher = z.dok.verlauf().AnzahlRueckgaengig();
  z.Ereignis(Mausart::Druecken, b);
  z.Ereignis(Mausart::Loslassen, b);
  EXPECT_EQ(z.dok.verlauf().AnzahlRueckgaengig(), vorher + 1);
  TGleis* schluss = z.Letztes();
  EXPECT_EQ(schluss->Vorgaenger, stamm);
  EXPECT_EQ(unten->Vorgaenger, schluss);
  EXPECT_NEAR(schluss->XEnde(), 800, 1e-6);
  EXPECT_NEAR(schluss->YEnde(), 500, 1e-6);
  EXPECT_NEAR(Winkeldifferenz(schluss->WEnde() - unten->WAnf()) * 180 / Pi, 0, 1e-6);
  for (const auto& s : schluss->Boegen) EXPECT_GE(std::fabs(s->AnfRadius()), 400 - 1e-9);
  // "mit Übergangsbögen" still on: the closing arcs have them too, refitted to the target.
  EXPECT_EQ(std::count_if(schluss->Boegen.begin(), schluss->Boegen.end(),
                          [](const auto& b) { return b->IstUebergangsbogen() && b->Laenge() == 100; }),
            2);
  // 13 G, 14 drag: the siding from the branch end, in its direction.
  const TGleis* zweig = weiche.Zweiggleis();
  const TPunkt ze{zweig->XEnde(), zweig->YEnde()};
  z.Ziehen(Mausmodus::GeradeZiehen, ze, {ze.x + 300 * std::cos(zweig->WEnde()), ze.y + 300 * std::sin(zweig->WEnde())},
           true);
  EXPECT_EQ(z.Letztes()->Vorgaenger, zweig);
  EXPECT_TRUE(VerbindungenPruefen(z.a).empty());
}

TEST(Gleiszeichner, ParallelgleisImAbstandAufDerSeiteDerMaus) {
  Zeichenplatz z;
  z.a.Werte.GlsAbst = 45;
  z.Ziehen(Mausmodus::GeradeZiehen, {800, 500}, {1200, 500}, true);
  z.Ziehen(Mausmodus::BogenZiehen, {1200, 500}, z.Welt(z.Pixel(1700, 1000)));
  TGleis* bogen = z.Letztes();
  const double r = bogen->Boegen[0]->AnfRadius();
  // Clicked outside the arc: the parallel lies on the right, its radius 45 mm larger.
  z.ed.ModusSetzen(Mausmodus::Parallelgleis);
  const auto aussen = z.Pixel(1200 + r * std::sin(Pi / 4) + 20, 500 + r - r * std::cos(Pi / 4) - 20);  // 28 mm off
  z.Ereignis(Mausart::Bewegen, aussen);
  z.Ereignis(Mausart::Druecken, aussen);
  z.Ereignis(Mausart::Loslassen, aussen);
  TGleis* p = z.Letztes();
  ASSERT_NE(p, bogen);
  ASSERT_EQ(p->Boegen.size(), 1u);
  EXPECT_NEAR(p->Boegen[0]->AnfRadius(), r + 45, 1e-9);
  const double cx = 1200, cy = 500 + r;  // the arc's centre
  for (const TSpurpunkt& q : p->Boegen[0]->Spurpunkte) EXPECT_NEAR(std::hypot(q.x - cx, q.y - cy), r + 45, 1e-9);
  EXPECT_EQ(z.dok.verlauf().RueckgaengigName(), "Parallelgleis");
}

}  // namespace
}  // namespace trm
