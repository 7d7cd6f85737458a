// Fuzz harness of the layout reader: any bytes either read or give a LeseFehler. What reads
// is written; what was written reads again and writes the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"

namespace {

// Read as a file is opened: the lines in the bytes' own buffer.
std::string Geschrieben(const std::string& bytes) {
  const trm::Zeilentext text = trm::TextInZeilentext(bytes);
  auto a = trm::AnlageAusZeilen(text.Quelle(), "/tmp/", std::make_shared<trm::MersenneZufall>(1));
  return trm::ZeilenInText(trm::AnlageZeilen(*a));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  std::string einmal;
  try {
    einmal = Geschrieben(std::string(reinterpret_cast<const char*>(daten), groesse));
  } catch (const trm::LeseFehler&) {
    return 0;
  }
  // A file the program wrote must open again, unchanged.
  std::string zweimal;
  try {
    zweimal = Geschrieben(einmal);
  } catch (const trm::LeseFehler&) {
    std::abort();
  }
  if (zweimal != einmal) std::abort();
  return 0;
}
