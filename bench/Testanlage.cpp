// The generated benchmark layout.
#include "Testanlage.h"

#include <cmath>

#include "core/model/Neuberechnung.h"

namespace trm::bench {

std::unique_ptr<Anlage> Testanlage(int gleise, int boegenJeGleis) {
  auto a = std::make_unique<Anlage>(std::make_shared<MersenneZufall>(42));
  a->Name = "Benchmark";
  TModul* m = a->ModulAnhaengen();
  m->Name = "Modul 1";
  m->MmProPixel = 2;
  m->Breite = 20000;
  m->Hoehe = 10000;
  a->ModulWaehlen(0);
  for (int k = 0; k < gleise; ++k) {
    TGleis* g = m->GleisAnhaengen();
    g->Nummer = a->NeueNummer(BereichNeuesGleis);
    g->XAnf = 200.0 + (k % 40) * 480.0;
    g->YAnf = 200.0 + (k / 40) * 190.0;
    g->SetWAnf((k % 7) * 0.3);
    g->ZAnfWert = (k % 5) * 10.0;
    for (int j = 0; j < boegenJeGleis; ++j) {
      auto b = std::make_unique<TBogen>();
      switch ((k + j) % 4) {
        case 0:  // straight
          b->SetLaenge(100 + (j * 37) % 150);
          break;
        case 1:  // arc
          b->SetAnfRadius((j % 2 ? -1 : 1) * (360.0 + 40.0 * (k % 10)));
          b->SetEndRadius(b->AnfRadius());
          b->SetLaenge(150);
          break;
        case 2:  // transition curve from straight into an arc
          b->SetAnfRadius(0);
          b->SetEndRadius(500);
          b->SetLaenge(120);
          break;
        default:  // transition curve between two arcs
          b->SetAnfRadius(500);
          b->SetEndRadius(-700);
          b->SetLaenge(180);
          break;
      }
      if (j % 3 == 1) b->SetSteigung(2.0);
      if (j % 3 == 2) b->SetAusrunden(true);
      g->BogenAnhaengen(std::move(b));
    }
  }
  m->GleisWaehlen(0);
  m->Gleise[0]->BogenWaehlen(0);
  return a;
}

TModul& TestanlageEinsetzen(Anlage& a) {
  a.Module = std::move(Testanlage()->Module);
  a.ModulWaehlen(0);
  TModul& m = *a.Module[0];
  m.Anlage_ = &a;
  ModulBerechnen(m);
  return m;
}

}  // namespace trm::bench
