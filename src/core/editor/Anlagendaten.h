// The settings window's decisions: the seven track dimensions at the four levels with their
// resets, the minimum radius, the prototype-to-model conversion, names, sizes, colours, grid
// and options, and writing the settings file. Every change of the layout is a command.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trm {

class Editor;

/// The levels of the inheritance chain.
enum class Ebene { Anlage, Modul, Gleis, Bogen };
/// The seven dimensions in the window's order.
enum class Mass { Spur, SwAbst, SwLen, SwBrt, SKopf, GlsAbst, TrBrt };
inline constexpr std::array<Mass, 7> AlleMasse{Mass::Spur,  Mass::SwAbst,  Mass::SwLen, Mass::SwBrt,
                                               Mass::SKopf, Mass::GlsAbst, Mass::TrBrt};

/// Model gauge of a prototype gauge at scale 1:n: the last of the standard gauges 63, 45, 32,
/// 16.5, 12, 9 and 6.5 mm within max(1.4, g / 25) of g = vorbild / n, else g.
double Modellspur(double vorbild, double n);
/// The prototype choices of the rail head (option 3) and the track spacing (option 4), in mm.
inline constexpr std::array<double, 2> VorbildSchienenkopf{72, 67};
inline constexpr std::array<double, 4> VorbildGleisabstand{3500, 4000, 4500, 5000};

class Anlage;

class Anlagendaten {
 public:
  explicit Anlagendaten(Editor& editor) : ed_(editor) {}

  /// "Bereits geänderte Werte überschreiben?" of the layout, module and track pages.
  bool ueberschreibenAnlage = false, ueberschreibenModul = false, ueberschreibenGleis = false;

  /// The effective value at the level, 3 decimals; the rail head as (outer width − gauge) / 2.
  /// Empty when the level has no object (no module, track or segment).
  std::string Anzeige(Ebene e, Mass m) const;
  bool MassSetzen(Ebene e, Mass m, const std::string& text);

  /// 1 / stored curvature at the level (layout, module, track).
  std::string MinRadiusAnzeige(Ebene e) const;
  /// abs(1 / value); 0 or a text that does not convert: "Falsche Eingabe. Wert wird
  /// zurückgesetzt" and nothing changes.
  bool MinRadiusSetzen(Ebene e, const std::string& text);

  // Prototype values of the layout ("Vorbildmaße").
  bool MassstabSetzen(const std::string& text);
  bool VorbildSpurSetzen(const std::string& text);
  /// Prototype sleeper spacing (0), length (1) or width (2); stored as its absolute value.
  bool VorbildSchwelleSetzen(int welche, const std::string& text);
  /// One option character (1-based position).
  bool OptionSetzen(int pos, char c);

  // Names, sizes, colours.
  bool NameSetzen(Ebene e, const std::string& text);
  /// Module width (`breite`) or height in mm: an integer from 1 to 32000.
  bool ModulGroesseSetzen(bool breite, const std::string& text);
  bool FarbeSetzen(Ebene e, std::int32_t farbe);
  /// The palette's click: the current segment and the turnout or crossing of its track.
  bool SegmentFaerben(std::int32_t farbe);
  bool BenutzerfarbenSetzen(const std::array<std::int32_t, 16>& farben);

  /// "Trasse zeichnen" (`trasse`) or "Höhen zeigen": view settings, no step.
  void AnsichtSetzen(bool trasse, bool an);

  // Grid.
  /// Grid distance in mm (`abstand`) or lines per label: the absolute value of an integer.
  bool GitterSetzen(bool abstand, const std::string& text);
  bool GitterFlagSetzen(bool sichtbar, bool an);

  /// "Einstellungen für nächsten Programmaufruf speichern" into the settings file at `pfad`:
  /// its first 34 lines replaced by the head of the current settings, the rest kept. Shows
  /// the messages; true when written.
  bool EinstellungenSpeichern(const std::string& pfad);

 private:
  bool Fehleingabe();
  Editor& ed_;
};

/// The head lines of the settings file for the current layout values.
std::vector<std::string> Einstellungskopf(const Anlage& a);
/// The template's modules (from the old settings file `alt`) for the new defaults of `a`,
/// their count first: values a module held only because they were the old defaults follow
/// the new ones. None when the old file does not read.
std::optional<std::vector<std::string>> VorlagenmoduleNeu(const std::vector<std::string>& alt, const Anlage& a);

}  // namespace trm
