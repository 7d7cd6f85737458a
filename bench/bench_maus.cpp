// Mouse work on the generated module: one drag move (the group follows the mouse, then the
// alignment search runs over every segment), the search alone, the pick of a press and a
// hover move.
#include <benchmark/benchmark.h>

#include "../tests/core/SkriptDialoge.h"
#include "Testanlage.h"
#include "core/base/Ausrichten.h"
#include "core/editor/Maus.h"
#include "core/editor/Treffer.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"

namespace {

using namespace trm;

/// An editor over the generated module, computed and drawn once (the start markers).
struct Arbeitsplatz {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  Mausbedienung maus{ed};
  TModul* m = nullptr;

  Arbeitsplatz() {
    m = &bench::TestanlageEinsetzen(dok.anlage());
    Aufzeichnung c(1, 1);
    ModulMalen(dok.anlage(), *m, c, TAnsicht(*m));
  }
  Mausantwort Ereignis(Mausart art, std::int64_t x, std::int64_t y) {
    return maus.Ereignis({art, Maustaste::Links, x, y});
  }
  /// Presses on the start marker of track i; returns its pixel position.
  std::pair<std::int64_t, std::int64_t> Greifen(std::size_t i) {
    const TGleis& g = *m->Gleise[i];
    const TUmrechnung u(*m);
    const TPunkt mitte{(g.AnfP[0].x + g.AnfP[2].x) / 2, (g.AnfP[0].y + g.AnfP[2].y) / 2};
    const std::int64_t x = u.WeltZuPixelX(mitte.x), y = u.WeltZuPixelY(mitte.y);
    Ereignis(Mausart::Druecken, x, y);
    return {x, y};
  }
};

/// Drag moves of track 1000 back and forth between two mouse positions. range(0) = 0: near its
/// own place (candidates all around, the search ends early); 1: far outside the module (no
/// candidate, every segment end is compared with every own point).
void BM_Ziehen(benchmark::State& state) {
  Arbeitsplatz p;
  auto [x, y] = p.Greifen(1000);
  if (!p.maus.ZiehtGleis()) state.SkipWithError("nichts gegriffen");
  if (state.range(0) == 1) {
    x -= 20000;
    y += 20000;
  }
  std::int64_t k = 0;
  for (auto _ : state) {
    const std::int64_t s = (k++ % 2) ? 30 : 37;
    auto r = p.Ereignis(Mausart::Bewegen, x + s, y + s);
    benchmark::DoNotOptimize(r);
  }
  state.counters["Kandidat"] = p.maus.Kandidat() ? 1 : 0;
}
BENCHMARK(BM_Ziehen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

/// The alignment search alone for track 1000, moved far outside so that nothing is found.
void BM_AusrichtungSuchen(benchmark::State& state) {
  Arbeitsplatz p;
  TGleis& g = *p.m->Gleise[1000];
  g.XAnf = -40000;
  g.YAnf = -40000;
  g.PunkteBerechnen();
  const auto eigene = EigenePunkte(*p.m, g);
  for (auto _ : state) {
    auto a = AusrichtungSuchen(*p.m, g, eigene, {}, StdFangabstand);
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(BM_AusrichtungSuchen)->Unit(benchmark::kMicrosecond);

/// The pick of a press: every start marker and every point of the module is tested.
void BM_GleisTreffen(benchmark::State& state) {
  Arbeitsplatz p;
  for (auto _ : state) {
    auto t = GleisTreffen(*p.m, 10000, 5000);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(BM_GleisTreffen)->Unit(benchmark::kMicrosecond);

/// A hover move without a button: the pick of the track under the mouse and its status text.
void BM_Schweben(benchmark::State& state) {
  Arbeitsplatz p;
  const auto [x, y] = p.Greifen(1000);
  p.Ereignis(Mausart::Loslassen, x, y);
  std::int64_t k = 0;
  for (auto _ : state) {
    auto r = p.Ereignis(Mausart::Bewegen, x + (k++ % 2), y);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_Schweben)->Unit(benchmark::kMicrosecond);

/// For comparison: the geometry step of the redraw that the widget runs after every drag move.
void BM_Neuberechnen(benchmark::State& state) {
  Arbeitsplatz p;
  for (auto _ : state) {
    ModulBerechnen(*p.m);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Neuberechnen)->Unit(benchmark::kMicrosecond);

}  // namespace
