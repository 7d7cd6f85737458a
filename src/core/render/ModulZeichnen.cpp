// The drawing sequence of a module with grid, labels, group lines and height values.
#include "core/render/ModulZeichnen.h"

#include <algorithm>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Farben.h"
#include "core/render/GleisZeichnen.h"

namespace trm {

namespace {

/// First and last multiple k of a inside [von, bis] with k >= 1 and a·k < grenze.
struct Bereich {
  std::int64_t erstes, letztes;
};
Bereich Vielfache(double a, double von, double bis, double grenze) {
  const double erstes = std::max(1.0, std::ceil(von / a));
  double letztes = std::floor(std::min(bis, grenze) / a);
  if (letztes * a >= grenze) letztes -= 1;
  if (letztes > 1e7) letztes = 1e7;  // guards a wild spacing; the surface is far smaller
  return {static_cast<std::int64_t>(erstes), static_cast<std::int64_t>(letztes)};
}

void Gitter(const Anlage& a, const TModul& m, Canvas& c, const TAnsicht& v) {
  const double abst = a.GitterAbst;
  if (abst <= 0) return;
  const double mm = v.MmProPixel();
  const double xVon = (static_cast<double>(v.X0()) - 1) * mm, xBis = (static_cast<double>(v.X0()) + v.Breite() + 1) * mm;
  const double yBis = m.Hoehe - (static_cast<double>(v.Y0()) - 1) * mm;
  const double yVon = m.Hoehe - (static_cast<double>(v.Y0()) + v.Hoehe() + 1) * mm;
  c.SetStift({a.GitterFarbe, true});
  const Bereich senkrecht = Vielfache(abst, xVon, xBis, m.Breite);
  for (std::int64_t b = senkrecht.erstes; b <= senkrecht.letztes; ++b)
    c.Linie(v.Pixel(abst * b, 0), v.Pixel(abst * b, m.Hoehe));
  const Bereich waagerecht = Vielfache(abst, yVon, yBis, m.Hoehe);
  for (std::int64_t b = waagerecht.erstes; b <= waagerecht.letztes; ++b)
    c.Linie(v.Pixel(0, abst * b), v.Pixel(m.Breite, abst * b));
  c.SetStift({farbe::Schwarz, false});
}

void Beschriftung(const Anlage& a, const TModul& m, Canvas& c, const TAnsicht& v) {
  const std::int64_t n = a.GitterBeschrN;
  const double abst = a.GitterAbst;
  if (abst <= 0 || n <= 0) return;
  const double schritt = abst * static_cast<double>(n);
  const int o = Schriftgroesse / 2;
  const double mm = v.MmProPixel();
  const double rand = 60 * mm;  // a label reaches this far right of or below its line
  const double xVon = static_cast<double>(v.X0()) * mm - rand, xBis = (static_cast<double>(v.X0()) + v.Breite()) * mm;
  const Bereich senkrecht = Vielfache(schritt, xVon, xBis, m.Breite);
  const TUmrechnung& u = v.Umrechnung();
  for (std::int64_t k = senkrecht.erstes; k <= senkrecht.letztes; ++k) {
    const double x = schritt * static_cast<double>(k);
    c.Text(v.AusZeichnung(u.WeltZuPixelX(x) + o, v.BildHoehe() - 15), IntText(static_cast<std::int64_t>(x)),
           a.BeschrFarbe, false, farbe::Weiss);
  }
  const double yBis = m.Hoehe - static_cast<double>(v.Y0()) * mm + rand;
  const double yVon = m.Hoehe - (static_cast<double>(v.Y0()) + v.Hoehe()) * mm - rand;
  const Bereich waagerecht = Vielfache(schritt, yVon, yBis, m.Hoehe);
  for (std::int64_t k = waagerecht.erstes; k <= waagerecht.letztes; ++k) {
    const double y = schritt * static_cast<double>(k);
    c.Text(v.AusZeichnung(1, u.WeltZuPixelY(y) + o), IntText(static_cast<std::int64_t>(y)), a.BeschrFarbe, false,
           farbe::Weiss);
  }
}

void Markierungen(const TModul& m, Canvas& c, const TAnsicht& v) {
  for (auto& g : m.Gleise)
    for (auto& b : g->Boegen) {
      if (!b->OptiEnde && g->IstGewoehnlich()) StossMarkeZeichnen(*b, c, v);
      if (b->OptiEnde) OptiEndeZeichnen(*b, c, v);
      if (b->OptiAnf) OptiAnfangZeichnen(*b, c, v);
    }
}

void Verbindungslinien(const Anlage& a, const TModul& m, Canvas& c, const TAnsicht& v) {
  const TGleis* akt = m.AktuellesGleis();
  if (!a.VerbindungenZeigen || akt == nullptr || akt->Verbund.size() < 2) return;
  const auto r = static_cast<std::int32_t>(RundenGerade(m.Spur() * 5.0 / 8.0 / v.MmProPixel()));
  const PixelPunkt von = v.Pixel(akt->XAnf, akt->YAnf);
  for (const TGleis* t : akt->Verbund) {
    const PixelPunkt nach = v.Pixel(t->XAnf, t->YAnf);
    c.SetStift({farbe::Grau, true});
    c.Linie(von, nach);
    c.SetStift({farbe::Grau, false});
    c.SetPinsel({farbe::Hellgruen, false});
    for (const PixelPunkt& p : {von, nach}) c.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
  }
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Weiss, true});
}

/// A height value with its alignment (h, v) in 0..2 around the point.
void Hoehe(Canvas& c, const TAnsicht& v, double x, double y, double z, int h, int vert) {
  const std::string text = FestText(z, 3);
  const TextMass mass = c.TextGroesse(text);
  const PixelPunkt p = v.Pixel(x, y);
  c.Text({p.x - (mass.breite / 2) * h, p.y - (mass.hoehe / 2) * vert}, text, farbe::Violett, true, farbe::Weiss);
}

void Hoehenwerte(const TModul& m, Canvas& c, const TAnsicht& v) {
  for (const auto& g : m.Gleise) {
    if (!g->IstGewoehnlich() || g->Boegen.empty()) continue;
    const TBogen& erster = *g->Boegen.front();
    Hoehe(c, v, erster.XAnf(), erster.YAnf(), erster.ZAnf(), 0, 2);
    for (std::size_t i = 0; i < g->Boegen.size(); ++i) {
      const TBogen& b = *g->Boegen[i];
      const bool letzter = i + 1 == g->Boegen.size();
      Hoehe(c, v, b.XEnde, b.YEnde, b.ZEnde, letzter ? 2 : 1, letzter ? 0 : 1);
    }
  }
  for (const auto& e : m.Elemente)
    for (const THoehenwert& h : e->Hoehenwerte()) Hoehe(c, v, h.x, h.y, h.z, h.h, h.v);
}

}  // namespace

void ModulMalen(const Anlage& a, const TModul& m, Canvas& c, const TAnsicht& v, const Elementhaken& haken) {
  c.Fuellen(m.HintergrundFarbe());
  if (a.GitterSichtbar) Gitter(a, m, c, v);
  if (a.GitterBeschriftung) Beschriftung(a, m, c, v);
  // Background components lie under the layout.
  for (const auto& e : m.Elemente)
    if (e->Hintergrund()) e->Zeichnen(a, c, v);
  for (auto& g : m.Gleise)
    if (!g->KrGleis) GleisZeichnen(a, *g, c, v);
  Markierungen(m, c, v);
  for (const auto& e : m.Elemente)
    if (!e->Hintergrund()) e->Zeichnen(a, c, v);
  Verbindungslinien(a, m, c, v);
  if (haken.Blattuebersicht) haken.Blattuebersicht(m, c, v);
  if (haken.EndPfeile && std::any_of(m.EndMarke.begin(), m.EndMarke.end(), [](bool b) { return b; }))
    haken.EndPfeile(m, c, v);
  if (a.HoehenZeigen) Hoehenwerte(m, c, v);
}

void ModulNeuzeichnen(Anlage& a, TModul& m, Canvas& c, const TAnsicht& v, const Elementhaken& haken) {
  ModulBerechnen(m);
  ModulMalen(a, m, c, v, haken);
}

}  // namespace trm
