// The optimiser's target under the mouse.
#include "core/optimiser/OptiZiel.h"

#include <memory>
#include <optional>
#include <utility>

#include "core/editor/Maus.h"
#include "core/editor/Mauswerkzeug.h"
#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/OptiEP.h"
#include "core/optimiser/Optimierer.h"

namespace trm {

bool ImDreieck(const std::array<TPunkt, 3>& d, double x, double y) {
  // The point lies on the same side of all three edges.
  auto seite = [&](const TPunkt& a, const TPunkt& b) { return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x); };
  const double s1 = seite(d[0], d[1]), s2 = seite(d[1], d[2]), s3 = seite(d[2], d[0]);
  return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

TBogen* ZielTreffen(TModul& m, double x, double y) {
  for (int gi = 0; gi < static_cast<int>(m.Gleise.size()); ++gi) {
    TGleis& g = *m.Gleise[static_cast<std::size_t>(gi)];
    for (int bi = 0; bi < static_cast<int>(g.Boegen.size()); ++bi) {
      TBogen& b = *g.Boegen[static_cast<std::size_t>(bi)];
      if (!b.OptiEnde || !b.OptiEP || !ImDreieck(OptiDreieck(b), x, y)) continue;
      m.GleisWaehlen(gi);
      g.BogenWaehlen(bi);
      return &b;
    }
  }
  return nullptr;
}

std::vector<TRichtpunkt> ZielPunkte(const TBogen& b) {
  std::vector<TRichtpunkt> p;
  if (!b.OptiEP) return p;
  const TOptiEP& z = *b.OptiEP;
  p.push_back({z.OptiX, z.OptiY, z.OptiW});
  for (const TPunkt& d : OptiDistPunkte(b)) p.push_back({d.x, d.y, z.OptiW});
  return p;
}

void ZielAusrichten(TOptiEP& z, const TAusrichtung& a) {
  z.OptiX += a.dx;
  z.OptiY += a.dy;
  z.OptiW = WinkelNorm(z.OptiW - a.delta);
}

namespace {

class Zielwerkzeug : public Mauswerkzeug {
 public:
  Zielwerkzeug(Editor& ed, Optimierer& opt, std::function<void()> gegriffen)
      : ed_(ed), opt_(opt), gegriffen_(std::move(gegriffen)) {}

  bool Greifen(double x, double y) override {
    TModul* m = ed_.modul();
    TBogen* b = m ? ZielTreffen(*m, x, y) : nullptr;
    if (!b) return false;
    opt_.OptiEP = b->OptiEP;
    versatz_ = {x - b->OptiEP->OptiX, y - b->OptiEP->OptiY};
    if (gegriffen_) gegriffen_();
    return true;
  }
  void Ziehen(double x, double y) override {
    if (!opt_.OptiEP) return;
    opt_.OptiEP->OptiX = x - versatz_.x;
    opt_.OptiEP->OptiY = y - versatz_.y;
  }
  void Einrasten(const TAusrichtung* a) override {
    if (a && opt_.OptiEP) ZielAusrichten(*opt_.OptiEP, *a);
  }
  std::optional<std::vector<TRichtpunkt>> EigenePunkte(const TBogen& b) const override {
    if (!b.OptiEnde) return std::nullopt;
    return ZielPunkte(b);
  }

 private:
  Editor& ed_;
  Optimierer& opt_;
  std::function<void()> gegriffen_;
  TPunkt versatz_;  ///< press point minus the target
};

}  // namespace

void ZielMausAnschliessen(Mausbedienung& maus, Optimierer& opt, std::function<void()> gegriffen) {
  maus.WerkzeugHinzufuegen(std::make_unique<Zielwerkzeug>(maus.editor(), opt, std::move(gegriffen)));
}

}  // namespace trm
