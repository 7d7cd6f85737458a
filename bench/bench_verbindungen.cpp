// Position propagation, release and group building along successor chains of the generated
// module: the cost must grow linearly with the number of tracks reached (a group of n tracks
// holds n lists of n entries, so building it is linear in what it writes).
#include <benchmark/benchmark.h>

#include "Testanlage.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Pruefung.h"
#include "core/model/Verbindungen.h"

namespace {

using namespace trm;

/// The generated module with its first `kette` tracks chained one behind the other; with
/// `gruppe`, the chain is one link group.
std::unique_ptr<Anlage> Kette(int kette, bool gruppe = false) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  for (int i = 0; i + 1 < kette; ++i) {
    TGleis* vor = m.Gleise[static_cast<std::size_t>(i)].get();
    TGleis* nach = m.Gleise[static_cast<std::size_t>(i) + 1].get();
    vor->Nachfolger.push_back(nach);
    nach->Vorgaenger = vor;
  }
  if (gruppe) VerbundAufbauen(m, m.Gleise[0].get());
  ModulBerechnen(m);
  return a;
}

void Weitergeben(benchmark::State& state, bool gruppe) {
  const int kette = static_cast<int>(state.range(0));
  auto a = Kette(kette, gruppe);
  TModul& m = *a->Module[0];
  TGleis* erstes = m.Gleise[0].get();
  for (auto _ : state) {
    erstes->SetWAnf(erstes->WAnf() + 1e-6);
    LageWeitergeben(m, erstes);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(kette);
}

void BM_LageWeitergeben(benchmark::State& state) { Weitergeben(state, false); }
BENCHMARK(BM_LageWeitergeben)->RangeMultiplier(2)->Range(250, 2000)->Unit(benchmark::kMillisecond)->Complexity();

/// The same along a chain that is one link group.
void BM_LageWeitergebenGruppe(benchmark::State& state) { Weitergeben(state, true); }
BENCHMARK(BM_LageWeitergebenGruppe)->Arg(2000)->Unit(benchmark::kMillisecond);

/// Release and rebuild of the chain's group ("Gleis lösen" on its first track).
void BM_VerbundAufbauen(benchmark::State& state) {
  const int kette = static_cast<int>(state.range(0));
  auto a = Kette(kette);
  TModul& m = *a->Module[0];
  for (auto _ : state) {
    GleisLoesen(m, m.Gleise[0].get());
    VerbundAufbauen(m, m.Gleise[0].get());
  }
  state.SetComplexityN(kette);
}
BENCHMARK(BM_VerbundAufbauen)->RangeMultiplier(2)->Range(250, 2000)->Unit(benchmark::kMillisecond)->Complexity();

/// The rebuild alone: the grouped chain is released outside the measured time.
void BM_VerbundAufbauenGruppe(benchmark::State& state) {
  auto a = Kette(static_cast<int>(state.range(0)), true);
  TModul& m = *a->Module[0];
  for (auto _ : state) {
    state.PauseTiming();
    GleisLoesen(m, m.Gleise[0].get());
    state.ResumeTiming();
    VerbundAufbauen(m, m.Gleise[0].get());
  }
}
BENCHMARK(BM_VerbundAufbauenGruppe)->Arg(2000)->Unit(benchmark::kMillisecond);

/// The structure validator on the module whose first n tracks form one link group (each of
/// them lists all n): its group checks must grow with the n² entries, not faster.
void BM_PruefenEineGruppe(benchmark::State& state) {
  auto a = Kette(static_cast<int>(state.range(0)), true);
  std::size_t fehler = 0;
  for (auto _ : state) {
    fehler = VerbindungenPruefen(*a, false).size();
    benchmark::DoNotOptimize(fehler);
  }
  state.counters["Fehler"] = static_cast<double>(fehler);
  state.counters["Eintraege"] = static_cast<double>(state.range(0) * state.range(0));
}
BENCHMARK(BM_PruefenEineGruppe)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
