// Small plane-geometry routines shared by every part of the program: angles, rotation,
// distances and the relations between arcs, tangents and radii.
#pragma once

#include <limits>

namespace trm {

/// Infinite radius: a straight.
inline constexpr double Unendlich = std::numeric_limits<double>::infinity();
inline constexpr double Pi = 3.14159265358979323846;

/// A point of the plane in millimetres.
struct TPunkt {
  double x = 0;
  double y = 0;
  bool operator==(const TPunkt&) const = default;
};

/// sign(a)·r where r is |a| reduced below 2π by whole turns; 0 stays 0.
double WinkelNorm(double a);

/// The difference of two directions a folded into [-π, π] by whole turns (std::remainder).
double Winkeldifferenz(double a);

/// The smallest signed turn that a direction difference a stands for, in (-π, π].
double KleinsteDrehung(double a);

/// A direction reduced by whole turns into [0, 2π) (std::fmod, exact).
double RichtungNorm(double a);

/// A direction in degrees as the windows show it, in [0, 360): whole turns dropped, and a value
/// that would show as "360,000" shows as 0.
double RichtungGrad(double a);

/// Turns (x, y) by w radians counter-clockwise about (cx, cy).
TPunkt PunktDrehen(double x, double y, double w, double cx, double cy);

/// Euclidean distance of two points.
double Abstand(double x1, double y1, double x2, double y2);

/// Tangent length of an arc of length a and radius R: tan(a/(2R))·|R|.
double TangenteAusBogen(double a, double R);

/// Arc length from tangent length T and radius R: 2T for a straight, else 2R·atan(T/R).
double BogenAusTangente(double T, double R);

/// Radius that gives tangent length T after the arc's turned angle is widened (flag set) or
/// narrowed by α; infinity when the resulting angle vanishes.
double RadiusAusTangenteMitWinkel(bool plus, double T, double R, double alpha);

}  // namespace trm
