// Marker shapes on a track and the points that hit-testing and the alignment search read:
// the start squares of ordinary tracks and the parallel-track distance points of segments.
// The geometry pass computes them; painting only reads them.
#pragma once

#include <array>

#include "core/model/Geometrie.h"

namespace trm {

class TModul;

/// Corners of a square marker of side s lying on a track from (x, y) in direction w.
std::array<TPunkt, 4> MarkenQuadrat(double x, double y, double w, double s);
/// A triangle marker with its tip at (x, y) and its base, s wide, s back along direction w.
std::array<TPunkt, 3> MarkenDreieck(double x, double y, double w, double s);

/// The start squares (`AnfP`) of the module's ordinary tracks and the distance points
/// (`DistPunkte`) of segments that show them, from the points of the last computation.
void MarkenBerechnen(TModul& m);

}  // namespace trm
