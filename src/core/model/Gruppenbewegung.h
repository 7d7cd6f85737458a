// Moving a link group as a rigid body: the starts of its tracks, and the elements whose own
// position hangs on tracks of the group (a turntable with its connected tracks).
#pragma once

#include <vector>

#include "core/model/Geometrie.h"

namespace trm {

class TGleis;
class TModul;

/// A rigid move: a point moves by (dx, dy), then turns by w radians about (px, py).
struct TGruppenbewegung {
  double dx = 0, dy = 0;
  double w = 0, px = 0, py = 0;
  TPunkt Punkt(double x, double y) const;
};

/// Moves every start of `gruppe` (directions turn by w), then lets the elements of m follow.
void GruppeBewegen(TModul& m, const std::vector<TGleis*>& gruppe, const TGruppenbewegung& b);
/// The starts of `gruppe` have been moved by b: the elements of m whose position hangs on
/// tracks of the group follow (TElement::GruppeBewegt).
void ElementeFolgen(TModul& m, const std::vector<TGleis*>& gruppe, const TGruppenbewegung& b);

}  // namespace trm
