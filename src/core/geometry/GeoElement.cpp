// A drawing element of a background component: its record, colours and drawing.
#include "core/geometry/GeoElement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/model/Fehler.h"
#include "core/model/Geometrie.h"
#include "core/model/Listen.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

struct Farbname {
  const char* name;
  std::int32_t wert;
};
constexpr std::array<Farbname, 20> kFarbnamen{{{"clBlack", 0x000000},  {"clMaroon", 0x000080},
                                               {"clGreen", 0x008000},  {"clOlive", 0x008080},
                                               {"clNavy", 0x800000},   {"clPurple", 0x800080},
                                               {"clTeal", 0x808000},   {"clGray", 0x808080},
                                               {"clSilver", 0xC0C0C0}, {"clMedGray", 0xA4A0A0},
                                               {"clRed", 0x0000FF},    {"clLime", 0x00FF00},
                                               {"clYellow", 0x00FFFF}, {"clBlue", 0xFF0000},
                                               {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
                                               {"clWhite", 0xFFFFFF},  {"clMoneyGreen", 0xC0DCC0},
                                               {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}}};

/// Points of a cubic Bezier curve through its four control points, as a polyline.
std::vector<PixelPunkt> BezierPunkte(const std::array<PixelPunkt, 4>& p) {
  std::vector<PixelPunkt> r;
  constexpr int n = 32;
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    r.push_back({static_cast<std::int32_t>(std::lround(a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x)),
                 static_cast<std::int32_t>(std::lround(a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y))});
  }
  return r;
}

}  // namespace

std::string FarbText(std::int32_t farbe) {
  for (const Farbname& f : kFarbnamen)
    if (f.wert == farbe) return f.name;
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "$%08X", static_cast<unsigned>(farbe));
  return puffer;
}

std::int32_t FarbeAusText(std::string_view text) {
  for (const Farbname& f : kFarbnamen)
    if (text == f.name) return f.wert;
  // Hexadecimal up to 8 digits; decimal with a sign, from the least 32-bit integer up to the
  // largest unsigned one (system colours are negative).
  std::int64_t wert = 0;
  const bool hex = !text.empty() && text[0] == '$';
  const char* anfang = text.data() + (hex ? 1 : 0);
  const char* ende = text.data() + text.size();
  const auto [p, ec] = std::from_chars(anfang, ende, wert, hex ? 16 : 10);
  if (anfang == ende || ec != std::errc{} || p != ende || wert < INT32_MIN || wert > UINT32_MAX ||
      (hex && wert < 0))
    throw LeseFehler("'" + Zitat(text) + "' ist keine gültige Farbe");
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(wert));
}

std::string PunktText(const TGeopunkt& p) {
  return RealText(p.x) + "#" + RealText(p.y) + "#" + RealText(p.c) + "#" + RealText(p.d) + "#";
}

TGeopunkt PunktAusText(std::string_view text, bool dezimalpunkt) {
  const std::vector<std::string> teile = ListeTeilen(text);
  if (teile.size() < 4) throw LeseFehler("'" + Zitat(text) + "' ist kein Punkt (vier Zahlen mit #)");
  auto zahl = [dezimalpunkt](const std::string& t) { return dezimalpunkt ? TextRealPunktOderKomma(t) : TextReal(t); };
  return {zahl(teile[0]), zahl(teile[1]), zahl(teile[2]), zahl(teile[3])};
}

double Richtungswinkel(double cx, double cy, double mx, double my) {
  const double dx = mx - cx, dy = my - cy;
  if (dx > 0) return std::atan(dy / dx);
  if (dx < 0) return std::atan(dy / dx) + Pi;
  return dy > 0 ? Pi / 2 : dy < 0 ? -Pi / 2 : 0.0;
}

void TGeoElement::Verschieben(const TGeopunkte& start, double dx, double dy) {
  for (std::size_t i = 0; i < Punkte.size() && i < start.size(); ++i) {
    Punkte[i].x = start[i].x + dx;
    Punkte[i].y = start[i].y + dy;
  }
}

void TGeoElement::PunktVerschieben(const TGeopunkte& start, std::size_t i, double dx, double dy) {
  if (i >= Punkte.size() || i >= start.size()) return;
  Punkte[i].x = start[i].x + dx;
  Punkte[i].y = start[i].y + dy;
}

void TGeoElement::DrehenZu(const TGeopunkte& start, double mx, double my, double cx, double cy) {
  const double w = Richtungswinkel(cx, cy, mx, my);
  for (std::size_t i = 0; i < Punkte.size() && i < start.size(); ++i) {
    const TPunkt p = PunktDrehen(start[i].x, start[i].y, w, cx, cy);
    Punkte[i].x = p.x;
    Punkte[i].y = p.y;
  }
}

void TGeoElement::Drehen(double w, double cx, double cy) {
  for (TGeopunkt& q : Punkte) {
    const TPunkt p = PunktDrehen(q.x, q.y, w, cx, cy);
    q.x = p.x;
    q.y = p.y;
  }
}

double TGeoElement::Radius() const {
  if (Punkte.size() < 2) return 0;
  return std::hypot(Punkte[1].x - Punkte[0].x, Punkte[1].y - Punkte[0].y);
}

std::size_t TGeoElement::MindestPunkte() const {
  switch (Art) {
    case GeoPolygon: return 3;
    case GeoBezier: return 4;
    default: return 2;
  }
}

bool TGeoElement::Vollstaendig() const {
  if (Art == GeoBezier) return Punkte.size() == 4;
  if (Art == GeoKreis) return Punkte.size() == 2;
  return Punkte.size() >= MindestPunkte();
}

void TGeoElement::Lesen(Zeilenleser& l, bool dezimalpunkt) {
  const std::string art = l.Text();
  Art = art == "PG" ? GeoPolygon : art == "Bezier" ? GeoBezier : art == "Kreis" ? GeoKreis : GeoPolylinie;
  Stiftfarbe = ListenZeile(l, [](const std::string& t) { return FarbeAusText(t); });
  Fuellfarbe = ListenZeile(l, [](const std::string& t) { return FarbeAusText(t); });
  Stiftbreite = dezimalpunkt ? ListenZeile(l, [](const std::string& t) { return TextRealPunktOderKomma(t); })
                            : l.Real();
  Punkte.clear();
  for (;;) {
    if (l.Uebrig() == 0) throw LeseFehler("Zeile " + std::to_string(l.Index() + 1) + ": Das Element endet ohne \"end\".");
    const std::string zeile = l.Text();
    if (zeile == "end") break;
    const std::size_t nummer = l.Index();
    try {
      Punkte.push_back(PunktAusText(zeile, dezimalpunkt));
    } catch (const LeseFehler& e) {
      throw LeseFehler("Zeile " + std::to_string(nummer) + ": " + e.what());
    }
  }
  // An element with fewer points than its kind draws is kept as it is (the editor's tool
  // appends empty ones); drawing leaves out what it cannot draw.
  Fertig = true;
}

void TGeoElement::Schreiben(Zeilen& out) const {
  static const char* arten[] = {"PL", "PG", "Bezier", "Kreis"};
  out.push_back(arten[Art >= 0 && Art <= 3 ? Art : 0]);
  out.push_back(FarbText(Stiftfarbe));
  out.push_back(FarbText(Fuellfarbe));
  out.push_back(RealText(Stiftbreite));
  for (const TGeopunkt& p : Punkte) out.push_back(PunktText(p));
  out.push_back("end");
}

void TGeoElement::Zeichnen(Canvas& c, const std::function<PixelPunkt(double, double)>& pixel, double s,
                           bool marken) const {
  // A wild width from a file is held to what a screen can show.
  const double b = std::clamp(Stiftbreite / s, 1.0, 1000.0);
  const std::int32_t breite = std::isfinite(b) ? static_cast<std::int32_t>(std::lround(b)) : 1;
  const std::int32_t farbe = Gewaehlt ? 0x0000FF : Stiftfarbe;
  std::vector<PixelPunkt> p;
  p.reserve(Punkte.size());
  for (const TGeopunkt& q : Punkte) p.push_back(pixel(q.x, q.y));
  c.SetStift({farbe, false, breite});
  c.SetPinsel({Fuellfarbe, false});
  switch (Art) {
    case GeoPolygon:
      if (p.size() >= 2) c.Polygon(p);
      break;
    case GeoBezier:
      if (p.size() == 4) c.Polylinie(BezierPunkte({p[0], p[1], p[2], p[3]}));
      break;
    case GeoKreis:
      if (p.size() >= 2) {
        const double rr = std::clamp(Radius() / s, 0.0, 1e7);
        const auto r = std::isfinite(rr) ? static_cast<std::int32_t>(std::lround(rr)) : 0;
        c.Ellipse(p[0].x - r, p[0].y - r, p[0].x + r, p[0].y + r);
      }
      break;
    default:
      if (p.size() >= 2) c.Polylinie(p);
      break;
  }
  c.SetPinsel({0xFFFFFF, true});
  if (!marken) {
    c.SetStift({0, false});
    return;
  }
  for (std::size_t i = 0; i < p.size(); ++i) {
    c.SetStift({Gewaehlt && static_cast<int>(i) == AktPunkt ? 0x0000FF : 0xFF0000, false});
    c.Ellipse(p[i].x - 2, p[i].y - 2, p[i].x + 2, p[i].y + 2);
  }
  c.SetStift({0, false});
}

}  // namespace trm
