// A background component: a named group of drawing elements with a reference point, placed in
// a module and stored with it. It has no tracks; it is drawn under the layout.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/geometry/GeoElement.h"
#include "core/model/Element.h"
#include "core/model/Geometrie.h"

namespace trm {

/// Element numbers of components are drawn in 0..BereichGeo (they are not stored).
inline constexpr std::int64_t BereichGeo = 99'999'999;

class TGeo : public TElement {
 public:
  explicit TGeo(TModul* m = nullptr) { Modul = m; }

  std::string Name;
  std::vector<TGeoElement> Elemente;
  TGeopunkt Bezugspunkt;
  double Winkel = 0;  ///< carried through records, not used
  std::int32_t GeoNr = 0;
  // Mouse state of the main canvas.
  bool Gegriffen = false, Getroffen = false;
  double GriffDX = 0, GriffDY = 0;

  /// Every point of every element turned about the reference point by w (counter-clockwise).
  void Drehen(double w);
  /// Every point and the reference point shifted by (dx, dy).
  void Verschieben(double dx, double dy);
  /// All points in element and point order.
  TGeopunkte AllePunkte() const;
  /// The reference point at m + (GriffDX, GriffDY), point k at m + offset k.
  void BewegenZu(double mx, double my, const std::vector<TPunkt>& versatz);
  /// Point k at `PunktDrehen`(p + offset k, direction from the reference point to m).
  void DrehenZu(double mx, double my, const std::vector<TPunkt>& versatz, double px, double py);

  /// Reads a component record at line i (advanced past it); with `dezimalpunkt` (the library
  /// file) reals may have a decimal point. Throws LeseFehler naming the line.
  void RecordLesen(const Zeilenquelle& z, std::size_t& i, bool dezimalpunkt = false);
  void RecordSchreiben(Zeilen& out) const;
  /// Draws the elements (point markers when `marken`) and the reference marker.
  void Malen(Canvas& c, const std::function<PixelPunkt(double, double)>& pixel, double s, bool marken) const;

  // The element seam.
  Elementart Art() const override { return Elementart::Geo; }
  std::string Typname() const override { return Name; }
  std::int32_t Nummer() const override { return GeoNr; }
  void NummerSetzen(std::int32_t n) override { GeoNr = n; }
  TGleis* Stammgleis() const override { return nullptr; }
  bool Hintergrund() const override { return true; }
  void VomAnfangBerechnen() override {}
  void DatenSchreiben(Zeilen& out) const override { RecordSchreiben(out); }
  void TypSchreiben(Zeilen& out) const override { RecordSchreiben(out); }
  void Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const override;
  void Drucken(Druckstufe s, Blattstift& p) const override;
  std::unique_ptr<TElement> Klonen() const override { return std::make_unique<TGeo>(*this); }
  void ZeigerUmsetzen(const TUmsetzung&, TModul* m) override { Modul = m; }

  static TElement* Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k);
};

/// The reference marker (crimson cross in a circle) at pixel p.
void Bezugsmarke(Canvas& c, PixelPunkt p);

}  // namespace trm
