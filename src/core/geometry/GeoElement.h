// A drawing element of a background component: polyline, polygon, cubic Bezier curve or
// circle, with its colours, line width and points in mm (y upwards), its record, and drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/model/Zeilen.h"
#include "core/render/Canvas.h"

namespace trm {

/// A point: x and y in mm and two values carried through records unchanged.
struct TGeopunkt {
  double x = 0, y = 0, c = 0, d = 0;
};
using TGeopunkte = std::vector<TGeopunkt>;

/// Kinds of drawing element.
enum Geoart : int { GeoPolylinie = 0, GeoPolygon = 1, GeoBezier = 2, GeoKreis = 3 };

/// Colour text of a record: a name ("clBlack") when the colour has one, else "$" and 8 hex digits.
std::string FarbText(std::int32_t farbe);
/// Reads a name, a "$" hexadecimal or a decimal colour; throws LeseFehler.
std::int32_t FarbeAusText(std::string_view text);
/// A point line: four reals, each followed by "#".
std::string PunktText(const TGeopunkt& p);
/// Reads a point line; with `dezimalpunkt` a decimal point is taken as well as a comma.
TGeopunkt PunktAusText(std::string_view text, bool dezimalpunkt = false);
/// Direction from c to m: atan(dy/dx), +π for dx < 0, ±π/2 (0) for dx = 0.
double Richtungswinkel(double cx, double cy, double mx, double my);

struct TGeoElement {
  int Art = GeoPolylinie;
  std::int32_t Stiftfarbe = 0;
  std::int32_t Fuellfarbe = 0xFFFFFF;
  double Stiftbreite = 0;
  TGeopunkte Punkte;
  bool Fertig = false;
  bool Gewaehlt = false;  ///< selected in the editor: drawn in red
  int AktPunkt = 0;

  void PunktHinzu(double x, double y) { Punkte.push_back({x, y, 0, 0}); }
  /// All points: start points + (dx, dy).
  void Verschieben(const TGeopunkte& start, double dx, double dy);
  /// One point: its start point + (dx, dy).
  void PunktVerschieben(const TGeopunkte& start, std::size_t i, double dx, double dy);
  /// Every start point turned about (cx, cy) by the direction from there to (mx, my).
  void DrehenZu(const TGeopunkte& start, double mx, double my, double cx, double cy);
  /// Every point turned about (cx, cy) by w radians (counter-clockwise).
  void Drehen(double w, double cx, double cy);
  /// Distance from point 1 to point 2 of a circle.
  double Radius() const;
  /// The least number of points the kind needs.
  std::size_t MindestPunkte() const;
  /// Complete by the rule of its kind.
  bool Vollstaendig() const;

  /// Reads an element record (kind line up to "end"); unknown kinds are polylines, and any
  /// number of points is kept. With `dezimalpunkt` (the library file, written in the user's
  /// locale) reals may have a decimal point. Throws LeseFehler naming the line for bad values
  /// or a missing "end".
  void Lesen(Zeilenleser& l, bool dezimalpunkt = false);
  void Schreiben(Zeilen& out) const;
  /// Draws with `pixel` converting mm to pixels at s mm per pixel; point markers when `marken`.
  void Zeichnen(Canvas& c, const std::function<PixelPunkt(double, double)>& pixel, double s, bool marken) const;
};

}  // namespace trm
