// Reading XTrackCAD layout files: head lines, then objects from their header line to END.
#include "core/import/XtcDatei.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/model/Codepage.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

bool Leer(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

/// The words of a line; a word that begins with a quote runs to its closing quote ("" is a
/// quote inside it, an unclosed one to the end of the line) and is kept without its quotes.
std::vector<std::string> Woerter(std::string_view text) {
  std::vector<std::string> w;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && Leer(text[i])) ++i;
    if (i >= text.size()) return w;
    std::string wort;
    if (text[i] == '"') {
      for (++i; i < text.size(); ++i) {
        if (text[i] != '"') {
          wort += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
          wort += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else {
      while (i < text.size() && !Leer(text[i])) wort += text[i++];
    }
    w.push_back(std::move(wort));
  }
}

[[noreturn]] void Fehler(const std::string& datei, std::size_t zeile, const std::string& meldung) {
  throw LeseFehler("Datei " + datei + ", Zeile " + std::to_string(zeile) + ": " + meldung);
}

/// Word k of w as a finite number of sensible size.
double Zahl(const std::vector<std::string>& w, std::size_t k, const std::string& datei, std::size_t zeile) {
  if (k >= w.size()) Fehler(datei, zeile, "In der Zeile \"" + Zitat(w.empty() ? "" : w[0]) + "\" fehlen Werte.");
  const std::string& s = w[k];
  const char* anfang = s.data() + (!s.empty() && s[0] == '+' ? 1 : 0);
  double x = 0;
  const auto [ende, fehler] = std::from_chars(anfang, s.data() + s.size(), x);
  if (ende != s.data() + s.size() || anfang == s.data() + s.size())
    Fehler(datei, zeile, "\"" + Zitat(s) + "\" ist keine Zahl.");
  if (fehler != std::errc() || !std::isfinite(x)) Fehler(datei, zeile, "\"" + Zitat(s) + "\" ist keine endliche Zahl.");
  if (std::fabs(x) > XtcGroesstesMass * 100)
    Fehler(datei, zeile, "Der Wert \"" + Zitat(s) + "\" ist zu groß.");
  return x;
}

/// A coordinate: a number within XtcGroesstesMass.
double Mass(const std::vector<std::string>& w, std::size_t k, const std::string& datei, std::size_t zeile) {
  const double x = Zahl(w, k, datei, zeile);
  if (std::fabs(x) > XtcGroesstesMass)
    Fehler(datei, zeile, "Die Koordinate " + w[k] + " liegt außerhalb der Anlage (über 40 km).");
  return x;
}

bool IstEnde(const std::string& w) { return w.rfind("END", 0) == 0; }

/// Objects that are track: they must end with END.
bool Gleisobjekt(const std::string& a) {
  return a == "STRAIGHT" || a == "CURVE" || a == "JOINT" || a == "CORNU" || a == "BEZIER" || a == "BZRTRK" ||
         a == "TURNOUT" || a == "TURNTABLE";
}

/// A T (joined) or E (open) end line; T4 and E4 carry more values in the same order.
XtcEnde EndeLesen(const std::vector<std::string>& w, const std::string& datei, std::size_t zeile) {
  XtcEnde e;
  e.zeile = zeile;
  std::size_t k = 1;
  if (w[0][0] == 'T') {
    const double p = Zahl(w, k++, datei, zeile);
    e.partner = p >= 0 && p < 2e9 ? static_cast<long>(p) : -1;
  }
  e.x = Mass(w, k, datei, zeile);
  e.y = Mass(w, k + 1, datei, zeile);
  e.a = Zahl(w, k + 2, datei, zeile);
  k += 3;
  // Height: option (its low bits the kind, 1 = a defined height), label offset, height.
  if (w.size() >= k + 4) {
    const double option = Zahl(w, k, datei, zeile);
    if (std::fmod(option, 256) >= 0 && (static_cast<long>(option) & 7) == 1) {
      e.z = Mass(w, k + 3, datei, zeile);
      e.hoehe = true;
    }
  }
  return e;
}

/// A drawing segment line of a drawing object ("L3", "A3", …); false for lines of other kinds.
bool LinieLesen(XtcObjekt& o, const std::vector<std::string>& w, const std::string& datei, std::size_t zeile,
                std::size_t& punkte) {
  const char art = w[0][0];
  if (w[0].size() < 1 || std::string("LQBMAGYF").find(art) == std::string::npos ||
      (w[0].size() > 1 && !(w[0][1] >= '0' && w[0][1] <= '9')))
    return false;
  XtcLinie l;
  l.art = art;
  const double farbe = Zahl(w, 1, datei, zeile);
  l.farbe = farbe >= 0 && farbe <= 0xFFFFFF ? static_cast<std::int32_t>(farbe) : 0;
  l.breite = std::fabs(Zahl(w, 2, datei, zeile));
  if (l.breite > 100) l.breite = 100;
  switch (art) {
    case 'A':
    case 'G':
      l.r = std::fabs(Mass(w, 3, datei, zeile));
      l.cx = Mass(w, 4, datei, zeile);
      l.cy = Mass(w, 5, datei, zeile);
      if (art == 'A') {
        l.a0 = Zahl(w, 7, datei, zeile);
        l.a1 = Zahl(w, 8, datei, zeile);
      }
      break;
    case 'Y':
    case 'F': {
      const double n = Zahl(w, 3, datei, zeile);
      if (n < 0 || n > 1e6) Fehler(datei, zeile, "Die Zahl der Punkte " + w[3] + " ist ungültig.");
      punkte = static_cast<std::size_t>(n);
      break;
    }
    default:
      l.punkte.push_back({Mass(w, 3, datei, zeile), Mass(w, 4, datei, zeile)});
      l.punkte.push_back({Mass(w, 6, datei, zeile), Mass(w, 7, datei, zeile)});
  }
  o.linien.push_back(std::move(l));
  return true;
}

}  // namespace

double XtcObjekt::Zahl(std::size_t k, const std::string& datei, bool noetig, double fallback) const {
  if (k >= werte.size() && !noetig) return fallback;
  std::vector<std::string> w{art};
  w.insert(w.end(), werte.begin(), werte.end());
  return trm::Zahl(w, k + 1, datei, zeile);
}

long XtcObjekt::Index() const {
  if (werte.empty()) return -1;
  long n = -1;
  const auto [ende, fehler] = std::from_chars(werte[0].data(), werte[0].data() + werte[0].size(), n);
  return fehler == std::errc() && ende == werte[0].data() + werte[0].size() && n >= 0 ? n : -1;
}

XtcPlan XtcLesen(const Zeilen& zeilen, const std::string& datei) {
  XtcPlan plan;
  bool etwas = false;  // a line of the file's own kinds
  std::size_t i = 0;
  while (i < zeilen.size()) {
    const std::string& text = zeilen[i];
    const std::size_t nr = ++i;
    if (text.empty() || Leer(text[0]) || text[0] == '#') continue;  // blank, comment or stray line
    std::vector<std::string> w = Woerter(text);
    if (w.empty()) continue;
    const std::string art = w[0];
    w.erase(w.begin());
    if (art == "VERSION" || art == "LAYERS" || art == "MAPSCALE" || art == "END" || art == "CURRENT") {
      etwas = true;
      continue;
    }
    if (art == "TITLE1" || art == "TITLE2") {
      const std::size_t anfang = text.find_first_not_of(" \t", 6);
      std::string t = anfang == std::string::npos ? std::string() : text.substr(anfang);
      while (!t.empty() && Leer(t.back())) t.pop_back();
      (art == "TITLE1" ? plan.titel1 : plan.titel2) = t;
      etwas = true;
      continue;
    }
    if (art == "SCALE") {
      plan.massstab = w.empty() ? std::string() : w[0];
      etwas = true;
      continue;
    }
    if (art == "ROOMSIZE") {
      std::vector<std::string> v{art};
      v.insert(v.end(), w.begin(), w.end());
      plan.raumX = Mass(v, 1, datei, nr);
      plan.raumY = Mass(v, v.size() > 3 && v[2] == "x" ? 3 : 2, datei, nr);
      etwas = true;
      continue;
    }
    XtcObjekt o;
    o.art = art;
    o.werte = std::move(w);
    o.zeile = nr;
    if (art == "NOTE") {
      // Free text up to a line that reads END.
      while (i < zeilen.size()) {
        const std::vector<std::string> z = Woerter(zeilen[i++]);
        if (z.size() == 1 && z[0] == "END") break;
      }
      plan.objekte.push_back(std::move(o));
      continue;
    }
    const bool gleis = Gleisobjekt(art);
    const bool weiche = art == "TURNOUT";
    bool beendet = false;
    std::size_t punkte = 0;  // point lines still to come for the last polyline or polygon
    while (i < zeilen.size() && !zeilen[i].empty() && Leer(zeilen[i][0])) {
      const std::string& zeile = zeilen[i];
      const std::size_t znr = ++i;
      std::vector<std::string> z = Woerter(zeile);
      if (z.empty()) continue;
      if (punkte > 0 && !o.linien.empty()) {
        --punkte;
        std::vector<std::string> v{"P"};
        v.insert(v.end(), z.begin(), z.end());
        o.linien.back().punkte.push_back({Mass(v, 1, datei, znr), Mass(v, 2, datei, znr)});
        continue;
      }
      if (IstEnde(z[0])) {
        beendet = true;
        break;
      }
      if (gleis && (z[0] == "T" || z[0] == "E" || z[0] == "T4" || z[0] == "E4")) {
        o.enden.push_back(EndeLesen(z, datei, znr));
        continue;
      }
      if (weiche) {
        XtpBlockzeile(o.teile, zeile, datei, znr);
        continue;
      }
      if (!gleis) LinieLesen(o, z, datei, znr, punkte);
    }
    if (!beendet && (gleis || art == "DRAW"))
      Fehler(datei, nr, "Das Objekt " + Zitat(art) + " endet nicht mit END.");
    if (weiche) XtpWegePruefen(o.teile, datei);
    if (gleis || art == "DRAW" || art == "TABLEEDGE" || art == "STRUCTURE" || art == "TEXT" || art == "CAR")
      etwas = true;
    plan.objekte.push_back(std::move(o));
  }
  if (!etwas) throw LeseFehler("Datei " + datei + ": Die Datei enthält keine XTrackCAD-Anlage.");
  return plan;
}

XtcPlan XtcBytesLesen(const std::string& bytes, const std::string& datei) {
  return XtcLesen(TextInZeilen(bytes, IstUtf8(bytes)), datei);
}

}  // namespace trm
