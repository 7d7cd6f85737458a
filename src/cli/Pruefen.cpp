// The "verify" command: every module computed as after opening, checked with the rules of the
// data folder, one line per finding or one JSON object.
#include "Pruefen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "core/check/Anlagenpruefung.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"

namespace trm::cli {

namespace {

constexpr const char* kAufruf = "Aufruf: trassomatic-cli verify DATEI [--json] [--module M]\n";

/// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes.
std::string JsonText(const std::string& s) {
  std::string t = "\"";
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      t += '\\';
      t += c;
    } else if (u < 0x20) {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "\\u%04x", u);
      t += puffer;
    } else {
      t += c;
    }
  }
  return t + "\"";
}

/// A JSON number (null for a value that is not finite).
std::string JsonZahl(double x) {
  if (!std::isfinite(x)) return "null";
  char puffer[40];
  std::snprintf(puffer, sizeof puffer, "%.15g", x);
  return puffer;
}

}  // namespace

int Pruefen(const std::vector<std::string>& args, const std::string& datenpfad) {
  std::string datei;
  bool json = false;
  long modul = -1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--module" && i + 1 < args.size()) {
      const std::string& wert = args[++i];
      char* ende = nullptr;
      modul = std::strtol(wert.c_str(), &ende, 10);
      if (wert.empty() || *ende != '\0' || modul < 0) {
        std::cerr << "Ungültiger Wert '" << wert << "' für --module\n" << kAufruf;
        return 2;
      }
    } else if (datei.empty() && args[i].rfind("--", 0) != 0) {
      datei = args[i];
    } else {
      std::cerr << kAufruf;
      return 2;
    }
  }
  if (datei.empty()) {
    std::cerr << kAufruf;
    return 2;
  }
  try {
    const TPruefregeln regeln = PruefregelnLaden(datenpfad);
    auto anlage = AnlageLaden(datei, datenpfad, nullptr);
    if (modul >= static_cast<long>(anlage->Module.size())) {
      std::cerr << "Die Anlage hat kein Modul " << modul << ".\n";
      return 2;
    }
    // Every module as after opening it: current, computed twice.
    const int aktuell = anlage->AktModul;
    for (std::size_t k = 0; k < anlage->Module.size(); ++k) {
      anlage->ModulWaehlen(static_cast<int>(k));
      ModulBerechnen(*anlage->Module[k]);
      ModulBerechnen(*anlage->Module[k]);
    }
    anlage->ModulWaehlen(aktuell);
    const std::vector<TBefund> befunde = AnlagePruefen(*anlage, regeln, static_cast<int>(modul));
    if (json) {
      std::string t = "{\"findings\": [";
      for (std::size_t i = 0; i < befunde.size(); ++i) {
        const TBefund& b = befunde[i];
        t += i ? ",\n  " : "\n  ";
        t += "{\"rule\": " + JsonText(RegelInfo(b.regel).kennung) + ", \"severity\": " + JsonText(b.Schwere()) +
             ", \"module\": " + std::to_string(b.modul) + ", \"x\": " + JsonZahl(b.x) + ", \"y\": " + JsonZahl(b.y) +
             ", \"tracks\": [";
        for (std::size_t k = 0; k < b.gleise.size(); ++k) t += (k ? ", " : "") + std::to_string(b.gleise[k]);
        t += "], \"value\": " + JsonZahl(b.wert) + ", \"limit\": " + JsonZahl(b.grenze) +
             ", \"text\": " + JsonText(b.text) + "}";
      }
      t += befunde.empty() ? "]}\n" : "\n]}\n";
      std::cout << t;
    } else {
      for (const TBefund& b : befunde)
        std::printf("%s\t%s\t%d\t%.3f\t%.3f\t%s\n", b.Schwere(), RegelInfo(b.regel).kennung, b.modul, b.x, b.y,
                    b.text.c_str());
    }
    return Fehlerzahl(befunde) > 0 ? 4 : 0;
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}

}  // namespace trm::cli
