// The tracks and segments of a single slip and their geometry: the middle segments in the
// four legs, the branch track, the blade swaps, and placing the branch on its crossing leg.
#include <cmath>

#include "core/crossings/EKW.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"

namespace trm {

namespace {

constexpr std::array<const char*, 4> MittelNamen = {
    "mittlerer Stammbogen A", "mittlerer Stammbogen B", "mittlerer Kreuzungsbogen A",
    "mittlerer Kreuzungsbogen B"};
constexpr std::array<const char*, 3> ZweigNamen = {"Zweigbogen links", "Zweigbogen mitte",
                                                   "Zweigbogen rechts"};

void Setzen(TBogen& b, double laenge, double radius) {
  b.SetLaenge(laenge);
  b.SetAnfRadius(radius);
  b.SetEndRadius(radius);
}

/// Inserts a new segment at position i of track g.
TBogen* Einfuegen(TGleis& g, std::size_t i) {
  auto b = std::make_unique<TBogen>();
  TBogen* p = b.get();
  g.Boegen.insert(g.Boegen.begin() + static_cast<std::ptrdiff_t>(i), std::move(b));
  g.BogenVorgaengerNeu();
  for (std::size_t k = 0; k < g.Boegen.size(); ++k) g.Boegen[k]->Index = static_cast<int>(k);
  return p;
}

}  // namespace

// ---- tracks ----

TGleis* TEKW::GleisVorStammgleis() {
  return Modul->GleisEinfuegen(Modul->GleisIndex(Stammgleis()));
}

void TEKW::Aufbauen() {
  KrAufbauen();
  EKWAufbauen();
}

void TEKW::EKWAufbauen() {
  if (Modul == nullptr || Stammgleis() == nullptr) return;
  const std::int32_t nummer = Gleisnummer(3, false);
  TGleis* z = GleisVorStammgleis();
  z->Nummer = nummer;
  z->KrGleis = true;
  z->KrNr = KrNr;
  z->Element = this;
  z->VerbundNummern = VerbundNummern;
  zweig_ = z;
  mitte_[0] = Einfuegen(*Stammgleis(), 1);
  mitte_[1] = Einfuegen(*Stammgleis(), 4);
  mitte_[2] = Einfuegen(*KreuzungsgleisA(), 1);
  mitte_[3] = Einfuegen(*KreuzungsgleisB(), 1);
  for (std::size_t k = 0; k < 3; ++k) {
    auto b = std::make_unique<TBogen>();
    b->Name = ZweigNamen[k];
    zw_[k] = z->BogenAnhaengen(std::move(b));
  }
  for (std::size_t k = 0; k < 4; ++k) mitte_[k]->Name = MittelNamen[k];
  VerbundVereinen(Stammgleis(), z);
}

bool TEKW::Vollstaendig() const {
  if (!KrVollstaendig(6, 3) || zweig_ == nullptr || zweig_->Boegen.size() != 3) return false;
  for (const TBogen* b : mitte_)
    if (b == nullptr) return false;
  for (const TBogen* b : zw_)
    if (b == nullptr) return false;
  return true;
}

// ---- geometry ----

void TEKW::SegmenteSetzen() {
  TKreuzung::SegmenteSetzen();
  const bool kr = AmKreuzungsgleis();
  // Outside blades of a single slip: the outer curves of the legs beside the blades vanish.
  if (!Innen() && !Doppelt()) {
    (kr ? StAussenB() : StAussenA())->SetLaenge(0);
    (kr ? KrAussenA() : KrAussenB())->SetLaenge(0);
  }
  const Mitte laenge = Mittellaengen();
  const Mitte basis = MittelradienBasis();
  auto neg = [](double x) { return x == 0.0 ? 0.0 : -x; };
  const bool rechts = Richtung == 1;
  Setzen(*StMitteA(), laenge.stA, basis.stA);
  Setzen(*StMitteB(), laenge.stB, basis.stB);
  Setzen(*KrMitteA(), laenge.krA, rechts ? neg(basis.krA) : basis.krA);
  Setzen(*KrMitteB(), laenge.krB, rechts ? neg(basis.krB) : basis.krB);
  const double steigung = StInnenA()->Steigung();
  KrMitteA()->SetSteigung(neg(steigung));
  for (TBogen* b : {StMitteA(), StMitteB(), KrMitteB()}) b->SetSteigung(steigung);

  // The branch: blade curves left and right, the middle curve between them.
  const std::array<double, 3> zweig = Zweiglaengen();
  const double w = Zweigvorzeichen();
  const double rb = Zweigradius();
  if (Innen()) {
    Setzen(*ZwLinks(), zweig[0], Unendlich);
    Setzen(*ZwMitte(), zweig[1], MitVorzeichen(rb, w));
    Setzen(*ZwRechts(), zweig[2], Unendlich);
  } else {
    Setzen(*ZwLinks(), zweig[0], MitVorzeichen(rb, w));
    Setzen(*ZwMitte(), zweig[1], MitVorzeichen(ZwMitteRadius(), w));
    Setzen(*ZwRechts(), zweig[2], MitVorzeichen(rb, w));
  }

  // A swapped blade device changes places with the branch segment beside it.
  const double sigma = Tauschvorzeichen();
  if (ZgTauschLi) {
    if (kr) {
      Setzen(*KrMitteA(), zweig[0], MitVorzeichen(rb, sigma));
      Setzen(*ZwLinks(), laenge.krA, neg(sigma * basis.krA));
    } else {
      Setzen(*StMitteA(), zweig[0], MitVorzeichen(rb, sigma));
      Setzen(*ZwRechts(), laenge.stA, sigma * basis.stA);
    }
  }
  if (ZgTauschRe) {
    if (kr) {
      Setzen(*StMitteB(), zweig[2], MitVorzeichen(rb, -sigma));
      Setzen(*ZwRechts(), laenge.stB, neg(basis.stB));
    } else {
      Setzen(*KrMitteB(), zweig[0], MitVorzeichen(rb, sigma));
      Setzen(*ZwLinks(), laenge.krB, basis.krB);
    }
  }
  for (std::size_t k = 0; k < 4; ++k) {
    mitte_[k]->Name = MittelNamen[k];
    mitte_[k]->Farbe = Farbe;
  }
  for (std::size_t k = 0; k < 3; ++k) {
    zw_[k]->Name = ZweigNamen[k];
    zw_[k]->Farbe = Farbe;
  }
}

void TEKW::ZweigPlatzieren(TGleis& zweig, const TBogen& bezug, bool amEnde) {
  // The branch starts where the blade begins and runs back towards the crossing.
  zweig.XAnf = amEnde ? bezug.XEnde : bezug.XAnf();
  zweig.YAnf = amEnde ? bezug.YEnde : bezug.YAnf();
  zweig.ZAnfWert = amEnde ? bezug.ZEnde : bezug.ZAnf();
  zweig.SetWAnf((amEnde ? bezug.WEnde : bezug.WAnf()) + Pi);
  zweig.PunkteBerechnenWennNoetig();
}

void TEKW::ZweigePlatzieren() {
  ZweigPlatzieren(*zweig_, AmKreuzungsgleis() ? *KrMitteA() : *KrMitteB(), !Innen());
}

TSchwellenZweig TEKW::SchwellenZweig() const {
  TSchwellenZweig z;
  z.zweige = 1;
  z.innen = Innen();
  z.t = ZwAnschluss == 1 ? 1 : 0;
  z.T = ZgTangente;
  z.beta = ZgWinkel;
  z.tauschLi = ZgTauschLi;
  z.tauschRe = ZgTauschRe;
  z.stMitteA = StMitteA();
  z.stMitteB = StMitteB();
  z.krMitteA = KrMitteA();
  z.krMitteB = KrMitteB();
  z.zwLinks = ZwLinks();
  z.zwMitte = ZwMitte();
  z.zwRechts = ZwRechts();
  return z;
}

bool TEKW::Rechenfehler() const {
  for (const TGleis* g : AlleGleise())
    for (const auto& b : g->Boegen)
      if (!std::isfinite(b->Laenge()) || std::isnan(b->AnfRadius()) || std::isnan(b->EndRadius()) ||
          !LageEndlich(*b))
        return true;
  return false;
}

// ---- copies ----

std::unique_ptr<TElement> TEKW::Klonen() const {
  return std::unique_ptr<TElement>(new TEKW(*this));
}

void TEKW::ZeigerUmsetzen(const TUmsetzung& u, TModul* m) {
  TKreuzung::ZeigerUmsetzen(u, m);
  zweig_ = u.Gleis(zweig_);
  for (TBogen*& b : mitte_) b = u.Bogen(b);
  for (TBogen*& b : zw_) b = u.Bogen(b);
}

}  // namespace trm
