// Checked line-by-line reading of records.
#include "core/model/Zeilen.h"

#include <cmath>

#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"

namespace trm {

void Zeilenleser::Fehler(const std::string& text) const {
  throw LeseFehler("Zeile " + std::to_string(index_) + ": " + text);
}

std::string_view Zeilenleser::Naechste() {
  if (index_ >= zeilen_.size())
    throw LeseFehler("Die Datei endet vorzeitig (Zeile " + std::to_string(index_ + 1) +
                     " fehlt).");
  return zeilen_[index_++];
}

std::string Zeilenleser::Text() { return std::string(Naechste()); }

std::string_view Zeilenleser::Ansicht() { return Naechste(); }

template <class Wandler>
auto Zeilenleser::Umwandeln(Wandler wandeln) {
  const std::string_view t = Naechste();
  try {
    return wandeln(t);
  } catch (const LeseFehler& e) {
    Fehler(e.what());
  }
}

double AlsGeschrieben(double v) {
  if (!std::isfinite(v)) return v;
  char buf[RealZeichenMax];
  return TextReal(std::string_view(buf, static_cast<std::size_t>(RealZeichen(v, buf) - buf)));
}

double Zeilenleser::Real() {
  return Umwandeln([](std::string_view t) { return TextRealWieGeschrieben(t); });
}
std::int32_t Zeilenleser::Int() { return Umwandeln([](std::string_view t) { return TextInt(t); }); }
std::int32_t Zeilenleser::IntAusReal() {
  return Umwandeln([](std::string_view t) { return TextIntAusReal(t); });
}
bool Zeilenleser::Bool() { return Umwandeln([](std::string_view t) { return TextBool(t); }); }

std::int32_t Zeilenleser::Anzahl() {
  const std::int32_t n = Int();
  if (n < 0) Fehler("'" + std::to_string(n) + "' ist keine gültige Anzahl");
  return n;
}

void Zeilenleser::Ueberspringen(std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) Naechste();
}

}  // namespace trm
