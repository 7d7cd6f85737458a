// Drawing of a crossing: its three tracks (rails or band, no sleepers or track-bed edges of
// their own), the outer track-bed edges, and the start and end markers.
#include <vector>

#include "core/crossings/Kreuzung.h"
#include "core/model/Anlage.h"
#include "core/model/Marken.h"
#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"
#include "core/render/Farben.h"
#include "core/render/GleisZeichnen.h"

namespace trm {

namespace {

}  // namespace

void TKreuzung::Zeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
  if (!Vollstaendig()) return;
  // The module leaves crossing tracks out of its track pass; the crossing draws them here.
  for (const TGleis* g : {stamm_, krA_, krB_}) GleisZeichnen(a, *g, c, v);
  if (a.TrasseZeichnen) {
    // Only the outer edges: right-hand (-1) for "von links", every side the other for "von rechts".
    const int rechts = Richtung == 0 ? -1 : 1;
    for (const TBogen* b : {KrAussenA(), KrAussenB(), StAussenA(), KrInnenA(), KrInnenB(), StInnenA()})
      TrassenKante(*b, rechts, c, v);
    for (const TBogen* b : {StAussenB(), StInnenB()}) TrassenKante(*b, -rechts, c, v);
  }
  const double g = Spur();
  c.SetStift({farbe::Schwarz, false});
  c.SetPinsel({farbe::Cyan, false});
  MarkeZeichnen(MarkenQuadrat(stamm_->XAnf, stamm_->YAnf, stamm_->WAnf(), g), c, v);
  for (const TBogen* b : {StAussenB(), KrAussenA(), KrAussenB()})
    MarkeZeichnen(MarkenDreieck(b->XEnde, b->YEnde, b->WEnde, g), c, v);
  c.SetPinsel({farbe::Weiss, true});
}

}  // namespace trm
