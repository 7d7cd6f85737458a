// The structure validator: sound layouts read from files pass, and each kind of broken link,
// owner, element flag or index made by hand is named.
#include <gtest/gtest.h>

#include <functional>

#include "Pruefhilfe.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "Testelement.h"

namespace trm {
namespace {

/// An element with two tracks that carry its number as turnout tracks.
class Stellvertreter : public Testelement<Stellvertreter> {
 public:
  Stellvertreter(std::int32_t nr, TGleis* a, TGleis* b) : Testelement(Elementart::Weiche), nr_(nr), a_(a), b_(b) {}
  void Umsetzen(const TUmsetzung&) {}
  std::int32_t Nummer() const override { return nr_; }
  TGleis* Stammgleis() const override { return a_; }
  TGleis* Zweiggleis() const override { return b_; }
  void VomAnfangBerechnen() override {}
  std::int32_t nr_;
  TGleis *a_, *b_;
};

/// A sound small layout: a chain 1 → 2 → turnout (3, 4), built by the link operations and
/// propagated. The stand-in turnout leaves its branch where it is.
struct Kleinanlage {
  Anlage a{std::make_shared<MersenneZufall>(2)};
  TModul* m = a.ModulAnhaengen();
  std::vector<TGleis*> g;
  Kleinanlage() {
    for (std::int32_t nr = 1; nr <= 4; ++nr) {
      g.push_back(m->GleisAnhaengen());
      g.back()->Nummer = nr;
      g.back()->YAnf = 10 * nr;
      for (int k = 0; k < 2; ++k) {
        auto b = std::make_unique<TBogen>();
        b->SetLaenge(50);
        g.back()->BogenAnhaengen(std::move(b));
      }
    }
    for (TGleis* t : {g[2], g[3]}) {
      t->SetWeichengleis(true);
      t->WeichenNr = 50;
    }
    TElement* e = m->ElementHinzufuegen(std::make_unique<Stellvertreter>(50, g[2], g[3]));
    g[2]->Element = g[3]->Element = e;
    AlsNachfolgerEinfuegen(*m, g[0], g[1]);
    AlsNachfolgerEinfuegen(*m, g[1], g[2]);
    VerbundAufbauen(*m, g[0]);
    LageWeitergeben(*m, g[0]);
    ModulBerechnen(*m);
  }
};

std::string Zusammen(const std::vector<std::string>& v) {
  std::string s;
  for (const auto& x : v) s += x + "\n";
  return s;
}

TEST(Pruefung, GelesenePlaeneSindGesund) {
  for (const char* datei : {"weichenplan.m88", "bogenplan.m88"}) {
    auto a = AnlageLaden(std::string(TRM_TESTDATEN) + "/" + datei, "/nirgends/", nullptr);
    // Positions are read as stored; the hand-written plan has its second track off its
    // predecessor's end until the first propagation.
    for (auto& m : a->Module)
      for (auto& g : m->Gleise)
        if (!g->Vorgaenger) LageWeitergeben(*m, g.get());
    EXPECT_TRUE(test::Gesund(*a)) << datei;
  }
  Kleinanlage k;
  ERWARTE_GESUND(k.a);
  // A loop of straight tracks does not close: it stays open where the propagation began.
  AlsNachfolgerVerbinden(*k.m, k.g[0], k.g[2]);
  ModulBerechnen(*k.m);
  EXPECT_NE(k.g[1]->XAnf, k.g[2]->XEnde());
  ERWARTE_GESUND(k.a);
}

TEST(Pruefung, JederBruchWirdGenannt) {
  // A track of another layout stands for a removed one: its address is no track of this layout.
  Anlage fremd;
  TGleis* fremdesGleis = fremd.ModulAnhaengen()->GleisAnhaengen();

  struct Fall {
    const char* was;
    std::function<void(Kleinanlage&)> brechen;
    const char* meldung;
  };
  const std::vector<Fall> faelle = {
      {"einseitiger Verbund", [](Kleinanlage& k) { std::erase(k.g[1]->Verbund, k.g[0]); },
       "dessen Verbund das Gleis nicht enthält"},
      {"ungleiche Gruppen",
       [](Kleinanlage& k) {
         // 1 and 2 hold each other, and so do 2 and 3, but 1 and 3 do not.
         for (TGleis* t : k.g) t->Verbund = {t};
         k.g[0]->Verbund = {k.g[0], k.g[1]};
         k.g[1]->Verbund = {k.g[1], k.g[0], k.g[2]};
         k.g[2]->Verbund = {k.g[2], k.g[1]};
       },
       "andere Mitglieder"},
      {"Verbund ohne sich selbst", [](Kleinanlage& k) { std::erase(k.g[0]->Verbund, k.g[0]); },
       "selbst nicht"},
      {"doppelter Eintrag", [](Kleinanlage& k) { k.g[0]->Verbund.push_back(k.g[1]); }, "mehrfach"},
      {"Nachfolger ohne Vorgänger", [](Kleinanlage& k) { k.g[1]->Vorgaenger = nullptr; },
       "hat einen anderen Vorgänger"},
      {"Vorgänger ohne Nachfolger", [](Kleinanlage& k) { k.g[0]->Nachfolger.clear(); },
       "fehlt in den Nachfolgern"},
      {"entferntes Gleis im Verbund",
       [&](Kleinanlage& k) { k.g[0]->Verbund.push_back(fremdesGleis); },
       "Verbund verweist auf ein Gleis, das nicht zur Anlage gehört"},
      {"entferntes Gleis als Nachfolger",
       [&](Kleinanlage& k) { k.g[1]->Nachfolger.push_back(fremdesGleis); },
       "Nachfolger verweist auf ein Gleis, das nicht zur Anlage gehört"},
      {"entferntes Gleis als Vorgänger", [&](Kleinanlage& k) { k.g[0]->Vorgaenger = fremdesGleis; },
       "Vorgänger ist ein Gleis, das nicht zur Anlage gehört"},
      {"fremder Bogen", [](Kleinanlage& k) { k.g[0]->Boegen[1]->Gleis = k.g[1]; }, "anderen Gleis"},
      {"Bogenkette", [](Kleinanlage& k) { k.g[1]->Boegen[1]->Vorgaenger = nullptr; },
       "nicht der vorige Bogen"},
      {"Gleis im falschen Modul", [](Kleinanlage& k) { k.g[0]->Modul = nullptr; }, "anderen Modul"},
      {"Index", [](Kleinanlage& k) { k.m->AktGleis = 4; }, "AktGleis 4 außerhalb von 0..3"},
      {"Anfang neben dem Ende des Vorgängers", [](Kleinanlage& k) { k.g[1]->XAnf += 1e-4; },
       "mm neben dem Ende seines Vorgängers"},
      {"Anfang in anderer Richtung", [](Kleinanlage& k) { k.g[2]->SetWAnf(k.g[2]->WAnf() + 1e-6); },
       "in anderer Richtung als das Ende seines Vorgängers"},
      {"Zweiggleis ohne das angeschlossene Gleis",
       [](Kleinanlage& k) {
         k.g[1]->Nachfolger = {k.g[3]};
         k.g[3]->Vorgaenger = k.g[1];
         k.g[2]->Vorgaenger = nullptr;
       },
       "ohne das angeschlossene Gleis"},
      {"Weichengleis ohne Weiche", [](Kleinanlage& k) { k.g[1]->SetWeichengleis(true); },
       "gehört zu 0 Elementen"},
      {"Weichengleis ohne Kennzeichen", [](Kleinanlage& k) { k.g[3]->SetWeichengleis(false); },
       "nicht als Gleis eines Elements"},
      {"Weichengleis ohne Verweis", [](Kleinanlage& k) { k.g[3]->Element = nullptr; }, "verweist nicht auf sein Element"},
      {"Weiche mit fremdem Gleis",
       [&](Kleinanlage& k) { static_cast<Stellvertreter&>(*k.m->Elemente[0]).b_ = fremdesGleis; },
       "Gleis gehört nicht zum Modul"},
  };
  for (const Fall& f : faelle) {
    Kleinanlage k;
    f.brechen(k);
    const std::string fehler = Zusammen(VerbindungenPruefen(k.a));
    EXPECT_NE(fehler.find(f.meldung), std::string::npos) << f.was << ":\n" << fehler;
  }
}

}  // namespace
}  // namespace trm
