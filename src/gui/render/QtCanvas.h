// The canvas on a QPainter: the screen, bitmap export and the command-line renderer draw here.
#pragma once

#include <QFont>
#include <QPainter>
#include <optional>

#include "core/render/Canvas.h"

namespace trm::gui {

/// Windows colour value 0x00BBGGRR as a QColor.
QColor QFarbe(std::int32_t farbe);

/// Draws on a painter without antialiasing, so that lines fall on whole pixels.
class QtCanvas : public Canvas {
 public:
  /// breite, hoehe: the size of the surface that the drawing may skip beyond; texts in the
  /// given point size (the drawing's own when 0).
  QtCanvas(QPainter& painter, std::int32_t breite, std::int32_t hoehe, int schriftgroesse = 0);

  void SetStift(const Stift& s) override;
  void SetPinsel(const Pinsel& p) override;
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
  /// Where Fuellen fills: the module's part of a larger surface (the whole surface when unset).
  std::optional<QRect> fuellbereich;
  std::int32_t Hoehe() const override { return hoehe_; }

 private:
  QPainter& p_;
  std::int32_t breite_, hoehe_;
  QFont schrift_;
};

}  // namespace trm::gui
