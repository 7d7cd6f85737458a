// Track settings resolution, segment list handling and point computation.
#include "core/model/Gleis.h"

#include "core/model/Modul.h"

namespace trm {

double TGleis::XEnde() const { return Boegen.back()->XEnde; }
double TGleis::YEnde() const { return Boegen.back()->YEnde; }
double TGleis::ZEnde() const { return Boegen.back()->ZEnde; }
double TGleis::WEnde() const { return WinkelNorm(Boegen.back()->WEnde); }

double TGleis::Wert(Einstellung e) const {
  const double eigen = Eigen.*e;
  if (eigen != NichtGesetzt || Modul == nullptr) return eigen;
  return Modul->Wert(e);
}

void TGleis::SetWeichengleis(bool w) {
  if (GlsTyp.size() < 2) GlsTyp.resize(2, '0');
  GlsTyp[0] = w ? '1' : '0';
}

void TGleis::SetDSGleis(bool d) {
  if (GlsTyp.size() < 2) GlsTyp.resize(2, '0');
  DSGleis = d;
  GlsTyp[1] = d ? '1' : '0';
}

TBogen* TGleis::BogenAnhaengen(std::unique_ptr<TBogen> b) {
  b->Gleis = this;
  b->Vorgaenger = Boegen.empty() ? nullptr : Boegen.back().get();
  b->Index = static_cast<int>(Boegen.size());
  Boegen.push_back(std::move(b));
  return Boegen.back().get();
}

void TGleis::BogenVorgaengerNeu() {
  TBogen* vorher = nullptr;
  for (auto& b : Boegen) {
    b->Gleis = this;
    b->Vorgaenger = vorher;
    vorher = b.get();
  }
}

void TGleis::BogenWaehlen(int i) {
  if (Modul) {
    for (auto& g : Modul->Gleise)
      for (auto& b : g->Boegen) b->Markiert = false;
  } else {
    for (auto& b : Boegen) b->Markiert = false;
  }
  if (i >= 0 && i < static_cast<int>(Boegen.size())) Boegen[static_cast<std::size_t>(i)]->Markiert = true;
  AktBogen = i;
}

TBogen* TGleis::AktuellerBogen() const {
  if (AktBogen < 0 || AktBogen >= static_cast<int>(Boegen.size())) return nullptr;
  return Boegen[static_cast<std::size_t>(AktBogen)].get();
}

void TGleis::PunkteBerechnen() {
  for (auto& b : Boegen) b->PunkteBerechnen();
}

}  // namespace trm
