// What the data windows "Kreuzung", "EKW" and "DKW" show of an element: the caption, the tab
// pages with their value lists (key, text, the entry a row takes), the state of the tool
// buttons and of the blade schematic. Which pages and rows exist follows the element (a slip
// shows "Herzstück" with blades inside and "Zungen" with blades outside).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/crossings/KreuzungsBefehle.h"

namespace trm {

class TKreuzung;

/// One row of a value list.
struct TWertzeile {
  std::string schluessel;
  std::string text;
  std::optional<Krfeld> feld;  ///< the entry the row takes; none: shown only
  std::string zusatz;          ///< a second value shown on cyan after " / " (a branch's middle radius)
  bool operator==(const TWertzeile&) const = default;
};

/// A value list with its title.
struct TWertliste {
  std::string titel;
  std::vector<TWertzeile> zeilen;
  bool operator==(const TWertliste&) const = default;
};

/// A tab page.
struct TDatenseite {
  std::string titel;
  std::vector<TWertliste> listen;
  bool operator==(const TDatenseite&) const = default;
};

/// Everything a data window shows.
struct Kreuzungsanzeige {
  Elementart art = Elementart::Kreuzung;
  std::string titel;  ///< "Kreuzung - " and the name; a slip's name alone
  std::vector<TDatenseite> seiten;
  bool gekruemmt = false;  ///< "Krümmungsrichtung umkehren" is possible
  bool aussen = false;     ///< blades outside: the base-length edit and the blade schematic show
  std::string grundlaenge;  ///< the base length in that edit
  bool amKreuzungsgleis = false;  ///< a single slip's branch leaves the crossing track
  /// The swap circles, in the order of Zungenkreis (a single slip: the two upper ones).
  std::array<bool, 4> getauscht{};
};

/// The texts of the data window for element k.
Kreuzungsanzeige KreuzungAnzeigen(const TKreuzung& k);
/// A row of the display by its entry, or none.
const TWertzeile* Zeile(const Kreuzungsanzeige& a, Krfeld feld);

}  // namespace trm
