// Zoom and placement arithmetic.
#include "core/editor/Zoom.h"

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
  const bool breiter = bildHoehe < bildBreite;
  const std::int64_t seite = breiter ? bildBreite : bildHoehe;
  const std::int64_t sicht = breiter ? sichtBreite : sichtHoehe;
  if (sicht <= 0) return mmProPixel;
  return mmProPixel * static_cast<double>(seite + 20) / static_cast<double>(sicht);
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
