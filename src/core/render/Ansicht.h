// TAnsicht: world millimetres to pixels of one drawing surface: the module's conversion, then
// an offset (the visible part's top left in drawing pixels) and a clip of the surface size.
#pragma once

#include <cstdint>

#include "core/model/Geometrie.h"
#include "core/model/Umrechnung.h"
#include "core/render/Canvas.h"

namespace trm {

class TModul;

/// How world points land on a surface.
class TAnsicht {
 public:
  /// The whole drawing of a module, at its own scale, from its top left corner.
  explicit TAnsicht(const TModul& m);
  /// A part of the drawing: scale mmProPixel, surface origin at drawing pixel (x0, y0).
  TAnsicht(double mmProPixel, double hoehe, std::int64_t x0, std::int64_t y0, std::int32_t breite,
           std::int32_t hoehePx);

  const TUmrechnung& Umrechnung() const { return u_; }
  double MmProPixel() const { return u_.MmProPixel; }
  /// Drawing size in pixels: round(Breite/m) x round(Hoehe/m).
  static std::int64_t ZeichnungBreite(const TModul& m);
  static std::int64_t ZeichnungHoehe(const TModul& m);

  /// A world point on the surface; far-away points are clamped so coordinates stay small.
  PixelPunkt Pixel(double x, double y) const;
  PixelPunkt Pixel(const TPunkt& p) const { return Pixel(p.x, p.y); }
  /// Surface pixel of a drawing pixel.
  PixelPunkt AusZeichnung(std::int64_t px, std::int64_t py) const;
  /// True when the world box (with a margin in pixels) may touch the surface.
  bool Sichtbar(double xmin, double ymin, double xmax, double ymax, double randPx = 4) const;
  /// Height of the whole drawing in pixels (labels sit near its bottom edge).
  std::int64_t BildHoehe() const { return u_.BildHoehe(); }
  std::int64_t X0() const { return x0_; }
  std::int64_t Y0() const { return y0_; }
  std::int32_t Breite() const { return breite_; }
  std::int32_t Hoehe() const { return hoehe_; }

 private:
  TUmrechnung u_;
  std::int64_t x0_ = 0, y0_ = 0;
  std::int32_t breite_ = 0, hoehe_ = 0;
};

}  // namespace trm
