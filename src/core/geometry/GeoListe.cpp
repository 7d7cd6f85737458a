// The component library file: reading, names for the menu, writing.
#include "core/geometry/GeoListe.h"

#include <filesystem>

#include "core/model/Fehler.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"

namespace trm {

bool IstGeoListe(const std::string& pfad) {
  return AsciiKlein(std::filesystem::path(pfad).extension().string()) == ".g88";
}

std::vector<TGeo> GeoListeAusZeilen(const Zeilen& z) {
  std::size_t i = 0;
  Zeilenleser l(z, i);
  const std::int32_t n = l.Anzahl();
  // A component takes at least four lines.
  if (static_cast<std::size_t>(n) > z.size() / 4 + 1)
    throw LeseFehler("Zeile 1: " + std::to_string(n) + " Bauteile passen nicht in die Datei.");
  std::vector<TGeo> liste(static_cast<std::size_t>(n));
  for (TGeo& g : liste) g.RecordLesen(z, i, true);
  return liste;
}

void GeoNamenLesen(const Zeilen& z, std::vector<std::string>& namen) {
  std::size_t i = 0;
  Zeilenleser l(z, i);
  const std::int32_t n = l.Anzahl();
  for (std::int32_t k = 0; k < n; ++k) {
    TGeo g;
    g.RecordLesen(z, i, true);
    namen.push_back(g.Name);
  }
}

std::vector<TGeo> GeoListeLesen(const std::string& pfad) {
  const Zeilen z = DateiLesen(pfad);
  try {
    return GeoListeAusZeilen(z);
  } catch (const LeseFehler& e) {
    throw LeseFehler("Die Datei \"" + pfad + "\" konnte nicht gelesen werden: " + e.what());
  }
}

Zeilen GeoListeZeilen(const std::vector<TGeo>& liste) {
  Zeilen z{IntText(static_cast<std::int64_t>(liste.size()))};
  for (const TGeo& g : liste) g.RecordSchreiben(z);
  return z;
}

}  // namespace trm
