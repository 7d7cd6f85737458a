// A track still to be laid, as numbers: a start pose and its segments. The drawing tools plan
// in these terms, compute where a plan ends exactly as the layout computes a track, and turn
// the plan into an ordinary track at the end.
#pragma once

#include <vector>

#include "core/model/Geometrie.h"

namespace trm {

class TGleis;
class TModul;

/// A point with a direction of travel (radians, 0 = +x, counter-clockwise).
struct TLage {
  double x = 0, y = 0, w = 0;
};

/// One segment of a plan: length along the track and the radii at its ends (signed, positive
/// turns left, Unendlich for straight). Equal radii: an arc or straight; unequal: a transition.
struct TStueck {
  double laenge = 0;
  double anfRadius = Unendlich;
  double endRadius = Unendlich;
};

/// A plan: where it starts and its segments in order.
struct TBahn {
  TLage anfang;
  std::vector<TStueck> stuecke;
};

/// Fills track g (its start and segments; g's settings and module are those it has) with the
/// plan. Segments already in g are replaced. g's points are computed.
void BahnInGleis(const TBahn& b, TGleis& g);
/// Where plan b ends when laid as a track of module m (with m's settings), computed as the
/// layout computes it.
TLage BahnEnde(const TBahn& b, TModul& m);

}  // namespace trm
