// The undo history.
#include "core/editor/Verlauf.h"

namespace trm {

void Verlauf::Vormerken(const Anlage& a) {
  if (!offen_) offen_ = StandAufnehmen(a);
}

void Verlauf::Abschliessen(const std::string& name) {
  if (!offen_) return;
  const std::size_t groesse = offen_->Groesse();
  rueck_.push_back({name, std::move(*offen_), stand_, groesse});
  offen_.reset();
  bytes_ += groesse;
  for (const Schritt& s : vor_) bytes_ -= s.groesse;
  vor_.clear();
  stand_ = ++zaehler_;
  Begrenzen();
}

void Verlauf::Zuruecknehmen(Anlage& a) {
  if (!offen_) return;
  StandTauschen(a, std::move(*offen_));
  offen_.reset();
}

bool Verlauf::Tauschen(Anlage& a, std::deque<Schritt>& von, std::deque<Schritt>& nach) {
  if (von.empty()) return false;
  offen_.reset();
  Schritt s = std::move(von.back());
  von.pop_back();
  // The state taken out of the layout becomes the step the other way.
  TAnlagestand jetzt = StandTauschen(a, std::move(s.stand));
  const std::uint64_t nummer = s.nummer;
  s.stand = std::move(jetzt);
  s.nummer = stand_;
  nach.push_back(std::move(s));
  stand_ = nummer;
  return true;
}

bool Verlauf::Rueckgaengig(Anlage& a) { return Tauschen(a, rueck_, vor_); }

bool Verlauf::Wiederherstellen(Anlage& a) { return Tauschen(a, vor_, rueck_); }

std::optional<std::string> Verlauf::RueckgaengigName() const {
  if (rueck_.empty()) return std::nullopt;
  return rueck_.back().name;
}

std::optional<std::string> Verlauf::WiederherstellenName() const {
  if (vor_.empty()) return std::nullopt;
  return vor_.back().name;
}

void Verlauf::Leeren(bool ungespeichert) {
  rueck_.clear();
  vor_.clear();
  offen_.reset();
  bytes_ = 0;
  stand_ = ++zaehler_;
  gespeichert_ = ungespeichert ? 0 : stand_;
}

void Verlauf::Gespeichert() {
  gespeichert_ = stand_;
}

void Verlauf::Begrenzen() {
  while (rueck_.size() > 1 && (rueck_.size() > maxSchritte_ || bytes_ > maxBytes_)) {
    bytes_ -= rueck_.front().groesse;
    rueck_.pop_front();
  }
}

}  // namespace trm
