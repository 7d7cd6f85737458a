// trassomatic-cli: reads, checks, rewrites and lists layout files without the window, and
// checks element library files.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/geometry/GeoListe.h"
#include "core/import/TConverter.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Pruefung.h"
#include "core/model/Textdatei.h"
#include "core/model/Elementart.h"
#include "core/model/Modul.h"
#include "core/turnouts/Weiche.h"

#include "Drucken.h"
#include "Optimieren.h"
#include "Pruefen.h"
#include "Typlisten.h"
#include "XtcImport.h"
#include "XtpWeichen.h"

#ifdef TRM_MIT_BILD
#include "Bild3D.h"
#include "Render.h"
#endif

namespace {

constexpr const char* kAufruf = "Aufruf: trassomatic-cli [--data ORDNER] BEFEHL ...\n";
constexpr const char* kSchluss =
    "Jedes Modul wird wie nach dem Öffnen berechnet (als aktuelles Modul, zweimal).\n"
    "Rückgabe: 0 Erfolg, 1 Datei nicht lesbar oder schreibbar oder Verbindungen fehlerhaft,\n"
    "2 falscher Aufruf, 3 Ziel der Optimierung verfehlt, 4 Fehler in der Prüfung (verify).\n";

/// One call: the arguments after the command (the data folder taken out), the data folder
/// and the shared options of the commands on one layout.
struct Aufruf {
  std::vector<std::string> argumente;
  std::string datenpfad;
  int modul = -1;
  double massstab = 0;
};

std::string StandardDatenordner() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return std::string(xdg) + "/trassomatic";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::string(home) + "/.local/share/trassomatic";
  return "trassomatic-daten";
}

std::string Auslieferung() {
  // Beside an installed tool first, then the source tree of a build, then the configured prefix.
  std::error_code ec;
  const std::filesystem::path selbst = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const std::filesystem::path neben = selbst.parent_path() / ".." / "share" / "trassomatic";
    if (std::filesystem::is_directory(neben, ec)) return std::filesystem::canonical(neben, ec).string();
  }
  if (std::filesystem::is_directory(TRM_QUELLDATEN, ec)) return TRM_QUELLDATEN;
  return TRM_INSTALLDATEN;
}

/// Every module computed as after opening it: current, drawn, then its tracks again.
void AllesBerechnen(trm::Anlage& a) {
  const int aktuell = a.AktModul;
  for (int k = 0; k < static_cast<int>(a.Module.size()); ++k) {
    a.ModulWaehlen(k);
    trm::ModulBerechnen(*a.Module[static_cast<std::size_t>(k)]);
    trm::ModulBerechnen(*a.Module[static_cast<std::size_t>(k)]);
  }
  a.ModulWaehlen(aktuell);
}

int Check(trm::Anlage& a, const Aufruf&) {
  std::size_t gleise = 0, boegen = 0;
  for (const auto& m : a.Module) {
    gleise += m->Gleise.size();
    for (const auto& g : m->Gleise) boegen += g->Boegen.size();
  }
  std::printf("Anlage: %s\nModule: %zu\nGleise: %zu\nBögen: %zu\n", a.Name.c_str(), a.Module.size(),
              gleise, boegen);
  for (const std::string& h : a.Lesehinweise) std::printf("Hinweis: %s\n", h.c_str());
  // The links' structure: a stored start away from its predecessor's end is what the file holds
  // and closes at the next propagation, not a fault of the file.
  const std::vector<std::string> fehler = trm::VerbindungenPruefen(a, false);
  if (fehler.empty()) return 0;
  std::fprintf(stderr, "%zu Fehler in den Verbindungen der Anlage:\n", fehler.size());
  for (const std::string& f : fehler) std::fprintf(stderr, "%s\n", f.c_str());
  return 1;
}

/// The element a track belongs to, else the first element it is connected to (a turntable's
/// track), else none.
const trm::TElement* ElementDesGleises(const trm::TModul& m, const trm::TGleis& g) {
  if (g.Element) return g.Element;
  for (const auto& e : m.Elemente) {
    const auto an = e->AngeschlosseneGleise();
    if (std::find(an.begin(), an.end(), &g) != an.end()) return e.get();
  }
  return nullptr;
}

/// Index of the element of a track (ElementDesGleises) among the elements of its kind in its
/// module, -1 for other tracks.
int Weichenindex(const trm::TModul& m, const trm::TGleis& g) {
  const trm::TElement* e = ElementDesGleises(m, g);
  if (e == nullptr) return -1;
  const auto liste = m.ElementeDerArt(e->Art());
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (liste[i] == e) return static_cast<int>(i);
  return -1;
}

/// The kind's name of the element of a track (ElementDesGleises), "-" for other tracks.
const char* Artname(const trm::TModul& m, const trm::TGleis& g) {
  const trm::TElement* e = ElementDesGleises(m, g);
  const trm::TElementart* art = e ? trm::ElementartInfo(e->Art()) : nullptr;
  return art ? art->kennung : "-";
}

/// Calls f(module index, track index, segment index, module, track, segment) for every
/// segment of the layout, in file order.
template <class F>
void JederBogen(const trm::Anlage& a, F f) {
  for (std::size_t mi = 0; mi < a.Module.size(); ++mi) {
    const trm::TModul& m = *a.Module[mi];
    for (std::size_t gi = 0; gi < m.Gleise.size(); ++gi) {
      const trm::TGleis& g = *m.Gleise[gi];
      for (std::size_t bi = 0; bi < g.Boegen.size(); ++bi) f(mi, gi, bi, m, g, *g.Boegen[bi]);
    }
  }
}

int Geometrie(trm::Anlage& a, const Aufruf&) {
  AllesBerechnen(a);
  JederBogen(a, [](std::size_t mi, std::size_t gi, std::size_t bi, const trm::TModul& m, const trm::TGleis& g,
                   const trm::TBogen& b) {
    std::printf("%zu\t%zu\t%d\t%zu\t%zu\t%.6f\t%.6f\t%.6f\t%.6f\t%.9f\t%s\t%d\n", mi, gi, g.Nummer, bi,
                b.Spurpunkte.size(), b.Rest, b.XEnde, b.YEnde, b.ZEnde, b.WEnde, Artname(m, g), Weichenindex(m, g));
  });
  return 0;
}

int Punkte(trm::Anlage& a, const Aufruf&) {
  AllesBerechnen(a);
  JederBogen(a, [](std::size_t mi, std::size_t gi, std::size_t bi, const trm::TModul& m, const trm::TGleis& g,
                   const trm::TBogen& b) {
    const auto& pk = b.Spurpunkte;
    const char* art = Artname(m, g);
    const int index = Weichenindex(m, g);
    for (std::size_t pi = 0; pi < pk.size(); ++pi)
      std::printf("%zu\t%zu\t%zu\t%zu\t%.6f\t%.6f\t%.6f\t%.9f\t%s\t%d\n", mi, gi, bi, pi, pk[pi].x, pk[pi].y,
                  pk[pi].z, pk[pi].w, art, index);
  });
  return 0;
}

std::string Nummernliste(const std::vector<trm::TGleis*>& gleise) {
  std::string text;
  for (const trm::TGleis* g : gleise) {
    if (!text.empty()) text += ',';
    text += std::to_string(g->Nummer);
  }
  return text;
}

int Verbindungen(trm::Anlage& a, const Aufruf&) {
  for (std::size_t mi = 0; mi < a.Module.size(); ++mi) {
    const auto& m = a.Module[mi];
    for (std::size_t gi = 0; gi < m->Gleise.size(); ++gi) {
      const auto& g = m->Gleise[gi];
      std::printf("%zu\t%zu\t%d\t%d\t%s\t%s\n", mi, gi, g->Nummer, g->Vorgaenger ? g->Vorgaenger->Nummer : -1,
                  Nummernliste(g->Nachfolger).c_str(), Nummernliste(g->Verbund).c_str());
    }
  }
  return 0;
}

int Schwellen(trm::Anlage& a, const Aufruf&) {
  AllesBerechnen(a);
  for (std::size_t mi = 0; mi < a.Module.size(); ++mi)
    for (const trm::TElement* e : a.Module[mi]->ElementeDerArt(trm::Elementart::Weiche)) {
      const auto& umrisse = static_cast<const trm::TEWeiche*>(e)->SwPolygone;
      for (std::size_t i = 0; i < umrisse.size(); ++i) {
        std::printf("%zu\t%d\t%zu", mi, e->Nummer(), i);
        for (const trm::TPaar& p : umrisse[i]) std::printf("\t%.6f\t%.6f", p.x, p.y);
        std::printf("\n");
      }
    }
  return 0;
}

int Elemente(trm::Anlage& a, const Aufruf&) {
  for (std::size_t mi = 0; mi < a.Module.size(); ++mi)
    for (const auto& e : a.Module[mi]->Elemente) {
      const trm::TElementart* art = trm::ElementartInfo(e->Art());
      std::vector<trm::TGleis*> gleise = e->AlleGleise();
      for (trm::TGleis* g : e->AngeschlosseneGleise()) gleise.push_back(g);
      std::printf("%zu\t%s\t%d\t%s\t%s\n", mi, art ? art->kennung : "?", e->Nummer(), e->Typname().c_str(),
                  Nummernliste(gleise).c_str());
    }
  return 0;
}

[[maybe_unused]] int OhneBild(const char* was) {
  std::cerr << "Dieses Programm wurde ohne Qt gebaut und kann nicht " << was << ".\n";
  return 2;
}

/// A command on one layout file, read, then given to f.
template <int (*f)(trm::Anlage&, const Aufruf&)>
int MitAnlage(const Aufruf& r) {
  auto anlage = trm::AnlageLaden(r.argumente[0], r.datenpfad, nullptr);
  return f(*anlage, r);
}

int CheckBefehl(const Aufruf& r) {
  if (const trm::TListenart* art = trm::ListenartZuDatei(r.argumente[0])) return trm::cli::ListePruefen(r.argumente[0], *art);
  if (trm::IstGeoListe(r.argumente[0])) return trm::cli::GeoListePruefen(r.argumente[0]);
  return MitAnlage<&Check>(r);
}

int Importieren(const Aufruf& r) {
  auto plan = trm::PlanImportieren(r.argumente[0], r.datenpfad, nullptr, nullptr);
  trm::DateiSchreiben(r.argumente[1], trm::AnlageText(*plan));
  return 0;
}

int Rundlauf(trm::Anlage& a, const Aufruf& r) {
  AllesBerechnen(a);
  trm::DateiSchreiben(r.argumente[1], trm::AnlageText(a));
  return 0;
}

int Zeichnen(trm::Anlage& a, const Aufruf& r) {
#ifdef TRM_MIT_BILD
  return trm::cli::Render(a, r.modul, r.massstab, r.argumente[1]);
#else
  (void)a;
  (void)r;
  return OhneBild("zeichnen");
#endif
}

/// A command that reads its own options.
template <int (*f)(const std::vector<std::string>&, const std::string&)>
int Eigen(const Aufruf& r) {
  return f(r.argumente, r.datenpfad);
}

int Drucken(const Aufruf& r) {
#ifdef TRM_MIT_BILD
  return trm::cli::Drucken(r.argumente, r.datenpfad);
#else
  (void)r;
  return OhneBild("drucken");
#endif
}

int Bild3D(const Aufruf& r) {
#ifdef TRM_MIT_BILD
  return trm::cli::Bild3D(r.argumente, r.datenpfad);
#else
  (void)r;
  return OhneBild("zeichnen");
#endif
}

/// What the tool can do: the help text, the call and how the arguments are read.
struct Befehl {
  const char* name;
  const char* hilfe;
  int (*ausfuehren)(const Aufruf& r);
  /// Files a command on one layout takes; 0: the command reads its own options.
  std::size_t dateien;
  bool datenordner = true;  ///< needs the data folder
};

const std::vector<Befehl>& Befehle() {
  static const std::vector<Befehl> befehle = {
      {"check",
        "  check DATEI            liest die Anlage, nennt Module, Gleise und Bögen und prüft\n"
        "                         ihre Verbindungen (Fehler auf stderr);\n"
        "                         eine Elementliste (.w88, .k88, .e88, .d88, .ds) wird Satz für\n"
        "                         Satz gelesen und die Zahl ihrer Typen genannt (\"Typen: N\"),\n"
        "                         eine Bauteilliste (.g88) die ihrer Bauteile (\"Bauteile: N\")\n",
       &CheckBefehl, 1},
      {"roundtrip",
        "  roundtrip EIN AUS      liest EIN und schreibt die Anlage nach AUS\n",
       &MitAnlage<&Rundlauf>, 2},
      {"geometry",
        "  geometry DATEI         eine Zeile je Bogen: Modul, Gleis, Nummer, Bogen, Punkte,\n"
        "                         Rest, XEnde, YEnde, ZEnde, WEnde, Art (-, weiche, kreuzung,\n"
        "                         ekw, dkw, drehscheibe), Index des Elements seiner Art (-1 keines)\n",
       &MitAnlage<&Geometrie>, 1},
      {"import",
        "  import PLAN.trm AUS    importiert einen Plan der ersten Version (mit PLAN.WLi) nach AUS\n",
       &Importieren, 2},
      {"elements",
        "  elements DATEI         eine Zeile je Element: Modul, Art, Nummer, Name, Gleisnummern\n"
        "                         (Stammgleis, Zweiggleis, Kreuzungsgleis A und B, Zweiggleise\n"
        "                         der Kreuzungsweichen; bei Drehscheiben die angeschlossenen Gleise)\n",
       &MitAnlage<&Elemente>, 1},
      {"points",
        "  points DATEI           eine Zeile je Punkt: Modul, Gleis, Bogen, Punkt, x, y, z, Richtung,\n"
        "                         Art (-, weiche, kreuzung, ekw, dkw, drehscheibe), Index des Elements\n"
        "                         seiner Art (-1 keines)\n",
       &MitAnlage<&Punkte>, 1},
      {"links",
        "  links DATEI            eine Zeile je Gleis: Modul, Gleis, Nummer, Vorgänger (-1 keiner),\n"
        "                         Nachfolger und Verbund (Nummern mit Komma getrennt)\n",
       &MitAnlage<&Verbindungen>, 1},
      {"optimise",
        "  optimise EIN AUS --module M --track T --first I --last J --target X,Y,GRAD [--seed N]\n"
        "                         biegt die Bögen I..J (ab 0) von Gleis T (ab 0) in Modul M, bis\n"
        "                         ihr Ende das Ziel trifft; gibt Zielwert, dx, dy (mm) und dw (Grad)\n"
        "                         aus und schreibt AUS nur bei Erfolg (sonst Rückgabe 3)\n",
       &Eigen<&trm::cli::Optimieren>, 0},
      {"sleepers",
        "  sleepers DATEI         eine Zeile je Schwelle jeder Weiche: Modul, Nummer der Weiche,\n"
        "                         Schwelle (ab 0), dann die vier Ecken x1 y1 x2 y2 x3 y3 x4 y4 in mm\n",
       &MitAnlage<&Schwellen>, 1},
      {"render",
        "  render DATEI BILD [--module N] [--mm-per-pixel M]\n"
        "                         zeichnet ein Modul (N ab 0; sonst das aktuelle) wie der\n"
        "                         Bildschirm als BILD (.png oder .bmp, als Vektorgrafik .pdf oder .svg)\n",
       &MitAnlage<&Zeichnen>, 2},
      {"print",
        "  print DATEI AUS.pdf --scale N [--paper A4|A3|Letter] [--landscape] [--sheets LISTE]\n"
        "        [--module M]     druckt ein Modul im Maßstab 1:N auf Blätter (ab der linken unteren\n"
        "                         Ecke, links nach rechts, dann eine Reihe höher) in eine PDF-Datei,\n"
        "                         eine Seite je Blatt; LISTE z.B. 1,5,7-10 (sonst alle Blätter);\n"
        "                         Rand 5 mm, Schienen und 100mm-Raster\n",
       &Drucken, 0},
      {"view3d",
        "  view3d DATEI BILD [--module M] [--band]\n"
        "                         das erste Bild der 3D-Ansicht eines Moduls (M ab 0; sonst das\n"
        "                         aktuelle), 1024 x 768 Pixel, als BILD (.png oder .bmp); mit --band\n"
        "                         die Gleise als Band in Trassenbreite, nach Höhe eingefärbt\n",
       &Bild3D, 0},
      {"xtp-turnouts",
        "  xtp-turnouts EIN.xtp AUS.w88 [--scale HO]\n"
        "                         schreibt die Weichen einer XTrackCAD-Parameterdatei, die sich als\n"
        "                         Weichentyp darstellen lassen, als Weichenliste; nennt übernommene\n"
        "                         und übersprungene Typen (nach Grund)\n",
       [](const Aufruf& r) { return trm::cli::XtpWeichen(r.argumente); }, 0, false},
      {"xtc-import",
        "  xtc-import EIN.xtc AUS.m88\n"
        "                         importiert eine XTrackCAD-Anlage; nennt übernommene und\n"
        "                         übersprungene Objekte (Rückgabe 3, wenn Gleisobjekte fehlen)\n",
       &Eigen<&trm::cli::XtcImport>, 0},
      {"parts",
        "  parts DATEI [--csv]    die Stückliste: Gleislänge je Spurweite mit Flexgleisen, Weichen,\n"
        "                         Kreuzungen, Kreuzungsweichen und Drehscheiben; Längen, Verschnitt\n"
        "                         und Preise aus der Preisdatei des Datenordners\n",
       &Eigen<&trm::cli::Teile>, 0},
      {"verify",
        "  verify DATEI [--json] [--module M]\n"
        "                         prüft die Anlage (oder Modul M, ab 0) mit den Prüfregeln des\n"
        "                         Datenordners: eine Zeile je Befund (Schwere, Regel, Modul, x, y,\n"
        "                         Text) oder mit --json ein Objekt {\"findings\": [...]}; Fehler vor\n"
        "                         Hinweisen\n",
       &Eigen<&trm::cli::Pruefen>, 0},
  };
  return befehle;
}

const Befehl* BefehlFinden(const std::string& name) {
  for (const Befehl& b : Befehle())
    if (name == b.name) return &b;
  return nullptr;
}

std::string Hilfe() {
  std::string text = kAufruf;
  for (const Befehl& b : Befehle()) text += b.hilfe;
  return text + kSchluss;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The command is the first argument that is neither an option of every command nor its value.
  std::string daten;
  const Befehl* befehl = nullptr;
  std::size_t stelle = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--data" || args[i] == "--module" || args[i] == "--mm-per-pixel") {
      ++i;
      continue;
    }
    if (args[i] == "--help" || args[i] == "-h") {
      std::cout << Hilfe();
      return 0;
    }
    befehl = BefehlFinden(args[i]);
    stelle = i;
    break;
  }
  if (befehl == nullptr) {
    std::cerr << Hilfe();
    return 2;
  }
  Aufruf r;
  std::vector<std::string> rest;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (k == stelle) continue;
    if (args[k] == "--data") {
      if (k + 1 >= args.size()) {
        std::cerr << Hilfe();
        return 2;
      }
      daten = args[++k];
      continue;
    }
    rest.push_back(args[k]);
  }
  if (befehl->dateien == 0) {
    r.argumente = rest;
  } else {
    // The options of the commands on one layout.
    for (std::size_t i = 0; i < rest.size(); ++i) {
      if (rest[i] == "--help" || rest[i] == "-h") {
        std::cout << Hilfe();
        return 0;
      }
      if (rest[i] != "--module" && rest[i] != "--mm-per-pixel") {
        r.argumente.push_back(rest[i]);
        continue;
      }
      if (i + 1 >= rest.size()) {
        std::cerr << Hilfe();
        return 2;
      }
      const std::string& wert = rest[++i];
      char* ende = nullptr;
      const double zahl = std::strtod(wert.c_str(), &ende);
      if (ende == wert.c_str() || *ende != '\0' || !(zahl >= 0) || (rest[i - 1] == "--mm-per-pixel" && zahl == 0)) {
        std::cerr << "Ungültiger Wert '" << wert << "' für " << rest[i - 1] << '\n';
        return 2;
      }
      if (rest[i - 1] == "--module") r.modul = static_cast<int>(zahl);
      else r.massstab = zahl;
    }
    if (r.argumente.size() != befehl->dateien) {
      std::cerr << Hilfe();
      return 2;
    }
  }
  if (befehl->datenordner) {
    if (daten.empty()) {
      daten = StandardDatenordner();
      trm::DatenordnerEinrichten(daten, Auslieferung());
    }
    r.datenpfad = trm::MitTrenner(daten);
  }
  try {
    return befehl->ausfuehren(r);
  } catch (const std::runtime_error& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
}
