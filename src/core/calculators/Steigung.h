// The gradient window's decisions: the track whose profile is shown, its rows for the selected
// segment, the edits of gradient, start height and height difference (with the element
// rebuilt for a turnout or crossing track), passing heights between neighbouring tracks, the
// height of a selected turntable, and the profile drawn on a canvas.
#pragma once

#include <string>

namespace trm {

class Canvas;
class Editor;
class TGleis;

/// The track of the profile: the current one, or for an element's track the element's main
/// track (a turnout attached at its branch: the branch track).
TGleis* Profilgleis(Editor& ed);

/// The rows "Name", "Länge", "Steigung", "Höhe", "Höhendifferenz", "Ausrundungsradius".
struct TSteigungsanzeige {
  bool vorhanden = false;
  std::string zeilen[6];
  bool ausrundung = false;
  bool gewoehnlich = false;  ///< the check boxes apply (a plain track)
  bool vorgaenger = false, nachfolger = false;
  bool drehscheibe = false;
  std::string drehscheibenhoehe;
};

class Steigungsdaten {
 public:
  explicit Steigungsdaten(Editor& editor) : ed_(editor) {}

  int bogen = 0;  ///< the selected segment of the profile track
  bool nachfolgendeUebernehmen = false;   ///< "nachfolgende Bögen übernehmen Steigung"
  bool vorhergehendeEinbeziehen = false;  ///< "vorhergehende Bögen in Höhendifferenz einbeziehen"

  /// On showing: the current segment of the profile track.
  void Waehlen();
  void Zurueck();
  void Vor();
  TSteigungsanzeige Anzeige() const;

  /// Row 3: gradient in %.
  bool SteigungSetzen(const std::string& text);
  /// Row 4: the track's start height.
  bool HoeheSetzen(const std::string& text);
  /// Row 5: height difference over the segment (or over the segments up to it).
  bool DifferenzSetzen(const std::string& text);
  bool AusrundungSetzen(bool an);
  /// "Höhe vom Vorgängergleis übernehmen" / "Höhe auf Nachfolgergleis übertragen".
  bool HoeheVomVorgaenger();
  bool HoeheAufNachfolger();
  /// "Höhenkoordinate" of the selected turntable.
  bool DrehscheibenhoeheSetzen(const std::string& text);

  /// The profile of the track on a canvas of the given height; returns the width it needs.
  static int ProfilBreite(const TGleis& g);
  static int ProfilHoehe(const TGleis& g, int sichtHoehe);
  void ProfilZeichnen(Canvas& c, int hoehe) const;

 private:
  Editor& ed_;
};

}  // namespace trm
