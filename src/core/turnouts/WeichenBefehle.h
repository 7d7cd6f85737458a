// The turnout commands of the data window "Weichendaten": its cells, tool bar, double
// sleepers, the perpendicular sleepers, the plan mode and the plan handed back by the sleeper
// editor, and what the window shows. Every change runs through Editor::Ausfuehren as one undo
// step; the turnout is rebuilt and the tracks behind both of its tracks follow.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/turnouts/WeichenSchwellen.h"

namespace trm {

class Anlage;
class Editor;
class TEWeiche;

/// The cells of the data window that take a value, page by page.
enum class Weichenfeld {
  // "Grundform und Bogenpaar 1"
  Name,
  Radius,
  Winkel,   ///< degrees
  Neigung,  ///< "1:n" or "1/n"
  Tangentenlaenge,
  Weichenrichtung,  ///< "Linksweiche" or "Rechtsweiche"
  Anschluss,        ///< "Stammgleisanfang", "Stammgleisende" or "Zweiggleis"
  Spurweite,
  Schienenkopfbreite,
  Stammgleisradius,
  Zweiggleisradius,
  AnfAbst1,
  EndAbst1,
  // "Bogenpaare 2 und 3"
  Laenge2,
  Radius2,
  AnfAbst2,
  EndAbst2,
  StammLaenge3,
  StammRadius3,
  ZweigLaenge3,
  ZweigRadius3,
  AnfAbst3,
  EndAbst3,
  // "Schwellenplan"
  Schwellenlaenge,
  Schwellenbreite,
  Schwellenabstand,
  MaxSchwellenlaenge,
  SchwellenSenkrecht,  ///< "bis Nr. n" or n
  Schwellenplan,       ///< "automatisch" or "benutzerdefiniert"
  Korrekturfaktor,
};

/// What the data window shows of a turnout.
struct Weichenanzeige {
  std::string titel;  ///< "Weichendaten - " and the name
  std::map<Weichenfeld, std::string> werte;
  std::string weichenform;      ///< "Einfache Weiche", "Innenbogenweiche" or "Aussenbogenweiche"
  std::string doppelschwellen;  ///< "keine", "Nr. n" or "Nr. n1 / Nr. n2"
  bool laengenAnpassen = false, radiusAnpassen = false;
  bool entfernen = false;  ///< "Weiche aus dem Plan entfernen": the module has 3 or more tracks
  bool planPasst = true;   ///< false for a user-defined plan longer than the turnout
};

// The messages of the data window.
inline constexpr const char* MeldungNeigung = "Ungültiges Format\n\rBitte Eingabe wiederholen";
inline constexpr const char* MeldungAbstandssumme =
    "Die Summe aus Anfangs- und Endabstand darf die Länge nicht überschreiten.\n\rWert wird auf "
    "Null gesetzt.";
inline constexpr const char* MeldungMaxSchwellenlaenge =
    "Die maximale Schwellenlänge darf die Schwellenlänge nicht unterschreiten.\n\rWert wird "
    "zurückgesetzt";
inline constexpr const char* MeldungNurZahlen = "Nur Zahlen erlaubt.Wert wird zurückgesetzt";
/// A value the turnout cannot take (its geometry would not be numbers, a negative distance).
inline constexpr const char* MeldungWeicheWert = "Wert nicht möglich.\n\rWert wird zurückgesetzt";
/// Sleeper length, width and spacing: above 0, or -1 for the module's value.
inline constexpr const char* MeldungSchwellenmass =
    "Der Wert muss größer als Null sein (-1 übernimmt den Wert des Moduls).\n\rWert wird "
    "zurückgesetzt";

/// The texts of the data window for turnout w of layout a.
Weichenanzeige WeicheAnzeigen(const Anlage& a, const TEWeiche& w);

/// A cell left with `text`: the value is taken by the cell's rule, or refused with its message.
/// False when nothing changed.
bool WeicheFeldSetzen(Editor& ed, Weichenfeld feld, const std::string& text);
/// The turnout the current track belongs to, or none.
TEWeiche* Weiche(Editor& ed);
/// "Längen anpassen" (option 4) and "Radius anpassen" (option 3).
bool WeicheOptionSetzen(Editor& ed, int option, bool an);
/// "Doppelschwellen" › "übernehmen": the numbers of the double sleepers (0 to 2 of them).
bool DoppelschwellenSetzen(Editor& ed, const std::vector<std::int32_t>& nummern);
/// The plan of the sleeper editor written to the turnout; `benutzerdefiniert` sets the mode.
bool SchwellenplanUebernehmen(Editor& ed, const TSchwellenplan& plan, bool benutzerdefiniert);

}  // namespace trm
