// Basic-form formulas of turnouts.
#include "core/turnouts/WeichenRadien.h"

#include <cmath>

#include "core/model/Geometrie.h"

namespace trm {

double Bogenlaenge(double T, double R) {
  if (std::isinf(R)) return 2.0 * T;
  return 2.0 * R * std::atan(T / R);
}

double Tangente(double R, double alpha) { return std::fabs(R) * std::tan(alpha / 2.0); }

double PaarRadius(bool plus, double alpha, double R, double T) {
  const double theta = std::fabs(R) <= 1e-10 ? 0.0 : 2.0 * std::atan(T / R);
  const double phi = plus ? alpha + theta : theta - alpha;
  if (std::fabs(phi) <= 1e-10) return Unendlich;
  return T / std::tan(phi / 2.0);
}

double NeigungAusWinkel(double alpha) { return 1.0 / std::tan(alpha); }

double WinkelAusNeigung(double n) { return std::atan(1.0 / n); }

}  // namespace trm
