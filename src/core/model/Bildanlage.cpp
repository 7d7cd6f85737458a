// The layout of a picture or preview.
#include "core/model/Bildanlage.h"

#include <cstdint>

#include "core/model/Anlage.h"

namespace trm {

std::unique_ptr<Anlage> Bildanlage(const Anlage& vorlage, double seite) {
  auto a = std::make_unique<Anlage>();
  a->Werte = vorlage.Werte;
  a->Massstab = vorlage.Massstab;
  a->Optionen = vorlage.Optionen;
  a->Farbe = vorlage.Farbe;
  a->GitterSichtbar = a->GitterBeschriftung = false;
  TModul* m = a->ModulAnhaengen();
  m->Breite = m->Hoehe = static_cast<std::int32_t>(seite);
  return a;
}

}  // namespace trm
