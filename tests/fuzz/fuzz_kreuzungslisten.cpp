// Fuzz harness of the crossing, single-slip and double-slip list readers: any bytes, read as a
// list of each kind, either read record by record or give a LeseFehler. A record that reads is
// built and computed in a layout of its own with its sleeper plan switched on (the plan stays
// within bounds), then written as a type; that reads again and writes the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Typliste.h"

namespace {

template <class Art>
trm::Zeilen Typ(const trm::Zeilen& satz) {
  trm::Anlage a(std::make_shared<trm::MersenneZufall>(1));
  std::size_t i = 0;
  auto* k = static_cast<trm::TKreuzung*>(
      trm::KrElementLesen(*a.ModulAnhaengen(), std::make_unique<Art>(), satz, i, 0));
  const bool plan = k->MitSwPlan;
  k->MitSwPlan = true;
  k->KrAktualisieren();
  if (k->SwUmrisseA.size() > 50'000 || k->SwUmrisseB.size() > 50'000) std::abort();
  k->MitSwPlan = plan;
  trm::Zeilen aus;
  k->TypSchreiben(aus);
  return aus;
}

template <class Art>
void Liste(const trm::Zeilen& zeilen, std::size_t satzlaenge) {
  try {
    const trm::TTypliste liste(zeilen, satzlaenge);
    for (std::size_t k = 1; k <= liste.Saetze(); ++k) {
      trm::Zeilen einmal;
      try {
        einmal = Typ<Art>(liste.Satz(k));
      } catch (const trm::LeseFehler&) {
        continue;
      } catch (const trm::SchreibFehler&) {
        continue;  // the list reader refuses such a type
      }
      trm::Zeilen zweimal;
      try {
        zweimal = Typ<Art>(einmal);
      } catch (const trm::LeseFehler&) {
        std::abort();
      }
      if (zweimal != einmal) std::abort();
    }
  } catch (const trm::LeseFehler&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const trm::Zeilen zeilen = trm::TextInZeilen(std::string(reinterpret_cast<const char*>(daten), groesse));
  Liste<trm::TKreuzung>(zeilen, trm::ZeilenKreuzung);
  Liste<trm::TEKW>(zeilen, trm::ZeilenEKW);
  Liste<trm::TDKW>(zeilen, trm::ZeilenDKW);
  return 0;
}
