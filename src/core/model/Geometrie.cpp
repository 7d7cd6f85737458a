// Angles, rotation, distances, arc and tangent relations.
#include "core/model/Geometrie.h"

#include <cmath>

namespace trm {

double Winkeldifferenz(double a) { return std::remainder(a, 2.0 * Pi); }

double KleinsteDrehung(double a) {
  const double d = std::remainder(a, 2.0 * Pi);
  return d <= -Pi ? d + 2.0 * Pi : d;
}

double RichtungNorm(double a) {
  const double r = std::fmod(a, 2.0 * Pi);
  return r < 0 ? r + 2.0 * Pi : r;
}

double RichtungGrad(double a) {
  double g = std::fmod(a * 180.0 / Pi, 360.0);
  if (g < 0) g += 360.0;
  return 360.0 - g < 0.0005 ? 0.0 : g;
}

double WinkelNorm(double a) {
  if (a == 0.0 || !std::isfinite(a)) return a;
  const double voll = 2.0 * Pi;
  double r = std::fabs(a);
  // Repeated subtraction of whole turns, as stored angles have always been reduced; a huge
  // angle is reduced by fmod instead of a loop that would run for ages.
  for (int i = 0; r >= voll && i < 64; ++i) r -= voll;
  if (r >= voll) r = std::fmod(r, voll);
  return a < 0 ? -r : r;
}

TPunkt PunktDrehen(double x, double y, double w, double cx, double cy) {
  const double c = std::cos(w);
  const double s = std::sin(w);
  return {cx + c * (x - cx) - s * (y - cy), cy + s * (x - cx) + c * (y - cy)};
}

double Abstand(double x1, double y1, double x2, double y2) {
  return std::hypot(x2 - x1, y2 - y1);
}

double TangenteAusBogen(double a, double R) { return std::tan(a / (2.0 * R)) * std::fabs(R); }

double BogenAusTangente(double T, double R) {
  if (std::isinf(R)) return 2.0 * T;
  return 2.0 * R * std::atan(T / R);
}

double RadiusAusTangenteMitWinkel(bool plus, double T, double R, double alpha) {
  const double d = std::fabs(R) <= 1e-10 ? 0.0 : 2.0 * std::atan(T / R);
  const double e = plus ? d + alpha : d - alpha;
  if (std::fabs(e) <= 1e-10) return Unendlich;
  return T / std::tan(e / 2.0);
}

}  // namespace trm
