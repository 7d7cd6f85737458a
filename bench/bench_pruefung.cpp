// The layout check over the generated module of 10 000 segments: the whole check, and the
// check after one command (one track moved) that reuses what it knew of the others.
#include <benchmark/benchmark.h>

#include "Testanlage.h"
#include "core/check/Anlagenpruefung.h"
#include "core/model/Neuberechnung.h"

namespace {

using namespace trm;

/// The generated module with the settings of an H0 layout (the shipped settings file's).
std::unique_ptr<Anlage> H0Anlage() {
  auto a = bench::Testanlage();
  a->Werte = {7.2, 3, 16.5, 30, 44, 46, 18.2, 0.0025};
  a->Massstab = 87;
  ModulBerechnen(*a->Module[0]);
  return a;
}

/// For comparison in the same run: the geometry pass of the whole module, which every
/// command runs before the check.
void BM_GeometrieGanz(benchmark::State& state) {
  auto a = H0Anlage();
  double dx = 1e-3;
  for (auto _ : state) {
    for (auto& g : a->Module[0]->Gleise) g->XAnf += (dx = -dx);
    ModulBerechnen(*a->Module[0]);
  }
}
BENCHMARK(BM_GeometrieGanz)->Unit(benchmark::kMillisecond);

void BM_PruefungGanz(benchmark::State& state) {
  auto a = H0Anlage();
  const TPruefregeln r;
  std::size_t befunde = 0;
  for (auto _ : state) befunde = AnlagePruefen(*a, r).size();
  state.counters["Befunde"] = static_cast<double>(befunde);
}
BENCHMARK(BM_PruefungGanz)->Unit(benchmark::kMillisecond);

void BM_PruefungNachBefehl(benchmark::State& state) {
  auto a = H0Anlage();
  TModul& m = *a->Module[0];
  const TPruefregeln r;
  TAnlagenpruefung p;
  p.Pruefen(*a, r);
  TGleis& g = *m.Gleise[1000];
  double dx = 5;
  for (auto _ : state) {
    // The command: one track moved (as a drag's step does); its points computed again.
    state.PauseTiming();
    g.XAnf += (dx = -dx);
    g.PunkteBerechnen();
    state.ResumeTiming();
    benchmark::DoNotOptimize(p.Pruefen(*a, r));
  }
}
BENCHMARK(BM_PruefungNachBefehl)->Unit(benchmark::kMillisecond);

}  // namespace
