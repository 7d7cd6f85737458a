// Position propagation along successor chains of the generated module: the cost must grow
// linearly with the number of tracks reached.
#include <benchmark/benchmark.h>

#include "Testanlage.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"

namespace {

using namespace trm;

/// The generated module with its first `kette` tracks chained one behind the other.
std::unique_ptr<Anlage> Kette(int kette) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  for (int i = 0; i + 1 < kette; ++i) {
    TGleis* vor = m.Gleise[static_cast<std::size_t>(i)].get();
    TGleis* nach = m.Gleise[static_cast<std::size_t>(i) + 1].get();
    vor->Nachfolger.push_back(nach);
    nach->Vorgaenger = vor;
  }
  ModulBerechnen(m);
  return a;
}

void BM_LageWeitergeben(benchmark::State& state) {
  const int kette = static_cast<int>(state.range(0));
  auto a = Kette(kette);
  TModul& m = *a->Module[0];
  TGleis* erstes = m.Gleise[0].get();
  for (auto _ : state) {
    erstes->SetWAnf(erstes->WAnf() + 1e-6);
    LageWeitergeben(m, erstes);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(kette);
}
BENCHMARK(BM_LageWeitergeben)->RangeMultiplier(2)->Range(250, 2000)->Unit(benchmark::kMillisecond)->Complexity();

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

}  // namespace
