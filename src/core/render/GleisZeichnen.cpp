// Tracks and segments on the canvas, in the order and colours of the screen drawing.
#include "core/render/GleisZeichnen.h"

#include "core/model/OptiEP.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Zahlformat.h"
#include "core/render/Ansicht.h"
#include "core/render/Farben.h"

namespace trm {

namespace {

std::int32_t Segmentfarbe(const TBogen& b) { return b.Markiert ? farbe::Rot : b.FarbeWert(); }

/// The widest thing drawn across a track: for culling and marker sizes.
double Breiteste(const TBogen& b) { return std::max({b.Spur(), b.SwLen(), b.TrBrt(), b.SpurAussen()}); }

bool BogenSichtbar(const TBogen& b, const TAnsicht& v) {
  if (b.Spurpunkte.empty()) return false;
  const double rand = std::max(Breiteste(b), b.GlsAbst()) + 2.0;
  const TRechteck& h = b.Huelle;
  return v.Sichtbar(h.xmin - rand, h.ymin - rand, h.xmax + rand, h.ymax + rand);
}

/// A point shifted across the direction w by d (positive: to the left).
TPunkt Quer(double x, double y, double w, double d) { return {x - std::sin(w) * d, y + std::cos(w) * d}; }

/// At a scale where the points of a segment lie less than a pixel apart, the overview: the
/// points from which the line through them strays less than half a pixel (the first and the
/// last always; on a straight only they), each with its direction's sine and cosine. A chord
/// of length c over a turn of dw lies about c·dw/8 from the arc.
struct Uebersichtspunkt {
  double x, y, s, k;
};
/// Whether hypot(dx, dy)·|remainder(dw, 2π)| > grenze, decided mostly without either call:
/// a turn within half a turn is its own remainder, no turn never strays, and a chord from
/// the square root whose product lies clearly off the bound decides as hypot's would.
bool Abweichend(double dx, double dy, double dw, double grenze) {
  if (!(std::fabs(dw) <= Pi)) dw = std::remainder(dw, 2 * Pi);
  dw = std::fabs(dw);
  if (dw == 0) return false;
  const double q = dx * dx + dy * dy;
  if (q > 1e-280 && q < 1e280) {
    const double t = std::sqrt(q) * dw;
    if (t > grenze * (1 + 1e-12)) return true;
    if (t < grenze * (1 - 1e-12)) return false;
  }
  return std::hypot(dx, dy) * dw > grenze;
}

std::vector<Uebersichtspunkt> Pixelschritte(const TSpurpunkte& pk, std::size_t von, std::size_t bis,
                                            const TAnsicht& v) {
  std::vector<Uebersichtspunkt> r;
  if (von >= bis) return r;
  const double grenze = 4 * v.MmProPixel();  // c·dw/8 below half a pixel
  auto nehmen = [&r](const TSpurpunkt& p) { r.push_back({p.x, p.y, std::sin(p.w), std::cos(p.w)}); };
  nehmen(pk[von]);
  double wLetzter = pk[von].w;
  for (std::size_t i = von + 1; i + 1 < bis; ++i) {
    const TSpurpunkt& n = pk[i + 1];
    if (Abweichend(n.x - r.back().x, n.y - r.back().y, n.w - wLetzter, grenze)) {
      nehmen(pk[i]);
      wLetzter = pk[i].w;
    }
  }
  if (bis - von > 1) nehmen(pk[bis - 1]);
  return r;
}

/// The points of the overview shifted across by d, as pixels, the same pixel not twice in a row.
std::vector<PixelPunkt> Kante(const std::vector<Uebersichtspunkt>& u, double d, const TAnsicht& v) {
  std::vector<PixelPunkt> r;
  r.reserve(u.size());
  for (const Uebersichtspunkt& p : u) {
    const PixelPunkt q = v.Pixel(p.x - p.s * d, p.y + p.k * d);
    if (r.empty() || !(r.back() == q)) r.push_back(q);
  }
  return r;
}

/// True when the sleepers are narrower than a pixel.
bool SchwellenAlsBand(const TBogen& b, const TAnsicht& v) { return b.SwBrt() < v.MmProPixel(); }

/// True when the points of the segment lie less than a pixel apart.
bool Pixelfein(const TBogen& b, const TAnsicht& v) { return b.SwAbst() < v.MmProPixel(); }

}  // namespace

void TrassenKante(const TBogen& b, int seite, Canvas& c, const TAnsicht& v) {
  const double h = b.TrBrt() / 2 * seite;
  const std::int32_t f = Segmentfarbe(b);
  if (Pixelfein(b, v)) {
    for (const PixelPunkt& p : Kante(Pixelschritte(b.Spurpunkte, 0, b.Spurpunkte.size(), v), h, v)) c.Pixel(p, f);
    return;
  }
  for (const auto& p : b.Spurpunkte) c.Pixel(v.Pixel(Quer(p.x, p.y, p.w, h)), f);
}

namespace {


void Schienen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const double h = b.Spur() / 2;
  c.SetStift({Segmentfarbe(b), false});
  const auto& pk = b.Spurpunkte;
  if (Pixelfein(b, v)) {
    // Each rail one line through its pixel-sized steps.
    const auto u = Pixelschritte(pk, 0, pk.size(), v);
    c.Polylinie(Kante(u, -h, v));
    c.Polylinie(Kante(u, h, v));
    return;
  }
  for (std::size_t i = 0; i + 1 < pk.size(); ++i) {
    c.Linie(v.Pixel(Quer(pk[i].x, pk[i].y, pk[i].w, -h)), v.Pixel(Quer(pk[i + 1].x, pk[i + 1].y, pk[i + 1].w, -h)));
    c.Linie(v.Pixel(Quer(pk[i].x, pk[i].y, pk[i].w, h)), v.Pixel(Quer(pk[i + 1].x, pk[i + 1].y, pk[i + 1].w, h)));
  }
}

void Schwellen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const double l = b.SwLen() / 2, w = b.SwBrt() / 2;
  c.SetPinsel({farbe::Weiss, true});
  const auto& pk = b.Spurpunkte;
  if (SchwellenAlsBand(b, v)) {
    // Sleepers narrower than a pixel are not drawn one by one: the band they cover, from the
    // first to the last, as one outline.
    if (pk.size() < 3) return;
    const auto u = Pixelschritte(pk, 1, pk.size() - 1, v);
    c.Polylinie(Kante(u, l, v));
    c.Polylinie(Kante(u, -l, v));
    return;
  }
  for (std::size_t i = 1; i + 1 < pk.size(); ++i) {
    const double s = std::sin(pk[i].w), k = std::cos(pk[i].w), x = pk[i].x, y = pk[i].y;
    c.Polygon({v.Pixel(x - s * l + k * w, y + k * l + s * w), v.Pixel(x + s * l + k * w, y - k * l + s * w),
               v.Pixel(x + s * l - k * w, y - k * l - s * w), v.Pixel(x - s * l - k * w, y + k * l - s * w)});
  }
}

void Mittelband(const Anlage& a, const TBogen& b, Canvas& c, const TAnsicht& v) {
  const double h = 5.0 / a.StdMmProPixel;
  const std::int32_t f = Segmentfarbe(b);
  c.SetStift({f, false});
  c.SetPinsel({f, false});
  const auto& pk = b.Spurpunkte;
  if (Pixelfein(b, v)) {
    const auto u = Pixelschritte(pk, 0, pk.size(), v);
    std::vector<PixelPunkt> band = Kante(u, h, v);
    const std::vector<PixelPunkt> rechts = Kante(u, -h, v);
    band.insert(band.end(), rechts.rbegin(), rechts.rend());
    c.Polygon(band);
    c.SetPinsel({f, true});
    return;
  }
  for (std::size_t i = 0; i + 1 < pk.size(); ++i) {
    const auto& p = pk[i];
    const auto& q = pk[i + 1];
    c.Polygon({v.Pixel(Quer(p.x, p.y, p.w, h)), v.Pixel(Quer(q.x, q.y, q.w, h)), v.Pixel(Quer(q.x, q.y, q.w, -h)),
               v.Pixel(Quer(p.x, p.y, p.w, -h))});
  }
  c.SetPinsel({f, true});
}

void Mittellinie(const TBogen& b, Canvas& c, const TAnsicht& v) {
  c.SetStift({farbe::Cyan, false});
  const auto& pk = b.Spurpunkte;
  if (Pixelfein(b, v)) {
    c.Polylinie(Kante(Pixelschritte(pk, 0, pk.size(), v), 0, v));
    return;
  }
  for (std::size_t i = 0; i + 1 < pk.size(); ++i) c.Linie(v.Pixel(pk[i].x, pk[i].y), v.Pixel(pk[i + 1].x, pk[i + 1].y));
}

void Kreis(Canvas& c, PixelPunkt m, std::int32_t r) { c.Ellipse(m.x - r, m.y - r, m.x + r, m.y + r); }

void Abstandspunkte(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const std::int32_t f = Segmentfarbe(b);
  c.SetStift({f, false});
  c.SetPinsel({f, false});
  for (const auto& p : b.DistPunkte) Kreis(c, v.Pixel(p.x, p.y), 2);
  c.SetPinsel({f, true});
}

void Anfangsmarke(const TGleis& g, Canvas& c, const TAnsicht& v) {
  const double w = g.WAnf(), x = g.XAnf, y = g.YAnf;
  if (g.AnfP.size() < 4) return;
  const std::int32_t stift = g.Markiert ? farbe::Rot : g.Farbe;
  c.SetPinsel({g.DSGleis ? farbe::Violett : farbe::Cyan, false});
  c.SetStift({stift, false});
  c.Polygon({v.Pixel(g.AnfP[0]), v.Pixel(g.AnfP[1]), v.Pixel(g.AnfP[2]), v.Pixel(g.AnfP[3])});
  const double b = g.TrBrt() / 2;
  c.Linie(v.Pixel(Quer(x, y, w, b)), v.Pixel(Quer(x, y, w, -b)));
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Weiss, true});
}

void Endmarke(const TGleis& g, Canvas& c, const TAnsicht& v) {
  const double w = std::max({g.Spur(), g.SwLen(), g.TrBrt()}) / 2;
  const double xe = g.XEnde(), ye = g.YEnde(), te = g.WEnde();
  if (!v.Sichtbar(xe - w, ye - w, xe + w, ye + w)) return;
  c.SetStift({g.Markiert ? farbe::Rot : g.Farbe, false});
  c.Linie(v.Pixel(Quer(xe, ye, te, w)), v.Pixel(Quer(xe, ye, te, -w)));
}

}  // namespace

void BogenZeichnen(const Anlage& a, const TBogen& b, Canvas& c, const TAnsicht& v) {
  const TGleis* g = b.Gleis;
  const bool gewoehnlich = g && g->IstGewoehnlich();
  if (!BogenSichtbar(b, v)) return;
  if (gewoehnlich && a.TrasseZeichnen) {
    TrassenKante(b, 1, c, v);
    TrassenKante(b, -1, c, v);
  }
  switch (a.Option(5)) {
    case '1':
      Schienen(b, c, v);
      break;
    case '2':
      Mittelband(a, b, c, v);
      break;
    default:
      // Where sleepers narrower than a pixel are drawn as their band, the band's white fill
      // covers the rails between its edges: they are left out.
      if (!(gewoehnlich && SchwellenAlsBand(b, v) && b.Spur() < b.SwLen())) Schienen(b, c, v);
      if (gewoehnlich) Schwellen(b, c, v);
      break;
  }
  if (b.DistAnf || b.DistEnde) Abstandspunkte(b, c, v);
  if (!b.Starr) Mittellinie(b, c, v);
}

namespace {

/// In the overview an ordinary track whose segments all show their sleepers as a band, in one
/// colour and with nothing else on them, is drawn as one band from its first sleeper to its
/// last: the same picture as a band per segment, with a fraction of the calls.
bool AlsEinBand(const Anlage& a, const TGleis& g, const TAnsicht& v) {
  if (!g.IstGewoehnlich() || a.TrasseZeichnen || a.Option(5) == '1' || a.Option(5) == '2') return false;
  const std::int32_t f = Segmentfarbe(*g.Boegen.front());
  for (const auto& b : g.Boegen)
    if (b->Spurpunkte.size() < 3 || !SchwellenAlsBand(*b, v) || !(b->Spur() < b->SwLen()) || b->DistAnf ||
        b->DistEnde || !b->Starr || Segmentfarbe(*b) != f || b->SwLen() != g.Boegen.front()->SwLen())
      return false;
  return true;
}

void Band(const TGleis& g, Canvas& c, const TAnsicht& v) {
  const TBogen& erster = *g.Boegen.front();
  double xmin = erster.Huelle.xmin, ymin = erster.Huelle.ymin, xmax = erster.Huelle.xmax, ymax = erster.Huelle.ymax;
  for (const auto& b : g.Boegen) {
    xmin = std::min(xmin, b->Huelle.xmin);
    ymin = std::min(ymin, b->Huelle.ymin);
    xmax = std::max(xmax, b->Huelle.xmax);
    ymax = std::max(ymax, b->Huelle.ymax);
  }
  const double rand = std::max(Breiteste(erster), erster.GlsAbst()) + 2.0;
  if (!v.Sichtbar(xmin - rand, ymin - rand, xmax + rand, ymax + rand)) return;
  std::vector<Uebersichtspunkt> u;
  for (const auto& b : g.Boegen) {
    const auto teil = Pixelschritte(b->Spurpunkte, 1, b->Spurpunkte.size() - 1, v);
    u.insert(u.end(), teil.begin(), teil.end());
  }
  const double l = erster.SwLen() / 2;

  c.SetStift({Segmentfarbe(erster), false});
  c.Polylinie(Kante(u, l, v));
  c.Polylinie(Kante(u, -l, v));
}

}  // namespace

void GleisZeichnen(const Anlage& a, const TGleis& g, Canvas& c, const TAnsicht& v) {
  if (!g.Boegen.empty() && AlsEinBand(a, g, v))
    Band(g, c, v);
  else
    for (auto& b : g.Boegen) BogenZeichnen(a, *b, c, v);
  if (g.Boegen.empty()) return;
  if (g.IstGewoehnlich()) {
    // Drawn after the last segment: the same picture as a marker after every segment.
    const double r = std::max(g.Spur(), g.TrBrt()) + 2;
    if (v.Sichtbar(g.XAnf - r, g.YAnf - r, g.XAnf + r, g.YAnf + r)) Anfangsmarke(g, c, v);
  }
  if (g.IstGewoehnlich() && g.Boegen.back()->Berechnet) Endmarke(g, c, v);
}

void StossMarkeZeichnen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const TGleis* g = b.Gleis;
  const double s = b.Spur();
  const double xe = b.XEnde, ye = b.YEnde, te = b.WEnde;
  if (!v.Sichtbar(xe - 2 * s, ye - 2 * s, xe + 2 * s, ye + 2 * s)) return;
  // A marker of less than two pixels across would be a dot on the rails.
  if (s < 2 * v.MmProPixel()) return;
  const bool letzter = g && !g->Boegen.empty() && g->Boegen.back().get() == &b;
  c.SetStift({farbe::Schwarz, false});
  if (!letzter) {
    c.SetPinsel({farbe::Cyan, false});
    const auto r = static_cast<std::int32_t>(RundenGerade(0.5 * s / v.MmProPixel()));
    Kreis(c, v.Pixel(xe, ye), r);
  } else {
    c.SetPinsel({g->DSGleis ? farbe::Violett : farbe::Cyan, false});
    const auto d = MarkenDreieck(xe, ye, te, s);
    c.Polygon({v.Pixel(d[0]), v.Pixel(d[1]), v.Pixel(d[2])});
  }
  c.SetPinsel({farbe::Weiss, true});
}

void OptiAnfangZeichnen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const double w = std::max({b.Spur(), b.SwLen(), b.TrBrt()}) / 2;
  const double x = b.XAnf(), y = b.YAnf(), t = b.WAnf();
  const TPunkt quer{-std::sin(t) * w, std::cos(t) * w};
  const TPunkt vor{std::cos(t) * 2 * w / 3, std::sin(t) * 2 * w / 3};
  const TPunkt A{x + quer.x, y + quer.y}, B{x - quer.x, y - quer.y}, C{x + vor.x, y + vor.y};
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Cyan, false});
  c.Polygon({v.Pixel(A), v.Pixel(B), v.Pixel(B.x + vor.x, B.y + vor.y), v.Pixel(A.x + vor.x, A.y + vor.y)});
  c.Polygon({v.Pixel(A), v.Pixel(B), v.Pixel(C)});
  c.SetStift({Segmentfarbe(b), false});
  c.SetPinsel({farbe::Weiss, true});
}

void OptiEndeZeichnen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  // The target of the end mark; a segment without one shows the marker at its own end.
  const TOptiEP z = OptiZiel(b);
  const std::array<TPunkt, 3> d = OptiDreieck(b);
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Cyan, false});
  c.Polygon({v.Pixel(d[0]), v.Pixel(d[1]), v.Pixel(d[2])});
  // The line from the tip to the middle of the base.
  c.Linie(v.Pixel(z.OptiX, z.OptiY), v.Pixel(TPunkt{(d[0].x + d[1].x) / 2, (d[0].y + d[1].y) / 2}));
  for (const TPunkt& p : OptiDistPunkte(b)) Kreis(c, v.Pixel(p), 2);
  c.SetStift({Segmentfarbe(b), false});
  c.SetPinsel({farbe::Weiss, true});
}

}  // namespace trm
