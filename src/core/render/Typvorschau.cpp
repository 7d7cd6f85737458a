// Library type preview.
#include "core/render/Typvorschau.h"

#include <memory>
#include <stdexcept>

#include "core/model/Anlage.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Element.h"
#include "core/render/Canvas.h"
#include "core/render/Eingepasst.h"
#include "core/render/GleisZeichnen.h"

namespace trm {

namespace {

/// Half the side of the square in which the drawing of a type is measured, in mm.
constexpr double Messfeld = 4000;
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
  const std::unique_ptr<Anlage> bild = Bildanlage(vorlage, 2 * Mitte);
  Anlage& a = *bild;
  TModul* m = a.Module[0].get();
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
  const auto malen = [&](Canvas& z, const TAnsicht& v) { Malen(a, *m, g, z, v); };
  if (!EingepasstMalen(c, m->Hoehe, Mitte, Mitte, Messfeld, malen)) return "Keine Vorschau";
  return {};
}

}  // namespace trm
