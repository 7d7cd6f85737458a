// Converting the track objects of an XTrackCAD layout into track and turnout plans.
#include "core/import/XtcGleise.h"

#include <algorithm>
#include <cmath>

#include "core/import/XtpAnpassung.h"
#include "core/import/XtpWeichen.h"
#include "core/import/XtpWege.h"

namespace trm {

namespace {

constexpr double Grad = Pi / 180.0;
/// How far a curve's end computed from its header may lie from its end line before the radius
/// is taken from the chord instead (mm).
constexpr double KurvenToleranz = 0.002;

XtcLage Hinein(const XtcEnde& e) { return XtcEndlage(e.x, e.y, e.a, true); }
XtcLage Hinaus(const XtcEnde& e) { return XtcEndlage(e.x, e.y, e.a, false); }

std::optional<std::string> Gerade(const XtcObjekt& o, std::size_t index, XtcGleisergebnis& out) {
  const XtcLage a = Hinein(o.enden[0]), b = Hinaus(o.enden[1]);
  const double l = LageAbstand(a, b);
  if (!(l > 1e-9)) return std::string("Gleis ohne Länge");
  out.gleise.push_back({index, {a.x, a.y, std::atan2(b.y - a.y, b.x - a.x)}, {{l, Unendlich, Unendlich}}});
  return std::nullopt;
}

std::optional<std::string> Kurve(const XtcObjekt& o, std::size_t index, const std::string& datei,
                                 XtcGleisergebnis& out) {
  const double cx = o.Zahl(7, datei) * XtcZoll, cy = o.Zahl(8, datei) * XtcZoll;
  const double radius = std::fabs(o.Zahl(10, datei)) * XtcZoll;
  const double windungen = std::floor(std::clamp(o.Zahl(11, datei, false), 0.0, 1000.0));
  if (!(radius > 1e-6)) return std::string("Bogen ohne Radius");
  const XtcLage a = Hinein(o.enden[0]), b = Hinaus(o.enden[1]);
  const bool links = std::cos(a.w) * (cy - a.y) - std::sin(a.w) * (cx - a.x) > 0;
  double dw = Winkeldifferenz(b.w - a.w);
  if (links && dw <= 1e-12) dw += 2 * Pi;
  if (!links && dw >= -1e-12) dw -= 2 * Pi;
  dw += (links ? 2 : -2) * Pi * windungen;
  XtcBogen bogen{radius * std::fabs(dw), links ? radius : -radius, links ? radius : -radius};
  // The header's radius is rounded like the ends; where the ends then lie too far apart the
  // chord between them decides (a helix keeps its radius).
  const double sehne = LageAbstand(a, b), rest = std::fabs(std::remainder(dw, 2 * Pi));
  if (windungen == 0 && LageAbstand(BogenEnde(a, bogen), b) > KurvenToleranz && rest > 1e-6 &&
      std::fabs(rest - Pi) > 1e-9) {
    const double r = sehne / (2 * std::sin(std::fabs(dw) / 2));
    if (std::isfinite(r) && r > 0) bogen = {r * std::fabs(dw), links ? r : -r, links ? r : -r};
  }
  out.gleise.push_back({index, a, {bogen}});
  return std::nullopt;
}

/// Fits one transition curve between the two ends, trying the given start and end curvatures
/// (1/mm) with the signs of either turn.
std::optional<std::string> Uebergang(const XtcObjekt& o, std::size_t index, double k0, double k1, bool sKurve,
                                     XtcGleisergebnis& out) {
  const XtcLage a = Hinein(o.enden[0]), b = Hinaus(o.enden[1]);
  const double dw = Winkeldifferenz(b.w - a.w);
  const double s = dw >= 0 ? 1 : -1;
  std::vector<std::pair<double, double>> versuche;
  if (sKurve) versuche = {{s * k0, -s * k1}, {-s * k0, s * k1}};
  else versuche = {{s * k0, s * k1}, {-s * k0, -s * k1}};
  versuche.push_back({0, 0});
  for (const auto& [v0, v1] : versuche)
    if (auto bogen = UebergangAnpassen(a, b, v0, v1, std::max(LageAbstand(a, b), 1e-3))) {
      out.gleise.push_back({index, a, {*bogen}});
      return std::nullopt;
    }
  return std::string("Übergangsbogen nicht abbildbar");
}

std::optional<std::string> Uebergangsbogen(const XtcObjekt& o, std::size_t index, const std::string& datei,
                                           XtcGleisergebnis& out) {
  const double l0 = std::fabs(o.Zahl(7, datei)), l1 = std::fabs(o.Zahl(8, datei));
  const double rr = std::fabs(o.Zahl(9, datei)), ll = std::fabs(o.Zahl(10, datei));
  const bool flip = o.Zahl(11, datei) != 0, sKurve = o.Zahl(13, datei) != 0;
  // The radius at tangent position l is R·L/l: curvature l/(R·L).
  const double n = rr * ll * XtcZoll;
  const double ka = n > 0 ? l0 / n : 0, kb = n > 0 ? l1 / n : 0;
  return Uebergang(o, index, flip ? kb : ka, flip ? ka : kb, sKurve, out);
}

std::optional<std::string> Cornu(const XtcObjekt& o, std::size_t index, const std::string& datei,
                                 XtcGleisergebnis& out) {
  const double r0 = std::fabs(o.Zahl(10, datei)) * XtcZoll, r1 = std::fabs(o.Zahl(16, datei)) * XtcZoll;
  const double k0 = r0 > 1e-9 ? 1 / r0 : 0, k1 = r1 > 1e-9 ? 1 / r1 : 0;
  // Each end's turn from the side its centre lies on.
  const XtcLage a = Hinein(o.enden[0]), b = Hinaus(o.enden[1]);
  const double c0x = o.Zahl(11, datei) * XtcZoll, c0y = o.Zahl(12, datei) * XtcZoll;
  const double c1x = o.Zahl(17, datei) * XtcZoll, c1y = o.Zahl(18, datei) * XtcZoll;
  const double s0 = std::cos(a.w) * (c0y - a.y) - std::sin(a.w) * (c0x - a.x) >= 0 ? 1 : -1;
  const double s1 = std::cos(b.w) * (c1y - b.y) - std::sin(b.w) * (c1x - b.x) >= 0 ? 1 : -1;
  if (auto bogen = UebergangAnpassen(a, b, s0 * k0, s1 * k1, std::max(LageAbstand(a, b), 1e-3))) {
    out.gleise.push_back({index, a, {*bogen}});
    return std::nullopt;
  }
  return Uebergang(o, index, k0, k1, s0 != s1, out);
}

std::optional<std::string> BezierGleis(const XtcObjekt& o, std::size_t index, const std::string& datei,
                                       XtcGleisergebnis& out) {
  std::array<TPunkt, 4> p;
  for (std::size_t k = 0; k < 4; ++k) p[k] = {o.Zahl(7 + 2 * k, datei) * XtcZoll, o.Zahl(8 + 2 * k, datei) * XtcZoll};
  // The curve runs from end 0; a file may list the ends the other way round.
  const XtcLage e0 = Hinein(o.enden[0]);
  if (std::hypot(p[0].x - e0.x, p[0].y - e0.y) > std::hypot(p[3].x - e0.x, p[3].y - e0.y)) std::reverse(p.begin(), p.end());
  auto boegen = BezierAlsUebergaenge(p, 0.05);
  if (!boegen || boegen->empty()) return std::string("Bezier-Gleis nicht abbildbar");
  const double w = std::atan2(p[1].y - p[0].y, p[1].x - p[0].x);
  XtcLage anfang{p[0].x, p[0].y, std::hypot(p[1].x - p[0].x, p[1].y - p[0].y) > 1e-9 ? w : std::atan2(p[2].y - p[0].y, p[2].x - p[0].x)};
  out.gleise.push_back({index, anfang, *boegen});
  return std::nullopt;
}

/// The end of o nearest to place p (pointing out when `hinaus`), none beyond 0.05 in.
std::optional<XtcLage> NaechstesEnde(const XtcObjekt& o, const XtcLage& p, bool hinaus) {
  std::optional<XtcLage> best;
  double abstand = 0.05 * XtcZoll;
  for (const XtcEnde& e : o.enden) {
    const XtcLage l = XtcEndlage(e.x, e.y, e.a, !hinaus);
    if (LageAbstand(l, p) <= abstand && RichtungsAbstand(l, p) < 0.01) {
      abstand = LageAbstand(l, p);
      best = l;
    }
  }
  return best;
}

/// A path's track starts on its object's end line and its last segment is fitted to end on
/// the end line there: the segments of a turnout are rounded more coarsely than its ends.
void AnEndenAusrichten(const XtcObjekt& o, XtcGleisplan& g) {
  if (g.boegen.empty()) return;
  if (auto a = NaechstesEnde(o, g.anfang, false)) g.anfang = *a;
  XtcLage vorLetztem = g.anfang;
  for (std::size_t k = 0; k + 1 < g.boegen.size(); ++k) vorLetztem = BogenEnde(vorLetztem, g.boegen[k]);
  XtcBogen& letzter = g.boegen.back();
  const XtcLage ende = BogenEnde(vorLetztem, letzter);
  const auto ziel = NaechstesEnde(o, ende, true);
  if (!ziel || (LageAbstand(ende, *ziel) < 1e-4 && RichtungsAbstand(ende, *ziel) < 1e-7)) return;
  const double k = std::isinf(letzter.r0) ? 0.0 : 1.0 / letzter.r0;
  if (auto b = UebergangAnpassen(vorLetztem, *ziel, k, k, letzter.laenge)) letzter = *b;
}

std::optional<std::string> Weiche(const XtcObjekt& o, std::size_t index, const std::string& datei, double maxSw,
                                  XtcGleisergebnis& out) {
  // Older files have no height word before the angle.
  const bool mitHoehe = o.werte.size() >= 12;
  const double ox = o.Zahl(7, datei), oy = o.Zahl(8, datei), winkel = o.Zahl(mitHoehe ? 10 : 9, datei);
  const double a = winkel * Grad;
  // The object's frame turned clockwise by its angle about its origin.
  XtpTyp t = o.teile;
  t.enden.clear();
  for (const XtcEnde& e : o.enden) {
    const double dx = e.x - ox, dy = e.y - oy;
    t.enden.push_back({dx * std::cos(a) - dy * std::sin(a), dx * std::sin(a) + dy * std::cos(a), e.a - winkel, e.zeile});
  }
  const auto form = XtpWeichenformBestimmen(t);
  if (const auto* f = std::get_if<XtpWeichenform>(&form)) {
    std::string name = XtpName(o.werte.size() > (mitHoehe ? 11u : 10u) ? o.werte[mitHoehe ? 11 : 10] : std::string());
    if (name.empty()) name = "Weiche";
    if (auto satz = XtpWeichentyp(*f, name, maxSw)) {
      out.weichen.push_back({index, std::move(*satz), Hinein(o.enden[f->weiche]), f->weiche});
      return std::nullopt;
    }
  }
  std::vector<std::string> gruende;
  const auto routen = XtpRouten(t, gruende);
  std::vector<XtcGleisplan> wege;
  for (const XtpRoute& r : routen) {
    XtcGleisplan g{index, {(ox + r.x * std::cos(a) + r.y * std::sin(a)) * XtcZoll,
                           (oy - r.x * std::sin(a) + r.y * std::cos(a)) * XtcZoll, r.w - a}, {}};
    for (const XtpStueck& s : r.stuecke) g.boegen.push_back({s.laenge, s.radius, s.Ende()});
    wege.push_back(std::move(g));
  }
  if (routen.empty()) return gruende.empty() ? std::string("Weiche ohne Gleisweg") : gruende.front();
  if (auto k = XtcKreuzungBestimmen(o, index, wege)) {
    out.kreuzungen.push_back(*k);
    return std::nullopt;
  }
  for (XtcGleisplan& g : wege) {
    AnEndenAusrichten(o, g);
    out.gleise.push_back(std::move(g));
  }
  ++out.weichenAlsGleise;
  return std::nullopt;
}

}  // namespace

bool XtcGleisart(const std::string& art) {
  return art == "STRAIGHT" || art == "CURVE" || art == "JOINT" || art == "CORNU" || art == "BEZIER" ||
         art == "BZRTRK" || art == "TURNOUT";
}

std::optional<std::string> XtcObjektUmwandeln(const XtcObjekt& o, std::size_t objekt, const std::string& datei,
                                              double maxSwLaenge, XtcGleisergebnis& out) {
  if (o.art == "TURNOUT") {
    if (o.enden.empty()) return std::string("Weiche ohne Enden");
    return Weiche(o, objekt, datei, maxSwLaenge, out);
  }
  if (o.enden.size() != 2) return std::string("Gleis ohne zwei Enden");
  if (o.art == "STRAIGHT") return Gerade(o, objekt, out);
  if (o.art == "CURVE") return Kurve(o, objekt, datei, out);
  if (o.art == "JOINT") return Uebergangsbogen(o, objekt, datei, out);
  if (o.art == "CORNU") return Cornu(o, objekt, datei, out);
  return BezierGleis(o, objekt, datei, out);
}

XtcGleisplan Umgekehrt(const XtcGleisplan& g, const XtcLage& ende) {
  XtcGleisplan u{g.objekt, {ende.x, ende.y, ende.w + Pi}, {}, g.umkehrbar};
  for (auto it = g.boegen.rbegin(); it != g.boegen.rend(); ++it) u.boegen.push_back({it->laenge, -it->r1, -it->r0});
  return u;
}

}  // namespace trm
