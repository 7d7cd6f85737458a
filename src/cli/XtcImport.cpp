// Importing an XTrackCAD layout on the command line.
#include "XtcImport.h"

#include <iostream>
#include <stdexcept>

#include "core/import/XtcImport.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Pruefung.h"
#include "core/model/Textdatei.h"

namespace trm::cli {

int XtcImport(const std::vector<std::string>& args, const std::string& datenpfad) {
  if (args.size() != 2) {
    std::cerr << "Aufruf: trassomatic-cli xtc-import EIN.xtc AUS.m88\n";
    return 2;
  }
  try {
    XtcErgebnis e;
    auto anlage = XtcDateiImportieren(args[0], datenpfad, nullptr, e);
    std::cout << XtcBericht(e) << '\n';
    const std::vector<std::string> fehler = VerbindungenPruefen(*anlage, false);
    if (!fehler.empty()) {
      std::cerr << fehler.size() << " Fehler in den Verbindungen der Anlage:\n";
      for (const std::string& f : fehler) std::cerr << f << '\n';
      return 1;
    }
    DateiSchreiben(args[1], AnlageText(*anlage));
    return e.gleisobjekteUebersprungen > 0 ? 3 : 0;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

}  // namespace trm::cli
