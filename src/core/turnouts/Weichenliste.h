// The turnout library's kind (ListeWeichen: record, files, texts, rows), storing a turnout as a
// type, and placing a chosen type at the end of the current segment.
#pragma once

#include <cstdint>
#include <string>

#include "core/base/Dialoge.h"
#include "core/model/Listenart.h"
#include "core/model/Zeilen.h"

namespace trm {

/// The data folder's standard turnout list.
inline constexpr const char* StdWeichenliste = "stdWListe.w88";

class Anlage;
class TEWeiche;

/// The turnout list: 44-line records in ".w88" files, the layout's list path of turnouts; rows show
/// number, name, radius and angle in degrees with 3 decimals, and inclination.
extern const TListenart ListeWeichen;

/// Reads the turnout record at line i of a list into a scratch turnout (no module, no tracks)
/// and advances i past it; a record that could not be placed throws the reader's LeseFehler.
/// The record reader of turnout lists (TTypliste::SaetzeLesen).
void WeichentypLesen(const Zeilen& zeilen, std::size_t& i);

/// "Weiche -> Weichenliste": appends the turnout's type record to the active list
/// (TypAnhaengen); false on failure.
bool WeicheInListe(const Anlage& a, const TEWeiche& w, Dialoge& d);

/// Element numbers of turnouts placed from the list: drawn in 0..BereichEinsetzen, plus 1.
inline constexpr std::int64_t BereichEinsetzen = 199'999'999;

/// Places type record `satz` at the end of the current segment (or of the current element
/// track) of the current module: builds the turnout, connects it, splits the current track
/// behind the segment, propagates positions. Returns the turnout (owned by the module).
TEWeiche* WeicheEinsetzen(Anlage& a, const Zeilen& satz);
/// Places a copied turnout record with its start at (x, y) (paste at a click); its two tracks
/// form one group. Returns the turnout.
TEWeiche* WeicheEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer);

}  // namespace trm
