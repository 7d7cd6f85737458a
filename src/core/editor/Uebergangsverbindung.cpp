// Transition curves put into a joining plan and the plan refitted to its target.
#include "core/editor/Uebergangsverbindung.h"

#include <array>
#include <cmath>
#include <vector>

#include "core/model/Gleichungssystem.h"

namespace trm {

namespace {

/// What may change: per piece its length, and for an arc its radius.
struct Stueckwerte {
  bool bogen = false;
  double laenge = 0;
  double radius = Unendlich;
};

TBahn Bauen(const TLage& anfang, const std::vector<Stueckwerte>& s, double lt) {
  TBahn b{anfang, {}};
  for (const Stueckwerte& w : s) {
    if (!w.bogen) {
      if (w.laenge > 0) b.stuecke.push_back({w.laenge, Unendlich, Unendlich});
      continue;
    }
    b.stuecke.push_back({lt, Unendlich, w.radius});
    if (w.laenge > 0) b.stuecke.push_back({w.laenge, w.radius, w.radius});
    b.stuecke.push_back({lt, w.radius, Unendlich});
  }
  return b;
}

}  // namespace

std::optional<TBahn> MitUebergaengen(const TBahn& plan, double lt, const TLage& ziel, double rMin, TModul& m) {
  std::vector<Stueckwerte> s;
  double gesamt = 0;
  for (const TStueck& p : plan.stuecke) {
    if (p.anfRadius != p.endRadius) return std::nullopt;  // transitions already
    gesamt += p.laenge;
    if (!std::isfinite(p.anfRadius)) {
      s.push_back({false, p.laenge, Unendlich});
      continue;
    }
    // An arc keeps its turn: the two transitions turn by lt/R together. An arc shorter than
    // lt widens instead, so that the transitions alone turn as far as it did.
    if (p.laenge >= lt)
      s.push_back({true, p.laenge - lt, p.anfRadius});
    else
      s.push_back({true, 0, std::copysign(std::max(rMin, lt * std::fabs(p.anfRadius) / p.laenge), p.anfRadius)});
  }
  // The unknowns: every length, and every radius; lengths and radii alike in mm.
  std::vector<double*> x;
  std::vector<bool> istRadius;
  for (Stueckwerte& w : s) {
    x.push_back(&w.laenge);
    istRadius.push_back(false);
    if (w.bogen) {
      x.push_back(&w.radius);
      istRadius.push_back(true);
    }
  }
  const double massstab = std::max(gesamt, 1.0);  // weighs the direction against the place
  auto rest = [&] {
    const TLage e = BahnEnde(Bauen(plan.anfang, s, lt), m);
    return std::array<double, 3>{e.x - ziel.x, e.y - ziel.y, Winkeldifferenz(e.w - ziel.w) * massstab};
  };
  // A value at its bound (length 0, radius rMin) that the step would push beyond stays there.
  auto amRand = [&](std::size_t i, double schritt) {
    if (istRadius[i]) return std::fabs(*x[i]) <= rMin && std::fabs(*x[i] - schritt) < std::fabs(*x[i]);
    return *x[i] <= 0 && *x[i] - schritt < 0;
  };
  const std::size_t n = x.size();
  for (int durchgang = 0; durchgang < 60; ++durchgang) {
    const auto r = rest();
    if (std::hypot(r[0], r[1]) < 1e-9 && std::fabs(r[2]) < 1e-12 * massstab) return Bauen(plan.anfang, s, lt);
    std::vector<std::array<double, 3>> j(n);
    for (std::size_t i = 0; i < n; ++i) {
      const double alt = *x[i];
      const double h = 1e-6 * std::max(1.0, std::fabs(alt));
      *x[i] = alt + h;
      const auto r2 = rest();
      *x[i] = alt;
      for (std::size_t k = 0; k < 3; ++k) j[i][k] = (r2[k] - r[k]) / h;
    }
    // Damped least squares over the free values (Levenberg–Marquardt with a small damping):
    // (JᵀJ + λI) d = Jᵀ r; values held at their bound take no part.
    std::vector<bool> frei(n, true);
    std::vector<double> d(n, 0);
    for (int runde = 0; runde <= static_cast<int>(n); ++runde) {
      std::vector<std::size_t> idx;
      for (std::size_t i = 0; i < n; ++i)
        if (frei[i]) idx.push_back(i);
      if (idx.empty()) return std::nullopt;
      std::vector<std::vector<double>> a(idx.size(), std::vector<double>(idx.size(), 0));
      std::vector<double> b(idx.size(), 0);
      double spur = 0;
      for (std::size_t p = 0; p < idx.size(); ++p) {
        for (std::size_t q = 0; q < idx.size(); ++q)
          for (std::size_t k = 0; k < 3; ++k) a[p][q] += j[idx[p]][k] * j[idx[q]][k];
        for (std::size_t k = 0; k < 3; ++k) b[p] += j[idx[p]][k] * r[k];
        spur += a[p][p];
      }
      for (std::size_t p = 0; p < idx.size(); ++p) a[p][p] += 1e-12 * spur;
      std::vector<double> loesung;
      if (!GleichungssystemLoesen(a, b, loesung)) return std::nullopt;
      b = loesung;
      std::fill(d.begin(), d.end(), 0.0);
      bool gehalten = false;
      for (std::size_t p = 0; p < idx.size(); ++p) {
        d[idx[p]] = b[p];
        if (amRand(idx[p], b[p])) {
          frei[idx[p]] = false;
          gehalten = true;
        }
      }
      if (!gehalten) break;
    }
    for (std::size_t i = 0; i < n; ++i) {
      *x[i] -= d[i];
      if (istRadius[i] && std::fabs(*x[i]) < rMin) *x[i] = std::copysign(rMin, *x[i]);
      if (!istRadius[i] && *x[i] < 0) *x[i] = 0;
    }
  }
  return std::nullopt;
}

}  // namespace trm
