// Conversion between layout millimetres and pixels of a module's drawing: x to the right,
// layout y upwards, pixel rows downwards. Rounding is to nearest with halves to even.
#pragma once

#include <cstdint>

namespace trm {

class TModul;

/// The scale and height that the conversions of one module need.
struct TUmrechnung {
  double MmProPixel = 1;
  double Hoehe = 0;  ///< module height in mm
  explicit TUmrechnung(const TModul& m);
  TUmrechnung(double mmProPixel, double hoehe) : MmProPixel(mmProPixel), Hoehe(hoehe) {}

  std::int64_t WeltZuPixelX(double x) const;
  std::int64_t WeltZuPixelY(double y) const;
  double PixelZuWeltX(double px) const;
  double PixelZuWeltY(double py) const;
  /// Height of the drawing in pixels: round(Hoehe / MmProPixel).
  std::int64_t BildHoehe() const;
};

}  // namespace trm
