// The import of an XTrackCAD layout file (".xtc") into a new layout: one module of the room's
// size, the scale and gauge of the file, its track objects as tracks and turnouts joined where
// the file joins them, heights from the defined end elevations, drawings and table edges as
// background components; what is skipped is counted by kind and reason.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/editor/Dokument.h"
#include "core/model/Anlage.h"

namespace trm {

inline constexpr const char* FilterXtcImport = "XTrackCAD-Anlage (*.xtc)|*.xtc";

/// What an import came to, and how exactly: the file's track ends found at their place and its
/// joints kept as predecessor and successor.
struct XtcErgebnis {
  std::size_t gleisobjekte = 0;  ///< track objects of the file (turntables included)
  std::size_t uebernommen = 0;   ///< track objects taken
  std::size_t weichen = 0;       ///< of them as turnouts
  std::size_t kreuzungen = 0;    ///< of them as crossings
  std::size_t ekw = 0, dkw = 0;  ///< of them as single and double slips
  std::size_t drehscheiben = 0;  ///< of them as turntables
  std::size_t weichenAlsGleise = 0;  ///< turnouts taken as one track per path
  std::size_t bauteile = 0;      ///< background components made
  /// Skipped objects per "kind: reason", in the order they first occurred.
  std::vector<std::pair<std::string, std::size_t>> uebersprungen;
  std::size_t gleisobjekteUebersprungen = 0;
  std::size_t enden = 0, endenAmOrt = 0;            ///< ends of the taken track objects
  std::size_t verbindungen = 0, verbindungenGehalten = 0;  ///< joints between track objects
};

/// Builds the layout from the bytes of a file named `datei` (for messages). Throws LeseFehler
/// with a German message for a file that does not read or whose result cannot be computed.
std::unique_ptr<Anlage> XtcImportieren(const std::string& bytes, const std::string& datei,
                                       const std::string& datenPfad, std::shared_ptr<Zufall> zufall,
                                       XtcErgebnis& ergebnis);

/// Reads the file at `pfad` and imports it. Throws DateiFehler or LeseFehler ("Die Datei … kann
/// nicht importiert werden." and the reason).
std::unique_ptr<Anlage> XtcDateiImportieren(const std::string& pfad, const std::string& datenPfad,
                                            std::shared_ptr<Zufall> zufall, XtcErgebnis& ergebnis);

/// The German report: taken and skipped objects, skipped ones by kind and reason.
std::string XtcBericht(const XtcErgebnis& e);

/// "XTrackCAD-Anlage (*.xtc)…" for `Dokument::Importieren`: the report comes after the import
/// as the layout's first reading note.
const Importart& XtcImport();

}  // namespace trm
