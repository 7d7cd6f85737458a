// The formulas of a turnout's basic form: arc length from tangent length, tangent length of
// the basic form, the radius of a partner arc, and the inclination "1:n".
#pragma once

namespace trm {

/// Length of an arc of radius R with tangent length T: 2·R·atan(T/R), 2·T for a straight.
/// The same for R and -R.
double Bogenlaenge(double T, double R);

/// Tangent length of the basic form with radius R and turnout angle alpha: |R|·tan(alpha/2).
double Tangente(double R, double alpha);

/// Radius of the partner arc with the same tangent length T as an arc of radius R, whose
/// turned angle is widened (plus) or narrowed by alpha; infinity when that angle vanishes.
double PaarRadius(bool plus, double alpha, double R, double T);

/// The n of the inclination "1:n" of angle alpha: 1/tan(alpha).
double NeigungAusWinkel(double alpha);

/// The angle of the inclination "1:n": atan(1/n).
double WinkelAusNeigung(double n);

}  // namespace trm
