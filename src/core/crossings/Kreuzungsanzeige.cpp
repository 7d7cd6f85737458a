// The texts of the crossing and slip data windows.
#include "core/crossings/Kreuzungsanzeige.h"

#include <cmath>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/model/Bogen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

double Grad(double rad) { return rad * 180.0 / Pi; }

/// Fixed with 3 decimals; an infinite radius as 0.
std::string Zahl(double x) { return FestText(std::isinf(x) ? 0.0 : x); }
std::string Winkeltext(double alpha) { return FestText(Grad(alpha)) + "°"; }
std::string Neigungstext(double alpha) { return "1:" + FestText(1.0 / std::tan(alpha)); }

TWertzeile Feld(const char* schluessel, std::string text, Krfeld feld) { return {schluessel, std::move(text), feld, ""}; }
TWertzeile Anzeige(const char* schluessel, std::string text) { return {schluessel, std::move(text), std::nullopt, ""}; }

/// The text of a slip curve's radius: 0 when its middle arc is negligible; with outside blades
/// and a blade tangent the middle arc's radius follows on cyan.
TWertzeile Zweigzeile(const char* schluessel, Krfeld feld, double rb, const TBogen* mitte, bool mitMitte,
                      double rhoMitte) {
  const double r = mitte ? mitte->AnfRadius() : Unendlich;
  const bool klein = mitte == nullptr || !std::isfinite(r) || std::fabs(mitte->Laenge() / r) <= 1e-6;
  TWertzeile z = Feld(schluessel, klein ? "0" : Zahl(rb), feld);
  if (mitMitte) z.zusatz = Zahl(rhoMitte);
  return z;
}

TWertliste Grundform(const TKreuzung& k) {
  TWertliste l{"Grundform", {Feld("Name", k.Name, Krfeld::Name)}};
  const std::string richtung = k.Richtung == 1 ? "von rechts" : "von links";
  if (k.Art() == Elementart::Kreuzung) {
    l.zeilen.push_back(Feld("Länge", Zahl(k.Laenge), Krfeld::Laenge));
    l.zeilen.push_back(Anzeige("Gesamtlänge", Zahl(k.Laenge + k.BP1Laenge + k.BP2Laenge)));
  } else {
    l.zeilen.push_back(Feld("Radius", Zahl(k.EKWRadius), Krfeld::EKWRadius));
  }
  l.zeilen.push_back(Feld("Winkel", Winkeltext(k.Winkel), Krfeld::Winkel));
  l.zeilen.push_back(Feld("Neigung", Neigungstext(k.Winkel), Krfeld::Neigung));
  l.zeilen.push_back(Anzeige("Kreuzungsgleis", richtung));
  if (k.Art() == Elementart::EKW) {
    const auto& e = static_cast<const TEKW&>(k);
    l.zeilen.push_back(Anzeige("Zweiggleis", e.AmKreuzungsgleis() ? "am Kreuzungsgleis" : "am Stammgleis"));
  }
  l.zeilen.push_back(Feld("Spurweite", Zahl(k.Spur()), Krfeld::Spurweite));
  l.zeilen.push_back(Feld("Schienenkopfbreite", Zahl((k.SpurAussen() - k.Spur()) / 2.0), Krfeld::Schienenkopfbreite));
  if (k.Art() == Elementart::EKW) {
    const auto& e = static_cast<const TEKW&>(k);
    if (!e.Innen()) {
      const TBogen* kurz = e.AmKreuzungsgleis() ? e.StInnenA() : e.KrInnenA();
      l.zeilen.push_back(Feld("\"kurze\" Länge", Zahl(kurz ? kurz->Laenge() : 0.0), Krfeld::KurzeLaenge));
    }
  }
  return l;
}

TWertliste InnereBoegen(const TKreuzung& k) {
  const TBogen* innen = k.StInnenA();
  TWertliste l{"innere Bögen", {Feld("Radius", Zahl(innen ? innen->AnfRadius() : k.Radius()), Krfeld::Radius)}};
  if (k.Art() != Elementart::Kreuzung) {
    const auto& e = static_cast<const TEKW&>(k);
    const bool mitMitte = !e.Innen() && e.ZgTangente > 0;
    const bool dkw = k.Art() == Elementart::DKW;
    l.zeilen.push_back(Zweigzeile(dkw ? "Zweigradius I" : "Zweigradius", Krfeld::Zweigradius, e.Zweigradius(),
                                  e.ZwMitte(), mitMitte, mitMitte ? e.ZwMitteRadius() : 0.0));
    if (dkw) {
      const auto& d = static_cast<const TDKW&>(k);
      l.zeilen.push_back(Zweigzeile("Zweigradius II", Krfeld::Zweigradius2, d.DKWZweigradius(), d.DZwMitte(),
                                    mitMitte, mitMitte ? d.DZwMitteRadius() : 0.0));
    }
  }
  l.zeilen.push_back(Feld("Abstand vom KMP", Zahl(k.AbstKMP), Krfeld::AbstKMP));
  return l;
}

TWertliste Bogenpaar(const TKreuzung& k, bool links) {
  const bool kreuzung = k.Art() == Elementart::Kreuzung;
  const char* titel = links ? (kreuzung ? "Bogenpaar links" : "Bogen(paar) links")
                            : (kreuzung ? "Bogenpaar rechts" : "Bogen(paar) rechts");
  const TBogen* st = links ? k.StAussenA() : k.StAussenB();
  const TBogen* kr = links ? k.KrAussenA() : k.KrAussenB();
  return {titel,
          {Feld("Länge", Zahl(links ? k.BP1Laenge : k.BP2Laenge), links ? Krfeld::BP1Laenge : Krfeld::BP2Laenge),
           Feld("Radius Stammbogen", Zahl(st ? st->AnfRadius() : 0.0), links ? Krfeld::StARadius : Krfeld::StBRadius),
           Feld("Radius Kreuzungsbogen", Zahl(kr ? kr->AnfRadius() : 0.0),
                links ? Krfeld::KrARadius : Krfeld::KrBRadius),
           Feld("Endabstand", Zahl(links ? k.BP1Endabst : k.BP2Endabst),
                links ? Krfeld::BP1Endabst : Krfeld::BP2Endabst)}};
}

TWertliste Schwellen(const TKreuzung& k) {
  TWertliste l{"Schwellen",
               {Feld("Schwellenlänge", Zahl(k.KrSwLen), Krfeld::SwLen),
                Feld("Schwellenbreite", Zahl(k.SwBrt()), Krfeld::SwBrt),
                Feld("Schwellenabstand", Zahl(k.KrSwAbst), Krfeld::SwAbst)}};
  if (k.Art() == Elementart::Kreuzung) {
    l.zeilen.push_back(Feld("Max. Schwellenlänge", Zahl(k.SwLenMaxWert()), Krfeld::SwLenMax));
  } else {
    l.zeilen.push_back(Feld("Max. Schwellenlänge re.", Zahl(k.SwLenMaxWert()), Krfeld::SwLenMax));
    l.zeilen.push_back(Feld("Max. Schwellenlänge li.", Zahl(k.SwLenMaxLi), Krfeld::SwLenMaxLi));
  }
  l.zeilen.push_back(Feld("Anzahl Doppelschwellen", std::to_string(k.DSwIndizes.size()), Krfeld::DSwAnzahl));
  std::string indizes;
  for (const std::int32_t i : k.DSwIndizes) indizes += std::to_string(i) + "; ";
  l.zeilen.push_back(Anzeige("Indizes Doppelschwellen", indizes.empty() ? "-,-" : indizes));
  return l;
}

TWertliste Herzstueck(const TEKW& e, bool links) {
  const TBogen* mitte = links ? e.KrMitteA() : e.KrMitteB();
  const double winkel = links ? e.HSWinkelLi : e.HSWinkelRe;
  return {links ? "Herzstück links" : "Herzstück rechts",
          {Feld("Länge", Zahl(links ? e.HSLaengeLi : e.HSLaengeRe), links ? Krfeld::HSLaengeLi : Krfeld::HSLaengeRe),
           Feld("Endneigung", Neigungstext(winkel), links ? Krfeld::HSNeigungLi : Krfeld::HSNeigungRe),
           Feld("Endwinkel", FestText(Grad(winkel)), links ? Krfeld::HSWinkelLi : Krfeld::HSWinkelRe),
           Feld("Radius", Zahl(links ? e.HSRadiusLi : e.HSRadiusRe), links ? Krfeld::HSRadiusLi : Krfeld::HSRadiusRe),
           Anzeige("Radius 2", Zahl(mitte ? mitte->AnfRadius() : 0.0))}};
}

TWertliste Zungenvorrichtung(const TEKW& e) {
  const double winkel = e.Art() == Elementart::DKW ? static_cast<const TDKW&>(e).DZgWinkel : e.ZgWinkel;
  return {"Zungenvorrichtung",
          {Feld("Tangentenlänge", Zahl(e.ZgTangente), Krfeld::ZgTangente),
           Feld("Winkel", FestText(Grad(winkel)), Krfeld::ZgWinkel),
           Feld("Neigung", winkel == 0 ? "-,-" : Neigungstext(winkel), Krfeld::ZgNeigung)}};
}

}  // namespace

Kreuzungsanzeige KreuzungAnzeigen(const TKreuzung& k) {
  Kreuzungsanzeige a;
  a.art = k.Art();
  a.gekruemmt = !k.Gerade();
  a.grundlaenge = Zahl(k.Laenge);
  TDatenseite grund{"Grundform und innere Bögen", {Grundform(k), InnereBoegen(k)}};
  TDatenseite aeussere{"äußere Bögen", {Bogenpaar(k, true), Bogenpaar(k, false)}};
  TDatenseite schwellen{"Schwellenplan", {Schwellen(k)}};
  if (k.Art() == Elementart::Kreuzung) {
    a.titel = "Kreuzung - " + k.Name;
    a.seiten = {grund, aeussere, schwellen};
    return a;
  }
  const auto& e = static_cast<const TEKW&>(k);
  a.titel = k.Name;
  a.aussen = !e.Innen();
  a.amKreuzungsgleis = e.AmKreuzungsgleis();
  a.seiten = {grund};
  if (e.Innen())
    a.seiten.push_back({"Herzstück", {Herzstueck(e, true), Herzstueck(e, false)}});
  else
    a.seiten.push_back({"Zungen", {Zungenvorrichtung(e)}});
  a.seiten.push_back(aeussere);
  a.seiten.push_back(schwellen);
  if (k.Art() == Elementart::DKW) {
    const auto& d = static_cast<const TDKW&>(k);
    a.getauscht = {d.DKWTausch1Li, d.DKWTausch2Li, d.DKWTausch1Re, d.DKWTausch2Re};
  } else {
    a.getauscht = {e.ZgTauschLi, false, e.ZgTauschRe, false};
  }
  return a;
}

const TWertzeile* Zeile(const Kreuzungsanzeige& a, Krfeld feld) {
  for (const TDatenseite& s : a.seiten)
    for (const TWertliste& l : s.listen)
      for (const TWertzeile& z : l.zeilen)
        if (z.feld == feld) return &z;
  return nullptr;
}

}  // namespace trm
