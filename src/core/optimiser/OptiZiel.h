// The optimiser's target under the mouse: the hit test of the end marks, the target's own
// points for the alignment, and the snap of a dragged target.
#pragma once

#include <array>
#include <vector>

#include "core/base/Ausrichten.h"
#include "core/model/Geometrie.h"

namespace trm {

class TBogen;
class TModul;
struct TOptiEP;

/// Whether (x, y) lies inside the triangle (its edges included).
bool ImDreieck(const std::array<TPunkt, 3>& d, double x, double y);
/// The segment with a target whose end mark contains (x, y), made current with its track;
/// none when no mark is hit.
TBogen* ZielTreffen(TModul& m, double x, double y);
/// The own points of a segment's target for the alignment: the target and its distance points.
std::vector<TRichtpunkt> ZielPunkte(const TBogen& b);
/// Moves the target by the alignment's correction.
void ZielAusrichten(TOptiEP& z, const TAusrichtung& a);

}  // namespace trm
