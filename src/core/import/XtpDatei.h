// The reader of XTrackCAD parameter files (".xtp"): the TURNOUT blocks with their paths (P),
// end points (E), straights (S), curves (C) and transition segments (J) up to END. Every other line outside a TURNOUT
// block is skipped; inside one, lines of other segment kinds are kept only as place holders so
// that a path's segment numbers count them too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Zeilen.h"

namespace trm {

/// One segment of a TURNOUT block, in the file's units (inches, degrees).
struct XtpAbschnitt {
  enum class Art { Gerade, Bogen, Uebergang, Sonstiges };
  Art art = Art::Sonstiges;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  ///< a straight's end points
  /// A curve: radius (negative: drawn the other way round), centre, start angle and swept
  /// angle, both measured clockwise from north in degrees.
  double r = 0, cx = 0, cy = 0, a0 = 0, a1 = 0;
  /// A transition segment: the spiral's origin (x1, y1) and base direction (a0, clockwise from
  /// north), the tangent positions l0 and l1 of its ends, R and L (radius R·L/l at tangent
  /// position l), and its options: 1 turns left, 2 ends swapped, 4 S-curve.
  double l0 = 0, l1 = 0, rr = 0, ll = 0;
  int optionen = 0;
  std::size_t zeile = 0;  ///< 1-based line in the file
};

/// An end point: position in inches and the direction pointing out of the piece, in degrees
/// clockwise from north.
struct XtpEnde {
  double x = 0, y = 0, a = 0;
  std::size_t zeile = 0;
};

/// A path: its name and segment numbers (1-based; 0 separates routes, a negative number is a
/// segment run backwards).
struct XtpWeg {
  std::string name;
  std::vector<long> abschnitte;
  std::size_t zeile = 0;
};

/// A TURNOUT block.
struct XtpTyp {
  std::string massstab;
  std::string titel;  ///< as in the file, parts separated by tabs
  std::size_t zeile = 0;
  std::vector<XtpWeg> wege;
  std::vector<XtpEnde> enden;
  std::vector<XtpAbschnitt> abschnitte;
};

/// Reads the TURNOUT blocks of the given scale (letter case ignored; all scales when empty)
/// from the lines of the file named `datei` (for messages). Blocks of other scales are only
/// checked for their END. Throws LeseFehler "Datei <datei>, Zeile <n>: …" for a block without
/// END, a number that does not read or is not finite, a line with values missing, a curve of
/// radius 0 or a path that names a segment the block does not have.
std::vector<XtpTyp> XtpLesen(const Zeilen& zeilen, const std::string& datei,
                             const std::string& massstab);

/// Reads one line (number `nr`, 1-based) of a TURNOUT block into t: a path, an end point, a
/// straight, a curve or a place holder for another segment. False at its END. Throws LeseFehler
/// as XtpLesen.
bool XtpBlockzeile(XtpTyp& t, std::string_view zeile, const std::string& datei, std::size_t nr);
/// Throws LeseFehler when a path of t names a segment the block does not have.
void XtpWegePruefen(const XtpTyp& t, const std::string& datei);

/// The bytes of a parameter file (UTF-8, or Windows-1252 where they are no valid UTF-8; lines
/// end with "\n" or "\r\n") read as XtpLesen.
std::vector<XtpTyp> XtpBytesLesen(const std::string& bytes, const std::string& datei,
                                  const std::string& massstab);

/// Reads a parameter file as XtpBytesLesen, naming it by its file name. Throws DateiFehler or
/// LeseFehler.
std::vector<XtpTyp> XtpDateiLesen(const std::string& pfad, const std::string& massstab);

}  // namespace trm
