// The drawing of turnouts beyond their tracks: the track-bed edge on the outer side of each
// segment and the end markers (a square at the attached end, triangles at the other two).
#pragma once

namespace trm {

class Anlage;
class Canvas;
class TAnsicht;
class TModul;

/// Draws the track-bed edges (when shown) and end markers of every turnout of the module.
void WeichenZeichnen(const Anlage& a, TModul& m, Canvas& c, const TAnsicht& v);

}  // namespace trm
