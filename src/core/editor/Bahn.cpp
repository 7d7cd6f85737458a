// Plans of tracks as numbers: laid into a track, and their end computed by the layout's own
// geometry.
#include "core/editor/Bahn.h"

#include <memory>

#include "core/model/Bogen.h"
#include "core/model/Gleis.h"

namespace trm {

void BahnInGleis(const TBahn& b, TGleis& g) {
  g.XAnf = b.anfang.x;
  g.YAnf = b.anfang.y;
  g.SetWAnf(b.anfang.w);
  g.Boegen.clear();
  for (const TStueck& s : b.stuecke) {
    auto neu = std::make_unique<TBogen>();
    neu->SetLaenge(s.laenge);
    neu->SetAnfRadius(s.anfRadius);
    neu->SetEndRadius(s.endRadius);
    g.BogenAnhaengen(std::move(neu));
  }
  g.AktBogen = 0;
  if (!g.Boegen.empty()) g.PunkteBerechnen();
}

TLage BahnEnde(const TBahn& b, TModul& m) {
  if (b.stuecke.empty()) return b.anfang;
  TGleis g(&m);
  BahnInGleis(b, g);
  return {g.XEnde(), g.YEnde(), g.WEnde()};
}

}  // namespace trm
