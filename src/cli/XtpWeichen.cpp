// Converting an XTrackCAD parameter file's turnouts into a ".w88" list on the command line.
#include "XtpWeichen.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "core/import/XtpWeichen.h"
#include "core/model/Textdatei.h"

namespace trm::cli {

int XtpWeichen(const std::vector<std::string>& args) {
  std::vector<std::string> dateien;
  std::string massstab = "HO";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--scale") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        std::cerr << "Nach --scale fehlt der Maßstab (z.B. HO).\n";
        return 2;
      }
      massstab = args[++i];
    } else {
      dateien.push_back(args[i]);
    }
  }
  if (dateien.size() != 2) {
    std::cerr << "Aufruf: trassomatic-cli xtp-turnouts EIN.xtp AUS.w88 [--scale HO]\n";
    return 2;
  }
  try {
    const XtpErgebnis e = XtpWeichenUmwandeln(XtpDateiLesen(dateien[0], massstab), massstab);
    std::cout << XtpBericht(e) << '\n';
    if (e.uebernommen == 0) {
      std::cerr << "Keine Weiche des Maßstabs " << massstab << " konnte übernommen werden; " << dateien[1]
                << " wurde nicht geschrieben.\n";
      return 1;
    }
    DateiSchreiben(dateien[1],
                   XtpWeichenliste(e, std::filesystem::path(dateien[0]).filename().string(), massstab));
    return 0;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

}  // namespace trm::cli
