// The optimiser's target under the mouse: the hit test of the end marks, the target's own
// points for the alignment, the snap of a dragged target, and the tool that drags it.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/base/Ausrichten.h"
#include "core/model/Geometrie.h"

namespace trm {

class Mausbedienung;
class Optimierer;
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

/// The optimiser's target in the mouse work: a press on an end mark grabs its target as the
/// optimiser's, the drag moves it (no change of the layout) and it snaps like a track with its
/// own points. `gegriffen` is called after a grab (the window shows the target).
void ZielMausAnschliessen(Mausbedienung& maus, Optimierer& opt, std::function<void()> gegriffen);

}  // namespace trm
