// Recompute, write and read of the generated 2,000-track module with 10,000 segments.
#include <benchmark/benchmark.h>

#include "Testanlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Textdatei.h"

namespace {

using namespace trm;

void BM_PunkteBerechnen(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  ModulBerechnen(m);
  std::size_t punkte = 0;
  for (const auto& g : m.Gleise)
    for (const auto& b : g->Boegen) punkte += b->Spurpunkte.size();
  double dx = 1e-3;
  for (auto _ : state) {
    for (auto& g : m.Gleise) g->XAnf += (dx = -dx);  // every track must be computed again
    ModulBerechnen(m);
    benchmark::ClobberMemory();
  }
  state.counters["Punkte"] = static_cast<double>(punkte);
}
BENCHMARK(BM_PunkteBerechnen)->Unit(benchmark::kMillisecond);

void BM_Schreiben(benchmark::State& state) {
  auto a = bench::Testanlage();
  ModulBerechnen(*a->Module[0]);
  std::size_t bytes = 0;
  for (auto _ : state) {
    Zeilen z;
    AnlageSchreiben(*a, z);
    const std::string text = ZeilenInText(z);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["Bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Schreiben)->Unit(benchmark::kMillisecond);

/// The same lines as saving writes them: record by record into blocks of bytes.
void BM_SchreibenInBloecke(benchmark::State& state) {
  auto a = bench::Testanlage();
  ModulBerechnen(*a->Module[0]);
  std::size_t bytes = 0;
  for (auto _ : state) {
    Textbloecke text;
    Zeilen z;
    AnlageSchreiben(*a, z, [&text](Zeilen& satz) { text.Uebernehmen(satz); });
    text.Uebernehmen(z);
    bytes = 0;
    for (const std::string& b : text.Bloecke()) bytes += b.size();
    benchmark::DoNotOptimize(text.Bloecke().data());
  }
  state.counters["Bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SchreibenInBloecke)->Unit(benchmark::kMillisecond);

void BM_Lesen(benchmark::State& state) {
  auto a = bench::Testanlage();
  const std::string text = ZeilenInText(AnlageZeilen(*a));
  for (auto _ : state) {
    auto b = AnlageAusZeilen(TextInZeilen(text), "/tmp/", std::make_shared<MersenneZufall>(1));
    benchmark::DoNotOptimize(b.get());
  }
}
BENCHMARK(BM_Lesen)->Unit(benchmark::kMillisecond);

/// Opening the file as the program does: its bytes from disk (the page cache after the first
/// time), split into lines in one buffer, read and checked.
void BM_Laden(benchmark::State& state) {
  auto a = bench::Testanlage();
  const std::string pfad = "/tmp/trassomatic-bench-laden.m88";
  AnlageSpeichern(*a, pfad);
  for (auto _ : state) {
    auto b = AnlageLaden(pfad, "/tmp/", std::make_shared<MersenneZufall>(1));
    benchmark::DoNotOptimize(b.get());
  }
}
BENCHMARK(BM_Laden)->Unit(benchmark::kMillisecond);

/// The same module with its first 1,000 tracks chained into one link group: every one of
/// them names all 1,000 in its group line, so reading rebuilds a million links.
void BM_LesenVerbunden(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  for (std::size_t i = 0; i + 1 < 1000; ++i) {
    m.Gleise[i]->Nachfolger.push_back(m.Gleise[i + 1].get());
    m.Gleise[i + 1]->Vorgaenger = m.Gleise[i].get();
  }
  for (std::size_t i = 0; i < 1000; ++i) {
    m.Gleise[i]->Verbund.clear();
    for (std::size_t k = 0; k < 1000; ++k) m.Gleise[i]->Verbund.push_back(m.Gleise[(i + k) % 1000].get());
  }
  const std::string text = ZeilenInText(AnlageZeilen(*a));
  for (auto _ : state) {
    auto b = AnlageAusZeilen(TextInZeilen(text), "/tmp/", std::make_shared<MersenneZufall>(1));
    benchmark::DoNotOptimize(b.get());
  }
  state.counters["Bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LesenVerbunden)->Unit(benchmark::kMillisecond);

}  // namespace
