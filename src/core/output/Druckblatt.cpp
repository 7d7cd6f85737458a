// Printed sheet: element sleepers, element bed edges, the tracks (sleepers, centre lines, rails,
// bed, names, radii, heights), element names, background components, grid, sheet number and
// what elements draw on top, in this order.
#include "core/output/Druckblatt.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <numbers>

#include "core/model/Anlage.h"
#include "core/model/Element.h"
#include "core/model/Elementart.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Blattstift.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"

namespace trm {

namespace {

class Blattmaler : public Blattstift {
 public:
  Blattmaler(const TModul& m, const TDruckoptionen& o, const TDrucktransform& t, Canvas& c)
      : Blattstift(c, o), m(m), t(t) {}

  const TModul& m;
  const TDrucktransform& t;

  PixelPunkt P(double x, double y) const override { return t.Pixel(x, y); }
  std::int32_t Laenge(double mm) const override { return t.Laenge(mm); }

  void Querlinie(const TSpurpunkt& p, double breite) {
    const double h = breite / 2;
    c.Linie(P(p.x - h * std::sin(p.w), p.y + h * std::cos(p.w)), P(p.x + h * std::sin(p.w), p.y - h * std::cos(p.w)));
  }

  void Schwelle(const TSpurpunkt& p, double laenge, double breite) {
    const double q = laenge / 2, l = breite / 2;
    const double cw = std::cos(p.w), sw = std::sin(p.w);
    std::vector<PixelPunkt> ecken;
    for (const auto& [u, v] : {std::pair{l, q}, {-l, q}, {-l, -q}, {l, -q}})
      ecken.push_back(P(p.x + u * cw - v * sw, p.y + u * sw + v * cw));
    c.Polygon(ecken);
  }

  /// Every element at stage s, kind by kind in the order of the kind table.
  void Elemente(Druckstufe s) {
    for (const TElementart& art : Elementarten())
      for (const TElement* e : m.ElementeDerArt(art.art)) e->Drucken(s, *this);
  }

  /// False when the box, widened by rand mm, lies wholly off the sheet: nothing of it shows.
  bool AufDemBlatt(const TRechteck& r, double rand) const {
    const double n = static_cast<double>(t.N());
    const double links = static_cast<double>(t.OriginX()) * n / t.Kx(), rechts = (static_cast<double>(t.OriginX()) + t.W()) * n / t.Kx();
    const double oben = -static_cast<double>(t.OriginY()) * n / t.Ky(), unten = -(static_cast<double>(t.OriginY()) + t.H()) * n / t.Ky();
    return r.xmax + rand >= links && r.xmin - rand <= rechts && r.ymax + rand >= unten && r.ymin - rand <= oben;
  }

  void Bogen(const TGleis& g, const TBogen& b, bool letzter) {
    if (b.Spurpunkte.empty()) return;
    // Texts reach up to a few thousand printer pixels beyond their point.
    const double rand = std::max({b.TrBrt(), b.SwLen(), b.SpurAussen()}) + 4000.0 * static_cast<double>(t.N()) / t.Kx();
    if (!AufDemBlatt(b.Huelle, rand)) return;
    const bool eigen = g.IstGewoehnlich();
    const std::int32_t f = Farbe(b.FarbeWert());
    // A turnout without a computed sleeper plan gets the sleepers of a plain track.
    const bool ohnePlan = g.IstWeichengleis() && g.Element != nullptr && !g.Element->EigeneSchwellen();
    if (o.schwellen && (eigen || ohnePlan)) {
      c.SetStift({f, false, 1});
      c.SetPinsel({farbe::Weiss, true});
      const auto& sp = b.Spurpunkte;
      // Sleepers lie at the points between start and end; the end gets one when the last
      // sleeper falls exactly on it.
      for (std::size_t i = 1; i + 1 < sp.size(); ++i) Schwelle(sp[i], b.SwLen(), b.SwBrt());
      if (sp.size() > 1 && b.Rest == 0) Schwelle(sp.back(), b.SwLen(), b.SwBrt());
    }
    c.SetStift({f, false, o.schienen ? 1 : 5});
    std::vector<PixelPunkt> mitte;
    for (const TSpurpunkt& p : b.Spurpunkte) mitte.push_back(P(p.x, p.y));
    c.Polylinie(mitte);
    c.SetStift({f, false, 1});
    if (o.schienen) {
      for (const double d : {b.Spur() / 2, -b.Spur() / 2, b.SpurAussen() / 2, -b.SpurAussen() / 2}) Versetzt(b, d);
      Querlinie(b.Spurpunkte.front(), b.TrBrt());
      if (letzter) Querlinie(b.Spurpunkte.back(), b.TrBrt());
    }
    if (o.trasse && !g.IstWeichengleis()) {
      c.SetStift({f, true, 1});
      Versetzt(b, b.TrBrt() / 2);
      Versetzt(b, -b.TrBrt() / 2);
      c.SetStift({f, false, 1});
    }
    if (o.bogenname && !g.IstWeichengleis()) {
      const TSpurpunkt& p = b.Spurpunkte[(b.Spurpunkte.size() - 1) / 2];
      Text(p.x, p.y, b.Name, p.w);
    }
    if (o.bogenradius && !g.IstWeichengleis()) {
      const TSpurpunkt& p0 = b.Spurpunkte.front();
      const TSpurpunkt& p1 = b.Spurpunkte.back();
      Text(p0.x, p0.y, " " + FestText(b.AnfRadius(), 3), p0.w);
      Text(p1.x, p1.y, " " + FestText(b.EndRadius(), 3), p1.w + std::numbers::pi);
    }
    if (o.hoehen) {
      const double h = b.SwLen() / 2;
      const TSpurpunkt& e = b.Spurpunkte.back();
      Text(e.x + h * std::sin(e.w), e.y - h * std::cos(e.w), FestText(b.ZEnde, 3), e.w);
      if (b.IstErster()) {
        const TSpurpunkt& s = b.Spurpunkte.front();
        Text(s.x + h * std::sin(s.w), s.y - h * std::cos(s.w), FestText(b.ZAnf(), 3), s.w);
      }
    }
  }

  void Raster() {
    c.SetStift({0x646464, true, 1});  // RGB(100, 100, 100)
    for (std::int64_t k = 0; k <= m.Hoehe / 100; ++k) c.Linie(P(0, 100.0 * k), P(m.Breite, 100.0 * k));
    for (std::int64_t k = 0; k <= m.Breite / 100; ++k) c.Linie(P(100.0 * k, 0), P(100.0 * k, m.Hoehe));
    c.SetStift({farbe::Schwarz, false, 1});
    for (std::int64_t i = 0; 100 * i <= m.Breite; ++i)
      for (std::int64_t j = 0; 100 * j <= m.Hoehe; ++j) {
        const double x = 100.0 * i, y = 100.0 * j;
        c.Linie(P(x - 5, y), P(x + 5, y));
        c.Linie(P(x, y - 5), P(x, y + 5));
      }
  }

};

}  // namespace

void Blattrand(const Anlage& a, const TDrucktransform& t, std::int64_t blatt, Canvas& c) {
  // Joining marks: an angle of 5 mm (paper) along both edges at every corner, on the edge, so
  // that neighbouring sheets are laid edge to edge.
  const auto lang = static_cast<std::int32_t>(std::lround(5.0 * t.Kx()));
  const std::int32_t r = t.W() - 1, u = t.H() - 1;
  c.SetStift({farbe::Schwarz, false, 1});
  for (const auto& [ecke, dx, dy] : {std::tuple{PixelPunkt{0, 0}, 1, 1}, std::tuple{PixelPunkt{r, 0}, -1, 1},
                                     std::tuple{PixelPunkt{0, u}, 1, -1}, std::tuple{PixelPunkt{r, u}, -1, -1}}) {
    c.Linie(ecke, {ecke.x + dx * lang, ecke.y});
    c.Linie(ecke, {ecke.x, ecke.y + dy * lang});
  }
  // The plan, the scale and where the sheet lies, 50 pixels inside its lower left corner.
  const std::int64_t spalte = t.W() > 0 ? t.OriginX() / t.W() + 1 : 1;
  const std::int64_t reihe = t.H() > 0 ? -t.OriginY() / t.H() : 1;
  const std::string text = a.Name + "  1:" + IntText(t.N()) + "  Blatt " + IntText(blatt) + "  Spalte " +
                           IntText(spalte) + ", Reihe " + IntText(reihe);
  const TextMass mass = c.TextGroesse(text);
  c.Text({50, t.H() - 50 - mass.hoehe}, text, farbe::Schwarz, false, farbe::Weiss);
}

void BlattZeichnen(const Anlage& a, const TModul& m, const TDruckoptionen& o, const TDrucktransform& t,
                   std::int64_t blatt, Canvas& c) {
  Blattmaler b(m, o, t, c);
  c.SetStift({farbe::Schwarz, false, 1});
  c.SetPinsel({farbe::Weiss, true});
  if (o.schwellen) b.Elemente(Druckstufe::Schwellen);
  if (o.trasse) b.Elemente(Druckstufe::Trassen);
  for (const auto& g : m.Gleise)
    for (std::size_t i = 0; i < g->Boegen.size(); ++i) b.Bogen(*g, *g->Boegen[i], i + 1 == g->Boegen.size());
  if (o.bogenname) b.Elemente(Druckstufe::Namen);
  if (o.geoRahmen || o.geoVollstaendig) b.Elemente(Druckstufe::Bauteile);
  c.SetStift({farbe::Schwarz, false, 1});
  c.SetPinsel({farbe::Weiss, true});
  if (o.raster) b.Raster();
  c.SetStift({farbe::Schwarz, false, 1});
  c.Text({t.W() / 2, 50}, IntText(blatt), farbe::Schwarz, false, farbe::Weiss);
  c.SetPinsel({farbe::Weiss, true});
  b.Elemente(Druckstufe::Obenauf);
  Blattrand(a, t, blatt, c);
}

void BlattuebersichtZeichnen(const TModul& m, std::int64_t n, std::int64_t seiteBreiteMm, std::int64_t seiteHoeheMm,
                             Canvas& c, const TAnsicht& v) {
  const TBlattaufteilung t = Blaetter(m.Breite, m.Hoehe, n, seiteBreiteMm, seiteHoeheMm);
  const double bw = static_cast<double>(std::max<std::int64_t>(n, 1) * std::max<std::int64_t>(seiteBreiteMm, 1));
  const double bh = static_cast<double>(std::max<std::int64_t>(n, 1) * std::max<std::int64_t>(seiteHoeheMm, 1));
  c.SetStift({farbe::Rot, false, 1});
  for (double x = 0; x < m.Breite; x += bw) c.Linie(v.Pixel(x, 0), v.Pixel(x, m.Hoehe));
  for (double y = 0; y < m.Hoehe; y += bh) c.Linie(v.Pixel(0, y), v.Pixel(m.Breite, y));
  for (std::int64_t k = 1; k <= t.Anzahl(); ++k) {
    const TBlattLage l = BlattLage(k, t.spalten);
    const double x = static_cast<double>(l.spalte) * bw + 10, y = static_cast<double>(l.zeile - 1) * bh + 40;
    c.Text(v.Pixel(x, y), IntText(k), farbe::Rot, false, farbe::Weiss);
  }
  c.SetStift({farbe::Schwarz, false, 1});
}

}  // namespace trm
