// Transition curves (clothoids): the clothoid parameter, one step along a curve and the
// Fresnel integrals the step needs.
#pragma once

namespace trm {

/// Squared clothoid parameter A² = L/|κ2 - κ1| of a transition curve of length L from radius R1
/// to R2 (mm, positive turns left, infinity = straight, |R| <= 1e-12 counts as infinite);
/// 1000000 when the two curvatures differ by at most 1e-12.
double KlothoidenA2(double R1, double R2, double L);

/// The curvature 1/R the clothoid routines take for a radius: 0 for an infinite radius and for
/// |R| <= 1e-12.
double KlothoidenKruemmung(double R);

/// Whether a transition curve from R1 to R2 has a clothoid: its curvatures differ by more than
/// 1e-12. Otherwise it is an arc (or a straight) for every purpose of the geometry.
bool HatKlothoide(double R1, double R2);

/// Point and direction (degrees) after one step along a transition curve.
struct KlothoidenSchritt {
  double x, y, wGrad;
};

/// Advances by h from the point (x, y) with direction wGrad (degrees) at travelled distance u of
/// a transition curve of length L from radius R1 to R2. A zero step, or a curve whose A² is not
/// positive (L = 0), returns the point unchanged.
KlothoidenSchritt KlothoidenPunkt(double x, double y, double wGrad, double L, double u, double h,
                                  double R1, double R2);

/// The terms of KlothoidenPunkt that stay the same along one transition curve (L, R1, R2),
/// worked out once: Punkt gives exactly what KlothoidenPunkt gives.
struct KlothoidenBahn {
  KlothoidenBahn(double L, double R1, double R2);
  KlothoidenSchritt Punkt(double x, double y, double wGrad, double u, double h) const;

  double A2;
  double sigma = 0, ts = 0, skala = 0, wurzelA2 = 0;
};

/// KlothoidenPunkt with the chord taken from FresnelCIntegration/FresnelSIntegration; the
/// reference for tests and benchmarks.
KlothoidenSchritt KlothoidenPunktIntegration(double x, double y, double wGrad, double L, double u,
                                             double h, double R1, double R2);

/// ∫ A·√π·cos(π t²/2) dt from a to b; 0 when |b - a| <= 1e-6, NaN when an input is not finite
/// or t² overflows. Agrees with FresnelCIntegration within 1e-6·max(|result|, 1e-4·|b - a|·A·√π):
/// relative, except that results below 1e-4 of the chord |b - a|·A·√π are compared with that.
double FresnelC(double A, double a, double b);

/// ∫ A·√π·sin(π t²/2) dt from a to b; same rules and agreement as FresnelC.
double FresnelS(double A, double a, double b);

/// FresnelC by adaptive trapezoid/midpoint/Simpson halving until |T - M|/|R| < 1e-6 or the
/// step is below 1e-8; a pass never sums more than 2^20 midpoints. The reference evaluation.
double FresnelCIntegration(double A, double a, double b);

/// FresnelS by the same adaptive integration as FresnelCIntegration.
double FresnelSIntegration(double A, double a, double b);

}  // namespace trm
