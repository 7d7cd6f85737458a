// The element libraries over their list files.
#include "core/editor/Bibliothek.h"

#include <stdexcept>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {
const std::string& Datei(const Anlage& a, const TListenart& art) { return a.Listendatei(art.art); }
}  // namespace

TTypliste ListeLaden(const Anlage& a, const TListenart& art) {
  return TTypliste::Laden(Datei(a, art), art.satzlaenge, art.kopfzeilen);
}

std::vector<TListenzeile> ListenZeilen(const TTypliste& liste, const TListenart& art) {
  std::vector<TListenzeile> zeilen;
  for (std::size_t k = 1; k <= liste.Saetze(); ++k) zeilen.push_back(art.zeile(k, liste.Satz(k)));
  return zeilen;
}

std::optional<Zeilen> TypLesen(const Anlage& a, const TListenart& art, std::size_t k, Dialoge& d) {
  try {
    Zeilen satz = ListeLaden(a, art).Satz(k);
    if (!satz.empty()) return satz;
  } catch (const std::runtime_error& e) {
    d.Fehler(e.what());
  }
  return std::nullopt;
}

bool TypEntfernen(const Anlage& a, const TListenart& art, std::size_t k, Dialoge& d) {
  try {
    TTypliste liste = ListeLaden(a, art);
    if (art.letzterSatz && liste.Anzahl() <= 1) {
      d.Warnung(art.letzterSatz);
      return false;
    }
    if (!liste.Entfernen(k)) return false;
    liste.Speichern(Datei(a, art));
    return true;
  } catch (const std::runtime_error& e) {
    d.Fehler(e.what());
  }
  return false;
}

bool TypenTauschen(const Anlage& a, const TListenart& art, std::size_t i, std::size_t j) {
  try {
    TTypliste liste = ListeLaden(a, art);
    if (!liste.Tauschen(i, j)) return false;
    liste.Speichern(Datei(a, art));
    return true;
  } catch (const std::runtime_error&) {
    return false;
  }
}

bool TypAnhaengen(const Anlage& a, const TListenart& art, const Zeilen& satz, Dialoge& d) {
  try {
    TTypliste liste = ListeLaden(a, art);
    if (!liste.Anhaengen(satz)) return false;
    liste.Speichern(Datei(a, art));
    return true;
  } catch (const DateiFehler&) {
    d.Warnung("Die Datei" + Datei(a, art) + " konnte nicht geöffnet werden.");
  } catch (const LeseFehler& e) {
    d.Fehler(e.what());
  }
  return false;
}

bool ListeImportieren(Anlage& a, const TListenart& art, const std::string& pfad) {
  a.Listendatei(art.art) = ListenPfad(pfad, a.DatenPfad, art.standardName);
  return a.Listendatei(art.art) == pfad;
}

bool ListeExportieren(const Anlage& a, const TListenart& art, const std::string& ziel, Dialoge& d) {
  Zeilen zeilen;
  try {
    zeilen = DateiLesen(Datei(a, art));
  } catch (const DateiFehler&) {
    d.Warnung(art.exportLeer);
    return false;
  }
  try {
    DateiSchreiben(ziel, zeilen);
  } catch (const DateiFehler& e) {
    d.Fehler(e.what());
    return false;
  }
  return true;
}

bool ListeImportierenDialog(Anlage& a, const TListenart& art, Dialoge& d) {
  const auto pfad = d.OeffnenDialog(art.filterOeffnen);
  if (!pfad) return false;
  ListeImportieren(a, art, *pfad);
  return true;
}

bool ListeExportierenDialog(const Anlage& a, const TListenart& art, Dialoge& d) {
  const auto pfad = d.SpeichernDialog(art.filterSpeichern, "", art.endung);
  return pfad && ListeExportieren(a, art, *pfad, d);
}

std::string MeldungListeFehlt(const TListenart& art, const std::string& pfad) {
  const char* name = art.fehltName ? art.fehltName : art.name;
  return std::string("Die ") + name + " \"" + pfad +
         "\" konnte nicht gefunden werden. Bitte importieren Sie zunächst eine " + name + ".";
}

Listenaufruf ListeAufrufen(Anlage& a, const TListenart& art, Dialoge& d) {
  try {
    ListeLaden(a, art);
    return Listenaufruf::Zeigen;
  } catch (const std::runtime_error&) {
    if (art.fehlt)
      d.Fehler(art.fehlt);
    else
      d.Frage(MeldungListeFehlt(art, Datei(a, art)), Knoepfe::Ja);
    const auto pfad = d.OeffnenDialog(art.filterOeffnen);
    ListeImportieren(a, art, pfad.value_or(std::string()));
    return Listenaufruf::Importiert;
  }
}

std::string EntfernenFrage(const Anlage& a, const TListenart& art, std::size_t k) {
  std::string typ = "Nr. " + std::to_string(k);
  try {
    const std::vector<TListenzeile> zeilen = ListenZeilen(ListeLaden(a, art), art);
    for (std::size_t s = 0; s < art.spalten.size() && k >= 1 && k <= zeilen.size(); ++s)
      if (std::string(art.spalten[s].titel) == "Name" && s < zeilen[k - 1].size()) typ = "\"" + Zitat(zeilen[k - 1][s]) + "\"";
  } catch (const std::runtime_error&) {
    // The removal itself reports the unreadable list.
  }
  return "Den Typ " + typ + " aus der " + art.name + " entfernen?";
}

std::optional<Zeilen> ListenAuswahl(const Anlage& a, const TListenart& art, Listenknopf knopf,
                                    std::size_t k, Dialoge& d) {
  switch (knopf) {
    case Listenknopf::Auswaehlen:
      return TypLesen(a, art, k, d);
    case Listenknopf::Entfernen:
      // Removing rewrites the list file at once and cannot be undone: ask first.
      if (d.Frage(EntfernenFrage(a, art, k), Knoepfe::JaNein) == Antwort::Ja) TypEntfernen(a, art, k, d);
      break;
    case Listenknopf::Abbrechen:
      break;
  }
  return std::nullopt;
}

}  // namespace trm
