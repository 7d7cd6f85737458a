// libFuzzer harness: any bytes given to the turnout list reader either read record by record
// or give a LeseFehler.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
  try {
    trm::TTypliste(trm::TextInZeilen(bytes), trm::ZeilenWeiche).SaetzeLesen(trm::WeichentypLesen);
  } catch (const trm::LeseFehler&) {
  }
  return 0;
}
