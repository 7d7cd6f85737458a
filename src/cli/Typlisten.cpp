// Checking element library files: every record read by its kind's reader; component libraries
// (".g88") component by component.
#include "Typlisten.h"

#include <cstdio>

#include "core/geometry/GeoListe.h"
#include "core/model/Typliste.h"

namespace trm::cli {

int ListePruefen(const std::string& pfad, const TListenart& art) {
  const TTypliste liste = TTypliste::Laden(pfad, art.satzlaenge, art.lesen, art.kopfzeilen);
  if (art.kopfzeilen > 0) std::printf("Liste: %s\n", liste.Text()[0].c_str());
  std::printf("Typen: %lld\n", static_cast<long long>(liste.Anzahl()));
  return 0;
}

int GeoListePruefen(const std::string& pfad) {
  std::printf("Bauteile: %zu\n", GeoListeLesen(pfad).size());
  return 0;
}

}  // namespace trm::cli
