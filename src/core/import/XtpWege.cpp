// Routes of a TURNOUT block: each path's segments oriented so that one continues where the last
// ended, the routes compared at their ends, and the file's end points put into the turnout's
// frame.
#include "core/import/XtpWege.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>

#include "core/import/XtcGeometrie.h"
#include "core/model/Geometrie.h"

namespace trm {

namespace {

constexpr double Zoll = 25.4;
constexpr double Grad = Pi / 180.0;
/// Largest gap (inches) between two segments of a route, and between a route end and an E line.
constexpr double LageToleranz = 0.01;
/// Largest change of direction (radians) where two segments of a route meet.
constexpr double RichtungToleranz = 1e-3;

/// A segment run in one direction, in inches; directions counter-clockwise from east.
struct Lauf {
  TPunkt anfang, ende;
  double wAnf = 0, wEnde = 0;
  XtpStueck stueck;  // already in millimetres
};

/// An end of a transition segment (0 or 1): its place (inches) and the direction pointing out
/// (degrees clockwise from north). The spiral runs from its origin along its base direction,
/// turning right (left with option 1) by asin(l²/(2RL)) at tangent position l, where it lies
/// l³/(6RL) to the side; an S-curve's second half is the first turned by 180°.
std::array<double, 3> SpiralenEnde(const XtpAbschnitt& s, int ende) {
  const bool links = s.optionen & 1, getauscht = s.optionen & 2, sKurve = s.optionen & 4;
  if (getauscht) ende = 1 - ende;
  const double l = ende == 0 ? s.l0 : s.l1;
  const double a = (s.a0 + (sKurve && ende == 1 ? 180.0 : 0.0)) * Grad;
  const double quer = (links ? -1 : 1) * l * l * l / (6 * s.rr * s.ll);
  const double dreh = std::asin(l * l / (2 * s.rr * s.ll)) / Grad;
  double w = s.a0 + (sKurve && ende == 1 ? 180.0 : 0.0) + (links ? -dreh : dreh);
  if (!sKurve && ende == 0) w += 180;
  return {s.x1 + quer * std::cos(a) + l * std::sin(a), s.y1 - quer * std::sin(a) + l * std::cos(a), w};
}

/// A transition segment run from its end 0 to its end 1 and back, each as one transition curve
/// fitted between the ends; none when the values make no spiral or the fit fails.
std::optional<std::pair<Lauf, Lauf>> Spiralenlaeufe(const XtpAbschnitt& s) {
  const double rl = s.rr * s.ll;
  if (!(rl > 0) || std::max(s.l0 * s.l0, s.l1 * s.l1) > 2 * rl) return std::nullopt;
  const auto e0 = SpiralenEnde(s, 0), e1 = SpiralenEnde(s, 1);
  if (!std::isfinite(e0[0] + e0[1] + e0[2] + e1[0] + e1[1] + e1[2])) return std::nullopt;
  const XtcLage a = XtcEndlage(e0[0], e0[1], e0[2], true), b = XtcEndlage(e1[0], e1[1], e1[2], false);
  // Curvature l/(RL) at tangent position l, in 1/mm; the sign is the turn's.
  const double k0 = std::fabs(s.l0) / (rl * Zoll), k1 = std::fabs(s.l1) / (rl * Zoll);
  const double dw = Winkeldifferenz(b.w - a.w), vz = dw >= 0 ? 1 : -1;
  const bool sKurve = s.optionen & 4, getauscht = s.optionen & 2;
  const double ka = getauscht ? k1 : k0, kb = getauscht ? k0 : k1;
  const double laenge = std::max((sKurve ? std::fabs(s.l0) + std::fabs(s.l1) : std::fabs(s.l1 - s.l0)) * Zoll, 1e-3);
  const std::pair<double, double> versuche[] = {{vz * ka, vz * kb}, {-vz * ka, vz * kb}, {vz * ka, -vz * kb}, {0, 0}};
  for (const auto& [v0, v1] : versuche)
    if (auto bogen = UebergangAnpassen(a, b, v0, v1, laenge)) {
      const XtpStueck hin{bogen->laenge, bogen->r0, true, bogen->r1};
      const XtpStueck zurueck{bogen->laenge, -bogen->r1, true, -bogen->r0};
      const TPunkt p{e0[0], e0[1]}, q{e1[0], e1[1]};
      return std::pair{Lauf{p, q, a.w, b.w, hin}, Lauf{q, p, b.w + Pi, a.w + Pi, zurueck}};
    }
  return std::nullopt;
}

/// Both directions of a straight, a curve or a transition segment; none for a segment of
/// another kind or of no length.
std::optional<std::pair<Lauf, Lauf>> Laeufe(const XtpAbschnitt& s) {
  if (s.art == XtpAbschnitt::Art::Uebergang) return Spiralenlaeufe(s);
  if (s.art == XtpAbschnitt::Art::Gerade) {
    const double l = Abstand(s.x1, s.y1, s.x2, s.y2);
    if (!(l > 0) || !std::isfinite(l)) return std::nullopt;
    const double w = std::atan2(s.y2 - s.y1, s.x2 - s.x1);
    const XtpStueck st{l * Zoll, Unendlich};
    return std::pair{Lauf{{s.x1, s.y1}, {s.x2, s.y2}, w, w, st}, Lauf{{s.x2, s.y2}, {s.x1, s.y1}, w + Pi, w + Pi, st}};
  }
  if (s.art != XtpAbschnitt::Art::Bogen) return std::nullopt;
  // Angles on the circle run clockwise from north: the point at α is centre + r·(sin α, cos α).
  const double r = std::fabs(s.r), a = s.a0 * Grad, b = (s.a0 + s.a1) * Grad;
  const double l = r * std::fabs(s.a1) * Grad;
  if (!(l > 0) || !std::isfinite(l) || !std::isfinite(b)) return std::nullopt;
  const TPunkt pa{s.cx + r * std::sin(a), s.cy + r * std::cos(a)};
  const TPunkt pb{s.cx + r * std::sin(b), s.cy + r * std::cos(b)};
  // Run from angle von to bis: clockwise (a right turn) when bis > von.
  auto lauf = [&](TPunkt p, TPunkt q, double von, double bis) {
    const bool rechts = bis > von;
    const double dreh = rechts ? -Pi / 2 : Pi / 2;
    // The radius direction at α is (sin α, cos α), counter-clockwise angle π/2 - α.
    return Lauf{p, q, Pi / 2 - von + dreh, Pi / 2 - bis + dreh, {l * Zoll, (rechts ? -r : r) * Zoll}};
  };
  return std::pair{lauf(pa, pb, a, b), lauf(pb, pa, b, a)};
}

/// A route: pieces with its start and end.
struct Route {
  std::vector<XtpStueck> stuecke;
  TPunkt anfang, ende;
  double wAnf = 0, wEnde = 0;

  void Umkehren() {
    std::reverse(stuecke.begin(), stuecke.end());
    for (XtpStueck& s : stuecke) {
      if (s.uebergang) std::swap(s.radius, s.endRadius);
      s.radius = -s.radius;
      s.endRadius = -s.endRadius;
    }
    std::swap(anfang, ende);
    const double w = wAnf;
    wAnf = wEnde + Pi;
    wEnde = w + Pi;
  }
  /// Sum of the turned angles (radians, left positive).
  double Drehung() const {
    double d = 0;
    for (const XtpStueck& s : stuecke)
      if (s.uebergang) d += s.laenge * (1 / s.radius + 1 / s.endRadius) / 2;
      else if (!s.Gerade()) d += s.laenge / s.radius;
    return d;
  }
  bool Gerade() const {
    return std::all_of(stuecke.begin(), stuecke.end(), [](const XtpStueck& s) { return s.Gerade(); });
  }
};

double Abst(TPunkt a, TPunkt b) { return Abstand(a.x, a.y, b.x, b.y); }

/// Appends a piece, merging it with the last one of the same kind.
void Anfuegen(std::vector<XtpStueck>& v, const XtpStueck& s) {
  if (!v.empty() && !s.uebergang && !v.back().uebergang) {
    XtpStueck& l = v.back();
    if ((l.Gerade() && s.Gerade()) ||
        (!l.Gerade() && !s.Gerade() && std::fabs(l.radius - s.radius) <= 1e-4)) {
      l.laenge += s.laenge;
      return;
    }
  }
  v.push_back(s);
}

/// The route of segment numbers `nummern`, or the reason why they make none.
std::variant<Route, std::string> RouteBilden(const XtpTyp& t, const std::vector<long>& nummern) {
  std::vector<std::pair<Lauf, Lauf>> laeufe;
  for (long n : nummern) {
    const std::size_t k = static_cast<std::size_t>(n < 0 ? -n : n) - 1;
    auto l = Laeufe(t.abschnitte[k]);
    if (!l) {
      if (t.abschnitte[k].art == XtpAbschnitt::Art::Sonstiges) return std::string("Weg über einen Abschnitt anderer Art");
      if (t.abschnitte[k].art == XtpAbschnitt::Art::Uebergang) return std::string("Übergangsbogen nicht abbildbar");
      continue;  // a segment of no length
    }
    laeufe.push_back(*l);
  }
  if (laeufe.empty()) return std::string("Weg ohne Länge");
  Route r;
  // The first segment runs towards the second (either end of it).
  bool vor = true;
  if (laeufe.size() > 1) {
    const auto& [a, b] = laeufe[1];
    const auto& [v, z] = laeufe[0];
    vor = std::min(Abst(v.ende, a.anfang), Abst(v.ende, b.anfang)) <=
          std::min(Abst(z.ende, a.anfang), Abst(z.ende, b.anfang));
  }
  const Lauf& erster = vor ? laeufe[0].first : laeufe[0].second;
  r.anfang = erster.anfang;
  r.wAnf = erster.wAnf;
  r.ende = erster.ende;
  r.wEnde = erster.wEnde;
  r.stuecke.push_back(erster.stueck);
  for (std::size_t i = 1; i < laeufe.size(); ++i) {
    const auto& [a, b] = laeufe[i];
    const Lauf& l = Abst(r.ende, a.anfang) <= Abst(r.ende, b.anfang) ? a : b;
    if (Abst(r.ende, l.anfang) > LageToleranz) return std::string("Weg nicht zusammenhängend");
    if (std::fabs(Winkeldifferenz(l.wAnf - r.wEnde)) > RichtungToleranz) return std::string("Weg mit Knick");
    Anfuegen(r.stuecke, l.stueck);
    r.ende = l.ende;
    r.wEnde = l.wEnde;
  }
  return r;
}

/// Four ends: three routes from one common end make a three-way turnout; a single slip has
/// three routes too, but no common end.
std::string VierEnden(const XtpTyp& t, const std::vector<std::vector<long>>& listen) {
  const std::string kreuzung = "Kreuzung oder Kreuzungsweiche";
  if (listen.size() != 3) return kreuzung;
  std::vector<Route> r;
  for (const auto& l : listen) {
    auto v = RouteBilden(t, l);
    if (auto* grund = std::get_if<std::string>(&v)) return *grund;
    r.push_back(std::get<Route>(v));
  }
  auto hat = [](const Route& x, TPunkt p) { return Abst(x.anfang, p) <= LageToleranz || Abst(x.ende, p) <= LageToleranz; };
  for (TPunkt p : {r[0].anfang, r[0].ende})
    if (hat(r[1], p) && hat(r[2], p)) return "Dreiwegweiche";
  return kreuzung;
}

/// The E line nearest to p, none when none lies within the tolerance.
const XtpEnde* EndeBei(const XtpTyp& t, TPunkt p) {
  const XtpEnde* best = nullptr;
  for (const XtpEnde& e : t.enden)
    if (Abstand(e.x, e.y, p.x, p.y) <= LageToleranz &&
        (!best || Abstand(e.x, e.y, p.x, p.y) < Abstand(best->x, best->y, p.x, p.y)))
      best = &e;
  return best;
}

/// The files round their points to 1e-6 in and sometimes less finely, so that a route's last
/// straight may end a little short of or beyond its E line: its length is then taken up to the
/// E line's foot on it. A larger difference is left for the fit to refuse.
void Angleichen(std::vector<XtpStueck>& stuecke, const XtpEndlage& e) {
  double x = 0, y = 0, w = 0;
  for (const XtpStueck& s : stuecke) {
    if (s.Gerade()) {
      x += s.laenge * std::cos(w);
      y += s.laenge * std::sin(w);
    } else {
      const double dw = s.laenge / s.radius;
      x += s.radius * (std::sin(w + dw) - std::sin(w));
      y -= s.radius * (std::cos(w + dw) - std::cos(w));
      w += dw;
    }
  }
  XtpStueck& letztes = stuecke.back();
  const double zuschlag = (e.x - x) * std::cos(w) + (e.y - y) * std::sin(w);
  if (letztes.Gerade() && std::fabs(zuschlag) <= LageToleranz * Zoll && letztes.laenge + zuschlag > 0)
    letztes.laenge += zuschlag;
}

/// Outward direction of an E line, counter-clockwise from east.
double Richtung(const XtpEnde& e) { return (90.0 - e.a) * Grad; }

/// The segment lists of the routes of all paths, each set of segments once, at most `hoechstens`.
std::vector<std::vector<long>> Routenlisten(const XtpTyp& t, std::size_t hoechstens) {
  std::vector<std::vector<long>> listen;
  std::set<std::vector<long>> schluessel;
  for (const XtpWeg& w : t.wege) {
    std::vector<long> akt;
    auto abschliessen = [&] {
      if (akt.empty()) return;
      std::vector<long> s;
      for (long n : akt) s.push_back(n < 0 ? -n : n);
      std::sort(s.begin(), s.end());
      if (listen.size() < hoechstens && schluessel.insert(std::move(s)).second) listen.push_back(akt);
      akt.clear();
    };
    for (long n : w.abschnitte)
      if (n == 0) abschliessen();
      else akt.push_back(n);
    abschliessen();
  }
  return listen;
}

}  // namespace

std::vector<XtpRoute> XtpRouten(const XtpTyp& t, std::vector<std::string>& gruende) {
  std::vector<XtpRoute> routen;
  std::set<long> einzeln;  // segments already taken on their own
  auto nehmen = [&](const Route& route) {
    routen.push_back({route.anfang.x, route.anfang.y, route.wAnf, route.stuecke});
  };
  for (const auto& l : Routenlisten(t, t.abschnitte.size() + t.wege.size() + 1)) {
    auto r = RouteBilden(t, l);
    if (const auto* route = std::get_if<Route>(&r)) {
      nehmen(*route);
      continue;
    }
    // A route with a kink or a gap: each of its segments on its own.
    gruende.push_back(std::get<std::string>(r));
    for (long n : l) {
      if (!einzeln.insert(n < 0 ? -n : n).second) continue;
      if (const auto* stueck = std::get_if<Route>(&(r = RouteBilden(t, {n})))) nehmen(*stueck);
    }
  }
  return routen;
}

bool XtpStueck::Gerade() const { return std::isinf(radius) && !uebergang; }

std::variant<XtpWeichenform, std::string> XtpWeichenformBestimmen(const XtpTyp& t) {
  // More than four routes are never needed to tell the kind.
  const std::vector<std::vector<long>> listen = Routenlisten(t, 4);
  if (listen.empty()) return std::string("ohne Gleisweg");
  if (listen.size() == 1 || t.enden.size() < 3) return std::string("Gleisstück (keine Weiche)");
  if (t.enden.size() == 4) return VierEnden(t, listen);
  if (t.enden.size() != 3 || listen.size() != 2) return std::string("andere Form");

  std::vector<Route> routen;
  for (const auto& l : listen) {
    auto r = RouteBilden(t, l);
    if (auto* grund = std::get_if<std::string>(&r)) return *grund;
    routen.push_back(std::get<Route>(r));
    for (const XtpStueck& s : routen.back().stuecke)
      if (s.uebergang) return std::string("Weg mit Übergangsbogen");
  }
  // Both routes start at the switch point.
  Route& a = routen[0];
  Route& b = routen[1];
  bool gefunden = false;
  for (int i = 0; i < 4 && !gefunden; ++i) {
    if (i == 1 || i == 3) a.Umkehren();
    if (i == 2) b.Umkehren();
    gefunden = Abst(a.anfang, b.anfang) <= LageToleranz && Abst(a.ende, b.ende) > LageToleranz;
  }
  if (!gefunden) return std::string("andere Form");

  XtpWeichenform f;
  const Route* stamm = &a;
  const Route* zweig = &b;
  if (a.Gerade() && b.Gerade()) return std::string("andere Form");
  if (b.Gerade()) std::swap(stamm, zweig);
  if (!stamm->Gerade()) {
    const double da = a.Drehung(), db = b.Drehung();
    if (da == 0 || db == 0) return std::string("andere Form");
    if (da * db < 0) return std::string("Y-Weiche");
    f.gebogen = true;
    // The main route turns less; of two turning alike, the longer one.
    const bool aStamm = std::fabs(std::fabs(da) - std::fabs(db)) > 1e-6
                            ? std::fabs(da) < std::fabs(db)
                            : Abst(a.anfang, a.ende) >= Abst(b.anfang, b.ende);
    stamm = aStamm ? &a : &b;
    zweig = aStamm ? &b : &a;
  }

  const XtpEnde* weiche = EndeBei(t, stamm->anfang);
  const XtpEnde* es = EndeBei(t, stamm->ende);
  const XtpEnde* ez = EndeBei(t, zweig->ende);
  if (!weiche || !es || !ez || weiche == es || weiche == ez || es == ez)
    return std::string("Endpunkte passen nicht zu den Wegen");
  // The turnout frame: the switch point's E line at the origin, the track entering along +x.
  const double w0 = Richtung(*weiche) + Pi;
  auto imRahmen = [&](const XtpEnde& e) {
    const double dx = (e.x - weiche->x) * Zoll, dy = (e.y - weiche->y) * Zoll;
    return XtpEndlage{dx * std::cos(w0) + dy * std::sin(w0), -dx * std::sin(w0) + dy * std::cos(w0),
                      Winkeldifferenz(Richtung(e) - w0)};
  };
  f.weiche = static_cast<std::size_t>(weiche - t.enden.data());
  f.stamm = stamm->stuecke;
  f.zweig = zweig->stuecke;
  f.stammEnde = imRahmen(*es);
  f.zweigEnde = imRahmen(*ez);
  Angleichen(f.stamm, f.stammEnde);
  Angleichen(f.zweig, f.zweigEnde);
  return f;
}

}  // namespace trm
