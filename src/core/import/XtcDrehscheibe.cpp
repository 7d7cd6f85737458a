// Recognising the turntables of an XTrackCAD layout that this program's turntables can hold.
#include "core/import/XtcDrehscheibe.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/import/XtcGeometrie.h"
#include "core/turnouts/Drehscheibe.h"

namespace trm {

namespace {

constexpr double Lagespiel = 0.01;                   // mm
constexpr double Winkelspiel = 0.01 * Pi / 180.0;  // rad

}  // namespace

std::variant<XtcDrehscheibenplan, std::string> XtcDrehscheibeBestimmen(const XtcObjekt& o, std::size_t objekt,
                                                                       const std::string& datei) {
  XtcDrehscheibenplan plan;
  plan.objekt = objekt;
  plan.x = o.Zahl(7, datei) * XtcZoll;
  plan.y = o.Zahl(8, datei) * XtcZoll;
  const double r = std::fabs(o.Zahl(10, datei)) * XtcZoll;
  if (!(r > 1)) return std::string("Drehscheibe ohne Radius");
  plan.durchmesser = 2 * r;
  // Each end on the rim, pointing out of the pit: its direction from the centre.
  std::vector<double> winkel;
  for (const XtcEnde& e : o.enden) {
    const XtcLage l = XtcEndlage(e.x, e.y, e.a, false);
    const double w = std::atan2(l.y - plan.y, l.x - plan.x);
    if (std::fabs(std::hypot(l.x - plan.x, l.y - plan.y) - r) > Lagespiel ||
        std::fabs(Winkeldifferenz(l.w - w)) > Winkelspiel)
      return std::string("Gleisende nicht am Rand");
    winkel.push_back(w);
  }
  plan.startwinkel = winkel.empty() ? 0.0 : winkel.front();
  // The fewest connections that every end lies on, both in place and in direction, spaced by
  // a multiple of half a degree: any ends at all would fit some finer odd division.
  const double spiel = std::min(Winkelspiel, Lagespiel / r);
  for (int n = 1; n <= MaxAnschluesse; ++n) {
    if (720 % n != 0) continue;
    const double t = 2 * Pi / n;
    bool passt = true;
    for (double w : winkel) {
      const double d = Winkeldifferenz(w - plan.startwinkel);
      passt = passt && std::fabs(d - t * std::round(d / t)) <= spiel;
    }
    if (passt) {
      plan.teilung = t;
      return plan;
    }
  }
  return std::string("Gleisabgänge nicht gleichmäßig verteilt");
}

}  // namespace trm
