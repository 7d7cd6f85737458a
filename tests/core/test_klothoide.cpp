// Tests of the clothoid parameter, steps along transition curves and the Fresnel integrals.
#include "core/model/Klothoide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace trm {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;
const double kWurzelPi = std::sqrt(kPi);

double Kr(double R) { return std::isinf(R) ? 0.0 : 1.0 / R; }

// Walks a whole transition curve in steps of `schritt` (the last one shorter) and returns every
// point, the start included.
std::vector<KlothoidenSchritt> Gehen(KlothoidenSchritt p, double L, double schritt, double R1,
                                     double R2) {
  std::vector<KlothoidenSchritt> punkte{p};
  for (double u = 0; u < L - 1e-9; u += schritt) {
    const double h = std::min(schritt, L - u);
    p = KlothoidenPunkt(p.x, p.y, p.wGrad, L, u, h, R1, R2);
    punkte.push_back(p);
  }
  return punkte;
}

// End point of a curve whose curvature runs linearly from 1/R1 to 1/R2, by Simpson's rule on
// the direction θ(s) = θ0 + κ1·s + (κ2 - κ1)·s²/(2L); independent of the clothoid offsets.
KlothoidenSchritt Kurvenende(KlothoidenSchritt p, double L, double R1, double R2) {
  const double k1 = Kr(R1), k2 = Kr(R2), th0 = p.wGrad * kPi / 180;
  const auto theta = [&](double s) { return th0 + k1 * s + (k2 - k1) * s * s / (2 * L); };
  const int n = 4000;
  const double h = L / n;
  double sx = 0, sy = 0;
  for (int i = 0; i <= n; ++i) {
    const double g = (i == 0 || i == n) ? 1 : (i % 2 != 0 ? 4 : 2);
    sx += g * std::cos(theta(i * h));
    sy += g * std::sin(theta(i * h));
  }
  return {p.x + sx * h / 3, p.y + sy * h / 3, theta(L) * 180 / kPi};
}

// The agreement the fast evaluation promises: relative 1e-6, measured against at least 1e-4 of
// |b - a|·A·√π (the chord length). Both evaluations round the phase π t²/2, which reaches 1e5
// for nearly equal radii, so a component far below the chord carries noise of ~1e-11 chord.
double Abweichung(double schnell, double referenz, double A, double a, double b) {
  const double boden = 1e-4 * std::abs(b - a) * A * kWurzelPi;
  return std::abs(schnell - referenz) / std::max(std::abs(referenz), boden);
}

TEST(KlothoidenA2, HandgerechneteWerte) {
  EXPECT_DOUBLE_EQ(KlothoidenA2(kInf, 500, 100), 50000);
  EXPECT_DOUBLE_EQ(KlothoidenA2(500, kInf, 100), 50000);
  EXPECT_DOUBLE_EQ(KlothoidenA2(500, -500, 100), 100 / (2.0 / 500));
  EXPECT_DOUBLE_EQ(KlothoidenA2(-500, 500, 300), 300 / (2.0 / 500));
  EXPECT_DOUBLE_EQ(KlothoidenA2(1000, 500, 100), 100000);
  EXPECT_DOUBLE_EQ(KlothoidenA2(-500, -1000, 100), 100000);
}

TEST(KlothoidenA2, KleinerRadiusIstGeradeUndGleicheKruemmungGibtMillion) {
  EXPECT_DOUBLE_EQ(KlothoidenA2(0, 500, 100), 50000);
  EXPECT_DOUBLE_EQ(KlothoidenA2(500, -1e-13, 100), 50000);
  EXPECT_EQ(KlothoidenA2(500, 500, 100), 1000000);
  EXPECT_EQ(KlothoidenA2(kInf, kInf, 100), 1000000);
  EXPECT_EQ(KlothoidenA2(1e6, 1e6 + 0.5, 100), 1000000);  // curvatures 5e-13 apart
}

TEST(KlothoidenPunkt, VonGeradeAufRadius500) {
  // A² = 50000: the direction grows by t²/(2A²), 0.1 rad after 100 mm.
  const auto punkte = Gehen({0, 0, 0}, 100, 10, kInf, 500);
  ASSERT_EQ(punkte.size(), 11u);
  EXPECT_NEAR(punkte.back().wGrad, 0.1 * 180 / kPi, 1e-12);
  EXPECT_NEAR(punkte[5].wGrad, 50.0 * 50 / 100000 * 180 / kPi, 1e-12);
  const KlothoidenSchritt soll = Kurvenende({0, 0, 0}, 100, kInf, 500);
  EXPECT_NEAR(punkte.back().x, soll.x, 1e-7);
  EXPECT_NEAR(punkte.back().y, soll.y, 1e-7);
  // The clothoid series: x = L - L⁵/(40A⁴) + L⁹/(3456A⁸) - …, y = L³/(6A²) - L⁷/(336A⁶) + ….
  const double q = 100.0 * 100 / 50000;  // L²/A²
  EXPECT_NEAR(punkte.back().x, 100 * (1 - q * q / 40 + q * q * q * q / 3456), 2e-8);
  EXPECT_NEAR(punkte.back().y, 100 * (q / 6 - q * q * q / 336 + q * q * q * q * q / 42240), 2e-8);
}

TEST(KlothoidenPunkt, SKurveWendetInDerMitte) {
  // 500 → -500 over 200 mm: curvature 0 at 100 mm, where the direction peaks at +0.1 rad.
  const KlothoidenSchritt start{10, 20, 15};
  const auto punkte = Gehen(start, 200, 10, 500, -500);
  ASSERT_EQ(punkte.size(), 21u);
  const auto spitze = std::max_element(punkte.begin(), punkte.end(),
                                       [](auto& p, auto& q) { return p.wGrad < q.wGrad; });
  EXPECT_EQ(spitze - punkte.begin(), 10);
  EXPECT_NEAR(punkte[10].wGrad, 15 + 0.1 * 180 / kPi, 1e-11);
  EXPECT_NEAR(punkte.back().wGrad, 15, 1e-11);
  for (int i = 0; i <= 20; ++i) EXPECT_NEAR(punkte[i].wGrad, punkte[20 - i].wGrad, 1e-11);
  // Point-symmetric about the turning point.
  EXPECT_NEAR(punkte[10].x, (punkte[0].x + punkte[20].x) / 2, 1e-9);
  EXPECT_NEAR(punkte[10].y, (punkte[0].y + punkte[20].y) / 2, 1e-9);
}

struct Kurve {
  double R1, R2, L;
};

class KlothoidenKurve : public ::testing::TestWithParam<Kurve> {};

TEST_P(KlothoidenKurve, EndeStimmtMitNumerischerIntegrationUeberein) {
  const Kurve k = GetParam();
  const KlothoidenSchritt start{120, -40, 37};
  const KlothoidenSchritt soll = Kurvenende(start, k.L, k.R1, k.R2);
  // Regular steps, and a sleeper pattern 5, 10, 10, …, rest: the result must not depend on them.
  for (double schritt : {10.0, 7.3}) {
    const KlothoidenSchritt ist = Gehen(start, k.L, schritt, k.R1, k.R2).back();
    EXPECT_NEAR(ist.x, soll.x, 1e-6) << schritt;
    EXPECT_NEAR(ist.y, soll.y, 1e-6) << schritt;
    EXPECT_NEAR(ist.wGrad, soll.wGrad, 1e-9) << schritt;
  }
  KlothoidenSchritt p = start;
  double u = 0;
  for (double h = 5; u < k.L; u += h, h = std::min(10.0, k.L - u)) {
    p = KlothoidenPunkt(p.x, p.y, p.wGrad, k.L, u, h, k.R1, k.R2);
  }
  EXPECT_NEAR(p.x, soll.x, 1e-6);
  EXPECT_NEAR(p.y, soll.y, 1e-6);
  // The reference quadrature walks the same curve.
  p = start;
  for (u = 0; u < k.L; u += 10) {
    p = KlothoidenPunktIntegration(p.x, p.y, p.wGrad, k.L, u, std::min(10.0, k.L - u), k.R1, k.R2);
  }
  EXPECT_NEAR(p.x, soll.x, 1e-5);
  EXPECT_NEAR(p.y, soll.y, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Klothoide, KlothoidenKurve,
    ::testing::Values(Kurve{kInf, 500, 100}, Kurve{500, kInf, 100}, Kurve{kInf, -400, 250},
                      Kurve{-500, kInf, 300}, Kurve{1000, 500, 250}, Kurve{500, 1000, 250},
                      Kurve{-1000, -500, 400}, Kurve{-500, -1000, 400}, Kurve{500, -500, 200},
                      Kurve{-300, 600, 150}, Kurve{kInf, 2000, 2000}, Kurve{600, 600.01, 100}));

TEST(KlothoidenPunkt, NullschrittUndNulllaengeBleibenStehen) {
  const KlothoidenSchritt p = KlothoidenPunkt(3, 4, 30, 100, 20, 0, kInf, 500);
  EXPECT_EQ(p.x, 3);
  EXPECT_EQ(p.y, 4);
  EXPECT_EQ(p.wGrad, 30);
  const KlothoidenSchritt q = KlothoidenPunkt(3, 4, 30, 0, 0, 0, 500, -500);
  EXPECT_EQ(q.x, 3);
  EXPECT_EQ(q.y, 4);
  EXPECT_EQ(q.wGrad, 30);
}

TEST(Fresnel, BekannteWerte) {
  // With A = 1/√π the integrals are the standard C(x) and S(x).
  const double A = 1 / kWurzelPi;
  struct Wert {
    double x, C, S;
  };
  for (const Wert w : {Wert{0.5, 0.4923442258714464, 0.0647324328599993},
                       Wert{1.0, 0.7798934003768228, 0.4382591473903548},
                       Wert{2.5, 0.4574130096417770, 0.6191817558195929},
                       Wert{5.0, 0.5636311887040122, 0.4991913819171169}}) {
    EXPECT_NEAR(FresnelC(A, 0, w.x), w.C, 1e-14) << w.x;
    EXPECT_NEAR(FresnelS(A, 0, w.x), w.S, 1e-14) << w.x;
    EXPECT_NEAR(FresnelCIntegration(A, 0, w.x), w.C, 1e-6 * w.C) << w.x;
    EXPECT_NEAR(FresnelSIntegration(A, 0, w.x), w.S, 1e-6 * w.S) << w.x;
  }
  EXPECT_NEAR(FresnelC(2, 4, 4.1), 2 * kWurzelPi * 0.07526959841302762, 1e-14);
  EXPECT_NEAR(FresnelS(2, 4, 4.1), 2 * kWurzelPi * 0.05528250278589955, 1e-14);
}

TEST(Fresnel, RichtungKurzeIntervalleUndAdditivitaet) {
  for (auto f : {FresnelC, FresnelS, FresnelCIntegration, FresnelSIntegration}) {
    EXPECT_NEAR(f(300, 0.7, 0.2), -f(300, 0.2, 0.7), 1e-9);
    EXPECT_NEAR(f(300, 0.1, 0.3) + f(300, 0.3, 0.45), f(300, 0.1, 0.45), 1e-6);
    EXPECT_EQ(f(300, 0.5, 0.5 + 0.9e-6), 0);
    EXPECT_EQ(f(300, 0.25, 0.25 - 0.9e-6), 0);
    EXPECT_NE(f(300, 0.5, 0.5 + 2e-6), 0);
  }
}

TEST(Fresnel, NichtEndlicheEingabenUndRiesigeIntervalleEndenSofort) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto f : {FresnelC, FresnelS, FresnelCIntegration, FresnelSIntegration}) {
    EXPECT_TRUE(std::isnan(f(nan, 0, 1)));
    EXPECT_TRUE(std::isnan(f(1, nan, 1)));
    EXPECT_TRUE(std::isnan(f(1, 0, kInf)));
    EXPECT_TRUE(std::isnan(f(kInf, 0, 1)));
    EXPECT_TRUE(std::isnan(f(1, -1e300, 1e300)));  // t² overflows
    EXPECT_TRUE(std::isfinite(f(1, 0, 1e6)));      // pass limit, not 1e14 evaluations
  }
  // Beyond the series' piece limit the fast evaluation is the quadrature itself.
  EXPECT_EQ(FresnelC(1, 0, 30), FresnelCIntegration(1, 0, 30));
  EXPECT_EQ(FresnelS(1, -30, 2), FresnelSIntegration(1, -30, 2));
}

TEST(Fresnel, SchnelleAuswertungStimmtMitIntegrationUeberein) {
  // Steps as the point computation makes them: A² up to 1e10 (nearly equal radii), the step
  // starting where the curvature |t|/A² is at most 1/150 mm, steps of 0.01 to 20 mm.
  std::mt19937_64 zufall(20240611);
  std::uniform_real_distribution<double> gleich(0, 1);
  double schlimmste = 0;
  for (int i = 0; i < 20000; ++i) {
    const double A2 = std::pow(10, 3.5 + 6.5 * gleich(zufall));
    const double A = std::sqrt(A2);
    const double t0 = (2 * gleich(zufall) - 1) * A2 / 150;
    const double h = i % 4 == 0 ? 0.01 + 5 * gleich(zufall) : 5 + 15 * gleich(zufall);
    const double a = t0 / (A * kWurzelPi), b = (t0 + h) / (A * kWurzelPi);
    schlimmste = std::max(
        {schlimmste, Abweichung(FresnelC(A, a, b), FresnelCIntegration(A, a, b), A, a, b),
         Abweichung(FresnelS(A, a, b), FresnelSIntegration(A, a, b), A, a, b)});
  }
  EXPECT_LT(schlimmste, 1e-6);
}

}  // namespace
}  // namespace trm
