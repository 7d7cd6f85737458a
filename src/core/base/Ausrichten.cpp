// The alignment search and the snap of a dragged link group.
#include "core/base/Ausrichten.h"

#include <cmath>

#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Gruppenbewegung.h"
#include "core/model/Modul.h"

namespace trm {

namespace {

/// The two parallel-track distance points beside (x, y) in direction w, as the drawing places
/// them: first to the right, then to the left.
void Abstandspaar(std::vector<TRichtpunkt>& v, double x, double y, double w, double d) {
  v.push_back({x + std::sin(w) * d, y - std::cos(w) * d, w});
  v.push_back({x - std::sin(w) * d, y + std::cos(w) * d, w});
}

/// Tracks that are part of g's own turnout, crossing or slip.
bool EigenesElement(const TGleis& g, const TGleis& t) { return g.Element != nullptr && t.Element == g.Element; }

}  // namespace

double DeltaFalten(double delta) {
  // Directions are stored reduced below a full turn but with either sign, so their difference
  // may exceed a full turn; reduced, it turns the group the short way round.
  delta = WinkelNorm(delta);
  // Exactly opposite directions need no turn either: without the boundary, a head-on meeting
  // at exactly 180° would swing the whole group round.
  if (Pi / 2 < delta && delta < 3 * Pi / 2) return delta - Pi;
  if (-3 * Pi / 2 < delta && delta < -Pi / 2) return delta + Pi;
  return delta;
}

TAusrichtung Korrektur(const TRichtpunkt& p, const TRichtpunkt& q) {
  return {p, q, q.x - p.x, q.y - p.y, DeltaFalten(p.w - q.w)};
}

std::vector<TRichtpunkt> EigenePunkte(const TModul& m, const TGleis& g) {
  std::vector<TRichtpunkt> v;
  if (const TBogen* b = g.AktuellerBogen()) {
    const double xa = b->XAnf(), ya = b->YAnf(), wa = b->WAnf();
    v.push_back({xa, ya, wa});
    v.push_back({b->XEnde, b->YEnde, b->WEnde});
    // Computed from the segment as it is now, not as last drawn: the drag has moved it since.
    if (b->DistAnf) Abstandspaar(v, xa, ya, wa, b->GlsAbst());
    if (b->DistEnde) Abstandspaar(v, b->XEnde, b->YEnde, b->WEnde, b->GlsAbst());
  }
  v.push_back({g.XAnf, g.YAnf, g.WAnf()});
  if (!g.Boegen.empty()) v.push_back({g.XEnde(), g.YEnde(), g.WEnde()});
  if (g.Element) {
    for (const auto& t : m.Gleise) {
      if (t->Element == g.Element) {
        if (!t->Boegen.empty()) v.push_back({t->XEnde(), t->YEnde(), t->WEnde()});
        break;
      }
    }
  }
  return v;
}

bool ImFang(const TRichtpunkt& p, const TRichtpunkt& q, double fang) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  // Cheap rejection first; the distance itself decides (hypot is never below |dx| or |dy|).
  if (!(std::fabs(dx) < fang && std::fabs(dy) < fang)) return false;
  const double d = Abstand(p.x, p.y, q.x, q.y);
  return Deckungsabstand < d && d < fang;
}

std::optional<TAusrichtung> AusrichtungSuchen(const TModul& m, const TGleis& g,
                                              const std::vector<TRichtpunkt>& eigene,
                                              const std::vector<TRichtpunkt>& drehscheiben,
                                              double fang) {
  for (const TRichtpunkt& p : eigene)
    for (const TRichtpunkt& q : drehscheiben)
      if (ImFang(p, q, fang)) return Korrektur(p, q);
  for (const TRichtpunkt& p : eigene) {
    for (const auto& t : m.Gleise) {
      if (EigenesElement(g, *t)) continue;
      for (const auto& b : t->Boegen) {
        const TRichtpunkt anfang{b->XAnf(), b->YAnf(), b->WAnf()};
        if (ImFang(p, anfang, fang)) return Korrektur(p, anfang);
        const TRichtpunkt ende{b->XEnde, b->YEnde, b->WEnde};
        if (ImFang(p, ende, fang)) return Korrektur(p, ende);
      }
    }
  }
  return std::nullopt;
}

void AusrichtungAnwenden(const TAusrichtung& a, const std::vector<TGleis*>& gruppe) {
  if (gruppe.empty() || !gruppe.front()->Modul) return;
  GruppeBewegen(*gruppe.front()->Modul, gruppe, {a.dx, a.dy, -a.delta, a.eigen.x + a.dx, a.eigen.y + a.dy});
}

}  // namespace trm
