// The turntable library's kind (ListeDrehscheiben: record, files, texts, rows), storing a
// turntable as a type, placing a type at the end of the current track, and passing a changed
// turntable's position on to the tracks behind its connected tracks.
#pragma once

#include <cstddef>

#include "core/base/Dialoge.h"
#include "core/model/Listenart.h"
#include "core/model/Zeilen.h"

namespace trm {

/// The data folder's standard turntable list.
inline constexpr const char* StdDrehscheibenliste = "stdDSListe.ds";

class Anlage;
class TDrehscheibe;

/// The turntable list: 12-line records in ".ds" files without a header line, the layout's
/// list path of the kind; rows show number, name, outer diameter and division in degrees.
extern const TListenart ListeDrehscheiben;

/// Reads the turntable record at line i of a list into a scratch turntable (no module) and
/// advances i past it; the record reader of turntable lists (TTypliste::SaetzeLesen).
void DrehscheibentypLesen(const Zeilen& zeilen, std::size_t& i);

/// "Drehscheibe -> Drehscheibenliste": appends the turntable's type record to the active list
/// (TypAnhaengen); false on failure.
bool DrehscheibeInListe(const Anlage& a, const TDrehscheibe& d, Dialoge& dialoge);

/// Places type record `satz` at the end E (direction h) of the current track of the current
/// module: its centre at E + Da/2·(cos h, sin h), the bridge towards h, connection 1 active;
/// it becomes the selected element. Throws LeseFehler for a record that does not read.
TDrehscheibe* DrehscheibeEinsetzen(Anlage& a, const Zeilen& satz);

/// After the turntable moved or turned its connected tracks: the tracks attached behind them
/// follow, and the module is computed.
void DrehscheibeAktualisieren(TDrehscheibe& d);

}  // namespace trm
