// Tests of the clothoid parameter, steps along transition curves and the Fresnel integrals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "core/model/Klothoide.h"

namespace trm {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;
const double kWurzelPi = std::sqrt(kPi);

// Every point of a walk over the whole curve in steps of `schritt` (the last one shorter).
std::vector<KlothoidenSchritt> Gehen(KlothoidenSchritt p, double L, double schritt, double R1,
                                     double R2) {
  std::vector<KlothoidenSchritt> punkte{p};
  for (double u = 0; u < L - 1e-9; u += schritt) {
    p = KlothoidenPunkt(p.x, p.y, p.wGrad, L, u, std::min(schritt, L - u), R1, R2);
    punkte.push_back(p);
  }
  return punkte;
}

// End of a curve whose curvature runs linearly from 1/R1 to 1/R2, by Simpson's rule on the
// direction θ(s) = θ0 + κ1·s + (κ2 - κ1)·s²/(2L); knows nothing of the ideal clothoid.
KlothoidenSchritt Kurvenende(KlothoidenSchritt p, double L, double R1, double R2) {
  const double k1 = 1 / R1, k2 = 1 / R2, th0 = p.wGrad * kPi / 180;
  const auto theta = [&](double s) { return th0 + k1 * s + (k2 - k1) * s * s / (2 * L); };
  const int n = 4000;
  double sx = 0, sy = 0;
  for (int i = 0; i <= n; ++i) {
    const double g = (i == 0 || i == n) ? 1 : (i % 2 != 0 ? 4 : 2);
    sx += g * std::cos(theta(i * L / n));
    sy += g * std::sin(theta(i * L / n));
  }
  return {p.x + sx * L / (3 * n), p.y + sy * L / (3 * n), theta(L) * 180 / kPi};
}

TEST(KlothoidenA2, HandgerechneteWerte) {
  EXPECT_DOUBLE_EQ(KlothoidenA2(kInf, 500, 100), 50000);
  EXPECT_DOUBLE_EQ(KlothoidenA2(500, -500, 100), 100 / (2.0 / 500));
  EXPECT_DOUBLE_EQ(KlothoidenA2(-500, -1000, 100), 100000);
  EXPECT_DOUBLE_EQ(KlothoidenA2(1e-13, 500, 100), 50000);  // |R| <= 1e-12 is a straight
  EXPECT_EQ(KlothoidenA2(500, 500, 100), 1000000);
  EXPECT_EQ(KlothoidenA2(1e6, 1e6 + 0.5, 100), 1000000);  // curvatures 5e-13 apart
}

TEST(KlothoidenPunkt, VonGeradeAufRadius500) {
  const auto p = Gehen({0, 0, 0}, 100, 10, kInf, 500);
  EXPECT_NEAR(p.back().wGrad, 0.1 * 180 / kPi, 1e-12);  // L²/(2A²) with A² = 50000
  // Clothoid series: x = L(1 - q²/40 + q⁴/3456), y = L(q/6 - q³/336 + q⁵/42240), q = L²/A².
  const double q = 0.2;
  EXPECT_NEAR(p.back().x, 100 * (1 - q * q / 40 + q * q * q * q / 3456), 2e-8);
  EXPECT_NEAR(p.back().y, 100 * (q / 6 - q * q * q / 336 + q * q * q * q * q / 42240), 2e-8);
  const KlothoidenSchritt q0 = KlothoidenPunkt(3, 4, 30, 0, 0, 0, 500, -500);  // length 0
  EXPECT_TRUE(q0.x == 3 && q0.y == 4 && q0.wGrad == 30);
}

TEST(KlothoidenPunkt, SKurveWendetInDerMitte) {
  // 500 → -500 over 200 mm: curvature 0 at 100 mm, where the direction peaks at +0.1 rad.
  const auto p = Gehen({10, 20, 15}, 200, 10, 500, -500);
  ASSERT_EQ(p.size(), 21u);
  const auto spitze =
      std::max_element(p.begin(), p.end(), [](auto& a, auto& b) { return a.wGrad < b.wGrad; });
  EXPECT_EQ(spitze - p.begin(), 10);
  EXPECT_NEAR(p[10].wGrad, 15 + 0.1 * 180 / kPi, 1e-11);
  for (int i = 0; i <= 20; ++i) EXPECT_NEAR(p[i].wGrad, p[20 - i].wGrad, 1e-11);
  EXPECT_NEAR(p[10].x, (p[0].x + p[20].x) / 2, 1e-9);  // point-symmetric about the middle
  EXPECT_NEAR(p[10].y, (p[0].y + p[20].y) / 2, 1e-9);
}

struct Kurve {
  double R1, R2, L;
};

class KlothoidenKurve : public ::testing::TestWithParam<Kurve> {};

TEST_P(KlothoidenKurve, EndeWieNumerischeIntegration) {
  const Kurve k = GetParam();
  const KlothoidenSchritt start{120, -40, 37};
  const KlothoidenSchritt soll = Kurvenende(start, k.L, k.R1, k.R2);
  for (double schritt : {10.0, 7.3}) {
    const KlothoidenSchritt ist = Gehen(start, k.L, schritt, k.R1, k.R2).back();
    EXPECT_NEAR(ist.x, soll.x, 1e-6) << schritt;
    EXPECT_NEAR(ist.y, soll.y, 1e-6) << schritt;
    EXPECT_NEAR(ist.wGrad, soll.wGrad, 1e-9) << schritt;
  }
}

INSTANTIATE_TEST_SUITE_P(Klothoide, KlothoidenKurve,
                         ::testing::Values(Kurve{kInf, 500, 100}, Kurve{-500, kInf, 300},
                                           Kurve{1000, 500, 250}, Kurve{500, 1000, 250},
                                           Kurve{-1000, -500, 400}, Kurve{-500, -1000, 400},
                                           Kurve{-300, 600, 150}, Kurve{kInf, 2000, 2000},
                                           Kurve{600, 600.01, 100}));

TEST(Fresnel, BekannteWerte) {
  const double A = 1 / kWurzelPi;  // the standard C(x) and S(x)
  for (const auto [x, C, S] : {std::array{0.5, 0.4923442258714464, 0.0647324328599993},
                               std::array{1.0, 0.7798934003768228, 0.4382591473903548},
                               std::array{5.0, 0.5636311887040122, 0.4991913819171169}}) {
    EXPECT_NEAR(FresnelC(A, 0, x), C, 1e-14) << x;
    EXPECT_NEAR(FresnelS(A, 0, x), S, 1e-14) << x;
    EXPECT_NEAR(FresnelCIntegration(A, 0, x), C, 1e-6 * C) << x;
    EXPECT_NEAR(FresnelSIntegration(A, 0, x), S, 1e-6 * S) << x;
  }
}

TEST(Fresnel, RandfaelleEndenSofort) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto f : {FresnelC, FresnelS, FresnelCIntegration, FresnelSIntegration}) {
    EXPECT_EQ(f(300, 0.7, 0.2), -f(300, 0.2, 0.7));
    EXPECT_EQ(f(300, 0.5, 0.5 + 0.9e-6), 0);
    EXPECT_NE(f(300, 0.5, 0.5 + 2e-6), 0);
    EXPECT_TRUE(std::isnan(f(nan, 0, 1)) && std::isnan(f(1, 0, kInf)));
    EXPECT_TRUE(std::isnan(f(1, -1e300, 1e300)));  // t² overflows
    EXPECT_TRUE(std::isfinite(f(1, 0, 1e6)));      // pass limit, not 1e14 evaluations
  }
  // Beyond the series' piece limit the fast evaluation is the quadrature itself.
  EXPECT_EQ(FresnelC(1, 0, 30), FresnelCIntegration(1, 0, 30));
}

TEST(Fresnel, SchnelleAuswertungStimmtMitIntegrationUeberein) {
  // Steps as curves make them: A² up to 1e10 (nearly equal radii), curvature |t|/A² at most
  // 1/150 mm, steps of 0.01 to 20 mm. Agreement is relative 1e-6, measured against at least
  // 1e-4 of the chord |b - a|·A·√π: both evaluations round the phase π t²/2 (up to 1e5 here),
  // which leaves noise of ~1e-11 chord on a component far below it.
  std::mt19937_64 zufall(20240611);
  std::uniform_real_distribution<double> gleich(0, 1);
  for (int i = 0; i < 20000; ++i) {
    const double A2 = std::pow(10, 3.5 + 6.5 * gleich(zufall)), A = std::sqrt(A2);
    const double t0 = (2 * gleich(zufall) - 1) * A2 / 150;
    const double h = i % 4 == 0 ? 0.01 + 5 * gleich(zufall) : 5 + 15 * gleich(zufall);
    const double a = t0 / (A * kWurzelPi), b = (t0 + h) / (A * kWurzelPi);
    const double boden = 1e-4 * h;
    const double C = FresnelCIntegration(A, a, b), S = FresnelSIntegration(A, a, b);
    ASSERT_NEAR(FresnelC(A, a, b), C, 1e-6 * std::max(std::abs(C), boden)) << A << " " << a;
    ASSERT_NEAR(FresnelS(A, a, b), S, 1e-6 * std::max(std::abs(S), boden)) << A << " " << a;
  }
}

}  // namespace
}  // namespace trm
