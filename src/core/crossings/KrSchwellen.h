// The building blocks of the sleeper plans of crossings and slips: points along a circular
// reference line, the outline of one sleeper with its extensions, the offset of a blade-region
// sleeper and the mean of two radii; and what a slip hands the plan besides the crossing's
// values.
#pragma once

#include <array>
#include <vector>

#include "core/model/Listen.h"

namespace trm {

class TBogen;

/// Outline of one sleeper of a crossing's sleeper plan: four corners.
using TSchwellenARR = std::vector<std::array<TPaar, 4>>;

/// A point on a reference line with the line's direction there.
struct TLinienpunkt {
  double x = 0, y = 0, w = 0;
};

/// The point at distance q along a circle of signed radius rho that starts at (x0, y0) in
/// direction h0 (the chord 2 rho sin(u/2) at h0 + u/2, u = q / rho), with the direction
/// h0 + q / rho there. A radius within 1e-12 of 0 or infinite is a straight.
TLinienpunkt Sehnenpunkt(double x0, double y0, double h0, double rho, double q);

/// The outline of a sleeper centred on (cx, cy) that runs across direction h: length len
/// across, width w along h. Code k puts the extension e1 on the left (1), the right (2) or both
/// sides (3); swap code v puts e2 there instead (when e2 is not within 1e-12 of 0). Corners
/// front-left, back-left, back-right, front-right.
std::array<TPaar, 4> KrSwUmriss(double cx, double cy, double h, double len, double w, double e1, double e2,
                                int k, int v);

/// Half the extra length of a blade-region sleeper at distance q along the reference arc:
/// D tan(q/D) tan(q/(2D)) with D = |rho|, or |rStrich| when rho is within 1e-12 of 0; 0 when D
/// is infinite.
double KrSwVersatz(double q, double rStrich, double rho);

/// The mean radius of x and y: 1 / ((1/x + 1/y) / 2), a radius within 1e-12 of 0 or infinite
/// counting as curvature 0; 0 when the mean curvature is 0.
double MittlererRadius(double x, double y);

/// What a slip adds to the crossing's values for its sleeper plan.
struct TSchwellenZweig {
  int zweige = 0;      ///< slip curves: 0 crossing, 1 single slip, 2 double slip
  bool innen = false;  ///< blades inside
  int t = 0;           ///< ZwAnschluss
  double T = 0;        ///< ZgTangente
  double beta = 0;     ///< ZgWinkel
  bool tauschLi = false, tauschRe = false;
  bool tausch1Li = false, tausch1Re = false, tausch2Li = false, tausch2Re = false;
  const TBogen *stMitteA = nullptr, *stMitteB = nullptr, *krMitteA = nullptr, *krMitteB = nullptr;
  const TBogen *zwLinks = nullptr, *zwMitte = nullptr, *zwRechts = nullptr;
};

}  // namespace trm
