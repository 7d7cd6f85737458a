// The end arrows of crossings and slips.
#include "core/crossings/KrEndpfeile.h"

#include <array>
#include <cmath>
#include <vector>

#include "core/crossings/Kreuzung.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"

namespace trm {

namespace {

/// Purple (0x00BBGGRR).
constexpr std::int32_t Pfeilfarbe = 6697932;
constexpr double Grad = Pi / 180.0;

/// The arrow in pixels from its tip (y downwards), pointing down before it is turned.
constexpr std::array<std::array<int, 2>, 7> Pfeil = {
    {{0, 0}, {6, -10}, {3, -10}, {3, -30}, {-3, -30}, {-3, -10}, {-6, -10}}};

const TKreuzung* AktuelleKreuzung(const TModul& m) {
  const TGleis* g = m.AktuellesGleis();
  if (!g || !g->KrGleis || !g->Element) return nullptr;
  const Elementart art = g->Element->Art();
  if (art != Elementart::Kreuzung && art != Elementart::EKW && art != Elementart::DKW) return nullptr;
  return static_cast<const TKreuzung*>(g->Element);
}

}  // namespace

void KrEndpfeileZeichnen(const TModul& m, Canvas& c, const TAnsicht& v) {
  const TKreuzung* k = AktuelleKreuzung(m);
  if (!k || !k->Vollstaendig()) return;
  // Tip and turn (counter-clockwise in the layout) of the four ends.
  const TBogen& sta = *k->StAussenA();
  const TBogen& kra = *k->KrAussenA();
  const TBogen& stb = *k->StAussenB();
  const TBogen& krb = *k->KrAussenB();
  const std::array<std::array<double, 3>, 4> enden = {{{sta.XEnde, sta.YEnde, sta.WEnde + 45 * Grad},
                                                        {kra.XAnf(), kra.YAnf(), kra.WAnf() - 45 * Grad},
                                                        {stb.XAnf(), stb.YAnf(), stb.WAnf() - 135 * Grad},
                                                        {krb.XAnf(), krb.YAnf(), krb.WAnf() - 45 * Grad}}};
  c.SetPinsel({Pfeilfarbe, false});
  for (std::size_t n = 0; n < 4; ++n) {
    if (!m.EndMarke[n]) continue;
    const auto& [x, y, phi] = enden[n];
    const PixelPunkt spitze = v.Pixel(x, y);
    std::vector<PixelPunkt> punkte;
    for (const auto& [px, py] : Pfeil) {
      // Turned in the layout's sense: y upwards there.
      const double rx = px * std::cos(phi) + py * std::sin(phi);
      const double ry = px * std::sin(phi) - py * std::cos(phi);
      punkte.push_back({spitze.x + static_cast<std::int32_t>(std::lround(rx)),
                        spitze.y - static_cast<std::int32_t>(std::lround(ry))});
    }
    c.Polygon(punkte);
  }
  c.SetPinsel({Pfeilfarbe, true});
}

bool EndMarkeZeigen(Editor& ed, int marke) {
  TModul* m = ed.modul();
  if (!m) return false;
  std::array<bool, 4> neu{};
  if (marke >= 0 && marke < 4) neu[static_cast<std::size_t>(marke)] = true;
  if (neu == m->EndMarke) return false;
  m->EndMarke = neu;
  return true;
}

}  // namespace trm
