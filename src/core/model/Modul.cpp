// Module settings resolution and track selection.
#include "core/model/Modul.h"

#include "core/model/Anlage.h"

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
  };
  if (Anlage_) {
    for (auto& m : Anlage_->Module) bereinigen(*m);
  } else {
    bereinigen(*this);
  }
  Gleise.erase(Gleise.begin() + i);
}

TElement* TModul::WeicheVon(const TGleis& g) const {
  TElement* gefunden = nullptr;
  for (const auto& w : Weichen)
    if (w->Nummer() == g.WeichenNr) gefunden = w.get();
  return gefunden;
}

TElement* TModul::KreuzungVon(const TGleis& g) const {
  TElement* gefunden = nullptr;
  for (const auto* liste : {&Kreuzungen, &EKWs, &DKWs})
    for (const auto& k : *liste)
      if (k->Nummer() == g.KrNr) gefunden = k.get();
  return gefunden;
}

int TModul::GleisIndex(const TGleis* g) const {
  for (std::size_t i = 0; i < Gleise.size(); ++i)
    if (Gleise[i].get() == g) return static_cast<int>(i);
  return -1;
}

}  // namespace trm
