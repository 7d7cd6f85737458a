// A crossing's effective values, its tracks and segments, their geometry, and the crossing
// operations of a module: look-up, update after a change, placing and pasting.
#include "core/crossings/Kreuzung.h"

#include <algorithm>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

constexpr std::array<const char*, 8> BogenNamen = {
    "äußerer Stammbogen A",        "innerer Stammbogen A",       "innerer Stammbogen B",
    "äußerer Stammbogen B",        "innerer Kreuzungsbogen A",   "äußerer Kreuzungsbogen A",
    "innerer Kreuzungsbogen B",    "äußerer Kreuzungsbogen B"};

/// Negation that keeps 0 as +0.
double Negiert(double x) { return x == 0.0 ? 0.0 : -x; }

void RadiusSetzen(TBogen& b, double r) {
  b.SetAnfRadius(r);
  b.SetEndRadius(r);
}

/// Arc length for tangent length t on signed radius r: 2 r atan(t / r).
double Bogenlaenge(double t, double r) { return 2.0 * r * std::atan(t / r); }

/// The angles theta1 (inner-rail side) and theta2 (outer-rail side) of a curved crossing.
struct Winkelpaar {
  double theta1, theta2;
  bool gueltig;
};

Winkelpaar InnereWinkel(double alpha, double r, double k, double e, double g) {
  const double sinus = std::sin(alpha / 2.0) * std::sqrt(k * k + r * r) / r;
  const double phi = std::atan(k / r);
  const double delta = std::asin(sinus) - alpha / 2.0;
  Winkelpaar w{phi + e / (r - g / 2.0) + delta, phi + e / (r + g / 2.0) - delta, true};
  w.gueltig = sinus <= 1.0 && r > g / 2.0 && std::isfinite(w.theta1) && std::isfinite(w.theta2) &&
              w.theta1 >= 0 && w.theta2 >= 0 && w.theta1 < Pi && w.theta2 < Pi;
  return w;
}

}  // namespace

// ---- values ----

void TKreuzung::SetRadius(double r) { radius_ = std::fabs(r) <= 1e-12 ? Unendlich : r; }

bool TKreuzung::Gerade() const { return std::isinf(radius_) || std::fabs(radius_) <= 1e-12; }

void TKreuzung::SpurSetzen(double s) { KrSpur = s > 0 || Modul == nullptr ? s : Modul->Spur(); }

void TKreuzung::SpurAussenSetzen(double s) {
  KrSpurAussen = s > 0 || Modul == nullptr ? s : Modul->SpurAussen();
}

void TKreuzung::PositionSetzen(double x, double y, double z, double w) {
  XAnf = x;
  YAnf = y;
  ZAnf = z;
  WAnf = WinkelNorm(w);
  if (stamm_) {
    stamm_->XAnf = x;
    stamm_->YAnf = y;
    stamm_->ZAnfWert = z;
    stamm_->SetWAnf(w);
  }
}

double TKreuzung::Spur() const { return KrSpur > 0 || Modul == nullptr ? KrSpur : Modul->Spur(); }
double TKreuzung::SpurAussen() const {
  return KrSpurAussen > 0 || Modul == nullptr ? KrSpurAussen : Modul->SpurAussen();
}
double TKreuzung::SwBrt() const { return KrSwBrt > 0 || Modul == nullptr ? KrSwBrt : Modul->SwBrt(); }
double TKreuzung::SwLenMaxWert() const { return SwLenMax > 0 ? SwLenMax : 2.0 * KrSwLen; }

double TKreuzung::HerzAbst() const {
  // The gauge of StInnenA equals the effective gauge once the segments were set.
  return std::min(Laenge / 2.0, Spur() / (2.0 * std::tan(Winkel / 2.0)));
}

double TKreuzung::HerzEndAbst() const { return Laenge / 2.0 - HerzAbst(); }

double TKreuzung::MinLaenge() const { return Spur() / std::tan(Winkel / 2.0); }

std::string TKreuzung::Fehlerhaft() const {
  if (!(Winkel > 0) || !(Winkel < Pi))
    return "Der Kreuzungswinkel muss größer als 0° und kleiner als 180° sein.";
  if (!(Spur() > 0)) return "Die Spurweite der Kreuzung muss größer als 0 sein.";
  // No least length: below it the frogs are cut to half the base length.
  if (!(Laenge > 0 && std::isfinite(Laenge)))
    return "Die Grundlänge der " + Kuerzel() + " muss größer als 0 sein.";
  if (!Gerade() && !InnereWinkel(Winkel, std::fabs(radius_), HerzAbst(), HerzEndAbst(), Spur()).gueltig)
    return "Mit diesem Radius lassen sich die inneren Bögen der Kreuzung nicht bilden.";
  return {};
}

// ---- tracks ----

bool TKreuzung::KrVollstaendig(std::size_t stamm, std::size_t kreuz) const {
  if (!stamm_ || !krA_ || !krB_) return false;
  for (const TBogen* b : boegen_)
    if (b == nullptr) return false;
  return stamm_->Boegen.size() == stamm && krA_->Boegen.size() == kreuz && krB_->Boegen.size() == kreuz;
}

bool TKreuzung::Vollstaendig() const { return KrVollstaendig(4, 2); }

std::int32_t TKreuzung::Gleisnummer(int feld, bool immerZiehen) const {
  Anlage* anlage = Modul ? Modul->Anlage_ : nullptr;
  std::int32_t n = -1;
  try {
    n = NtesItemLesen(GleisNummern, feld);
  } catch (const LeseFehler&) {
    n = -1;
  }
  if (anlage == nullptr) return n == -1 ? feld : n;
  if (n == -1 || immerZiehen) {
    const std::int32_t gezogen = anlage->NeueNummer(999'999);
    if (n == -1) return gezogen;
  }
  return n;
}

void TKreuzung::KrAufbauen() {
  if (Modul == nullptr) return;
  TModul& m = *Modul;
  std::int32_t vorgaenger = -1;
  try {
    vorgaenger = TextInt(VorgaengerNr);
  } catch (const LeseFehler&) {
    vorgaenger = -1;
  }
  std::array<TGleis*, 3> gleise{};
  for (std::size_t t = 0; t < 3; ++t) {
    const std::int32_t nr = Gleisnummer(static_cast<int>(t), true);
    TGleis* g = m.GleisAnhaengen();
    g->Nummer = nr;
    g->KrGleis = true;
    g->KrNr = KrNr;
    g->Element = this;
    gleise[t] = g;
  }
  stamm_ = gleise[0];
  krA_ = gleise[1];
  krB_ = gleise[2];
  stamm_->VorgaengerNr = vorgaenger;
  for (std::size_t k = 0; k < 8; ++k) {
    TGleis* g = k < 4 ? stamm_ : (k < 6 ? krA_ : krB_);
    auto b = std::make_unique<TBogen>();
    b->Name = BogenNamen[k];
    boegen_[k] = g->BogenAnhaengen(std::move(b));
  }
  PositionSetzen(XAnf, YAnf, ZAnf, WAnf);
  stamm_->Name = "Stammgleis";
  krA_->Name = "Kreuzungsgleis A";
  krB_->Name = "Kreuzungsgleis B";
  for (TGleis* g : gleise) g->VerbundNummern = VerbundNummern;
  VerbundVereinen(stamm_, krA_);
  VerbundVereinen(stamm_, krB_);
}

// ---- geometry ----

void TKreuzung::KrBerechnen() {
  if (!Vollstaendig()) return;
  SegmenteSetzen();
  Platzieren();
}

std::array<double, 4> TKreuzung::InnenLaengen() const {
  const double L = Laenge;
  const double R = radius_;
  double a = L / 2.0, b = L / 2.0;
  if (!Gerade()) {
    const double r = std::fabs(R);
    const Winkelpaar w = InnereWinkel(Winkel, r, HerzAbst(), HerzEndAbst(), Spur());
    const double l1 = Bogenlaenge(r * std::tan(w.theta1 / 2.0), R);
    const double l2 = Bogenlaenge(r * std::tan(w.theta2 / 2.0), R);
    // The inner-rail side lies on the main track's side A for "von links" turning left.
    const bool erste = (Richtung == 0) == (R > 0);
    a = erste ? l1 : l2;
    b = erste ? l2 : l1;
  }
  // As a segment stores them: a negative length as 1.
  auto gespeichert = [](double x) { return x < 0 ? 1.0 : x; };
  return {gespeichert(a - Zungenabzug(Innenbogen::StA)), gespeichert(b - Zungenabzug(Innenbogen::StB)),
          gespeichert(b - Zungenabzug(Innenbogen::KrA)), gespeichert(a - Zungenabzug(Innenbogen::KrB))};
}

void TKreuzung::SegmenteSetzen() {
  const double g = Spur();
  for (TGleis* t : AlleGleise()) {
    t->Eigen.Spur = g;
    t->Eigen.SpurAussen = SpurAussen();
    t->KrNr = KrNr;
  }
  const std::array<double, 4> l = InnenLaengen();
  StInnenA()->SetLaenge(l[0]);
  StInnenB()->SetLaenge(l[1]);
  KrInnenA()->SetLaenge(l[2]);
  KrInnenB()->SetLaenge(l[3]);
  const double R = radius_;
  const double innen = Gerade() ? Unendlich : R;
  RadiusSetzen(*StInnenA(), innen);
  RadiusSetzen(*StInnenB(), innen);
  RadiusSetzen(*KrInnenB(), innen);
  // Crossing track A runs from the centre backwards.
  RadiusSetzen(*KrInnenA(), Gerade() ? Unendlich : -R);
  StAussenA()->SetLaenge(StALaenge);
  RadiusSetzen(*StAussenA(), StARadius);
  StAussenB()->SetLaenge(StBLaenge);
  RadiusSetzen(*StAussenB(), StBRadius);
  KrAussenA()->SetLaenge(KrALaenge);
  RadiusSetzen(*KrAussenA(), KrARadius);
  KrAussenB()->SetLaenge(KrBLaenge);
  RadiusSetzen(*KrAussenB(), KrBRadius);
  for (std::size_t k = 0; k < 8; ++k) {
    boegen_[k]->Name = BogenNamen[k];
    boegen_[k]->Farbe = Farbe;
  }
}

void TKreuzung::Platzieren() {
  if (!Vollstaendig()) return;
  stamm_->PunkteBerechnenWennNoetig();
  const TBogen& mitte = *StInnenA();
  const double w = mitte.WEnde;
  const double vz = Richtung == 0 ? -1.0 : 1.0;
  const double steigung = mitte.Steigung();
  for (TGleis* t : {krA_, krB_}) {
    t->XAnf = mitte.XEnde;
    t->YAnf = mitte.YEnde;
    t->ZAnfWert = mitte.ZEnde;
    const bool seiteA = t == krA_;
    t->SetWAnf(seiteA ? w + Pi + vz * Winkel : w + vz * Winkel);
    for (const auto& b : t->Boegen) b->SetSteigung(seiteA ? Negiert(steigung) : steigung);
    t->PunkteBerechnenWennNoetig();
  }
  XAnf = stamm_->XAnf;
  YAnf = stamm_->YAnf;
  ZAnf = stamm_->ZAnf();
  WAnf = stamm_->WAnf();
  ZweigePlatzieren();
  SwUmrisseB.clear();
  SwUmrisseA.clear();
  // The remainders are written only by a walk on a leg with blades and otherwise keep their
  // last value.
  if (MitSwPlan) {
    KrSchwellenplan(0);
    KrSchwellenplan(1);
  }
}

void TKreuzung::KrAktualisieren() {
  KrBerechnen();
  for (TGleis* t : AlleGleise()) t->PunkteBerechnenWennNoetig();
}

void TKreuzung::VomAnfangBerechnen() {
  // The main track may have been moved onto its predecessor's end: that is the new position.
  if (stamm_) {
    XAnf = stamm_->XAnf;
    YAnf = stamm_->YAnf;
    ZAnf = stamm_->ZAnf();
    WAnf = stamm_->WAnf();
  }
  KrAktualisieren();
}

void TKreuzung::Drehen() { Richtung = Richtung == 0 ? 1 : 0; }

bool TKreuzung::ImPlanDrehen() {
  Drehen();
  KreuzungAktualisieren(*this);
  return true;
}

// ---- copies ----

std::unique_ptr<TElement> TKreuzung::Klonen() const { return std::unique_ptr<TElement>(new TKreuzung(*this)); }

void TKreuzung::ZeigerUmsetzen(const TUmsetzung& u, TModul* m) {
  Modul = m;
  stamm_ = u.Gleis(stamm_);
  krA_ = u.Gleis(krA_);
  krB_ = u.Gleis(krB_);
  for (TBogen*& b : boegen_) b = u.Bogen(b);
}

// ---- crossings of a module ----

void TKreuzung::NummerSetzen(std::int32_t n) {
  KrNr = n;
  for (TGleis* g : AlleGleise()) g->KrNr = n;
}

bool TKreuzung::Berechenbar() const {
  if (!Vollstaendig()) return false;
  for (const TGleis* g : AlleGleise())
    for (const auto& b : g->Boegen)
      if (!b->Berechnet || !LageEndlich(*b) || !std::isfinite(b->Laenge())) return false;
  return true;
}

void TKreuzung::BerechenbarPruefen(std::size_t anfang) {
  if (Berechenbar()) return;
  const std::string text = "Zeile " + std::to_string(anfang + 1) + ": " + Kuerzel() + " \"" + Zitat(Name) +
                           "\" lässt sich mit diesen Werten nicht berechnen.";
  if (Modul) ElementEntfernen(*Modul, this);  // frees this
  throw LeseFehler(text);
}

void KreuzungAktualisieren(TKreuzung& k) {
  k.KrAktualisieren();
  if (k.Modul == nullptr) return;
  // The tracks the element places pass their ends on first, the main track last.
  for (TGleis* g : k.Abzweige()) LageWeitergeben(*k.Modul, g);
  LageWeitergeben(*k.Modul, k.Stammgleis());
  ModulBerechnen(*k.Modul);
}

}  // namespace trm
