// The turntable commands of the editor: placing a type from the list, the values of the data
// window "Drehscheibe", its tool buttons, and what the window shows. Every change of the
// layout runs through Editor::Ausfuehren as one undo step; the connected tracks and what hangs
// on them follow.
#pragma once

#include <cstdint>
#include <string>

#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class Editor;
class TDrehscheibe;

/// The fields of the data window that take a number.
enum class Drehscheibenfeld {
  Vorbilddurchmesser,  ///< prototype metres: outer diameter and a pit 2 m smaller
  Aussendurchmesser,
  Innendurchmesser,
  Anzahl,        ///< "Anzahl der Gleisabgänge"
  Teilung,       ///< degrees; only a division of the full circle
  MitteX,
  MitteY,
  Winkel,        ///< the start angle in degrees
  Drehen,        ///< turns by the degrees given
  AktAnschluss,  ///< "aktiver Anschluss:"
};

/// The texts of the data window.
struct Drehscheibenanzeige {
  std::string name, vorbilddurchmesser, aussendurchmesser, innendurchmesser, anzahl, teilung;
  std::string mitteX, mitteY, winkel, aktAnschluss;
  std::string beiGrad;  ///< the active connection's direction from connection 1
};

/// The warning of a value the turntable cannot take.
inline constexpr const char* MeldungWertNichtMoeglich = "Wert nicht möglich";
/// The warning when the pit is not smaller than the outer diameter.
inline constexpr const char* MeldungInnendurchmesser =
    "Achtung, Innendurchmesser ist größer als Aussendurchmesser! Wert wird korrigiert.";

/// The texts of the data window for turntable d.
Drehscheibenanzeige DrehscheibeAnzeigen(const Anlage& a, const TDrehscheibe& d);

/// The selected turntable of the current module, or none.
TDrehscheibe* Drehscheibe(Editor& ed);

/// "Drehscheibe auswählen": places type record `satz` at the end of the current track. A
/// record that does not read is reported.
bool DrehscheibeEinsetzen(Editor& ed, const Zeilen& satz);
/// A field of the data window left with `text`. A text that does not convert is reported, a
/// value the turntable cannot take is refused with "Wert nicht möglich"; the active
/// connection is a view setting (no undo step). False when nothing changed.
bool DrehscheibeFeldSetzen(Editor& ed, Drehscheibenfeld feld, const std::string& text);
/// "Name".
bool DrehscheibeNameSetzen(Editor& ed, const std::string& name);
/// The slider: the start angle becomes `ausgang` (radians, the angle when the slider was
/// taken) plus `grad` degrees.
bool DrehscheibeSchieben(Editor& ed, double ausgang, double grad);

/// The slider held and dragged: one step ("Drehscheibe drehen") from the first move to the
/// release.
class Drehscheibenschieber {
 public:
  explicit Drehscheibenschieber(Editor& ed) : ed_(ed) {}
  /// The start angle becomes `ausgang` plus `grad` degrees; the first move opens the step.
  bool Ziehen(double ausgang, double grad);
  /// The slider released: the step is recorded.
  void Loslassen();

 private:
  Editor& ed_;
  bool schritt_ = false;
};
/// "einen Anschluss zurück" (-1) and "einen Anschluss vor" (+1).
bool DrehscheibeAnschlussSchritt(Editor& ed, int schritt);
/// "Gleis an Drehscheibenanschluss anfügen": a straight of 17.4 m in the prototype's scale
/// from the active connection, marked as a turntable track, connected and made current.
bool DrehscheibenGleisAnfuegen(Editor& ed);
/// "Drehscheibe aus dem Plan löschen": its tracks stay.
bool DrehscheibeAusPlanEntfernen(Editor& ed);
/// "Drehscheibe -> Drehscheibenliste" for the selected turntable.
bool DrehscheibeSpeichern(Editor& ed);

}  // namespace trm
