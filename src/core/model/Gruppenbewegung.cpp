// Rigid moves of link groups and of the elements that hang on them.
#include "core/model/Gruppenbewegung.h"

#include <unordered_set>

#include "core/model/Element.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"

namespace trm {

TPunkt TGruppenbewegung::Punkt(double x, double y) const {
  if (w == 0) return {x + dx, y + dy};
  return PunktDrehen(x + dx, y + dy, w, px, py);
}

void GruppeBewegen(TModul& m, const std::vector<TGleis*>& gruppe, const TGruppenbewegung& b) {
  for (TGleis* t : gruppe) {
    const TPunkt p = b.Punkt(t->XAnf, t->YAnf);
    t->XAnf = p.x;
    t->YAnf = p.y;
    if (b.w != 0) t->SetWAnf(t->WAnf() + b.w);
  }
  ElementeFolgen(m, gruppe, b);
}

void ElementeFolgen(TModul& m, const std::vector<TGleis*>& gruppe, const TGruppenbewegung& b) {
  const std::unordered_set<const TGleis*> teil(gruppe.begin(), gruppe.end());
  for (const auto& e : m.Elemente) e->GruppeBewegt(teil, b);
}

}  // namespace trm
