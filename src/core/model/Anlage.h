// Anlage: the layout root with the layout-wide defaults, the modules, the current module and
// the hand-out of unique numbers. Held apart from any window.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/model/Einstellungen.h"
#include "core/model/Elementart.h"
#include "core/model/Modul.h"
#include "core/model/Zufall.h"

namespace trm {

/// Number ranges of the creating operations.
inline constexpr std::int64_t BereichModul = 9'999'999;
inline constexpr std::int64_t BereichNeuesGleis = 99'999'999;
inline constexpr std::int64_t BereichWeiche = 1'410'065'407;
inline constexpr std::int64_t BereichKreuzung = 99'999'999;

/// The values of the layout record: what a file stores of the layout besides its modules.
struct AnlageKopf {
  std::string Name = "Ohne Namen";
  double StdMmProPixel = 2;
  std::int32_t StdBreite = 1500, StdHoehe = 600;
  std::int32_t GitterBeschrN = 2;
  std::int32_t GitterAbst = 500;
  bool GitterSichtbar = true, GitterBeschriftung = true;
  std::array<std::int32_t, 16> Farbspeicher{};
  std::string Kennung;
  /// The active library file of every element kind, by kind (the file holds them in the
  /// order of the kind table).
  std::array<std::string, AnzahlElementarten> Listendateien;
  std::string& Listendatei(Elementart art) { return Listendateien[static_cast<std::size_t>(art)]; }
  const std::string& Listendatei(Elementart art) const { return Listendateien[static_cast<std::size_t>(art)]; }
  TEinstellungen Werte;  ///< layout defaults: never -1 once a file is read
  std::int32_t Farbe = 0xFFFFFF;  ///< default module background colour
  double Massstab = 87;
  std::string Optionen = "0000000000";
  double VSpur = 1435, VSwBrt = 260, VSwLen = 2600, VSwAbst = 650;
};

/// The layout. Exactly one is open at a time.
class Anlage : public AnlageKopf {
 public:
  explicit Anlage(std::shared_ptr<Zufall> zufall = nullptr);
  Anlage(const Anlage&) = delete;
  Anlage& operator=(const Anlage&) = delete;

  std::vector<std::unique_ptr<TModul>> Module;
  int AktModul = 0;

  std::string DateiPfad;  ///< file last opened or saved; empty for a new layout
  std::string DatenPfad;  ///< data folder, ending in a separator
  /// What reading the file put right (one-sided link groups), for the user after opening.
  std::vector<std::string> Lesehinweise;
  std::unordered_set<std::string> IDListe;  ///< numbers handed out since open or new
  bool VerbindungenZeigen = false;  ///< draw the lines of the link groups
  bool TrasseZeichnen = false;      ///< draw the track-bed edges of ordinary tracks
  bool HoehenZeigen = false;        ///< draw the height values
  bool GeoPunkteZeigen = false;     ///< mark the points of background components (deforming)
  std::int32_t GitterFarbe = 0x808080;
  std::int32_t BeschrFarbe = 0x000000;

  /// The current module, or none when the layout has no module.
  TModul* AktuellesModul() const;
  /// Makes module i current.
  void ModulWaehlen(int i);
  /// Appends an empty module that belongs to this layout.
  TModul* ModulAnhaengen();
  /// The new-module rules: a number in 0..9 999 999, the module appended and made current with
  /// the standard scale and size, named "Modul " and its position, holding one straight track
  /// of 200 mm from (0, Hoehe/2) that carries the module's number and is current.
  TModul* NeuesModulAnlegen();
  /// Removes and destroys module i; tracks of other modules keep no reference to its tracks.
  void ModulEntfernen(int i);
  /// The last track of the layout (modules and tracks in order) that carries number n.
  TGleis* GleisMitNummer(std::int32_t n) const;
  /// True when n was not handed out and no track carries it.
  bool IDFrei(std::int64_t n) const;
  /// Draws a number in 0..bereich, increases it until free and records it in IDListe.
  std::int32_t NeueNummer(std::int64_t bereich);
  /// IDFrei, and no element of the layout carries n.
  bool ElementnummerFrei(std::int64_t n) const;
  /// An element's number: drawn in plus..bereich + plus, increased until ElementnummerFrei and
  /// recorded in IDListe.
  std::int32_t NeueElementnummer(std::int64_t bereich, std::int64_t plus = 0);
  /// Option character at 1-based position pos, '0' when missing.
  char Option(int pos) const;

  std::shared_ptr<Zufall> Zufallsquelle;
};

}  // namespace trm
