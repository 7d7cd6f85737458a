// The commands of the crossing and slip windows.
#include "core/crossings/KreuzungsBefehle.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Eingabefilter.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

double Rad(double grad) { return grad * Pi / 180.0; }
double Negiert(double x) { return x == 0.0 ? 0.0 : -x; }

/// A value the element cannot take: thrown inside the command, so that the step is put back.
struct Abgelehnt : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// Why the element as it stands now could not be kept, or empty: its values, its computed
/// tracks, and its record read back as a type.
std::string Unmoeglich(const TKreuzung& k) {
  std::string fehler = k.Fehlerhaft();
  if (!fehler.empty()) return fehler;
  const std::string nicht = std::string(ElementartInfo(k.Art())->name) + " \"" + k.Name +
                            "\" lässt sich mit diesen Werten nicht berechnen.";
  if (!k.Berechenbar()) return nicht;
  try {
    Zeilen satz;
    k.TypSchreiben(satz);
    std::size_t i = 0;
    KreuzungsListe(k.Art())->lesen(satz, i);
  } catch (const std::runtime_error&) {
    return nicht;
  }
  return {};
}

/// What a change says besides refusing: shown after the step.
struct Hinweis {
  std::string text;
  bool fehler = false;  ///< an error rather than a warning
};

/// A change of element k as the step `name`: the change, the recompute and (with
/// `weitergeben`) the attached tracks following; refused when the element became impossible.
bool Aendern(Editor& ed, TKreuzung& k, const std::string& name, const std::function<std::optional<Hinweis>()>& f,
             bool weitergeben = true) {
  std::optional<Hinweis> hinweis;
  bool geaendert = false;
  try {
    geaendert = ed.Ausfuehren(name, [&] {
      hinweis = f();
      if (weitergeben)
        KreuzungAktualisieren(k);
      else
        k.KrAktualisieren();
      const std::string fehler = Unmoeglich(k);
      if (!fehler.empty()) throw Abgelehnt(fehler);
      return true;
    });
  } catch (const Abgelehnt& e) {
    ed.dialoge().Warnung(e.what());
    return false;
  }
  if (hinweis && !hinweis->text.empty()) {
    if (hinweis->fehler)
      ed.dialoge().Fehler(hinweis->text);
    else
      ed.dialoge().Warnung(hinweis->text);
  }
  return geaendert;
}

/// A change that says nothing.
bool Setzen(Editor& ed, TKreuzung& k, const std::string& name, const std::function<void()>& f,
            bool weitergeben = true) {
  return Aendern(ed, k, name, [&]() -> std::optional<Hinweis> {
    f();
    return std::nullopt;
  }, weitergeben);
}

/// "1:n" (spaces removed, "1/" too) as the angle atan(1/n); none after the message.
std::optional<double> Neigungswinkel(Editor& ed, const std::string& text) {
  if (!IstVerhaeltnis(text)) {
    ed.dialoge().Fehler(MeldungFormat);
    return std::nullopt;
  }
  std::string rest;
  for (char ch : text)
    if (ch != ' ') rest += ch;
  const auto n = ed.Zahl(rest.substr(2));
  if (!n) return std::nullopt;
  return std::atan(1.0 / *n);
}

/// The undo step's name: the entry's key.
const char* Schrittname(Krfeld feld) {
  switch (feld) {
    case Krfeld::Name: return "Name";
    case Krfeld::Laenge: return "Länge";
    case Krfeld::Winkel: return "Winkel";
    case Krfeld::Neigung: return "Neigung";
    case Krfeld::Spurweite: return "Spurweite";
    case Krfeld::Schienenkopfbreite: return "Schienenkopfbreite";
    case Krfeld::EKWRadius: return "Radius";
    case Krfeld::KurzeLaenge: return "\"kurze\" Länge";
    case Krfeld::AussenLaenge: return "Länge";
    case Krfeld::Radius: return "Radius";
    case Krfeld::Zweigradius: return "Zweigradius";
    case Krfeld::Zweigradius2: return "Zweigradius II";
    case Krfeld::AbstKMP: return "Abstand vom KMP";
    case Krfeld::BP1Laenge: case Krfeld::BP2Laenge: return "Länge";
    case Krfeld::StARadius: case Krfeld::StBRadius: return "Radius Stammbogen";
    case Krfeld::KrARadius: case Krfeld::KrBRadius: return "Radius Kreuzungsbogen";
    case Krfeld::BP1Endabst: case Krfeld::BP2Endabst: return "Endabstand";
    case Krfeld::SwLen: return "Schwellenlänge";
    case Krfeld::SwBrt: return "Schwellenbreite";
    case Krfeld::SwAbst: return "Schwellenabstand";
    case Krfeld::SwLenMax: case Krfeld::SwLenMaxLi: return "Max. Schwellenlänge";
    case Krfeld::DSwAnzahl: return "Doppelschwellen";
    case Krfeld::HSLaengeLi: case Krfeld::HSLaengeRe: return "Herzstück Länge";
    case Krfeld::HSNeigungLi: case Krfeld::HSNeigungRe: return "Herzstück Endneigung";
    case Krfeld::HSWinkelLi: case Krfeld::HSWinkelRe: return "Herzstück Endwinkel";
    case Krfeld::HSRadiusLi: case Krfeld::HSRadiusRe: return "Herzstück Radius";
    case Krfeld::ZgTangente: return "Tangentenlänge";
    case Krfeld::ZgWinkel: case Krfeld::ZgNeigung: return "Zungenwinkel";
  }
  return "";
}

bool SlipFeld(Editor& ed, TEKW& e, Krfeld feld, const std::string& text) {
  TDKW* dkw = e.Art() == Elementart::DKW ? static_cast<TDKW*>(&e) : nullptr;
  const std::string name = Schrittname(feld);
  const bool links = feld == Krfeld::HSLaengeLi || feld == Krfeld::HSNeigungLi || feld == Krfeld::HSWinkelLi ||
                     feld == Krfeld::HSRadiusLi;
  switch (feld) {
    case Krfeld::HSNeigungLi:
    case Krfeld::HSNeigungRe:
    case Krfeld::HSWinkelLi:
    case Krfeld::HSWinkelRe: {
      std::optional<double> b;
      if (feld == Krfeld::HSNeigungLi || feld == Krfeld::HSNeigungRe) {
        b = Neigungswinkel(ed, text);
      } else {
        // An end angle that is no number is ignored.
        try {
          b = Rad(TextReal(text));
        } catch (const LeseFehler&) {
        }
      }
      if (!b) return false;
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> { return Hinweis{e.HSWinkelSetzen(links, *b)}; });
    }
    case Krfeld::ZgNeigung: {
      const auto b = Neigungswinkel(ed, text);
      if (!b) return false;
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> {
        const std::string w = e.ZgWinkelSetzen(*b);
        if (!w.empty()) throw Abgelehnt(w);
        return std::nullopt;
      });
    }
    default:
      break;
  }
  const auto x = ed.Zahl(text);
  if (!x) return false;
  auto folgen = [&e] { e.MittellaengeNachfuehren(); };
  switch (feld) {
    case Krfeld::Winkel:
      return Setzen(ed, e, name, [&] { e.Grundform(std::fabs(Rad(*x)), e.EKWRadius); });
    case Krfeld::EKWRadius:
      return Setzen(ed, e, name, [&] { e.Grundform(e.Winkel, *x); });
    case Krfeld::KurzeLaenge:
      return Setzen(ed, e, name, [&] { e.EKWKurzLaenge(std::fabs(*x)); });
    case Krfeld::AussenLaenge:
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> {
        const std::string w = e.AussenLaengeSetzen(*x);
        if (!w.empty()) throw Abgelehnt(w);
        return std::nullopt;
      });
    case Krfeld::Radius:
      return Setzen(ed, e, name, [&] {
        e.SetRadius(*x);
        folgen();
      });
    case Krfeld::AbstKMP:
      return Setzen(ed, e, name, [&] {
        e.AbstKMP = dkw ? *x : std::fabs(*x);
        folgen();
      });
    case Krfeld::Zweigradius:
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> {
        return Hinweis{e.ZweigradiusSetzen(std::fabs(*x)), true};
      });
    case Krfeld::Zweigradius2:
      if (!dkw) return false;
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> {
        return Hinweis{dkw->DKWZweigradiusSetzen(*x), true};
      });
    case Krfeld::HSLaengeLi:
    case Krfeld::HSLaengeRe:
      return Setzen(ed, e, name, [&] { e.HSLaengeSetzen(links, *x); });
    case Krfeld::HSRadiusLi:
    case Krfeld::HSRadiusRe:
      return Setzen(ed, e, name, [&] { e.HSRadiusSetzen(links, *x); });
    case Krfeld::ZgTangente:
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> {
        const std::string w = e.ZgTangenteSetzen(*x);
        if (!w.empty()) throw Abgelehnt(w);
        return std::nullopt;
      });
    case Krfeld::ZgWinkel:
      return Aendern(ed, e, name, [&]() -> std::optional<Hinweis> {
        const std::string w = e.ZgWinkelSetzen(Rad(*x));
        if (!w.empty()) throw Abgelehnt(w);
        return std::nullopt;
      });
    default:
      return false;
  }
}

}  // namespace

std::string MeldungMindestlaenge(double minimum) {
  return "Die Mindestlänge der Kreuzung wird unterschritten!\n\rWert wird auf die Mindestlänge von " +
         FestText(minimum) + " gesetzt.";
}

TKreuzung* Kreuzung(Editor& ed) {
  TElement* e = ed.element();
  if (!e) return nullptr;
  const Elementart art = e->Art();
  return art == Elementart::Kreuzung || art == Elementart::EKW || art == Elementart::DKW ? static_cast<TKreuzung*>(e)
                                                                                          : nullptr;
}

bool KreuzungEinsetzen(Editor& ed, Elementart art, const Zeilen& satz) {
  switch (art) {
    case Elementart::Kreuzung:
      return ed.ElementEinsetzen(Elementart::Kreuzung, satz);
    case Elementart::EKW:
      return ed.ElementEinsetzen(Elementart::EKW, satz);
    case Elementart::DKW:
      return ed.ElementEinsetzen(Elementart::DKW, satz);
    default:
      return false;
  }
}

bool KreuzungFeldSetzen(Editor& ed, Krfeld feld, const std::string& text, bool radiusAnpassen) {
  TKreuzung* k = Kreuzung(ed);
  if (!k) return false;
  const std::string name = Schrittname(feld);
  if (feld == Krfeld::Name) {
    // The name is one line of the record: a line break in it would shift every line after it.
    std::string zeile = text;
    for (char& ch : zeile)
      if (ch == '\r' || ch == '\n') ch = ' ';
    if (k->Name == zeile) return false;
    return Setzen(ed, *k, name, [&] { k->Name = zeile; }, false);
  }
  if (feld == Krfeld::DSwAnzahl) return false;  // the dialog's part
  const bool weiche = k->Art() != Elementart::Kreuzung;
  if (weiche && (feld == Krfeld::ZgNeigung || feld == Krfeld::HSNeigungLi || feld == Krfeld::HSNeigungRe ||
                 feld == Krfeld::HSWinkelLi || feld == Krfeld::HSWinkelRe))
    return SlipFeld(ed, static_cast<TEKW&>(*k), feld, text);
  if (feld == Krfeld::Neigung) {
    const auto b = Neigungswinkel(ed, text);
    if (!b) return false;
    if (weiche) {
      TEKW& e = static_cast<TEKW&>(*k);
      return Setzen(ed, e, name, [&] { e.Grundform(std::fabs(*b), e.EKWRadius); });
    }
    return Setzen(ed, *k, name, [&] { k->Winkel = std::fabs(*b); });
  }
  const auto x = ed.Zahl(text);
  if (!x) return false;
  const double v = *x;
  switch (feld) {
    case Krfeld::Laenge:
      if (weiche) return false;
      // A length below the least one is brought to it with the warning; other entries leave a
      // short crossing as it is (its frogs are cut to half its length).
      return Aendern(ed, *k, name, [&]() -> std::optional<Hinweis> {
        k->Laenge = v;
        const double minimum = k->MinLaenge();
        if (!(v < minimum) || !std::isfinite(minimum)) return std::nullopt;
        k->Laenge = minimum;
        return Hinweis{MeldungMindestlaenge(minimum)};
      });
    case Krfeld::Winkel:
      if (weiche) break;
      return Setzen(ed, *k, name, [&] { k->Winkel = std::fabs(Rad(v)); });
    case Krfeld::Spurweite:
      return Setzen(ed, *k, name, [&] { k->SpurSetzen(v); });
    case Krfeld::Schienenkopfbreite:
      return Setzen(ed, *k, name, [&] { k->KrSpurAussen = k->Spur() + 2.0 * v; });
    case Krfeld::Radius:
    case Krfeld::AbstKMP:
      if (weiche) break;
      if (feld == Krfeld::Radius) return Setzen(ed, *k, name, [&] { k->SetRadius(v); });
      return Setzen(ed, *k, name, [&] { k->AbstKMP = v; });
    case Krfeld::BP1Laenge:
      return Setzen(ed, *k, name, [&] { k->BP1Laenge = k->StALaenge = k->KrALaenge = v; });
    case Krfeld::BP2Laenge:
      return Setzen(ed, *k, name, [&] { k->BP2Laenge = k->StBLaenge = k->KrBLaenge = v; });
    case Krfeld::StARadius:
      return Setzen(ed, *k, name, [&] {
        k->StARadius = v;
        if (radiusAnpassen) k->KrARadius = Negiert(v);
      });
    case Krfeld::KrARadius:
      return Setzen(ed, *k, name, [&] {
        k->KrARadius = v;
        if (radiusAnpassen) k->StARadius = Negiert(v);
      });
    case Krfeld::StBRadius:
      return Setzen(ed, *k, name, [&] {
        k->StBRadius = v;
        if (radiusAnpassen) k->KrBRadius = v;
      });
    case Krfeld::KrBRadius:
      return Setzen(ed, *k, name, [&] {
        k->KrBRadius = v;
        if (radiusAnpassen) k->StBRadius = v;
      });
    case Krfeld::BP1Endabst:
      return Setzen(ed, *k, name, [&] { k->BP1Endabst = v; });
    case Krfeld::BP2Endabst:
      return Setzen(ed, *k, name, [&] { k->BP2Endabst = v; });
    case Krfeld::SwLen:
      return Setzen(ed, *k, name, [&] { k->KrSwLen = v; }, false);
    case Krfeld::SwBrt:
      return Setzen(ed, *k, name, [&] { k->KrSwBrt = v; }, false);
    case Krfeld::SwAbst:
      if (!(v > 0)) {
        ed.dialoge().Warnung(MeldungSchwellenabstand);
        return false;
      }
      return Setzen(ed, *k, name, [&] { k->KrSwAbst = v; }, false);
    case Krfeld::SwLenMax:
      return Setzen(ed, *k, name, [&] { k->SwLenMax = v; }, false);
    case Krfeld::SwLenMaxLi:
      return Setzen(ed, *k, name, [&] { k->SwLenMaxLi = v; }, false);
    default:
      break;
  }
  if (!weiche) return false;
  return SlipFeld(ed, static_cast<TEKW&>(*k), feld, text);
}

bool KruemmungUmkehren(Editor& ed) {
  TKreuzung* k = Kreuzung(ed);
  if (!k || k->Gerade()) return false;
  return Setzen(ed, *k, "Krümmungsrichtung umkehren", [&] {
    k->SetRadius(-k->Radius());
    if (k->Art() != Elementart::Kreuzung) static_cast<TEKW*>(k)->MittellaengeNachfuehren();
  });
}

bool ZweiggleisWechseln(Editor& ed) {
  TKreuzung* k = Kreuzung(ed);
  if (!k || k->Art() != Elementart::EKW) return false;
  TEKW& e = static_cast<TEKW&>(*k);
  return Setzen(ed, e, "Zweiggleis am Stamm- /Kreuzungsgleis", [&] { e.ZwAnschluss = e.ZwAnschluss == 1 ? 0 : 1; });
}

bool HerzstueckUmdrehen(Editor& ed, bool links) {
  TKreuzung* k = Kreuzung(ed);
  if (!k || k->Art() == Elementart::Kreuzung) return false;
  TEKW& e = static_cast<TEKW&>(*k);
  return Setzen(ed, e, "Richtung ändern", [&] { e.HSUmdrehen(links); });
}

bool ZungenTauschen(Editor& ed, Zungenkreis kreis) {
  TKreuzung* k = Kreuzung(ed);
  if (!k || k->Art() == Elementart::Kreuzung) return false;
  TEKW& e = static_cast<TEKW&>(*k);
  TDKW* d = k->Art() == Elementart::DKW ? static_cast<TDKW*>(k) : nullptr;
  // A single slip has only the two upper circles (left and right).
  if (!d && (kreis == Zungenkreis::UntenLinks || kreis == Zungenkreis::UntenRechts)) return false;
  return Setzen(ed, e, "Zungenvorrichtung vertauschen", [&] {
    switch (kreis) {
      case Zungenkreis::ObenLinks:
        e.ZgTauschLi = !e.ZgTauschLi;
        if (d) d->DKWTausch1Li = !d->DKWTausch1Li;
        break;
      case Zungenkreis::ObenRechts:
        e.ZgTauschRe = !e.ZgTauschRe;
        if (d) d->DKWTausch1Re = !d->DKWTausch1Re;
        break;
      case Zungenkreis::UntenLinks:
        d->DKWTausch2Li = !d->DKWTausch2Li;
        break;
      case Zungenkreis::UntenRechts:
        d->DKWTausch2Re = !d->DKWTausch2Re;
        break;
    }
  });
}

bool DoppelschwellenSetzen(Editor& ed, const std::vector<std::string>& felder) {
  TKreuzung* k = Kreuzung(ed);
  if (!k) return false;
  TIndexARR zahlen;
  try {
    for (const std::string& f : felder) zahlen.push_back(TextInt(f));
  } catch (const LeseFehler& e) {
    ed.dialoge().Fehler(e.what());
    return false;
  }
  if (zahlen.empty()) zahlen.push_back(0);
  std::sort(zahlen.begin(), zahlen.end());
  return Setzen(ed, *k, "Doppelschwellen", [&] { k->DSwIndizes = zahlen; }, false);
}

std::vector<std::string> DoppelschwellenFelder(const TKreuzung& k, std::size_t anzahl) {
  std::vector<std::string> felder(anzahl);
  for (std::size_t i = 0; i < anzahl && i < k.DSwIndizes.size(); ++i) felder[i] = IntText(k.DSwIndizes[i]);
  return felder;
}

bool KreuzungFarbeSetzen(Editor& ed, std::int32_t farbe) {
  TKreuzung* k = Kreuzung(ed);
  if (!k || k->Farbe == farbe) return false;
  return Setzen(ed, *k, "Farbe", [&] { k->FarbeSetzen(farbe); }, false);
}

bool KreuzungSpeichern(Editor& ed) {
  const TKreuzung* k = Kreuzung(ed);
  return k && KreuzungInListe(ed.anlage(), *k, ed.dialoge());
}

}  // namespace trm
