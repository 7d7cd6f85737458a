// The turnout library and the placing of turnouts.
#include "core/turnouts/Weichenliste.h"

#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Weiche.h"

namespace trm {

std::vector<TTypzeile> WeichenZeilen(const TTypliste& liste) {
  std::vector<TTypzeile> zeilen;
  for (std::size_t k = 1; k <= liste.Saetze(); ++k) {
    const Zeilen satz = liste.Satz(k);
    TTypzeile z{std::to_string(k), satz[0], satz[1], satz[2], ""};
    try {
      const double winkel = TextReal(satz[2]);
      z.winkel = FestText(winkel * 180.0 / Pi, 3);
      z.neigung = "1 : " + FestText(1.0 / std::tan(winkel), 2);
    } catch (const LeseFehler&) {
      // shown as stored
    }
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

void WeichentypLesen(const Zeilen& zeilen, std::size_t& i) {
  TEWeiche w;
  w.DatenLesen(zeilen, i);
}

std::string MeldungWeichenlisteFehlt(const std::string& pfad) {
  return "Die Weichenliste \"" + pfad +
         "\" konnte nicht gefunden werden. Bitte importieren Sie zunächst eine Weichenliste.";
}

void WeichenlisteImportieren(Anlage& a, const std::string& pfad) {
  a.WListeDatei = ListenPfad(pfad, a.DatenPfad, StandardWeichenliste);
  a.Geaendert = true;
}

bool WeichenlisteExportieren(const Anlage& a, const std::string& ziel, Dialoge& d) {
  Zeilen zeilen;
  try {
    zeilen = DateiLesen(a.WListeDatei);
  } catch (const DateiFehler&) {
    d.Warnung("Keine Weichenliste zum exportieren vorhanden");
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

bool WeicheInListe(const Anlage& a, const TEWeiche& w, Dialoge& d) {
  try {
    TTypliste liste = TTypliste::Laden(a.WListeDatei, ZeilenWeiche);
    Zeilen satz;
    w.TypSchreiben(satz);
    liste.Anhaengen(satz);
    liste.Speichern(a.WListeDatei);
    return true;
  } catch (const DateiFehler&) {
    d.Warnung("Die Datei" + a.WListeDatei + " konnte nicht geöffnet werden.");
  } catch (const LeseFehler& e) {
    d.Fehler(e.what());
  }
  return false;
}

std::int32_t WeichenNummer(Anlage& a, std::int64_t unter, std::int64_t plus) {
  std::int64_t n = a.Zufallsquelle->Ziehen(unter - 1) + plus;
  while (a.IDListe.count(std::to_string(n))) ++n;
  return static_cast<std::int32_t>(n);
}

TEWeiche* WeicheEinsetzen(Anlage& a, const Zeilen& satz) {
  TModul* m = a.AktuellesModul();
  TGleis* akt = m ? m->AktuellesGleis() : nullptr;
  TBogen* bogen = akt ? akt->AktuellerBogen() : nullptr;
  if (!bogen) return nullptr;
  ModulBerechnen(*m);
  std::size_t i = 0;
  auto neu = TEWeiche::AusSatz(*m, satz, i, WeichenNummer(a, 200'000'000, 1));
  // An element track hands on its own end, an ordinary track the end of the current segment.
  const bool element = !akt->IstGewoehnlich();
  neu->XAnf = element ? akt->XEnde() : bogen->XEnde;
  neu->YAnf = element ? akt->YEnde() : bogen->YEnde;
  neu->ZAnf = element ? akt->ZEnde() : bogen->ZEnde;
  neu->WAnf = element ? akt->WEnde() : WinkelNorm(bogen->WEnde);
  TEWeiche* w = WeicheHinzufuegen(*m, std::move(neu));
  WeicheWaehlen(*m, m->AnzahlWeichen() - 1);
  TGleis* stamm = w->Stammgleis();
  VerbundVereinen(akt, stamm);
  VerbundVereinen(stamm, w->Zweiggleis());
  AlsNachfolgerEinfuegen(*m, akt, stamm);
  // The segments behind the current one go on after the turnout's main track, together with
  // whatever was attached to the end of the track.
  if (!element && akt->AktBogen + 1 < static_cast<int>(akt->Boegen.size())) {
    ModulBerechnen(*m);
    if (TGleis* rest = GleisTeilen(a, *m, akt, akt->AktBogen, stamm->XEnde(), stamm->YEnde(), stamm->WEnde())) {
      AlsNachfolgerEinfuegen(*m, stamm, rest);
      VerbundVereinen(akt, rest);
    }
  }
  LageWeitergeben(*m, stamm);
  ModulBerechnen(*m);
  a.Geaendert = true;
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
  a.Geaendert = true;
  return w;
}

}  // namespace trm
