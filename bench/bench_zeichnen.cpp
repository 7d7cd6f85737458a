// Redraw of the generated module: the geometry pass and the painting, for the whole module at
// 2 mm per pixel, for a 1920 x 1080 view zoomed in at 0.2 mm per pixel, and for the overview
// (the whole module fitted into 1920 x 1080); and a frame of a drawing tool's draft following
// the mouse, with the module's picture kept and painted afresh.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "../tests/core/SkriptDialoge.h"
#include "Testanlage.h"
#include "core/editor/Dokument.h"
#include "core/editor/Editor.h"
#include "core/editor/Gleiszeichner.h"
#include "core/render/Entwurfzeichnen.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Entwurfzeichnen.h"
#include "core/render/ModulZeichnen.h"
#include "gui/editor/Bildpuffer.h"
#include "gui/render/QtCanvas.h"

namespace {

using namespace trm;

/// The view of 1920 x 1080 pixels at 0.2 mm per pixel over the middle of the module.
TAnsicht Ausschnitt(const TModul& m) {
  const double mm = 0.2;
  const auto x0 = static_cast<std::int64_t>(m.Breite / 2 / mm), y0 = static_cast<std::int64_t>(m.Hoehe / 2 / mm);
  return TAnsicht(mm, m.Hoehe, x0, y0, 1920, 1080);
}

/// Moves every track a little, so that the next pass must compute all of them.
void AllesVerschieben(TModul& m, double dx) {
  for (auto& g : m.Gleise) g->XAnf += dx;
}

void BM_NeuberechnenAlles(benchmark::State& state) {
  auto a = bench::Testanlage();
  double dx = 1e-3;
  for (auto _ : state) {
    AllesVerschieben(*a->Module[0], dx = -dx);
    ModulBerechnen(*a->Module[0]);
  }
}
BENCHMARK(BM_NeuberechnenAlles)->Unit(benchmark::kMillisecond);

void BM_GanzesModul2mm(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  m.MmProPixel = 2;
  QImage bild(static_cast<int>(TAnsicht::ZeichnungBreite(m)), static_cast<int>(TAnsicht::ZeichnungHoehe(m)),
              QImage::Format_RGB32);
  double dx = 1e-3;
  for (auto _ : state) {
    AllesVerschieben(m, dx = -dx);
    QPainter p(&bild);
    gui::QtCanvas c(p, bild.width(), bild.height());
    ModulNeuzeichnen(*a, m, c, TAnsicht(m));
  }
}
BENCHMARK(BM_GanzesModul2mm)->Unit(benchmark::kMillisecond);

void BM_Ausschnitt02mm(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  QImage bild(1920, 1080, QImage::Format_RGB32);
  const TAnsicht v = Ausschnitt(m);
  std::size_t befehle = 0;
  {
    Aufzeichnung zaehler(1920, 1080);
    ModulNeuzeichnen(*a, m, zaehler, v);
    befehle = zaehler.befehle.size();
  }
  double dx = 1e-3;
  for (auto _ : state) {
    AllesVerschieben(m, dx = -dx);
    QPainter p(&bild);
    gui::QtCanvas c(p, 1920, 1080);
    ModulNeuzeichnen(*a, m, c, v);
  }
  state.counters["Befehle"] = static_cast<double>(befehle);
}
BENCHMARK(BM_Ausschnitt02mm)->Unit(benchmark::kMillisecond);

/// A drag step: one group of tracks moved, then the redraw of the view.
void BM_AusschnittNachZiehen(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  ModulBerechnen(m);
  QImage bild(1920, 1080, QImage::Format_RGB32);
  const TAnsicht v = Ausschnitt(m);
  TGleis& gezogen = *m.Gleise[m.Gleise.size() / 2];
  double dx = 1;
  for (auto _ : state) {
    gezogen.XAnf += (dx = -dx);
    QPainter p(&bild);
    gui::QtCanvas c(p, 1920, 1080);
    ModulNeuzeichnen(*a, m, c, v);
  }
}
BENCHMARK(BM_AusschnittNachZiehen)->Unit(benchmark::kMillisecond);

void BM_AusschnittNurMalen(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  ModulBerechnen(m);
  QImage bild(1920, 1080, QImage::Format_RGB32);
  const TAnsicht v = Ausschnitt(m);
  for (auto _ : state) {
    QPainter p(&bild);
    gui::QtCanvas c(p, 1920, 1080);
    ModulMalen(*a, m, c, v);
  }
}
BENCHMARK(BM_AusschnittNurMalen)->Unit(benchmark::kMillisecond);

/// The overview: the whole module fitted into a 1920 x 1080 view (about 10 mm per pixel), the
/// painting alone; the drawing calls counted on the recording canvas.
TAnsicht Uebersicht(TModul& m) {
  m.MmProPixel = std::max(m.Breite / 1920.0, m.Hoehe / 1080.0);
  return TAnsicht(m.MmProPixel, m.Hoehe, 0, 0, 1920, 1080);
}

void BM_UebersichtMalen(benchmark::State& state) {
  auto a = bench::Testanlage();
  TModul& m = *a->Module[0];
  ModulBerechnen(m);
  QImage bild(1920, 1080, QImage::Format_RGB32);
  const TAnsicht v = Uebersicht(m);
  std::size_t befehle = 0;
  {
    Aufzeichnung zaehler(1920, 1080);
    ModulMalen(*a, m, zaehler, v);
    befehle = zaehler.befehle.size();
  }
  for (auto _ : state) {
    QPainter p(&bild);
    gui::QtCanvas c(p, 1920, 1080);
    ModulMalen(*a, m, c, v);
  }
  state.counters["Befehle"] = static_cast<double>(befehle);
}
BENCHMARK(BM_UebersichtMalen)->Unit(benchmark::kMillisecond);

/// An editor over the generated module with a drawing tool at work across the overview:
/// werkzeug 0 drags a curve with transitions (each move solves it on the layout's geometry),
/// 1 joins two open ends with transitions (each move plans the join and refits it).
struct Zeichenplatz {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  Gleiszeichner z{ed};
  TModul* m = nullptr;
  TAnsicht v{1, 1, 0, 0, 1, 1};
  Mausmodus modus = Mausmodus::BogenZiehen;
  TPunkt ziel;  ///< where the mouse goes

  explicit Zeichenplatz(int werkzeug) {
    m = &bench::TestanlageEinsetzen(dok.anlage());
    v = Uebersicht(*m);
    // A straight whose open end the tool starts at.
    const double x0 = m->Breite * 0.3, y0 = m->Hoehe * 0.3;
    ed.Ausfuehren("Gerade", [&] { return ed.NeuesGleisAnlegen(x0, y0, 0) != nullptr; });
    const TGleis& g = *m->Gleise.back();
    z.uebergang = 100;
    if (werkzeug == 0) {
      ziel = {g.XEnde() + 2000, g.YEnde() + 1500};
    } else {
      // A second straight 900 mm above, its end facing the first one's: the join turns round.
      modus = Mausmodus::EndenVerbinden;
      ed.Ausfuehren("Gerade", [&] { return ed.NeuesGleisAnlegen(x0 - 500, y0 + 900, 0) != nullptr; });
      ziel = {m->Gleise.back()->XEnde(), m->Gleise.back()->YEnde()};
    }
    ed.ModusSetzen(modus);
    z.Druecken(modus, g.XEnde(), g.YEnde(), 1);
  }
  /// One mouse move (alternating between two points).
  void Bewegen(bool hin) {
    z.Bewegen(modus, ziel.x + (hin ? 0 : 1), ziel.y, false, 5);
    if (!z.Entwurf() || z.Entwurf()->Boegen.size() < 3) std::abort();
  }
};

/// A frame as the drawing area paints it while a tool works: the kept picture copied, the
/// draft and its values drawn over it.
void BM_EntwurfMitPuffer(benchmark::State& state) {
  Zeichenplatz p(static_cast<int>(state.range(0)));
  QImage ziel(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  gui::Bildpuffer puffer;
  gui::Bildpuffer::Schluessel k;
  k.modul = p.m;
  k.groesse = QSize(1920, 1080);
  bool hin = false;
  for (auto _ : state) {
    p.Bewegen(hin = !hin);
    QPainter maler(&ziel);
    maler.drawImage(QPoint(0, 0), puffer.Bild(k, [&](QPainter& q) {
      gui::QtCanvas c(q, 1920, 1080);
      ModulMalen(p.dok.anlage(), *p.m, c, p.v);
    }));
    gui::QtCanvas c(maler, 1920, 1080);
    EntwurfZeichnen(p.z, c, p.v, PixelPunkt{960, 540});
  }
}
BENCHMARK(BM_EntwurfMitPuffer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// The same frame with the module painted every time.
void BM_EntwurfOhnePuffer(benchmark::State& state) {
  Zeichenplatz p(static_cast<int>(state.range(0)));
  QImage ziel(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  bool hin = false;
  for (auto _ : state) {
    p.Bewegen(hin = !hin);
    QPainter maler(&ziel);
    gui::QtCanvas c(maler, 1920, 1080);
    ModulMalen(p.dok.anlage(), *p.m, c, p.v);
    EntwurfZeichnen(p.z, c, p.v, PixelPunkt{960, 540});
  }
}
BENCHMARK(BM_EntwurfOhnePuffer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
