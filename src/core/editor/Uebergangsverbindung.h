// A joining plan of straights and arcs given transition curves: each arc gets one of a set
// length at both ends, and the arcs' lengths and radii and the straights' lengths are then
// fitted so that the track still arrives exactly at its target.
#pragma once

#include <optional>

#include "core/editor/Bahn.h"

namespace trm {

/// Plan `plan` (straights and arcs only) with transitions of length lt at both ends of every
/// arc, refitted by Gauss–Newton steps on the layout's own computation of module m to end on
/// `ziel` within 1e-9 mm and 1e-12 rad; no radius below rMin, no length below 0. None when it
/// does not fit (an arc too short for its transitions, or no convergence).
std::optional<TBahn> MitUebergaengen(const TBahn& plan, double lt, const TLage& ziel, double rMin, TModul& m);

}  // namespace trm
