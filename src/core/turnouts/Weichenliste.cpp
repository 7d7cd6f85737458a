// The turnout library's kind and the placing of turnouts.
#include "core/turnouts/Weichenliste.h"

#include <cmath>

#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Weiche.h"

namespace trm {

void WeichentypLesen(const Zeilen& zeilen, std::size_t& i) {
  TEWeiche w;
  w.DatenLesen(zeilen, i);
}

namespace {

TListenzeile WeichenZeile(std::size_t nummer, const Zeilen& satz) {
  TListenzeile z = {std::to_string(nummer), satz[0], satz[1], satz[2], ""};
  // A value that does not read stays shown as stored; 0 is the file's straight.
  try {
    z[2] = FestText(TextReal(satz[1]), 3);
  } catch (const LeseFehler&) {
  }
  try {
    const double winkel = TextReal(satz[2]);
    z[3] = FestText(winkel * 180.0 / Pi, 3);
    z[4] = "1 : " + FestText(1.0 / std::tan(winkel), 2);
  } catch (const LeseFehler&) {
  }
  return z;
}

}  // namespace

const TListenart ListeWeichen{
    .satzlaenge = ZeilenWeiche,
    .standardName = StdWeichenliste,
    .endung = "w88",
    .filterOeffnen = "Weichenlisten (*w88)|*.w88",
    .filterSpeichern = "Weichenlisten (*.w88)|*.w88",
    .name = "Weichenliste",
    .exportLeer = "Keine Weichenliste zum exportieren vorhanden",
    .art = Elementart::Weiche,
    .titel = "Einfache Weichen",
    .fenster = "TfWListe",
    .auswaehlen = "Weiche auswählen",
    .entfernen = "Weiche aus der Liste entfernen",
    .spalten = {{"Nummer", 50}, {"Name", 300}, {"Radius", 100}, {"Winkel", 100}, {"Neigung", 100}},
    .zeile = WeichenZeile,
    .lesen = WeichentypLesen,
    .einsetzen = [](Anlage& a, const Zeilen& satz) { WeicheEinsetzen(a, satz); },
};

bool WeicheInListe(const Anlage& a, const TEWeiche& w, Dialoge& d) {
  Zeilen satz;
  try {
    w.TypSchreiben(satz);
  } catch (const SchreibFehler& e) {
    d.Fehler(e.what());
    return false;
  }
  return TypAnhaengen(a, ListeWeichen, satz, d);
}

TEWeiche* WeicheEinsetzen(Anlage& a, const Zeilen& satz) {
  TModul* m = a.AktuellesModul();
  TGleis* akt = m ? m->AktuellesGleis() : nullptr;
  TBogen* bogen = akt ? akt->AktuellerBogen() : nullptr;
  if (!bogen) return nullptr;
  ModulBerechnen(*m);
  std::size_t i = 0;
  auto neu = TEWeiche::AusSatz(*m, satz, i, a.NeueElementnummer(BereichEinsetzen, 1));
  // An element track hands on its own end, an ordinary track the end of the current segment.
  const bool element = !akt->IstGewoehnlich();
  neu->XAnf = element ? akt->XEnde() : bogen->XEnde;
  neu->YAnf = element ? akt->YEnde() : bogen->YEnde;
  neu->ZAnf = element ? akt->ZEnde() : bogen->ZEnde;
  neu->WAnf = element ? akt->WEnde() : WinkelNorm(bogen->WEnde);
  TEWeiche* w = WeicheHinzufuegen(*m, std::move(neu));
  m->ElementWaehlen(m->ElementIndex(w));
  TGleis* stamm = w->Stammgleis();
  VerbundVereinen(akt, stamm);
  VerbundVereinen(stamm, w->Zweiggleis());
  HinterBogenEinhaengen(a, *m, akt, stamm, !element);
  return w;
}

TEWeiche* WeicheEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) {
  TModul* m = a.AktuellesModul();
  if (!m) return nullptr;
  std::size_t i = 0;
  auto neu = TEWeiche::AusSatz(*m, satz, i, nummer);
  neu->XAnf = x;
  neu->YAnf = y;
  TEWeiche* w = WeicheHinzufuegen(*m, std::move(neu));
  VerbundVereinen(w->Stammgleis(), w->Zweiggleis());
  ModulBerechnen(*m);
  return w;
}

}  // namespace trm
