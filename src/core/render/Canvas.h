// The abstract drawing surface in pixel coordinates (x to the right, y downwards) that the
// screen, bitmap export, printing and tests all draw on. Colours are 0x00BBGGRR values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trm {

/// A pixel position.
struct PixelPunkt {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const PixelPunkt&) const = default;
};

/// Pen: colour and line style.
struct Stift {
  std::int32_t farbe = 0;
  bool gepunktet = false;
  std::int32_t breite = 1;  ///< line width in pixels
  bool operator==(const Stift&) const = default;
};

/// Brush: fill colour, or no fill at all.
struct Pinsel {
  std::int32_t farbe = 0xFFFFFF;
  bool leer = true;
  bool operator==(const Pinsel&) const = default;
};

/// Width and height of a text in pixels.
struct TextMass {
  std::int32_t breite = 0;
  std::int32_t hoehe = 0;
};

/// A drawing surface. Shapes use the current pen for outlines and the current brush for fills.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetStift(const Stift& s) = 0;
  virtual void SetPinsel(const Pinsel& p) = 0;
  /// Fills the whole surface with a colour (pen and brush unchanged).
  virtual void Fuellen(std::int32_t farbe) = 0;
  virtual void Linie(PixelPunkt a, PixelPunkt b) = 0;
  virtual void Polylinie(const std::vector<PixelPunkt>& punkte) = 0;
  /// A closed polygon: filled with the brush (unless it is empty), outlined with the pen.
  virtual void Polygon(const std::vector<PixelPunkt>& punkte) = 0;
  /// The ellipse inside the box from (x1, y1) to (x2, y2), filled and outlined like a polygon.
  virtual void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
  virtual void Pixel(PixelPunkt p, std::int32_t farbe) = 0;
  /// Text with its top left corner at p in the given colour; with a background box when
  /// mitHintergrund, in the colour hintergrund.
  virtual void Text(PixelPunkt p, const std::string& text, std::int32_t farbe, bool mitHintergrund,
                    std::int32_t hintergrund) = 0;
  virtual TextMass TextGroesse(const std::string& text) = 0;
  /// Text turned by winkelGrad (counter-clockwise) about its top left corner p, hoehePx pixels
  /// high, on a transparent background. A surface that cannot turn text writes it unturned.
  virtual void TextGedreht(PixelPunkt p, const std::string& text, std::int32_t farbe, double winkelGrad,
                           std::int32_t hoehePx) {
    (void)winkelGrad;
    (void)hoehePx;
    Text(p, text, farbe, false, 0);
  }
  /// Size of the surface in pixels; drawing may skip what lies wholly outside it.
  virtual std::int32_t Breite() const = 0;
  virtual std::int32_t Hoehe() const = 0;
};

}  // namespace trm
