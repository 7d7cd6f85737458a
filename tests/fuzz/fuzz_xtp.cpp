// Fuzz harness of the XTrackCAD parameter-file reader and the turnout conversion: any bytes
// either read or give a LeseFehler; the types of every scale found are converted, and the list
// they make reads with the turnout-list reader and writes the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "core/import/XtpDatei.h"
#include "core/import/XtpWeichen.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Typliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  std::vector<trm::XtpTyp> typen;
  try {
    typen = trm::XtpBytesLesen(std::string(reinterpret_cast<const char*>(daten), groesse), "fuzz.xtp", "");
  } catch (const trm::LeseFehler&) {
    return 0;
  }
  std::set<std::string> massstaebe;
  for (const auto& t : typen) massstaebe.insert(t.massstab);
  for (const std::string& m : massstaebe) {
    std::vector<trm::XtpTyp> auswahl;
    for (const auto& t : typen)
      if (t.massstab == m) auswahl.push_back(t);
    const trm::XtpErgebnis e = trm::XtpWeichenUmwandeln(auswahl, m);
    if (e.uebernommen + e.Uebersprungen() != auswahl.size()) std::abort();
    const std::string einmal = trm::ZeilenInText(trm::XtpWeichenliste(e, "fuzz.xtp", m));
    try {
      const trm::TTypliste liste(trm::TextInZeilen(einmal), trm::ZeilenWeiche);
      liste.SaetzeLesen(trm::WeichentypLesen);
      if (liste.Anzahl() != static_cast<std::int64_t>(e.uebernommen)) std::abort();
      if (trm::ZeilenInText(liste.Text()) != einmal) std::abort();
    } catch (const trm::LeseFehler&) {
      std::abort();
    }
  }
  return 0;
}
