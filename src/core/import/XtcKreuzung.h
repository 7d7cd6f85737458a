// Crossings of an XTrackCAD layout as this program's crossings: two straight paths that cross
// between their ends, with the file's ends as the crossing's four ends.
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

/// A straight crossing to place: the values of its record and which file ends its tracks meet.
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
};

/// The crossing that the two paths `wege` of turnout o make, none when they are not two
/// straights crossing between their ends whose ends lie on the straights within 0,005°.
std::optional<XtcKreuzungsplan> XtcKreuzungBestimmen(const XtcObjekt& o, std::size_t objekt,
                                                     const std::vector<XtcGleisplan>& wege);

}  // namespace trm
