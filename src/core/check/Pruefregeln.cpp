// The settings of the layout check and their file in the data folder.
#include "core/check/Pruefregeln.h"

#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

constexpr const char* kKopf = "Prüfregeln 1";

/// The fields of a line, split at '#'.
std::vector<std::string> Felder(const std::string& zeile) {
  std::vector<std::string> t;
  std::size_t anfang = 0;
  for (;;) {
    const std::size_t p = zeile.find('#', anfang);
    t.push_back(zeile.substr(anfang, p == std::string::npos ? std::string::npos : p - anfang));
    if (p == std::string::npos) return t;
    anfang = p + 1;
  }
}

[[noreturn]] void Falsch(std::size_t i, const std::string& zeile) {
  throw LeseFehler("Prüfregeln, Zeile " + std::to_string(i + 1) + ": \"" + Zitat(zeile) +
                   "\" ist kein gültiger Wert.");
}

/// A number of a line: finite, above 0 and at most `hoechstens`.
double Zahl(const std::string& text, double hoechstens, std::size_t i, const std::string& zeile) {
  double x = 0;
  try {
    x = TextReal(text);
  } catch (const LeseFehler&) {
    Falsch(i, zeile);
  }
  if (!(x > 0) || !(x <= hoechstens)) Falsch(i, zeile);
  return x;
}

}  // namespace

double TPruefregeln::DurchfahrtshoeheModell(const Anlage& a) const {
  return a.Massstab > 0 && std::isfinite(a.Massstab) ? Durchfahrtshoehe / a.Massstab : Durchfahrtshoehe;
}

Zeilen PruefregelnSchreiben(const TPruefregeln& r) {
  Zeilen z{kKopf, "Steigung#" + RealText(r.MaxSteigung), "Durchfahrtshöhe#" + RealText(r.Durchfahrtshoehe)};
  for (Regel regel : AlleRegeln())
    z.push_back(std::string("Regel#") + RegelInfo(regel).kennung + "#" + (r.Aktiv(regel) ? "1" : "0"));
  return z;
}

TPruefregeln PruefregelnLesen(const Zeilen& z) {
  if (z.empty() || z[0] != kKopf)
    throw LeseFehler("Die Datei ist keine Datei der Prüfregeln (erste Zeile \"" + Zitat(z.empty() ? "" : z[0]) +
                     "\").");
  TPruefregeln r;
  for (std::size_t i = 1; i < z.size(); ++i) {
    const auto t = Felder(z[i]);
    if (t.size() == 2 && t[0] == "Steigung") r.MaxSteigung = Zahl(t[1], 1000, i, z[i]);
    if (t.size() == 2 && t[0] == "Durchfahrtshöhe") r.Durchfahrtshoehe = Zahl(t[1], 1e6, i, z[i]);
    if (t.size() == 3 && t[0] == "Regel") {
      if (t[2] != "0" && t[2] != "1") Falsch(i, z[i]);
      for (Regel regel : AlleRegeln())
        if (t[1] == RegelInfo(regel).kennung) r.Setzen(regel, t[2] == "1");
    }
  }
  return r;
}

TPruefregeln PruefregelnLaden(const std::string& datenpfad) {
  if (datenpfad.empty()) return {};
  const auto pfad = DateiImOrdner(datenpfad, PruefregelnDateiName);
  if (!pfad) return {};
  return PruefregelnLesen(DateiLesen(*pfad));
}

void PruefregelnSpeichern(const std::string& datenpfad, const TPruefregeln& r) {
  DateiSchreiben(MitTrenner(datenpfad) + PruefregelnDateiName, PruefregelnSchreiben(r));
}

}  // namespace trm
