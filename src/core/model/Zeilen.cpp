// Checked line-by-line reading of records.
#include "core/model/Zeilen.h"

#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"

namespace trm {

void Zeilenleser::Fehler(const std::string& text) const {
  throw LeseFehler("Zeile " + std::to_string(index_) + ": " + text);
}

const std::string& Zeilenleser::Naechste() {
  if (index_ >= zeilen_.size())
    throw LeseFehler("Die Datei endet vorzeitig (Zeile " + std::to_string(index_ + 1) +
                     " fehlt).");
  return zeilen_[index_++];
}

const std::string& Zeilenleser::Text() { return Naechste(); }

double Zeilenleser::Real() {
  const std::string& t = Naechste();
  try {
    return TextReal(t);
  } catch (const LeseFehler& e) {
    Fehler(e.what());
  }
}

std::int32_t Zeilenleser::Int() {
  const std::string& t = Naechste();
  try {
    return TextInt(t);
  } catch (const LeseFehler& e) {
    Fehler(e.what());
  }
}

std::int32_t Zeilenleser::IntAusReal() {
  const std::string& t = Naechste();
  try {
    return TextIntAusReal(t);
  } catch (const LeseFehler& e) {
    Fehler(e.what());
  }
}

bool Zeilenleser::Bool() {
  const std::string& t = Naechste();
  try {
    return TextBool(t);
  } catch (const LeseFehler& e) {
    Fehler(e.what());
  }
}

std::int32_t Zeilenleser::Anzahl() {
  const std::int32_t n = Int();
  if (n < 0) Fehler("'" + std::to_string(n) + "' ist keine gültige Anzahl");
  return n;
}

void Zeilenleser::Ueberspringen(std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) Naechste();
}

}  // namespace trm
