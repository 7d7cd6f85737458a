// Fuzz harness of the XTrackCAD layout import: any bytes either import or give a LeseFehler,
// and an imported layout saves and reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/import/XtcImport.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Zufall.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  std::unique_ptr<trm::Anlage> a;
  trm::XtcErgebnis e;
  try {
    a = trm::XtcImportieren(std::string(reinterpret_cast<const char*>(daten), groesse), "fuzz.xtc", "",
                            std::make_shared<trm::MersenneZufall>(1), e);
  } catch (const trm::LeseFehler&) {
    return 0;
  }
  if (e.uebernommen + e.gleisobjekteUebersprungen != e.gleisobjekte || e.endenAmOrt > e.enden) std::abort();
  try {
    (void)trm::AnlageAusZeilen(trm::AnlageZeilen(*a), "", std::make_shared<trm::MersenneZufall>(2));
  } catch (const std::runtime_error&) {
    std::abort();
  }
  return 0;
}
