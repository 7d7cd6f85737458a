// Copying and restoring the state of a layout.
#include "core/model/Anlagestand.h"

namespace trm {

namespace {

/// Copies the modules for layout `ziel` and points every reference at the copies.
std::vector<std::unique_ptr<TModul>> ModuleKopieren(const std::vector<std::unique_ptr<TModul>>& module,
                                                    Anlage* ziel) {
  std::vector<std::unique_ptr<TModul>> kopie;
  kopie.reserve(module.size());
  TUmsetzung u;
  for (const auto& m : module) {
    kopie.push_back(m->Klonen(ziel));
    kopie.back()->UmsetzungEintragen(*m, u);
  }
  for (auto& m : kopie) m->ZeigerUmsetzen(u);
  return kopie;
}

}  // namespace

std::size_t TAnlagestand::Groesse() const {
  std::size_t n = sizeof(*this);
  for (const auto& m : module) {
    n += sizeof(TModul);
    for (const auto& g : m->Gleise) {
      n += sizeof(TGleis) + g->Verbund.size() * sizeof(void*) + g->Nachfolger.size() * sizeof(void*);
      for (const auto& b : g->Boegen) n += sizeof(TBogen) + (b->Spurpunkte.size() + b->DistPunkte.size()) * sizeof(TSpurpunkt);
    }
    n += m->Elemente.size() * 4096;  // an element with its plans, roughly
  }
  return n;
}

TAnlagestand StandAufnehmen(const Anlage& a) {
  TAnlagestand s;
  s.kopf = a;
  s.module = ModuleKopieren(a.Module, const_cast<Anlage*>(&a));
  s.aktModul = a.AktModul;
  return s;
}

TAnlagestand StandTauschen(Anlage& a, TAnlagestand&& s) {
  TAnlagestand vorher;
  vorher.kopf = a;
  vorher.module = std::move(a.Module);
  vorher.aktModul = a.AktModul;
  // The name follows the file the layout was last saved as, not the step.
  const std::string name = a.Name;
  static_cast<AnlageKopf&>(a) = s.kopf;
  a.Name = name;
  a.Module = std::move(s.module);
  // The display scale is a view setting: the modules keep the scale they are shown at.
  for (std::size_t i = 0; i < a.Module.size() && i < vorher.module.size(); ++i)
    a.Module[i]->MmProPixel = vorher.module[i]->MmProPixel;
  for (auto& m : a.Module) m->Anlage_ = &a;
  a.AktModul = s.aktModul;
  return vorher;
}

}  // namespace trm
