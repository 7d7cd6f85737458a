// Zoom and placement arithmetic.
#include "core/editor/Zoom.h"

#include <algorithm>
#include <cmath>

#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

std::int64_t ZoomfeldWert(double mmProPixel) { return RundenGerade(10 * mmProPixel); }

std::optional<double> MassstabAusZoomfeld(std::int64_t wert) {
  if (wert < 1) return std::nullopt;
  return static_cast<double>(wert) / 10.0;
}

bool MassstabDarstellbar(double breite, double hoehe, double mmProPixel) {
  if (!(mmProPixel > 0)) return false;
  return breite / mmProPixel <= 1e8 && hoehe / mmProPixel <= 1e8;
}

double Verkleinern(double mmProPixel) { return mmProPixel + 0.1; }

double AnsFensterAnpassen(double mmProPixel, std::int64_t bildBreite, std::int64_t bildHoehe,
                          std::int64_t sichtBreite, std::int64_t sichtHoehe) {
  if (sichtBreite <= 0 || sichtHoehe <= 0) return mmProPixel;
  const double x = static_cast<double>(bildBreite + 20) / static_cast<double>(sichtBreite);
  const double y = static_cast<double>(bildHoehe + 20) / static_cast<double>(sichtHoehe);
  return mmProPixel * std::max(x, y);
}

TRechteck ModulAusdehnung(const TModul& m) {
  TRechteck r{0, 0, static_cast<double>(m.Breite), static_cast<double>(m.Hoehe)};
  for (const auto& g : m.Gleise)
    for (const auto& b : g->Boegen) {
      const TRechteck& h = b->Huelle;
      if (!b->Berechnet || !std::isfinite(h.xmin + h.xmax + h.ymin + h.ymax)) continue;
      r.xmin = std::min(r.xmin, h.xmin);
      r.ymin = std::min(r.ymin, h.ymin);
      r.xmax = std::max(r.xmax, h.xmax);
      r.ymax = std::max(r.ymax, h.ymax);
    }
  return r;
}

double LupenMassstab(double mmProPixel, Maustaste taste) {
  switch (taste) {
    case Maustaste::Links:
      return mmProPixel * 0.9;
    case Maustaste::Rechts:
      return mmProPixel * 1.1;
    default:
      return mmProPixel;
  }
}

std::int64_t LupenVerschiebung(std::int64_t p, double alterMassstab, double neuerMassstab) {
  return RundenGerade(static_cast<double>(p) * alterMassstab / neuerMassstab - static_cast<double>(p));
}

std::int64_t Platzierung(std::int64_t sichtbar, std::int64_t zeichnung, std::int64_t scrollPosition) {
  if (sichtbar < zeichnung + 20) return 10 - scrollPosition;
  return sichtbar / 2 - (zeichnung + 10) / 2 + 10;
}

}  // namespace trm
