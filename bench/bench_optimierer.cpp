// The optimiser over 100 reachable targets per chain length (fixed seeds): success rate, median
// and worst time of a run and the worst final miss, as counters. And the cost of one objective
// evaluation (the chain's end only) against a full recompute of the track.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>

#include "core/model/Anlage.h"
#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/optimiser/OptiLauf.h"

namespace trm::bench {
namespace {

struct Stueck {
  double laenge, r0, r1;
  bool starr = true, lfix = false, rfix = false;
};

/// A track of a lead-in straight followed by the chain pieces (and a lead-out straight).
std::unique_ptr<Anlage> Plan(const std::vector<Stueck>& kette, TGleis*& g) {
  auto a = std::make_unique<Anlage>(std::make_shared<MersenneZufall>(1));
  TModul* m = a->ModulAnhaengen();
  a->ModulWaehlen(0);
  g = m->GleisAnhaengen();
  g->Eigen.MaxKruemmung = 1.0 / 300;
  g->Eigen.SwAbst = 10;
  auto anhaengen = [&](const Stueck& s) {
    auto b = std::make_unique<TBogen>();
    b->SetLaenge(s.laenge);
    b->SetAnfRadius(s.r0);
    b->SetEndRadius(s.r1);
    b->Starr = s.starr;
    b->LFix = s.lfix;
    b->RFix = s.rfix;
    g->BogenAnhaengen(std::move(b));
  };
  anhaengen({100, 0, 0, true, true, true});
  for (const Stueck& s : kette) anhaengen(s);
  anhaengen({100, 0, 0, true, true, true});
  g->PunkteBerechnen();
  return a;
}

std::vector<Stueck> Kette(int n) {
  switch (n) {
    case 2:
      return {{300, 600, 600}, {200, 0, 0, true, false, true}};
    case 3:
      return {{150, 0, 0, true, false, true}, {300, 500, 500}, {0, 0, 0, false}};
    default:
      return {{150, 0, 0, true, false, true}, {80, 0, 0, false}, {250, 500, 500}, {80, 0, 0, false},
              {200, -700, -700, true, true}, {150, 0, 0, true, false, true}};
  }
}

void BM_Optimieren(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<Stueck> stuecke = Kette(n);
  if (n == 3) stuecke[2].laenge = 120;  // flexible: a transition curve out of the arc
  double erfolg = 0, suche = 0, schlechteste = 0, median = 0, verfehlt = 0, poliert = 0;
  for (auto _ : state) {
    std::vector<double> zeiten;
    erfolg = suche = verfehlt = poliert = 0;
    for (int fall = 0; fall < 100; ++fall) {
      TGleis* g = nullptr;
      auto a = Plan(stuecke, g);
      TOptiKette kette(*g, 1, stuecke.size());
      kette.ParameterZaehlen();
      const TVector start = kette.Aktuell();
      // A reachable target: the end of the chain with every free value moved at random.
      std::mt19937_64 z(1000 + fall);
      TVector v = start;
      for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = kette.IstLaenge(i) ? v[i] * std::uniform_real_distribution<double>(0.7, 1.3)(z)
                                  : std::uniform_real_distribution<double>(-0.8, 0.8)(z) / 300;
      kette.Anwenden(v, false);
      const TBogen& e = *kette.Boegen().back();
      const TOptiZielwerte ziel{e.XEnde, e.YEnde, e.WEnde * 180 / 3.141592653589793};
      kette.Anwenden(start, false);
      std::mt19937_64 zufall(fall);
      const auto t0 = std::chrono::steady_clock::now();
      const TOptiErgebnis r = OptiLauf(kette, ziel, zufall);
      zeiten.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
      const TAbweichung d = kette.Abweichung(ziel);
      const double miss = std::max(std::hypot(d.dx, d.dy), std::fabs(d.dw));
      if (r.wert <= 1e-4) erfolg += 1;
      if (r.wertVorPolitur <= 1e-4) suche += 1;
      if (r.wertVorPolitur > 1e-12 && r.wert < r.wertVorPolitur) poliert += 1;
      verfehlt = std::max(verfehlt, miss);
    }
    std::sort(zeiten.begin(), zeiten.end());
    median = (zeiten[49] + zeiten[50]) / 2;
    schlechteste = zeiten.back();
  }
  state.counters["erfolg_prozent"] = erfolg;
  state.counters["erfolg_suche_allein"] = suche;
  state.counters["median_ms"] = median;
  state.counters["schlechteste_ms"] = schlechteste;
  state.counters["groesster_fehler"] = verfehlt;
  state.counters["politur_half"] = poliert;
}
BENCHMARK(BM_Optimieren)->Arg(2)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond)->Iterations(1);

/// One objective evaluation: the chain's end only, against the whole track recomputed.
void BM_Zielwert(benchmark::State& state) {
  TGleis* g = nullptr;
  std::vector<Stueck> lang = Kette(3);
  lang[2].laenge = 120;
  for (int i = 0; i < 20; ++i) lang.push_back({200, i % 2 ? 800.0 : 0.0, i % 2 ? 800.0 : 0.0, true, true, true});
  auto a = Plan(lang, g);
  TOptiKette kette(*g, 1, 3);
  kette.ParameterZaehlen();
  const TVector v = kette.Aktuell();
  const TOptiZielwerte ziel{0, 0, 0};
  const bool voll = state.range(0) == 1;
  for (auto _ : state) {
    if (voll) {
      kette.Anwenden(v, true);
      g->PunkteBerechnen();
      benchmark::DoNotOptimize(g->XEnde());
    } else {
      benchmark::DoNotOptimize(kette.Ziel(v, ziel));
    }
  }
}
BENCHMARK(BM_Zielwert)->Arg(0)->Arg(1);

}  // namespace
}  // namespace trm::bench
