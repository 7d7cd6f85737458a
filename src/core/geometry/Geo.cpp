// A background component: its record, placement and drawing on screen and printed sheets.
#include "core/geometry/Geo.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Geometrie.h"
#include "core/model/Listen.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Blattstift.h"
#include "core/render/Farben.h"

namespace trm {

void TGeo::Drehen(double w) {
  for (TGeoElement& e : Elemente) e.Drehen(w, Bezugspunkt.x, Bezugspunkt.y);
}

void TGeo::Verschieben(double dx, double dy) {
  for (TGeoElement& e : Elemente)
    for (TGeopunkt& p : e.Punkte) p.x += dx, p.y += dy;
  Bezugspunkt.x += dx;
  Bezugspunkt.y += dy;
}

TGeopunkte TGeo::AllePunkte() const {
  TGeopunkte r;
  for (const TGeoElement& e : Elemente) r.insert(r.end(), e.Punkte.begin(), e.Punkte.end());
  return r;
}

void TGeo::BewegenZu(double mx, double my, const std::vector<TPunkt>& versatz) {
  Bezugspunkt.x = mx + GriffDX;
  Bezugspunkt.y = my + GriffDY;
  std::size_t k = 0;
  for (TGeoElement& e : Elemente)
    for (TGeopunkt& p : e.Punkte) {
      if (k >= versatz.size()) return;
      p.x = mx + versatz[k].x;
      p.y = my + versatz[k].y;
      ++k;
    }
}

void TGeo::DrehenZu(double mx, double my, const std::vector<TPunkt>& versatz, double px, double py) {
  const double w = Richtungswinkel(Bezugspunkt.x, Bezugspunkt.y, mx, my);
  std::size_t k = 0;
  for (TGeoElement& e : Elemente)
    for (TGeopunkt& p : e.Punkte) {
      if (k >= versatz.size()) return;
      const TPunkt q = PunktDrehen(px + versatz[k].x, py + versatz[k].y, w, Bezugspunkt.x, Bezugspunkt.y);
      p.x = q.x;
      p.y = q.y;
      ++k;
    }
}

void TGeo::RecordLesen(const Zeilenquelle& z, std::size_t& i, bool dezimalpunkt) {
  Zeilenleser l(z, i);
  Name = l.Text();
  const std::int32_t n = l.Anzahl();
  // Each element takes at least five lines: a larger count cannot be in the rest of the text.
  if (static_cast<std::size_t>(n) > l.Uebrig() / 5 + 1)
    throw LeseFehler("Zeile " + std::to_string(l.Index()) + ": " + std::to_string(n) +
                     " Elemente passen nicht in den Rest der Datei.");
  Bezugspunkt = ListenZeile(l, [dezimalpunkt](const std::string& t) { return PunktAusText(t, dezimalpunkt); });
  Winkel = dezimalpunkt ? ListenZeile(l, [](const std::string& t) { return TextRealPunktOderKomma(t); }) : l.Real();
  Elemente.assign(static_cast<std::size_t>(n), TGeoElement{});
  for (TGeoElement& e : Elemente) e.Lesen(l, dezimalpunkt);
}

void TGeo::RecordSchreiben(Zeilen& out) const {
  out.push_back(Name);
  out.push_back(IntText(static_cast<std::int64_t>(Elemente.size())));
  out.push_back(PunktText(Bezugspunkt));
  out.push_back(RealText(Winkel));
  for (const TGeoElement& e : Elemente) e.Schreiben(out);
}

void Bezugsmarke(Canvas& c, PixelPunkt p) {
  c.SetStift({0x6633CC, false});
  c.SetPinsel({0xFFFFFF, true});
  c.Ellipse(p.x - 3, p.y - 3, p.x + 4, p.y + 4);
  c.Linie({p.x, p.y - 6}, {p.x, p.y + 7});
  c.Linie({p.x - 6, p.y}, {p.x + 7, p.y});
  c.SetStift({0, false});
}

void TGeo::Malen(Canvas& c, const std::function<PixelPunkt(double, double)>& pixel, double s, bool marken) const {
  for (const TGeoElement& e : Elemente) e.Zeichnen(c, pixel, s, marken);
  Bezugsmarke(c, pixel(Bezugspunkt.x, Bezugspunkt.y));
}

void TGeo::Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
  Malen(c, [&v](double x, double y) { return v.Pixel(x, y); }, v.MmProPixel(), a.GeoPunkteZeigen);
}

namespace {

/// A cubic Bezier chain p0, p1, p2, p3, p4, p5, p6, … flattened into a polyline.
std::vector<PixelPunkt> BezierPolylinie(const Blattstift& s, const TGeopunkte& p) {
  std::vector<PixelPunkt> v;
  if (p.empty()) return v;
  v.push_back(s.P(p[0].x, p[0].y));
  for (std::size_t i = 0; i + 3 < p.size(); i += 3)
    for (int k = 1; k <= 16; ++k) {
      const double u = k / 16.0, r = 1 - u;
      const double x = r * r * r * p[i].x + 3 * r * r * u * p[i + 1].x + 3 * r * u * u * p[i + 2].x + u * u * u * p[i + 3].x;
      const double y = r * r * r * p[i].y + 3 * r * r * u * p[i + 1].y + 3 * r * u * u * p[i + 2].y + u * u * u * p[i + 3].y;
      v.push_back(s.P(x, y));
    }
  return v;
}

}  // namespace

void TGeo::Drucken(Druckstufe s, Blattstift& p) const {
  // Frames only, or with their line widths and fills.
  if (s != Druckstufe::Bauteile) return;
  Canvas& c = p.c;
  for (const TGeoElement& g : Elemente) {
    if (g.Punkte.empty()) continue;
    const std::int32_t stift = p.o.schwellen ? farbe::Schwarz : g.Stiftfarbe;
    c.SetStift({stift, false, p.o.geoVollstaendig ? std::max(1, p.Laenge(g.Stiftbreite)) : 1});
    c.SetPinsel(p.o.geoVollstaendig ? Pinsel{g.Fuellfarbe, false} : Pinsel{farbe::Weiss, true});
    std::vector<PixelPunkt> v;
    for (const TGeopunkt& q : g.Punkte) v.push_back(p.P(q.x, q.y));
    switch (g.Art) {
      case GeoPolygon: c.Polygon(v); break;
      case GeoBezier: c.Polylinie(BezierPolylinie(p, g.Punkte)); break;
      case GeoKreis:
        if (v.size() >= 2) {
          const auto r = static_cast<std::int32_t>(std::lround(std::hypot(v[1].x - v[0].x, v[1].y - v[0].y)));
          c.Ellipse(v[0].x - r, v[0].y - r, v[0].x + r, v[0].y + r);
        }
        break;
      default: c.Polylinie(v); break;
    }
  }
}

TElement* TGeo::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  auto g = std::make_unique<TGeo>(&m);
  g->RecordLesen(z, i);
  g->GeoNr = m.Anlage_ ? m.Anlage_->NeueElementnummer(BereichGeo) : k + 1;
  return m.ElementHinzufuegen(std::move(g));
}

}  // namespace trm
