// Drawing of turnouts: the track-bed edge on the outer side of each segment, the sleeper
// outlines (in the sleeper display mode) and the end markers (a square at the attached end,
// triangles at the other two).

#include <algorithm>
#include <vector>

#include "core/model/Anlage.h"
#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"
#include "core/render/GleisZeichnen.h"
#include "core/turnouts/Weiche.h"

namespace trm {

namespace {

/// Side of the edge of main (stamm) and branch segments by connection and direction.
int Seite(const TEWeiche& w, bool stamm) {
  const int links = w.IstLinks() ? 1 : -1;
  switch (w.Anschluss) {
    case AnschlussStammAnfang: return stamm ? -links : links;
    case AnschlussStammEnde: return links;
    case AnschlussZweig: return -links;
    default: return 0;
  }
}

}  // namespace

void TEWeiche::Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
  {
    if (!Vollstaendig()) return;
    const TEWeiche& w = *this;
    const TGleis* stamm = w.Stammgleis();
    const TGleis* zweig = w.Zweiggleis();
    if (a.TrasseZeichnen) {
      const int s = Seite(w, true), z = Seite(w, false);
      if (s != 0) {
        for (const auto& b : stamm->Boegen) TrassenKante(*b, s, c, v);
        for (const auto& b : zweig->Boegen) TrassenKante(*b, z, c, v);
      }
    }
    // Sleepers where ordinary tracks draw theirs: not with "nur Schienen" or "nur Gleisachse".
    if (a.Option(5) != '1' && a.Option(5) != '2') {
      const bool markiert = stamm->Markiert || zweig->Markiert;
      c.SetStift({markiert ? farbe::Rot : Farbe, false});
      c.SetPinsel({farbe::Weiss, true});
      for (const TSchwellenumriss& u : SwPolygone) {
        TRechteck h{u[0].x, u[0].y, u[0].x, u[0].y};
        for (const TPaar& p : u) h = {std::min(h.xmin, p.x), std::min(h.ymin, p.y), std::max(h.xmax, p.x), std::max(h.ymax, p.y)};
        if (!v.Sichtbar(h.xmin, h.ymin, h.xmax, h.ymax)) continue;
        c.Polygon({v.Pixel(u[0].x, u[0].y), v.Pixel(u[1].x, u[1].y), v.Pixel(u[2].x, u[2].y), v.Pixel(u[3].x, u[3].y)});
      }
    }
    const double g = w.Spur();
    c.SetStift({farbe::Schwarz, false});
    c.SetPinsel({farbe::Cyan, false});
    const TGleis* angeschlossen = w.Anschluss == AnschlussZweig ? zweig : stamm;
    MarkeZeichnen(MarkenQuadrat(angeschlossen->XAnf, angeschlossen->YAnf, angeschlossen->WAnf(), g), c, v);
    MarkeZeichnen(MarkenDreieck(stamm->XEnde(), stamm->YEnde(), stamm->WEnde(), g), c, v);
    MarkeZeichnen(MarkenDreieck(zweig->XEnde(), zweig->YEnde(), zweig->WEnde(), g), c, v);
    c.SetPinsel({farbe::Weiss, true});
  }
}

}  // namespace trm
