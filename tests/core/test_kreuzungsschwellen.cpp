// Sleeper plans of crossings and slips, worked by hand: the common sleepers of a straight
// crossing and of a straight single slip (count, positions, lengths, the slip's extensions),
// the single sleepers of the crossing, the outline rule, drawing, and values that leave no room.
#include <gtest/gtest.h>

#include <cmath>

#include "Testplan.h"
#include "core/crossings/EKW.h"
#include "core/model/Typliste.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/crossings/Kreuzung.h"
#include "core/model/Neuberechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Farben.h"
#include "core/render/ModulZeichnen.h"

namespace trm {
namespace {

// tan(alpha/2) = 0.1, so c = cos(alpha/2) = 1/sqrt(1.01) and a sleeper at p along the bisector
// lies across both tracks over 2 tan(alpha/2) p = 0.2 p.
const double kHalb = std::atan(0.1);
const double kC = 1 / std::sqrt(1.01);

/// Plan values: sleepers 30 long, 3 wide, 10 apart; the largest sleeper length `max`.
template <class Art>
Art* Bauen(test::Testplan& p, Art& typ, double max) {
  typ.KrSpur = 16.5;
  typ.KrSpurAussen = 18.5;
  typ.KrSwLen = 30;
  typ.KrSwBrt = 3;
  typ.KrSwAbst = 10;
  typ.SwLenMax = max;
  typ.MitSwPlan = true;
  Zeilen satz;
  typ.TypSchreiben(satz);
  std::size_t i = 0;
  auto* k = static_cast<Art*>(KrElementLesen(*p.m, std::make_unique<Art>(), satz, i, 0));
  ModulBerechnen(*p.m);
  return k;
}

TPaar Mitte(const std::array<TPaar, 4>& u) {
  return {(u[0].x + u[1].x + u[2].x + u[3].x) / 4, (u[0].y + u[1].y + u[2].y + u[3].y) / 4};
}
double Laenge(const std::array<TPaar, 4>& u) { return std::hypot(u[0].x - u[3].x, u[0].y - u[3].y); }
double Breite(const std::array<TPaar, 4>& u) { return std::hypot(u[0].x - u[1].x, u[0].y - u[1].y); }

TEST(Kreuzungsschwellen, GeradeKreuzungVonHandGerechnet) {
  // L = 200 / c: the reference line of each side is M = c L/2 = 100 long, n = 10 spacings of
  // 10, sleeper i at p = 10 i with length 30 + 0.2 p = 30 + 2 i. The largest length 39: sleeper
  // 5 (40) is the first that is too long and the last laid.
  test::Testplan p;
  TKreuzung typ;
  typ.Winkel = 2 * kHalb;
  typ.Laenge = 200 / kC;
  TKreuzung* k = Bauen(p, typ, 39);
  const double zx = k->Laenge / 2;  // centre: the main track starts at (0, 0) towards +x
  ASSERT_EQ(k->SwUmrisseB.size(), 16u);  // 6 common, 5 under each track
  ASSERT_EQ(k->SwUmrisseA.size(), 16u);
  for (int seite : {0, 1}) {
    const TSchwellenARR& u = seite == 0 ? k->SwUmrisseB : k->SwUmrisseA;
    // Side B along -alpha/2 from the centre, side A along pi - alpha/2.
    const double h = seite == 0 ? -kHalb : Pi - kHalb;
    for (int i = 0; i <= 5; ++i) {
      SCOPED_TRACE(std::to_string(seite) + "/" + std::to_string(i));
      const TPaar m = Mitte(u[static_cast<std::size_t>(i)]);
      EXPECT_NEAR(m.x, zx + 10 * i * std::cos(h), 1e-9);
      EXPECT_NEAR(m.y, 10 * i * std::sin(h), 1e-9);
      EXPECT_NEAR(Laenge(u[static_cast<std::size_t>(i)]), 30 + 2 * i, 1e-9);
      EXPECT_NEAR(Breite(u[static_cast<std::size_t>(i)]), 3, 1e-12);
    }
  }
  // The single sleepers of main track B, from its end inwards 10/c apart, up to 5 of them
  // (round((L/2 - 50/c) / 10)); the innermost two shortened to 0.85 and 0.88 of 30.
  const double schritt = 10 / kC;
  const double laengen[] = {30, 30, 30, 26.4, 25.5};
  for (int j = 0; j < 5; ++j) {
    const auto& s = k->SwUmrisseB[static_cast<std::size_t>(6 + j)];
    EXPECT_NEAR(Mitte(s).x, k->Laenge - j * schritt, 1e-9) << j;
    EXPECT_NEAR(Mitte(s).y, 0, 1e-9);
    EXPECT_NEAR(Laenge(s), laengen[j], 1e-9) << j;
  }
}

TEST(Kreuzungsschwellen, EinfacheKreuzungsweicheVonHandGerechnet) {
  // Straight base form of slip radius a = 800: L = 2 a tan(alpha/2) = 160, blades inside. The
  // reference line is c 80 = 79.602975 long: n = 8, spacing 9.950372. The slip curve widens the
  // sleepers towards it by E1 = a/c - a - 0.1 p + p tan(asin(p/a)/2); a single slip counts E1
  // once against the largest length 38: sleeper 4 (37.960298 + 1.000613) is the last laid.
  const double p[] = {0, 9.950372, 19.900744, 29.851116, 39.801488};
  const double B[] = {30, 31.990074, 33.980149, 35.970223, 37.960298};
  const double E1[] = {3.990050, 3.056896, 2.247538, 1.562063, 1.000613};
  test::Testplan plan;
  TEKW typ;
  typ.KrSpur = 16.5;
  typ.ZwAnschluss = 1;
  typ.Grundform(2 * kHalb, 800);
  ASSERT_TRUE(typ.Innen());
  TEKW* e = Bauen(plan, typ, 38);
  EXPECT_NEAR(e->Laenge, 160, 1e-9);
  const double zx = 80;
  for (int seite : {0, 1}) {
    const TSchwellenARR& u = seite == 0 ? e->SwUmrisseB : e->SwUmrisseA;
    ASSERT_GT(u.size(), 5u);
    const double h = seite == 0 ? -kHalb : Pi - kHalb;
    // t = 1, Richtung 0: the branch lies to the left of side B's direction, to the right of A's.
    const double nx = -std::sin(h), ny = std::cos(h);
    for (std::size_t i = 0; i < 5; ++i) {
      SCOPED_TRACE(std::to_string(seite) + "/" + std::to_string(i));
      const double cx = zx + p[i] * std::cos(h), cy = p[i] * std::sin(h);
      const double links = seite == 0 ? B[i] / 2 + E1[i] : B[i] / 2;
      const double rechts = seite == 0 ? B[i] / 2 : B[i] / 2 + E1[i];
      // P0 front left, P3 front right (front: along h by half the width).
      EXPECT_NEAR(u[i][0].x, cx + 1.5 * std::cos(h) + links * nx, 1e-5);
      EXPECT_NEAR(u[i][0].y, cy + 1.5 * std::sin(h) + links * ny, 1e-5);
      EXPECT_NEAR(u[i][3].x, cx + 1.5 * std::cos(h) - rechts * nx, 1e-5);
      EXPECT_NEAR(u[i][3].y, cy + 1.5 * std::sin(h) - rechts * ny, 1e-5);
    }
    // The sixth outline is no common sleeper: it lies away from the bisector, beyond p[4].
    const TPaar m = Mitte(u[5]);
    EXPECT_GT(std::hypot(m.x - zx, m.y), p[4] + 1);
  }
}

TEST(Kreuzungsschwellen, InnenliegendeZungenUnterbrechenDieEinzelschwellenNicht) {
  // The shipped single slip 15° (blades inside, branch at the crossing track) with outer pairs
  // of 50 mm and a largest length of 40: the single sleepers of main track B run on from its
  // outer segment over the middle one into the inner one; the remainders keep the value they
  // had, and the blade-region sleepers (the last two outlines of side 0, at 90 %) follow.
  const TListenart& art = ListeEKW;
  Zeilen satz =
      TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/" + art.standardName, art.satzlaenge, art.kopfzeilen).Satz(1);
  for (std::size_t k : {3u, 4u, 11u, 12u, 13u, 14u}) satz[k] = "50";
  satz[35] = "40";
  test::Testplan plan;
  std::size_t i = 0;
  auto* e = static_cast<TEKW*>(KrElementLesen(*plan.m, std::make_unique<TEKW>(), satz, i, 0));
  ASSERT_TRUE(e->Innen());
  e->RestStB = 3;
  ModulBerechnen(*plan.m);
  EXPECT_EQ(e->RestStB, 3);
  const TBogen& innen = *e->StInnenB();
  const double mx = innen.XAnf(), my = innen.YAnf();  // the crossing centre
  int aufInnen = 0;
  for (const auto& u : e->SwUmrisseB) {
    const TPaar m = Mitte(u);
    if (std::fabs(Laenge(u) - 30) < 1e-9 && std::hypot(m.x - mx, m.y - my) < innen.Laenge()) ++aufInnen;
  }
  EXPECT_GT(aufInnen, 0);
  const auto& u = e->SwUmrisseB;
  ASSERT_GT(u.size(), 2u);
  for (std::size_t k = u.size() - 2; k < u.size(); ++k) EXPECT_GE(Laenge(u[k]), 0.9 * 30 - 1e-9);
  EXPECT_LT(Laenge(u[u.size() - 1]), 30);
}

TEST(Kreuzungsschwellen, UmrissUndHilfsformeln) {
  // k = 1 with a swapped device (v = 1) puts E2 on the left instead of E1.
  auto u = KrSwUmriss(0, 0, 0, 10, 2, 3, 4, 1, 1);
  EXPECT_NEAR(u[0].y, 5 + 4, 1e-12);
  EXPECT_NEAR(u[3].y, -5, 1e-12);
  EXPECT_NEAR(u[0].x, 1, 1e-12);
  // Without E2 the swap keeps E1 as well.
  u = KrSwUmriss(0, 0, 0, 10, 2, 3, 0, 3, 3);
  EXPECT_NEAR(u[0].y, 8, 1e-12);
  EXPECT_NEAR(u[2].y, -8, 1e-12);
  // A quarter circle of radius 10: the chord ends at (10, 10), heading up.
  const TLinienpunkt s = Sehnenpunkt(0, 0, 0, 10, 10 * Pi / 2);
  EXPECT_NEAR(s.x, 10, 1e-12);
  EXPECT_NEAR(s.y, 10, 1e-12);
  EXPECT_NEAR(s.w, Pi / 2, 1e-12);
  EXPECT_NEAR(Sehnenpunkt(1, 2, Pi, Unendlich, 3).x, -2, 1e-12);
  EXPECT_DOUBLE_EQ(MittlererRadius(300, 600), 400);
  EXPECT_DOUBLE_EQ(MittlererRadius(300, Unendlich), 600);
  EXPECT_EQ(MittlererRadius(300, -300), 0);
  EXPECT_NEAR(KrSwVersatz(10, 0, 100), 100 * std::tan(0.1) * std::tan(0.05), 1e-12);
  EXPECT_EQ(KrSwVersatz(10, Unendlich, 0), 0);
}

TEST(Kreuzungsschwellen, ZeichnenNurMitPlanUndRotWennMarkiert) {
  test::Testplan p;
  TKreuzung typ;
  typ.Winkel = 2 * kHalb;
  typ.Laenge = 200;
  typ.Farbe = 0x00FF00;
  TKreuzung* k = Bauen(p, typ, 0);
  p.m->Breite = 400;
  p.m->Hoehe = 300;
  p.m->MmProPixel = 0.5;
  for (const auto& g : p.m->Gleise) g->Markiert = false;
  auto umrisse = [&](std::int32_t farbe) {
    Aufzeichnung c(4000, 4000);
    ModulMalen(p.a, *p.m, c, TAnsicht(*p.m));
    std::size_t n = 0;
    for (const Zeichenbefehl* z : c.Alle(Zeichenbefehl::Art::Polygon)) n += z->stift.farbe == farbe && z->punkte.size() == 4;
    return n;
  };
  const std::size_t alle = k->SwUmrisseA.size() + k->SwUmrisseB.size();
  EXPECT_GT(alle, 20u);
  EXPECT_EQ(umrisse(0x00FF00), alle);
  k->Stammgleis()->Markiert = true;
  EXPECT_EQ(umrisse(farbe::Rot), alle);
  EXPECT_EQ(umrisse(0x00FF00), 0u);
  // Without the plan the element lays no sleepers, and its tracks none of their own.
  k->Stammgleis()->Markiert = false;
  k->MitSwPlan = false;
  ModulBerechnen(*p.m);
  EXPECT_TRUE(k->SwUmrisseA.empty());
  EXPECT_EQ(umrisse(0x00FF00), 0u);
}

TEST(Kreuzungsschwellen, WerteOhnePlatzGebenKeineOderBegrenzteSchwellen) {
  test::Testplan p;
  TKreuzung typ;
  typ.Winkel = 2 * kHalb;
  typ.Laenge = 200;
  TKreuzung* k = Bauen(p, typ, 0);
  k->KrSwAbst = 0;
  ModulBerechnen(*p.m);
  EXPECT_TRUE(k->SwUmrisseA.empty());
  EXPECT_TRUE(k->SwUmrisseB.empty());
  // A spacing of a billionth of a millimetre: the counts are bounded, not billions.
  k->KrSwAbst = 1e-9;
  k->SwLenMax = 1e300;
  ModulBerechnen(*p.m);
  EXPECT_LE(k->SwUmrisseB.size(), 30001u);
  // An end distance beyond the whole side and double sleepers beyond the spacing list.
  k->KrSwAbst = 10;
  k->BP2Endabst = 1000;
  k->DSwIndizes = {-4, 3, 1'000'000};
  ModulBerechnen(*p.m);
  EXPECT_EQ(k->SwUmrisseB.size(), 1u);  // sleeper 0 at the centre, nothing else
  EXPECT_FALSE(k->SwUmrisseA.empty());
}

}  // namespace
}  // namespace trm
