// Printing to scale: the tiling of a module into paper sheets from its lower left corner, the
// list of sheets to print, and the transform from model millimetres to printer pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/render/Canvas.h"

namespace trm {

/// How a module of a given size falls on sheets at 1 : n.
struct TBlattaufteilung {
  std::int64_t druckBreiteMm = 0, druckHoeheMm = 0;  ///< ceil(module size / n)
  std::int64_t spalten = 0, zeilen = 0;
  std::int64_t Anzahl() const { return spalten * zeilen; }
};

/// Sheets of seiteBreiteMm x seiteHoeheMm (the printable area, whole mm) for a module of
/// breite x hoehe mm at 1 : n. A page size below 1 mm counts as 1 mm.
TBlattaufteilung Blaetter(double breite, double hoehe, std::int64_t n, std::int64_t seiteBreiteMm,
                          std::int64_t seiteHoeheMm);

/// Column (0-based from the left) and row (1-based from the bottom) of sheet m (1-based):
/// numbers run left to right, then one row up.
struct TBlattLage {
  std::int64_t spalte = 0, zeile = 1;
};
TBlattLage BlattLage(std::int64_t m, std::int64_t spalten);

/// Reads a print scale typed as text: a whole number; below 1 becomes 1. Text that is no
/// whole number throws EingabeFehler.
std::int64_t DruckmassstabLesen(const std::string& text);

/// The page list: blanks removed, items split at commas, "a-b" expanded (nothing when b < a),
/// sorted ascending; duplicates stay. An item that is no number, or a sheet outside 1..anzahl,
/// throws EingabeFehler naming it, so that nothing is printed.
std::vector<std::int64_t> Seitenliste(const std::string& text, std::int64_t anzahl);

/// Model millimetres to the pixels of one printed sheet: (round(x·kx/n), −round(y·ky/n))
/// shifted by the sheet origin (c·W, −r·H).
class TDrucktransform {
 public:
  /// dpiX, dpiY: printer pixels per inch; w, h: sheet size in pixels.
  TDrucktransform(double dpiX, double dpiY, std::int64_t n, std::int32_t w, std::int32_t h, TBlattLage lage);
  PixelPunkt Pixel(double x, double y) const;
  /// A length across the drawing (width, radius) in pixels.
  std::int32_t Laenge(double mm) const;
  double Kx() const { return kx_; }
  double Ky() const { return ky_; }
  std::int64_t N() const { return n_; }
  std::int32_t W() const { return w_; }
  std::int32_t H() const { return h_; }
  std::int64_t OriginX() const { return ox_; }
  std::int64_t OriginY() const { return oy_; }

 private:
  double kx_, ky_;
  std::int64_t n_;
  std::int32_t w_, h_;
  std::int64_t ox_, oy_;  ///< printer point shown at the sheet's top left
};

}  // namespace trm
