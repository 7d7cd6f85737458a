// The curve window's commands on the current segment: radii, length, end direction and tangent
// with the quantity that is kept, walking along the track, adding and deleting segments, and
// the flags for drawing and for the optimiser. Every change goes through the editor's command
// layer and moves the tracks that follow.
#pragma once

#include <functional>
#include <string>

namespace trm {

class Editor;
class TBogen;
class TGleis;

/// The quantity kept when another one changes.
enum class Behalten { Laenge, Endradius, Endwinkel };

/// What the window shows of the current segment.
struct TBogenanzeige {
  bool vorhanden = false;
  std::string titel;  ///< "Bogendaten - " and the segment's name
  std::string anfRadius, laenge, endRadius, endwinkel, tangente, anfangswinkel;
  std::string kennwerte;  ///< "N = 1:…  W = …°  Kreisbogen"
  std::string anfangspunkt;  ///< "Koordinaten Bogenanfangspunkt: x = … y = …"
  bool uebergang = false;    ///< transition curve: no tangent field, radii can be exchanged
  bool erzeugt = false;      ///< a segment of a turnout or crossing: most commands off
  bool flex = false;
  bool zurueck = false, vor = false, loeschen = false;
  bool distAnf = false, distEnde = false, optiAnf = false, optiEnde = false;
  bool lfix = false, rfix = false, tfix = false;
};

class Bogendaten {
 public:
  explicit Bogendaten(Editor& editor) : ed_(editor) {}

  Behalten behalten = Behalten::Laenge;

  TBogenanzeige Anzeige() const;

  // Fields, applied when they are left; false when the text does not convert or nothing changed.
  bool AnfRadiusSetzen(const std::string& text);
  bool EndRadiusSetzen(const std::string& text);
  bool LaengeSetzen(const std::string& text);
  bool EndwinkelSetzen(const std::string& text);
  bool TangenteSetzen(const std::string& text);
  /// "Anfangsradius auf Endradius übertragen" (or the other way with `vonEnde`).
  bool RadiusUebertragen(const std::string& text, bool vonEnde);

  /// "Wert auf ausgewählten Bogen übertragen" of "Bogen fortführen": the computed length.
  bool FortfuehrenUebertragen(double laenge);

  // Buttons.
  bool BogenHinzufuegen();
  bool BogenLoeschen();
  bool BogenZurueck();
  bool BogenVor();
  bool KruemmungUmkehren();
  bool RadienTauschen();
  bool DistanzpunkteUmschalten(bool ende);
  bool StarrFlexUmschalten();
  enum class Fix { L, R, T };
  bool FixUmschalten(Fix f);

 private:
  /// Runs a change of the current segment as one step, then couples the radii and moves
  /// the tracks that follow.
  bool Aendern(const std::string& name, bool koppeln, const std::function<bool(TBogen&)>& f);
  Editor& ed_;
};

/// After a radius of b changed: a flexible b takes its neighbours' radii, a flexible neighbour
/// takes b's.
void RadienKoppeln(TGleis& g, TBogen& b);

}  // namespace trm
