// Turnout sleepers: the geometry pass of a module of 100 turnouts of the shipped list (whose
// tracks are unchanged, so that the turnouts' placement and sleepers are most of it) against
// the sleepers alone (automatic plan, centre points, outlines) of the same turnouts.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/core/SkriptDialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Weiche.h"

namespace {

using namespace trm;

struct Weichenplan {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  std::vector<TEWeiche*> weichen;

  Weichenplan() {
    const TTypliste liste =
        TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/stdWListe.w88", ZeilenWeiche);
    for (int i = 1; i < 500; ++i) ed.GleisAnfuegen();
    for (int k = 0; k < 100; ++k) {
      ed.modul()->GleisWaehlen(5 * k + 2);
      ed.gleis()->BogenWaehlen(0);
      ed.ElementEinsetzen(Elementart::Weiche, liste.Satz(1 + static_cast<std::size_t>(k) % liste.Saetze()));
    }
    for (TElement* e : ed.modul()->ElementeDerArt(Elementart::Weiche))
      weichen.push_back(static_cast<TEWeiche*>(e));
    ModulBerechnen(*ed.modul());
  }
};

void BM_ModulBerechnenMitWeichen(benchmark::State& state) {
  Weichenplan p;
  for (auto _ : state) ModulBerechnen(*p.ed.modul());
  state.counters["Weichen"] = static_cast<double>(p.weichen.size());
}
BENCHMARK(BM_ModulBerechnenMitWeichen)->Unit(benchmark::kMicrosecond);

void BM_Schwellen(benchmark::State& state) {
  Weichenplan p;
  std::size_t schwellen = 0;
  for (auto _ : state)
    for (TEWeiche* w : p.weichen) {
      w->SchwellenplanBerechnen();
      w->SchwellenpunkteBerechnen();
      schwellen = w->SwPolygone.size();
    }
  benchmark::DoNotOptimize(schwellen);
}
BENCHMARK(BM_Schwellen)->Unit(benchmark::kMicrosecond);

}  // namespace
