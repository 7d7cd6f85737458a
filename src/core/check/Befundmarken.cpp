// The markers of the layout check's findings on the drawing.
#include "core/check/Befundmarken.h"

#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"

namespace trm {

void BefundmarkenZeichnen(const std::vector<TBefund>& befunde, int modul, Canvas& c, const TAnsicht& v, int gewaehlt) {
  c.SetPinsel(Pinsel{});
  for (std::size_t i = 0; i < befunde.size(); ++i) {
    const TBefund& b = befunde[i];
    if (b.modul != modul) continue;
    const int r = static_cast<int>(i) == gewaehlt ? 12 : 8;
    const PixelPunkt p = v.Pixel(b.x, b.y);
    if (p.x < -r || p.y < -r || p.x > c.Breite() + r || p.y > c.Hoehe() + r) continue;
    c.SetStift(Stift{b.Fehler() ? 0x0000FF : 0x0080FF, false, static_cast<int>(i) == gewaehlt ? 3 : 2});
    c.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
  }
}

}  // namespace trm
