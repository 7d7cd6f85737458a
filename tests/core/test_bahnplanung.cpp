// Planning tracks between two ends and parallel to a track: exact ends, radii, refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Testplan.h"
#include "core/editor/Endenverbindung.h"
#include "core/editor/Parallelbahn.h"
#include "core/editor/Uebergangsverbindung.h"
#include "core/model/Bogen.h"
#include "core/model/Gleis.h"

namespace trm {
namespace {

using test::Testplan;

/// Joins a to b and checks the end (1e-6 mm, 1e-6°) and that no radius is below rMin.
TBahn Verbinden(TModul& m, TLage a, TLage b, double rMin) {
  std::string grund;
  const auto p = EndenVerbinden(a, b, rMin, m, grund);
  EXPECT_TRUE(p) << grund;
  if (!p) return {};
  const TLage e = BahnEnde(*p, m);
  EXPECT_LT(Abstand(e.x, e.y, b.x, b.y), 1e-6);
  EXPECT_LT(std::fabs(KleinsteDrehung(e.w - b.w)) * 180 / Pi, 1e-6);
  for (const TStueck& s : p->stuecke) {
    EXPECT_GE(s.laenge, 1e-9);
    EXPECT_GE(std::fabs(s.anfRadius), rMin);
    EXPECT_EQ(s.anfRadius, s.endRadius);
  }
  return *p;
}

bool IstGerade(const TStueck& s) { return std::isinf(s.anfRadius) && std::isinf(s.endRadius); }

TEST(Bahnplanung, GeradeEinBogenUndEcke) {
  Testplan t;
  // b ahead on a's line: one straight.
  const double w = 0.3;
  TBahn p = Verbinden(*t.m, {10, 20, w}, {10 + 500 * std::cos(w), 20 + 500 * std::sin(w), w}, 300);
  ASSERT_EQ(p.stuecke.size(), 1u);
  EXPECT_TRUE(IstGerade(p.stuecke[0]));
  EXPECT_NEAR(p.stuecke[0].laenge, 500, 1e-9);
  // One arc of 600 mm through 60°, and one through 270°.
  p = Verbinden(*t.m, {0, 0, 0}, {600 * std::sin(Pi / 3), 300, Pi / 3}, 300);
  ASSERT_EQ(p.stuecke.size(), 1u);
  EXPECT_NEAR(p.stuecke[0].anfRadius, 600, 1e-9);
  EXPECT_NEAR(p.stuecke[0].laenge, 200 * Pi, 1e-9);
  p = Verbinden(*t.m, {0, 0, 0}, {-600, 600, 1.5 * Pi}, 300);
  ASSERT_EQ(p.stuecke.size(), 1u);
  EXPECT_NEAR(p.stuecke[0].laenge, 900 * Pi, 1e-9);
  // Lines meeting at (1000, 0): straight 600 then a quarter of 400 mm, and the other way round.
  p = Verbinden(*t.m, {0, 0, 0}, {1000, 400, Pi / 2}, 300);
  ASSERT_EQ(p.stuecke.size(), 2u);
  EXPECT_TRUE(IstGerade(p.stuecke[0]));
  EXPECT_NEAR(p.stuecke[0].laenge, 600, 1e-9);
  EXPECT_NEAR(p.stuecke[1].anfRadius, 400, 1e-9);
  EXPECT_NEAR(p.stuecke[1].laenge, 200 * Pi, 1e-9);
  p = Verbinden(*t.m, {0, 0, 0}, {400, -1000, -Pi / 2}, 300);
  ASSERT_EQ(p.stuecke.size(), 2u);
  EXPECT_NEAR(p.stuecke[0].anfRadius, -400, 1e-9);
  EXPECT_TRUE(IstGerade(p.stuecke[1]));
  // A corner too tight for the minimum takes arcs and a straight instead.
  p = Verbinden(*t.m, {0, 0, 0}, {1000, 100, Pi / 2}, 300);
  EXPECT_EQ(p.stuecke.size(), 3u);
}

TEST(Bahnplanung, BogenGeradeBogen) {
  Testplan t;
  // Shifting sideways by 100 mm over 1000 mm: left then right (or mirrored), the radius
  // enlarged until the straight vanishes: R = (1000² + 100²) / (4·100) = 2525.
  for (const int s : {1, -1}) {
    const TBahn p = Verbinden(*t.m, {0, 0, 0}, {1000, s * 100.0, 0}, 300);
    ASSERT_EQ(p.stuecke.size(), 2u);
    EXPECT_NEAR(p.stuecke[0].anfRadius, s * 2525.0, 1e-6);
    EXPECT_NEAR(p.stuecke[1].anfRadius, -s * 2525.0, 1e-6);
  }
  // Three quarters round to the left (right), the arcs at the minimum, a straight between.
  for (const int s : {1, -1}) {
    const TBahn p = Verbinden(*t.m, {0, 0, 0}, {-100, s * 1000.0, s * 1.5 * Pi}, 300);
    ASSERT_EQ(p.stuecke.size(), 3u);
    EXPECT_EQ(p.stuecke[0].anfRadius, s * 300.0);
    EXPECT_TRUE(IstGerade(p.stuecke[1]));
    EXPECT_EQ(p.stuecke[2].anfRadius, s * 300.0);
  }
  // An end close behind and turned: only a loop right then left fits.
  const TBahn p = Verbinden(*t.m, {0, 0, 0}, {-200, 600, 0.75 * Pi}, 300);
  ASSERT_EQ(p.stuecke.size(), 3u);
  EXPECT_EQ(p.stuecke[0].anfRadius, -300);
  EXPECT_EQ(p.stuecke[2].anfRadius, 300);
}

TEST(Bahnplanung, KehreSchliesstDasOval) {
  Testplan t;
  // Opposite ends 800 mm apart: a half circle of 400 mm, after a straight where they are offset.
  TBahn p = Verbinden(*t.m, {0, 0, 0}, {0, 800, Pi}, 300);
  ASSERT_EQ(p.stuecke.size(), 1u);
  EXPECT_NEAR(p.stuecke[0].anfRadius, 400, 1e-9);
  p = Verbinden(*t.m, {0, 0, 0}, {200, 800, Pi}, 300);
  ASSERT_EQ(p.stuecke.size(), 2u);
  EXPECT_TRUE(IstGerade(p.stuecke[0]));
  EXPECT_NEAR(p.stuecke[0].laenge, 200, 1e-6);
  EXPECT_NEAR(p.stuecke[1].anfRadius, 400, 1e-6);
  p = Verbinden(*t.m, {0, 0, 0}, {200, -800, Pi}, 300);
  EXPECT_NEAR(p.stuecke.back().anfRadius, -400, 1e-6);
  // The far end of a straight joined back to its start: the loop keeps the minimum radius
  // instead of growing round an ever larger way.
  p = Verbinden(*t.m, {800, 0, 0}, {0, 0, 0}, 400);
  ASSERT_EQ(p.stuecke.size(), 3u);
  EXPECT_EQ(std::fabs(p.stuecke[0].anfRadius), 400);
  EXPECT_NEAR(p.stuecke[1].laenge, 800, 1e-6);
}

TEST(Bahnplanung, MitUebergangsboegenNachgepasst) {
  Testplan t;
  // A half circle (its radius shrinks by the transitions' shift), an S whose second arc is
  // shorter than a transition (it widens), and a three-quarter turn: with 100 mm transitions
  // at every arc each still ends exactly. A half circle already at the minimum cannot shrink.
  const std::pair<TLage, TLage> faelle[] = {{{0, 0, 0}, {0, 800, Pi}},
                                            {{468.9, 1276, Pi}, {800, 500, 0}},
                                            {{0, 0, 0}, {-100, 1000, 1.5 * Pi}}};
  for (const auto& [a, b] : faelle) {
    SCOPED_TRACE(b.x);
    const TBahn p = Verbinden(*t.m, a, b, 300);
    const auto q = MitUebergaengen(p, 100, b, 300, *t.m);
    ASSERT_TRUE(q);
    const TLage e = BahnEnde(*q, *t.m);
    EXPECT_LT(Abstand(e.x, e.y, b.x, b.y), 1e-6);
    EXPECT_LT(std::fabs(KleinsteDrehung(e.w - b.w)) * 180 / Pi, 1e-6);
    int uebergaenge = 0;
    for (const TStueck& s : q->stuecke) {
      EXPECT_GE(std::fabs(s.anfRadius), 300);
      if (s.anfRadius != s.endRadius) {
        ++uebergaenge;
        EXPECT_EQ(s.laenge, 100);
      }
    }
    EXPECT_GE(uebergaenge, 2);
  }
  EXPECT_FALSE(MitUebergaengen(Verbinden(*t.m, {0, 0, 0}, {0, 800, Pi}, 400), 100, {0, 800, Pi}, 400, *t.m));
}

TEST(Bahnplanung, Verweigert) {
  Testplan t;
  std::string grund;
  EXPECT_FALSE(EndenVerbinden({5, 5, 0}, {5.0005, 5, 1}, 300, *t.m, grund));
  EXPECT_EQ(grund, "Die beiden Gleisenden liegen aufeinander.");
  // Where one arc of 600 mm fits, a minimum of 700 mm leaves only loops beyond a whole circle;
  // so does an end 10 mm ahead facing back.
  EXPECT_FALSE(EndenVerbinden({0, 0, 0}, {600 * std::sin(Pi / 3), 300, Pi / 3}, 700, *t.m, grund));
  EXPECT_EQ(grund, "Zwischen diesen Gleisenden lässt sich kein Gleis mit dem Mindestradius von 700,000 mm legen.");
  EXPECT_FALSE(EndenVerbinden({0, 0, 0}, {10, 0, Pi}, 300, *t.m, grund));
  EXPECT_EQ(grund, "Zwischen diesen Gleisenden lässt sich kein Gleis mit dem Mindestradius von 300,000 mm legen.");
  EXPECT_FALSE(EndenVerbinden({0, 0, 0}, {NAN, 0, 0}, 300, *t.m, grund));
}

/// An oval: straight 500, half circle of 400 mm left, straight 500, half circle; points computed.
TGleis& Oval(Testplan& t) {
  auto g = std::make_unique<TGleis>(t.m);
  BahnInGleis({{0, 0, 0}, {{500, Unendlich, Unendlich}, {400 * Pi, 400, 400}, {500, Unendlich, Unendlich}, {400 * Pi, 400, 400}}}, *g);
  t.m->Gleise.push_back(std::move(g));
  return *t.m->Gleise.back();
}

TEST(Bahnplanung, ParallelZumOvalHaeltDenAbstand) {
  Testplan t;
  const TGleis& g = Oval(t);
  for (const double abstand : {45.0, -45.0}) {
    std::string grund;
    const auto p = ParallelBahn(g, abstand, grund);
    ASSERT_TRUE(p) << grund;
    EXPECT_EQ(p->anfang.y, abstand);
    TGleis q(t.m);
    BahnInGleis(*p, q);
    ASSERT_EQ(q.Boegen.size(), 4u);
    EXPECT_EQ(q.Boegen[0]->Laenge(), 500);
    EXPECT_NEAR(q.Boegen[1]->Laenge(), (400 - abstand) * Pi, 1e-9);
    // Straights on y = abstand and y = 800 - abstand, arcs round (500, 400) and (0, 400).
    const double mitteX[] = {0, 500, 0, 0};
    for (std::size_t i = 0; i < 4; ++i)
      for (const TSpurpunkt& s : q.Boegen[i]->Spurpunkte) {
        const double d = i % 2 == 1 ? Abstand(s.x, s.y, mitteX[i], 400) : i == 0 ? s.y : 800 - s.y;
        EXPECT_NEAR(d, i % 2 == 1 ? 400 - abstand : abstand, 1e-9) << i;
      }
    EXPECT_NEAR(Abstand(q.XEnde(), q.YEnde(), p->anfang.x, p->anfang.y), 0, 1e-9);
  }
}

TEST(Bahnplanung, ParallelUebergangsbogenUndZuEng) {
  Testplan t;
  TGleis g(t.m);
  // Straight into 400 mm over a 200 mm transition: it turns 0,25 rad; at 45 mm inside the
  // transition to 355 mm keeps that turn over 177,5 mm.
  BahnInGleis({{0, 0, 0}, {{200, Unendlich, 400}, {100, 400, 400}}}, g);
  std::string grund;
  auto p = ParallelBahn(g, 45, grund);
  ASSERT_TRUE(p);
  EXPECT_TRUE(std::isinf(p->stuecke[0].anfRadius));
  EXPECT_EQ(p->stuecke[0].endRadius, 355);
  EXPECT_NEAR(p->stuecke[0].laenge, 177.5, 1e-9);
  TGleis q(t.m);
  BahnInGleis(*p, q);
  EXPECT_NEAR(KleinsteDrehung(q.WEnde() - g.WEnde()), 0, 1e-12);
  // Outside the transition grows: to 445 mm over 222,5 mm.
  p = ParallelBahn(g, -45, grund);
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->stuecke[0].laenge, 222.5, 1e-9);

  BahnInGleis({{0, 0, 0}, {{100, 40, 40}}}, g);
  EXPECT_TRUE(ParallelBahn(g, -45, grund));
  EXPECT_FALSE(ParallelBahn(g, 45, grund));
  EXPECT_EQ(grund, "Ein Bogen des Gleises ist mit dem Radius von 40,000 mm zu eng für ein Parallelgleis im Abstand von 45,000 mm.");
  EXPECT_FALSE(ParallelBahn(g, 40, grund));
}

TEST(Bahnplanung, ParallelSeite) {
  Testplan t;
  const TGleis& g = Oval(t);
  EXPECT_EQ(ParallelSeite(g, 250, 100), 1);
  EXPECT_EQ(ParallelSeite(g, 250, -100), -1);
  EXPECT_EQ(ParallelSeite(g, 600, 400), 1);
  EXPECT_EQ(ParallelSeite(g, 1000, 450), -1);
  EXPECT_EQ(ParallelSeite(g, 250, 850), -1);
  EXPECT_EQ(ParallelSeite(g, 250, 700), 1);
}

}  // namespace
}  // namespace trm
