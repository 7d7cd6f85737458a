// Fuzz harness of the turnout list reader: any bytes either read record by record or give a
// LeseFehler. Every record that reads is written as a type; that reads again and writes the
// same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Weiche.h"

namespace {

trm::Zeilen Typ(const trm::Zeilen& satz) {
  trm::TEWeiche w;
  std::size_t i = 0;
  w.DatenLesen(satz, i);
  trm::Zeilen aus;
  w.TypSchreiben(aus);
  return aus;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
  try {
    const trm::TTypliste liste(trm::TextInZeilen(bytes), trm::ZeilenWeiche);
    for (std::size_t k = 1; k <= liste.Saetze(); ++k) {
      trm::Zeilen einmal;
      try {
        einmal = Typ(liste.Satz(k));
      } catch (const trm::LeseFehler&) {
        continue;
      }
      trm::Zeilen zweimal;
      try {
        zweimal = Typ(einmal);
      } catch (const trm::LeseFehler&) {
        std::abort();
      }
      if (zweimal != einmal) std::abort();
    }
  } catch (const trm::LeseFehler&) {
  }
  return 0;
}
