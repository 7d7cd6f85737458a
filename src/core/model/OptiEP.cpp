// The end mark of a segment: its target, triangle and distance points, computed from the segment.
#include "core/model/OptiEP.h"

#include <algorithm>
#include <cmath>

#include "core/model/Bogen.h"

namespace trm {

TOptiEP OptiZiel(const TBogen& b) { return b.OptiEP ? *b.OptiEP : TOptiEP{b.XEnde, b.YEnde, b.WEnde}; }

std::array<TPunkt, 3> OptiDreieck(const TBogen& b) {
  const TOptiEP z = OptiZiel(b);
  const double a = std::max({b.TrBrt(), b.SwLen(), b.Spur()});
  const double s = std::sqrt(a * a - (a / 2) * (a / 2));
  const double xe = z.OptiX, ye = z.OptiY, t = z.OptiW;
  const TPunkt M{xe - s * std::cos(t), ye - s * std::sin(t)};
  const TPunkt q{a / 2 * std::sin(t), -a / 2 * std::cos(t)};
  return {TPunkt{M.x + q.x, M.y + q.y}, TPunkt{M.x - q.x, M.y - q.y}, TPunkt{xe, ye}};
}

std::vector<TPunkt> OptiDistPunkte(const TBogen& b) {
  if (!b.DistEnde) return {};
  const TOptiEP z = OptiZiel(b);
  const double g = b.GlsAbst(), t = z.OptiW;
  return {TPunkt{z.OptiX - g * std::sin(t), z.OptiY + g * std::cos(t)},
          TPunkt{z.OptiX + g * std::sin(t), z.OptiY - g * std::cos(t)}};
}

}  // namespace trm
