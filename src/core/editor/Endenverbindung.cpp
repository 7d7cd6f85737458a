// Connecting two track ends by straights and arcs of at least the minimum radius.
#include "core/editor/Endenverbindung.h"

#include <array>
#include <cmath>

#include "core/model/Zahlformat.h"

namespace trm {

namespace {

constexpr double KleinstesStueck = 1e-9;  // mm: shorter segments are dropped
constexpr double Richtungsgenau = 1e-9;   // rad: directions that agree

void Anhaengen(TBahn& b, double laenge, double radius) {
  if (laenge >= KleinstesStueck) b.stuecke.push_back({laenge, radius, radius});
}

/// The turn from direction von to direction nach going round in direction s (+1 left,
/// -1 right): s·[0, 2π). A turn a rounding step short of a whole one is no turn.
double Drehen(double von, double nach, int s) {
  double d = RichtungNorm(s * (nach - von));
  if (d > 2.0 * Pi - Richtungsgenau) d = 0;
  return s * d;
}

/// Arc, straight, arc of radius R: the first arc turns in direction s1, the second in s2.
struct BogenGeradeBogen {
  bool gibt = false;
  double dreh1 = 0, gerade = 0, dreh2 = 0;  // signed turns, straight length
  double Laenge(double R) const { return R * (std::fabs(dreh1) + std::fabs(dreh2)) + gerade; }
  double Gesamtdrehung() const { return std::fabs(dreh1) + std::fabs(dreh2); }
};

BogenGeradeBogen Konstruieren(const TLage& a, const TLage& b, double R, int s1, int s2) {
  // The arcs' centres lie on the ends' normals, on the side each arc turns to.
  const double x1 = a.x - s1 * R * std::sin(a.w), y1 = a.y + s1 * R * std::cos(a.w);
  const double x2 = b.x - s2 * R * std::sin(b.w), y2 = b.y + s2 * R * std::cos(b.w);
  const double vx = x2 - x1, vy = y2 - y1;
  const double d2 = vx * vx + vy * vy;
  // Between arcs of opposite sense the straight crosses the line of the centres: they must lie
  // at least 2R apart.
  const double k = (s1 - s2) * R;
  BogenGeradeBogen e;
  if (d2 < k * k) return e;
  e.gibt = true;
  double psi;
  if (s1 == s2 && d2 <= 1e-24 * R * R) {
    psi = b.w;  // one circle: a single arc, no straight
  } else {
    e.gerade = std::sqrt(d2 - k * k);
    psi = std::atan2(vy, vx) + std::atan2(k, e.gerade);
  }
  e.dreh1 = Drehen(a.w, psi, s1);
  e.dreh2 = Drehen(psi, b.w, s2);
  return e;
}

TBahn PlanAus(const TLage& a, const BogenGeradeBogen& e, double R, int s1, int s2) {
  TBahn p{a, {}};
  Anhaengen(p, R * std::fabs(e.dreh1), s1 * R);
  Anhaengen(p, e.gerade, Unendlich);
  Anhaengen(p, R * std::fabs(e.dreh2), s2 * R);
  return p;
}

/// Whether the construction of kind (s1, s2) exists at R with neither arc over half a turn.
bool Vergroesserbar(const TLage& a, const TLage& b, double R, int s1, int s2) {
  const BogenGeradeBogen e = Konstruieren(a, b, R, s1, s2);
  return e.gibt && std::fabs(e.dreh1) <= Pi + Richtungsgenau && std::fabs(e.dreh2) <= Pi + Richtungsgenau;
}

/// The plan's end compared with b; the straight nearest the end takes up what rounding left
/// along it.
void EndeAngleichen(TBahn& p, const TLage& b, TModul& m) {
  const TLage e = BahnEnde(p, m);
  const double fehler = Abstand(e.x, e.y, b.x, b.y);
  if (fehler <= 1e-8) return;
  TLage lage = p.anfang;
  int letzteGerade = -1;
  double wGerade = 0;
  for (std::size_t i = 0; i < p.stuecke.size(); ++i) {
    const TStueck& s = p.stuecke[i];
    if (std::isinf(s.anfRadius)) {
      letzteGerade = static_cast<int>(i);
      wGerade = lage.w;
    } else {
      lage.w += s.laenge / s.anfRadius;
    }
  }
  if (letzteGerade < 0) return;
  const double laengs = (b.x - e.x) * std::cos(wGerade) + (b.y - e.y) * std::sin(wGerade);
  TStueck& s = p.stuecke[static_cast<std::size_t>(letzteGerade)];
  if (s.laenge + laengs > 0) s.laenge += laengs;
}

}  // namespace

std::optional<TBahn> EndenVerbinden(const TLage& a, const TLage& b, double rMin, TModul& m, std::string& grund) {
  const std::string zuEng = "Zwischen diesen Gleisenden lässt sich kein Gleis mit dem Mindestradius von " +
                            FestText(rMin) + " mm legen.";
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(a.w) || !std::isfinite(b.x) ||
      !std::isfinite(b.y) || !std::isfinite(b.w) || std::isnan(rMin)) {
    grund = zuEng;
    return std::nullopt;
  }
  // Without a minimum the arcs still need a radius to start the search from.
  const double r0 = rMin > 1e-3 ? rMin : 1e-3;
  const double wx = b.x - a.x, wy = b.y - a.y;
  const double abstand = std::hypot(wx, wy);
  if (abstand < 0.001) {
    grund = "Die beiden Gleisenden liegen aufeinander.";
    return std::nullopt;
  }
  const double ca = std::cos(a.w), sa = std::sin(a.w), cb = std::cos(b.w), sb = std::sin(b.w);
  const double drehung = KleinsteDrehung(b.w - a.w);
  const double voraus = wx * ca + wy * sa;  // b along a's direction
  const double seitlich = wy * ca - wx * sa;  // b left of a's line

  // One straight.
  if (std::fabs(drehung) <= Richtungsgenau && voraus > 0 && std::fabs(seitlich) <= 1e-9 * std::max(1.0, voraus)) {
    TBahn p{a, {}};
    Anhaengen(p, voraus, Unendlich);
    return p;
  }

  // One arc: tangent to a, through b; its turn is twice the chord's angle to a's direction.
  {
    const double phi = std::atan2(seitlich, voraus);
    const double R = abstand / (2.0 * std::sin(phi));
    if (std::fabs(phi) < Pi - Richtungsgenau && std::isfinite(R) && std::fabs(R) >= r0 && std::fabs(KleinsteDrehung(a.w + 2.0 * phi - b.w)) <= Richtungsgenau) {
      TBahn p{a, {}};
      Anhaengen(p, 2.0 * phi * R, R);
      EndeAngleichen(p, b, m);
      return p;
    }
  }

  // An arc in the corner where the direction lines meet, ahead of a and behind b: the largest
  // that fits leaves one straight.
  const double kreuz = ca * sb - sa * cb;
  if (std::fabs(kreuz) > 1e-12 && std::fabs(drehung) < Pi - Richtungsgenau) {
    const double ta = (wx * sb - wy * cb) / kreuz;
    const double tb = (ca * wy - sa * wx) / kreuz;
    if (ta > 0 && tb > 0) {
      const double halbTan = std::tan(std::fabs(drehung) / 2.0);
      const double R = std::min(ta, tb) / halbTan;
      if (R >= r0) {
        const double r = drehung > 0 ? R : -R;
        TBahn p{a, {}};
        if (ta > tb) Anhaengen(p, ta - tb, Unendlich);
        Anhaengen(p, R * std::fabs(drehung), r);
        if (tb > ta) Anhaengen(p, tb - ta, Unendlich);
        EndeAngleichen(p, b, m);
        return p;
      }
    }
  }

  // Arc, straight, arc: the shortest of the four kinds at the minimum radius, then the radius
  // enlarged as far as the same kind allows with neither arc over half a turn.
  constexpr std::array<std::array<int, 2>, 4> arten{{{1, 1}, {-1, -1}, {1, -1}, {-1, 1}}};
  int beste = -1;
  double besteLaenge = 0;
  for (int i = 0; i < 4; ++i) {
    const auto [s1, s2] = arten[static_cast<std::size_t>(i)];
    const BogenGeradeBogen e = Konstruieren(a, b, r0, s1, s2);
    if (!e.gibt || e.Gesamtdrehung() > 2.0 * Pi + Richtungsgenau) continue;
    if (beste < 0 || e.Laenge(r0) < besteLaenge) {
      beste = i;
      besteLaenge = e.Laenge(r0);
    }
  }
  if (beste < 0) {
    grund = zuEng;
    return std::nullopt;
  }
  const auto [s1, s2] = arten[static_cast<std::size_t>(beste)];
  double R = r0;
  if (Vergroesserbar(a, b, R, s1, s2)) {
    // An S of opposite arcs widens until its straight vanishes; beyond a hundred times the ends'
    // distance a larger radius changes nothing one sees. Arcs of one sense would go round an
    // ever larger loop: they widen no further than half the ends' distance (a half circle
    // between two parallel ends).
    const double grenze = std::max(r0, s1 != s2 ? 100.0 * abstand : abstand / 2);
    double hoch = R;
    while (hoch < grenze && Vergroesserbar(a, b, std::min(2.0 * hoch, grenze), s1, s2)) hoch = std::min(2.0 * hoch, grenze);
    if (hoch < grenze) {
      double tief = hoch;
      hoch = std::min(2.0 * hoch, grenze);
      for (int i = 0; i < 60 && tief < hoch; ++i) {
        const double mitte = (tief + hoch) / 2.0;
        (Vergroesserbar(a, b, mitte, s1, s2) ? tief : hoch) = mitte;
      }
      hoch = tief;
    }
    R = hoch;
  }
  TBahn p = PlanAus(a, Konstruieren(a, b, R, s1, s2), R, s1, s2);
  EndeAngleichen(p, b, m);
  return p;
}

}  // namespace trm
