// List files of element types.
#include "core/model/Typliste.h"

#include <filesystem>
#include <system_error>

#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"

namespace trm {

TTypliste::TTypliste(Zeilen zeilen, std::size_t satzlaenge, std::size_t kopfzeilen)
    : zeilen_(std::move(zeilen)), satzlaenge_(satzlaenge), kopfzeilen_(kopfzeilen) {
  const std::string zeile = std::to_string(kopfzeilen_ + 1);
  if (zeilen_.size() <= kopfzeilen_) throw LeseFehler("Die Liste endet vorzeitig (Zeile " + zeile + " fehlt).");
  try {
    anzahl_ = TextInt(zeilen_[kopfzeilen_]);
  } catch (const LeseFehler& e) {
    throw LeseFehler("Zeile " + zeile + ": " + e.what());
  }
}

namespace {

[[noreturn]] void DateiNennen(const std::string& pfad, const LeseFehler& e) {
  throw LeseFehler("Die Datei \"" + pfad + "\" konnte nicht gelesen werden.\n" + e.what());
}

}  // namespace

TTypliste TTypliste::Laden(const std::string& pfad, std::size_t satzlaenge, std::size_t kopfzeilen) {
  try {
    return TTypliste(DateiLesen(pfad), satzlaenge, kopfzeilen);
  } catch (const LeseFehler& e) {
    DateiNennen(pfad, e);
  }
}

TTypliste TTypliste::Laden(const std::string& pfad, std::size_t satzlaenge, Satzleser lesen,
                           std::size_t kopfzeilen) {
  TTypliste liste = Laden(pfad, satzlaenge, kopfzeilen);
  try {
    liste.SaetzeLesen(lesen);
  } catch (const LeseFehler& e) {
    DateiNennen(pfad, e);
  }
  return liste;
}

void TTypliste::SaetzeLesen(Satzleser lesen) const {
  std::size_t i = kopfzeilen_;
  Zeilenleser(zeilen_, i).Anzahl();
  for (std::int64_t k = 0; k < anzahl_; ++k) {
    const std::size_t anfang = i;
    lesen(zeilen_, i);
    if (i != anfang + satzlaenge_)
      throw LeseFehler("Zeile " + std::to_string(anfang + 1) + ": der Satz hat nicht " +
                       std::to_string(satzlaenge_) + " Zeilen");
  }
}

std::size_t TTypliste::Saetze() const {
  const std::size_t vorhanden = zeilen_.size() > Anfang(1) ? (zeilen_.size() - Anfang(1)) / satzlaenge_ : 0;
  if (anzahl_ <= 0) return 0;
  return std::min<std::size_t>(vorhanden, static_cast<std::size_t>(anzahl_));
}

Zeilen TTypliste::Satz(std::size_t k) const {
  if (k < 1 || k > Saetze()) return {};
  const auto anfang = zeilen_.begin() + static_cast<long>(Anfang(k));
  return Zeilen(anfang, anfang + static_cast<long>(satzlaenge_));
}

void TTypliste::AnzahlSchreiben() { zeilen_[kopfzeilen_] = IntText(anzahl_); }

bool TTypliste::Entfernen(std::size_t k) {
  if (k < 1 || k > Saetze()) return false;
  const auto anfang = zeilen_.begin() + static_cast<long>(Anfang(k));
  zeilen_.erase(anfang, anfang + static_cast<long>(satzlaenge_));
  --anzahl_;
  AnzahlSchreiben();
  return true;
}

bool TTypliste::Tauschen(std::size_t a, std::size_t b) {
  if (a < 1 || b < 1 || a > Saetze() || b > Saetze()) return false;
  for (std::size_t i = 0; i < satzlaenge_; ++i)
    std::swap(zeilen_[Anfang(a) + i], zeilen_[Anfang(b) + i]);
  return true;
}

bool TTypliste::Anhaengen(const Zeilen& satz) {
  if (satz.size() != satzlaenge_) return false;
  // The new record goes right after the records the count reaches, so that it is reachable
  // whatever line 2 says; lines beyond stay where they are.
  const std::size_t bisher = Saetze();
  zeilen_.insert(zeilen_.begin() + static_cast<long>(Anfang(bisher + 1)), satz.begin(), satz.end());
  anzahl_ = static_cast<std::int64_t>(bisher) + 1;
  AnzahlSchreiben();
  return true;
}

void TTypliste::Speichern(const std::string& pfad) const { DateiSchreiben(pfad, zeilen_); }

std::string ListenPfad(const std::string& pfad, const std::string& datenPfad, const std::string& standardName) {
  std::error_code ec;
  if (!pfad.empty() && std::filesystem::is_regular_file(std::filesystem::path(pfad), ec)) return pfad;
  return datenPfad + standardName;
}

}  // namespace trm
