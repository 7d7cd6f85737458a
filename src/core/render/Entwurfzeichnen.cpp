// Drafts of the drawing tools over the module.
#include "core/render/Entwurfzeichnen.h"

#include <vector>

#include "core/editor/Gleiszeichner.h"
#include "core/model/Anlage.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/render/Ansicht.h"
#include "core/render/GleisZeichnen.h"

namespace trm {

namespace {

/// The centre line of a track, over its drawing.
void Mittellinie(const TGleis& g, std::int32_t farbe, Canvas& c, const TAnsicht& v) {
  c.SetPinsel(Pinsel{});
  c.SetStift(Stift{farbe, false, 2});
  std::vector<PixelPunkt> linie;
  for (const auto& b : g.Boegen)
    for (const TSpurpunkt& p : b->Spurpunkte) {
      const PixelPunkt q = v.Pixel(p.x, p.y);
      if (linie.empty() || !(linie.back() == q)) linie.push_back(q);
    }
  if (linie.size() == 1) linie.push_back(linie.front());
  if (!linie.empty()) c.Polylinie(linie);
}

}  // namespace

void EntwurfZeichnen(const Gleiszeichner& z, Canvas& c, const TAnsicht& v, std::optional<PixelPunkt> maus) {
  const std::int32_t farbe = z.Warnung() ? EntwurfWarnfarbe : EntwurfFarbe;
  if (const TGleis* g = z.Entwurf()) {
    GleisZeichnen(*z.Entwurfsanlage(), *g, c, v);
    Mittellinie(*g, farbe, c, v);
  }
  if (const Anlage* e = z.Elemententwurf()) {
    // The element's own tracks; the helper track it was placed behind is not part of it.
    for (const auto& g : e->AktuellesModul()->Gleise)
      if (!g->IstGewoehnlich()) {
        GleisZeichnen(*e, *g, c, v);
        Mittellinie(*g, farbe, c, v);
      }
  }
  if (const auto& ende = z.Ende()) {
    constexpr std::int32_t ring = 7;
    const PixelPunkt p = v.Pixel(ende->lage.x, ende->lage.y);
    c.SetPinsel(Pinsel{});
    c.SetStift(Stift{EntwurfFarbe, false, 3});
    c.Ellipse(p.x - ring, p.y - ring, p.x + ring, p.y + ring);
  }
  if (maus && !z.Messwerte().empty())
    c.Text({maus->x + 16, maus->y + 16}, z.Messwerte(), farbe, true, 0xFFFFFF);
}

}  // namespace trm
