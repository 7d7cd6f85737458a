// Guide pictures.
#include "core/render/Anleitungsbilder.h"

#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>

#include "core/base/Ausrichten.h"
#include "core/model/Anlage.h"
#include "core/model/Geometrie.h"
#include "core/model/Neuberechnung.h"
#include "core/render/Canvas.h"
#include "core/render/Eingepasst.h"
#include "core/render/Hervorhebung.h"
#include "core/render/ModulZeichnen.h"

namespace trm {

namespace {

/// The scene lies about this point of a large module.
constexpr double Mitte = 5000;

/// Appends a segment of constant radius (Unendlich: a straight).
void Bogen(TGleis& g, double laenge, double radius) {
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(laenge);
  b->SetAnfRadius(radius);
  b->SetEndRadius(radius);
  g.BogenAnhaengen(std::move(b));
}

/// A straight track of length l starting at (x, y) in direction w.
TGleis* Gerade(TModul& m, double x, double y, double w, double l) {
  TGleis* g = m.GleisAnhaengen();
  g->Nummer = static_cast<std::int32_t>(m.Gleise.size());
  g->XAnf = x;
  g->YAnf = y;
  g->SetWAnf(w);
  Bogen(*g, l, Unendlich);
  return g;
}

}  // namespace

void AnleitungsbildMalen(Anleitungsbild b, const Anlage& vorlage, const TListenart& art, const Zeilen& weiche,
                         Canvas& c) {
  const std::unique_ptr<Anlage> bild = Bildanlage(vorlage, 2 * Mitte);
  Anlage& a = *bild;
  TModul* m = a.Module[0].get();
  // Lengths follow the gauge: the pictures look alike in every scale.
  const double f = a.Werte.Spur > 0 ? a.Werte.Spur / 16.5 : 1.0;
  TGleis* g = Gerade(*m, Mitte, Mitte, 0, (b == Anleitungsbild::Gleis ? 250 : 200) * f);
  if (b == Anleitungsbild::Anfuegen) Bogen(*g, 300 * f, 437.5 * f);
  m->GleisWaehlen(0);
  g->BogenWaehlen(static_cast<int>(g->Boegen.size()) - 1);
  ModulBerechnen(*m);

  std::optional<TAusrichtung> fang;
  TGleis* gezogen = nullptr;
  if ((b == Anleitungsbild::Weiche || b == Anleitungsbild::Verbinden) && art.einsetzen && !weiche.empty()) {
    try {
      art.einsetzen(a, weiche);
      ModulBerechnen(*m);
    } catch (const std::exception&) {
      // The tracks alone.
    }
  }
  if (b == Anleitungsbild::Verbinden) {
    // A track whose start is dragged near the end of the branch that leaves at the side.
    const TGleis* ziel = m->Gleise.back().get();
    for (const auto& t : m->Gleise)
      if (std::fabs(t->YEnde() - Mitte) > std::fabs(ziel->YEnde() - Mitte)) ziel = t.get();
    gezogen = Gerade(*m, ziel->XEnde() + 8 * f, ziel->YEnde() + 6 * f, ziel->WEnde() + 0.05, 200 * f);
    m->GleisWaehlen(static_cast<int>(m->Gleise.size()) - 1);
    gezogen->BogenWaehlen(0);
    ModulBerechnen(*m);
    fang = AusrichtungSuchen(*m, *gezogen, EigenePunkte(*m, *gezogen), {}, StdFangabstand * f);
  }
  const auto malen = [&](Canvas& z, const TAnsicht& v) {
    ModulMalen(a, *m, z, v);
    if (gezogen) GleisHervorheben(*gezogen, 0, z, v);
    if (fang) FangMarkeZeichnen(*fang, z, v);
  };
  c.Fuellen(a.Farbe);
  // All pictures at one scale at most, so that a short track does not fill the picture.
  EingepasstMalen(c, m->Hoehe, Mitte, Mitte, 2000 * f, malen, 1.3 * f);
}

}  // namespace trm
