// Clothoid parameter, steps along a clothoid, and the Fresnel integrals: a short series on
// pieces of the interval for the program, the adaptive quadrature as the reference.
#include "core/model/Klothoide.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace trm {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ∫ cos and ∫ sin of the same interval.
struct CS {
  double c, s;
};

// On a piece with midpoint m and half width d, t = m + d·y turns exp(iπt²/2) into
// exp(iπm²/2)·exp(i(Ωy + By²)) with Ω = πmd, B = πd²/2, and
//   I(Ω, B) = ∫ exp(i(Ωy + By²)) dy over [-1, 1] = Σ_k (iB)^k · Σ_l kKoeff[k][l]·Ω^(2l),
//   kKoeff[k][l] = 2·(-1)^l / ((2l)!·(2l + 2k + 1)·k!)
// (the odd powers of Ω integrate to zero). With |Ω| <= kOmegaMax and B <= π·kDMax²/2 < 0.0125
// the first omitted terms are below 1e-15 of I ≈ 2.
constexpr int kReiheB = 6;
constexpr int kReiheOmega = 5;
constexpr double kOmegaMax = 0.125;
constexpr double kDMax = 0.0892;
// Intervals that need more pieces (far from realistic steps) go to the quadrature.
constexpr double kMaxStuecke = 4096;

constexpr auto kKoeff = [] {
  std::array<std::array<double, kReiheOmega>, kReiheB> c{};
  double kFak = 1;
  for (int k = 0; k < kReiheB; ++k) {
    if (k > 0) kFak *= k;
    double lFak = 1;
    for (int l = 0; l < kReiheOmega; ++l) {
      if (l > 0) lFak *= (2 * l - 1) * (2 * l);
      c[k][l] = (l % 2 != 0 ? -2.0 : 2.0) / (lFak * (2 * l + 2 * k + 1) * kFak);
    }
  }
  return c;
}();

// ∫ exp(iπt²/2) dt over [a, b] with a < b, both finite; false when it would need more than
// kMaxStuecke pieces.
bool FresnelReihe(double a, double b, CS& ergebnis) {
  const double breite = b - a;
  const double weiteste = std::max(std::abs(a), std::abs(b));
  const double n =
      std::ceil(std::max(breite / (2 * kDMax), kPi * weiteste * breite / (2 * kOmegaMax)));
  if (!(n <= kMaxStuecke)) return false;
  const int stuecke = std::max(1, static_cast<int>(n));
  const double d = breite / (2 * stuecke);
  const double B = kPi / 2 * d * d;
  double c = 0;
  double s = 0;
  for (int i = 0; i < stuecke; ++i) {
    const double m = a + (2 * i + 1) * d;
    const double omega = kPi * m * d;
    const double w = omega * omega;
    // Horner in iB over the polynomials in w = Ω².
    double re = 0;
    double im = 0;
    for (int k = kReiheB - 1; k >= 0; --k) {
      const auto& zeile = kKoeff[k];
      double g = zeile[kReiheOmega - 1];
      for (int l = kReiheOmega - 2; l >= 0; --l) g = g * w + zeile[l];
      const double neuRe = g - im * B;
      im = re * B;
      re = neuRe;
    }
    const double phase = kPi / 2 * m * m;
    const double cp = std::cos(phase);
    const double sp = std::sin(phase);
    c += cp * re - sp * im;
    s += sp * re + cp * im;
  }
  ergebnis = {d * c, d * s};
  return true;
}

CS FresnelPaar(double A, double a, double b) {
  if (!std::isfinite(A) || !std::isfinite(a) || !std::isfinite(b)) return {kNaN, kNaN};
  if (std::abs(b - a) <= 1e-6) return {0, 0};
  CS r;
  if (!FresnelReihe(std::min(a, b), std::max(a, b), r)) {
    return {FresnelCIntegration(A, a, b), FresnelSIntegration(A, a, b)};
  }
  const double k = (b < a ? -A : A) * std::sqrt(kPi);
  return {k * r.c, k * r.s};
}

// Passes of the quadrature stop at this many midpoints (2^20), which only intervals far wider
// than a step ever reach; together with the step limit 1e-8 it bounds every call.
constexpr std::int64_t kMaxMitten = std::int64_t{1} << 20;

template <class Trig>
double Integration(double A, double a, double b, Trig trig) {
  if (!std::isfinite(A) || !std::isfinite(a) || !std::isfinite(b)) return kNaN;
  if (std::abs(b - a) <= 1e-6) return 0;
  // Halving towards a with a negative step would stop after the first pass.
  if (b < a) return -Integration(A, b, a, trig);
  const double faktor = A * std::sqrt(kPi);
  const auto f = [&](double t) { return faktor * trig(kPi * t * t / 2); };
  double h = b - a;
  double T = h * (f(a) + f(b));
  double M = 0;
  for (std::int64_t mitten = 1;; mitten *= 2) {
    T = (T + M) / 2;
    double summe = 0;
    for (std::int64_t k = 0; k < mitten; ++k) {
      const double t = a + h / 2 + static_cast<double>(k) * h;
      if (t > b) break;
      summe += f(t);
    }
    M = h * summe;
    const double R = (T + 2 * M) / 3;
    h /= 2;
    if (std::isnan(R)) return R;  // an overflowing phase never recovers
    if (std::abs(T - M) / std::abs(R) < 1e-6 || h < 1e-8 || mitten >= kMaxMitten) return R;
  }
}

template <class Sehne>
KlothoidenSchritt Schritt(double x, double y, double wGrad, double u, double h, const KlothoidenBahn& k,
                          Sehne sehne) {
  const double A2 = k.A2;
  if (h == 0 || !(A2 > 0)) return {x, y, wGrad};
  const double sigma = k.sigma;
  const double t0 = k.ts + u;
  const double t1 = t0 + h;
  const double tau0 = sigma * t0 * t0 / (2 * A2);
  const double tau1 = sigma * t1 * t1 / (2 * A2);
  const double skala = k.skala;
  const CS sehneCS = sehne(k.wurzelA2, t0 / skala, t1 / skala);
  const double C = sehneCS.c;
  const double S = sigma * sehneCS.s;
  // Chord into the frame of the tangent at t0, then into the layout frame.
  const double dx = C * std::cos(tau0) + S * std::sin(tau0);
  const double dy = -C * std::sin(tau0) + S * std::cos(tau0);
  const double w = wGrad * kPi / 180;
  return {x + dx * std::cos(w) - dy * std::sin(w), y + dx * std::sin(w) + dy * std::cos(w),
          wGrad + (tau1 - tau0) * 180 / kPi};
}

}  // namespace

double KlothoidenKruemmung(double R) {
  return (std::abs(R) <= 1e-12 || std::isinf(R)) ? 0.0 : 1.0 / R;
}

bool HatKlothoide(double R1, double R2) {
  return std::abs(KlothoidenKruemmung(R1) - KlothoidenKruemmung(R2)) > 1e-12;
}

double KlothoidenA2(double R1, double R2, double L) {
  const double k1 = KlothoidenKruemmung(R1);
  const double k2 = KlothoidenKruemmung(R2);
  if (!HatKlothoide(R1, R2)) return 1000000;
  if (k1 * k2 >= 0) return L / std::abs(std::abs(k1) - std::abs(k2));
  return L / (std::abs(k1) + std::abs(k2));
}

KlothoidenBahn::KlothoidenBahn(double L, double R1, double R2) : A2(KlothoidenA2(R1, R2, L)) {
  if (!(A2 > 0)) return;
  const double k1 = KlothoidenKruemmung(R1);
  const double k2 = KlothoidenKruemmung(R2);
  sigma = k2 > k1 ? 1.0 : -1.0;
  // Where the segment starts on the ideal clothoid whose curvature is 0 at t = 0.
  if (k1 * k2 >= 0) {
    const double zunahme = std::abs(k2) - std::abs(k1);
    ts = std::abs(k1) * A2 * static_cast<double>((zunahme > 0) - (zunahme < 0));
  } else {
    ts = -std::abs(k1) * A2;
  }
  skala = std::sqrt(kPi * A2);
  wurzelA2 = std::sqrt(A2);
}

KlothoidenSchritt KlothoidenBahn::Punkt(double x, double y, double wGrad, double u, double h) const {
  return Schritt(x, y, wGrad, u, h, *this, FresnelPaar);
}

KlothoidenSchritt KlothoidenPunkt(double x, double y, double wGrad, double L, double u, double h,
                                  double R1, double R2) {
  return KlothoidenBahn(L, R1, R2).Punkt(x, y, wGrad, u, h);
}

KlothoidenSchritt KlothoidenPunktIntegration(double x, double y, double wGrad, double L, double u,
                                             double h, double R1, double R2) {
  return Schritt(x, y, wGrad, u, h, KlothoidenBahn(L, R1, R2), [](double A, double a, double b) {
    return CS{FresnelCIntegration(A, a, b), FresnelSIntegration(A, a, b)};
  });
}

double FresnelC(double A, double a, double b) { return FresnelPaar(A, a, b).c; }

double FresnelS(double A, double a, double b) { return FresnelPaar(A, a, b).s; }

double FresnelCIntegration(double A, double a, double b) {
  return Integration(A, a, b, [](double p) { return std::cos(p); });
}

double FresnelSIntegration(double A, double a, double b) {
  return Integration(A, a, b, [](double p) { return std::sin(p); });
}

}  // namespace trm
