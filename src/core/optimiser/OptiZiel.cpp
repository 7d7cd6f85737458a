// The optimiser's target under the mouse.
#include "core/optimiser/OptiZiel.h"

#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/OptiEP.h"

namespace trm {

bool ImDreieck(const std::array<TPunkt, 3>& d, double x, double y) {
  // The point lies on the same side of all three edges.
  auto seite = [&](const TPunkt& a, const TPunkt& b) { return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x); };
  const double s1 = seite(d[0], d[1]), s2 = seite(d[1], d[2]), s3 = seite(d[2], d[0]);
  return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

TBogen* ZielTreffen(TModul& m, double x, double y) {
  for (int gi = 0; gi < static_cast<int>(m.Gleise.size()); ++gi) {
    TGleis& g = *m.Gleise[static_cast<std::size_t>(gi)];
    for (int bi = 0; bi < static_cast<int>(g.Boegen.size()); ++bi) {
      TBogen& b = *g.Boegen[static_cast<std::size_t>(bi)];
      if (!b.OptiEnde || !b.OptiEP || !ImDreieck(OptiDreieck(b), x, y)) continue;
      m.GleisWaehlen(gi);
      g.BogenWaehlen(bi);
      return &b;
    }
  }
  return nullptr;
}

std::vector<TRichtpunkt> ZielPunkte(const TBogen& b) {
  std::vector<TRichtpunkt> p;
  if (!b.OptiEP) return p;
  const TOptiEP& z = *b.OptiEP;
  p.push_back({z.OptiX, z.OptiY, z.OptiW});
  for (const TPunkt& d : OptiDistPunkte(b)) p.push_back({d.x, d.y, z.OptiW});
  return p;
}

void ZielAusrichten(TOptiEP& z, const TAusrichtung& a) {
  z.OptiX += a.dx;
  z.OptiY += a.dy;
  z.OptiW = WinkelNorm(z.OptiW - a.delta);
}

}  // namespace trm
