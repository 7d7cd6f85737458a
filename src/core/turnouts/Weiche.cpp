// Turnout parameters with their setter rules, options, form, the basic-form relations, and the
// turnout operations of a module: add, select, find the owner, update after a change, delete.
#include "core/turnouts/Weiche.h"

#include <algorithm>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "core/turnouts/WeichenRadien.h"

namespace trm {

namespace {

double RadiusRegel(double r) { return r == 0.0 ? Unendlich : r; }
double LaengenRegel(double l) { return l < 0 ? 0.0 : l; }

/// A radius that a file can hold: any real or an infinity, not NaN and not 0.
bool RadiusBrauchbar(double r) { return !std::isnan(r) && r != 0.0; }

}  // namespace

// ---- TWeiche ----

void TWeiche::SetRadius(double r) { radius_ = RadiusRegel(r); }

double TWeiche::Spur() const { return spur_ > 0 || Modul == nullptr ? spur_ : Modul->Spur(); }

double TWeiche::SpurAussen() const {
  return spurAussen_ > 0 || Modul == nullptr ? spurAussen_ : Modul->SpurAussen();
}

double TWeiche::SwAbst() const { return Modul ? Aufloesen(swAbst_, Modul->SwAbst()) : swAbst_; }
double TWeiche::SwBrt() const { return Modul ? Aufloesen(swBrt_, Modul->SwBrt()) : swBrt_; }
double TWeiche::SwLen() const { return Modul ? Aufloesen(swLen_, Modul->SwLen()) : swLen_; }

char TWeiche::Option(int pos) const {
  if (pos < 1 || pos > static_cast<int>(WOptionen.size())) return '0';
  return WOptionen[static_cast<std::size_t>(pos - 1)];
}

void TWeiche::SetOption(int pos, char c) {
  if (pos < 1 || pos > 5) return;
  if (WOptionen.size() < 5) WOptionen.resize(5, '0');
  WOptionen[static_cast<std::size_t>(pos - 1)] = c;
}

std::uint8_t TWeiche::AnschlussAusOptionen() const {
  if (WOptionen.empty()) return 0;
  switch (WOptionen[0]) {
    case '0':
      return AnschlussStammAnfang;
    case '1':
      return AnschlussStammEnde;
    case '2':
      return AnschlussZweig;
    default:
      return 0;
  }
}

// ---- TEWeiche: parameters ----

void TEWeiche::SetStammRadius1(double r) { stammRadius1_ = RadiusRegel(r); }
void TEWeiche::SetZweigRadius1(double r) { zweigRadius1_ = RadiusRegel(r); }
void TEWeiche::SetRadius2(double r) { radius2_ = zweigRadius2_ = RadiusRegel(r); }
void TEWeiche::SetZweigRadius2(double r) { zweigRadius2_ = RadiusRegel(r); }
void TEWeiche::SetStammRadius3(double r) { stammRadius3_ = RadiusRegel(r); }
void TEWeiche::SetZweigRadius3(double r) { zweigRadius3_ = RadiusRegel(r); }
void TEWeiche::SetReserve1(double r) { reserve1_ = RadiusRegel(r); }
void TEWeiche::SetReserve2(double r) { reserve2_ = RadiusRegel(r); }
void TEWeiche::SetStammLaenge2(double l) { stammLaenge2_ = zweigLaenge2_ = LaengenRegel(l); }
void TEWeiche::SetZweigLaenge2(double l) { zweigLaenge2_ = LaengenRegel(l); }
void TEWeiche::SetStammLaenge3(double l) { stammLaenge3_ = LaengenRegel(l); }
void TEWeiche::SetZweigLaenge3(double l) { zweigLaenge3_ = LaengenRegel(l); }

int TEWeiche::Weichenform() const {
  if (std::isinf(stammRadius1_) || std::isinf(zweigRadius1_)) return FormEinfach;
  return stammRadius1_ * zweigRadius1_ > 0 ? FormInnenbogen : FormAussenbogen;
}

// ---- relations of the basic form ----

bool TEWeiche::GrundradiusAendern(double r) {
  const double R = RadiusRegel(r);
  const double T = Tangente(R, Winkel);
  const double stamm = PaarRadius(false, Winkel, R, T);
  const double zweig = PaarRadius(true, Winkel, 0, T);
  if (!std::isfinite(T) || !RadiusBrauchbar(stamm) || !RadiusBrauchbar(zweig)) return false;
  SetRadius(R);
  TangLaenge = T;
  SetStammRadius1(stamm);
  SetZweigRadius1(zweig);
  return true;
}

bool TEWeiche::WinkelAendern(double alpha) {
  const double T = Tangente(Radius(), alpha);
  if (!std::isfinite(alpha) || !std::isfinite(T)) return false;
  Winkel = alpha;
  TangLaenge = T;
  return true;
}

bool TEWeiche::NeigungAendern(double n) { return WinkelAendern(WinkelAusNeigung(n)); }

bool TEWeiche::TangenteAendern(double t) {
  const double alpha = 2.0 * std::atan(t / Radius());
  if (!std::isfinite(t) || !std::isfinite(alpha)) return false;
  TangLaenge = t;
  Winkel = alpha;
  return true;
}

bool TEWeiche::StammRadius1Aendern(double r) {
  const double stamm = RadiusRegel(r);
  const double zweig = PaarRadius(true, Winkel, stamm, TangLaenge);
  if (std::isnan(stamm) || !RadiusBrauchbar(zweig)) return false;
  SetStammRadius1(stamm);
  SetZweigRadius1(zweig);
  return true;
}

bool TEWeiche::ZweigRadius1Aendern(double r) {
  double stamm, zweig;
  if (r == 0.0) {
    stamm = Unendlich;
    zweig = -PaarRadius(false, Winkel, 0, TangLaenge);
  } else {
    zweig = r;
    stamm = PaarRadius(false, Winkel, r, TangLaenge);
  }
  if (!RadiusBrauchbar(zweig) || !RadiusBrauchbar(stamm)) return false;
  SetStammRadius1(stamm);
  SetZweigRadius1(zweig);
  return true;
}

// ---- turnouts of a module ----

TEWeiche* WeicheHinzufuegen(TModul& m, std::unique_ptr<TEWeiche> w) {
  TEWeiche* p = w.get();
  p->Modul = &m;
  p->GeometrieBerechnen();
  m.ElementHinzufuegen(std::move(w));
  p->Platzieren();
  return p;
}

TEWeiche* WeicheZuGleis(TModul& m, const TGleis& g) {
  int gefunden = -1;
  for (int i = 0; i < static_cast<int>(m.Elemente.size()); ++i) {
    const TElement* e = m.Elemente[static_cast<std::size_t>(i)].get();
    if (e->Art() != Elementart::Weiche) continue;
    if (gefunden < 0 || g.Element == e) gefunden = i;
  }
  if (gefunden < 0) return nullptr;
  m.ElementWaehlen(gefunden);
  return static_cast<TEWeiche*>(m.Elemente[static_cast<std::size_t>(gefunden)].get());
}

void WeicheAktualisieren(TEWeiche& w) {
  w.GeometrieBerechnen();
  w.Platzieren();
  if (w.Modul == nullptr) return;
  LageWeitergeben(*w.Modul, w.Stammgleis());
  LageWeitergeben(*w.Modul, w.Zweiggleis());
  ModulBerechnen(*w.Modul);
}

std::vector<TGleis*> TEWeiche::Mitnachfolger(const TGleis*) const {
  // Whoever has a track of the turnout as successor has its branch among them too.
  if (zweig_ == nullptr) return {};
  return {zweig_};
}

void TEWeiche::NummerSetzen(std::int32_t n) {
  WeichenID = n;
  for (TGleis* g : {stamm_, zweig_})
    if (g) g->WeichenNr = n;
}

std::unique_ptr<TElement> TEWeiche::Klonen() const { return std::unique_ptr<TElement>(new TEWeiche(*this)); }

void TEWeiche::ZeigerUmsetzen(const TUmsetzung& u, TModul* m) {
  Modul = m;
  stamm_ = u.Gleis(stamm_);
  zweig_ = u.Gleis(zweig_);
  for (TBogen*& b : stammBoegen_) b = u.Bogen(b);
  for (TBogen*& b : zweigBoegen_) b = u.Bogen(b);
}

}  // namespace trm
