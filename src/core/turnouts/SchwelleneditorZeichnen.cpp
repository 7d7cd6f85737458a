// The drawing of the sleeper editor: outlines, centres and labels.
#include <algorithm>
#include <cmath>

#include "core/model/Zahlformat.h"
#include "core/render/Farben.h"
#include "core/turnouts/Schwelleneditor.h"

namespace trm {

namespace {

constexpr std::int32_t kBlau = 0xFF0000;
constexpr std::int32_t kAbstand = 3;  ///< pixels between a sleeper and its labels

}  // namespace

PixelPunkt TEditoransicht::Pixel(TPaar p) const {
  return {static_cast<std::int32_t>(x0 + RundenGerade(p.x * pixelProMm)),
          static_cast<std::int32_t>(y0 - RundenGerade(p.y * pixelProMm))};
}

TPaar TEditoransicht::Rahmen(PixelPunkt p) const {
  return {(p.x - x0) / pixelProMm, (y0 - p.y) / pixelProMm};
}

void SchwelleneditorZeichnen(const TSchwelleneditor& e, Canvas& c, const TEditoransicht& v) {
  for (const TWeichenschwelle& s : e.Schwellen()) {
    std::vector<PixelPunkt> ecken;
    std::int32_t oben = INT32_MAX, unten = INT32_MIN;
    for (const TPaar& p : s.SwEcken) {
      ecken.push_back(v.Pixel(p));
      oben = std::min(oben, ecken.back().y);
      unten = std::max(unten, ecken.back().y);
    }
    c.SetStift({s.Gewaehlt ? farbe::Rot : farbe::Schwarz, false});
    c.SetPinsel({farbe::Weiss, true});
    c.Polygon(ecken);
    const PixelPunkt m = v.Pixel(s.SwMitte);
    c.Ellipse(m.x - 2, m.y - 2, m.x + 2, m.y + 2);

    // Where a pair has a sleeper under each track, one carries the number, the other the distance.
    bool nummer = v.nummer, abstand = v.abstand;
    if (s.Lage != Schwellenlage::Gemeinsam) {
      const bool gerade = (s.SwNummer - static_cast<int>(s.SwPaar)) % 2 == 0;
      const bool mitNummer = gerade != e.Rechts();
      nummer = nummer && mitNummer;
      abstand = abstand && !mitNummer;
    }
    // A label wider than the gap to the predecessor moves one line further out.
    const double luecke = s.SwVorAbst * v.pixelProMm;
    auto zeile = [&](const TextMass& t) {
      return s.SwNummer != 1 && t.breite > luecke ? t.hoehe : 0;
    };
    if (nummer) {
      const std::string text = std::to_string(s.SwNummer);
      const TextMass t = c.TextGroesse(text);
      c.Text({m.x - t.breite / 2, oben - kAbstand - t.hoehe - zeile(t)}, text, kBlau, false,
             farbe::Weiss);
    }
    if (abstand) {
      const std::string text = e.Wert(s.SwVorAbst, v.dm, 1);
      if (s.SwNummer == 1 || text != "0,0") {
        const TextMass t = c.TextGroesse(text);
        c.Text({m.x - t.breite / 2, unten + kAbstand + zeile(t)}, text, farbe::Rot, false,
               farbe::Weiss);
      }
    }
    if (v.laenge) {
      const std::string text = e.Wert(s.SwLen, v.dm, 1);
      const TextMass t = c.TextGroesse(text);
      c.Text({m.x - t.breite / 2, m.y - t.hoehe / 2}, text, farbe::Weiss, true, farbe::Grau);
    }
  }
}

}  // namespace trm
