// The optimiser's target: where the end of a marked chain should come to lie. It belongs to
// the segment that bears the end mark; the optimiser window points at the same object.
#pragma once

#include <array>
#include <vector>

#include "core/model/Geometrie.h"

namespace trm {

struct TOptiEP {
  double OptiX = 0, OptiY = 0;  ///< target point in mm
  double OptiW = 0;             ///< target direction in radians
};

class TBogen;

/// The target a segment's end mark shows: its own target, or its end when it has none.
TOptiEP OptiZiel(const TBogen& b);
/// Corners of the end mark's triangle in mm: the tip on the target, the base behind it across
/// the direction, its sides a = max(bed width, sleeper length, gauge).
std::array<TPunkt, 3> OptiDreieck(const TBogen& b);
/// The distance points left and right of the target at the track spacing; none unless the
/// segment shows the distance at its end.
std::vector<TPunkt> OptiDistPunkte(const TBogen& b);

}  // namespace trm
