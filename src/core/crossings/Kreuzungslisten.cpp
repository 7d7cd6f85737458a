// The list kinds of crossings and slips, their record readers and storing an element as a type.
#include "core/crossings/Kreuzungslisten.h"

#include <cmath>
#include <memory>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Satz.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// Builds the record at i in a layout of its own: what reads and computes here places too.
void TypBauen(std::unique_ptr<TKreuzung> neu, const Zeilen& zeilen, std::size_t& i) {
  const std::size_t anfang = i;
  Anlage a(std::make_shared<MersenneZufall>(1));
  TModul* m = a.ModulAnhaengen();
  const TElement* e = KrElementLesen(*m, std::move(neu), zeilen, i, 0);
  // A type whose values could not be written again (a derived value beyond the largest) is
  // no type of the list.
  try {
    Zeilen satz;
    e->TypSchreiben(satz);
  } catch (const SchreibFehler& f) {
    throw LeseFehler("Zeile " + std::to_string(anfang + 1) + ": " + f.what());
  }
}

/// Number, name, the value of record line `wertzeile` and the angle in degrees with three
/// decimals, and the inclination. A value that does not read stays shown as stored.
TListenzeile Zeile(std::size_t nummer, const Zeilen& satz, std::size_t wertzeile) {
  TListenzeile z = {std::to_string(nummer), satz[0], satz[wertzeile], satz[1], ""};
  try {
    z[2] = FestText(TextReal(satz[wertzeile]), 3);
  } catch (const LeseFehler&) {
  }
  try {
    const double winkel = TextReal(satz[1]);
    z[3] = FestText(winkel * 180.0 / Pi, 3) + "°";
    z[4] = "1 : " + FestText(1.0 / std::tan(winkel), 2);
  } catch (const LeseFehler&) {
  }
  return z;
}

TListenzeile KreuzungsZeile(std::size_t nummer, const Zeilen& satz) { return Zeile(nummer, satz, 2); }
TListenzeile KreuzungsweichenZeile(std::size_t nummer, const Zeilen& satz) { return Zeile(nummer, satz, 6); }

constexpr const char* LetzteKreuzung = "Es muss mindestens eine Kreuzung in der Liste bleiben.";

}  // namespace

void KreuzungstypLesen(const Zeilen& zeilen, std::size_t& i) { TypBauen(std::make_unique<TKreuzung>(), zeilen, i); }
void EKWtypLesen(const Zeilen& zeilen, std::size_t& i) { TypBauen(std::make_unique<TEKW>(), zeilen, i); }
void DKWtypLesen(const Zeilen& zeilen, std::size_t& i) { TypBauen(std::make_unique<TDKW>(), zeilen, i); }

const TListenart ListeKreuzungen{
    .satzlaenge = ZeilenKreuzung,
    .standardName = StdKreuzungsliste,
    .endung = "k88",
    .filterOeffnen = "Kreuzungslisten (*k88)|*.k88",
    .filterSpeichern = "Kreuzungslisten (*.k88)|*.k88",
    .name = "Kreuzungsliste",
    .exportLeer = "Keine Kreuzungsliste zum Exportieren vorhanden",
    .art = Elementart::Kreuzung,
    .titel = "Kreuzungen",
    .fenster = "TfKListe",
    .auswaehlen = "Kreuzung auswählen",
    .entfernen = "Kreuzung aus der Liste entfernen",
    .spalten = {{"Nummer", 50}, {"Name", 150}, {"Länge", 100}, {"Winkel", 100}, {"Neigung", 100}},
    .zeile = KreuzungsZeile,
    .lesen = KreuzungstypLesen,
    .letzterSatz = LetzteKreuzung,
    .einsetzen = [](Anlage& a, const Zeilen& satz) { KreuzungEinsetzen(a, satz); },
};

const TListenart ListeEKW{
    .satzlaenge = ZeilenEKW,
    .standardName = StdEKWListe,
    .endung = "e88",
    .filterOeffnen = "EKWListen (*.e88)|*.e88",
    .filterSpeichern = "EKW-Listen (*.e88)|*.e88",
    .name = "EKW-Liste",
    .exportLeer = "Keine EKW-Liste zum Exportieren vorhanden",
    .art = Elementart::EKW,
    .titel = "Einfache Kreuzungsweichen",
    .fenster = "TfEKWListe",
    .auswaehlen = "EKW auswählen",
    .entfernen = "EKW aus der Liste löschen",
    .spalten = {{"Nummer", 50}, {"Name", 150}, {"Radius", 100}, {"Winkel", 100}, {"Neigung", 100}},
    .zeile = KreuzungsweichenZeile,
    .lesen = EKWtypLesen,
    .fehltName = "Kreuzungsliste",
    .letzterSatz = LetzteKreuzung,
    .einsetzen = [](Anlage& a, const Zeilen& satz) { EKWEinsetzen(a, satz); },
};

const TListenart ListeDKW{
    .satzlaenge = ZeilenDKW,
    .standardName = StdDKWListe,
    .endung = "d88",
    .filterOeffnen = "DKW-Listen (*.d88)|*.d88",
    .filterSpeichern = "DKW-Liste (*.d88)|*.d88",
    .name = "DKW-Liste",
    .exportLeer = "Keine DKW-Liste zum Exportieren vorhanden",
    .art = Elementart::DKW,
    .titel = "Doppelte Kreuzungsweichen",
    .fenster = "TfDKWListe",
    .auswaehlen = "DKW auswählen",
    .entfernen = "DKW aus der Liste löschen",
    .spalten = {{"Nummer", 50}, {"Name", 150}, {"Radius", 100}, {"Winkel", 100}, {"Neigung", 100}},
    .zeile = KreuzungsweichenZeile,
    .lesen = DKWtypLesen,
    .fehltName = "Kreuzungsliste",
    .letzterSatz = LetzteKreuzung,
    .einsetzen = [](Anlage& a, const Zeilen& satz) { DKWEinsetzen(a, satz); },
};

const TListenart* KreuzungsListe(Elementart art) {
  switch (art) {
    case Elementart::Kreuzung:
      return &ListeKreuzungen;
    case Elementart::EKW:
      return &ListeEKW;
    case Elementart::DKW:
      return &ListeDKW;
    default:
      return nullptr;
  }
}

bool KreuzungInListe(const Anlage& a, const TKreuzung& k, Dialoge& d) {
  const TListenart* art = KreuzungsListe(k.Art());
  if (!art) return false;
  Zeilen satz;
  try {
    k.TypSchreiben(satz);
  } catch (const SchreibFehler& e) {
    d.Fehler(e.what());
    return false;
  }
  return TypAnhaengen(a, *art, satz, d);
}

}  // namespace trm
