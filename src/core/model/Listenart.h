// TListenart: what distinguishes one kind of element library from another — record length,
// file names and filters, the German texts of its messages and window, the layout field that
// holds its active list, and how a record shows as a row. Each element kind defines one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/model/Elementart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;

/// One row of a list window: the texts of its columns.
using TListenzeile = std::vector<std::string>;

/// A column of a list window: header and width in pixels.
struct TListenspalte {
  const char* titel;
  int breite;
};

/// The description of one kind of library file.
struct TListenart {
  std::size_t satzlaenge;       ///< lines per type record
  const char* standardName;     ///< the list in the data folder: "stdWListe.w88"
  const char* endung;           ///< extension without dot: "w88"
  const char* filterOeffnen;    ///< open dialog filter ("Beschreibung (*.ext)|*.ext")
  const char* filterSpeichern;  ///< save dialog filter
  const char* name;             ///< the list as messages name it: "Weichenliste"
  const char* exportLeer;       ///< the error of an export without a readable list
  Elementart art;               ///< the kind whose active list path the layout holds

  const char* titel;       ///< caption of the list window
  const char* fenster;     ///< object name of the list window
  const char* auswaehlen;  ///< caption of the choose button
  const char* entfernen;   ///< caption of the remove button
  std::vector<TListenspalte> spalten;
  /// The row of record `nummer` (1-based), one text per column.
  TListenzeile (*zeile)(std::size_t nummer, const Zeilen& satz);
  /// Reads one type record at line i (advanced past it) to check it; throws LeseFehler.
  void (*lesen)(const Zeilen& zeilen, std::size_t& i);
  /// Header lines before the count line: one in turnout lists, none in turntable lists.
  std::size_t kopfzeilen = 1;
  /// The error shown when the active list cannot be read as its window opens; none: the
  /// question naming the list and its path.
  const char* fehlt = nullptr;
  /// The list as the missing-list question names it (crossings and slips all say
  /// "Kreuzungsliste"); none: `name`.
  const char* fehltName = nullptr;
  /// The warning when the last record is to be removed; none: the last record may go too.
  const char* letzterSatz = nullptr;
  /// Places a record at the end of the current segment of a layout's current module (the
  /// preview of the list window builds the type in a layout of its own this way); throws
  /// LeseFehler when the record does not read.
  void (*einsetzen)(Anlage& a, const Zeilen& satz) = nullptr;
};

}  // namespace trm
