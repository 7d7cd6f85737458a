// The "view3d" command over the 3-D view's shared drawing and an OpenGL context without a display.
#include "Bild3D.h"

#include <QString>
#include <charconv>
#include <iostream>

#include "core/model/Anlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/output/Ansicht3D.h"
#include "gui/output/Offscreen3D.h"
#include "gui/render/Bildexport.h"

namespace trm::cli {

namespace {
constexpr const char* kAufruf = "Aufruf: trassomatic-cli view3d DATEI BILD [--module M] [--band]\n";
}

int Bild3D(const std::vector<std::string>& args, const std::string& datenpfad) {
  std::vector<std::string> dateien;
  std::string modulText;
  bool baender = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--module" && i + 1 < args.size()) modulText = args[++i];
    else if (a == "--band") baender = true;
    else if (a.rfind("--", 0) == 0) {
      std::cerr << kAufruf;
      return 2;
    } else dateien.push_back(a);
  }
  if (dateien.size() != 2) {
    std::cerr << kAufruf;
    return 2;
  }
  try {
    auto anlage = AnlageLaden(dateien[0], datenpfad, nullptr);
    int modul = anlage->AktModul;
    if (!modulText.empty()) {
      const char* anf = modulText.data();
      const auto [p, f] = std::from_chars(anf, anf + modulText.size(), modul);
      if (f != std::errc() || p != anf + modulText.size()) modul = -1;
    }
    if (modul < 0 || modul >= static_cast<int>(anlage->Module.size())) {
      std::cerr << "Das Modul " << modulText << " gibt es nicht; die Anlage hat " << anlage->Module.size()
                << " Module.\n";
      return 2;
    }
    // As the window sees it: the module current and computed as after opening.
    anlage->ModulWaehlen(modul);
    TModul& m = *anlage->Module[static_cast<std::size_t>(modul)];
    ModulBerechnen(m);
    ModulBerechnen(m);
    const TAnsicht3D ansicht =
        TAnsicht3D::Start(Szene3D(m, true), static_cast<double>(Bild3DBreite) / Bild3DHoehe);
    const QImage bild = gui::Szene3DBild(Szene3D(m, baender), ansicht, Bild3DBreite, Bild3DHoehe);
    const QString pfad = gui::BildPfad(QString::fromStdString(dateien[1]));
    if (!gui::BildSpeichern(bild, pfad)) {
      std::cerr << "Die Datei \"" << pfad.toStdString() << "\" konnte nicht gespeichert werden.\n";
      return 1;
    }
    return 0;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

}  // namespace trm::cli
