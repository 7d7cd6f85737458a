// The rules of one track alone: a radius below the minimum radius in force, a gradient above
// the maximum, and points outside the module's board.
#include <algorithm>
#include <cmath>

#include "core/check/Pruefstand.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// The smallest radius of a segment (of a transition curve at either end) and where it lies;
/// infinite for a straight.
struct TEngsterRadius {
  double r = Unendlich;
  const TSpurpunkt* wo = nullptr;
};

TEngsterRadius EngsterRadius(const TBogen& b) {
  TEngsterRadius e;
  if (b.Spurpunkte.empty()) return e;
  if (b.IstUebergangsbogen()) {
    // The curvature changes linearly along a transition: its largest is at one end.
    const double ra = std::abs(b.AnfRadius()), re = std::abs(b.EndRadius());
    if (ra <= re) e = {ra, &b.Spurpunkte.front()};
    else e = {re, &b.Spurpunkte.back()};
  } else if (std::isfinite(b.AnfRadius())) {
    e = {std::abs(b.AnfRadius()), &b.Spurpunkte[b.Spurpunkte.size() / 2]};
  }
  return e;
}

/// The steepest gradient of a segment in %: its own gradient, or for a vertical rounding the
/// steepest step between its points.
double SteilsteSteigung(const TBogen& b) {
  if (!b.Ausrunden()) return std::abs(b.Steigung());
  double s = 0;
  const TSpurpunkte& p = b.Spurpunkte;
  for (std::size_t i = 1; i < p.size(); ++i) {
    const double l = std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
    if (l > 1e-9) s = std::max(s, 100 * std::abs(p[i].z - p[i - 1].z) / l);
  }
  return s;
}

}  // namespace

std::vector<TBefund> GleisregelnPruefen(const TPruefstand& st, const TGleis& g) {
  std::vector<TBefund> r;
  const TPruefregeln& regeln = st.regeln;
  const std::int32_t nr = g.Nummer;
  const std::string gleis = "Gleis " + std::to_string(nr);
  const double minR = g.Mindestradius();
  for (std::size_t i = 0; i < g.Boegen.size(); ++i) {
    const TBogen& b = *g.Boegen[i];
    if (b.Spurpunkte.empty()) continue;
    const std::string bogen = gleis + ", Bogen " + std::to_string(i + 1);
    if (regeln.Aktiv(Regel::Mindestradius) && minR > 0) {
      const TEngsterRadius e = EngsterRadius(b);
      if (e.wo && e.r < minR - 1e-6)
        r.push_back({Regel::Mindestradius, st.modulIndex, e.wo->x, e.wo->y, {nr}, e.r, minR,
                     bogen + ": Radius " + FestText(e.r, 3) + " mm unter dem Mindestradius " + FestText(minR, 3) +
                         " mm."});
    }
    if (regeln.Aktiv(Regel::Steigung) && b.Laenge() > 0) {
      const double s = SteilsteSteigung(b);
      if (s > regeln.MaxSteigung + 1e-9) {
        const TSpurpunkt& p = b.Spurpunkte[b.Spurpunkte.size() / 2];
        r.push_back({Regel::Steigung, st.modulIndex, p.x, p.y, {nr}, s, regeln.MaxSteigung,
                     bogen + ": Steigung " + FestText(s, 2) + " % über der größten Steigung " +
                         FestText(regeln.MaxSteigung, 2) + " %."});
      }
    }
  }
  const TModul& m = *st.modul;
  if (regeln.Aktiv(Regel::AusserhalbPlatte) && m.Breite > 0 && m.Hoehe > 0) {
    double weit = 1e-6;
    const TSpurpunkt* wo = nullptr;
    for (const auto& b : g.Boegen)
      for (const TSpurpunkt& p : b->Spurpunkte) {
        const double d = std::max({-p.x, p.x - m.Breite, -p.y, p.y - m.Hoehe});
        if (d > weit) {
          weit = d;
          wo = &p;
        }
      }
    if (wo)
      r.push_back({Regel::AusserhalbPlatte, st.modulIndex, wo->x, wo->y, {nr}, weit, 0,
                   gleis + " ragt " + FestText(weit, 3) + " mm über den Rand der Platte."});
  }
  return r;
}

}  // namespace trm
