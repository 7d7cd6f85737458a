// What an element draws on a printed sheet: the sheet's pen in layout millimetres with the print
// options, called at the stages of the sheet's fixed drawing order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/Listen.h"
#include "core/render/Canvas.h"

namespace trm {

class TBogen;

/// What a print shows. Rails and the 100 mm grid are on by default.
struct TDruckoptionen {
  bool farbig = false;       ///< "farbig"; clear: "s/w"
  bool schwellen = false;    ///< "Schwellen drucken"
  bool trasse = false;       ///< "Trasse markieren"
  bool bogenname = false;    ///< "Bogenname"
  bool bogenradius = false;  ///< "Bogenradius"
  bool schienen = true;      ///< "Schienen drucken"
  bool raster = true;        ///< "100mm-Raster"
  bool hoehen = false;       ///< "Z-Koordinate"
  bool geoRahmen = false;    ///< "nur Rahmen"
  bool geoVollstaendig = false;  ///< "vollständig"
};

/// Height of printed texts in printer pixels.
inline constexpr std::int32_t DruckTexthoehe = 50;

/// The stages at which elements draw on a sheet, in the sheet's order. The sheet calls a stage
/// only when its option is on, with a white brush and the pen of the stage before.
enum class Druckstufe : int {
  Schwellen,  ///< sleeper outlines of an element's own plan, under the tracks ("Schwellen drucken")
  Trassen,    ///< bed edges of the element's tracks ("Trasse markieren")
  Namen,      ///< names, over the tracks ("Bogenname")
  Bauteile,   ///< background components ("nur Rahmen" / "vollständig")
  Obenauf,    ///< over everything, after the grid and the sheet number (black pen)
};

/// The sheet as an element sees it: places in layout millimetres, printer pixels out.
class Blattstift {
 public:
  Blattstift(Canvas& c, const TDruckoptionen& o) : c(c), o(o) {}
  virtual ~Blattstift() = default;
  Blattstift(const Blattstift&) = delete;
  Blattstift& operator=(const Blattstift&) = delete;

  Canvas& c;
  const TDruckoptionen& o;

  /// The printer pixel of a layout point.
  virtual PixelPunkt P(double x, double y) const = 0;
  /// A layout length in printer pixels.
  virtual std::int32_t Laenge(double mm) const = 0;

  /// The colour printed: f in a colour print, black otherwise.
  std::int32_t Farbe(std::int32_t f) const;
  /// The polyline of a segment's points shifted sideways by d (left positive).
  void Versetzt(const TBogen& b, double d);
  /// A text at a layout point along direction `winkel` (radians), in the printed text height.
  void Text(double x, double y, const std::string& text, double winkel);
  /// Quadrilaterals of layout points (sleeper outlines).
  void Umrisse(const std::vector<std::array<TPaar, 4>>& umrisse);
  /// A circle of radius r mm about (x, y).
  void Kreis(double x, double y, double r);
};

}  // namespace trm
