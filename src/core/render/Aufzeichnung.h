// A canvas that records every call, so that drawing can be checked as data (which shapes,
// where, in which colours) and counted in benchmarks without rasterising.
#pragma once

#include <string>
#include <vector>

#include "core/render/Canvas.h"

namespace trm {

/// One recorded drawing call with the pen and brush in effect.
struct Zeichenbefehl {
  enum class Art { Fuellen, Linie, Polylinie, Polygon, Ellipse, Pixel, Text };
  Art art;
  std::vector<PixelPunkt> punkte;  ///< line ends, polygon corners, ellipse box corners, pixel
  Stift stift;
  Pinsel pinsel;
  std::int32_t farbe = 0;  ///< fill, pixel or text colour
  std::string text;
  bool hintergrund = false;
  double winkel = 0;  ///< turn of a text in degrees
  std::int32_t texthoehe = 0;  ///< pixel height of a turned text; 0 for the canvas font
};

/// Records calls; texts measure 6 pixels per character and 13 pixels high.
class Aufzeichnung : public Canvas {
 public:
  Aufzeichnung(std::int32_t breite = 1000, std::int32_t hoehe = 1000) : breite_(breite), hoehe_(hoehe) {}
  std::vector<Zeichenbefehl> befehle;

  void SetStift(const Stift& s) override { stift_ = s; }
  void SetPinsel(const Pinsel& p) override { pinsel_ = p; }
  void Fuellen(std::int32_t farbe) override;
  void Linie(PixelPunkt a, PixelPunkt b) override;
  void Polylinie(const std::vector<PixelPunkt>& punkte) override;
  void Polygon(const std::vector<PixelPunkt>& punkte) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Pixel(PixelPunkt p, std::int32_t farbe) override;
  void Text(PixelPunkt p, const std::string& text, std::int32_t farbe, bool mitHintergrund,
            std::int32_t hintergrund) override;
  TextMass TextGroesse(const std::string& text) override;
  void TextGedreht(PixelPunkt p, const std::string& text, std::int32_t farbe, double winkelGrad,
                   std::int32_t hoehePx) override;
  std::int32_t Breite() const override { return breite_; }
  std::int32_t Hoehe() const override { return hoehe_; }

  /// The recorded calls of one kind.
  std::vector<const Zeichenbefehl*> Alle(Zeichenbefehl::Art art) const;

 private:
  Zeichenbefehl Neu(Zeichenbefehl::Art art) const { return {art, {}, stift_, pinsel_, 0, {}, false, 0, 0}; }
  std::int32_t breite_, hoehe_;
  Stift stift_;
  Pinsel pinsel_;
};

}  // namespace trm
