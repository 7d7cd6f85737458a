// Hover line and snap mark.
#include "core/render/Hervorhebung.h"

#include <cstdint>
#include <vector>

#include "core/model/Gleis.h"
#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"

namespace trm {

namespace {

void Achse(const TBogen& b, Canvas& c, const TAnsicht& v) {
  std::vector<PixelPunkt> linie;
  linie.reserve(b.Spurpunkte.size());
  for (const TSpurpunkt& p : b.Spurpunkte) {
    const PixelPunkt q = v.Pixel(p.x, p.y);
    if (linie.empty() || !(linie.back() == q)) linie.push_back(q);
  }
  if (linie.size() == 1) linie.push_back(linie.front());
  if (!linie.empty()) c.Polylinie(linie);
}

}  // namespace

void GleisHervorheben(const TGleis& g, int bogen, Canvas& c, const TAnsicht& v) {
  c.SetPinsel(Pinsel{});
  for (std::size_t i = 0; i < g.Boegen.size(); ++i) {
    c.SetStift(Stift{HervorhebungFarbe, false, static_cast<int>(i) == bogen ? 5 : 3});
    Achse(*g.Boegen[i], c, v);
  }
}

void FangMarkeZeichnen(const TAusrichtung& k, Canvas& c, const TAnsicht& v) {
  constexpr std::int32_t ring = 9;  // pixels
  const PixelPunkt ziel = v.Pixel(k.kandidat.x, k.kandidat.y);
  const PixelPunkt eigen = v.Pixel(k.eigen.x, k.eigen.y);
  c.SetPinsel(Pinsel{});
  c.SetStift(Stift{FangFarbe, true, 1});
  c.Linie(eigen, ziel);
  c.SetStift(Stift{FangFarbe, false, 3});
  c.Ellipse(ziel.x - ring, ziel.y - ring, ziel.x + ring, ziel.y + ring);
}

}  // namespace trm
