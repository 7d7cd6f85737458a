// Shared test fixtures of the model: a layout with one current module, tracks of straight
// segments, and a random source that hands out scripted numbers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/model/Anlage.h"

namespace trm::test {

/// Numbers handed out in a fixed order (the last one again when they run out); records the
/// bounds asked for.
class FesteZahlen : public Zufall {
 public:
  explicit FesteZahlen(std::vector<std::int64_t> z) : z_(std::move(z)) {}
  std::int64_t Ziehen(std::int64_t obergrenze) override {
    grenzen.push_back(obergrenze);
    return z_[std::min(i_++, z_.size() - 1)];
  }
  std::vector<std::int64_t> grenzen;

 private:
  std::vector<std::int64_t> z_;
  std::size_t i_ = 0;
};

/// A layout with one module (display scale 2 mm per pixel) that is current.
struct Testplan {
  Anlage a;
  TModul* m;
  explicit Testplan(std::shared_ptr<Zufall> z = std::make_shared<MersenneZufall>(7)) : a(std::move(z)) {
    m = a.ModulAnhaengen();
    m->MmProPixel = 2;
    a.ModulWaehlen(0);
  }
  /// A track numbered nr of straight segments of the given lengths from (x, y), its points
  /// computed.
  TGleis* Gleis(std::int32_t nr, std::vector<double> laengen = {100}, double x = 0, double y = 0) {
    TGleis* g = m->GleisAnhaengen();
    g->Nummer = nr;
    g->XAnf = x;
    g->YAnf = y;
    for (double l : laengen) {
      auto b = std::make_unique<TBogen>();
      b->SetLaenge(l);
      g->BogenAnhaengen(std::move(b));
    }
    g->PunkteBerechnen();
    return g;
  }
};

}  // namespace trm::test
