// World to surface pixels with offset and clamping.
#include "core/render/Ansicht.h"

#include <algorithm>

#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {
/// Coordinates beyond this many pixels off the surface are clamped: the shape is invisible
/// there anyway, and the rasteriser stays within integer range.
constexpr std::int64_t kRand = 1'000'000;

std::int32_t Klemmen(std::int64_t v, std::int32_t groesse) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -kRand, groesse + kRand));
}
}  // namespace

std::int64_t TAnsicht::ZeichnungBreite(const TModul& m) { return RundenGerade(m.Breite / m.MmProPixel); }
std::int64_t TAnsicht::ZeichnungHoehe(const TModul& m) { return RundenGerade(m.Hoehe / m.MmProPixel); }

TAnsicht::TAnsicht(const TModul& m)
    : u_(m),
      breite_(static_cast<std::int32_t>(std::clamp<std::int64_t>(ZeichnungBreite(m), 0, INT32_MAX))),
      hoehe_(static_cast<std::int32_t>(std::clamp<std::int64_t>(ZeichnungHoehe(m), 0, INT32_MAX))) {}

TAnsicht::TAnsicht(double mmProPixel, double hoehe, std::int64_t x0, std::int64_t y0,
                   std::int32_t breite, std::int32_t hoehePx)
    : u_(mmProPixel, hoehe), x0_(x0), y0_(y0), breite_(breite), hoehe_(hoehePx) {}

PixelPunkt TAnsicht::Pixel(double x, double y) const {
  return {Klemmen(u_.WeltZuPixelX(x) - x0_, breite_), Klemmen(u_.WeltZuPixelY(y) - y0_, hoehe_)};
}

PixelPunkt TAnsicht::AusZeichnung(std::int64_t px, std::int64_t py) const {
  return {Klemmen(px - x0_, breite_), Klemmen(py - y0_, hoehe_)};
}

bool TAnsicht::Sichtbar(double xmin, double ymin, double xmax, double ymax, double randPx) const {
  const double m = u_.MmProPixel;
  const double links = (static_cast<double>(x0_) - randPx) * m;
  const double rechts = (static_cast<double>(x0_) + breite_ + randPx) * m;
  // Pixel rows grow downwards: row r shows world y = Hoehe - r·m.
  const double oben = u_.Hoehe - (static_cast<double>(y0_) - randPx) * m;
  const double unten = u_.Hoehe - (static_cast<double>(y0_) + hoehe_ + randPx) * m;
  return xmax >= links && xmin <= rechts && ymax >= unten && ymin <= oben;
}

}  // namespace trm
