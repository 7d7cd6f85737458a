// The "parts" command: the parts list of a layout with the kept prices of the data folder.
#include <iostream>

#include "Drucken.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/output/Stueckliste.h"

namespace trm::cli {

int Teile(const std::vector<std::string>& args, const std::string& datenpfad) {
  std::string datei;
  bool csv = false;
  for (const std::string& a : args) {
    if (a == "--csv")
      csv = true;
    else if (datei.empty() && a.rfind("--", 0) != 0)
      datei = a;
    else {
      std::cerr << "Aufruf: trassomatic-cli parts DATEI [--csv]\n";
      return 2;
    }
  }
  if (datei.empty()) {
    std::cerr << "Aufruf: trassomatic-cli parts DATEI [--csv]\n";
    return 2;
  }
  try {
    auto anlage = AnlageLaden(datei, datenpfad, nullptr);
    for (auto& m : anlage->Module) ModulBerechnen(*m);
    TStueckliste s = StuecklisteAufbauen(*anlage);
    if (auto preise = DateiImOrdner(datenpfad, PreisDateiName)) PreiseEintragen(s, PreiseLesen(DateiLesen(*preise)));
    StuecklisteBerechnen(s);
    std::cout << (csv ? StuecklisteCSV(s) : StuecklisteText(s));
    return 0;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

}  // namespace trm::cli
