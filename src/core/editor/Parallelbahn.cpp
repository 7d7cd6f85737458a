// Tracks parallel to a track: radii and lengths that keep the distance, and the side of a point.
#include "core/editor/Parallelbahn.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// Whether a radius is too tight for the distance on its inner side.
bool ZuEng(double R, double abstand) { return std::isfinite(R) && R * abstand > 0 && std::fabs(R) <= std::fabs(abstand); }

double Kruemmung(double R) { return std::isinf(R) ? 0.0 : 1.0 / R; }

}  // namespace

std::optional<TBahn> ParallelBahn(const TGleis& g, double abstand, std::string& grund) {
  if (!std::isfinite(abstand)) {
    grund = "Der Abstand des Parallelgleises ist keine Zahl.";
    return std::nullopt;
  }
  const double w = g.WAnf();
  TBahn p{{g.XAnf - abstand * std::sin(w), g.YAnf + abstand * std::cos(w), w}, {}};
  for (const auto& b : g.Boegen) {
    const double L = b->Laenge();
    if (!b->IstUebergangsbogen()) {
      const double R = b->Kreisradius();
      if (ZuEng(R, abstand)) {
        grund = "Ein Bogen des Gleises ist mit dem Radius von " + FestText(std::fabs(R)) +
                " mm zu eng für ein Parallelgleis im Abstand von " + FestText(std::fabs(abstand)) + " mm.";
        return std::nullopt;
      }
      if (std::isinf(R)) {
        p.stuecke.push_back({L, Unendlich, Unendlich});
      } else {
        const double r = R - abstand;
        p.stuecke.push_back({L * r / R, r, r});
      }
      continue;
    }
    const double R1 = b->AnfRadius(), R2 = b->EndRadius();
    for (const double R : {R1, R2}) {
      if (ZuEng(R, abstand)) {
        grund = "Ein Übergangsbogen des Gleises ist mit dem Radius von " + FestText(std::fabs(R)) +
                " mm zu eng für ein Parallelgleis im Abstand von " + FestText(std::fabs(abstand)) + " mm.";
        return std::nullopt;
      }
    }
    const double r1 = R1 - abstand, r2 = R2 - abstand;  // a straight end stays straight
    // The turn of a transition is its length times its mean curvature; the parallel keeps it.
    const double drehung = L * (Kruemmung(R1) + Kruemmung(R2)) / 2.0;
    const double summe = Kruemmung(r1) + Kruemmung(r2);
    p.stuecke.push_back({summe == 0.0 ? L : 2.0 * drehung / summe, r1, r2});
  }
  return p;
}

namespace {

/// The distance of (x, y) from g's computed points and the side it lies on (+1 left).
std::pair<double, int> AbstandUndSeite(const TGleis& g, double x, double y) {
  double besterAbstand = std::numeric_limits<double>::infinity();
  double seite = 0;
  // The point against a piece of track from (qx, qy) along (dx, dy), t in [0, 1].
  const auto pruefen = [&](double qx, double qy, double dx, double dy, double t) {
    const double d = Abstand(x, y, qx + t * dx, qy + t * dy);
    if (d < besterAbstand) {
      besterAbstand = d;
      seite = dx * (y - qy) - dy * (x - qx);
    }
  };
  for (const auto& b : g.Boegen) {
    const TSpurpunkte& pk = b->Spurpunkte;
    if (pk.size() == 1) pruefen(pk[0].x, pk[0].y, std::cos(pk[0].w), std::sin(pk[0].w), 0);
    for (std::size_t i = 0; i + 1 < pk.size(); ++i) {
      const double dx = pk[i + 1].x - pk[i].x, dy = pk[i + 1].y - pk[i].y;
      const double l2 = dx * dx + dy * dy;
      if (l2 == 0) {
        pruefen(pk[i].x, pk[i].y, std::cos(pk[i].w), std::sin(pk[i].w), 0);
        continue;
      }
      pruefen(pk[i].x, pk[i].y, dx, dy, std::clamp(((x - pk[i].x) * dx + (y - pk[i].y) * dy) / l2, 0.0, 1.0));
    }
  }
  return {besterAbstand, seite < 0 ? -1 : 1};
}

}  // namespace

int ParallelSeite(const TGleis& g, double x, double y) { return AbstandUndSeite(g, x, y).second; }

TGleis* GleisNahe(const TModul& m, double x, double y, double fang) {
  TGleis* best = nullptr;
  double bestAbstand = fang;
  for (const auto& g : m.Gleise) {
    if (!g->IstGewoehnlich()) continue;
    bool nah = false;  // a segment's box within reach
    for (const auto& b : g->Boegen)
      nah = nah || (x >= b->Huelle.xmin - fang && x <= b->Huelle.xmax + fang && y >= b->Huelle.ymin - fang &&
                    y <= b->Huelle.ymax + fang);
    if (!nah) continue;
    const double d = AbstandUndSeite(*g, x, y).first;
    if (d <= bestAbstand) {
      bestAbstand = d;
      best = g.get();
    }
  }
  return best;
}

}  // namespace trm
