// Plans of tracks as numbers: laid into a track, and their end computed by the layout's own
// geometry.
#include "core/editor/Bahn.h"

#include <memory>

#include "core/model/Bogen.h"
#include "core/model/Gleis.h"

namespace trm {

namespace {

/// g's start and segments from the plan; `nurEnde`: each segment's end values only.
void Setzen(const TBahn& b, TGleis& g, bool nurEnde) {
  g.XAnf = b.anfang.x;
  g.YAnf = b.anfang.y;
  g.SetWAnf(b.anfang.w);
  g.Boegen.clear();
  for (const TStueck& s : b.stuecke) {
    auto neu = std::make_unique<TBogen>();
    neu->SetLaenge(s.laenge);
    neu->SetAnfRadius(s.anfRadius);
    neu->SetEndRadius(s.endRadius);
    TBogen* bg = g.BogenAnhaengen(std::move(neu));
    if (nurEnde) bg->EndeBerechnen();
  }
  g.AktBogen = 0;
}

}  // namespace

void BahnInGleis(const TBahn& b, TGleis& g) {
  Setzen(b, g, false);
  if (!g.Boegen.empty()) g.PunkteBerechnen();
}

TLage BahnEnde(const TBahn& b, TModul& m) {
  if (b.stuecke.empty()) return b.anfang;
  TGleis g(&m);
  Setzen(b, g, true);  // the end alone, by the same steps the points take
  return {g.XEnde(), g.YEnde(), g.WEnde()};
}

}  // namespace trm
