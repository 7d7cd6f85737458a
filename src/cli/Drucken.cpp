// The "print" command over the Qt printer, on the offscreen platform.
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "Drucken.h"
#include "Offscreen.h"
#include "core/model/Anlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include <QPrinter>

#include "gui/output/Druckausgabe.h"

namespace trm::cli {

namespace {
constexpr const char* kAufruf =
    "Aufruf: trassomatic-cli print DATEI AUS.pdf --scale N [--paper A4|A3|Letter] [--landscape]\n"
    "                              [--sheets LISTE] [--module M]\n";
}

int Drucken(const std::vector<std::string>& args, const std::string& datenpfad) {
  std::vector<std::string> dateien;
  std::string massstab, papier = "A4", blaetter;
  bool quer = false;
  std::string modulText;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool mitWert = a == "--scale" || a == "--paper" || a == "--sheets" || a == "--module";
    if (mitWert && i + 1 >= args.size()) {
      std::cerr << kAufruf;
      return 2;
    }
    if (a == "--scale") massstab = args[++i];
    else if (a == "--paper") papier = args[++i];
    else if (a == "--sheets") blaetter = args[++i];
    else if (a == "--module") modulText = args[++i];
    else if (a == "--landscape") quer = true;
    else if (a.rfind("--", 0) == 0) {
      std::cerr << kAufruf;
      return 2;
    } else dateien.push_back(a);
  }
  if (dateien.size() != 2 || massstab.empty()) {
    std::cerr << kAufruf;
    return 2;
  }
  QPageSize::PageSizeId id = QPageSize::A4;
  if (papier == "A3") id = QPageSize::A3;
  else if (papier == "Letter") id = QPageSize::Letter;
  else if (papier != "A4") {
    std::cerr << "Das Papierformat \"" << papier << "\" gibt es nicht; möglich sind A4, A3 und Letter.\n";
    return 2;
  }
  // On the command line a scale below 1 is refused, not raised to 1 as the window does.
  std::int64_t n = 0;
  {
    const char* anf = massstab.data();
    const auto [p, f] = std::from_chars(anf, anf + massstab.size(), n);
    if (f != std::errc() || p != anf + massstab.size() || n < 1) {
      std::cerr << "\"" << massstab << "\" ist kein gültiger Druckmaßstab. Bitte eine ganze Zahl ab 1 eingeben.\n";
      return 2;
    }
  }
  const auto app = OffscreenAnwendung();
  try {
    auto anlage = AnlageLaden(dateien[0], datenpfad, nullptr);
    int modul = anlage->AktModul;
    if (!modulText.empty()) {
      try {
        std::size_t ende = 0;
        modul = std::stoi(modulText, &ende);
        if (ende != modulText.size()) modul = -1;
      } catch (const std::exception&) {
        modul = -1;
      }
    }
    if (modul < 0 || modul >= static_cast<int>(anlage->Module.size())) {
      std::cerr << "Das Modul " << modulText << " gibt es nicht; die Anlage hat " << anlage->Module.size()
                << " Module.\n";
      return 2;
    }
    anlage->ModulWaehlen(modul);
    TModul& m = *anlage->Module[static_cast<std::size_t>(modul)];
    ModulBerechnen(m);
    ModulBerechnen(m);
    const QPageLayout::Orientation lage = quer ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPrinter probe(QPrinter::HighResolution);
    gui::PdfEinrichten(probe, QString(), id, lage);
    const gui::TSeitenmass s = gui::Seitenmass(probe);
    const TBlattaufteilung t = Blaetter(m.Breite, m.Hoehe, n, s.breiteMm, s.hoeheMm);
    std::vector<std::int64_t> liste;
    try {
      liste = Seitenliste(blaetter.empty() ? "1-" + std::to_string(t.Anzahl()) : blaetter, t.Anzahl());
    } catch (const EingabeFehler& f) {
      std::cerr << f.what() << '\n';
      return 2;
    }
    if (liste.empty()) {
      std::cerr << "Es ist kein Blatt zu drucken.\n";
      return 2;
    }
    gui::PdfDrucken(*anlage, m, TDruckoptionen{}, n, liste, id, lage, QString::fromStdString(dateien[1]));
    std::cout << t.spalten << " x " << t.zeilen << " Blätter, " << liste.size() << " gedruckt\n";
    return 0;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

}  // namespace trm::cli
