// Recognising straight crossings among the turnouts of an XTrackCAD layout.
#include "core/import/XtcKreuzung.h"

#include <algorithm>
#include <cmath>

#include "core/import/XtcGleise.h"

namespace trm {

namespace {

/// How far the file's end directions may turn from the straight between them (0,005°): half
/// of what an end may be off.
constexpr double Richtungsspiel = 0.005 * Pi / 180.0;

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

}  // namespace

std::optional<XtcKreuzungsplan> XtcKreuzungBestimmen(const XtcObjekt& o, std::size_t objekt,
                                                     const std::vector<XtcGleisplan>& wege) {
  if (o.enden.size() != 4 || wege.size() != 2 || !Gerade(wege[0]) || !Gerade(wege[1])) return std::nullopt;
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
  return plan;
}

}  // namespace trm
