// Library type preview.
#include "core/render/Typvorschau.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/model/Anlage.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Canvas.h"
#include "core/render/GleisZeichnen.h"
#include "core/model/Element.h"

namespace trm {

namespace {

/// Pixels kept free around the picture.
constexpr double Rand = 12;
/// Half the side of the square in which the drawing of a type is measured, in mm.
constexpr std::int32_t Messfeld = 4000;
/// The stub track the type is placed on: start in the middle of a large module, 1 µm long.
constexpr double Mitte = 50000;
constexpr double Stummel = 1e-3;

/// The type without the stub: its tracks under its own drawing, background first, as a module
/// draws them.
void Malen(const Anlage& a, const TModul& m, const TGleis* stummel, Canvas& c, const TAnsicht& v) {
  c.Fuellen(a.Farbe);
  for (const auto& e : m.Elemente)
    if (e->Hintergrund()) e->Zeichnen(a, c, v);
  for (const auto& g : m.Gleise)
    if (g.get() != stummel && !g->KrGleis) GleisZeichnen(a, *g, c, v);
  for (const auto& e : m.Elemente)
    if (!e->Hintergrund()) e->Zeichnen(a, c, v);
}

}  // namespace

std::string TypVorschauMalen(const TListenart& art, const Zeilen& satz, const Anlage& vorlage, Canvas& c) {
  c.Fuellen(vorlage.Farbe);
  if (!art.einsetzen) return "Keine Vorschau";
  Anlage a;
  a.Werte = vorlage.Werte;
  a.Massstab = vorlage.Massstab;
  a.Optionen = vorlage.Optionen;
  a.Farbe = vorlage.Farbe;
  TModul* m = a.ModulAnhaengen();
  m->Breite = m->Hoehe = static_cast<std::int32_t>(2 * Mitte);
  TGleis* g = m->GleisAnhaengen();
  g->XAnf = g->YAnf = Mitte;
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(Stummel);
  g->BogenAnhaengen(std::move(b));
  m->GleisWaehlen(0);
  g->BogenWaehlen(0);
  try {
    art.einsetzen(a, satz);
    ModulBerechnen(*m);
    // Nothing shows as selected.
    m->GleisWaehlen(-1);
    for (const auto& t : m->Gleise)
      for (const auto& bogen : t->Boegen) bogen->Markiert = false;
  } catch (const std::exception& e) {
    return e.what();
  }
  // The box round everything drawn, measured on a recording at 1 mm per pixel that reaches
  // Messfeld mm each way from the stub (types are far smaller).
  m->MmProPixel = 1;
  const TUmrechnung u1(*m);
  const std::int64_t mx0 = u1.WeltZuPixelX(Mitte) - Messfeld, my0 = u1.WeltZuPixelY(Mitte) - Messfeld;
  Aufzeichnung mess(2 * Messfeld, 2 * Messfeld);
  Malen(a, *m, g, mess, TAnsicht(1, m->Hoehe, mx0, my0, 2 * Messfeld, 2 * Messfeld));
  std::int64_t pxmin = INT64_MAX, pymin = INT64_MAX, pxmax = INT64_MIN, pymax = INT64_MIN;
  for (const Zeichenbefehl& z : mess.befehle) {
    if (z.art == Zeichenbefehl::Art::Fuellen || z.art == Zeichenbefehl::Art::Text) continue;
    for (const PixelPunkt& p : z.punkte) {
      pxmin = std::min<std::int64_t>(pxmin, p.x);
      pxmax = std::max<std::int64_t>(pxmax, p.x);
      pymin = std::min<std::int64_t>(pymin, p.y);
      pymax = std::max<std::int64_t>(pymax, p.y);
    }
  }
  if (pxmin > pxmax) return "Keine Vorschau";
  // Drawing pixels at 1 mm per pixel are millimetres (y downwards).
  const double breite = static_cast<double>(pxmax - pxmin + 2), hoehe = static_cast<double>(pymax - pymin + 2);
  const double w = std::max(1.0, c.Breite() - 2 * Rand), h = std::max(1.0, c.Hoehe() - 2 * Rand);
  m->MmProPixel = std::max(breite / w, hoehe / h);
  const double cx = static_cast<double>(mx0 + (pxmin + pxmax) / 2), cy = static_cast<double>(my0 + (pymin + pymax) / 2);
  const std::int64_t x0 = std::llround(cx / m->MmProPixel) - c.Breite() / 2;
  const std::int64_t y0 = std::llround(cy / m->MmProPixel) - c.Hoehe() / 2;
  Malen(a, *m, g, c, TAnsicht(m->MmProPixel, m->Hoehe, x0, y0, c.Breite(), c.Hoehe()));
  return {};
}

}  // namespace trm
