// Drawing of a single slip besides its tracks: the track-bed edges it shows and the outline of
// its branch.
#include <cmath>
#include <vector>

#include "core/crossings/EKW.h"
#include "core/model/Gleis.h"
#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"

namespace trm {

std::vector<std::pair<const TBogen*, int>> TEKW::Trassenkanten() const {
  // For "von links" (every side the other for "von rechts"): the outer curves as the crossing's,
  // the branch's left edge and, for a single slip, the middle and inner legs beside the blades.
  const int links = Richtung == 0 ? 1 : -1;
  std::vector<std::pair<const TBogen*, int>> kanten;
  for (const TBogen* b : {KrAussenA(), KrAussenB(), StAussenA()}) kanten.emplace_back(b, -links);
  kanten.emplace_back(StAussenB(), links);
  for (const TBogen* b : {ZwLinks(), ZwMitte(), ZwRechts()}) kanten.emplace_back(b, links);
  if (Doppelt()) return kanten;
  for (const TBogen* b : {StMitteA(), KrMitteA(), KrMitteB()}) kanten.emplace_back(b, -links);
  kanten.emplace_back(StMitteB(), links);
  if (AmKreuzungsgleis()) {
    kanten.emplace_back(StInnenA(), -links);
    kanten.emplace_back(KrInnenB(), -links);
  } else {
    kanten.emplace_back(StInnenB(), links);
    kanten.emplace_back(KrInnenA(), -links);
  }
  return kanten;
}

void TEKW::ZweigUmriss(const std::array<TBogen*, 3>& boegen, Canvas& c, const TAnsicht& v) const {
  // Beside the branch at 0.65 sleeper lengths: to the left for "von links", else to the right.
  const double d = (Richtung == 0 ? 0.65 : -0.65) * EKWZweiggleis()->SwLen();
  std::vector<PixelPunkt> punkte;
  for (const TBogen* b : boegen)
    for (const TSpurpunkt& p : b->Spurpunkte)
      punkte.push_back(v.Pixel(p.x - std::sin(p.w) * d, p.y + std::cos(p.w) * d));
  c.SetStift({Farbe, false});
  c.Polylinie(punkte);
}

void TEKW::ZusatzZeichnen(const Anlage&, Canvas& c, const TAnsicht& v) const {
  ZweigUmriss(zw_, c, v);
}

}  // namespace trm
