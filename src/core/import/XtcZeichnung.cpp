// Converting XTrackCAD drawings (lines, arcs, circles, polylines, polygons) and table edges
// into background components.
#include "core/import/XtcZeichnung.h"

#include <algorithm>
#include <cmath>

#include "core/import/XtcGeometrie.h"

namespace trm {

namespace {

/// 0xRRGGBB as this program's 0x00BBGGRR.
std::int32_t Farbe(std::int32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace

void XtcZeichnungHinzufuegen(const XtcObjekt& o, const std::string& datei, TGeo& geo) {
  const bool erstes = geo.Elemente.empty();
  if (o.art == "TABLEEDGE") {
    TGeoElement e;
    e.PunktHinzu(o.Zahl(5, datei) * XtcZoll, o.Zahl(6, datei) * XtcZoll);
    e.PunktHinzu(o.Zahl(7, datei) * XtcZoll, o.Zahl(8, datei) * XtcZoll);
    e.Stiftbreite = 1;
    e.Fertig = true;
    if (erstes) geo.Bezugspunkt = e.Punkte.front();
    geo.Elemente.push_back(std::move(e));
    return;
  }
  // A drawing: its segments in its own frame, turned clockwise by its angle about its origin.
  const double ox = o.Zahl(5, datei, false), oy = o.Zahl(6, datei, false);
  const double a = o.Zahl(8, datei, false) * Pi / 180.0;
  auto welt = [&](double x, double y) {
    return TPunkt{(ox + x * std::cos(a) + y * std::sin(a)) * XtcZoll, (oy - x * std::sin(a) + y * std::cos(a)) * XtcZoll};
  };
  if (erstes) {
    const TPunkt bezug = welt(0, 0);
    geo.Bezugspunkt = {bezug.x, bezug.y, 0, 0};
  }
  for (const XtcLinie& l : o.linien) {
    TGeoElement e;
    e.Stiftfarbe = Farbe(l.farbe);
    e.Fuellfarbe = e.Stiftfarbe;
    e.Stiftbreite = l.breite * XtcZoll;
    e.Fertig = true;
    switch (l.art) {
      case 'G': {
        e.Art = GeoKreis;
        const TPunkt c = welt(l.cx, l.cy), r = welt(l.cx + l.r, l.cy);
        e.PunktHinzu(c.x, c.y);
        e.PunktHinzu(r.x, r.y);
        break;
      }
      case 'A': {
        // An arc as a polyline of at most 5° steps (angles clockwise from north).
        const int n = std::clamp(static_cast<int>(std::ceil(std::fabs(l.a1) / 5.0)), 1, 72);
        for (int k = 0; k <= n; ++k) {
          const double w = (l.a0 + l.a1 * k / n) * Pi / 180.0;
          const TPunkt p = welt(l.cx + l.r * std::sin(w), l.cy + l.r * std::cos(w));
          e.PunktHinzu(p.x, p.y);
        }
        break;
      }
      default:
        e.Art = l.art == 'F' ? GeoPolygon : GeoPolylinie;
        for (const TPunkt& q : l.punkte) {
          const TPunkt p = welt(q.x, q.y);
          e.PunktHinzu(p.x, p.y);
        }
    }
    if (e.Punkte.size() >= e.MindestPunkte() && e.Punkte.size() >= 2) geo.Elemente.push_back(std::move(e));
  }
}

}  // namespace trm
