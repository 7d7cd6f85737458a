// Redraw of the generated module: the geometry pass and the painting, for the whole module at
// 2 mm per pixel, for a 1920 x 1080 view zoomed in at 0.2 mm per pixel, and for the overview
// (the whole module fitted into 1920 x 1080).
#include <benchmark/benchmark.h>

#include <algorithm>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "../tests/core/SkriptDialoge.h"
#include "Testanlage.h"
#include "core/editor/Maus.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Entwurfzeichnen.h"
#include "core/render/ModulZeichnen.h"
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

/// A frame of the curve tool with transitions on the generated module, in the 1920 x 1080 view
/// at 0.2 mm per pixel: the mouse move (the curve solved on the layout's geometry) and the
/// picture, as the drawing area paints it while a tool is at work: the module's picture kept
/// from before the drag, the draft over it. range(0) = 1 paints the module afresh instead (what
/// every frame would cost without the kept picture).
void BM_ZeichenwerkzeugBild(benchmark::State& state) {
  test::SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-bench", std::make_shared<MersenneZufall>(1)};
  Editor ed{dok, dialoge};
  Mausbedienung maus{ed};
  Anlage& a = dok.anlage();
  a.Module = std::move(bench::Testanlage()->Module);
  a.ModulWaehlen(0);
  TModul& m = *a.Module[0];
  m.Anlage_ = &a;
  m.MmProPixel = 0.2;
  // A straight in the middle of the view whose open end the curve starts at.
  const TAnsicht v = Ausschnitt(m);
  const TUmrechnung u(m);
  const double x0 = u.PixelZuWeltX(static_cast<double>(v.X0() + 900)),
               y0 = u.PixelZuWeltY(static_cast<double>(v.Y0() + 540));
  ed.Ausfuehren("Gerade", [&] { return ed.NeuesGleisAnlegen(x0 - 100, y0, 0) != nullptr; });
  ModulBerechnen(m);
  maus.Zeichner().uebergang = 100;
  ed.ModusSetzen(Mausmodus::BogenZiehen);
  const TGleis& g = *m.Gleise.back();
  const std::int64_t px = u.WeltZuPixelX(g.XEnde()), py = u.WeltZuPixelY(g.YEnde());
  maus.Ereignis({Mausart::Druecken, Maustaste::Links, px, py});

  QImage modulbild(1920, 1080, QImage::Format_RGB32), bild(1920, 1080, QImage::Format_RGB32);
  {
    QPainter p(&modulbild);
    gui::QtCanvas c(p, 1920, 1080);
    ModulMalen(a, m, c, v);
  }
  const bool neu = state.range(0) == 1;
  std::int64_t k = 0;
  for (auto _ : state) {
    const std::int64_t s = 1500 + 37 * (k++ % 20);  // 300 to 450 mm ahead, as far to the left
    maus.Ereignis({Mausart::Bewegen, Maustaste::Links, px + s, py - s});
    QPainter p(&bild);
    gui::QtCanvas c(p, 1920, 1080);
    if (neu)
      ModulMalen(a, m, c, v);
    else
      p.drawImage(0, 0, modulbild);
    EntwurfZeichnen(maus.Zeichner(), c, v, PixelPunkt{900, 540});
  }
  if (!maus.Zeichner().Entwurf() || maus.Zeichner().Entwurf()->Boegen.size() != 3) state.SkipWithError("kein Entwurf");
}
BENCHMARK(BM_ZeichenwerkzeugBild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
