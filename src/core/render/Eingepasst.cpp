// Fitted drawing of a scene.
#include "core/render/Eingepasst.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/model/Anlage.h"
#include "core/model/Umrechnung.h"
#include "core/render/Aufzeichnung.h"

namespace trm {

namespace {
/// Pixels kept free around the picture.
constexpr double Rand = 12;
}  // namespace

std::optional<TAnsicht> EingepasstMalen(Canvas& c, double hoehe, double mitteX, double mitteY, double messfeld,
                                        const std::function<void(Canvas&, const TAnsicht&)>& malen,
                                        double mindestMmProPixel) {
  // Measured on a recording at 1 mm per pixel: drawing pixels are then millimetres.
  const auto feld = static_cast<std::int32_t>(std::clamp(2 * messfeld, 1.0, 20000.0));
  const TUmrechnung u1(1, hoehe);
  const std::int64_t mx0 = u1.WeltZuPixelX(mitteX) - feld / 2, my0 = u1.WeltZuPixelY(mitteY) - feld / 2;
  Aufzeichnung mess(feld, feld);
  malen(mess, TAnsicht(1, hoehe, mx0, my0, feld, feld));
  std::int64_t xmin = INT64_MAX, ymin = INT64_MAX, xmax = INT64_MIN, ymax = INT64_MIN;
  for (const Zeichenbefehl& z : mess.befehle) {
    if (z.art == Zeichenbefehl::Art::Fuellen || z.art == Zeichenbefehl::Art::Text) continue;
    for (const PixelPunkt& p : z.punkte) {
      xmin = std::min<std::int64_t>(xmin, p.x);
      xmax = std::max<std::int64_t>(xmax, p.x);
      ymin = std::min<std::int64_t>(ymin, p.y);
      ymax = std::max<std::int64_t>(ymax, p.y);
    }
  }
  if (xmin > xmax) return std::nullopt;
  const double breite = static_cast<double>(xmax - xmin + 2), hoch = static_cast<double>(ymax - ymin + 2);
  const double w = std::max(1.0, c.Breite() - 2 * Rand), h = std::max(1.0, c.Hoehe() - 2 * Rand);
  const double mmProPixel = std::max({breite / w, hoch / h, mindestMmProPixel});
  const double cx = static_cast<double>(mx0) + static_cast<double>(xmin + xmax) / 2;
  const double cy = static_cast<double>(my0) + static_cast<double>(ymin + ymax) / 2;
  const TAnsicht v(mmProPixel, hoehe, std::llround(cx / mmProPixel) - c.Breite() / 2,
                   std::llround(cy / mmProPixel) - c.Hoehe() / 2, c.Breite(), c.Hoehe());
  malen(c, v);
  return v;
}

}  // namespace trm
