// The turntable commands of the editor and the texts of its data window.
#include "core/turnouts/DrehscheibenBefehle.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/Drehscheibenliste.h"

namespace trm {

namespace {

double Grad(double rad) { return rad * 180.0 / Pi; }
double Rad(double grad) { return grad * Pi / 180.0; }


/// A change of the turntable as one step; the connected tracks and what hangs on them follow.
bool Aendern(Editor& ed, TDrehscheibe& d, const std::string& name, const std::function<void(TDrehscheibe&)>& f) {
  return ed.Ausfuehren(name, [&] {
    f(d);
    DrehscheibeAktualisieren(d);
    return true;
  });
}

/// New outer and pit diameters; a pit that is not smaller is corrected to 2 m (prototype)
/// less, never below 0.
bool Durchmesser(Editor& ed, TDrehscheibe& d, const std::string& name, double aussen, double innen) {
  if (!(aussen > innen)) {
    ed.dialoge().Warnung(MeldungInnendurchmesser);
    innen = std::max(0.0, aussen - 2000.0 / ed.anlage().Massstab);
  }
  return Aendern(ed, d, name, [&](TDrehscheibe& x) {
    x.AussendurchmesserSetzen(aussen);
    x.Innendurchmesser = innen;
  });
}

/// A division into n connections: 1 to MaxAnschluesse.
bool Teilbar(double n) { return n >= 1 && n <= MaxAnschluesse; }

}  // namespace

TDrehscheibe* Drehscheibe(Editor& ed) {
  const TModul* m = ed.modul();
  return m ? GewaehlteDrehscheibe(*m) : nullptr;
}

Drehscheibenanzeige DrehscheibeAnzeigen(const Anlage& a, const TDrehscheibe& d) {
  Drehscheibenanzeige z;
  z.name = d.Name;
  z.vorbilddurchmesser = FestText(d.Aussendurchmesser * a.Massstab / 1000.0);
  z.aussendurchmesser = FestText(d.Aussendurchmesser);
  z.innendurchmesser = FestText(d.Innendurchmesser);
  z.anzahl = FestText(2.0 * Pi / d.Teilung, 0);
  z.teilung = FestText(Grad(d.Teilung));
  z.mitteX = FestText(d.XMitte);
  z.mitteY = FestText(d.YMitte);
  z.winkel = FestText(Grad(d.Startwinkel()));
  z.aktAnschluss = std::to_string(d.AktAnschluss);
  z.beiGrad = FestText(Grad((d.AktAnschluss - 1) * d.Teilung));
  return z;
}

bool DrehscheibeEinsetzen(Editor& ed, const Zeilen& satz) {
  try {
    return ed.Ausfuehren("Drehscheibe einsetzen",
                         [&] { return trm::DrehscheibeEinsetzen(ed.anlage(), satz) != nullptr; });
  } catch (const LeseFehler& e) {
    ed.dialoge().Fehler(e.what());
    return false;
  }
}

bool DrehscheibeFeldSetzen(Editor& ed, Drehscheibenfeld feld, const std::string& text) {
  TDrehscheibe* d = Drehscheibe(ed);
  if (!d) return false;
  const auto v = ed.Zahl(text);
  if (!v) return false;
  auto nichtMoeglich = [&] {
    ed.dialoge().Warnung(MeldungWertNichtMoeglich);
    return false;
  };
  const double massstab = ed.anlage().Massstab;
  switch (feld) {
    case Drehscheibenfeld::Vorbilddurchmesser: {
      const double aussen = *v * 1000.0 / massstab;
      if (!(aussen > 0) || !std::isfinite(aussen)) return nichtMoeglich();
      return Durchmesser(ed, *d, "Vorbilddurchmesser", aussen, std::max(0.0, (*v - 2.0) * 1000.0 / massstab));
    }
    case Drehscheibenfeld::Aussendurchmesser:
      if (!(*v > 0)) return nichtMoeglich();
      return Durchmesser(ed, *d, "Aussendurchmesser", *v, d->Innendurchmesser);
    case Drehscheibenfeld::Innendurchmesser:
      if (!(*v >= 0)) return nichtMoeglich();
      return Durchmesser(ed, *d, "Innendurchmesser", d->Aussendurchmesser, *v);
    case Drehscheibenfeld::Anzahl: {
      const double n = std::round(*v);
      if (!Teilbar(n)) return nichtMoeglich();
      return Aendern(ed, *d, "Anzahl der Gleisabgänge", [n](TDrehscheibe& x) {
        x.Teilung = 2.0 * Pi / n;
        x.AktAnschlussSetzen(x.AktAnschluss);
      });
    }
    case Drehscheibenfeld::Teilung: {
      // Only an angle that divides the full circle (to within 0.001 of a whole number).
      const double n = 360.0 / *v;
      if (!(*v > 0) || !Teilbar(std::round(n)) || std::fabs(n - std::round(n)) > 0.001) return nichtMoeglich();
      return Aendern(ed, *d, "Teilung", [&](TDrehscheibe& x) {
        x.Teilung = Rad(*v);
        x.AktAnschlussSetzen(x.AktAnschluss);
      });
    }
    case Drehscheibenfeld::MitteX:
      return Aendern(ed, *d, "Mittelpunkt", [&](TDrehscheibe& x) { x.MitteSetzen(*v, x.YMitte); });
    case Drehscheibenfeld::MitteY:
      return Aendern(ed, *d, "Mittelpunkt", [&](TDrehscheibe& x) { x.MitteSetzen(x.XMitte, *v); });
    case Drehscheibenfeld::Winkel:
      return Aendern(ed, *d, "Winkel", [&](TDrehscheibe& x) { x.StartwinkelSetzen(Rad(*v)); });
    case Drehscheibenfeld::Drehen:
      return Aendern(ed, *d, "Drehscheibe drehen",
                     [&](TDrehscheibe& x) { x.StartwinkelSetzen(x.Startwinkel() + Rad(*v)); });
    case Drehscheibenfeld::AktAnschluss:
      // Which connection is active is not part of the file: no step, no change of the layout.
      d->AktAnschlussSetzen(std::llround(std::clamp(*v, -1e9, 1e9)));
      return true;
  }
  return false;
}

bool DrehscheibeNameSetzen(Editor& ed, const std::string& name) {
  TDrehscheibe* d = Drehscheibe(ed);
  if (!d || d->Name == name) return false;
  return ed.Ausfuehren("Name", [&] {
    d->Name = name;
    return true;
  });
}

bool DrehscheibeSchieben(Editor& ed, double ausgang, double grad) {
  TDrehscheibe* d = Drehscheibe(ed);
  if (!d) return false;
  return Aendern(ed, *d, "Drehscheibe drehen", [&](TDrehscheibe& x) { x.StartwinkelSetzen(ausgang + Rad(grad)); });
}

bool Drehscheibenschieber::Ziehen(double ausgang, double grad) {
  if (!Drehscheibe(ed_)) return false;
  if (!schritt_) {
    ed_.SchrittBeginnen();
    schritt_ = true;
  }
  return DrehscheibeSchieben(ed_, ausgang, grad);
}

void Drehscheibenschieber::Loslassen() {
  if (!schritt_) return;
  ed_.SchrittAbschliessen("Drehscheibe drehen");
  schritt_ = false;
}

bool DrehscheibeAnschlussSchritt(Editor& ed, int schritt) {
  TDrehscheibe* d = Drehscheibe(ed);
  if (!d) return false;
  d->AktAnschlussSetzen(static_cast<std::int64_t>(d->AktAnschluss) + schritt);
  return true;
}

bool DrehscheibenGleisAnfuegen(Editor& ed) {
  TDrehscheibe* d = Drehscheibe(ed);
  if (!d || d->Anzahl() == 0) return false;
  return ed.Ausfuehren("Gleis an Drehscheibe anfügen", [&] {
    const TAnschlusspunkt p = d->Anschlusspunkt(d->AktAnschluss - 1);
    TGleis* g = ed.NeuesGleisAnlegen(p.x, p.y, p.w);
    g->ZAnfWert = d->ZMitte;
    g->SetDSGleis(true);
    d->Anschliessen(g);
    return true;
  });
}

bool DrehscheibeAusPlanEntfernen(Editor& ed) {
  TDrehscheibe* d = Drehscheibe(ed);
  if (!d) return false;
  return ed.Ausfuehren("Drehscheibe entfernen", [&] { return ElementEntfernen(*ed.modul(), d); });
}

bool DrehscheibeSpeichern(Editor& ed) {
  const TDrehscheibe* d = Drehscheibe(ed);
  return d && DrehscheibeInListe(ed.anlage(), *d, ed.dialoge());
}

}  // namespace trm
