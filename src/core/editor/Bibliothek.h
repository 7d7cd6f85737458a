// The element libraries: every list kind, given by its TListenart, is read, changed and
// exchanged here. The active list is never held open: each operation reads the whole file
// and writes it back. Nothing here marks the layout changed; callers that change the active
// list path (import) do that.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/base/Dialoge.h"
#include "core/model/Listenart.h"
#include "core/model/Typliste.h"

namespace trm {

/// The buttons that close a list window.
enum class Listenknopf { Abbrechen = 0, Auswaehlen = 1, Entfernen = 2 };

/// What opening a list window came to.
enum class Listenaufruf {
  Zeigen,     ///< the active list reads: show the window
  Importiert  ///< it did not; another list was imported instead and the window stays shut
};

/// Reads the active list of the kind. Throws DateiFehler or LeseFehler.
TTypliste ListeLaden(const Anlage& a, const TListenart& art);
/// The window's rows for the records of a list.
std::vector<TListenzeile> ListenZeilen(const TTypliste& liste, const TListenart& art);

/// Record k (1-based) of the active list. None when k is out of range, or after a read error
/// went to Dialoge::Fehler.
std::optional<Zeilen> TypLesen(const Anlage& a, const TListenart& art, std::size_t k, Dialoge& d);
/// Removes record k from the active list; errors go to Dialoge::Fehler. A kind that keeps its
/// last record warns with its letzterSatz instead. False when nothing was removed.
bool TypEntfernen(const Anlage& a, const TListenart& art, std::size_t k, Dialoge& d);
/// Exchanges records i and j of the active list; false when out of range or unreadable.
bool TypenTauschen(const Anlage& a, const TListenart& art, std::size_t i, std::size_t j);
/// Appends a record to the active list. An unreadable list gives the warning "Die Datei<path>
/// konnte nicht geöffnet werden."; false on failure.
bool TypAnhaengen(const Anlage& a, const TListenart& art, const Zeilen& satz, Dialoge& d);

/// Makes pfad the active list by the list path rule (else the standard list of the data
/// folder). True when pfad itself became the active list.
bool ListeImportieren(Anlage& a, const TListenart& art, const std::string& pfad);
/// Copies the active list unchanged to ziel. An unreadable list gives the kind's exportLeer
/// warning; false on failure.
bool ListeExportieren(const Anlage& a, const TListenart& art, const std::string& ziel, Dialoge& d);

/// "importieren": the open dialog, then ListeImportieren. True when a file was chosen.
bool ListeImportierenDialog(Anlage& a, const TListenart& art, Dialoge& d);
/// "exportieren": the save dialog, then ListeExportieren. True when the list was written.
bool ListeExportierenDialog(const Anlage& a, const TListenart& art, Dialoge& d);

/// The message when the active list cannot be read on opening its window.
std::string MeldungListeFehlt(const TListenart& art, const std::string& pfad);
/// Before a list window opens. When the active list cannot be read: MeldungListeFehlt with a
/// single Yes button (or the kind's own `fehlt` error), the open dialog, and the import of
/// the chosen path (the standard list when none is chosen).
Listenaufruf ListeAufrufen(Anlage& a, const TListenart& art, Dialoge& d);
/// The question before record k is removed: "Den Typ "name" aus der Weichenliste entfernen?".
std::string EntfernenFrage(const Anlage& a, const TListenart& art, std::size_t k);
/// After the list window closed with `knopf` on record k: Entfernen asks EntfernenFrage and
/// removes the record on Ja,
/// Auswaehlen gives it back for placing. Read and write errors go to Dialoge::Fehler.
std::optional<Zeilen> ListenAuswahl(const Anlage& a, const TListenart& art, Listenknopf knopf,
                                    std::size_t k, Dialoge& d);

}  // namespace trm
