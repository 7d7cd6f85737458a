// The "optimise" command of the command-line tool.
#include "Optimieren.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>

#include "core/model/AnlageDatei.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/model/Verbindungen.h"
#include "core/optimiser/OptiLauf.h"

namespace trm::cli {

namespace {

std::optional<double> Zahl(const std::string& s) {
  double x = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (ec != std::errc{} || p != s.data() + s.size() || !std::isfinite(x)) return std::nullopt;
  return x;
}

std::optional<std::size_t> Index(const std::string& s) {
  std::size_t x = 0;
  const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (ec != std::errc{} || p != s.data() + s.size()) return std::nullopt;
  return x;
}

int Falsch(const std::string& text) {
  std::cerr << text << '\n';
  return 2;
}

}  // namespace

int Optimieren(const std::vector<std::string>& args, const std::string& datenpfad) {
  std::vector<std::string> dateien;
  std::map<std::string, std::string> werte;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].starts_with("--")) {
      if (i + 1 >= args.size()) return Falsch("Wert fehlt für " + args[i]);
      werte[args[i]] = args[i + 1];
      ++i;
    } else {
      dateien.push_back(args[i]);
    }
  }
  for (const auto& [name, wert] : werte)
    if (name != "--module" && name != "--track" && name != "--first" && name != "--last" && name != "--target" &&
        name != "--seed")
      return Falsch("Unbekannte Option " + name);
  if (dateien.size() != 2) return Falsch("Aufruf: optimise EIN AUS --module M --track T --first I --last J --target X,Y,GRAD [--seed N]");
  std::optional<std::size_t> modul, gleis, erster, letzter, saat = std::size_t{1};
  for (auto [name, ziel] : {std::pair{"--module", &modul}, {"--track", &gleis}, {"--first", &erster},
                            {"--last", &letzter}, {"--seed", &saat}}) {
    const auto it = werte.find(name);
    if (it == werte.end()) {
      if (std::string(name) == "--seed") continue;
      return Falsch(std::string("Option fehlt: ") + name);
    }
    *ziel = Index(it->second);
    if (!*ziel) return Falsch("Ungültiger Wert '" + it->second + "' für " + name);
  }
  const auto z = werte.find("--target");
  if (z == werte.end()) return Falsch("Option fehlt: --target");
  std::vector<double> zielwerte;
  for (std::size_t anf = 0;;) {
    const std::size_t komma = z->second.find(',', anf);
    const auto x = Zahl(z->second.substr(anf, komma == std::string::npos ? std::string::npos : komma - anf));
    if (!x) return Falsch("Ungültiges Ziel '" + z->second + "' (erwartet X,Y,GRAD)");
    zielwerte.push_back(*x);
    if (komma == std::string::npos) break;
    anf = komma + 1;
  }
  if (zielwerte.size() != 3) return Falsch("Ungültiges Ziel '" + z->second + "' (erwartet X,Y,GRAD)");

  std::unique_ptr<Anlage> a;
  try {
    a = AnlageLaden(dateien[0], datenpfad, nullptr);
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  if (*modul >= a->Module.size()) return Falsch("Kein Modul " + std::to_string(*modul));
  TModul& m = *a->Module[*modul];
  if (*gleis >= m.Gleise.size()) return Falsch("Kein Gleis " + std::to_string(*gleis));
  TGleis& g = *m.Gleise[*gleis];
  if (*erster > *letzter || *letzter >= g.Boegen.size()) return Falsch("Ungültige Bögen " + std::to_string(*erster) + ".." + std::to_string(*letzter));

  a->ModulWaehlen(static_cast<int>(*modul));
  ModulBerechnen(m);
  ModulBerechnen(m);
  TOptiKette kette(g, *erster, *letzter);
  std::mt19937_64 zufall(*saat);
  const TOptiZielwerte ziel{zielwerte[0], zielwerte[1], zielwerte[2]};
  const TOptiErgebnis e = OptiLauf(kette, ziel, zufall);
  if (e.wert < 0) {
    std::cerr << "Weniger als zwei freie Parameter\n";
    return 3;
  }
  const TAbweichung d = kette.Abweichung(ziel);
  std::printf("%.9g\t%.9f\t%.9f\t%.9f\n", e.wert, d.dx, d.dy, d.dw);
  if (!(e.wert <= 1e-4)) return 3;
  g.PunkteBerechnen();
  LageWeitergeben(m, &g);
  ModulBerechnen(m);
  try {
    DateiSchreiben(dateien[1], AnlageText(*a));
  } catch (const std::runtime_error& e2) {
    std::cerr << e2.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace trm::cli
