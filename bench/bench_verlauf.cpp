// The undo history: one step recorded through the command layer and taken back, on the
// generated module and on a plan of tracks and turnouts built through the editor; the copy of
// a layout alone; and drag frames of the generated module while the drag's step is open and
// when its first move takes the copy.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/core/SkriptDialoge.h"
#include "Testanlage.h"
#include "core/editor/Maus.h"
#include "core/model/Anlagestand.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Typliste.h"
#include "core/model/Umrechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"
#include "core/turnouts/Weiche.h"

namespace {

using namespace trm;

/// An editor over a layout: the generated module (10 000 segments), or 200 appended tracks
/// with 20 turnouts of the shipped list placed on them.
struct Arbeitsplatz {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  Mausbedienung maus{ed};

  explicit Arbeitsplatz(bool weichenplan) {
    Anlage& a = dok.anlage();
    if (weichenplan) {
      const TTypliste liste =
          TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/stdWListe.w88", ZeilenWeiche);
      for (int i = 1; i < 200; ++i) ed.GleisAnfuegen();
      for (int k = 0; k < 20; ++k) {
        ed.modul()->GleisWaehlen(10 * k + 5);
        ed.gleis()->BogenWaehlen(0);
        ed.ElementEinsetzen(Elementart::Weiche, liste.Satz(1 + static_cast<std::size_t>(k) % liste.Saetze()));
      }
    } else {
      bench::TestanlageEinsetzen(a);
    }
    ModulBerechnen(*ed.modul());
    Aufzeichnung c(1, 1);
    ModulMalen(a, *ed.modul(), c, TAnsicht(*ed.modul()));
    ed.modul()->GleisWaehlen(0);
  }
  bool Pruefen(benchmark::State& state, std::size_t gleise) {
    if (ed.modul()->Gleise.size() != gleise) {
      state.SkipWithError(("Gleise: " + std::to_string(ed.modul()->Gleise.size())).c_str());
      return false;
    }
    return true;
  }
  /// Moves the current track's group by a value, as the start-x field does: one step.
  bool Verschieben(std::int64_t k) { return ed.AnfangXSetzen(k % 2 ? "210,000" : "200,000"); }

  Mausantwort Ereignis(Mausart art, std::int64_t x, std::int64_t y) {
    return maus.Ereignis({art, Maustaste::Links, x, y});
  }
  /// Presses on the start marker of track i; returns its pixel position.
  std::pair<std::int64_t, std::int64_t> Greifen(std::size_t i) {
    const TModul& m = *ed.modul();
    const TGleis& g = *m.Gleise[i];
    const TUmrechnung u(m);
    const TPunkt mitte{(g.AnfP[0].x + g.AnfP[2].x) / 2, (g.AnfP[0].y + g.AnfP[2].y) / 2};
    const std::int64_t x = u.WeltZuPixelX(mitte.x), y = u.WeltZuPixelY(mitte.y);
    Ereignis(Mausart::Druecken, x, y);
    return {x, y};
  }
};

/// One step and its undo: the group of track 0 moved by value through the command layer
/// (layout copy, move, geometry pass, step recorded), then "Rückgängig" (the copy exchanged
/// back, geometry pass). range(0) = 0: the generated module, track 0 alone in its group;
/// 1: the turnout plan, all 240 tracks in one group.
void BM_SchrittUndRueckgaengig(benchmark::State& state) {
  const bool plan = state.range(0) == 1;
  Arbeitsplatz p(plan);
  if (!p.Pruefen(state, plan ? 240 : 2000)) return;
  std::int64_t k = 0;
  for (auto _ : state) {
    if (!p.Verschieben(k++) || !p.ed.Rueckgaengig()) {
      state.SkipWithError("kein Schritt");
      break;
    }
  }
}
BENCHMARK(BM_SchrittUndRueckgaengig)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

/// The copy of the layout that a step keeps, alone.
void BM_StandAufnehmen(benchmark::State& state) {
  Arbeitsplatz p(state.range(0) == 1);
  for (auto _ : state) {
    TAnlagestand s = StandAufnehmen(p.dok.anlage());
    benchmark::DoNotOptimize(s);
  }
  state.counters["Bytes"] = static_cast<double>(StandAufnehmen(p.dok.anlage()).Groesse());
}
BENCHMARK(BM_StandAufnehmen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

/// Drag frames of track 1000 of the generated module with 20 earlier steps in the history, to
/// compare with BM_Ziehen/0 of bench_maus. range(0) = 0: moves within one drag, its step
/// open (the copy was taken by the first move); 1: the first move of a drag, which takes the
/// copy (the press before it and the release and undo after it are not timed).
void BM_ZiehenMitVerlauf(benchmark::State& state) {
  Arbeitsplatz p(false);
  for (std::int64_t k = 0; k < 20; ++k) p.Verschieben(k);
  const bool erster = state.range(0) == 1;
  auto [x, y] = p.Greifen(1000);
  if (!p.maus.ZiehtGleis()) state.SkipWithError("nichts gegriffen");
  std::int64_t k = 0;
  for (auto _ : state) {
    if (erster) {
      state.PauseTiming();
      p.Greifen(1000);
      state.ResumeTiming();
    }
    const std::int64_t s = (k++ % 2) ? 30 : 37;
    auto r = p.Ereignis(Mausart::Bewegen, x + s, y + s);
    benchmark::DoNotOptimize(r);
    if (erster) {
      state.PauseTiming();
      p.Ereignis(Mausart::Loslassen, x + s, y + s);
      if (!p.ed.Rueckgaengig()) state.SkipWithError("kein Schritt");
      state.ResumeTiming();
    }
  }
  state.counters["Schritte"] = static_cast<double>(p.dok.verlauf().AnzahlRueckgaengig());
}
BENCHMARK(BM_ZiehenMitVerlauf)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
