// libFuzzer harness: any bytes given to the layout reader either read or give a LeseFehler;
// a layout that reads is computed and written again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
  try {
    auto a = trm::AnlageAusZeilen(trm::TextInZeilen(bytes), "/tmp/",
                                  std::make_shared<trm::MersenneZufall>(1));
    (void)trm::AnlageZeilen(*a);
  } catch (const trm::LeseFehler&) {
  }
  return 0;
}
