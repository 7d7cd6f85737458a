// The geometry pass of a module.
#include "core/model/Neuberechnung.h"

#include <cmath>
#include <vector>

#include "core/model/Gleisarbeit.h"
#include "core/model/Marken.h"
#include "core/model/Modul.h"

namespace trm {

bool PunkteBehalten(const TGleis& g) {
  if (g.Markiert || g.Nummer >= 0 || g.IstWeichengleis() || g.Verbund.size() > 1) return false;
  for (const auto& b : g.Boegen)
    if (!b->Berechnet) return false;
  return true;
}

void ModulBerechnen(TModul& m) {
  std::vector<TGleis*> gleise;
  gleise.reserve(m.Gleise.size());
  for (auto& g : m.Gleise)
    if (!PunkteBehalten(*g)) gleise.push_back(g.get());
  GleiseBearbeiten(gleise, [](TGleis& g) { g.PunkteBerechnenWennNoetig(); });
  // Then every element places the tracks that hang on its attached track.
  for (const auto& e : m.Elemente) e->Platzieren();
  MarkenBerechnen(m);
}

bool LageEndlich(const TBogen& b) {
  for (const TSpurpunkt& p : b.Spurpunkte)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z) || !std::isfinite(p.w))
      return false;
  return std::isfinite(b.XEnde) && std::isfinite(b.YEnde) && std::isfinite(b.ZEnde) &&
         std::isfinite(b.WEnde);
}

const TBogen* NichtEndlicheLage(const TModul& m) {
  for (const auto& g : m.Gleise)
    for (const auto& b : g->Boegen)
      if (!LageEndlich(*b)) return b.get();
  return nullptr;
}

}  // namespace trm
