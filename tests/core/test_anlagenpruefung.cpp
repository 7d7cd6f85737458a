// The layout check on hand-worked layouts: an oval closed and 0,5 mm short, ends almost meeting,
// radius and gradient limits, crossings at three heights, parallel tracks, a track over the
// edge, the rule settings file, and the check after a change that reuses the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Testplan.h"
#include "core/check/Anlagenpruefung.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"

namespace trm {
namespace {

/// An H0 layout: gauge 16,5, outer rail width 18,2, bed 44, spacing 45, sleepers every 7,2 mm,
/// minimum radius 300, on a board of 3000 x 2000.
struct Plan : test::Testplan {
  Plan() {
    a.Werte = {7.2, 3, 16.5, 30, 44, 45, 18.2, 1.0 / 300};
    a.Massstab = 87;
    m->Breite = 3000;
    m->Hoehe = 2000;
  }
  TGleis* Bogen(std::int32_t nr, double r, double l, double x, double y, double w) {
    TGleis* g = Gleis(nr, {}, x, y);
    g->SetWAnf(w);
    auto b = std::make_unique<TBogen>();
    b->SetAnfRadius(r);
    b->SetEndRadius(r);
    b->SetLaenge(l);
    g->BogenAnhaengen(std::move(b));
    g->PunkteBerechnen();
    return g;
  }
  std::vector<TBefund> Pruefen(const TPruefregeln& r = {}) {
    ModulBerechnen(*m);
    return AnlagePruefen(a, r);
  }
};

std::vector<TBefund> Nur(const std::vector<TBefund>& b, Regel r) {
  std::vector<TBefund> v;
  std::copy_if(b.begin(), b.end(), std::back_inserter(v), [r](const TBefund& x) { return x.regel == r; });
  return v;
}

/// An oval of two straights of 1000 mm and two half circles of 400 mm from (500, 500), joined
/// in a ring; the first straight `kuerzer` mm short.
struct Oval : Plan {
  std::vector<TGleis*> ring;
  explicit Oval(double kuerzer = 0) {
    ring.push_back(Gleis(1, {1000 - kuerzer}, 500, 500));
    ring.push_back(Bogen(2, 400, 400 * Pi, 0, 0, 0));
    ring.push_back(Gleis(3, {1000}));
    ring.push_back(Bogen(4, 400, 400 * Pi, 0, 0, 0));
    for (int i = 0; i < 4; ++i) {
      ring[static_cast<std::size_t>(i)]->Nachfolger.push_back(ring[static_cast<std::size_t>((i + 1) % 4)]);
      ring[static_cast<std::size_t>((i + 1) % 4)]->Vorgaenger = ring[static_cast<std::size_t>(i)];
    }
    LageWeitergeben(*m, ring[0]);
  }
};

TEST(Anlagenpruefung, OvalGeschlossenUndZuKurz) {
  Oval o;
  EXPECT_TRUE(o.Pruefen().empty());
  Oval k(0.5);
  const auto b = k.Pruefen();
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].regel, Regel::Luecke);
  EXPECT_TRUE(b[0].Fehler());
  EXPECT_NEAR(b[0].wert, 0.5, 1e-9);
  EXPECT_EQ(b[0].gleise, (std::vector<std::int32_t>{4, 1}));
  EXPECT_NEAR(b[0].x, 499.75, 1e-9);
}

TEST(Anlagenpruefung, EndenNahBeieinander) {
  Plan p;
  p.Gleis(1, {100}, 500, 500);
  p.Gleis(2, {100}, 602, 500);
  const auto b = p.Pruefen();
  ASSERT_EQ(Nur(b, Regel::Luecke).size(), 1u);
  EXPECT_NEAR(Nur(b, Regel::Luecke)[0].wert, 2, 1e-9);
  // The other two ends are open: hints, listed after the error.
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(b[1].regel, Regel::OffenesEnde);
  EXPECT_FALSE(b[1].Fehler());
  // 6 mm apart, or turned by 6°, they are two open ends each.
  Plan q;
  q.Gleis(1, {100}, 500, 500);
  q.Gleis(2, {100}, 606, 500);
  EXPECT_EQ(Nur(q.Pruefen(), Regel::OffenesEnde).size(), 4u);
}

TEST(Anlagenpruefung, RadiusUndSteigung) {
  Plan p;
  TGleis* g = p.Bogen(1, -250, 300, 1000, 1000, 0);
  g->Boegen[0]->SetSteigung(5);
  auto b = p.Pruefen();
  ASSERT_EQ(Nur(b, Regel::Mindestradius).size(), 1u);
  EXPECT_DOUBLE_EQ(Nur(b, Regel::Mindestradius)[0].wert, 250);
  EXPECT_NEAR(Nur(b, Regel::Mindestradius)[0].grenze, 300, 1e-9);
  ASSERT_EQ(Nur(b, Regel::Steigung).size(), 1u);
  EXPECT_DOUBLE_EQ(Nur(b, Regel::Steigung)[0].wert, 5);
  EXPECT_DOUBLE_EQ(Nur(b, Regel::Steigung)[0].grenze, 3);
  // A transition from 400 to 250 is below at its end; 300 itself and 3 % pass.
  g->Boegen[0]->SetAnfRadius(400);
  EXPECT_EQ(Nur(p.Pruefen(), Regel::Mindestradius).size(), 1u);
  g->Boegen[0]->SetAnfRadius(300);
  g->Boegen[0]->SetEndRadius(300);
  g->Boegen[0]->SetSteigung(3);
  b = p.Pruefen();
  EXPECT_TRUE(Nur(b, Regel::Mindestradius).empty());
  EXPECT_TRUE(Nur(b, Regel::Steigung).empty());
  // Rules switched off find nothing.
  g->Boegen[0]->SetSteigung(5);
  TPruefregeln aus;
  aus.Setzen(Regel::Steigung, false);
  EXPECT_TRUE(Nur(p.Pruefen(aus), Regel::Steigung).empty());
}

TEST(Anlagenpruefung, KreuzungInDreiHoehen) {
  // 6525 mm at 1:87 is 75 mm.
  for (const double dz : {0.0, 40.0, 100.0}) {
    SCOPED_TRACE(dz);
    Plan p;
    p.Gleis(1, {1000}, 500, 1000);
    TGleis* b = p.Gleis(2, {1000}, 1000, 500);
    b->SetWAnf(Pi / 2);
    b->ZAnfWert = dz;
    const auto f = p.Pruefen();
    const auto ueber = Nur(f, Regel::Ueberschneidung), hoehe = Nur(f, Regel::Durchfahrtshoehe);
    EXPECT_EQ(ueber.size(), dz == 0 ? 1u : 0u);
    EXPECT_EQ(hoehe.size(), dz == 40 ? 1u : 0u);
    if (dz == 0) {
      EXPECT_NEAR(ueber[0].x, 1000, 1e-9);
      EXPECT_NEAR(ueber[0].y, 1000, 1e-9);
    }
    if (dz == 40) {
      EXPECT_NEAR(hoehe[0].wert, 40, 1e-9);
      EXPECT_NEAR(hoehe[0].grenze, 75, 1e-9);
    }
    EXPECT_EQ(f.size(), 4u + (dz == 100 ? 0 : 1));  // and four open ends
  }
}

TEST(Anlagenpruefung, ParalleleGleise) {
  for (const double abstand : {30.0, 50.0}) {
    Plan p;
    p.Gleis(1, {500}, 500, 1000);
    p.Gleis(2, {300}, 600, 1000 + abstand);
    const auto f = Nur(p.Pruefen(), Regel::Gleisabstand);
    ASSERT_EQ(f.size(), abstand == 30 ? 1u : 0u);
    if (abstand == 30) {
      EXPECT_NEAR(f[0].wert, 30, 1e-9);
      EXPECT_DOUBLE_EQ(f[0].grenze, 45);
    }
  }
  // Side by side for less than 100 mm counts not.
  Plan p;
  p.Gleis(1, {500}, 500, 1000);
  p.Gleis(2, {80}, 600, 1030);
  EXPECT_TRUE(Nur(p.Pruefen(), Regel::Gleisabstand).empty());
}

TEST(Anlagenpruefung, GleisUeberDenRand) {
  Plan p;
  p.Gleis(1, {300}, 2800, 1000);
  const auto f = Nur(p.Pruefen(), Regel::AusserhalbPlatte);
  ASSERT_EQ(f.size(), 1u);
  EXPECT_NEAR(f[0].wert, 100, 1e-9);
  EXPECT_NEAR(f[0].x, 3100, 1e-9);
  // Tracks far beyond any plan (typed values far too large) are named, not compared: the check
  // stays as cheap as a plan's.
  Plan q;
  for (int i = 0; i < 40; ++i) q.Gleis(i + 1, {5e5}, 8e12, 300);
  EXPECT_EQ(Nur(q.Pruefen(), Regel::AusserhalbPlatte).size(), 40u);
}

TEST(Anlagenpruefung, NachEinerAenderungNurDasNoetige) {
  // The check with memory gives what a whole check gives, and checks only the changed track.
  Plan p;
  for (int i = 0; i < 20; ++i) p.Gleis(i + 1, {400}, 100, 100 + 60.0 * i);
  TGleis* quer = p.Gleis(99, {1500}, 300, 50);
  quer->SetWAnf(Pi / 2);
  ModulBerechnen(*p.m);
  TAnlagenpruefung pruefung;
  const TPruefregeln r;
  EXPECT_EQ(pruefung.Pruefen(p.a, r).size(), AnlagePruefen(p.a, r).size());
  EXPECT_EQ(pruefung.ZuletztGeprueft(), 21u);
  quer->XAnf = 2000;  // away from the others
  ModulBerechnen(*p.m);
  const auto danach = pruefung.Pruefen(p.a, r);
  EXPECT_EQ(pruefung.ZuletztGeprueft(), 1u);
  const auto ganz = AnlagePruefen(p.a, r);
  ASSERT_EQ(danach.size(), ganz.size());
  for (std::size_t i = 0; i < ganz.size(); ++i) EXPECT_EQ(danach[i].text, ganz[i].text);
  EXPECT_TRUE(Nur(danach, Regel::Ueberschneidung).empty());
}

TEST(Anlagenpruefung, Regeldatei) {
  TPruefregeln r;
  r.MaxSteigung = 2.5;
  r.Setzen(Regel::OffenesEnde, false);
  const Zeilen z = PruefregelnSchreiben(r);
  EXPECT_EQ(z[1], "Steigung#2,5");
  EXPECT_EQ(PruefregelnLesen(z), r);
  EXPECT_EQ(PruefregelnLesen({"Prüfregeln 1"}), TPruefregeln{});  // missing lines keep the defaults
  EXPECT_THROW(PruefregelnLesen({"Prüfregeln 1", "Steigung#x"}), LeseFehler);
  EXPECT_THROW(PruefregelnLesen({"Prüfregeln 1", "Durchfahrtshöhe#-5"}), LeseFehler);
  EXPECT_THROW(PruefregelnLesen({"Prüfregeln 1", "Regel#gap#2"}), LeseFehler);
  EXPECT_THROW(PruefregelnLesen({"TRMAnlage"}), LeseFehler);
}

}  // namespace
}  // namespace trm
