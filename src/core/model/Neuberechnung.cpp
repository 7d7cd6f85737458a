// The geometry pass of a module.
#include "core/model/Neuberechnung.h"

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
  for (auto& g : m.Gleise)
    if (!PunkteBehalten(*g)) g->PunkteBerechnenWennNoetig();
  // Then every element places the tracks that hang on its attached track.
  for (const auto& e : m.Elemente) e->Platzieren();
  MarkenBerechnen(m);
}

}  // namespace trm
