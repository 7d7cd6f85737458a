// Basic-form formulas of turnouts.
#include "core/turnouts/WeichenRadien.h"

#include <cmath>

#include "core/model/Geometrie.h"

namespace trm {

double Bogenlaenge(double T, double R) { return BogenAusTangente(T, R); }

double Tangente(double R, double alpha) { return std::fabs(R) * std::tan(alpha / 2.0); }

double PaarRadius(bool plus, double alpha, double R, double T) {
  return RadiusAusTangenteMitWinkel(plus, T, R, alpha);
}

double NeigungAusWinkel(double alpha) { return 1.0 / std::tan(alpha); }

double WinkelAusNeigung(double n) { return std::atan(1.0 / n); }

}  // namespace trm
