// Automatic alignment ("automatisches Ausrichten"): the search for a connection point near a
// dragged track, the correction that puts the track's point onto it, and its application to
// the dragged link group.
#pragma once

#include <optional>
#include <vector>

namespace trm {

class TGleis;
class TModul;

/// A point with a direction: an own point of a dragged track or a snap candidate.
struct TRichtpunkt {
  double x = 0, y = 0;
  double w = 0;  ///< direction in radians
};

/// A found candidate and the correction from the own point to it.
struct TAusrichtung {
  TRichtpunkt eigen;      ///< the dragged track's point
  TRichtpunkt kandidat;   ///< the point it snaps to
  double dx = 0, dy = 0;  ///< kandidat - eigen
  double delta = 0;       ///< eigen.w - kandidat.w, folded (DeltaFalten)
};

/// Default snap distance in mm; the settings window offers 1 to 30 mm.
inline constexpr double StdFangabstand = 15;
/// Points closer than this (mm) are the own point itself and no candidate.
inline constexpr double Deckungsabstand = 1e-4;

/// The direction difference folded so that the dragged piece may also meet the candidate in
/// the opposite direction: the result turns the group by at most a quarter turn.
double DeltaFalten(double delta);

/// The correction from own point p to candidate q.
TAusrichtung Korrektur(const TRichtpunkt& p, const TRichtpunkt& q);

/// The own points of track g in the order of preference: the current segment's start and end,
/// its shown start and end distance points (with the start resp. end direction), the track's
/// start and end, and for a turnout track the end of the first track of its turnout.
std::vector<TRichtpunkt> EigenePunkte(const TModul& m, const TGleis& g);

/// Whether p and q are far enough apart to snap: Deckungsabstand < distance < fang.
bool ImFang(const TRichtpunkt& p, const TRichtpunkt& q, double fang);

/// Searches a candidate for the own points of g: first each own point against the turntable
/// connection points; then, for each own point in order, each track in list order and each of
/// its segments in order, the segment's start and then its end. The first point within the
/// snap distance wins. Tracks of g's own turnout and of its own crossing or slip are skipped.
std::optional<TAusrichtung> AusrichtungSuchen(const TModul& m, const TGleis& g,
                                              const std::vector<TRichtpunkt>& eigene,
                                              const std::vector<TRichtpunkt>& drehscheiben,
                                              double fang);

/// Moves and turns the tracks of a group by the correction: each start moves by (dx, dy) and
/// is then turned by -delta about the candidate point; each start direction decreases by delta.
void AusrichtungAnwenden(const TAusrichtung& a, const std::vector<TGleis*>& gruppe);

}  // namespace trm
