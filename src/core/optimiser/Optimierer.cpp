// The optimiser's commands over the editor's command layer.
#include "core/optimiser/Optimierer.h"

#include <algorithm>
#include <cmath>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/OptiEP.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

constexpr const char* kZuWenig =
    "Um eine Optimierung erfolgreich durchzuführen\r müssen mindestens zwei \"freie\" Parameter vorhanden "
    "sein,\r d. h. zum Beispiel Radius und Länge, wenn nur ein Bogen\r vorhanden ist!";

}  // namespace

std::shared_ptr<TOptiEP> ZielAusBogen(const TBogen& b) {
  auto z = std::make_shared<TOptiEP>();
  z->OptiX = b.XEnde;
  z->OptiY = b.YEnde;
  z->OptiW = b.WEnde;
  return z;
}

Optimierer::Optimierer(Editor& editor, Dialoge& dialoge) : ed_(editor), dialoge_(dialoge) {}

bool Optimierer::AnfangMarkieren() {
  TGleis* g = ed_.gleis();
  TBogen* b = ed_.bogen();
  if (!g || !b || !g->IstGewoehnlich()) return false;
  return ed_.Ausfuehren("Optimierungsanfangspunkt", [&] {
    const bool war = b->OptiAnf;
    for (auto& x : g->Boegen) x->OptiAnf = false;
    b->OptiAnf = !war;
    ReihenfolgePruefen(*g);
    return true;
  });
}

std::optional<bool> Optimierer::EndeMarkieren() {
  TGleis* g = ed_.gleis();
  TBogen* b = ed_.bogen();
  if (!g || !b || !g->IstGewoehnlich()) return std::nullopt;
  std::optional<bool> fenster;
  ed_.Ausfuehren("Optimierungsendpunkt", [&] {
    if (b->OptiEnde) {
      b->OptiEnde = false;
      b->OptiEP.reset();
      fenster = false;
    } else {
      for (auto& x : g->Boegen) {
        x->OptiEnde = false;
        x->OptiEP.reset();
      }
      b->OptiEnde = true;
      b->OptiEP = ZielAusBogen(*b);
      OptiEP = b->OptiEP;
      fenster = true;
    }
    ReihenfolgePruefen(*g);
    return true;
  });
  return fenster;
}

void Optimierer::ReihenfolgePruefen(TGleis& g) {
  std::optional<std::size_t> anf, ende;
  for (std::size_t i = 0; i < g.Boegen.size(); ++i) {
    if (g.Boegen[i]->OptiAnf) anf = i;
    if (g.Boegen[i]->OptiEnde) ende = i;
  }
  if (!anf || !ende || *ende >= *anf) return;
  const Antwort a = dialoge_.Frage(
      "Der Optimierungsendpunkt muss in Planungsrichtung hinter dem Optimierungsanfangspunkt liegen.\n\r"
      "Diese Punkte tauschen?",
      Knoepfe::OkAbbrechen);
  for (auto& x : g.Boegen) {
    x->OptiAnf = x->OptiEnde = false;
    x->OptiEP.reset();
  }
  if (a != Antwort::Ja) return;
  TBogen& frueh = *g.Boegen[*ende];
  TBogen& spaet = *g.Boegen[*anf];
  frueh.OptiAnf = true;
  spaet.OptiEnde = true;
  spaet.OptiEP = ZielAusBogen(spaet);
  OptiEP = spaet.OptiEP;
}

std::optional<std::pair<std::size_t, std::size_t>> Optimierer::Kette(const TGleis& g) const {
  if (g.Boegen.empty()) return std::nullopt;
  std::size_t erster = 0, letzter = g.Boegen.size() - 1;
  for (std::size_t i = 0; i < g.Boegen.size(); ++i) {
    if (g.Boegen[i]->OptiAnf) erster = i;
    if (g.Boegen[i]->OptiEnde) letzter = i;
  }
  if (letzter < erster) return std::nullopt;
  return std::make_pair(erster, letzter);
}

OptiAusgang Optimierer::Optimieren(const TOptiStatus& status) {
  lauf_.reset();
  TGleis* g = ed_.gleis();
  if (!g) return OptiAusgang::Nichts;
  if (!g->IstGewoehnlich() || g->Element) {
    dialoge_.Information("Innerhalb einer Weiche ist keine Optimierung möglich");
    return OptiAusgang::Nichts;
  }
  const auto kette = Kette(*g);
  if (!kette) return OptiAusgang::Nichts;
  if (!OptiEP) {
    // The window can be opened before any end mark: a run then aims at the end-marked
    // segment's own target, or has none.
    const TBogen& e = *g->Boegen[kette->second];
    if (e.OptiEnde && e.OptiEP) OptiEP = e.OptiEP;
  }
  if (!OptiEP) {
    dialoge_.Information("Es ist kein Optimierungsendpunkt gesetzt.");
    return OptiAusgang::Nichts;
  }
  return Lauf(*g, kette->first, kette->second, status);
}

OptiAusgang Optimierer::Lauf(TGleis& g, std::size_t erster, std::size_t letzter, const TOptiStatus& status) {
  TOptiKette kette(g, erster, letzter);
  const std::vector<TOptiKette::Werte> vorher = kette.Sichern();
  Laufstand stand;
  stand.modul = ed_.anlage().AktModul;
  stand.gleis = g.Nummer;
  stand.erster = erster;
  stand.boegen = g.Boegen.size();
  for (const auto& w : vorher) {
    stand.laengen.push_back(w.laenge);
    stand.anfRadien.push_back(w.anf);
    stand.endRadien.push_back(w.ende);
  }
  lauf_ = std::move(stand);
  const TOptiZielwerte ziel{OptiEP->OptiX, OptiEP->OptiY, OptiEP->OptiW * 180.0 / Pi};

  OptiAusgang ausgang = OptiAusgang::Nichts;
  ed_.Ausfuehren("Optimierung", [&] {
    // The chain starts where the track now puts it.
    g.PunkteBerechnen();
    if (status.zeigen) status.zeigen();
    TOptiLaufOptionen optionen;
    optionen.abbrechen = status.abbrechen;
    optionen.polieren = Polieren;
    ergebnis_ = OptiLauf(kette, ziel, Zufall, optionen);
    if (status.schliessen) status.schliessen();

    bool behalten = true;
    if (ergebnis_.wert < 0 && !ergebnis_.abgebrochen) {
      dialoge_.Information(kZuWenig);
      ausgang = OptiAusgang::ZuWenigParameter;
      behalten = false;
    } else if (ergebnis_.abgebrochen) {
      ausgang = OptiAusgang::Abgebrochen;
      behalten = false;
    } else if (ergebnis_.wert <= 1e-4) {
      dialoge_.Information("Optimierung erfolgreich beendet");
      ausgang = OptiAusgang::Erfolg;
    } else {
      const TAbweichung a = kette.Abweichung(ziel);
      const std::string text = "Die Optimierung war nicht erfolgreich:\n\rx-Abweichung: " + FestText(a.dx) +
                               "\n\ry-Abweichung: " + FestText(a.dy) + "\n\rWinkel-Abweichung: " + FestText(a.dw) +
                               "\n\r\n\rErgebnis trotzdem verwenden?";
      behalten = dialoge_.Frage(text, Knoepfe::JaNein) == Antwort::Ja;
      ausgang = behalten ? OptiAusgang::Behalten : OptiAusgang::Verworfen;
    }
    if (!behalten) {
      kette.Zuruecksetzen(vorher);
      g.PunkteBerechnen();
      return false;
    }
    g.PunkteBerechnen();
    LageWeitergeben(*g.Modul, &g);
    return true;
  });
  if (ausgang == OptiAusgang::ZuWenigParameter) lauf_.reset();
  return ausgang;
}

TGleis* Optimierer::LaufGleis() const {
  if (!lauf_) return nullptr;
  Editor& ed = const_cast<Editor&>(ed_);
  TModul* m = ed.modul();
  if (!m || ed.anlage().AktModul != lauf_->modul) return nullptr;
  for (const auto& g : m->Gleise)
    if (g->Nummer == lauf_->gleis)
      return g->Boegen.size() == lauf_->boegen ? g.get() : nullptr;
  return nullptr;
}

bool Optimierer::RueckgaengigMoeglich() const { return LaufGleis() != nullptr; }

bool Optimierer::Rueckgaengig() {
  TGleis* g = LaufGleis();
  if (!g) return false;
  const Laufstand& s = *lauf_;
  const bool ok = ed_.Ausfuehren("Optimierung rückgängig", [&] {
    for (std::size_t i = 0; i < s.laengen.size(); ++i) {
      TBogen& b = *g->Boegen[s.erster + i];
      b.SetLaenge(s.laengen[i]);
      b.SetAnfRadius(s.anfRadien[i]);
      b.SetEndRadius(s.endRadien[i]);
    }
    g->PunkteBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
  lauf_.reset();
  return ok;
}

std::optional<TLuecke> Optimierer::Luecke(double abstand) const {
  Editor& ed = const_cast<Editor&>(ed_);
  const TModul* m = ed.modul();
  const TGleis* g = ed.gleis();
  if (!m || !g || g->Boegen.empty() || !g->IstGewoehnlich()) return std::nullopt;
  const double xe = g->XEnde(), ye = g->YEnde();
  std::optional<TLuecke> beste;
  for (const auto& h : m->Gleise) {
    if (h.get() == g || h->Boegen.empty()) continue;
    const double d = std::hypot(h->XAnf - xe, h->YAnf - ye);
    if (!(d > 0.0001 && d < abstand)) continue;
    if (beste && beste->abstand <= d) continue;
    beste = TLuecke{h.get(), d, WinkelDifferenzGrad(h->WAnf() * 180.0 / Pi, g->WEnde() * 180.0 / Pi)};
  }
  return beste;
}

OptiAusgang Optimierer::LueckeSchliessen(double abstand, const TOptiStatus& status) {
  const auto l = Luecke(abstand);
  TGleis* g = ed_.gleis();
  if (!l || !g) return OptiAusgang::Nichts;
  auto ziel = std::make_shared<TOptiEP>();
  ziel->OptiX = l->nach->XAnf;
  ziel->OptiY = l->nach->YAnf;
  ziel->OptiW = l->nach->WAnf();
  OptiEP = ziel;
  std::size_t erster = 0, letzter = g->Boegen.size() - 1;
  bool markiert = false;
  for (std::size_t i = 0; i < g->Boegen.size(); ++i) {
    if (g->Boegen[i]->OptiAnf) erster = i, markiert = true;
    if (g->Boegen[i]->OptiEnde) markiert = true;
  }
  if (markiert) {
    const auto k = Kette(*g);
    if (!k) return OptiAusgang::Nichts;
    erster = k->first;
    // The chain must end at the track's end to meet the other start.
    letzter = g->Boegen.size() - 1;
  } else {
    erster = g->Boegen.size() > 3 ? g->Boegen.size() - 3 : 0;
  }
  lauf_.reset();
  return Lauf(*g, erster, letzter, status);
}

}  // namespace trm
