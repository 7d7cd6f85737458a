// Fuzz harness of the rule settings reader of the layout check: any bytes either read or give
// a LeseFehler. What reads is written; that reads again and writes the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/check/Pruefregeln.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
  trm::Zeilen einmal;
  try {
    einmal = trm::PruefregelnSchreiben(trm::PruefregelnLesen(trm::TextInZeilen(bytes)));
  } catch (const trm::LeseFehler&) {
    return 0;
  }
  try {
    if (trm::PruefregelnSchreiben(trm::PruefregelnLesen(einmal)) != einmal) std::abort();
  } catch (const trm::LeseFehler&) {
    std::abort();  // what was written must read again
  }
  return 0;
}
