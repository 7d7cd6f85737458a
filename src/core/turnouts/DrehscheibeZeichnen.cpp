// Drawing of a turntable: the sectors of its connections on the outer circle, the pit, the
// bridge across it and the cabin mark at the bridge's end towards connection 1; on printed
// sheets the pit, the outer circle and the centre.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/model/Anlage.h"
#include "core/model/Modul.h"
#include "core/render/Ansicht.h"
#include "core/render/Blattstift.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"
#include "core/turnouts/Drehscheibe.h"

namespace trm {

namespace {

/// The pie sector of radius r about (cx, cy) from direction von to bis.
std::vector<PixelPunkt> Sektor(const TAnsicht& v, double cx, double cy, double r, double von, double bis) {
  const double rPx = r / v.MmProPixel();
  // Enough corners that the arc shows round, few for a small sector on the screen.
  const int teile = static_cast<int>(std::clamp(std::ceil((bis - von) * rPx / 4.0), 1.0, 32.0));
  std::vector<PixelPunkt> punkte{v.Pixel(cx, cy)};
  for (int k = 0; k <= teile; ++k) {
    const double w = von + (bis - von) * k / teile;
    punkte.push_back(v.Pixel(cx + r * std::cos(w), cy + r * std::sin(w)));
  }
  return punkte;
}

}  // namespace

void TDrehscheibe::Zeichnen(const Anlage&, Canvas& c, const TAnsicht& v) const {
  const double R = Aussendurchmesser / 2.0, r = Innendurchmesser / 2.0;
  if (!(R > 0) || !v.Sichtbar(XMitte - R, YMitte - R, XMitte + R, YMitte + R)) return;
  const std::int32_t stift = Markiert ? farbe::Rot : farbe::Schwarz;
  c.SetStift({stift, false});
  const int n = Anzahl();
  for (int i = 0; i < n; ++i) {
    const double a = i * Teilung + startwinkel_;
    c.SetPinsel({Markiert && i + 1 == AktAnschluss ? farbe::Rot : farbe::Cyan, false});
    c.Polygon(Sektor(v, XMitte, YMitte, R, a - Teilung / 2.0, a + Teilung / 2.0));
  }
  if (r > 0) {
    c.SetPinsel({Modul ? Modul->HintergrundFarbe() : farbe::Weiss, false});
    const PixelPunkt lo = v.Pixel(XMitte - r, YMitte + r), ru = v.Pixel(XMitte + r, YMitte - r);
    c.Ellipse(lo.x, lo.y, ru.x, ru.y);

    // The bridge: two rails a gauge apart across the pit.
    const double g = Modul ? Modul->Spur() : 16.5;
    const double s = startwinkel_, d = std::atan((g / 2.0) / r);
    auto rand = [&](double w, double vz) { return v.Pixel(XMitte + vz * r * std::cos(w), YMitte + vz * r * std::sin(w)); };
    c.Linie(rand(s + d, 1), rand(s - d, -1));
    c.Linie(rand(s - d, 1), rand(s + d, -1));

    // The cabin beside the bridge end towards connection 1, where the pit is wide enough.
    if (1.75 * g < r) {
      const double tiefe = std::fabs(r - r * std::cos(std::asin(1.75 * g / r)));
      const double ux = std::cos(s), uy = std::sin(s), nx = -uy, ny = ux;
      const double bx = XMitte + (r - 3.0 * tiefe) * ux, by = YMitte + (r - 3.0 * tiefe) * uy;
      const double laenge = 1.5 * tiefe;
      c.SetPinsel({stift, false});
      c.Polygon({v.Pixel(bx + 0.75 * g * nx, by + 0.75 * g * ny), v.Pixel(bx + 1.8 * g * nx, by + 1.8 * g * ny),
                 v.Pixel(bx + 1.8 * g * nx + laenge * ux, by + 1.8 * g * ny + laenge * uy),
                 v.Pixel(bx + 0.75 * g * nx + laenge * ux, by + 0.75 * g * ny + laenge * uy)});
    }
  }
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Weiss, true});
}

void TDrehscheibe::Drucken(Druckstufe s, Blattstift& p) const {
  if (s != Druckstufe::Obenauf) return;
  p.c.SetStift({farbe::Schwarz, false, 1});
  p.c.SetPinsel({farbe::Weiss, true});
  for (const double r : {Innendurchmesser / 2, Aussendurchmesser / 2, 2.0}) p.Kreis(XMitte, YMitte, r);
}

}  // namespace trm
