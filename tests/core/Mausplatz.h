// An editor with its mouse over a fresh document whose first module is emptied, for tests that
// drive the mouse machine with pixel events.
#pragma once

#include <memory>

#include "SkriptDialoge.h"
#include "core/editor/Maus.h"
#include "core/model/Modul.h"

namespace trm::test {

struct Mausplatz {
  SkriptDialoge dialoge;
  Dokument dok{dialoge, "/nonexistent-trassomatic-test", std::make_shared<MersenneZufall>(7)};
  Editor ed{dok, dialoge};
  Mausbedienung maus{ed};
  Anlage& a = dok.anlage();
  TModul* m = a.Module[0].get();

  /// The module emptied, drawn at mmProPixel, breite × hoehe mm.
  Mausplatz(double mmProPixel, std::int32_t breite, std::int32_t hoehe) {
    m->Gleise.clear();
    m->MmProPixel = mmProPixel;
    m->Breite = breite;
    m->Hoehe = hoehe;
  }
};

}  // namespace trm::test
