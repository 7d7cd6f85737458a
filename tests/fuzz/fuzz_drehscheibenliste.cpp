// Fuzz harness of the turntable list reader: any bytes either read record by record or give a
// LeseFehler. Every record that reads is written as a type; that reads again and writes the
// same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Drehscheibe.h"

namespace {

trm::Zeilen Typ(const trm::Zeilen& satz) {
  trm::TDrehscheibe d;
  std::size_t i = 0;
  d.DSLaden(satz, i);
  // The connections a hostile record makes are walked as the drawing walks them.
  if (d.Anschlusspunkte().size() != static_cast<std::size_t>(d.Anzahl())) std::abort();
  trm::Zeilen aus;
  d.TypSchreiben(aus);
  return aus;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
  try {
    // Turntable lists have no header line: the count comes first.
    const trm::TTypliste liste(trm::TextInZeilen(bytes), trm::ZeilenDrehscheibe, 0);
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
