// Fresnel integrals and clothoid walks: the series the program uses against the adaptive
// quadrature, on steps as the point computation of realistic transition curves makes them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "core/model/Klothoide.h"

namespace {

using namespace trm;

struct Kurve {
  double R1, R2, L, schritt;
};

struct Intervall {
  double A, a, b;
};

// 200 transition curves of 100 to 2000 mm with A² from 5e4 to 1e6, radii of at least 150 mm,
// half of them starting from a straight, walked in steps of 5 to 20 mm.
const std::vector<Kurve>& Kurven() {
  static const std::vector<Kurve> kurven = [] {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> gleich(0, 1);
    const auto radius = [](double k) {
      return k == 0 ? std::numeric_limits<double>::infinity() : 1 / k;
    };
    std::vector<Kurve> k;
    while (k.size() < 200) {
      const double A2 = 5e4 * std::pow(20, gleich(zufall));
      const double L = 100 + (std::min(2000.0, A2 / 150) - 100) * gleich(zufall);
      const double k1 = k.size() % 2 == 0 ? 0 : (2 * gleich(zufall) - 1) / 300;
      double k2 = k1 + (gleich(zufall) < 0.5 ? 1 : -1) * L / A2;
      if (std::abs(k2) > 1.0 / 150) k2 = 2 * k1 - k2;
      if (std::abs(k2) > 1.0 / 150) continue;
      k.push_back({radius(k1), radius(k2), L, 5 + 15 * gleich(zufall)});
    }
    return k;
  }();
  return kurven;
}

// The (A, a, b) of every step of every curve, as the clothoid step hands them to the integrals.
const std::vector<Intervall>& Intervalle() {
  static const std::vector<Intervall> intervalle = [] {
    std::vector<Intervall> v;
    for (const Kurve& k : Kurven()) {
      const double A2 = KlothoidenA2(k.R1, k.R2, k.L);
      const double k1 = std::isinf(k.R1) ? 0 : 1 / k.R1;
      const double k2 = std::isinf(k.R2) ? 0 : 1 / k.R2;
      const double ts = (k2 > k1 ? 1 : -1) * k1 * A2;  // curvature 0 at t = 0
      const double skala = std::sqrt(std::numbers::pi * A2);
      for (double u = 0; u < k.L; u += k.schritt) {
        const double h = std::min(k.schritt, k.L - u);
        v.push_back({std::sqrt(A2), (ts + u) / skala, (ts + u + h) / skala});
      }
    }
    return v;
  }();
  return intervalle;
}

template <double (*C)(double, double, double), double (*S)(double, double, double)>
void Fresnel(benchmark::State& state) {
  const auto& intervalle = Intervalle();
  for (auto _ : state) {
    for (const Intervall& i : intervalle) {
      benchmark::DoNotOptimize(C(i.A, i.a, i.b));
      benchmark::DoNotOptimize(S(i.A, i.a, i.b));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(intervalle.size()));
}

template <KlothoidenSchritt (*Punkt)(double, double, double, double, double, double, double,
                                     double)>
void Gehen(benchmark::State& state) {
  const auto& kurven = Kurven();
  int64_t schritte = 0;
  for (auto _ : state) {
    for (const Kurve& k : kurven) {
      KlothoidenSchritt p{0, 0, 0};
      for (double u = 0; u < k.L; u += k.schritt) {
        p = Punkt(p.x, p.y, p.wGrad, k.L, u, std::min(k.schritt, k.L - u), k.R1, k.R2);
        ++schritte;
      }
      benchmark::DoNotOptimize(p);
    }
  }
  state.SetItemsProcessed(schritte);
}

// C and S of one step each.
BENCHMARK(Fresnel<FresnelCIntegration, FresnelSIntegration>)->Name("Fresnel/Integration");
BENCHMARK(Fresnel<FresnelC, FresnelS>)->Name("Fresnel/Reihe");
// Whole curves point by point.
BENCHMARK(Gehen<KlothoidenPunktIntegration>)->Name("KlothoideGehen/Integration");
BENCHMARK(Gehen<KlothoidenPunkt>)->Name("KlothoideGehen/Reihe");

}  // namespace
