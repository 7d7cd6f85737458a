// The commands of the crossing and slip windows: placing a type from a list, every value of
// the data windows "Kreuzung", "EKW" and "DKW", their tool buttons, the blade swaps and the
// double sleepers. Each change of the layout runs through Editor::Ausfuehren as one undo step
// on the element of the current track; a value that would leave the element impossible is
// refused with a message and changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/Elementart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Editor;
class TKreuzung;

/// The entries of the data windows that take a value.
enum class Krfeld {
  Name,
  Laenge,  ///< the crossing's base length, at least its smallest possible length
  Winkel,  ///< degrees
  Neigung,  ///< "1:n"
  Spurweite,
  Schienenkopfbreite,
  EKWRadius,    ///< the slip radius of the base form
  KurzeLaenge,  ///< '"kurze" Länge' (outside blades)
  AussenLaenge,  ///< a new base length for outside blades ("übernehmen")
  Radius,        ///< radius of the inner curves
  Zweigradius,   ///< the (first) slip curve's radius: searches the inner radius
  Zweigradius2,  ///< the double slip's second slip curve
  AbstKMP,
  BP1Laenge, StARadius, KrARadius, BP1Endabst,
  BP2Laenge, StBRadius, KrBRadius, BP2Endabst,
  SwLen, SwBrt, SwAbst, SwLenMax, SwLenMaxLi,
  DSwAnzahl,  ///< opens the double-sleeper dialog with that many fields (the window's part)
  HSLaengeLi, HSNeigungLi, HSWinkelLi, HSRadiusLi,
  HSLaengeRe, HSNeigungRe, HSWinkelRe, HSRadiusRe,
  ZgTangente,
  ZgWinkel,  ///< degrees
  ZgNeigung,
};

/// The swap circles of the blade schematic: the single slip's left and right; the double
/// slip's top left (first curve, with ZgTauschLi), bottom left, top right (with ZgTauschRe)
/// and bottom right.
enum class Zungenkreis { ObenLinks, UntenLinks, ObenRechts, UntenRechts };

inline constexpr const char* MeldungFormat = "Ungültiges Format\n\rBitte Eingabe wiederholen";
inline constexpr const char* MeldungSchwellenabstand = "Der Schwellenabstand muss größer als 0 sein.";
/// The warning when the crossing's base length is below its smallest possible length.
std::string MeldungMindestlaenge(double minimum);

/// The crossing or slip the current track belongs to, or none.
TKreuzung* Kreuzung(Editor& ed);

/// "Kreuzung auswählen", "EKW auswählen", "DKW auswählen": places type record `satz` of the
/// kind at the end of the current segment. A record that does not read is reported.
bool KreuzungEinsetzen(Editor& ed, Elementart art, const Zeilen& satz);

/// An entry of the data window with `text`. A number that does not convert, an inclination not
/// written "1:n" and a value the element cannot take are reported and change nothing. With
/// `radiusAnpassen` an outer radius sets its partner of the same curve pair too.
bool KreuzungFeldSetzen(Editor& ed, Krfeld feld, const std::string& text, bool radiusAnpassen = true);
/// "Krümmungsrichtung umkehren": R := -R; only for a curved element.
bool KruemmungUmkehren(Editor& ed);
/// "Zweiggleis am Stamm- /Kreuzungsgleis" of a single slip: the branch moves to the other track.
bool ZweiggleisWechseln(Editor& ed);
/// "Richtung ändern" of the left or right frog piece (inside blades).
bool HerzstueckUmdrehen(Editor& ed, bool links);
/// A click on a swap circle: the blade device changes places with the branch segment beside it.
bool ZungenTauschen(Editor& ed, Zungenkreis kreis);
/// "übernehmen" of the double-sleeper dialog: the fields as whole numbers, sorted; no field
/// gives the single number 0. A field that is no whole number is reported and changes nothing.
bool DoppelschwellenSetzen(Editor& ed, const std::vector<std::string>& felder);
/// The texts of the double-sleeper dialog's `anzahl` fields: the element's numbers in order,
/// then empty fields.
std::vector<std::string> DoppelschwellenFelder(const TKreuzung& k, std::size_t anzahl);
/// The colour of the element's segments and sleepers.
bool KreuzungFarbeSetzen(Editor& ed, std::int32_t farbe);
/// "Kreuzung -> Kreuzungsliste" (and for the slips) for the current element.
bool KreuzungSpeichern(Editor& ed);

}  // namespace trm
