// What a drag of the straight and curve tools lays: the plan from the start pose to the mouse,
// with the snapping of Ctrl, the minimum radius and the transition curves.
#pragma once

#include <optional>

#include "core/editor/Bahn.h"

namespace trm {

class TModul;

/// A straight from `anfang` (its point; its direction counts only as the end's direction when
/// `endrichtung`) to the mouse at (x, y). With `strg` the direction snaps to the nearest whole
/// 15° or to the end's direction, and the length to whole millimetres along it. Without Ctrl
/// the straight ends on the mouse point, except within 2° of the end's direction, where it
/// takes that direction. None when the mouse is on the start.
std::optional<TBahn> GeradePlanen(const TLage& anfang, bool endrichtung, double x, double y, bool strg);

/// A curve plan and how it met the mouse.
struct TBogenplan {
  TBahn bahn;
  double radius = Unendlich;  ///< the arc's radius (signed)
  double winkel = 0;          ///< turned angle in radians (signed, positive left)
  bool amMindestradius = false;  ///< the radius stopped at the minimum; the end is off the mouse
};

/// A curve tangent to `anfang` whose end lies on (x, y): one arc, or with `uebergang` > 0 a
/// transition of that length from straight to the arc, the arc, and one back to straight,
/// solved on the layout's own computation of module m so that the end lands on the point.
/// A radius below rMin stops at rMin (the end then lies where that circle comes nearest the
/// mouse). A point straight ahead gives a straight. None for a point on or behind the start
/// line's foot or when the transitions alone turn further than the mouse asks. With `strg`
/// the whole turn snaps to 15° steps and the radius to whole millimetres (not below rMin); the
/// end then lies where those put it.
std::optional<TBogenplan> BogenPlanen(const TLage& anfang, double x, double y, double rMin, double uebergang,
                                      TModul& m, bool strg = false);

/// The plan laid in the opposite direction: it starts where b ends and ends on b's start.
TBahn BahnUmkehren(const TBahn& b, const TLage& ende);

}  // namespace trm
