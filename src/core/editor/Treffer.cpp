// Hit-testing of triangles, start markers and tracks.
#include "core/editor/Treffer.h"

#include <algorithm>
#include <cmath>

#include "core/model/Modul.h"

namespace trm {

namespace {

/// Determinant of the 3 x 3 matrix with the rows (x, y, 1) of a, b, c.
double Det(TPunkt a, TPunkt b, TPunkt c) {
  return a.x * (b.y - c.y) - a.y * (b.x - c.x) + (b.x * c.y - c.x * b.y);
}

}  // namespace

bool PunktInDreieck(TPunkt p1, TPunkt p2, TPunkt p3, TPunkt q) {
  const double d = Det(p1, p2, p3);
  // Without this the quotients are infinite or NaN and the outcome would be arbitrary.
  if (d == 0.0 || !std::isfinite(d)) return false;
  const double b1 = Det(q, p2, p3) / d;
  const double b2 = Det(p1, q, p3) / d;
  const double b3 = Det(p1, p2, q) / d;
  const double produkt = b1 * b2 * b3;
  return produkt >= 0 && b1 >= 0 && produkt <= 1;
}

bool PunktInMarke(const std::vector<TPunkt>& ecken, TPunkt q) {
  if (ecken.size() < 4) return false;
  for (std::size_t k = 0; k < 4; ++k) {
    const TPunkt& p = ecken[k];
    const TPunkt& n = ecken[(k + 1) % 4];
    if ((n.x - p.x) * (q.x - p.x) + (n.y - p.y) * (q.y - p.y) < 0) return false;
  }
  return true;
}

std::optional<TTreffer> GleisTreffen(const TModul& m, double x, double y) {
  std::optional<TTreffer> treffer;
  const TPunkt q{x, y};
  // At an overview scale 10 mm are a pixel or two: at least 5 screen pixels pick a track.
  const double abstand = std::max(Trefferabstand, 5 * m.MmProPixel);
  for (const auto& g : m.Gleise) {
    if (g->IstGewoehnlich() && PunktInMarke(g->AnfP, q)) return TTreffer{g.get(), 0};
    for (std::size_t i = 0; i < g->Boegen.size(); ++i) {
      for (const TSpurpunkt& p : g->Boegen[i]->Spurpunkte) {
        if (std::fabs(p.x - x) <= abstand && std::fabs(p.y - y) <= abstand) {
          treffer = TTreffer{g.get(), static_cast<int>(i)};
          break;  // a later point of the same segment gives the same hit
        }
      }
    }
  }
  return treffer;
}

}  // namespace trm
