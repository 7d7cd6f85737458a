// The settings that segments, tracks, modules and the layout share, and their resolution:
// a stored value of exactly -1 means "take the level above".
#pragma once

#include <cmath>

namespace trm {

/// Value that marks a setting as not set on its level.
inline constexpr double NichtGesetzt = -1.0;

/// One level's own values of the inherited settings; -1 means not set.
struct TEinstellungen {
  double SwAbst = NichtGesetzt;        ///< sleeper spacing
  double SwBrt = NichtGesetzt;         ///< sleeper width
  double Spur = NichtGesetzt;          ///< gauge
  double SwLen = NichtGesetzt;         ///< sleeper length
  double TrBrt = NichtGesetzt;         ///< track-bed width
  double GlsAbst = NichtGesetzt;       ///< spacing to a parallel track
  double SpurAussen = NichtGesetzt;    ///< width over the outer edges of both rail heads
  double MaxKruemmung = NichtGesetzt;  ///< largest curvature (not used on segments)
};

/// Selects one setting of TEinstellungen.
using Einstellung = double TEinstellungen::*;

/// Own value unless it is exactly -1, then the value of the level above.
inline double Aufloesen(double eigen, double oben) { return eigen == NichtGesetzt ? oben : eigen; }

/// Named resolving getters for a level whose `Wert(Einstellung)` resolves one setting.
template <class Ebene>
class EinstellungenLesen {
 public:
  double SwAbst() const { return Ebene_().Wert(&TEinstellungen::SwAbst); }
  double SwBrt() const { return Ebene_().Wert(&TEinstellungen::SwBrt); }
  double Spur() const { return Ebene_().Wert(&TEinstellungen::Spur); }
  double SwLen() const { return Ebene_().Wert(&TEinstellungen::SwLen); }
  double TrBrt() const { return Ebene_().Wert(&TEinstellungen::TrBrt); }
  double GlsAbst() const { return Ebene_().Wert(&TEinstellungen::GlsAbst); }
  double SpurAussen() const { return Ebene_().Wert(&TEinstellungen::SpurAussen); }
  double MaxKruemmung() const { return Ebene_().Wert(&TEinstellungen::MaxKruemmung); }
  /// The minimum radius in force: 1 / the largest curvature; 0 when none is set (0 or not finite).
  double Mindestradius() const {
    const double k = MaxKruemmung();
    return k > 0 && std::isfinite(k) ? 1 / k : 0;
  }

 private:
  const Ebene& Ebene_() const { return static_cast<const Ebene&>(*this); }
};

}  // namespace trm
