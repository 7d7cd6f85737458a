// Fuzz harness of the version-1 import: the bytes up to a line "#WLi#" are the plan, the rest
// the turnout file. Any bytes either import or give a LeseFehler; what imports is written,
// and that reads again and writes the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/import/TConverter.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const trm::Zeilen alle = trm::TextInZeilen(std::string(reinterpret_cast<const char*>(daten), groesse));
  trm::Zeilen plan, weichen;
  bool zweite = false;
  for (const auto& z : alle) {
    if (!zweite && z == "#WLi#") {
      zweite = true;
      continue;
    }
    (zweite ? weichen : plan).push_back(z);
  }
  std::string einmal;
  try {
    trm::Anlage a(std::make_shared<trm::MersenneZufall>(1));
    a.DatenPfad = "/tmp/";
    trm::TConverter c(a);
    c.PlanLesen(plan);
    c.WeichenLesen(weichen);
    c.Abschliessen();
    einmal = trm::ZeilenInText(trm::AnlageZeilen(a));
  } catch (const trm::LeseFehler&) {
    return 0;
  }
  try {
    auto wieder = trm::AnlageAusZeilen(trm::TextInZeilen(einmal), "/tmp/", std::make_shared<trm::MersenneZufall>(1));
    if (trm::ZeilenInText(trm::AnlageZeilen(*wieder)) != einmal) std::abort();
  } catch (const trm::LeseFehler&) {
    std::abort();
  }
  return 0;
}
