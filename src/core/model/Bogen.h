// TBogen: one segment of a track (straight, arc or transition curve) with its settings,
// height profile and the points of its last computation.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Einstellungen.h"
#include "core/model/Geometrie.h"
#include "core/model/OptiEP.h"

namespace trm {

class TGleis;

/// An axis-parallel box in mm.
struct TRechteck {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

/// A point along a segment: at its start, at every sleeper and at its end.
struct TSpurpunkt {
  double x = 0;
  double y = 0;
  double z = 0;  ///< height in mm
  double w = 0;  ///< direction in radians
  double r = 0;  ///< radius of straights and arcs (TBogen::PunkteBerechnen); 0 on transitions
};
using TSpurpunkte = std::vector<TSpurpunkt>;

/// Sleepers one segment may hold (length over spacing). A segment with more gets its start and
/// end point only; a track record with such a segment does not read. That is 20 m of track at
/// a spacing of 1 mm, 144 m in H0, a helix of 20 turns of 600 mm radius in Z.
inline constexpr double MaxSchwellenJeBogen = 20000;

/// A segment of a track. Radii: positive turns left, negative right, infinity is straight.
class TBogen : public EinstellungenLesen<TBogen> {
 public:
  explicit TBogen(TGleis* gleis = nullptr) : Gleis(gleis) {}

  std::string Name = "Bogen";
  TEinstellungen Eigen;  ///< own settings; -1 = the track's (MaxKruemmung unused here)
  std::int32_t Farbe = -1;  ///< own colour; -1 = the track's colour
  bool Markiert = false;
  bool LFix = false;  ///< the optimiser may not change the length
  bool RFix = true;   ///< the optimiser may not change the radius
  bool TFix = false;  ///< the optimiser may not change the tangent
  bool Starr = true;  ///< rigid sectional piece; clear for flexible track

  TGleis* Gleis = nullptr;        ///< owning track
  TBogen* Vorgaenger = nullptr;   ///< previous segment of the same track
  int Index = 0;                  ///< position when appended

  double Rest = 0;  ///< distance from the last sleeper to the end
  double XEnde = 0, YEnde = 0, ZEnde = 0;
  double WEnde = 0;  ///< end direction, normalised
  TSpurpunkte Spurpunkte;
  TRechteck Huelle;  ///< box around the points of the last computation
  bool Berechnet = false;  ///< points have been computed at least once

  bool DistAnf = false, DistEnde = false;
  /// Distance points of the last drawing (position and direction) for the alignment search.
  std::vector<TSpurpunkt> DistPunkte;
  bool OptiAnf = false, OptiEnde = false;
  /// The optimiser target of an end-marked segment (shared with the optimiser window; not saved).
  std::shared_ptr<TOptiEP> OptiEP;

  /// Start values as read from the file; kept, never used for geometry.
  double GelesenXAnf = -1, GelesenYAnf = -1, GelesenZAnf = 0, GelesenWAnf = 0;

  // Radii: a stored 0 means infinity.
  double AnfRadius() const { return anfRadius_ == 0.0 ? Unendlich : anfRadius_; }
  double EndRadius() const { return endRadius_ == 0.0 ? Unendlich : endRadius_; }
  void SetAnfRadius(double r) { anfRadius_ = r == 0.0 ? Unendlich : r; }
  void SetEndRadius(double r) { endRadius_ = r == 0.0 ? Unendlich : r; }
  /// Curvature setters: |κ| <= 1e-12 gives a straight.
  void SetAnfKruemmung(double k);
  void SetEndKruemmung(double k);
  void SetKruemmung(double k);

  double Laenge() const { return laenge_; }
  /// A negative length stores 1.
  void SetLaenge(double l) { laenge_ = l < 0 ? 1.0 : l; }

  double Steigung() const { return steigung_; }
  /// A gradient other than 0 clears the vertical rounding.
  void SetSteigung(double s);
  bool Ausrunden() const { return ausrunden_; }
  /// Rounding on sets the gradient to 0.
  void SetAusrunden(bool a);

  /// The flags LFix, RFix, TFix, Starr as four characters '0'/'1'.
  std::string BgKennung() const;
  void SetBgKennung(std::string_view k);

  // Start of the segment: the previous segment's end, or the track's start.
  bool IstErster() const;
  double XAnf() const;
  double YAnf() const;
  double ZAnf() const;
  double WAnf() const;
  /// The next segment of the track, or none for the last.
  TBogen* Naechster() const;

  /// Resolved setting (segment, else track, module, layout); named getters via the base.
  double Wert(Einstellung e) const;
  /// Drawing colour: own colour, else the track's.
  std::int32_t FarbeWert() const;

  /// Not both radii straight, the radii differ by more than 0.001 mm, and their curvatures
  /// by more than 1e-12 (else it is the arc or straight of their mean curvature).
  bool IstUebergangsbogen() const;
  /// Clothoid parameter A of a transition curve.
  double KlothoidenA() const;
  double Tangentenlaenge() const;
  double AnfKruemmung() const { return 1.0 / AnfRadius(); }
  double EndKruemmung() const { return 1.0 / EndRadius(); }
  double MittlereKruemmung() const { return (AnfKruemmung() + EndKruemmung()) / 2.0; }
  /// The turn from the start to the end direction in radians (positive left): length times
  /// mean curvature, so a loop of 340° is 340° however its directions are reduced.
  double Drehung() const { return laenge_ * MittlereKruemmung(); }
  /// 0 for a (near) straight, else 1 / mean curvature.
  double MittlererRadius() const;
  /// The radius along which the points of a segment that is no transition run: its start
  /// radius, or, when the radii are more than 0.001 apart, that of their mean curvature.
  double Kreisradius() const;
  /// atan of (end height - start height) / length, 0 for length 0.
  double Neigungswinkel() const;
  /// Radius of the vertical rounding; 0 when off or when the slopes around are equal.
  double Vertikalradius() const;

  /// Computes the points at the start, at every sleeper and at the end, and the end values.
  void PunkteBerechnen();
  /// The end values (and `Rest`) only, by the same steps: the points stay as they were.
  void EndeBerechnen();
  /// `Rest` and the end height only, by the same steps: what the next computation reads of
  /// this one (a vertical rounding reads the heights of the segments around it).
  void HoeheBerechnen();
  /// Whether the positions and directions come out finite from any start within ±1e200 and
  /// any finite direction, without computing them: length, spacing and radii lie where no
  /// step can overflow. The height is not covered. False says nothing: the segment has to be
  /// computed to know.
  bool LageGewissEndlich() const;

 private:
  enum class Rechenart { Punkte, Ende, Hoehe };
  void Rechnen(Rechenart art);
  double anfRadius_ = Unendlich;
  double endRadius_ = Unendlich;
  double laenge_ = -1;
  double steigung_ = 0;
  bool ausrunden_ = false;
};

}  // namespace trm
