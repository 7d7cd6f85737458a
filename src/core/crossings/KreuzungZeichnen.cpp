// Drawing of a crossing and of the slips derived from it: the sleeper plan, their tracks (rails
// or band, no sleepers or track-bed edges of their own), the track-bed edges the kind names,
// what the kind adds, and the start and end markers; its height-profile sign and its sleeper
// outlines on printed sheets.
#include <algorithm>
#include <vector>

#include "core/crossings/Kreuzung.h"
#include "core/model/Anlage.h"
#include "core/model/Marken.h"
#include "core/render/Ansicht.h"
#include "core/render/Blattstift.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"
#include "core/render/GleisZeichnen.h"
#include "core/render/Profilstift.h"

namespace trm {

std::vector<std::pair<const TBogen*, int>> TKreuzung::Trassenkanten() const {
  // Only the outer edges: right-hand (-1) for "von links", every side the other for "von rechts".
  const int rechts = Richtung == 0 ? -1 : 1;
  std::vector<std::pair<const TBogen*, int>> kanten;
  for (const TBogen* b : {KrAussenA(), KrAussenB(), StAussenA(), KrInnenA(), KrInnenB(), StInnenA()})
    kanten.emplace_back(b, rechts);
  for (const TBogen* b : {StAussenB(), StInnenB()}) kanten.emplace_back(b, -rechts);
  return kanten;
}

void TKreuzung::KrSchwellenZeichnen(int seite, Canvas& c, const TAnsicht& v) const {
  const bool markiert = (stamm_ && stamm_->Markiert) || (krA_ && krA_->Markiert) || (krB_ && krB_->Markiert);
  // The brush is left as it is.
  c.SetStift({markiert ? farbe::Rot : Farbe, false});
  for (const auto& u : seite == 0 ? SwUmrisseB : SwUmrisseA) {
    double xmin = u[0].x, xmax = u[0].x, ymin = u[0].y, ymax = u[0].y;
    for (const TPaar& p : u) {
      xmin = std::min(xmin, p.x);
      xmax = std::max(xmax, p.x);
      ymin = std::min(ymin, p.y);
      ymax = std::max(ymax, p.y);
    }
    if (!v.Sichtbar(xmin, ymin, xmax, ymax)) continue;
    c.Polygon({v.Pixel(u[0].x, u[0].y), v.Pixel(u[1].x, u[1].y), v.Pixel(u[2].x, u[2].y), v.Pixel(u[3].x, u[3].y)});
  }
  c.SetPinsel({farbe::Weiss, true});
}

void TKreuzung::Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
  if (!Vollstaendig()) return;
  // The sleepers first, so that the rails lie on them; the tracks draw none of their own.
  if (a.Option(5) != '1' && a.Option(5) != '2') {
    KrSchwellenZeichnen(0, c, v);
    KrSchwellenZeichnen(1, c, v);
  }
  // The module leaves element tracks out of its track pass; the element draws them here.
  for (const TGleis* g : AlleGleise()) GleisZeichnen(a, *g, c, v);
  if (a.TrasseZeichnen)
    for (const auto& [b, seite] : Trassenkanten()) TrassenKante(*b, seite, c, v);
  ZusatzZeichnen(a, c, v);
  const double g = Spur();
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Cyan, false});
  MarkeZeichnen(MarkenQuadrat(stamm_->XAnf, stamm_->YAnf, stamm_->WAnf(), g), c, v);
  for (const TBogen* b : {StAussenB(), KrAussenA(), KrAussenB()})
    MarkeZeichnen(MarkenDreieck(b->XEnde, b->YEnde, b->WEnde, g), c, v);
  c.SetPinsel({farbe::Weiss, true});
}

bool TKreuzung::ProfilZeichnen(const Profilstift& p) const {
  const int x = p.x0, y = p.y0;
  p.Strich({x + 15, y + 15}, {x + 165, y - 15});
  p.Strich({x + 15, y - 15}, {x + 165, y + 15});
  const TGleis* s = Stammgleis();
  if (s && !s->Boegen.empty()) {
    p.Hoehe(x, y + 30, s->Boegen[0]->ZAnf());
    p.Hoehe(x + 165, y - 45, s->ZEnde());
  } else {
    p.Hoehe(x, y + 30, 0.0);
  }
  if (const TGleis* a = KreuzungsgleisA(); a && !a->Boegen.empty()) p.Hoehe(x, y - 45, a->ZEnde());
  if (const TGleis* b = KreuzungsgleisB(); b && !b->Boegen.empty()) p.Hoehe(x + 165, y + 30, b->ZEnde());
  // A single slip's bar lies on its branch's side: below (main track A to crossing track B)
  // for a branch at the main track, above for one at the crossing track; a double slip has both.
  const TSchwellenZweig z = SchwellenZweig();
  if (z.zweige == 2 || (z.zweige == 1 && z.t == 0)) p.Strich({x + 40, y + 14}, {x + 137, y + 14});
  if (z.zweige == 2 || (z.zweige == 1 && z.t == 1)) p.Strich({x + 40, y - 14}, {x + 137, y - 14});
  return true;
}

void TKreuzung::Drucken(Druckstufe s, Blattstift& p) const {
  if (s != Druckstufe::Schwellen) return;
  p.c.SetStift({p.Farbe(Farbe), false, 1});
  p.Umrisse(SwUmrisseB);
  p.Umrisse(SwUmrisseA);
}

}  // namespace trm
