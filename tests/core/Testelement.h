// A stand-in element for link tests: only tracks by role and a recompute; nothing to write
// or draw.
#pragma once

#include <memory>
#include <string>

#include "core/model/Element.h"
#include "core/model/Gleis.h"

namespace trm {

template <class T>
class Testelement : public TElement {
 public:
  explicit Testelement(Elementart art) : art_(art) {}
  Elementart Art() const override { return art_; }
  std::string Typname() const override { return "Test"; }
  void NummerSetzen(std::int32_t) override {}  // stand-ins are never read from files
  void DatenSchreiben(Zeilen&) const override {}
  void TypSchreiben(Zeilen&) const override {}
  void Zeichnen(const Anlage&, Canvas&, const TAnsicht&) const override {}
  std::unique_ptr<TElement> Klonen() const override { return std::make_unique<T>(static_cast<const T&>(*this)); }
  void ZeigerUmsetzen(const TUmsetzung& u, TModul* m) override {
    Modul = m;
    static_cast<T*>(this)->Umsetzen(u);
  }

 private:
  Elementart art_;
};

}  // namespace trm
