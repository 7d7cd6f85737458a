// Crossings and slips of an XTrackCAD layout as this program's crossings, single and double
// slips: two straight paths that cross between their ends, with the file's ends as the
// element's four ends, and for a slip one or two paths that run along a leg, turn the crossing
// angle on one arc and run along the next leg.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/import/XtcDatei.h"
#include "core/import/XtcGeometrie.h"

namespace trm {

struct XtcGleisplan;

/// A straight crossing or slip to place: the values of its record and which file ends its
/// tracks meet.
struct XtcKreuzungsplan {
  std::size_t objekt = 0;
  XtcLage anfang;             ///< start of the main track (outer end of side A)
  double winkel = 0;          ///< crossing angle, 0 < winkel < pi
  double laenge = 0;          ///< base length
  std::uint8_t richtung = 0;  ///< 0: crossing track B leaves to the right, 1 to the left
  double stA = 0, stB = 0, krA = 0, krB = 0;  ///< outer straights of the four legs
  /// The object's ends at the main track's start and end and at the ends of crossing tracks A
  /// and B.
  std::array<std::size_t, 4> enden{};
  /// Slip curves: 0 a crossing, 1 a single slip, 2 a double slip.
  std::uint8_t zweige = 0;
  /// A single slip's curve: 0 between the main track's start and crossing track B, 1 between
  /// the main track's end and crossing track A.
  std::uint8_t anschluss = 0;
  double radius = 0;  ///< radius of the slip curves (mm)
  /// The outer ends of the main track's sides A and B and of crossing tracks A and B, each
  /// heading into the element along its straight.
  std::array<XtcLage, 4> beine{};
};

/// The same element with its main track starting at leg `bein` (0 side A, 1 side B, 2 crossing
/// track A, 3 crossing track B): the legs renamed, the side and a single slip's curve with them.
XtcKreuzungsplan XtcKreuzungUmlegen(const XtcKreuzungsplan& plan, std::size_t bein);

/// The crossing or slip that the paths `wege` of turnout o make: two straights crossing between
/// their ends whose ends lie on the straights within 0,005°, and none, one or two slip curves
/// that each run from a leg's outer end along it, turn the crossing angle (within 0,01°) on one
/// arc and run along the next leg to its outer end, the straight parts within 0,01 mm of the
/// arc's tangent points; a double slip's two curves on either side with one radius. None for
/// any other shape.
std::optional<XtcKreuzungsplan> XtcKreuzungBestimmen(const XtcObjekt& o, std::size_t objekt,
                                                     const std::vector<XtcGleisplan>& wege);

}  // namespace trm
