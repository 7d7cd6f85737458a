// The geometry of the XTrackCAD import: places and directions in this program's terms, the
// segments of a track as this program computes them, and transition curves fitted between two
// given places (easements, Cornu spirals and pieces of Bezier curves).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/model/Geometrie.h"

namespace trm {

inline constexpr double XtcZoll = 25.4;

/// A place in millimetres and a direction of travel in radians, counter-clockwise from +x.
struct XtcLage {
  double x = 0, y = 0, w = 0;
};

/// A segment: length in mm and its two radii (infinite = straight, positive turns left).
struct XtcBogen {
  double laenge = 0;
  double r0 = Unendlich, r1 = Unendlich;
  bool operator==(const XtcBogen&) const = default;
};

/// The place at the end of a segment that starts at a, computed as the track's points are.
XtcLage BogenEnde(const XtcLage& a, const XtcBogen& b);

/// The place of an XTrackCAD end (inches, degrees clockwise from north pointing out) as the
/// start of a track that leaves it (`hinein`) or as the end of one that arrives there.
XtcLage XtcEndlage(double x, double y, double grad, bool hinein);

/// Distance (mm) and direction difference (rad) of two places.
double LageAbstand(const XtcLage& a, const XtcLage& b);
double RichtungsAbstand(const XtcLage& a, const XtcLage& b);

/// A transition curve from a to b: start and end curvature and length fitted from the guess
/// (k0, k1, laenge) so that its end meets b within 1e-5 mm and 1e-8 rad; none when the fit
/// does not converge to a positive length.
std::optional<XtcBogen> UebergangAnpassen(const XtcLage& a, const XtcLage& b, double k0, double k1, double laenge);

/// A cubic Bezier curve (mm) as transition curves, each starting where the one before ends,
/// that stay within `toleranz` mm of the curve; the last ends at the curve's end. None when a
/// piece cannot be fitted.
std::optional<std::vector<XtcBogen>> BezierAlsUebergaenge(const std::array<TPunkt, 4>& p, double toleranz);

}  // namespace trm
