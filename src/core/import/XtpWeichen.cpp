// Converting the TURNOUT blocks of a parameter file into turnout types and counting the rest.
#include "core/import/XtpWeichen.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/import/XtpAnpassung.h"
#include "core/import/XtpWege.h"
#include "core/model/Kleinschreibung.h"

namespace trm {

namespace {

struct Massstab {
  const char* name;
  double verhaeltnis;
};
/// The scales of the parameter files that have a plain ratio.
constexpr std::array<Massstab, 8> Massstaebe{{{"HO", 87},
                                              {"N", 160},
                                              {"TT", 120},
                                              {"Z", 220},
                                              {"OO", 76.2},
                                              {"S", 64},
                                              {"O", 48},
                                              {"G", 22.5}}};

/// The largest sleeper length of the shipped H0 list (60 mm) at the scale's ratio.
double MaxSwLaenge(const std::string& massstab) {
  for (const Massstab& m : Massstaebe)
    if (AsciiKlein(massstab) == AsciiKlein(m.name)) return 60.0 * 87.0 / m.verhaeltnis;
  return 60.0;
}

void Zaehlen(XtpErgebnis& e, const std::string& grund) {
  for (auto& [g, n] : e.uebersprungen)
    if (g == grund) {
      ++n;
      return;
    }
  e.uebersprungen.emplace_back(grund, 1);
}

}  // namespace

std::size_t XtpErgebnis::Uebersprungen() const {
  std::size_t n = 0;
  for (const auto& [g, k] : uebersprungen) n += k;
  return n;
}

std::string XtpName(const std::string& titel) {
  std::string name;
  std::size_t anfang = 0;
  while (anfang <= titel.size()) {
    std::size_t ende = titel.find('\t', anfang);
    if (ende == std::string::npos) ende = titel.size();
    std::string teil = titel.substr(anfang, ende - anfang);
    for (char& c : teil)
      if (static_cast<unsigned char>(c) < 0x20) c = ' ';  // no line breaks in a record line
    teil = OhneLeerzeichen(teil);
    if (!teil.empty()) name += (name.empty() ? "" : " ") + teil;
    anfang = ende + 1;
  }
  return name;
}

std::string XtpMassstabname(double massstab) {
  for (const Massstab& m : Massstaebe)
    if (std::fabs(massstab - m.verhaeltnis) < 0.5) return m.name;
  return "HO";
}

XtpErgebnis XtpWeichenUmwandeln(const std::vector<XtpTyp>& typen, const std::string& massstab) {
  XtpErgebnis e;
  const double maxSw = MaxSwLaenge(massstab);
  for (const XtpTyp& t : typen) {
    const auto form = XtpWeichenformBestimmen(t);
    if (const auto* grund = std::get_if<std::string>(&form)) {
      Zaehlen(e, *grund);
      continue;
    }
    std::string name = XtpName(t.titel);
    if (name.empty()) name = "Weiche aus Zeile " + std::to_string(t.zeile);
    const auto satz = XtpWeichentyp(std::get<XtpWeichenform>(form), name, maxSw);
    if (!satz) {
      Zaehlen(e, "Form nicht als Weichentyp abbildbar");
      continue;
    }
    e.saetze.insert(e.saetze.end(), satz->begin(), satz->end());
    ++e.uebernommen;
  }
  return e;
}

Zeilen XtpWeichenliste(const XtpErgebnis& e, const std::string& quelle, const std::string& massstab) {
  Zeilen z{"Weichen aus " + quelle + " (" + massstab + ")", std::to_string(e.uebernommen)};
  z.insert(z.end(), e.saetze.begin(), e.saetze.end());
  return z;
}

std::string XtpBericht(const XtpErgebnis& e) {
  std::string text = std::to_string(e.uebernommen) + (e.uebernommen == 1 ? " Weichentyp" : " Weichentypen") +
                     " übernommen, " + std::to_string(e.Uebersprungen()) + " übersprungen";
  if (!e.uebersprungen.empty()) text += ":";
  auto gruende = e.uebersprungen;
  std::stable_sort(gruende.begin(), gruende.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [g, n] : gruende) text += "\n" + std::to_string(n) + " × " + g;
  return text;
}

}  // namespace trm
