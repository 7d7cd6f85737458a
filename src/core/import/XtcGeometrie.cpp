// Places, segment ends and fitted transition curves of the XTrackCAD import.
#include "core/import/XtcGeometrie.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/model/Klothoide.h"

namespace trm {

namespace {

double Radius(double k) { return std::fabs(k) <= 1e-12 ? Unendlich : 1.0 / k; }

/// The end of a transition curve with curvatures k0, k1 and length l from a.
XtcLage Ende(const XtcLage& a, double k0, double k1, double l) {
  return BogenEnde(a, {l, Radius(k0), Radius(k1)});
}

/// The end relative to b: along and across b's direction, and the direction difference.
std::array<double, 3> Abweichung(const XtcLage& e, const XtcLage& b) {
  const double dx = e.x - b.x, dy = e.y - b.y;
  return {dx * std::cos(b.w) + dy * std::sin(b.w), -dx * std::sin(b.w) + dy * std::cos(b.w),
          Winkeldifferenz(e.w - b.w)};
}

/// Solves the 3 × 3 system m·x = r by Cramer's rule; false when it is singular.
bool Loesen(const std::array<std::array<double, 3>, 3>& m, const std::array<double, 3>& r, std::array<double, 3>& x) {
  auto det = [](const std::array<std::array<double, 3>, 3>& a) {
    return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
           a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
  };
  const double d = det(m);
  if (!std::isfinite(d) || std::fabs(d) < 1e-300) return false;
  for (int k = 0; k < 3; ++k) {
    auto mk = m;
    for (int z = 0; z < 3; ++z) mk[static_cast<std::size_t>(z)][static_cast<std::size_t>(k)] = r[static_cast<std::size_t>(z)];
    x[static_cast<std::size_t>(k)] = det(mk) / d;
  }
  return true;
}

struct Bezier {
  std::array<TPunkt, 4> p;
  TPunkt Punkt(double t) const {
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x, a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y};
  }
  TPunkt Ableitung(double t) const {
    const double u = 1 - t;
    return {3 * (u * u * (p[1].x - p[0].x) + 2 * u * t * (p[2].x - p[1].x) + t * t * (p[3].x - p[2].x)),
            3 * (u * u * (p[1].y - p[0].y) + 2 * u * t * (p[2].y - p[1].y) + t * t * (p[3].y - p[2].y))};
  }
  TPunkt Zweite(double t) const {
    const double u = 1 - t;
    return {6 * (u * (p[2].x - 2 * p[1].x + p[0].x) + t * (p[3].x - 2 * p[2].x + p[1].x)),
            6 * (u * (p[2].y - 2 * p[1].y + p[0].y) + t * (p[3].y - 2 * p[2].y + p[1].y))};
  }
  /// Curvature, left positive; 0 where the curve has no direction.
  double Kruemmung(double t) const {
    const TPunkt d = Ableitung(t), z = Zweite(t);
    const double n = std::hypot(d.x, d.y);
    return n > 1e-12 ? (d.x * z.y - d.y * z.x) / (n * n * n) : 0.0;
  }
  /// The direction of travel at t; at a point without direction, towards the next control point.
  double Richtung(double t) const {
    TPunkt d = Ableitung(t);
    if (std::hypot(d.x, d.y) <= 1e-12) d = Ableitung(t < 0.5 ? t + 1e-6 : t - 1e-6);
    return std::atan2(d.y, d.x);
  }
};

}  // namespace

XtcLage BogenEnde(const XtcLage& a, const XtcBogen& b) {
  const double l = b.laenge;
  const bool beideGerade = std::isinf(b.r0) && std::isinf(b.r1);
  if (!beideGerade && std::fabs(b.r0 - b.r1) > 0.001) {
    const KlothoidenSchritt s = KlothoidenPunkt(a.x, a.y, a.w * 180.0 / Pi, l, 0, l, b.r0, b.r1);
    return {s.x, s.y, s.wGrad * Pi / 180.0};
  }
  if (std::isinf(b.r0)) return {a.x + l * std::cos(a.w), a.y + l * std::sin(a.w), a.w};
  const double dw = l / b.r0;
  const double c = 2 * b.r0 * std::sin(dw / 2);
  return {a.x + c * std::cos(a.w + dw / 2), a.y + c * std::sin(a.w + dw / 2), a.w + dw};
}

XtcLage XtcEndlage(double x, double y, double grad, bool hinein) {
  const double raus = (90.0 - grad) * Pi / 180.0;
  return {x * XtcZoll, y * XtcZoll, hinein ? raus + Pi : raus};
}

double LageAbstand(const XtcLage& a, const XtcLage& b) { return std::hypot(a.x - b.x, a.y - b.y); }

double RichtungsAbstand(const XtcLage& a, const XtcLage& b) { return std::fabs(Winkeldifferenz(a.w - b.w)); }

std::optional<XtcBogen> UebergangAnpassen(const XtcLage& a, const XtcLage& b, double k0, double k1, double laenge) {
  std::array<double, 3> v{k0, k1, laenge};
  auto rest = [&](const std::array<double, 3>& q) { return Abweichung(Ende(a, q[0], q[1], q[2]), b); };
  auto norm = [&](const std::array<double, 3>& r) { return std::hypot(r[0], r[1], r[2] * std::max(1.0, v[2])); };
  std::array<double, 3> r = rest(v);
  for (int schritt = 0; schritt < 40; ++schritt) {
    if (std::hypot(r[0], r[1]) <= 1e-5 && std::fabs(r[2]) <= 1e-8) {
      if (!(v[2] > 0) || !std::isfinite(v[0]) || !std::isfinite(v[1])) return std::nullopt;
      return XtcBogen{v[2], Radius(v[0]), Radius(v[1])};
    }
    std::array<std::array<double, 3>, 3> j{};
    const std::array<double, 3> h{1e-7, 1e-7, std::max(1e-6, 1e-7 * v[2])};
    for (std::size_t k = 0; k < 3; ++k) {
      auto q = v;
      q[k] += h[k];
      const auto rk = rest(q);
      for (std::size_t z = 0; z < 3; ++z) j[z][k] = (rk[z] - r[z]) / h[k];
    }
    std::array<double, 3> d{};
    if (!Loesen(j, r, d)) return std::nullopt;
    // Damped: the step is halved until the deviation shrinks.
    double f = 1;
    bool besser = false;
    for (int halb = 0; halb < 20 && !besser; ++halb, f /= 2) {
      const std::array<double, 3> q{v[0] - f * d[0], v[1] - f * d[1], v[2] - f * d[2]};
      if (!(q[2] > 0)) continue;
      const auto rq = rest(q);
      if (norm(rq) < norm(r)) {
        v = q;
        r = rq;
        besser = true;
      }
    }
    if (!besser) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::vector<XtcBogen>> BezierAlsUebergaenge(const std::array<TPunkt, 4>& p, double toleranz) {
  const Bezier bz{p};
  std::vector<XtcBogen> boegen;
  XtcLage akt{p[0].x, p[0].y, bz.Richtung(0)};
  // Distance of a point from the curve between t0 and t1 (a fine polyline of it).
  auto abstand = [&](double x, double y, double t0, double t1) {
    constexpr int n = 64;
    double best = Unendlich;
    TPunkt q = bz.Punkt(t0);
    for (int k = 1; k <= n; ++k) {
      const TPunkt r = bz.Punkt(t0 + (t1 - t0) * k / n);
      const double dx = r.x - q.x, dy = r.y - q.y, l2 = dx * dx + dy * dy;
      const double s = l2 > 0 ? std::clamp(((x - q.x) * dx + (y - q.y) * dy) / l2, 0.0, 1.0) : 0.0;
      best = std::min(best, std::hypot(q.x + s * dx - x, q.y + s * dy - y));
      q = r;
    }
    return best;
  };
  std::function<bool(double, double, int)> stueck = [&](double t0, double t1, int tiefe) -> bool {
    const TPunkt e = bz.Punkt(t1);
    const XtcLage ziel{e.x, e.y, bz.Richtung(t1)};
    double l = 0;
    TPunkt q = bz.Punkt(t0);
    for (int k = 1; k <= 16; ++k) {
      const TPunkt r = bz.Punkt(t0 + (t1 - t0) * k / 16);
      l += std::hypot(r.x - q.x, r.y - q.y);
      q = r;
    }
    auto b = l > 1e-9 ? UebergangAnpassen(akt, ziel, bz.Kruemmung(t0), bz.Kruemmung(t1), l) : std::nullopt;
    bool nah = b.has_value();
    if (b)
      for (int k = 1; k < 8 && nah; ++k) {
        XtcBogen teil = *b;
        const double u = b->laenge * k / 8;
        XtcLage m;
        if (!std::isinf(b->r0) || !std::isinf(b->r1)) {
          if (std::fabs(b->r0 - b->r1) > 0.001) {
            const KlothoidenSchritt s = KlothoidenPunkt(akt.x, akt.y, akt.w * 180 / Pi, b->laenge, 0, u, b->r0, b->r1);
            m = {s.x, s.y, 0};
          } else {
            teil.laenge = u;
            m = BogenEnde(akt, teil);
          }
        } else {
          teil.laenge = u;
          m = BogenEnde(akt, teil);
        }
        nah = abstand(m.x, m.y, t0, t1) <= toleranz;
      }
    if (nah) {
      akt = BogenEnde(akt, *b);
      boegen.push_back(*b);
      return true;
    }
    if (tiefe >= 12) return false;
    const double tm = (t0 + t1) / 2;
    return stueck(t0, tm, tiefe + 1) && stueck(tm, t1, tiefe + 1);
  };
  if (!stueck(0, 1, 0)) return std::nullopt;
  return boegen;
}

}  // namespace trm
