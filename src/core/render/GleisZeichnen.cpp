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

}  // namespace

void TrassenKante(const TBogen& b, int seite, Canvas& c, const TAnsicht& v) {
  const double h = b.TrBrt() / 2 * seite;
  const std::int32_t f = Segmentfarbe(b);
  for (const auto& p : b.Spurpunkte) c.Pixel(v.Pixel(Quer(p.x, p.y, p.w, h)), f);
}

namespace {

void Schienen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const double h = b.Spur() / 2;
  c.SetStift({Segmentfarbe(b), false});
  const auto& pk = b.Spurpunkte;
  for (std::size_t i = 0; i + 1 < pk.size(); ++i) {
    c.Linie(v.Pixel(Quer(pk[i].x, pk[i].y, pk[i].w, -h)), v.Pixel(Quer(pk[i + 1].x, pk[i + 1].y, pk[i + 1].w, -h)));
    c.Linie(v.Pixel(Quer(pk[i].x, pk[i].y, pk[i].w, h)), v.Pixel(Quer(pk[i + 1].x, pk[i + 1].y, pk[i + 1].w, h)));
  }
}

void Schwellen(const TBogen& b, Canvas& c, const TAnsicht& v) {
  const double l = b.SwLen() / 2, w = b.SwBrt() / 2;
  c.SetPinsel({farbe::Weiss, true});
  const auto& pk = b.Spurpunkte;
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
      Schienen(b, c, v);
      if (gewoehnlich) Schwellen(b, c, v);
      break;
  }
  if (b.DistAnf || b.DistEnde) Abstandspunkte(b, c, v);
  if (!b.Starr) Mittellinie(b, c, v);
}

void GleisZeichnen(const Anlage& a, const TGleis& g, Canvas& c, const TAnsicht& v) {
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
