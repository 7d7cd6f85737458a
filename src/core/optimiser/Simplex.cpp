// The downhill-simplex search (Nelder–Mead).
#include "core/optimiser/Simplex.h"

#include <cstddef>

namespace trm {

void SwapDouble(double& a, double& b) {
  const double t = a;
  a = b;
  b = t;
}

TVector SimplexSumme(const TMatrix& p, int n) {
  TVector psum(static_cast<std::size_t>(n), 0.0);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i <= n; ++i) psum[j] += p[i][j];
  return psum;
}

double SimplexZug(TMatrix& p, TVector& y, TVector& psum, int n, double faktor, int ihi, TSimplexlauf& lauf) {
  const double fac1 = (1.0 - faktor) / n;
  const double fac2 = fac1 - faktor;
  TVector ptry(static_cast<std::size_t>(n));
  for (int j = 0; j < n; ++j) ptry[j] = psum[j] * fac1 - p[ihi][j] * fac2;
  const double ytry = lauf.ziel(ptry);
  if (ytry < y[ihi]) {
    y[ihi] = ytry;
    for (int j = 0; j < n; ++j) {
      psum[j] += ptry[j] - p[ihi][j];
      p[ihi][j] = ptry[j];
    }
  }
  return ytry;
}

double Simplex(TMatrix& p, TVector& y, int n, TSimplexlauf& lauf) {
  int zaehler = 0;
  TVector psum = SimplexSumme(p, n);
  for (;;) {
    if (lauf.abbrechen && lauf.abbrechen()) {
      lauf.abgebrochen = true;
      return y[0];
    }
    int ilo = 0, ihi, inhi;
    if (y[0] > y[1]) {
      ihi = 0;
      inhi = 1;
    } else {
      ihi = 1;
      inhi = 0;
    }
    for (int i = 0; i <= n; ++i) {
      if (y[i] <= y[ilo]) ilo = i;
      if (y[i] > y[ihi]) {
        inhi = ihi;
        ihi = i;
      } else if (y[i] > y[inhi] && i != ihi) {
        inhi = i;
      }
    }

    // Converged when the values of the vertices agree with the value at the centroid.
    TVector c(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) c[j] = (psum[j] - p[ihi][j]) / n;
    const double fc = lauf.ziel(c);
    double s = 0;
    for (int k = 0; k < n; ++k) s += (fc - y[k]) * (fc - y[k]) / n;
    if (s < 1e-12 || zaehler > 5000) {
      SwapDouble(y[0], y[ilo]);
      for (int j = 0; j < n; ++j) SwapDouble(p[0][j], p[ilo][j]);
      return y[0];
    }

    zaehler += 2;
    double ytry = SimplexZug(p, y, psum, n, -1.0, ihi, lauf);
    if (ytry <= y[ilo]) {
      SimplexZug(p, y, psum, n, 2.0, ihi, lauf);
    } else if (ytry >= y[inhi]) {
      const double ysave = y[ihi];
      ytry = SimplexZug(p, y, psum, n, 0.5, ihi, lauf);
      if (ytry >= ysave) {
        for (int i = 0; i <= n; ++i) {
          if (i != ilo) {
            for (int j = 0; j < n; ++j) p[i][j] = (p[i][j] + p[ilo][j]) / 2.0;
            y[i] = lauf.ziel(p[i]);
          }
          zaehler += 6;
        }
        psum = SimplexSumme(p, n);
      }
    }
  }
}

}  // namespace trm
