// The reader of XTrackCAD layout files (".xtc"): the head lines (title, room size, scale) and
// every object with its header words and its lines up to END — track ends (T, E), the paths and
// segments of turnouts (as in parameter files) and the drawing segments of drawings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/import/XtpDatei.h"
#include "core/model/Geometrie.h"
#include "core/model/Zeilen.h"

namespace trm {

/// An end of a track object: where it lies (inches), the direction pointing out of the object
/// (degrees clockwise from north), the object it is joined to and its height where defined.
struct XtcEnde {
  long partner = -1;  ///< index of the joined object (T line); -1 for an open end (E line)
  double x = 0, y = 0, a = 0;
  bool hoehe = false;  ///< the height is defined at this end
  double z = 0;        ///< that height in inches
  std::size_t zeile = 0;
};

/// A drawing segment of a drawing object, in inches (in the object's frame).
struct XtcLinie {
  char art = 'L';  ///< L line, Q table edge, B benchwork, M dimension, A arc, G filled circle,
                   ///< Y polyline, F filled polygon
  std::int32_t farbe = 0;  ///< 0xRRGGBB
  double breite = 0;
  std::vector<TPunkt> punkte;
  double r = 0, cx = 0, cy = 0, a0 = 0, a1 = 0;  ///< arcs and circles; angles clockwise from north
};

/// An object of the file.
struct XtcObjekt {
  std::string art;                 ///< its keyword
  std::vector<std::string> werte;  ///< the header's words after the keyword (texts without quotes)
  std::size_t zeile = 0;           ///< 1-based line of the header
  std::vector<XtcEnde> enden;
  XtpTyp teile;  ///< a turnout's paths and segments (in its own frame); its ends are added there
  std::vector<XtcLinie> linien;
  /// Header word k as a finite number, `fallback` when the header is shorter and `noetig` is
  /// false. Throws LeseFehler naming the line.
  double Zahl(std::size_t k, const std::string& datei, bool noetig = true, double fallback = 0) const;
  /// The object's index (header word 0), -1 when it has none that reads.
  long Index() const;
};

struct XtcPlan {
  std::string titel1, titel2, massstab;
  double raumX = 0, raumY = 0;  ///< room size in inches
  std::vector<XtcObjekt> objekte;
};

/// Largest coordinate (inches) the reader takes: 40 km.
inline constexpr double XtcGroesstesMass = 1.6e6;

/// Reads the lines of the file named `datei` (for messages). Throws LeseFehler "Datei <datei>,
/// Zeile <n>: …" for an object whose END is missing, a number that does not read, is not finite
/// or is absurdly large, and a line with values missing; and for a file without any object.
XtcPlan XtcLesen(const Zeilen& zeilen, const std::string& datei);

/// The bytes of a layout file (UTF-8, or Windows-1252 where they are no valid UTF-8) read as
/// XtcLesen.
XtcPlan XtcBytesLesen(const std::string& bytes, const std::string& datei);

}  // namespace trm
