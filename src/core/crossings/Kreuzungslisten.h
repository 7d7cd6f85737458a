// The libraries of crossings, single slips and double slips: their three list kinds (record
// length, files, texts, rows), the record readers that check a type by building it in a
// scratch layout, and storing a crossing or slip of the layout as a type.
#pragma once

#include <cstddef>

#include "core/base/Dialoge.h"
#include "core/model/Elementart.h"
#include "core/model/Listenart.h"
#include "core/model/Zeilen.h"

namespace trm {

/// The data folder's standard crossing, single-slip and double-slip lists.
inline constexpr const char* StdKreuzungsliste = "stdKrListe.k88";
inline constexpr const char* StdEKWListe = "stdEKWListe.e88";
inline constexpr const char* StdDKWListe = "stdDKWListe.d88";

class Anlage;
class TKreuzung;

/// The crossing list: 44-line records in ".k88" files with one header line, the layout's
/// list path of the kind; rows show number, name, base length as stored, angle and inclination.
extern const TListenart ListeKreuzungen;
/// The single-slip list: 74-line records in ".e88" files, the kind's list path; rows show the slip
/// radius as stored in place of the length.
extern const TListenart ListeEKW;
/// The double-slip list: 77-line records in ".d88" files, the kind's list path.
extern const TListenart ListeDKW;

/// The record readers of the three lists (TTypliste::SaetzeLesen): each reads the record at
/// line i into a fresh element of a scratch layout, builds and computes it, and advances i past
/// it. A record that does not read or does not compute throws the reader's LeseFehler.
void KreuzungstypLesen(const Zeilen& zeilen, std::size_t& i);
void EKWtypLesen(const Zeilen& zeilen, std::size_t& i);
void DKWtypLesen(const Zeilen& zeilen, std::size_t& i);

/// The list kind of a crossing, single or double slip; none for the other kinds.
const TListenart* KreuzungsListe(Elementart art);

/// "Kreuzung -> Kreuzungsliste", "EKW -> EKW-Liste", "DKW -> DKW-Liste": appends the
/// element's type record to the active list of its kind (TypAnhaengen); false on failure.
bool KreuzungInListe(const Anlage& a, const TKreuzung& k, Dialoge& d);

}  // namespace trm
