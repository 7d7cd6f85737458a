// Reading XTrackCAD parameter files: line by line, a TURNOUT block from its header to END.
#include "core/import/XtpDatei.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "core/model/Codepage.h"
#include "core/model/Fehler.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Textdatei.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

/// Keywords that begin a block or a line of their own at the top level of a parameter file;
/// one of them inside a TURNOUT block means its END is missing.
bool Blockanfang(std::string_view w) {
  return w == "TURNOUT" || w == "STRUCTURE" || w == "CONTENTS" || w == "SUBCONTENTS" ||
         w == "CARPART" || w == "CARPROTO";
}

bool Leer(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

/// Splits a line at blanks; a token that begins with a quote runs to its closing quote ("" is
/// a quote inside it) and is kept with its quotes.
class Zerleger {
 public:
  Zerleger(std::string_view text, std::string_view datei, std::size_t zeile)
      : text_(text), datei_(datei), zeile_(zeile) {}

  [[noreturn]] void Fehler(const std::string& meldung) const {
    throw LeseFehler("Datei " + std::string(datei_) + ", Zeile " + std::to_string(zeile_) + ": " + meldung);
  }

  bool Ende() {
    while (pos_ < text_.size() && Leer(text_[pos_])) ++pos_;
    return pos_ >= text_.size();
  }

  /// The next token, empty at the end of the line.
  std::string_view Wort() {
    if (Ende()) return {};
    const std::size_t anfang = pos_;
    while (pos_ < text_.size() && !Leer(text_[pos_])) ++pos_;
    return text_.substr(anfang, pos_ - anfang);
  }

  /// A quoted text; `was` names it in the message when it is missing or not closed. With
  /// `bisZeilenende` an unclosed text runs to the end of the line (titles are found so).
  std::string Text(const char* was, bool bisZeilenende = false) {
    if (Ende() || text_[pos_] != '"') Fehler(std::string(was) + " fehlt oder steht nicht in Anführungszeichen.");
    std::string t;
    for (std::size_t i = pos_ + 1; i < text_.size(); ++i) {
      if (text_[i] != '"') {
        t += text_[i];
        continue;
      }
      if (i + 1 < text_.size() && text_[i + 1] == '"') {
        t += '"';
        ++i;
        continue;
      }
      pos_ = i + 1;
      return t;
    }
    pos_ = text_.size();
    if (bisZeilenende) return t;
    Fehler(std::string(was) + " endet nicht mit einem Anführungszeichen.");
  }

  /// A finite number; `was` names the line kind when it is missing.
  double Zahl(const char* was) {
    const std::string_view w = Wort();
    if (w.empty()) Fehler(std::string("In der Zeile ") + was + " fehlen Werte.");
    double x = 0;
    const char* anfang = w.data();
    if (!w.empty() && w[0] == '+') ++anfang;
    const auto [ende, fehler] = std::from_chars(anfang, w.data() + w.size(), x);
    if (ende != w.data() + w.size() || anfang == w.data() + w.size()) Fehler(Gekuerzt(w) + " ist keine Zahl.");
    if (fehler != std::errc() || !std::isfinite(x)) Fehler(Gekuerzt(w) + " ist keine endliche Zahl.");
    return x;
  }

  /// A whole number of a path.
  long Ganzzahl() {
    const std::string_view w = Wort();
    long n = 0;
    const auto [ende, fehler] = std::from_chars(w.data(), w.data() + w.size(), n);
    if (ende != w.data() + w.size() || fehler != std::errc())
      Fehler(Gekuerzt(w) + " ist keine Abschnittsnummer.");
    return n;
  }

 private:
  /// The token in quotes, as messages quote a file's text.
  static std::string Gekuerzt(std::string_view w) { return "\"" + Zitat(w) + "\""; }
  std::string_view text_;
  std::string_view datei_;
  std::size_t zeile_;
  std::size_t pos_ = 0;
};

/// Reads one line inside a TURNOUT block into t; false at its END.
bool BlockzeileLesen(XtpTyp& t, Zerleger& z, std::size_t zeile) {
  const std::string_view w = z.Wort();
  if (w.empty() || w[0] == '#') return true;
  if (w == "END" || w.starts_with("END$")) return false;
  if (Blockanfang(w))
    z.Fehler("Der Block TURNOUT ab Zeile " + std::to_string(t.zeile) + " endet nicht mit END.");
  if (w == "P") {
    XtpWeg p{z.Text("Der Name des Weges"), {}, zeile};
    while (!z.Ende()) p.abschnitte.push_back(z.Ganzzahl());
    t.wege.push_back(std::move(p));
  } else if (w == "E") {
    XtpEnde e;
    e.x = z.Zahl("E");
    e.y = z.Zahl("E");
    e.a = z.Zahl("E");
    e.zeile = zeile;
    t.enden.push_back(e);
  } else if (w == "S") {
    XtpAbschnitt s{.art = XtpAbschnitt::Art::Gerade, .zeile = zeile};
    z.Zahl("S");
    z.Zahl("S");
    s.x1 = z.Zahl("S");
    s.y1 = z.Zahl("S");
    s.x2 = z.Zahl("S");
    s.y2 = z.Zahl("S");
    t.abschnitte.push_back(s);
  } else if (w == "C") {
    XtpAbschnitt c{.art = XtpAbschnitt::Art::Bogen, .zeile = zeile};
    z.Zahl("C");
    z.Zahl("C");
    c.r = z.Zahl("C");
    c.cx = z.Zahl("C");
    c.cy = z.Zahl("C");
    c.a0 = z.Zahl("C");
    c.a1 = z.Zahl("C");
    if (c.r == 0) z.Fehler("Der Bogen hat den Radius 0.");
    t.abschnitte.push_back(c);
  } else if (w == "J") {
    XtpAbschnitt j{.art = XtpAbschnitt::Art::Uebergang, .zeile = zeile};
    z.Zahl("J");
    z.Zahl("J");
    j.x1 = z.Zahl("J");
    j.y1 = z.Zahl("J");
    j.a0 = z.Zahl("J");
    j.l0 = z.Zahl("J");
    j.l1 = z.Zahl("J");
    j.rr = z.Zahl("J");
    j.ll = z.Zahl("J");
    const double o = z.Zahl("J");
    j.optionen = o >= 0 && o < 8 ? static_cast<int>(o) : 0;
    t.abschnitte.push_back(j);
  } else if (w == "U" || w == "X" || w == "D" || (w[0] >= '0' && w[0] <= '9') || w[0] == '-' || w[0] == '.') {
    // Descriptions, special lines and the point lines of polygons: no segment.
  } else {
    t.abschnitte.push_back({.art = XtpAbschnitt::Art::Sonstiges, .zeile = zeile});
  }
  return true;
}

/// Every segment number of every path names a segment of the block.
void WegePruefen(const XtpTyp& t, std::string_view datei) {
  for (const XtpWeg& p : t.wege)
    for (long n : p.abschnitte) {
      const unsigned long betrag = n < 0 ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
      if (betrag > t.abschnitte.size())
        Zerleger("", datei, p.zeile)
            .Fehler("Der Weg \"" + Zitat(p.name) + "\" nennt den Abschnitt " + std::to_string(n) + ", der Block hat " +
                    std::to_string(t.abschnitte.size()) + ".");
    }
}

}  // namespace

bool XtpBlockzeile(XtpTyp& t, std::string_view zeile, const std::string& datei, std::size_t nr) {
  Zerleger z(zeile, datei, nr);
  return BlockzeileLesen(t, z, nr);
}

void XtpWegePruefen(const XtpTyp& t, const std::string& datei) { WegePruefen(t, datei); }

std::vector<XtpTyp> XtpLesen(const Zeilen& zeilen, const std::string& datei, const std::string& massstab) {
  std::vector<XtpTyp> typen;
  XtpTyp t;
  bool imBlock = false, lesen = false;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const std::size_t nr = i + 1;
    Zerleger z(zeilen[i], datei, nr);
    if (imBlock) {
      if (lesen) {
        if (!BlockzeileLesen(t, z, nr)) {
          WegePruefen(t, datei);
          typen.push_back(std::move(t));
          imBlock = false;
        }
        continue;
      }
      const std::string_view w = z.Wort();
      if (w == "END" || w.starts_with("END$")) imBlock = false;
      else if (Blockanfang(w))
        z.Fehler("Der Block TURNOUT ab Zeile " + std::to_string(t.zeile) + " endet nicht mit END.");
      continue;
    }
    if (z.Wort() != "TURNOUT") continue;
    t = XtpTyp{};
    t.zeile = nr;
    t.massstab = std::string(z.Wort());
    if (t.massstab.empty()) z.Fehler("Nach TURNOUT fehlt der Maßstab.");
    t.titel = z.Text("Der Titel", true);
    imBlock = true;
    lesen = massstab.empty() || AsciiKlein(t.massstab) == AsciiKlein(massstab);
  }
  if (imBlock)
    Zerleger("", datei, t.zeile).Fehler("Der Block TURNOUT endet nicht mit END (die Datei endet vorher).");
  return typen;
}

std::vector<XtpTyp> XtpBytesLesen(const std::string& bytes, const std::string& datei,
                                  const std::string& massstab) {
  return XtpLesen(TextInZeilen(bytes, IstUtf8(bytes)), datei, massstab);
}

std::vector<XtpTyp> XtpDateiLesen(const std::string& pfad, const std::string& massstab) {
  return XtpBytesLesen(Dateibytes(pfad), std::filesystem::path(pfad).filename().string(), massstab);
}

}  // namespace trm
