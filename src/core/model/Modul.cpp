// Module settings resolution and track selection.
#include "core/model/Modul.h"

#include <algorithm>

#include "core/model/Anlage.h"
#include "core/model/Elementart.h"

namespace trm {

double TModul::Wert(Einstellung e) const {
  const double eigen = Eigen.*e;
  if (eigen != NichtGesetzt || Anlage_ == nullptr) return eigen;
  return Anlage_->Werte.*e;
}

std::int32_t TModul::HintergrundFarbe() const {
  if (Farbe != -1 || Anlage_ == nullptr) return Farbe;
  return Anlage_->Farbe;
}

TGleis* TModul::GleisAnhaengen() {
  Gleise.push_back(std::make_unique<TGleis>(this));
  return Gleise.back().get();
}

TGleis* TModul::GleisEinfuegen(int i) {
  i = std::clamp(i, 0, static_cast<int>(Gleise.size()));
  if (AktGleis >= i && AktGleis < static_cast<int>(Gleise.size())) ++AktGleis;
  return Gleise.insert(Gleise.begin() + i, std::make_unique<TGleis>(this))->get();
}

void TModul::GleisWaehlen(int i) {
  for (auto& g : Gleise) g->Markiert = false;
  if (i >= 0 && i < static_cast<int>(Gleise.size())) Gleise[static_cast<std::size_t>(i)]->Markiert = true;
  AktGleis = i;
}

TGleis* TModul::AktuellesGleis() const {
  if (AktGleis < 0 || AktGleis >= static_cast<int>(Gleise.size())) return nullptr;
  return Gleise[static_cast<std::size_t>(AktGleis)].get();
}

void TModul::GleisEntfernen(int i) {
  if (i < 0 || i >= static_cast<int>(Gleise.size())) return;
  TGleis* weg = Gleise[static_cast<std::size_t>(i)].get();
  auto bereinigen = [weg](TModul& m) {
    for (auto& g : m.Gleise) {
      if (g->Vorgaenger == weg) g->Vorgaenger = nullptr;
      std::erase(g->Nachfolger, weg);
      if (g.get() != weg) std::erase(g->Verbund, weg);
    }
    for (auto& e : m.Elemente) e->GleisEntfernt(weg);
  };
  if (Anlage_) {
    for (auto& m : Anlage_->Module) bereinigen(*m);
  } else {
    bereinigen(*this);
  }
  Gleise.erase(Gleise.begin() + i);
}

int TModul::Anzahl(Elementart art) const {
  int n = 0;
  for (const auto& e : Elemente) n += e->Art() == art;
  return n;
}

std::vector<TElement*> TModul::ElementeDerArt(Elementart art) const {
  std::vector<TElement*> liste;
  for (const auto& e : Elemente)
    if (e->Art() == art) liste.push_back(e.get());
  return liste;
}

int TModul::ElementIndex(const TElement* e) const {
  for (std::size_t i = 0; i < Elemente.size(); ++i)
    if (Elemente[i].get() == e) return static_cast<int>(i);
  return -1;
}

TElement* TModul::ElementHinzufuegen(std::unique_ptr<TElement> e) {
  // Kinds keep the order of their records: a new element goes behind the last of its kind
  // and of every earlier kind.
  const auto rang = [](Elementart a) {
    const auto& arten = Elementarten();
    for (std::size_t k = 0; k < arten.size(); ++k)
      if (arten[k].art == a) return static_cast<int>(k);
    return static_cast<int>(arten.size());
  };
  const int r = rang(e->Art());
  auto pos = Elemente.begin();
  while (pos != Elemente.end() && rang((*pos)->Art()) <= r) ++pos;
  e->Modul = this;
  return Elemente.insert(pos, std::move(e))->get();
}

void TModul::ElementWaehlen(int i) {
  for (auto& e : Elemente) e->Markiert = false;
  if (i >= 0 && i < static_cast<int>(Elemente.size())) Elemente[static_cast<std::size_t>(i)]->Markiert = true;
  AktElement = i;
}

int TModul::GleisIndex(const TGleis* g) const {
  for (std::size_t i = 0; i < Gleise.size(); ++i)
    if (Gleise[i].get() == g) return static_cast<int>(i);
  return -1;
}

std::unique_ptr<TModul> TModul::Klonen(Anlage* a) const {
  std::unique_ptr<TModul> kopie(new TModul(*this));
  kopie->Anlage_ = a;
  return kopie;
}

void TModul::UmsetzungEintragen(const TModul& original, TUmsetzung& u) const {
  for (std::size_t i = 0; i < Gleise.size(); ++i) {
    const TGleis& alt = *original.Gleise[i];
    TGleis& neu = *Gleise[i];
    u.gleise.emplace(&alt, &neu);
    for (std::size_t k = 0; k < neu.Boegen.size(); ++k) u.boegen.emplace(alt.Boegen[k].get(), neu.Boegen[k].get());
  }
  for (std::size_t i = 0; i < Elemente.size(); ++i) u.elemente.emplace(original.Elemente[i].get(), Elemente[i].get());
}

void TModul::ZeigerUmsetzen(const TUmsetzung& u) {
  for (auto& g : Gleise) g->ZeigerUmsetzen(u, this);
  for (auto& e : Elemente) e->ZeigerUmsetzen(u, this);
}

}  // namespace trm
