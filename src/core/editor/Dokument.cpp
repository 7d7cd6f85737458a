// File commands on the open layout.
#include "core/editor/Dokument.h"


#include <filesystem>
#include <random>

#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Zitat.h"

namespace trm {

std::string NameAusPfad(const std::string& pfad) {
  std::string name = std::filesystem::path(pfad).filename().string();
  const std::string klein = AsciiKlein(name);
  const std::size_t pos = klein.find(".m88");
  if (pos != std::string::npos) name.erase(pos, 4);
  return name;
}

Dokument::Dokument(Dialoge& dialoge, std::string datenordner, std::shared_ptr<Zufall> zufall)
    : dialoge_(dialoge), datenpfad_(MitTrenner(datenordner)), zufall_(std::move(zufall)) {
  if (!zufall_) zufall_ = std::make_shared<MersenneZufall>(std::random_device{}());
  anlage_ = ErsatzAnlage(datenpfad_, zufall_);
}

void Dokument::Uebernehmen(std::unique_ptr<Anlage> neu) {
  anlage_ = std::move(neu);
  anlage_->DatenPfad = datenpfad_;
}

bool Dokument::AenderungenSichern() {
  if (!verlauf_.Geaendert()) return true;
  const Antwort a = dialoge_.Frage(
      "Möchten Sie die Änderungen in der Datei \"" + Zitat(anlage_->Name) + "\" sichern?", Knoepfe::JaNeinAbbrechen);
  if (a == Antwort::Abbrechen) return false;
  if (a == Antwort::Nein) return true;
  // Yes: the changes must really be saved before they are discarded.
  return SpeichernUnter();
}

bool Dokument::Neu() {
  if (!AenderungenSichern()) return false;
  const auto pfad = DateiImOrdner(datenpfad_, Einstellungsdatei);
  try {
    if (!pfad) throw DateiFehler("Die Datei \"" + datenpfad_ + Einstellungsdatei +
                                 "\" konnte nicht geöffnet werden.");
    auto neu = AnlageLaden(*pfad, datenpfad_, zufall_);
    neu->DateiPfad.clear();
    Uebernehmen(std::move(neu));
  } catch (const std::runtime_error& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  Neuberechnen();
  verlauf_.Leeren();
  return true;
}

bool Dokument::Oeffnen() {
  // Asked before the file is chosen: the answer must not depend on which file it is.
  if (!AenderungenSichern()) return false;
  const auto pfad = dialoge_.OeffnenDialog(FilterAnlagen);
  if (!pfad) return false;
  return Laden(*pfad);
}

bool Dokument::OeffnenDatei(const std::string& pfad) {
  if (!AenderungenSichern()) return false;
  return Laden(pfad);
}

bool Dokument::Laden(const std::string& pfad) {
  try {
    Uebernehmen(AnlageLaden(pfad, datenpfad_, zufall_));
  } catch (const std::runtime_error& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  // The first drawing computes the module, then every track of it is computed again, so that
  // vertical roundings see the fresh slopes of the segments after them.
  Neuberechnen();
  Neuberechnen();
  verlauf_.Leeren();
  for (const std::string& hinweis : anlage_->Lesehinweise) dialoge_.Information(hinweis);
  return true;
}

bool Dokument::Importieren(const Importart& art) {
  if (verlauf_.Geaendert() &&
      dialoge_.Frage("Alle ungespeicherten Änderungen an der geöffneten Datei gehen verloren. Möchten Sie fortfahren?",
                     Knoepfe::JaNein) != Antwort::Ja)
    return false;
  const auto pfad = dialoge_.OeffnenDialog(art.filter);
  if (!pfad) return false;
  return ImportierenDatei(art, *pfad);
}

bool Dokument::ImportierenDatei(const Importart& art, const std::string& pfad) {
  try {
    auto neu = art.lesen(pfad, datenpfad_, zufall_, &dialoge_);
    neu->DateiPfad.clear();
    Uebernehmen(std::move(neu));
  } catch (const std::runtime_error& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  // "speichern" asks for a name: the old plan is never overwritten in the new format.
  letzterSpeicherpfad_.clear();
  Neuberechnen();
  verlauf_.Leeren(true);
  for (const std::string& hinweis : anlage_->Lesehinweise) dialoge_.Information(hinweis);
  return true;
}

bool Dokument::Schreiben(const std::string& pfad) {
  try {
    AnlageSpeichern(*anlage_, pfad);
  } catch (const std::runtime_error& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  verlauf_.Gespeichert();
  return true;
}

bool Dokument::Speichern() {
  if (anlage_->Name == "Ohne Namen") return SpeichernUnter();
  const std::string ziel = anlage_->DateiPfad.empty() ? letzterSpeicherpfad_ : anlage_->DateiPfad;
  if (ziel.empty()) return SpeichernUnter();
  return Schreiben(ziel);
}

bool Dokument::SpeichernUnter() {
  const auto pfad = dialoge_.SpeichernDialog(FilterAnlagen, anlage_->Name, "m88");
  if (!pfad) return false;
  letzterSpeicherpfad_ = *pfad;
  const std::string alterName = anlage_->Name;
  const std::string alterPfad = anlage_->DateiPfad;
  anlage_->Name = NameAusPfad(*pfad);
  anlage_->DateiPfad = *pfad;
  if (Schreiben(*pfad)) return true;
  anlage_->Name = alterName;
  anlage_->DateiPfad = alterPfad;
  return false;
}

bool Dokument::SchliessenErlaubt() {
  if (!verlauf_.Geaendert()) return true;
  const Antwort a = dialoge_.Frage(
      "Möchten Sie die Änderungen in der Datei \"" + Zitat(anlage_->Name) + "\" sichern?", Knoepfe::JaNeinAbbrechen);
  if (a == Antwort::Abbrechen) return false;
  if (a == Antwort::Nein) {
    verlauf_.Gespeichert();  // the changes are given up
    return true;
  }
  return SpeichernUnter();
}

void Dokument::Neuberechnen() {
  if (TModul* m = anlage_->AktuellesModul()) ModulBerechnen(*m);
}

}  // namespace trm
