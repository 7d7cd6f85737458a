// A background component: its record, placement and drawing.
#include "core/geometry/Geo.h"

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Geometrie.h"
#include "core/model/Listen.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"

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

TElement* TGeo::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  auto g = std::make_unique<TGeo>(&m);
  g->RecordLesen(z, i);
  g->GeoNr = m.Anlage_ ? m.Anlage_->NeueElementnummer(BereichGeo) : k + 1;
  return m.ElementHinzufuegen(std::move(g));
}

}  // namespace trm
