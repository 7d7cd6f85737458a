// Least-squares finish of an optimiser run. The simplex stops when its vertices agree to about
// 1e-6 in the objective, which leaves the chain's end some thousandths of a millimetre off; a
// few damped Gauss–Newton steps on the same free parameters close that to rounding.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "core/model/Gleichungssystem.h"
#include "core/optimiser/OptiLauf.h"

namespace trm {

namespace {

using Residuen = std::array<double, 3>;

std::optional<Residuen> Auswerten(TOptiKette& kette, const TOptiZielwerte& ziel, const TVector& v) {
  if (!kette.Anwenden(v, true)) return std::nullopt;
  const TAbweichung a = kette.Abweichung(ziel);
  const Residuen r{a.dw, a.dx, a.dy};
  for (double x : r)
    if (!std::isfinite(x)) return std::nullopt;
  return r;
}

double Summe(const Residuen& r) { return r[0] * r[0] + r[1] * r[1] + r[2] * r[2]; }

}  // namespace

double Polieren(TOptiKette& kette, const TOptiZielwerte& ziel, TVector& v) {
  const std::size_t n = v.size();
  std::optional<Residuen> r = Auswerten(kette, ziel, v);
  if (!r || n == 0) {
    kette.Anwenden(v, false);
    return r ? Summe(*r) : kStrafe;
  }
  double f = Summe(*r);
  double lambda = 1e-3;
  for (int schritt = 0; schritt < 60 && f > 1e-24; ++schritt) {
    // Central differences; a step a little below the value's own digits.
    std::vector<Residuen> spalten(n);
    bool ok = true;
    for (std::size_t j = 0; j < n && ok; ++j) {
      const double h = 1e-7 * std::max(std::fabs(v[j]), kette.IstLaenge(j) ? 1.0 : 1e-3);
      TVector plus = v, minus = v;
      plus[j] += h;
      minus[j] -= h;
      const auto rp = Auswerten(kette, ziel, plus), rm = Auswerten(kette, ziel, minus);
      if (!rp || !rm) {
        ok = false;
        break;
      }
      for (int i = 0; i < 3; ++i) spalten[j][i] = ((*rp)[i] - (*rm)[i]) / (2 * h);
    }
    if (!ok) break;
    std::vector<TVector> jtj(n, TVector(n, 0.0));
    TVector jtr(n, 0.0);
    for (std::size_t a = 0; a < n; ++a) {
      for (std::size_t b = 0; b < n; ++b)
        for (int i = 0; i < 3; ++i) jtj[a][b] += spalten[a][i] * spalten[b][i];
      for (int i = 0; i < 3; ++i) jtr[a] -= spalten[a][i] * (*r)[i];
    }
    bool besser = false;
    for (int versuch = 0; versuch < 12 && !besser; ++versuch) {
      std::vector<TVector> m = jtj;
      for (std::size_t a = 0; a < n; ++a) m[a][a] += lambda * std::max(jtj[a][a], 1e-30);
      TVector d;
      if (!GleichungssystemLoesen(m, jtr, d)) {
        lambda *= 10;
        continue;
      }
      TVector neu = v;
      for (std::size_t a = 0; a < n; ++a) neu[a] += d[a];
      const auto rn = Auswerten(kette, ziel, neu);
      if (rn && Summe(*rn) < f) {
        v = neu;
        r = rn;
        f = Summe(*rn);
        lambda = std::max(lambda / 10, 1e-12);
        besser = true;
      } else {
        lambda *= 10;
      }
    }
    if (!besser) break;
  }
  kette.Anwenden(v, false);
  return f;
}

}  // namespace trm
