// The settings of the layout check: the maximum gradient, the vertical clearance in the
// prototype and which rules run. They are kept in a small file of the data folder, never in
// the layout file.
#pragma once

#include <array>
#include <string>

#include "core/check/Befund.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;

struct TPruefregeln {
  double MaxSteigung = 3;           ///< largest gradient in %
  double Durchfahrtshoehe = 6525;   ///< rail top to rail top in prototype mm
  std::array<bool, RegelAnzahl> An{true, true, true, true, true, true, true, true};

  bool Aktiv(Regel r) const { return An[static_cast<std::size_t>(r)]; }
  void Setzen(Regel r, bool an) { An[static_cast<std::size_t>(r)] = an; }
  /// The clearance at the layout's scale (prototype mm divided by the scale number).
  double DurchfahrtshoeheModell(const Anlage& a) const;
  bool operator==(const TPruefregeln&) const = default;
};

/// Name of the settings file in the data folder.
inline constexpr const char* PruefregelnDateiName = "pruefregeln.prf";

/// The lines of the settings file and back. Reading ignores lines it does not know; a file
/// that is no settings file of the check, or a value that does not convert or lies out of
/// range, throws LeseFehler naming the line.
Zeilen PruefregelnSchreiben(const TPruefregeln& r);
TPruefregeln PruefregelnLesen(const Zeilen& z);

/// The settings of the data folder: the defaults when it holds no settings file; a file that
/// does not read throws LeseFehler (DateiFehler when it cannot be opened).
TPruefregeln PruefregelnLaden(const std::string& datenpfad);
/// Writes the settings into the data folder (safely replacing the old file).
void PruefregelnSpeichern(const std::string& datenpfad, const TPruefregeln& r);

}  // namespace trm
