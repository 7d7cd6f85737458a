// Layout root: module selection, track look-up and number hand-out.
#include "core/model/Anlage.h"

#include <random>

namespace trm {

Anlage::Anlage(std::shared_ptr<Zufall> zufall) : Zufallsquelle(std::move(zufall)) {
  if (!Zufallsquelle) Zufallsquelle = std::make_shared<MersenneZufall>(std::random_device{}());
  // Defaults until a file is read: the values of an H0 layout.
  Werte.MaxKruemmung = 1.0 / 300.0;
  Werte.SwAbst = 7.5;
  Werte.SwBrt = 3;
  Werte.Spur = 16.5;
  Werte.SwLen = 30;
  Werte.TrBrt = 40;
  Werte.GlsAbst = 46;
  Werte.SpurAussen = 18.5;
}

TModul* Anlage::AktuellesModul() const {
  if (AktModul < 0 || AktModul >= static_cast<int>(Module.size())) return nullptr;
  return Module[static_cast<std::size_t>(AktModul)].get();
}

void Anlage::ModulWaehlen(int i) {
  for (auto& m : Module) m->Aktiv = false;
  if (i >= 0 && i < static_cast<int>(Module.size())) Module[static_cast<std::size_t>(i)]->Aktiv = true;
  AktModul = i;
}

TModul* Anlage::ModulAnhaengen() {
  Module.push_back(std::make_unique<TModul>(this));
  return Module.back().get();
}

TModul* Anlage::NeuesModulAnlegen() {
  const std::int32_t nr = NeueNummer(BereichModul);
  TModul* m = ModulAnhaengen();
  ModulWaehlen(static_cast<int>(Module.size()) - 1);
  m->MmProPixel = StdMmProPixel;
  m->Breite = StdBreite;
  m->Hoehe = StdHoehe;
  m->Name = "Modul " + std::to_string(Module.size());
  TGleis* g = m->GleisAnhaengen();
  g->Nummer = nr;
  g->XAnf = 0;
  g->YAnf = m->Hoehe / 2.0;
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(200);
  g->BogenAnhaengen(std::move(b));
  m->GleisWaehlen(0);
  g->BogenWaehlen(0);
  return m;
}

void Anlage::ModulEntfernen(int i) {
  if (i < 0 || i >= static_cast<int>(Module.size())) return;
  const TModul* weg = Module[static_cast<std::size_t>(i)].get();
  auto gehoertDazu = [weg](const TGleis* g) { return g != nullptr && g->Modul == weg; };
  for (auto& m : Module) {
    if (m.get() == weg) continue;
    for (auto& g : m->Gleise) {
      if (gehoertDazu(g->Vorgaenger)) g->Vorgaenger = nullptr;
      std::erase_if(g->Nachfolger, gehoertDazu);
      std::erase_if(g->Verbund, gehoertDazu);
    }
  }
  Module.erase(Module.begin() + i);
}

TGleis* Anlage::GleisMitNummer(std::int32_t n) const {
  TGleis* gefunden = nullptr;
  for (const auto& m : Module)
    for (const auto& g : m->Gleise)
      if (g->Nummer == n) gefunden = g.get();
  return gefunden;
}

bool Anlage::IDFrei(std::int64_t n) const {
  if (IDListe.count(std::to_string(n))) return false;
  for (const auto& m : Module)
    for (const auto& g : m->Gleise)
      if (g->Nummer == n) return false;
  return true;
}

std::int32_t Anlage::NeueNummer(std::int64_t bereich) {
  std::int64_t n = Zufallsquelle->Ziehen(bereich);
  while (!IDFrei(n)) ++n;
  IDListe.insert(std::to_string(n));
  return static_cast<std::int32_t>(n);
}

bool Anlage::ElementnummerFrei(std::int64_t n) const {
  if (!IDFrei(n)) return false;
  for (const auto& m : Module)
    for (const auto& e : m->Elemente)
      if (e->Nummer() == n) return false;
  return true;
}

std::int32_t Anlage::NeueElementnummer(std::int64_t bereich, std::int64_t plus) {
  std::int64_t n = Zufallsquelle->Ziehen(bereich) + plus;
  while (!ElementnummerFrei(n)) ++n;
  IDListe.insert(std::to_string(n));
  return static_cast<std::int32_t>(n);
}

char Anlage::Option(int pos) const {
  if (pos < 1 || pos > static_cast<int>(Optionen.size())) return '0';
  return Optionen[static_cast<std::size_t>(pos - 1)];
}

}  // namespace trm
