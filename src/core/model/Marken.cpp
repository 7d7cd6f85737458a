// Marker shapes and the marker points of a module.
#include "core/model/Marken.h"

#include <cmath>

#include "core/model/Modul.h"

namespace trm {

std::array<TPunkt, 4> MarkenQuadrat(double x, double y, double w, double s) {
  const TPunkt vor{s * std::cos(w), s * std::sin(w)};
  const TPunkt quer{-std::sin(w) * s / 2, std::cos(w) * s / 2};
  return {TPunkt{x + vor.x + quer.x, y + vor.y + quer.y}, TPunkt{x + vor.x - quer.x, y + vor.y - quer.y},
          TPunkt{x - quer.x, y - quer.y}, TPunkt{x + quer.x, y + quer.y}};
}

std::array<TPunkt, 3> MarkenDreieck(double x, double y, double w, double s) {
  const double k = std::cos(w), n = std::sin(w);
  return {TPunkt{x, y}, TPunkt{x - k * s - n * s / 2, y - n * s + k * s / 2},
          TPunkt{x - k * s + n * s / 2, y - n * s - k * s / 2}};
}

namespace {

/// The parallel-track distance points at the start and end, for the alignment search.
void Abstandspunkte(TBogen& b) {
  b.DistPunkte.clear();
  if (!b.DistAnf && !b.DistEnde) return;
  const double d = b.GlsAbst();
  auto paar = [&](double x, double y, double w) {
    b.DistPunkte.push_back({x + std::sin(w) * d, y - std::cos(w) * d, 0, w, 0});
    b.DistPunkte.push_back({x - std::sin(w) * d, y + std::cos(w) * d, 0, w, 0});
  };
  if (b.DistAnf) paar(b.XAnf(), b.YAnf(), b.WAnf());
  if (b.DistEnde) paar(b.XEnde, b.YEnde, b.WEnde);
}

}  // namespace

void MarkenBerechnen(TModul& m) {
  for (auto& g : m.Gleise) {
    if (g->IstGewoehnlich() && !g->Boegen.empty()) {
      const auto ecken = MarkenQuadrat(g->XAnf, g->YAnf, g->WAnf(), g->Spur());
      g->AnfP.assign(ecken.begin(), ecken.end());
    } else {
      g->AnfP.clear();
    }
    for (auto& b : g->Boegen) Abstandspunkte(*b);
  }
}

}  // namespace trm
