// Track-bed edges and end markers of turnouts: the track-bed edge on the outer side of each
// segment and the end markers (a square at the attached end, triangles at the other two).

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
