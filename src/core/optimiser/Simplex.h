// The downhill-simplex search (Nelder–Mead) of the optimiser: n parameters, n + 1 vertices.
#pragma once

#include <functional>

#include "core/optimiser/OptiKette.h"

namespace trm {

/// What one search needs besides the simplex: the objective, and a cancel test asked once per
/// iteration (the window gets its turn there).
struct TSimplexlauf {
  std::function<double(const TVector&)> ziel;
  std::function<bool()> abbrechen;
  bool abgebrochen = false;  ///< set when the cancel test said so
};

/// Exchanges two values.
void SwapDouble(double& a, double& b);
/// The sum over all n + 1 vertices of each coordinate.
TVector SimplexSumme(const TMatrix& p, int n);
/// One trial point on the line through the worst vertex `ihi` and the centroid of the others,
/// at `faktor`; it replaces the worst vertex when it is better. Returns its value.
double SimplexZug(TMatrix& p, TVector& y, TVector& psum, int n, double faktor, int ihi, TSimplexlauf& lauf);
/// Searches until the values agree or the step counter passes 5000; row 0 then holds the best
/// vertex and its value is returned. A cancel ends the search at once (`lauf.abgebrochen`).
double Simplex(TMatrix& p, TVector& y, int n, TSimplexlauf& lauf);

}  // namespace trm
