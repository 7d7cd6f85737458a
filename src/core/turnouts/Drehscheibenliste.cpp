// The turntable library's kind and the placing of turntables.
#include "core/turnouts/Drehscheibenliste.h"

#include <cmath>

#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Drehscheibe.h"

namespace trm {

void DrehscheibentypLesen(const Zeilen& zeilen, std::size_t& i) {
  TDrehscheibe d;
  d.DSLaden(zeilen, i);
}

namespace {

TListenzeile DrehscheibenZeile(std::size_t nummer, const Zeilen& satz) {
  TListenzeile z = {std::to_string(nummer), satz[0], satz[6], satz[8]};
  // A value that does not read stays shown as stored.
  try {
    z[2] = FestText(TextReal(satz[6]), 3);
  } catch (const LeseFehler&) {
  }
  try {
    z[3] = FestText(TextReal(satz[8]) * 180.0 / Pi, 3);
  } catch (const LeseFehler&) {
  }
  return z;
}

}  // namespace

const TListenart ListeDrehscheiben{
    .satzlaenge = ZeilenDrehscheibe,
    .standardName = StdDrehscheibenliste,
    .endung = "ds",
    .filterOeffnen = "Drehscheibenlisten (*.ds)|*.ds",
    .filterSpeichern = "Drehscheibenlisten (*.ds)|*.ds",
    .name = "Drehscheibenliste",
    .exportLeer = "Keine Drehscheibenliste zum Exportieren vorhanden",
    .art = Elementart::Drehscheibe,
    .titel = "Drehscheiben",
    .fenster = "TfDSListe",
    .auswaehlen = "Drehscheibe auswählen",
    .entfernen = "Drehscheibe löschen",
    .spalten = {{"Nummer", 50}, {"Name", 150}, {"Durchmesser", 100}, {"Teilung", 100}},
    .zeile = DrehscheibenZeile,
    .lesen = DrehscheibentypLesen,
    .kopfzeilen = 0,
    .fehlt = "Keine Drehscheibenliste gefunden.\n\rBitte importieren Sie zunächst eine Drehscheibenliste.",
    .letzterSatz = "Es muss mindestens eine Drehscheibe in der Liste vorhanden sein.",
    .einsetzen = [](Anlage& a, const Zeilen& satz) { DrehscheibeEinsetzen(a, satz); },
};

bool DrehscheibeInListe(const Anlage& a, const TDrehscheibe& d, Dialoge& dialoge) {
  Zeilen satz;
  try {
    d.TypSchreiben(satz);
  } catch (const SchreibFehler& e) {
    dialoge.Fehler(e.what());
    return false;
  }
  return TypAnhaengen(a, ListeDrehscheiben, satz, dialoge);
}

TDrehscheibe* DrehscheibeEinsetzen(Anlage& a, const Zeilen& satz) {
  TModul* m = a.AktuellesModul();
  TGleis* akt = m ? m->AktuellesGleis() : nullptr;
  if (!akt || akt->Boegen.empty()) return nullptr;
  ModulBerechnen(*m);
  auto neu = std::make_unique<TDrehscheibe>(m);
  std::size_t i = 0;
  neu->DSLaden(satz, i);
  neu->DSNr = a.NeueElementnummer(BereichDrehscheibe);
  const double h = akt->WEnde();
  neu->XMitte = akt->XEnde() + neu->Aussendurchmesser / 2.0 * std::cos(h);
  neu->YMitte = akt->YEnde() + neu->Aussendurchmesser / 2.0 * std::sin(h);
  neu->ZMitte = akt->ZEnde();
  neu->AktAnschluss = 1;
  neu->StartwinkelSetzen(h);
  TElement* d = m->ElementHinzufuegen(std::move(neu));
  m->ElementWaehlen(m->ElementIndex(d));
  return static_cast<TDrehscheibe*>(d);
}

void DrehscheibeAktualisieren(TDrehscheibe& d) {
  if (d.Modul == nullptr) return;
  // A copy: propagation never changes the connections, but the list is the turntable's.
  const std::vector<TGleis*> gleise = d.Anschluesse();
  for (TGleis* g : gleise) LageWeitergeben(*d.Modul, g);
  ModulBerechnen(*d.Modul);
}

}  // namespace trm
