// The findings of the layout check: the rules with their identifiers and German names, one
// finding with its place, tracks, value and limit, and their order (errors before hints).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trm {

/// The rules of the layout check, in the order the settings and the window list them.
enum class Regel : int {
  Luecke,            ///< joined ends apart, or unjoined ends almost meeting
  OffenesEnde,       ///< a track end that meets nothing (a hint)
  Mindestradius,     ///< a radius below the minimum radius in force
  Steigung,          ///< a gradient above the maximum
  Ueberschneidung,   ///< two tracks at one height whose rails touch
  Durchfahrtshoehe,  ///< beds crossing with too little height between them
  Gleisabstand,      ///< parallel tracks closer than the track spacing
  AusserhalbPlatte,  ///< a track point outside its module
};
inline constexpr int RegelAnzahl = 8;

struct TRegelInfo {
  const char* kennung;  ///< identifier in the tool's output ("gap")
  const char* name;     ///< German name in the window ("Lücke")
  bool fehler;          ///< an error; else a hint
};
/// The rule's identifier, German name and severity.
const TRegelInfo& RegelInfo(Regel r);
/// All rules in order.
std::array<Regel, RegelAnzahl> AlleRegeln();

/// One finding.
struct TBefund {
  Regel regel = Regel::Luecke;
  int modul = 0;              ///< index of the module
  double x = 0, y = 0;        ///< place in module coordinates (mm)
  std::vector<std::int32_t> gleise;  ///< track numbers
  double wert = 0;            ///< the value found (mm, % or mm of radius)
  double grenze = 0;          ///< the limit it breaks
  std::string text;           ///< German description

  bool Fehler() const { return RegelInfo(regel).fehler; }
  /// "fehler" or "hinweis".
  const char* Schwere() const { return Fehler() ? "fehler" : "hinweis"; }
};

/// Errors before hints, then by module, rule, tracks and place: the same layout always
/// lists the same way.
void BefundeOrdnen(std::vector<TBefund>& befunde);
/// Number of errors among the findings.
std::size_t Fehlerzahl(const std::vector<TBefund>& befunde);

/// "Gleis 12" or "Gleise 12 und 13" (or "Gleise 1, 2 und 3").
std::string GleisText(const std::vector<std::int32_t>& gleise);

}  // namespace trm
