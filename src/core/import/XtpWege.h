// The shape of a TURNOUT block of a parameter file as a turnout: its paths chained into routes
// of straights and arcs, and which of them is the main and which the branch route.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/import/XtpDatei.h"

namespace trm {

/// A piece of a route in millimetres: a straight (radius infinite) or an arc whose radius is
/// positive when it turns left; or a transition curve from `radius` to `endRadius`.
struct XtpStueck {
  double laenge = 0;
  double radius = 0;
  bool uebergang = false;
  double endRadius = 0;  ///< only for a transition curve
  bool Gerade() const;
  /// The radius at the piece's end.
  double Ende() const { return uebergang ? endRadius : radius; }
};

/// An end of the turnout in its own frame: the switch point at the origin, the track entering
/// along +x; the direction is the one pointing out of the turnout (radians, counter-clockwise).
struct XtpEndlage {
  double x = 0, y = 0, w = 0;
};

/// A turnout with two routes from its switch point.
struct XtpWeichenform {
  std::vector<XtpStueck> stamm;  ///< main route, consecutive pieces of one kind merged
  std::vector<XtpStueck> zweig;  ///< branch route
  XtpEndlage stammEnde;          ///< the file's end of the main route, in the turnout frame
  XtpEndlage zweigEnde;          ///< the file's end of the branch route
  bool gebogen = false;          ///< both routes curve the same way
  std::size_t weiche = 0;        ///< the E line of the switch point (index into the block's ends)
};

/// A route of a block in the block's own frame: its start in inches, the direction it leaves
/// the start (radians, counter-clockwise from east), and its pieces in millimetres.
struct XtpRoute {
  double x = 0, y = 0, w = 0;
  std::vector<XtpStueck> stuecke;
};

/// Every route of the block (each set of segments once) whose segments chain into one run of
/// straights and arcs; the reasons of the others, one each, in `gruende`.
std::vector<XtpRoute> XtpRouten(const XtpTyp& t, std::vector<std::string>& gruende);

/// The block's routes as a turnout, or the German reason why it is none that a turnout type
/// can take ("Gleisstück (keine Weiche)", "Dreiwegweiche", "Y-Weiche", …).
std::variant<XtpWeichenform, std::string> XtpWeichenformBestimmen(const XtpTyp& t);

}  // namespace trm
