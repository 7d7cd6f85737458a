// Printing and the parts list over the generated module: one printed sheet with every option
// on the recording canvas, against the screen drawing of the whole module as the baseline, and
// the parts list of the layout.
#include <benchmark/benchmark.h>

#include "Testanlage.h"
#include "core/model/Neuberechnung.h"
#include "core/output/Blattaufteilung.h"
#include "core/output/Druckblatt.h"
#include "core/output/Stueckliste.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"

namespace {

using namespace trm;

void BM_BildschirmModul(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  m.MmProPixel = 2;
  ModulBerechnen(m);
  for (auto _ : state) {
    Aufzeichnung c(static_cast<std::int32_t>(TAnsicht::ZeichnungBreite(m)), static_cast<std::int32_t>(TAnsicht::ZeichnungHoehe(m)));
    ModulMalen(*a, m, c, TAnsicht(m));
    benchmark::DoNotOptimize(c.befehle.size());
  }
}
BENCHMARK(BM_BildschirmModul)->Unit(benchmark::kMillisecond);

/// Every sheet of the module at 1 : 10 (A4 at 600 dpi), all options on.
void BM_AlleBlaetter1zu10(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  ModulBerechnen(m);
  TDruckoptionen o;
  o.schwellen = o.trasse = o.bogenname = o.bogenradius = o.hoehen = o.farbig = true;
  const std::int32_t w = 4724, h = 6780;  // 200 x 287 mm at 600 dpi
  const TBlattaufteilung t = Blaetter(m.Breite, m.Hoehe, 10, 200, 287);
  for (auto _ : state) {
    std::size_t n = 0;
    for (std::int64_t k = 1; k <= t.Anzahl(); ++k) {
      Aufzeichnung c(w, h);
      BlattZeichnen(*a, m, o, TDrucktransform(600, 600, 10, w, h, BlattLage(k, t.spalten)), k, c);
      n += c.befehle.size();
    }
    benchmark::DoNotOptimize(n);
  }
  state.counters["Blaetter"] = static_cast<double>(t.Anzahl());
}
BENCHMARK(BM_AlleBlaetter1zu10)->Unit(benchmark::kMillisecond);

void BM_Stueckliste(benchmark::State& state) {
  auto a = bench::Testanlage();
  for (auto& m : a->Module) ModulBerechnen(*m);
  for (auto _ : state) {
    TStueckliste s = StuecklisteAufbauen(*a);
    benchmark::DoNotOptimize(StuecklisteCSV(s).size());
  }
}
BENCHMARK(BM_Stueckliste)->Unit(benchmark::kMillisecond);

}  // namespace
