// The geometry of each element kind: 100 turnouts, crossings, single slips, double slips and
// turntables of the shipped lists, each placed on a track of its own, computed again from their
// values (every element rebuilt and placed, every track computed).
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/core/SkriptDialoge.h"
#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/editor/Editor.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/Weiche.h"

namespace {

using namespace trm;

struct Elementplan {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  std::vector<TElement*> elemente;

  Elementplan(Elementart art, const char* datei, std::size_t satzlaenge) {
    const TTypliste liste = TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/" + datei, satzlaenge);
    for (int i = 1; i < 500; ++i) ed.GleisAnfuegen();
    for (int k = 0; k < 100; ++k) {
      ed.modul()->GleisWaehlen(5 * k + 2);
      ed.gleis()->BogenWaehlen(0);
      ed.ElementEinsetzen(art, liste.Satz(1 + static_cast<std::size_t>(k) % liste.Saetze()));
    }
    for (TElement* e : ed.modul()->ElementeDerArt(art)) elemente.push_back(e);
    ModulBerechnen(*ed.modul());
  }
};

void Neuberechnen(benchmark::State& state, Elementart art, const char* datei,
                  std::size_t satzlaenge) {
  Elementplan p(art, datei, satzlaenge);
  for (auto _ : state) {
    for (TElement* e : p.elemente) e->VomAnfangBerechnen();
    ModulBerechnen(*p.ed.modul());
  }
  state.counters["Elemente"] = static_cast<double>(p.elemente.size());
}

void BM_Weichen(benchmark::State& s) {
  Neuberechnen(s, Elementart::Weiche, "stdWListe.w88", ZeilenWeiche);
}
void BM_Kreuzungen(benchmark::State& s) {
  Neuberechnen(s, Elementart::Kreuzung, "stdKrListe.k88", ZeilenKreuzung);
}
void BM_EKW(benchmark::State& s) { Neuberechnen(s, Elementart::EKW, "stdEKWListe.e88", ZeilenEKW); }
void BM_DKW(benchmark::State& s) { Neuberechnen(s, Elementart::DKW, "stdDKWListe.d88", ZeilenDKW); }
void BM_Drehscheiben(benchmark::State& s) {
  Neuberechnen(s, Elementart::Drehscheibe, "stdDSListe.ds", ZeilenDrehscheibe);
}
BENCHMARK(BM_Weichen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kreuzungen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EKW)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DKW)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drehscheiben)->Unit(benchmark::kMicrosecond);

}  // namespace
