// Recognising straight crossings and slips among the turnouts of an XTrackCAD layout.
#include "core/import/XtcKreuzung.h"

#include <algorithm>
#include <cmath>

#include "core/import/XtcGleise.h"

namespace trm {

namespace {

/// How far the file's end directions may turn from the straight between them (0,005°): half
/// of what an end may be off.
constexpr double Richtungsspiel = 0.005 * Pi / 180.0;
/// How far a slip curve's turn may differ from the crossing angle (0,01°), and its straight
/// parts from the arc's tangent points (mm).
constexpr double BogenWinkelspiel = 0.01 * Pi / 180.0;
constexpr double BogenLaengenspiel = 0.01;

bool Gerade(const XtcGleisplan& g) {
  return g.boegen.size() == 1 && std::fabs(1 / g.boegen[0].r0) < 1e-7 && std::fabs(1 / g.boegen[0].r1) < 1e-7;
}

/// The object's end nearest to p (0,05 in at most), -1 when there is none.
long Naechstes(const XtcObjekt& o, const XtcLage& p) {
  long best = -1;
  double abstand = 0.05 * XtcZoll;
  for (std::size_t i = 0; i < o.enden.size(); ++i) {
    const XtcLage e = XtcEndlage(o.enden[i].x, o.enden[i].y, o.enden[i].a, true);
    if (LageAbstand(e, p) <= abstand) {
      abstand = LageAbstand(e, p);
      best = static_cast<long>(i);
    }
  }
  return best;
}

/// A slip curve: the legs it joins (0 side A, 1 side B of the main track, 2 crossing track A,
/// 3 crossing track B) and its radius.
struct Zweigbogen {
  std::size_t von = 0, bis = 0;
  double radius = 0, drehung = 0;
  double vor = 0, nach = 0;  ///< straight lengths before and after the arc
};

/// Path g as straights, one arc and straights; none for any other shape.
std::optional<Zweigbogen> BogenForm(const XtcGleisplan& g) {
  Zweigbogen z;
  bool bogen = false;
  for (const XtcBogen& b : g.boegen) {
    if (std::fabs(1 / b.r0) < 1e-7 && std::fabs(1 / b.r1) < 1e-7) {
      (bogen ? z.nach : z.vor) += b.laenge;
      continue;
    }
    if (bogen || !std::isfinite(b.r0) || b.r0 != b.r1 || !(std::fabs(b.r0) > 1) || !(b.laenge > 0)) return std::nullopt;
    bogen = true;
    z.radius = std::fabs(b.r0);
    z.drehung = b.laenge / z.radius;
  }
  if (!bogen) return std::nullopt;
  return z;
}

}  // namespace

std::optional<XtcKreuzungsplan> XtcKreuzungBestimmen(const XtcObjekt& o, std::size_t objekt,
                                                     const std::vector<XtcGleisplan>& alle) {
  if (o.enden.size() != 4 || alle.size() < 2 || alle.size() > 4) return std::nullopt;
  std::vector<XtcGleisplan> wege, boegen;
  for (const XtcGleisplan& g : alle) (Gerade(g) ? wege : boegen).push_back(g);
  if (wege.size() != 2) return std::nullopt;
  std::array<long, 4> k{};
  for (std::size_t w = 0; w < 2; ++w) {
    k[2 * w] = Naechstes(o, wege[w].anfang);
    k[2 * w + 1] = Naechstes(o, BogenEnde(wege[w].anfang, wege[w].boegen[0]));
  }
  for (std::size_t i = 0; i < 4; ++i)
    for (std::size_t j = i + 1; j < 4; ++j)
      if (k[i] < 0 || k[i] == k[j]) return std::nullopt;
  std::array<XtcLage, 4> p;  // leaving the first end of each path, arriving at the second
  for (std::size_t i = 0; i < 4; ++i) {
    const XtcEnde& e = o.enden[static_cast<std::size_t>(k[i])];
    p[i] = XtcEndlage(e.x, e.y, e.a, i % 2 == 0);
  }
  // The file's directions must be those of the straights between the ends.
  std::array<double, 2> w{}, len{};
  for (std::size_t s = 0; s < 2; ++s) {
    const XtcLage &a = p[2 * s], &b = p[2 * s + 1];
    w[s] = std::atan2(b.y - a.y, b.x - a.x);
    len[s] = LageAbstand(a, b);
    if (std::fabs(Winkeldifferenz(a.w - w[s])) > Richtungsspiel || std::fabs(Winkeldifferenz(b.w - w[s])) > Richtungsspiel)
      return std::nullopt;
  }
  const double theta = Winkeldifferenz(w[1] - w[0]);
  const double sinus = std::sin(theta);
  if (std::fabs(sinus) < 1e-3) return std::nullopt;
  // Where the straights cross: a + t0·d0 = c + t1·d1.
  const double d0x = std::cos(w[0]), d0y = std::sin(w[0]), d1x = std::cos(w[1]), d1y = std::sin(w[1]);
  const double rx = p[2].x - p[0].x, ry = p[2].y - p[0].y;
  const double t0 = (rx * d1y - ry * d1x) / (d0x * d1y - d0y * d1x);
  const double t1 = (rx * d0y - ry * d0x) / (d0x * d1y - d0y * d1x);
  const std::array<double, 4> arme{t0, len[0] - t0, t1, len[1] - t1};
  const double kuerzester = *std::min_element(arme.begin(), arme.end());
  if (!(kuerzester > 0.1)) return std::nullopt;
  XtcKreuzungsplan plan;
  plan.objekt = objekt;
  plan.anfang = {p[0].x, p[0].y, w[0]};
  plan.richtung = theta > 0 ? 1 : 0;
  plan.winkel = std::fabs(theta);
  // The inner halves take half the shortest leg, the outer straights the rest.
  plan.laenge = kuerzester;
  plan.stA = arme[0] - kuerzester / 2;
  plan.stB = arme[1] - kuerzester / 2;
  plan.krA = arme[2] - kuerzester / 2;
  plan.krB = arme[3] - kuerzester / 2;
  for (std::size_t i = 0; i < 4; ++i) plan.enden[i] = static_cast<std::size_t>(k[i]);
  plan.beine = {{{p[0].x, p[0].y, w[0]}, {p[1].x, p[1].y, w[0] + Pi}, {p[2].x, p[2].y, w[1]}, {p[3].x, p[3].y, w[1] + Pi}}};
  if (boegen.empty()) return plan;

  // Slip curves join side A with crossing track B, or side B with crossing track A.
  std::array<bool, 2> seite{};
  for (const XtcGleisplan& g : boegen) {
    auto z = BogenForm(g);
    if (!z) return std::nullopt;
    XtcLage ende = g.anfang;
    for (const XtcBogen& b : g.boegen) ende = BogenEnde(ende, b);
    const long a = Naechstes(o, g.anfang), b = Naechstes(o, ende);
    const auto ia = std::find(k.begin(), k.end(), a), ib = std::find(k.begin(), k.end(), b);
    if (a < 0 || b < 0 || ia == k.end() || ib == k.end()) return std::nullopt;
    z->von = static_cast<std::size_t>(ia - k.begin());
    z->bis = static_cast<std::size_t>(ib - k.begin());
    const std::size_t t = std::min(z->von, z->bis) == 0 ? 0 : 1;
    if (z->von + z->bis != 3 || seite[t]) return std::nullopt;
    seite[t] = true;
    // The arc touches both legs at its tangent points, the straights reach the legs' ends.
    const double d = z->radius * std::tan(plan.winkel / 2);
    if (!(std::fabs(z->drehung - plan.winkel) <= BogenWinkelspiel) || !(std::fabs(z->vor - (arme[z->von] - d)) <= BogenLaengenspiel) ||
        !(std::fabs(z->nach - (arme[z->bis] - d)) <= BogenLaengenspiel))
      return std::nullopt;
    if (plan.zweige > 0 && !(std::fabs(z->radius - plan.radius) <= BogenLaengenspiel)) return std::nullopt;
    plan.radius = z->radius;
    plan.anschluss = static_cast<std::uint8_t>(t);
    ++plan.zweige;
  }
  // The slip's base form: the inner halves reach the tangent points.
  const double d = plan.radius * std::tan(plan.winkel / 2);
  if (!(d <= kuerzester)) return std::nullopt;
  plan.laenge = 2 * d;
  plan.stA = std::max(0.0, arme[0] - d);
  plan.stB = std::max(0.0, arme[1] - d);
  plan.krA = std::max(0.0, arme[2] - d);
  plan.krB = std::max(0.0, arme[3] - d);
  return plan;
}

XtcKreuzungsplan XtcKreuzungUmlegen(const XtcKreuzungsplan& plan, std::size_t bein) {
  // The legs in their new roles: side A, side B, crossing track A, crossing track B.
  static constexpr std::array<std::array<std::size_t, 4>, 4> Rollen{{{0, 1, 2, 3}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}}};
  const auto& r = Rollen[bein % 4];
  XtcKreuzungsplan neu = plan;
  const std::array<double, 4> gerade{plan.stA, plan.stB, plan.krA, plan.krB};
  for (std::size_t i = 0; i < 4; ++i) {
    neu.enden[i] = plan.enden[r[i]];
    neu.beine[i] = plan.beine[r[i]];
  }
  neu.stA = gerade[r[0]];
  neu.stB = gerade[r[1]];
  neu.krA = gerade[r[2]];
  neu.krB = gerade[r[3]];
  neu.anfang = neu.beine[0];
  // The crossing straight as main track turns the side over; the curve joins side A with
  // crossing track B when it did so before exactly for a start at side A or crossing track B.
  if (bein % 4 >= 2) neu.richtung = plan.richtung == 0 ? 1 : 0;
  if (bein % 4 == 1 || bein % 4 == 2) neu.anschluss = plan.anschluss == 0 ? 1 : 0;
  return neu;
}

}  // namespace trm
