// A turntable's connections, the changes that carry its connected tracks along, and its copy
// for the undo history.
#include "core/turnouts/Drehscheibe.h"

#include <algorithm>
#include <cmath>

#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Gruppenbewegung.h"
#include "core/model/Modul.h"

namespace trm {

namespace {

constexpr double Vollkreis = 2.0 * Pi;

/// w brought into 0..2π by whole turns (any size, either sign).
double Kreiswinkel(double w) {
  if (!std::isfinite(w)) return 0;
  double r = std::fmod(w, Vollkreis);
  if (r < 0) r += Vollkreis;
  return r >= Vollkreis ? 0 : r + 0.0;  // + 0.0: never -0
}

}  // namespace

int TDrehscheibe::Anzahl() const {
  if (!(Teilung > 0)) return 0;
  const double n = std::round(Vollkreis / Teilung);
  return n >= 1 && n <= MaxAnschluesse ? static_cast<int>(n) : 0;
}

void TDrehscheibe::Anschliessen(TGleis* g) {
  if (g && std::find(anschluesse_.begin(), anschluesse_.end(), g) == anschluesse_.end()) anschluesse_.push_back(g);
}

TAnschlusspunkt TDrehscheibe::Anschlusspunkt(int i) const {
  const double w = i * Teilung + startwinkel_;
  const double r = Aussendurchmesser / 2.0;
  return {XMitte + r * std::cos(w), YMitte + r * std::sin(w), w};
}

std::vector<TAnschlusspunkt> TDrehscheibe::Anschlusspunkte() const {
  std::vector<TAnschlusspunkt> punkte;
  for (int i = 0; i < Anzahl(); ++i) punkte.push_back(Anschlusspunkt(i));
  return punkte;
}

void TDrehscheibe::AussendurchmesserSetzen(double neu) {
  const double weg = (neu - Aussendurchmesser) / 2.0;
  for (TGleis* g : anschluesse_) {
    g->XAnf += weg * std::cos(g->WAnf());
    g->YAnf += weg * std::sin(g->WAnf());
  }
  Aussendurchmesser = neu;
}

void TDrehscheibe::StartwinkelSetzen(double w) {
  const double neu = Kreiswinkel(w);
  const double d = neu - startwinkel_;
  for (TGleis* g : anschluesse_) {
    const TPunkt p = PunktDrehen(g->XAnf, g->YAnf, d, XMitte, YMitte);
    g->XAnf = p.x;
    g->YAnf = p.y;
    g->SetWAnf(g->WAnf() + d);
  }
  startwinkel_ = neu;
}

void TDrehscheibe::Bewegen(double dx, double dy, double w, double px, double py) {
  auto versetzen = [&](double& x, double& y) {
    if (w != 0) {
      const TPunkt p = PunktDrehen(x, y, w, px, py);
      x = p.x;
      y = p.y;
    }
    x += dx;
    y += dy;
  };
  versetzen(XMitte, YMitte);
  for (TGleis* g : anschluesse_) {
    versetzen(g->XAnf, g->YAnf);
    if (w != 0) g->SetWAnf(g->WAnf() + w);
  }
  if (w != 0) startwinkel_ = Kreiswinkel(startwinkel_ + w);
}

void TDrehscheibe::GruppeBewegt(const std::unordered_set<const TGleis*>& gruppe, const TGruppenbewegung& b) {
  bool haengt = false;
  for (const TGleis* g : anschluesse_) haengt = haengt || gruppe.count(g) > 0;
  if (!haengt) return;
  const TPunkt m = b.Punkt(XMitte, YMitte);
  XMitte = m.x;
  YMitte = m.y;
  if (b.w != 0) startwinkel_ = Kreiswinkel(startwinkel_ + b.w);
  for (TGleis* g : anschluesse_) {
    if (gruppe.count(g)) continue;
    const TPunkt p = b.Punkt(g->XAnf, g->YAnf);
    g->XAnf = p.x;
    g->YAnf = p.y;
    if (b.w != 0) g->SetWAnf(g->WAnf() + b.w);
  }
}

void TDrehscheibe::MitteSetzen(double x, double y) { Bewegen(x - XMitte, y - YMitte, 0, 0, 0); }

void TDrehscheibe::AktAnschlussSetzen(std::int64_t n) {
  const std::int64_t anzahl = std::max(1, Anzahl());
  // 0 is the last connection and -1 the one before it: counted round the circle from 1.
  AktAnschluss = static_cast<int>(((n - 1) % anzahl + anzahl) % anzahl + 1);
}

void TDrehscheibe::AnschlussWaehlen(double x, double y) {
  const double r = Abstand(x, y, XMitte, YMitte);
  if (!(r > 0) || r < Innendurchmesser / 2.0 || r > Aussendurchmesser / 2.0) return;
  double winkel = std::acos(std::clamp((x - XMitte) / r, -1.0, 1.0));
  if (y < YMitte) winkel = Vollkreis - winkel;
  // The nearest connection counted from connection 1, whatever the start angle.
  const double schritte = (winkel - startwinkel_) / Vollkreis * Anzahl();
  AktAnschlussSetzen(static_cast<std::int64_t>(std::lround(schritte)) + 1);
}

bool TDrehscheibe::Enthaelt(double x, double y) const {
  return Abstand(x, y, XMitte, YMitte) < Aussendurchmesser / 2.0;
}

std::string TDrehscheibe::Fehlerhaft() const {
  if (!(Innendurchmesser >= 0)) return "Der Innendurchmesser der Drehscheibe darf nicht negativ sein.";
  if (!(Aussendurchmesser > 0)) return "Der Außendurchmesser der Drehscheibe muss größer als 0 sein.";
  if (Anzahl() == 0)
    return "Die Teilung der Drehscheibe muss den Kreis in 1 bis " + std::to_string(MaxAnschluesse) +
           " Gleisabgänge teilen.";
  return {};
}

void TDrehscheibe::GleisEntfernt(const TGleis* g) { std::erase(anschluesse_, g); }

std::unique_ptr<TElement> TDrehscheibe::Klonen() const {
  return std::unique_ptr<TElement>(new TDrehscheibe(*this));
}

void TDrehscheibe::ZeigerUmsetzen(const TUmsetzung& u, TModul* m) {
  Modul = m;
  for (TGleis*& g : anschluesse_) g = u.Gleis(g);
  std::erase(anschluesse_, nullptr);
}

TDrehscheibe* GewaehlteDrehscheibe(const TModul& m) {
  for (const auto& e : m.Elemente)
    if (e->Markiert && e->Art() == Elementart::Drehscheibe) return static_cast<TDrehscheibe*>(e.get());
  return nullptr;
}

}  // namespace trm
