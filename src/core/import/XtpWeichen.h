// The turnouts of a parameter file as a turnout list: each TURNOUT block of the chosen scale
// converted where a turnout type takes it, the others counted by reason.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/import/XtpDatei.h"
#include "core/model/Zeilen.h"

namespace trm {

/// What the conversion of a file came to.
struct XtpErgebnis {
  Zeilen saetze;                 ///< the type records, one after another
  std::size_t uebernommen = 0;   ///< types taken
  /// Skipped blocks per reason, in the order the reasons first occurred.
  std::vector<std::pair<std::string, std::size_t>> uebersprungen;
  std::size_t Uebersprungen() const;
};

/// A type name from a block's title: its tab-separated parts, trimmed, joined by " ".
std::string XtpName(const std::string& titel);

/// The scale name of the parameter files for a ratio 1 : massstab ("HO" for 87), "HO" for
/// ratios it does not know.
std::string XtpMassstabname(double massstab);

/// Converts the blocks (all of one scale, e.g. from XtpDateiLesen with that scale).
XtpErgebnis XtpWeichenUmwandeln(const std::vector<XtpTyp>& typen, const std::string& massstab);

/// The lines of a ".w88" list of the converted types; the header names the source file.
Zeilen XtpWeichenliste(const XtpErgebnis& e, const std::string& quelle, const std::string& massstab);

/// "n Weichentypen übernommen, m übersprungen" and one line per reason.
std::string XtpBericht(const XtpErgebnis& e);

}  // namespace trm
