// Turntables of an XTrackCAD layout as this program's turntables: the pit's centre and radius
// from the header, the connections evenly spaced on its rim so that every end of the file lies
// on one.
#pragma once

#include <cstddef>
#include <string>
#include <variant>

#include "core/import/XtcDatei.h"

namespace trm {

/// A turntable to place (mm, radians).
struct XtcDrehscheibenplan {
  std::size_t objekt = 0;
  double x = 0, y = 0;
  double durchmesser = 0;  ///< of the pit, on whose rim the connections lie
  double teilung = 0;      ///< angle between neighbouring connections
  double startwinkel = 0;  ///< direction from the centre to the first connection
};

/// The turntable that TURNTABLE object o (index `objekt` of its plan) makes: its connections
/// the fewest evenly spaced ones, a multiple of half a degree apart (N a divisor of 720, at
/// most MaxAnschluesse), on which every end lies within 0,01 mm and 0,01°, pointing out of the
/// pit. Otherwise the German reason why it is skipped.
/// Throws LeseFehler for header values that do not read (naming the file `datei` and the line).
std::variant<XtcDrehscheibenplan, std::string> XtcDrehscheibeBestimmen(const XtcObjekt& o, std::size_t objekt,
                                                                       const std::string& datei);

}  // namespace trm
