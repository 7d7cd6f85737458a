// Finding the open track end under the mouse.
#include "core/editor/Gleisende.h"

#include <cmath>

#include "core/model/Modul.h"

namespace trm {

TGleisende EndeVon(TGleis& g, bool anfang) {
  if (anfang) return {&g, true, {g.XAnf, g.YAnf, WinkelNorm(g.WAnf() + Pi)}};
  return {&g, false, {g.XEnde(), g.YEnde(), g.WEnde()}};
}

bool EndeOffen(const TModul& m, const TGleisende& e) {
  for (const auto& g : m.Gleise) {
    if (g->Boegen.empty()) continue;
    for (const bool anfang : {true, false}) {
      if (g.get() == e.gleis && anfang == e.anfang) continue;
      const double x = anfang ? g->XAnf : g->XEnde(), y = anfang ? g->YAnf : g->YEnde();
      if (Abstand(x, y, e.lage.x, e.lage.y) <= Endentreffen) return false;
    }
  }
  return true;
}

std::optional<TGleisende> OffenesEndeBei(TModul& m, double x, double y, double fang, bool anfaenge) {
  std::optional<TGleisende> best;
  double bestAbstand = fang;
  for (const auto& g : m.Gleise) {
    if (g->Boegen.empty() || g->DSGleis) continue;
    for (const bool anfang : {true, false}) {
      if (anfang && !anfaenge) continue;
      const TGleisende e = EndeVon(*g, anfang);
      const double d = Abstand(x, y, e.lage.x, e.lage.y);
      if (d <= bestAbstand && EndeOffen(m, e)) {
        best = e;
        bestAbstand = d;
      }
    }
  }
  return best;
}

}  // namespace trm
