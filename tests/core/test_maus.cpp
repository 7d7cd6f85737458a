// The mouse in the drawing area driven through pixel events: picking at several zoom levels,
// the drag threshold, snapping with and without Ctrl, the fold of opposite directions, the
// one-click mouse modes, new tracks, the triangle and marker tests, and the hover feedback.
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

#include "Mausplatz.h"
#include "SkriptDialoge.h"
#include "core/base/Ausrichten.h"
#include "core/editor/Maus.h"
#include "core/editor/Treffer.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"
#include "core/model/Verbindungen.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Hervorhebung.h"
#include "core/render/ModulZeichnen.h"
#include "Testelement.h"

namespace trm {
namespace {

double Rad(double grad) { return grad * Pi / 180.0; }

/// An editor over one empty 1500 x 600 mm module, driven by pixel events.
struct Szene : test::Mausplatz {
  explicit Szene(double mmProPixel = 2) : Mausplatz(mmProPixel, 1500, 600) {
    a.Werte.Spur = 16;
    a.Werte.SwAbst = 10;
  }
  TGleis* Gleis(std::vector<double> laengen, double x, double y, double grad = 0) {
    TGleis* g = m->GleisAnhaengen();
    g->Nummer = static_cast<std::int32_t>(m->Gleise.size());
    g->XAnf = x;
    g->YAnf = y;
    g->SetWAnf(Rad(grad));
    for (double l : laengen) {
      auto b = std::make_unique<TBogen>();
      b->SetLaenge(l);
      g->BogenAnhaengen(std::move(b));
    }
    return g;
  }
  /// A redraw: points, and the start markers as drawn.
  void Zeichnen() {
    ModulBerechnen(*m);
    Aufzeichnung c;
    ModulMalen(a, *m, c, TAnsicht(*m));
  }
  TPunkt Welt(std::int64_t px, std::int64_t py) const {
    const TUmrechnung u(*m);
    return {u.PixelZuWeltX(static_cast<double>(px)), u.PixelZuWeltY(static_cast<double>(py))};
  }
  Mausantwort Maus(Mausart art, std::int64_t x, std::int64_t y, bool strg = false,
                   Maustaste t = Maustaste::Links) {
    return maus.Ereignis({art, t, x, y, strg, false});
  }
  Mausantwort Klick(std::int64_t x, std::int64_t y, Maustaste t = Maustaste::Links) {
    Maus(Mausart::Druecken, x, y, false, t);
    return Maus(Mausart::Loslassen, x, y, false, t);
  }
  /// Press at pixel (x, y), move by (dx, dy) pixels; returns the move's answer.
  Mausantwort Ziehen(std::int64_t x, std::int64_t y, std::int64_t dx, std::int64_t dy) {
    Maus(Mausart::Druecken, x, y);
    return Maus(Mausart::Bewegen, x + dx, y + dy);
  }
};

TEST(Treffer, DreieckJenseitsDerLinkenEckeUndAnfangsmarke) {
  const TPunkt p1{0, 0}, p2{10, 0}, p3{5, 8};
  auto mit = [&](double b1, double b2, double b3) {
    return TPunkt{b1 * p1.x + b2 * p2.x + b3 * p3.x, b1 * p1.y + b2 * p2.y + b3 * p3.y};
  };
  EXPECT_TRUE(PunktInDreieck(p1, p2, p3, mit(0.3, 0.3, 0.4)));
  EXPECT_TRUE(PunktInDreieck(p1, p2, p3, mit(1.2, -0.1, -0.1)));      // product 0.012, b1 >= 0
  EXPECT_FALSE(PunktInDreieck(p1, p2, p3, mit(-0.1, 1.2, -0.1)));     // beyond p2: b1 < 0
  EXPECT_FALSE(PunktInDreieck(p1, p2, p3, mit(0.5, 0.6, -0.1)));      // outside an edge
  EXPECT_TRUE(PunktInDreieck(p3, p1, p2, mit(0.3, 0.3, 0.4)));        // either winding
  EXPECT_FALSE(PunktInDreieck(p1, p2, TPunkt{20, 0}, TPunkt{5, 0}));  // degenerate
  // The start marker of a track turned by 30°: one gauge (16 mm) along, half of it across.
  Szene s;
  TGleis* g = s.Gleis({100}, 300, 300, 30);
  s.Zeichnen();
  auto bei = [](double laengs, double quer) {
    const double c = std::cos(Rad(30)), n = std::sin(Rad(30));
    return TPunkt{300 + c * laengs - n * quer, 300 + n * laengs + c * quer};
  };
  EXPECT_TRUE(PunktInMarke(g->AnfP, bei(15.9, -7.9)));
  EXPECT_FALSE(PunktInMarke(g->AnfP, bei(16.1, 0)));
  EXPECT_FALSE(PunktInMarke(g->AnfP, bei(8, 8.1)));
}

TEST(Maus, TrefferInnerhalb10mmOderFuenfPixeln) {
  for (double mpp : {0.5, 1.7, 2.0, 4.0}) {
    SCOPED_TRACE(mpp);
    for (double abstand : {8.0, 12.0}) {
      Szene s(mpp);
      const TPunkt k = s.Welt(150, 100);
      s.Gleis({50}, 20, 20);  // far away, current before the click
      // A track along y, abstand mm left of the click, its second segment beside the click.
      s.Gleis({100, 100}, k.x - abstand, k.y - 150, 90);
      s.m->GleisWaehlen(0);
      s.Zeichnen();
      s.Klick(150, 100);
      // 10 mm, or 5 screen pixels at an overview scale (20 mm at 4 mm per pixel).
      if (abstand < std::max(10.0, 5 * mpp)) {
        EXPECT_EQ(s.m->AktGleis, 1);
        EXPECT_EQ(s.m->Gleise[1]->AktBogen, 1);
      } else {
        EXPECT_EQ(s.m->AktGleis, 0);
      }
    }
  }
}

TEST(Maus, AnfangsmarkeGehtVorUndBeendetDieSuche) {
  Szene s;
  const TPunkt k = s.Welt(200, 150);
  s.Gleis({100}, k.x - 5, k.y - 50, 90);  // points 5 mm from the click
  s.Gleis({4, 100}, k.x - 8, k.y);        // its start marker holds the click
  s.Gleis({100}, k.x + 3, k.y - 50, 90);  // later points within 10 mm
  s.Zeichnen();
  s.Klick(200, 150);
  EXPECT_EQ(s.m->AktGleis, 1);
  EXPECT_EQ(s.m->Gleise[1]->AktBogen, 0);  // by its points it would be segment 1
}

TEST(Maus, ZiehenAbFuenfPixelnMitDerGanzenGruppe) {
  Szene s(2.5);
  TGleis* g = s.Gleis({100}, 100, 300);
  TGleis* partner = s.Gleis({100}, 100, 100, 45);
  TGleis* fremd = s.Gleis({100}, 600, 100);
  VerbundVereinen(g, partner);
  s.Zeichnen();
  s.ed.dokument().verlauf().Gespeichert();
  const TPunkt p0 = s.Welt(44, 120);  // (110, 300): on g's start marker

  auto r = s.Ziehen(44, 120, 2, 2);  // |dx| + |dy| = 4
  EXPECT_EQ(g->XAnf, 100);
  EXPECT_FALSE(r.geaendert || s.ed.dokument().Geaendert());
  r = s.Maus(Mausart::Bewegen, 47, 122);
  const TPunkt p1 = s.Welt(47, 122);
  EXPECT_TRUE(r.geaendert && r.neuZeichnen);
  EXPECT_EQ(r.status, "Mausposition: x=117,500 y=295,000");
  EXPECT_DOUBLE_EQ(g->XAnf, 100 + (p1.x - p0.x));
  EXPECT_DOUBLE_EQ(g->YAnf, 300 + (p1.y - p0.y));
  EXPECT_DOUBLE_EQ(partner->XAnf, 100 + (p1.x - p0.x));
  EXPECT_DOUBLE_EQ(partner->YAnf, 100 + (p1.y - p0.y));
  EXPECT_DOUBLE_EQ(g->XEnde(), g->XAnf + 100);  // points follow at once
  EXPECT_EQ(fremd->XAnf, 600);
}

/// Track A (with a group partner far off) dragged by (+10, -50) pixels at 2 mm per pixel, so
/// that its end lands at (220, 400), near B's start.
struct Fangszene : Szene {
  TGleis* A;
  TGleis* partner;
  TGleis* B;
  explicit Fangszene(double bGrad, TPunkt bAnf = {226, 404}) {
    A = Gleis({100}, 100, 300);
    partner = Gleis({50}, 100, 100, 30);
    B = Gleis({100}, bAnf.x, bAnf.y, bGrad);
    VerbundVereinen(A, partner);
    Zeichnen();
  }
  Mausantwort Ablegen(bool strg) {
    auto r = Ziehen(54, 150, 10, -50);
    EXPECT_DOUBLE_EQ(A->XEnde(), 220);
    EXPECT_DOUBLE_EQ(A->YEnde(), 400);
    EXPECT_EQ(r.cursor, CursorKandidat);
    return Maus(Mausart::Loslassen, 64, 100, strg);
  }
};

TEST(Maus, EinrastenNurMitStrgOderAutomatik) {
  {
    Fangszene s(20);
    s.Ablegen(false);
    EXPECT_DOUBLE_EQ(s.A->XEnde(), 220);  // stays where it was dropped
    EXPECT_EQ(s.A->WAnf(), 0);
    EXPECT_EQ(s.maus.Cursor(), CursorNormal);
  }
  for (bool automatik : {false, true}) {
    Fangszene s(20);
    if (automatik) s.a.Optionen[5] = '1';
    const TPunkt partnerVorher{s.partner->XAnf - s.A->XAnf, s.partner->YAnf - s.A->YAnf};
    auto r = s.Ablegen(!automatik);
    EXPECT_TRUE(r.geaendert);
    EXPECT_EQ(r.cursor, CursorNormal);
    EXPECT_NEAR(s.A->XEnde(), 226, 1e-9);
    EXPECT_NEAR(s.A->YEnde(), 404, 1e-9);
    EXPECT_NEAR(s.A->WEnde(), Rad(20), 1e-12);
    // The partner moves rigidly: its offset turned by 20°, its direction too.
    const TPunkt soll = PunktDrehen(partnerVorher.x, partnerVorher.y, Rad(20), 0, 0);
    EXPECT_NEAR(s.partner->XAnf - s.A->XAnf, soll.x, 1e-9);
    EXPECT_NEAR(s.partner->YAnf - s.A->YAnf, soll.y, 1e-9);
    EXPECT_NEAR(s.partner->WAnf(), Rad(50), 1e-12);
    EXPECT_FALSE(s.maus.Kandidat());
  }
}

TEST(Maus, GegenrichtungFaltetUndDrehtDieKuerzereSeite) {
  // The dragged end's direction (0°) exceeds the candidate's (-170°) by 170°: δ folds to -10°
  // and the group turns 10° counter-clockwise, so the directions are opposite.
  Fangszene s(-170);
  s.Maus(Mausart::Druecken, 54, 150);
  s.Maus(Mausart::Bewegen, 64, 100);
  ASSERT_TRUE(s.maus.Kandidat());
  EXPECT_NEAR(s.maus.Kandidat()->delta, Rad(-10), 1e-12);
  s.Maus(Mausart::Loslassen, 64, 100, true);
  EXPECT_NEAR(s.A->WAnf(), Rad(10), 1e-12);
  EXPECT_NEAR(s.A->XEnde(), 226, 1e-9);

  // Exactly head-on needs no turn at all.
  Fangszene gegen(180);
  gegen.Ablegen(true);
  EXPECT_NEAR(gegen.A->WAnf(), 0, 1e-12);
  EXPECT_NEAR(gegen.A->XEnde(), 226, 1e-9);
}

TEST(Ausrichten, DeltaFalten) {
  EXPECT_NEAR(DeltaFalten(Rad(170)), Rad(-10), 1e-12);
  EXPECT_NEAR(DeltaFalten(Rad(-100)), Rad(80), 1e-12);
  EXPECT_NEAR(DeltaFalten(Rad(200)), Rad(20), 1e-12);
  EXPECT_NEAR(DeltaFalten(Rad(60)), Rad(60), 1e-12);
  EXPECT_NEAR(DeltaFalten(Rad(300)), Rad(300), 1e-12);  // turning by -300° is +60°
  EXPECT_EQ(DeltaFalten(Pi), 0);
  // 300° against -200°: 500° apart, the same as 140°, which folds to -40°.
  EXPECT_NEAR(DeltaFalten(Rad(300) - Rad(-200)), Rad(-40), 1e-12);
}

TEST(Ausrichten, EigenerPunktVorGleisreihenfolgeUndAnfangVorEnde) {
  Szene s;
  TGleis* g = s.Gleis({100}, 0, 0);
  TGleis* frueh = s.Gleis({50}, 110, 5);  // its start is near g's end (own point 2)
  TGleis* spaet = s.Gleis({50}, -50, 8);  // its end is near g's start (own point 1)
  s.Zeichnen();
  auto a = AusrichtungSuchen(*s.m, *g, EigenePunkte(*s.m, *g), {}, 15);
  ASSERT_TRUE(a);
  // Own point 1 is tried against every track before own point 2 is; g's own start, which
  // coincides with own point 1, does not count.
  EXPECT_EQ(a->eigen.x, 0);
  EXPECT_EQ(a->kandidat.x, spaet->XEnde());
  // Within one track the start comes first, even when the end is nearer.
  spaet->XAnf = -500;
  frueh->XAnf = 500;
  TGleis* kurz = s.Gleis({6}, -10, 3);
  s.Zeichnen();
  a = AusrichtungSuchen(*s.m, *g, EigenePunkte(*s.m, *g), {}, 15);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->kandidat.x, kurz->XAnf);
  EXPECT_EQ(a->kandidat.y, 3);
}

/// Two tracks that form one element.
class ZweiGleise : public Testelement<ZweiGleise> {
 public:
  ZweiGleise(TGleis* a, TGleis* b) : Testelement(Elementart::Weiche), a_(a), b_(b) {
    for (TGleis* t : {a, b}) {
      t->SetWeichengleis(true);
      t->WeichenNr = 7;
      t->Element = this;
    }
  }
  std::int32_t Nummer() const override { return 7; }
  TGleis* Stammgleis() const override { return a_; }
  TGleis* Zweiggleis() const override { return b_; }
  void VomAnfangBerechnen() override {}
  void Umsetzen(const TUmsetzung&) {}

 private:
  TGleis *a_, *b_;
};

TEST(Ausrichten, OhneEigeneWeicheMitAbstandspunkten) {
  Szene s;
  TGleis* stamm = s.Gleis({100}, 0, 0);
  TGleis* zweig = s.Gleis({100}, 0, 0, 10);
  ZweiGleise weiche(stamm, zweig);
  s.Zeichnen();
  // The branch's end is 17 mm from the main's end, its start coincides: nothing but the own
  // turnout is near.
  EXPECT_FALSE(AusrichtungSuchen(*s.m, *stamm, EigenePunkte(*s.m, *stamm), {}, 30));
  // A shown distance point of the current segment is an own point with the end direction.
  TGleis* nachbar = s.Gleis({50}, 100, 50);
  s.Zeichnen();
  stamm->Boegen[0]->DistEnde = true;
  stamm->Eigen.GlsAbst = 46;
  stamm->BogenWaehlen(0);
  const auto a = AusrichtungSuchen(*s.m, *stamm, EigenePunkte(*s.m, *stamm), {}, 15);
  ASSERT_TRUE(a);
  EXPECT_NEAR(a->eigen.y, 46, 1e-12);
  EXPECT_EQ(a->kandidat.y, nachbar->YAnf);
}

TEST(Maus, BefehlsmodiGeltenEinenKlickLupeBleibt) {
  Szene s;
  TGleis* g = s.Gleis({100}, 100, 300);
  TGleis* c = s.Gleis({100}, 400, 300);
  s.Zeichnen();
  s.m->GleisWaehlen(0);
  s.ed.ModusSetzen(Mausmodus::GruppeVerbinden);
  EXPECT_EQ(s.maus.Cursor(), 2);
  auto r = s.Klick(204, 150);  // on c's start marker
  EXPECT_EQ(s.ed.Modus(), Mausmodus::Normal);
  EXPECT_EQ(r.cursor, CursorNormal);
  EXPECT_EQ(g->Verbund, (std::vector<TGleis*>{g, c}));
  EXPECT_EQ(c->Verbund, (std::vector<TGleis*>{c, g}));
  EXPECT_TRUE(s.a.VerbindungenZeigen);

  s.ed.ModusSetzen(Mausmodus::Loesen);
  s.Klick(204, 150);
  EXPECT_EQ(s.ed.Modus(), Mausmodus::Normal);
  EXPECT_EQ(c->Verbund, (std::vector<TGleis*>{c}));

  s.ed.ModusSetzen(Mausmodus::Lupe);
  r = s.Maus(Mausart::Druecken, 54, 150, false, Maustaste::Rechts);
  EXPECT_EQ(r.lupe, Maustaste::Rechts);
  EXPECT_EQ(s.m->AktGleis, 1);  // no pick in the magnifier
  r = s.Maus(Mausart::Loslassen, 54, 150, false, Maustaste::Rechts);
  EXPECT_FALSE(r.kontextmenue);
  EXPECT_EQ(s.ed.Modus(), Mausmodus::Lupe);
  EXPECT_EQ(r.cursor, 7);

  s.ed.ModusSetzen(Mausmodus::GeoVerformen);
  s.Klick(54, 150);
  EXPECT_EQ(s.ed.Modus(), Mausmodus::GeoVerformen);
  s.ed.ModusSetzen(Mausmodus::Normal);
  EXPECT_TRUE(s.Klick(600, 20, Maustaste::Rechts).kontextmenue);
}

TEST(Maus, AlsNachfolgerAnhaengenUndAblehnen) {
  Szene s;
  TGleis* t = s.Gleis({100}, 100, 300);
  TGleis* u = s.Gleis({100}, 400, 200, 90);
  s.Zeichnen();
  s.m->GleisWaehlen(1);  // u current, then click on t: u goes behind t
  s.ed.ModusSetzen(Mausmodus::AlsNachfolger);
  s.ed.dokument().verlauf().Gespeichert();
  s.Klick(54, 150);
  EXPECT_TRUE(s.ed.dokument().Geaendert());
  EXPECT_EQ(u->Vorgaenger, t);
  EXPECT_DOUBLE_EQ(u->XAnf, 200);
  EXPECT_DOUBLE_EQ(u->YAnf, 300);
  EXPECT_EQ(u->WAnf(), 0);

  // t current, click on u whose predecessor is t: refused, until the mouse moves on.
  s.Zeichnen();
  s.m->GleisWaehlen(0);
  s.ed.ModusSetzen(Mausmodus::AlsNachfolger);
  EXPECT_EQ(s.Maus(Mausart::Druecken, 104, 150).cursor, CursorAbgelehnt);
  EXPECT_EQ(s.Maus(Mausart::Loslassen, 104, 150).cursor, CursorAbgelehnt);
  EXPECT_EQ(s.ed.Modus(), Mausmodus::Normal);
  EXPECT_EQ(s.Maus(Mausart::Bewegen, 110, 150).cursor, CursorNormal);
  EXPECT_TRUE(t->Nachfolger == std::vector<TGleis*>{u});
}

TEST(Maus, NeuesGleisAmKlickpunkt) {
  Szene s(2.5);
  s.Gleis({100}, 100, 300);
  s.Zeichnen();
  s.a.Massstab = 160;
  s.ed.NeuesGleisBeginnen();
  EXPECT_EQ(s.maus.Cursor(), 4711);
  const TPunkt k = s.Welt(300, 100);
  auto r = s.Maus(Mausart::Druecken, 300, 100);
  EXPECT_TRUE(r.geaendert && r.elementfensterVerbergen);
  EXPECT_EQ(r.cursor, CursorNormal);
  s.Maus(Mausart::Loslassen, 300, 100);
  ASSERT_EQ(s.m->Gleise.size(), 2u);
  TGleis* neu = s.m->Gleise[1].get();
  EXPECT_EQ(s.m->AktGleis, 1);
  EXPECT_EQ(neu->XAnf, k.x);
  EXPECT_EQ(neu->YAnf, k.y);
  EXPECT_DOUBLE_EQ(neu->Boegen.at(0)->Laenge(), 17400.0 / 160);
  EXPECT_TRUE(s.a.IDListe.count(std::to_string(neu->Nummer)));
  EXPECT_FALSE(s.ed.NeuesGleisModus());
}

TEST(Maus, ModulwechselBeendetDenZug) {
  Szene s;
  TGleis* g = s.Gleis({100}, 100, 300);
  s.Zeichnen();
  s.Maus(Mausart::Druecken, 54, 150);
  ASSERT_TRUE(s.maus.ZiehtGleis());
  s.ed.NeuesModul();
  s.Maus(Mausart::Bewegen, 90, 120);
  EXPECT_FALSE(s.maus.ZiehtGleis());
  EXPECT_EQ(g->XAnf, 100);
  EXPECT_EQ(s.ed.modul()->Gleise[0]->XAnf, 0);
}

}  // namespace
}  // namespace trm

namespace trm {
namespace {

TEST(Maus, HervorhebungUnterDerMausUndFangmarke) {
  Fangszene s(20);
  s.A->Name = "Strecke";
  // Over A's first segment: named in the status, repainted once, not again on the same spot.
  auto r = s.Maus(Mausart::Bewegen, 70, 150);
  ASSERT_TRUE(s.maus.Ueber());
  EXPECT_EQ(s.maus.Ueber()->gleis, s.A);
  EXPECT_TRUE(r.hervorhebung);
  EXPECT_EQ(*r.unterMaus, "Gleis \"Strecke\", Bogen 1/1 \"Bogen\": gerade, L = 100,000 mm");
  EXPECT_FALSE(s.Maus(Mausart::Bewegen, 71, 150).hervorhebung);
  s.B->Boegen[0]->SetAnfRadius(-300);
  EXPECT_EQ(Mausbedienung::Beschreibung(*s.B, 0), "Gleis \"Gleis\", Bogen 1/1 \"Bogen\": R = 300,000 mm rechts → ∞, L = 100,000 mm");

  // Off every track: the text empties and the line goes.
  r = s.Maus(Mausart::Bewegen, 500, 20);
  EXPECT_TRUE(r.hervorhebung && r.unterMaus->empty() && !s.maus.Ueber());
  // A hovered track that is removed is never handed out again.
  s.Maus(Mausart::Bewegen, 70, 150);
  s.m->Gleise.erase(s.m->Gleise.begin());
  EXPECT_FALSE(s.maus.Ueber());
}

TEST(Maus, HervorhebungZeichnetAchseUndFangring) {
  Fangszene s(20);
  Aufzeichnung c;
  const TAnsicht v(*s.m);
  GleisHervorheben(*s.A, 0, c, v);
  const auto linien = c.Alle(Zeichenbefehl::Art::Polylinie);
  ASSERT_EQ(linien.size(), 1u);
  EXPECT_EQ(linien[0]->stift.breite, 5);
  EXPECT_EQ(linien[0]->punkte.front(), v.Pixel(100, 300));
  EXPECT_EQ(linien[0]->punkte.back(), v.Pixel(200, 300));

  s.Ziehen(54, 150, 10, -50);  // A's end lands near B's start
  ASSERT_TRUE(s.maus.Kandidat());
  Aufzeichnung f;
  FangMarkeZeichnen(*s.maus.Kandidat(), f, v);
  const auto ringe = f.Alle(Zeichenbefehl::Art::Ellipse);
  ASSERT_EQ(ringe.size(), 1u);
  const PixelPunkt b = v.Pixel(226, 404);
  EXPECT_EQ(ringe[0]->punkte.front().x + 9, b.x);
}

}  // namespace
}  // namespace trm
