// Segment geometry: setter rules, segment kinds, sleeper points, arcs, transition curves,
// gradients and vertical rounding, and the small plane routines.
#include <gtest/gtest.h>

#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"

namespace trm {
namespace {

struct Strecke {
  Anlage a{std::make_shared<MersenneZufall>(1)};
  TModul* m;
  TGleis* g;
  explicit Strecke(double swAbst = 10, double x = 0, double y = 0, double w = 0) {
    a.Werte.SwAbst = swAbst;
    m = a.ModulAnhaengen();
    a.ModulWaehlen(0);
    g = m->GleisAnhaengen();
    g->XAnf = x;
    g->YAnf = y;
    g->SetWAnf(w);
  }
  TBogen* Bogen(double laenge, double r1 = 0, double r2 = 0) {
    auto b = std::make_unique<TBogen>();
    b->SetAnfRadius(r1);
    b->SetEndRadius(r2 == 0 && r1 != 0 ? r1 : r2);
    b->SetLaenge(laenge);
    return g->BogenAnhaengen(std::move(b));
  }
  void Rechnen() { ModulBerechnen(*m); }
};

TEST(Bogen, SetzerRegeln) {
  TBogen b;
  b.SetLaenge(-5);
  EXPECT_EQ(b.Laenge(), 1);
  b.SetLaenge(0);
  EXPECT_EQ(b.Laenge(), 0);
  b.SetAnfRadius(0);
  EXPECT_TRUE(std::isinf(b.AnfRadius()));
  b.SetAnfKruemmung(1e-13);
  EXPECT_TRUE(std::isinf(b.AnfRadius()));
  b.SetKruemmung(-0.002);
  EXPECT_DOUBLE_EQ(b.AnfRadius(), -500);
  EXPECT_DOUBLE_EQ(b.EndRadius(), -500);
  b.SetAusrunden(true);
  b.SetSteigung(1e-13);  // practically zero: rounding stays on
  EXPECT_TRUE(b.Ausrunden());
  b.SetSteigung(2);
  EXPECT_FALSE(b.Ausrunden());
  EXPECT_EQ(b.Steigung(), 2);
  b.SetAusrunden(true);
  EXPECT_EQ(b.Steigung(), 0);
  EXPECT_EQ(b.BgKennung(), "0101");
  b.SetBgKennung("1010");
  EXPECT_TRUE(b.LFix && !b.RFix && b.TFix && !b.Starr);
  b.SetBgKennung("1");  // short text: the missing flags are clear
  EXPECT_TRUE(b.LFix && !b.RFix && !b.TFix && !b.Starr);
}

TEST(Bogen, ArtAusDenRadien) {
  TBogen b;
  b.SetAnfRadius(600);
  b.SetEndRadius(600.0005);
  EXPECT_FALSE(b.IstUebergangsbogen());
  b.SetEndRadius(600.01);
  EXPECT_TRUE(b.IstUebergangsbogen());
  b.SetEndRadius(0);
  EXPECT_TRUE(b.IstUebergangsbogen());
  b.SetAnfRadius(0);
  EXPECT_FALSE(b.IstUebergangsbogen());
  EXPECT_EQ(b.MittlererRadius(), 0);
  b.SetAnfRadius(400);
  b.SetEndRadius(-400);
  EXPECT_EQ(b.MittlererRadius(), 0);
  // Radii far apart whose curvatures agree within 1e-12 make no clothoid: an arc.
  b.SetAnfRadius(5e11);
  b.SetEndRadius(6.7e11);
  EXPECT_FALSE(b.IstUebergangsbogen());
  b.SetAnfRadius(0);
  b.SetEndRadius(2e12);
  EXPECT_FALSE(b.IstUebergangsbogen());
}

TEST(Bogen, GeradeMitSchwellenpunktenUndRest) {
  Strecke s(10, 0, 300);
  TBogen* b1 = s.Bogen(200);
  TBogen* b2 = s.Bogen(50);
  s.Rechnen();
  ASSERT_EQ(b1->Spurpunkte.size(), 22u);
  EXPECT_DOUBLE_EQ(b1->Spurpunkte[0].x, 0);
  EXPECT_DOUBLE_EQ(b1->Spurpunkte[1].x, 5);
  EXPECT_DOUBLE_EQ(b1->Spurpunkte[2].x, 15);
  EXPECT_NEAR(b1->Spurpunkte[20].x, 195, 1e-9);
  EXPECT_DOUBLE_EQ(b1->Spurpunkte[21].x, 200);
  EXPECT_DOUBLE_EQ(b1->Rest, 5);
  EXPECT_DOUBLE_EQ(b1->XEnde, 200);
  EXPECT_DOUBLE_EQ(b1->YEnde, 300);
  // The next segment keeps the spacing: its first sleeper is 5 mm after its start.
  EXPECT_DOUBLE_EQ(b2->XAnf(), 200);
  EXPECT_NEAR(b2->Spurpunkte[1].x, 205, 1e-9);
  EXPECT_EQ(b2->Spurpunkte.size(), 2u + 5u);
}

TEST(Bogen, KurzerBogenOhneSchwelleBehaeltDenAbstand) {
  Strecke s(10);
  TBogen* kurz = s.Bogen(3);
  TBogen* danach = s.Bogen(20);
  s.Rechnen();
  ASSERT_EQ(kurz->Spurpunkte.size(), 2u);
  EXPECT_DOUBLE_EQ(kurz->Spurpunkte[1].x, 3);
  EXPECT_DOUBLE_EQ(kurz->Rest, 8);  // L + s - p
  EXPECT_DOUBLE_EQ(danach->Spurpunkte[1].x, 5);  // 2 mm after its start: 10 from the sleeper before
}

TEST(Bogen, SchwellenBleibenNachWechselDesAbstandsAufIhremBogen) {
  Strecke s(10);
  TBogen* weit = s.Bogen(45);
  TBogen* eng = s.Bogen(30);
  TBogen* weiter = s.Bogen(50);
  weit->Eigen.SwAbst = 20;  // sleepers at 10 and 30, 15 mm left to the end
  weiter->Eigen.SwAbst = 20;
  s.Rechnen();
  ASSERT_DOUBLE_EQ(weit->Rest, 15);
  // 15 mm since the last sleeper is more than the spacing of 10: the next one lies at the start.
  ASSERT_EQ(eng->Spurpunkte.size(), 6u);
  EXPECT_DOUBLE_EQ(eng->Spurpunkte[1].x, 45);
  EXPECT_NEAR(eng->Spurpunkte[4].x, 75, 1e-12);
  EXPECT_NEAR(eng->Rest, 0, 1e-12);
  EXPECT_NEAR(weiter->Spurpunkte[1].x, 95, 1e-12);  // 20 after the last sleeper at the end of eng
  for (const TBogen* b : {weit, eng, weiter})
    for (std::size_t k = 1; k + 1 < b->Spurpunkte.size(); ++k) {
      EXPECT_GE(b->Spurpunkte[k].x, b->XAnf());
      EXPECT_LE(b->Spurpunkte[k].x, b->XEnde);
    }
}

TEST(Bogen, LaengeNullGibtZweiGleichePunkte) {
  Strecke s(10, 7, 8, 1.0);
  TBogen* b = s.Bogen(0);
  s.Rechnen();
  ASSERT_EQ(b->Spurpunkte.size(), 2u);
  EXPECT_EQ(b->Spurpunkte[1].x, 7);
  EXPECT_EQ(b->Spurpunkte[1].y, 8);
  EXPECT_EQ(b->Rest, 0);
  EXPECT_EQ(b->WEnde, 1.0);
}

TEST(Bogen, UnbrauchbarerSchwellenabstandGibtNurAnfangUndEnde) {
  for (double sw : {0.0, -3.0, 1e-12}) {
    Strecke s(sw);
    TBogen* b = s.Bogen(1e6);
    s.Rechnen();
    ASSERT_EQ(b->Spurpunkte.size(), 2u) << sw;
    EXPECT_DOUBLE_EQ(b->XEnde, 1e6);
  }
}

TEST(Bogen, ViertelkreisLinksUndRechts) {
  Strecke links(10);
  TBogen* l = links.Bogen(500 * Pi / 2, 500);
  links.Rechnen();
  EXPECT_NEAR(l->XEnde, 500, 1e-9);
  EXPECT_NEAR(l->YEnde, 500, 1e-9);
  EXPECT_NEAR(l->WEnde, Pi / 2, 1e-12);
  for (const auto& p : l->Spurpunkte) {
    EXPECT_NEAR(std::hypot(p.x, p.y - 500), 500, 1e-9);  // every point on the circle
    EXPECT_EQ(p.r, 500);
  }

  Strecke rechts(10);
  TBogen* r = rechts.Bogen(500 * Pi / 2, -500);
  rechts.Rechnen();
  EXPECT_NEAR(r->XEnde, 500, 1e-9);
  EXPECT_NEAR(r->YEnde, -500, 1e-9);
  EXPECT_NEAR(r->WEnde, -Pi / 2, 1e-12);
}

TEST(Bogen, BogenschrittUmEinenHalbenKreis) {
  // One sleeper step turns by π (or within rounding of it): the chord is the diameter.
  struct Fall {
    double swAbst, radius, laenge;
  };
  for (const Fall f : {Fall{Pi, 1, 2.5 * Pi}, Fall{Pi, -1, 2.5 * Pi}, Fall{10, 10 / Pi, 25},
                       Fall{10, std::nextafter(10 / Pi, 0.0), 25}, Fall{10, 3, 25}}) {
    SCOPED_TRACE(f.radius);
    Strecke s(f.swAbst);
    TBogen* b = s.Bogen(f.laenge, f.radius);
    TBogen* danach = s.Bogen(10);
    s.Rechnen();
    const double R = f.radius, phi = f.laenge / R;
    EXPECT_NEAR(b->XEnde, R * std::sin(phi), 1e-9);
    EXPECT_NEAR(b->YEnde, R * (1 - std::cos(phi)), 1e-9);
    EXPECT_NEAR(std::remainder(b->WEnde - phi, 2 * Pi), 0, 1e-12);
    for (const auto& p : b->Spurpunkte) EXPECT_NEAR(std::hypot(p.x, p.y - R), std::fabs(R), 1e-9);
    EXPECT_TRUE(std::isfinite(danach->XEnde) && std::isfinite(danach->YEnde));
  }
  // Radius 1 and spacing π: first sleeper a quarter turn on at (1, 1), the next at (-1, 1).
  Strecke s(Pi);
  TBogen* b = s.Bogen(2 * Pi, 1);
  s.Rechnen();
  ASSERT_GE(b->Spurpunkte.size(), 3u);
  EXPECT_NEAR(b->Spurpunkte[1].x, 1, 1e-12);
  EXPECT_NEAR(b->Spurpunkte[1].y, 1, 1e-12);
  EXPECT_NEAR(b->Spurpunkte[2].x, -1, 1e-12);
  EXPECT_NEAR(b->Spurpunkte[2].y, 1, 1e-12);
}

TEST(Bogen, FastGleicheKruemmungenSindEinKreisbogen) {
  // Curvatures 1/5E11 and 1/6,7E11, or 1/1E6 and 1/(1E6 + 0,5), agree within 1e-12: no clothoid
  // exists between them. The segment is the arc of the mean curvature.
  for (const auto& [r1, r2] : {std::pair{5e11, 6.7e11}, std::pair{1e6, 1e6 + 0.5},
                              std::pair{-1e6 - 0.5, -1e6}}) {
    SCOPED_TRACE(r1);
    Strecke s(10);
    TBogen* b = s.Bogen(1000, r1, r2);
    s.Rechnen();
    const double R = 2 / (1 / r1 + 1 / r2), phi = 1000 / R;
    EXPECT_NEAR(b->WEnde, phi, 1e-12);
    EXPECT_NEAR(b->XEnde, R * std::sin(phi), 1e-9);
    EXPECT_NEAR(b->YEnde, 2 * R * std::pow(std::sin(phi / 2), 2), 1e-9);  // R·(1 - cos φ)
  }
  // From straight to 2E12: practically straight.
  Strecke s(10);
  TBogen* b = s.Bogen(1000, 0, 2e12);
  s.Rechnen();
  EXPECT_NEAR(b->WEnde, 1000 / 4e12, 1e-15);
  EXPECT_NEAR(b->XEnde, 1000, 1e-9);
}

TEST(Bogen, UebergangsbogenVonGeradeZuRadius500) {
  Strecke s(10);
  TBogen* b = s.Bogen(100, 0, 500);
  s.Rechnen();
  EXPECT_NEAR(b->KlothoidenA() * b->KlothoidenA(), 50000, 1e-6);
  EXPECT_NEAR(b->WEnde, 0.1, 1e-9);
  // The local curvature grows linearly: the angle after half the length is a quarter.
  const TSpurpunkt& mitte = b->Spurpunkte[5];  // 45 mm
  EXPECT_NEAR(mitte.w, 45.0 * 45.0 / (2 * 50000), 1e-9);
  EXPECT_EQ(mitte.r, 0);
  // Series of the clothoid: x = t - t^5/(40 A^4) + t^9/(3456 A^8),
  // y = t^3/(6 A^2) - t^7/(336 A^6) + t^11/(42240 A^10); the next terms are near 1e-8.
  const double A2 = 50000, t = 100;
  EXPECT_NEAR(b->XEnde, t - std::pow(t, 5) / (40 * std::pow(A2, 2)) + std::pow(t, 9) / (3456 * std::pow(A2, 4)), 2e-8);
  EXPECT_NEAR(b->YEnde, std::pow(t, 3) / (6 * A2) - std::pow(t, 7) / (336 * std::pow(A2, 3)) +
                            std::pow(t, 11) / (42240 * std::pow(A2, 5)), 2e-8);
}

TEST(Bogen, WendeklothoideGehtDurchKruemmungNull) {
  Strecke s(10);
  TBogen* b = s.Bogen(200, 500, -500);
  s.Rechnen();
  // Curvature 1/500 down to -1/500: the direction peaks in the middle and returns to 0.
  double hoechste = 0;
  std::size_t wo = 0;
  for (std::size_t i = 0; i < b->Spurpunkte.size(); ++i)
    if (b->Spurpunkte[i].w > hoechste) hoechste = b->Spurpunkte[i].w, wo = i;
  EXPECT_NEAR(b->Spurpunkte[wo].x, 100, 10);
  EXPECT_NEAR(hoechste, 0.5 * 100 / 500, 1e-3);  // mean curvature over the first half
  EXPECT_NEAR(b->WEnde, 0, 1e-9);
}

TEST(Bogen, SteigungHebtDasEnde) {
  Strecke s(10);
  TBogen* b = s.Bogen(200);
  b->SetSteigung(2);
  s.g->ZAnfWert = 10;
  s.Rechnen();
  EXPECT_NEAR(b->ZEnde, 14, 1e-12);
  EXPECT_NEAR(b->Neigungswinkel(), std::atan(0.02), 1e-12);
}

TEST(Bogen, AusrundungFolgtDemKreisZwischenDenNeigungen) {
  Strecke s(10);
  TBogen* flach = s.Bogen(100);
  TBogen* rund = s.Bogen(100);
  TBogen* steil = s.Bogen(100);
  rund->SetAusrunden(true);
  steil->SetSteigung(std::tan(0.02) * 100);
  s.Rechnen();  // the rounding sees the slope after it only from the previous pass
  s.Rechnen();
  EXPECT_DOUBLE_EQ(flach->ZEnde, 0);
  EXPECT_NEAR(rund->Vertikalradius(), 5000, 1e-6);
  // Heights on the circle of radius 5000 that touches the flat segment at its start, with
  // the distance along the track as arc length of that circle.
  for (const auto& p : rund->Spurpunkte) {
    const double bogen = p.x - 100;
    EXPECT_NEAR(p.z, 5000 * (1 - std::cos(bogen / 5000)), 1e-9);
  }
  EXPECT_NEAR(rund->Neigungswinkel(), std::atan(5000 * (1 - std::cos(0.02)) / 100), 1e-12);
  rund->SetAusrunden(false);
  EXPECT_EQ(rund->Vertikalradius(), 0);
}

TEST(Bogen, AnfangKommtVomVorgaengerOderVomGleis) {
  Strecke s(10, 5, 6, 7);
  TBogen* b1 = s.Bogen(10);
  TBogen* b2 = s.Bogen(10);
  s.g->ZAnfWert = 3;
  s.Rechnen();
  EXPECT_EQ(b1->XAnf(), 5);
  EXPECT_DOUBLE_EQ(b1->WAnf(), 7 - 2 * Pi);
  EXPECT_EQ(b2->XAnf(), b1->XEnde);
  EXPECT_EQ(b2->ZAnf(), 3);
  EXPECT_EQ(b1->Naechster(), b2);
  EXPECT_EQ(b2->Naechster(), nullptr);
  EXPECT_DOUBLE_EQ(s.g->XEnde(), b2->XEnde);
  // Reordering rebuilds the references: the former second segment now starts the track.
  std::swap(s.g->Boegen[0], s.g->Boegen[1]);
  s.g->BogenVorgaengerNeu();
  EXPECT_EQ(b2->Vorgaenger, nullptr);
  EXPECT_EQ(b1->Vorgaenger, b2);
  EXPECT_EQ(b2->XAnf(), 5);
}

TEST(Bogen, GewissEndlicheLageAnDenGrenzen) {
  // Reading skips the position of segments within these bounds: at their corners (the
  // tightest and widest radii, the longest and shortest segment, a start far out) the
  // computation must stay finite; beyond them it may not, and the segment is computed.
  struct Fall {
    double laenge, r1, r2, start;
    bool gewiss;
  };
  const Fall faelle[] = {
      {1e15, 1e-6, 0, 1e200, true},       {1e15, -1e30, 0, -1e200, true},
      {1e15, 0, 1e-6, 1e200, true},       {1e15, 1e30, -1e-6, -1e200, true},
      {1e-9, 1e-6, -1e-6, 1e200, true},   {1e15, 0, 0, 1e200, true},
      {1e15, 1e308, 0, 0, false},         {1e15, 1e-7, 0, 0, false},
      {1e16, 0, 0, 0, false},             {1e-10, 1e-6, -1e-6, 0, false},
  };
  for (const Fall& f : faelle) {
    Strecke s(1e17, f.start, f.start, 1);  // one step over the whole segment
    TBogen& b = *s.Bogen(f.laenge, f.r1, f.r2);
    EXPECT_EQ(b.LageGewissEndlich(), f.gewiss) << f.laenge << " " << f.r1 << " " << f.r2;
    b.EndeBerechnen();
    if (f.gewiss) {
      EXPECT_TRUE(std::isfinite(b.XEnde) && std::isfinite(b.YEnde) && std::isfinite(b.WEnde))
          << f.laenge << " " << f.r1 << " " << f.r2;
    }
  }
  // What the bound keeps out: an arc this wide has a chord beyond the largest double.
  Strecke weit(1e17);
  TBogen& b = *weit.Bogen(1e15, 1e308);
  b.EndeBerechnen();
  EXPECT_FALSE(std::isfinite(b.XEnde) && std::isfinite(b.YEnde));
}

TEST(Geometrie, WinkelDrehenUndTangenten) {
  EXPECT_DOUBLE_EQ(WinkelNorm(7), 7 - 2 * Pi);
  EXPECT_DOUBLE_EQ(WinkelNorm(-7), -(7 - 2 * Pi));
  EXPECT_EQ(WinkelNorm(3), 3);
  EXPECT_EQ(WinkelNorm(0), 0);
  EXPECT_DOUBLE_EQ(WinkelNorm(2 * Pi), 0);
  EXPECT_LT(WinkelNorm(1e12), 2 * Pi);  // no endless loop on a wild angle
  const TPunkt p = PunktDrehen(1, 0, Pi / 2, 0, 0);
  EXPECT_NEAR(p.x, 0, 1e-15);
  EXPECT_NEAR(p.y, 1, 1e-15);
  const TPunkt q = PunktDrehen(3, 2, Pi, 2, 2);
  EXPECT_NEAR(q.x, 1, 1e-15);
  EXPECT_NEAR(q.y, 2, 1e-15);
  EXPECT_DOUBLE_EQ(Abstand(0, 0, 3, 4), 5);
  EXPECT_NEAR(TangenteAusBogen(500 * Pi / 2, 500), 500, 1e-9);
  EXPECT_NEAR(BogenAusTangente(500, 500), 500 * Pi / 2, 1e-9);
  EXPECT_EQ(BogenAusTangente(30, Unendlich), 60);
  // Tangent 500 of R 500 spans 90°; narrowed by 90° nothing is left: infinite radius.
  EXPECT_TRUE(std::isinf(RadiusAusTangenteMitWinkel(false, 500, 500, Pi / 2)));
  // Widened by 0 the radius stays.
  EXPECT_NEAR(RadiusAusTangenteMitWinkel(true, 500, 500, 0), 500, 1e-9);
  TBogen b;
  b.SetLaenge(80);
  EXPECT_EQ(b.Tangentenlaenge(), 40);
}

TEST(Umrechnung, WeltUndPixelMitGerademRunden) {
  TUmrechnung u(2, 600);
  EXPECT_EQ(u.WeltZuPixelX(5), 2);    // 2,5 -> 2
  EXPECT_EQ(u.WeltZuPixelX(7), 4);    // 3,5 -> 4
  EXPECT_EQ(u.WeltZuPixelY(600), 0);
  EXPECT_EQ(u.WeltZuPixelY(0), 300);
  EXPECT_EQ(u.WeltZuPixelY(595), 2);  // (600-595)/2 = 2,5 -> 2
  EXPECT_EQ(u.BildHoehe(), 300);
  EXPECT_EQ(u.PixelZuWeltX(10), 20);
  EXPECT_EQ(u.PixelZuWeltY(300), 0);
  EXPECT_EQ(u.PixelZuWeltY(0), 600);
}

}  // namespace
}  // namespace trm
