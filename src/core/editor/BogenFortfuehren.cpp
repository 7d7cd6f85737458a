// "Bogen fortführen": the length that brings a segment's end to a given coordinate.
#include "core/editor/BogenFortfuehren.h"

#include <algorithm>
#include <cmath>

#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"

namespace trm {

TFortfuehrung BogenFortfuehren(const TBogen& b, bool inX, double v) {
  if (b.IstUebergangsbogen()) return {};
  // The start direction in [0, 2π), as the formulas take it: a closed loop may start at 360°.
  const double L = b.Laenge(), a0 = RichtungNorm(b.WAnf()), a1 = b.WEnde;
  const double x0 = b.XAnf(), y0 = b.YAnf(), xe = b.XEnde, ye = b.YEnde;
  const double R = b.AnfRadius();
  if (!std::isfinite(R) || R == 0) {
    const double c = inX ? std::cos(a1) : std::sin(a1);
    // A direction along the line never reaches it (within rounding of the angle).
    if (std::fabs(c) < 1e-12) return {};
    const double l = L + (v - (inX ? xe : ye)) / c;
    if (l < 0) return {std::nullopt, "Wert nicht sinnvoll"};
    return {l, ""};
  }
  const double cx = xe - R * std::sin(a1), cy = ye + R * std::cos(a1);
  const double e = L / R;
  // The extreme point of the circle is reached when q is 1 up to rounding.
  double q, t;
  bool vorbei;
  if (inX) {
    vorbei = x0 > v;
    q = vorbei ? (cx - v) / R : (v - cx) / R;
    if (std::fabs(q) > 1 + 1e-12) return {std::nullopt, "Wert nicht möglich"};
    t = std::asin(std::clamp(q, -1.0, 1.0));
  } else {
    vorbei = y0 > v;
    q = vorbei ? (v - cy) / R : (cy - v) / R;
    if (std::fabs(q) > 1 + 1e-12) return {std::nullopt, "Wert nicht möglich"};
    t = std::acos(std::clamp(q, -1.0, 1.0));
  }
  const double l = vorbei ? L + R * (t - (a0 - Pi) - e) : L + R * (t - a0 - e);
  if (l < 0) return {std::nullopt, "Wert nicht sinnvoll"};
  return {l, ""};
}

}  // namespace trm
