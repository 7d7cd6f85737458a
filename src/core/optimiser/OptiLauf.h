// The optimiser's driver: up to five simplex searches from randomly scattered starts, the best
// result kept, then a few least-squares steps that meet a reachable target to the last digits.
#pragma once

#include <functional>
#include <random>

#include "core/optimiser/OptiKette.h"

namespace trm {

struct TOptiErgebnis {
  double wert = -1.0;       ///< objective of the kept result; -1 with fewer than two parameters
  bool abgebrochen = false;  ///< cancelled: the chain holds some search state, not a result
  int versuche = 0;          ///< searches made
  double wertVorPolitur = -1.0;  ///< objective before the least-squares steps
};

struct TOptiLaufOptionen {
  /// Asked once per search iteration; true cancels the run.
  std::function<bool()> abbrechen;
  /// Least-squares steps after the search (beyond the plain search).
  bool polieren = true;
};

/// Runs the optimiser over the chain towards the target with the given random source. The chain
/// ends holding the kept result, its end computed (the rest of the track is not recomputed).
TOptiErgebnis OptiLauf(TOptiKette& kette, const TOptiZielwerte& ziel, std::mt19937_64& zufall,
                       const TOptiLaufOptionen& optionen = {});

/// Levenberg–Marquardt steps on the residuals (dw, dx, dy) from the vector v, applied to the
/// chain; keeps every step that lowers the objective. Returns the final objective (the chain
/// holds the vector it belongs to, which is returned in v).
double Polieren(TOptiKette& kette, const TOptiZielwerte& ziel, TVector& v);

}  // namespace trm
