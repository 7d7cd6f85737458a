// The geometry of each element kind: 100 turnouts, crossings, single slips, double slips and
// turntables of the shipped lists, each placed on a track of its own, computed again from their
// values (every element rebuilt and placed, every track computed).
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/core/SkriptDialoge.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/editor/Editor.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Typliste.h"
#include "core/model/Listenart.h"
#include "core/turnouts/DrehscheibenBefehle.h"
#include "core/turnouts/Drehscheibenliste.h"
#include "core/turnouts/Weichenliste.h"

namespace {

using namespace trm;

struct Elementplan {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  std::vector<TElement*> elemente;

  Elementplan(Elementart art, const char* datei, const TListenart& listenart) {
    const TTypliste liste =
        TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/" + datei, listenart.satzlaenge, listenart.kopfzeilen);
    for (int i = 1; i < 500; ++i) ed.GleisAnfuegen();
    for (int k = 0; k < 100; ++k) {
      ed.modul()->GleisWaehlen(5 * k + 2);
      ed.gleis()->BogenWaehlen(0);
      const Zeilen satz = liste.Satz(1 + static_cast<std::size_t>(k) % liste.Saetze());
      // A turntable is placed at the end of the current track by its own command.
      if (art == Elementart::Drehscheibe)
        DrehscheibeEinsetzen(ed, satz);
      else
        ed.ElementEinsetzen(art, satz);
    }
    for (TElement* e : ed.modul()->ElementeDerArt(art)) elemente.push_back(e);
    ModulBerechnen(*ed.modul());
  }
};

void Neuberechnen(benchmark::State& state, Elementart art, const char* datei, const TListenart& listenart) {
  Elementplan p(art, datei, listenart);
  for (auto _ : state) {
    for (TElement* e : p.elemente) e->VomAnfangBerechnen();
    ModulBerechnen(*p.ed.modul());
  }
  state.counters["Elemente"] = static_cast<double>(p.elemente.size());
}

void BM_Weichen(benchmark::State& s) {
  Neuberechnen(s, Elementart::Weiche, "stdWListe.w88", ListeWeichen);
}
void BM_Kreuzungen(benchmark::State& s) {
  Neuberechnen(s, Elementart::Kreuzung, "stdKrListe.k88", ListeKreuzungen);
}
void BM_EKW(benchmark::State& s) { Neuberechnen(s, Elementart::EKW, "stdEKWListe.e88", ListeEKW); }
void BM_DKW(benchmark::State& s) { Neuberechnen(s, Elementart::DKW, "stdDKWListe.d88", ListeDKW); }
void BM_Drehscheiben(benchmark::State& s) {
  Neuberechnen(s, Elementart::Drehscheibe, "stdDSListe.ds", ListeDrehscheiben);
}
BENCHMARK(BM_Weichen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Kreuzungen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EKW)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DKW)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drehscheiben)->Unit(benchmark::kMicrosecond);

}  // namespace
