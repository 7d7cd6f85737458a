// Track objects of an XTrackCAD layout as tracks of this program: straights, curves and
// helices, easements, Cornu spirals and Bezier tracks as segment chains between their ends;
// turnouts as turnout records where their paths fit, straight crossings and slips as crossings,
// single and double slips, else one track per path.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/import/XtcDatei.h"
#include "core/import/XtcGeometrie.h"
#include "core/import/XtcKreuzung.h"
#include "core/model/Zeilen.h"

namespace trm {

/// A track to make: its start and its segments, from end 0 of its object towards end 1 (a
/// straight, curve, …) or along one path of a turnout.
struct XtcGleisplan {
  std::size_t objekt = 0;  ///< index of the object in the plan
  XtcLage anfang;
  std::vector<XtcBogen> boegen;
  bool umkehrbar = true;  ///< may run the other way round (its object's ends swapped)
};

/// A turnout to place: its record and the place of its switch point.
struct XtcWeichenplan {
  std::size_t objekt = 0;
  Zeilen satz;
  XtcLage anfang;
  std::size_t weichenende = 0;  ///< the object's end at the switch point
};

struct XtcGleisergebnis {
  std::vector<XtcGleisplan> gleise;
  std::vector<XtcWeichenplan> weichen;
  std::vector<XtcKreuzungsplan> kreuzungen;
  std::size_t weichenAlsGleise = 0;  ///< turnouts taken as one track per path
};

/// Whether the object's kind is one this import takes as track.
bool XtcGleisart(const std::string& art);

/// Converts the track object o (index `objekt` of its plan) into `out`. Returns the German
/// reason why it is skipped, none when it was taken. Throws LeseFehler for values that do not
/// read (naming the file `datei` and the line).
std::optional<std::string> XtcObjektUmwandeln(const XtcObjekt& o, std::size_t objekt, const std::string& datei,
                                              double maxSwLaenge, XtcGleisergebnis& out);

/// The track run the other way: starting at the end place `ende` of the forward run.
XtcGleisplan Umgekehrt(const XtcGleisplan& g, const XtcLage& ende);

}  // namespace trm
