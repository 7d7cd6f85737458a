// Replacing a file so that a crash, a full disk or a foreign file never costs the old one: the
// new content goes to a temporary file of its own beside the real file (links followed), is
// flushed to disk and renamed over it. POSIX calls; the temporary files end in ".tmp~".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trm {

/// The file a save of `pfad` replaces: `pfad` with every symbolic link followed (a link that
/// points nowhere names the file to create). Throws DateiFehler for a chain of links that does
/// not end.
std::string Speicherziel(const std::string& pfad);

/// Creates an empty temporary file beside `ziel` (a final target, see Speicherziel) with a name
/// of its own ("NAME.XXXXXX.tmp~"), exclusively: never an existing file or link. Returns its
/// path. Throws DateiFehler: `meldung` (the sentence naming the file the user gave) and why.
std::string Zwischendatei(const std::string& ziel, const std::string& meldung);

/// Flushes the temporary file to disk, gives it the permissions (and, where allowed, the owner)
/// of the file it replaces, renames it over `ziel` and flushes the folder. The temporary file
/// is removed when this fails. An existing target that is no regular file or is write-protected
/// is not replaced. Throws DateiFehler: `meldung` and why.
void Uebernehmen(const std::string& zwischen, const std::string& ziel, const std::string& meldung);

/// Writes `bytes` as the file `pfad`: through a temporary file as above; when the folder takes
/// no new file but the file itself may be written, the file is overwritten in place once room
/// for the whole text is reserved. An existing file that is no regular file or is write-protected
/// is not replaced. Throws DateiFehler: "Die Datei "pfad" konnte nicht gespeichert werden." and
/// on the next line why ("kein Speicherplatz", "keine Schreibrechte", "Ordner nicht gefunden").
void DateiErsetzen(const std::string& pfad, std::string_view bytes);
/// The same for bytes given as consecutive blocks.
void DateiErsetzen(const std::string& pfad, const std::vector<std::string>& bloecke);

}  // namespace trm
