// The plans of the straight and curve tools: snapping, the circle through the mouse, the
// transition curves solved on the layout's own geometry, and the minimum radius.
#include "core/editor/Ziehplanung.h"

#include <array>
#include <cmath>

#include "core/model/Modul.h"

namespace trm {

namespace {

constexpr double Grad = Pi / 180;
/// Within this angle of the end's direction a free straight takes that direction.
constexpr double Endfang = 2 * Grad;

/// The mouse in the start's frame: ahead along its direction and to its left.
struct Ortlich {
  double vor, links;
};

Ortlich Ortlich_(const TLage& s, double x, double y) {
  const double dx = x - s.x, dy = y - s.y;
  const double c = std::cos(s.w), n = std::sin(s.w);
  return {dx * c + dy * n, -dx * n + dy * c};
}

double Negiert(double r) { return std::isinf(r) ? r : -r; }

/// Transition, arc, transition of curvature k and arc length la.
TBahn Uebergangsbahn(const TLage& s, double k, double la, double lt) {
  const double r = 1 / k;
  TBahn b{s, {}};
  b.stuecke.push_back({lt, Unendlich, r});
  if (la > 0) b.stuecke.push_back({la, r, r});
  b.stuecke.push_back({lt, r, Unendlich});
  return b;
}

/// The arc alone: radius and turned angle for the mouse, or none ahead on the line or on the start.
struct Kreis {
  double r, theta;
};

std::optional<Kreis> KreisDurch(const TLage& s, double x, double y, double rMin, bool& begrenzt) {
  const Ortlich o = Ortlich_(s, x, y);
  const double d2 = o.vor * o.vor + o.links * o.links;
  begrenzt = false;
  if (d2 < 1e-12 || std::fabs(o.links) <= 1e-12 * std::sqrt(d2)) return std::nullopt;
  double r = d2 / (2 * o.links);
  double theta = 2 * std::atan2(o.links, o.vor);
  if (std::fabs(r) < rMin) {
    // The circle of the minimum radius: its end where it comes nearest the mouse.
    begrenzt = true;
    r = std::copysign(rMin, o.links);
    const double cx = -std::sin(s.w) * r, cy = std::cos(s.w) * r;  // centre, relative to the start
    const double dx = x - s.x, dy = y - s.y;
    const double aS = std::atan2(-cy, -cx), aP = std::atan2(dy - cy, dx - cx);
    theta = r > 0 ? RichtungNorm(aP - aS) : -RichtungNorm(aS - aP);
    if (std::fabs(theta) < 1e-12) return std::nullopt;
  }
  return Kreis{r, theta};
}

}  // namespace

std::optional<TBahn> GeradePlanen(const TLage& anfang, bool endrichtung, double x, double y, bool strg) {
  const double dx = x - anfang.x, dy = y - anfang.y;
  const double abstand = std::hypot(dx, dy);
  if (abstand < 1e-9) return std::nullopt;
  const double maus = std::atan2(dy, dx);
  double w = maus;
  bool gefangen = false;
  if (strg) {
    w = std::round(maus / (15 * Grad)) * 15 * Grad;
    gefangen = true;
  }
  if (endrichtung) {
    const double zumEnde = std::fabs(Winkeldifferenz(maus - anfang.w));
    if ((strg && zumEnde < std::fabs(Winkeldifferenz(maus - w))) || (!strg && zumEnde < Endfang)) {
      w = anfang.w;
      gefangen = true;
    }
  }
  double laenge = abstand;
  if (gefangen) laenge = dx * std::cos(w) + dy * std::sin(w);
  if (strg) laenge = std::round(laenge);
  if (!(laenge > 0)) return std::nullopt;
  return TBahn{{anfang.x, anfang.y, WinkelNorm(w)}, {{laenge, Unendlich, Unendlich}}};
}

std::optional<TBogenplan> BogenPlanen(const TLage& anfang, double x, double y, double rMin, double uebergang,
                                      TModul& m, bool strg) {
  if (strg) {
    auto p = BogenPlanen(anfang, x, y, rMin, uebergang, m, false);
    if (!p || std::isinf(p->radius)) return p;
    double theta = std::round(p->winkel / (15 * Grad)) * 15 * Grad;
    if (theta == 0) theta = std::copysign(15 * Grad, p->winkel);
    double r = std::round(std::fabs(p->radius));
    if (r < rMin) r = std::ceil(rMin);
    r = std::copysign(r, p->radius);
    // Still red where the mouse asked for less than the minimum radius.
    if (!(uebergang > 0)) return TBogenplan{{anfang, {{r * theta, r, r}}}, r, theta, p->amMindestradius};
    const double la = std::max(0.0, theta * r - uebergang);
    return TBogenplan{Uebergangsbahn(anfang, 1 / r, la, uebergang), r, (la + uebergang) / r, p->amMindestradius};
  }
  const Ortlich o = Ortlich_(anfang, x, y);
  if (std::fabs(o.links) <= 1e-12 * std::hypot(o.vor, o.links)) {
    if (!(o.vor > 0)) return std::nullopt;
    return TBogenplan{{anfang, {{o.vor, Unendlich, Unendlich}}}, Unendlich, 0, false};
  }
  bool begrenzt = false;
  const auto kreis = KreisDurch(anfang, x, y, rMin, begrenzt);
  if (!kreis) return std::nullopt;
  if (!(uebergang > 0)) {
    const double l = kreis->r * kreis->theta;
    return TBogenplan{{anfang, {{l, kreis->r, kreis->r}}}, kreis->r, kreis->theta, begrenzt};
  }

  // With transitions: curvature k and arc length la from the plain arc, then Newton steps on
  // the computed end. The transitions turn by k·lt together, the arc by k·la.
  const double kMax = rMin > 0 ? 1 / rMin : Unendlich;
  double k = 1 / kreis->r;
  double la = kreis->theta / k - uebergang;
  if (la < 0) la = 0;
  auto fehler = [&](double kk, double ll) {
    const TLage e = BahnEnde(Uebergangsbahn(anfang, kk, ll, uebergang), m);
    return std::array<double, 2>{e.x - x, e.y - y};
  };
  bool amMin = begrenzt;
  for (int schritt = 0; schritt < 40; ++schritt) {
    const auto f = fehler(k, la);
    if (std::hypot(f[0], f[1]) < 1e-9) break;
    const double hk = 1e-7 * std::fabs(k), hl = 1e-6 * std::max(1.0, la);
    const auto fk = fehler(k + hk, la), fl = fehler(k, la + hl);
    const double a = (fk[0] - f[0]) / hk, c = (fk[1] - f[1]) / hk;
    const double b = (fl[0] - f[0]) / hl, d = (fl[1] - f[1]) / hl;
    if (amMin) {
      // The curvature is held: the arc length that comes nearest the mouse.
      const double n = b * b + d * d;
      if (n == 0) break;
      la = std::max(0.0, la - (b * f[0] + d * f[1]) / n);
      continue;
    }
    const double det = a * d - b * c;
    if (det == 0 || !std::isfinite(det)) return std::nullopt;
    double dk = (d * f[0] - b * f[1]) / det, dl = (-c * f[0] + a * f[1]) / det;
    // Damped: never across a straight, never to a negative arc.
    double t = 1;
    while (t > 1e-6 && ((k - t * dk) * k <= 0 || la - t * dl < -1e-9)) t /= 2;
    k -= t * dk;
    la = std::max(0.0, la - t * dl);
    if (std::fabs(k) > kMax) {
      k = std::copysign(kMax, k);
      amMin = true;
    }
  }
  const auto f = fehler(k, la);
  if (!amMin && std::hypot(f[0], f[1]) > 1e-6) return std::nullopt;  // the transitions alone turn too far
  return TBogenplan{Uebergangsbahn(anfang, k, la, uebergang), 1 / k, k * (la + uebergang), amMin};
}

TBahn BahnUmkehren(const TBahn& b, const TLage& ende) {
  TBahn r{{ende.x, ende.y, WinkelNorm(ende.w + Pi)}, {}};
  for (auto it = b.stuecke.rbegin(); it != b.stuecke.rend(); ++it)
    r.stuecke.push_back({it->laenge, Negiert(it->endRadius), Negiert(it->anfRadius)});
  return r;
}

}  // namespace trm
