// Turnout sleepers: the automatic plan of the R 500 / 1:9 basic form worked by hand, common,
// shortened and normal single sleepers, perpendicular and fan-shaped sleepers, double sleepers,
// values that must neither hang nor give garbage, the checks of a record, and the drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "Testplan.h"
#include "Weichensatz.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"
#include "core/turnouts/WeichenSchwellen.h"

namespace trm {
namespace {

using test::Mit;
const double kAlpha = test::kAlpha19;
const double kT = test::kT500;

Zeilen Satz() { return test::WeichensatzR500(); }

struct Plan : test::Testplan {
  TEWeiche* Weiche(const Zeilen& z = Satz()) {
    std::size_t i = 0;
    return WeicheHinzufuegen(*m, TEWeiche::AusSatz(*m, z, i, 4242));
  }
};

double Laenge(const TSchwellenumriss& u) { return std::hypot(u[2].x - u[1].x, u[2].y - u[1].y); }

bool Endlich(const TEWeiche& w) {
  for (const auto& u : w.SwPolygone)
    for (const TPaar& p : u)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  return true;
}

TEST(WeichenSchwellen, DezimeterRundung) {
  // A common sleeper of L = 30 over d = 2 at 1:87: floor(0,975·32·0,87) = 27 decimetres.
  EXPECT_DOUBLE_EQ(DmAbrunden(0.975 * 32, 87), 27 * 100.0 / 87);
  EXPECT_DOUBLE_EQ(DmRunden(30, 87), 26 * 100.0 / 87);             // 26,1
  EXPECT_DOUBLE_EQ(DmRunden(2.5 * 100 / 87, 87), 2 * 100.0 / 87);  // halves to even
  EXPECT_DOUBLE_EQ(DmAbrunden(12.5, 0), 12.5);                     // no scale: no rounding
}

TEST(WeichenSchwellen, AutomatischerPlanDerGrundform) {
  Plan p;
  const TEWeiche* w = p.Weiche();
  // Pair 1: 2T / 7,5 = 7,38 gives 7 spacings of 2T/7 after the sleeper at the start.
  ASSERT_EQ(w->SwAbst1.size(), 8u);
  EXPECT_EQ(w->SwAbst1[0], (TPaar{0, 0}));
  EXPECT_NEAR(w->SwAbst1[1].x, 2 * kT / 7, 1e-12);
  // Fan-shaped: the branch sleeper lies 2R·atan(x/2R) along the arc for x along the main.
  EXPECT_NEAR(w->SwAbst1[1].y, 1000 * std::atan(2 * kT / 7 / 1000), 1e-12);
  double zweig = 0;
  for (const TPaar& e : w->SwAbst1) zweig += e.y;
  EXPECT_NEAR(zweig, 500 * kAlpha, 1e-9);  // the last one on the branch's end: 2R·atan(T/R)
  // Pair 2: 12,5 mm after its start distance, 2 spacings of 6,25.
  EXPECT_EQ(w->SwAbst2, (TSwAbstARR{{7.5, 7.5}, {6.25, 6.25}, {6.25, 6.25}}));
  // Pair 3: 242,5 / 7,5 = 32,3 gives a spacing of 242,5 / 32 = 7,578125; sleepers follow while a
  // whole spacing is left of the 250 mm: the one at the start distance and 31 more.
  ASSERT_EQ(w->SwAbst3.size(), 32u);
  EXPECT_EQ(w->SwAbst3[1], (TPaar{7.578125, 7.578125}));

  // Common sleepers while L + d <= 36, i.e. while the tracks lie at most 6 mm apart: plan
  // indices 0 to 10 (index 10 at d = 5,27; index 11 at d = 6,10). Then two sleepers per index.
  ASSERT_EQ(w->SwPolygone.size(), 11u + 2 * 32);
  double laengste = 0;
  for (std::size_t i = 0; i < 11; ++i) laengste = std::max(laengste, Laenge(w->SwPolygone[i]));
  // floor(0,975·(30 + 5,27)·0,87) = 29.
  // A long edge spans e = √((u/2)² + (w/2)²) each way from the centre: √(u² + w²) in all.
  auto kante = [](double u) { return std::hypot(u, 3.0); };
  EXPECT_NEAR(laengste, kante(29 * 100.0 / 87), 1e-9);
  // The first single sleeper (main track, index 11): d = 6,10 < L, floor(6,10·0,87) = 5.
  const TSchwellenumriss& erste = w->SwPolygone[11];
  EXPECT_NEAR(Laenge(erste), kante(5 * 100.0 / 87), 1e-9);
  EXPECT_NEAR((erste[0].y + erste[2].y) / 2, 0, 1e-9);  // centred on the straight main track
  // From index 40 on (d = 30,41 >= L) single sleepers have the normal length DmRunden(30).
  EXPECT_NEAR(Laenge(w->SwPolygone[11 + 2 * (40 - 11)]), kante(26 * 100.0 / 87), 1e-9);
  EXPECT_NEAR(Laenge(w->SwPolygone[11 + 2 * (40 - 11) + 1]), kante(26 * 100.0 / 87), 1e-9);
  // Every sleeper is 3 wide.
  for (const auto& u : w->SwPolygone)
    EXPECT_NEAR(std::hypot(u[1].x - u[0].x, u[1].y - u[0].y), 3, 1e-9);
}

TEST(WeichenSchwellen, SenkrechteUndFaecherfoermigeSchwellen) {
  Plan p;
  const TEWeiche* faecher = p.Weiche();
  Plan q;
  const TEWeiche* senkrecht = q.Weiche(Mit(Satz(), 4, "8"));
  // Perpendicular: the branch sleeper where the main track's normal meets the branch arc,
  // R·asin(x/R) for the straight main.
  double x = 0, o = 0;
  for (const TPaar& e : senkrecht->SwAbst1) {
    x += e.x;
    o += e.y;
  }
  EXPECT_NEAR(o, 500 * std::asin(x / 500), 1e-9);
  for (std::size_t i = 1; i < 8; ++i) {
    // The long axis of a common sleeper: square to the main track (along y) only when
    // perpendicular; fan-shaped ones lean towards the branch.
    const TSchwellenumriss& s = senkrecht->SwPolygone[i];
    const TSchwellenumriss& f = faecher->SwPolygone[i];
    EXPECT_NEAR(s[2].x - s[1].x, 0, 1e-9) << i;
    EXPECT_GT(std::fabs(f[2].x - f[1].x), 1e-4) << i;
  }
}

TEST(WeichenSchwellen, DoppelschwellenNachNummer) {
  Plan p;
  // Sleeper 3 touches sleeper 2; number 0 stands for none. The width comes off the length the
  // other seven spacings share.
  const TEWeiche* w = p.Weiche(Mit(Mit(Satz(), 10, "2"), 11, "3#0#"));
  ASSERT_EQ(w->SwAbst1.size(), 9u);
  EXPECT_EQ(w->SwAbst1[3], (TPaar{3, 3}));
  EXPECT_NEAR(w->SwAbst1[1].x, (2 * kT - 3) / 7, 1e-12);
  // The first sleeper of pair 2 (index 8) as a double sleeper.
  Plan q;
  const TEWeiche* v = q.Weiche(Mit(Mit(Satz(), 10, "1"), 11, "8#"));
  ASSERT_FALSE(v->SwAbst2.empty());
  EXPECT_EQ(v->SwAbst2[0], (TPaar{3, 3}));
}

TEST(WeichenSchwellen, UnsinnigeWerteEndenOhneHaengerUndMuell) {
  // A pair 3 too short for its distances with a branch of length 0: one sleeper, no stack.
  Plan p;
  Zeilen z = Satz();
  z[21] = "5";
  z[23] = "0";
  z[29] = "0";
  z[32] = "10";
  const TEWeiche* w = p.Weiche(z);
  for (std::size_t k = 1; k < w->SwAbst3.size(); ++k) EXPECT_EQ(w->SwAbst3[k].y, KeineSchwelle);
  // A wild start distance, a spacing far too fine for the plan: ends at once.
  Plan q;
  const TEWeiche* wild = q.Weiche(Mit(Satz(), 28, "-1E300"));
  EXPECT_LE(wild->SwAbst1.size(), MaxSchwellen);
  Plan r;
  const TEWeiche* fein = r.Weiche(Mit(Satz(), 7, "1E-9"));
  EXPECT_TRUE(fein->SwAbst1.empty() && fein->SwPolygone.empty());
  // A user-defined plan with a negative distance in pair 1: that track has no sleepers after
  // it in this pair (nothing laid from a position that does not exist), the other keeps its.
  Plan s;
  Zeilen u = Mit(Satz(), 6, "00001");
  u[24] = "0#0#5#5#-1#5#5#5#";
  const TEWeiche* b = s.Weiche(u);
  ASSERT_EQ(b->SwPunkteStamm.size(), b->SwPunkteZweig.size());
  EXPECT_TRUE(b->SwPunkteStamm[1].Gueltig);
  EXPECT_FALSE(b->SwPunkteStamm[2].Gueltig);
  EXPECT_FALSE(b->SwPunkteStamm[3].Gueltig);
  EXPECT_TRUE(b->SwPunkteZweig[3].Gueltig);
  for (const TEWeiche* x : {w, wild, fein, b}) EXPECT_TRUE(Endlich(*x));
}

TEST(WeichenSchwellen, SatzMitKaputtemPlanWirdAbgelehnt) {
  auto fehler = [](const Zeilen& z) {
    Plan p;
    std::size_t i = 0;
    try {
      TEWeiche::AusSatz(*p.m, z, i, 1);
    } catch (const LeseFehler& e) {
      EXPECT_TRUE(p.m->Gleise.empty());
      return std::string(e.what());
    }
    return std::string("gelesen");
  };
  EXPECT_EQ(fehler(Mit(Satz(), 7, "0")),
            "Zeile 7: Der Schwellenabstand der Weiche \"EW 500 1:9\" muss größer als 0 sein.");
  std::string lang;
  for (std::size_t k = 0; k <= MaxSchwellen; ++k) lang += "1#1#";
  EXPECT_EQ(fehler(Mit(Satz(), 26, lang)),
            "Zeile 26: Der Schwellenplan der Weiche hat mehr als 5000 Schwellen.");
  EXPECT_EQ(fehler(Mit(Satz(), 40, lang)),
            "Zeile 40: Der Schwellenplan der Weiche hat mehr als 5000 Schwellen.");
  EXPECT_NE(fehler(Mit(Satz(), 25, "1#x#")).find("Zeile 25"), std::string::npos);
}

TEST(WeichenSchwellen, GezeichnetNurMitSchwellen) {
  Plan p;
  p.m->Breite = p.m->Hoehe = 1000;
  TEWeiche* w = p.Weiche(Mit(Satz(), 5, "32768"));
  w->Stammgleis()->Markiert = w->Zweiggleis()->Markiert = false;
  auto umrisse = [&](char modus) {
    p.a.Optionen[4] = modus;
    Aufzeichnung c(2000, 2000);
    ModulMalen(p.a, *p.m, c, TAnsicht(*p.m));
    int n = 0;
    for (const Zeichenbefehl* b : c.Alle(Zeichenbefehl::Art::Polygon))
      n += b->stift.farbe == 32768 && b->pinsel.leer && b->punkte.size() == 4;
    return n;
  };
  EXPECT_EQ(umrisse('0'), static_cast<int>(w->SwPolygone.size()));  // in the turnout's colour
  EXPECT_EQ(umrisse('1'), 0);
}

}  // namespace
}  // namespace trm
