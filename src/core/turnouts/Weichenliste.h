// The turnout library: the rows its window shows, storing a turnout as a type, import and
// export of list files, and placing a chosen type at the end of the current segment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/editor/Dialoge.h"
#include "core/model/Typliste.h"

namespace trm {

class Anlage;
class TEWeiche;

inline constexpr const char* StandardWeichenliste = "stdWListe.w88";
inline constexpr const char* FilterWeichenlisteOeffnen = "Weichenlisten (*w88)|*.w88";
inline constexpr const char* FilterWeichenlisteSpeichern = "Weichenlisten (*.w88)|*.w88";

/// One row of the list window: number, name, radius as stored, angle in degrees, inclination.
struct TTypzeile {
  std::string nummer, name, radius, winkel, neigung;
};

/// The rows of the list window for the records of a list.
std::vector<TTypzeile> WeichenZeilen(const TTypliste& liste);

/// Reads the turnout record at line i of a list into a scratch turnout (no module, no tracks)
/// and advances i past it; a record that could not be placed throws the reader's LeseFehler.
/// The record reader of turnout lists (TTypliste::SaetzeLesen).
void WeichentypLesen(const Zeilen& zeilen, std::size_t& i);

/// The message when the active list cannot be read on opening the window.
std::string MeldungWeichenlisteFehlt(const std::string& pfad);

/// "importieren" › "Weichenliste": the path becomes the active list by the list path rule;
/// the layout counts as changed.
void WeichenlisteImportieren(Anlage& a, const std::string& pfad);
/// "exportieren" › "Weichenliste": the active list copied unchanged to ziel. Shows "Keine
/// Weichenliste zum exportieren vorhanden" when it cannot be read; false on failure.
bool WeichenlisteExportieren(const Anlage& a, const std::string& ziel, Dialoge& d);
/// "Weiche -> Weichenliste": appends the turnout's type record to the active list. Shows the
/// warning of a list that cannot be opened; false on failure.
bool WeicheInListe(const Anlage& a, const TEWeiche& w, Dialoge& d);

/// Places type record `satz` at the end of the current segment (or of the current element
/// track) of the current module: builds the turnout, connects it, splits the current track
/// behind the segment, propagates positions. Returns the turnout (owned by the module).
TEWeiche* WeicheEinsetzen(Anlage& a, const Zeilen& satz);
/// Places a copied turnout record with its start at (x, y) (paste at a click); its two tracks
/// form one group. Returns the turnout.
TEWeiche* WeicheEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer);

/// An element number for a new turnout: a random number below `unter` plus `plus`, increased
/// while handed out; not entered as handed out (its tracks' numbers are).
std::int32_t WeichenNummer(Anlage& a, std::int64_t unter, std::int64_t plus);

}  // namespace trm
