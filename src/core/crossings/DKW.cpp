// The double slip's second slip curve: its derived values, its branch track and segments, the
// blade swaps of both curves, its drawing and the setters that also touch the second curve.
#include "core/crossings/DKW.h"

#include <cmath>

#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Verbindungen.h"
#include "core/render/Canvas.h"

namespace trm {

namespace {

constexpr std::array<const char*, 3> DZweigNamen = {
    "linker DKW Zweigbogen", "mittlerer DKW-Zweigbogen", "rechter DKW-Zweigbogen"};

bool Null(double x) { return std::fabs(x) <= 1e-12; }
double Neg(double x) { return x == 0.0 ? 0.0 : -x; }

void Setzen(TBogen& b, double laenge, double radius) {
  b.SetLaenge(laenge);
  b.SetAnfRadius(radius);
  b.SetEndRadius(radius);
}

/// tau2 and rho2 of the second branch.
TMittelbogen DKWMittelbogen(const TDKW& d) {
  const double rb2 = d.DKWZweigradius();
  TMittelbogen m =
      Mittelbogen(d.DZwWinkel(), d.DZwStrecke(), d.ZgTangente, d.Gerade() ? rb2 : Neg(rb2));
  if (std::isfinite(m.rho) && (d.Richtung == 1 || d.DKWFall() != 0)) m.rho = Neg(m.rho);
  return m;
}

}  // namespace

// ---- derived values ----

double TDKW::Lambda2() const {
  if (Gerade()) return 0;
  return InnenLaengen()[static_cast<int>(Innenbogen::StA)] / std::fabs(Radius());
}

int TDKW::DKWFall() const {
  if (Gerade()) return 0;
  const double R = Radius();
  if ((R < 0 && Richtung == 0) || (R > 0 && Richtung == 1)) return 1;
  return Mu() > Lambda2() ? 3 : 2;
}

double TDKW::Omega2() const { return OmegaWert(DKWFall(), Mu(), Lambda2()); }

double TDKW::DKWZweigradius() const {
  const double a = EKWRadius, t = ZgTangente;
  if (Innen()) {
    const int fall = DKWFall();
    const double rb2 = InnenZweigradius(fall, std::fabs(Radius()), Mu(), Omega2(), a);
    return std::isfinite(rb2) && Richtung == 1 && fall == 0 ? Neg(rb2) : rb2;
  }
  if (Gerade() || Null(t)) return a;
  const double f = 2.0 * std::atan(t / Radius()) + (Richtung == 1 ? DZgWinkel : -DZgWinkel);
  const double q = Null(f) ? 0.0 : t / std::tan(f / 2.0);
  return std::isinf(q) ? q : Neg(q);
}

double TDKW::DZwWinkel() const {
  if (Gerade()) return Winkel;
  const Mitte m = Mittellaengen();
  const auto l = InnenLaengen();
  return (m.stA + l[0] + l[3] + m.krB) / Radius() + (Richtung == 0 ? -Winkel : Winkel);
}

double TDKW::DZwStrecke() const {
  return Strecke(Gerade(), std::fabs(Radius()), ZgTangente, InnenLaengen()[0], Winkel, EKWFall(),
                 -1.0);
}

double TDKW::DZwMitteTangente() const { return DKWMittelbogen(*this).tau; }
double TDKW::DZwMitteRadius() const { return DKWMittelbogen(*this).rho; }

double TDKW::AngezeigterDKWZweigradius() const {
  return Innen() || ZgTangente > 0 ? DKWZweigradius() : DZwMitteRadius();
}

std::array<double, 3> TDKW::DZweiglaengen() const {
  if (Innen()) return {ZwLinksLen, DZwMitteLen, ZwRechtsLen};
  const double rb2 = DKWZweigradius();
  const double seite =
      Null(rb2) || std::isinf(rb2) ? 2.0 * ZgTangente : LaengeAufRadius(rb2, ZgTangente);
  return {seite, MittelLaenge(DKWMittelbogen(*this)), seite};
}

int TDKW::DZweigvorzeichen() const {
  if (!Innen() && !Gerade()) return 1;
  const bool s = Richtung == 1;
  switch (DKWFall()) {
    case 0:
      return 1;
    case 2:
      return s ? 1 : -1;
    default:
      return s ? -1 : 1;
  }
}

// ---- tracks ----

void TDKW::Aufbauen() {
  TEKW::Aufbauen();
  if (Modul == nullptr || Stammgleis() == nullptr) return;
  const std::int32_t nummer = Gleisnummer(4, false);
  TGleis* z = GleisVorStammgleis();
  z->Nummer = nummer;
  z->KrGleis = true;
  z->KrNr = KrNr;
  z->Element = this;
  z->VerbundNummern = VerbundNummern;
  dzweig_ = z;
  for (std::size_t k = 0; k < 3; ++k) {
    auto b = std::make_unique<TBogen>();
    b->Name = DZweigNamen[k];
    b->Farbe = Farbe;
    dzw_[k] = z->BogenAnhaengen(std::move(b));
  }
  VerbundVereinen(Stammgleis(), z);
}

bool TDKW::Vollstaendig() const {
  if (!TEKW::Vollstaendig() || dzweig_ == nullptr || dzweig_->Boegen.size() != 3) return false;
  for (const TBogen* b : dzw_)
    if (b == nullptr) return false;
  return true;
}

// ---- geometry ----

void TDKW::SegmenteSetzen() {
  TEKW::SegmenteSetzen();
  const double sigma = Tauschvorzeichen();
  const double rb2 = DKWZweigradius();
  const std::array<double, 3> zweig = DZweiglaengen();
  // The second curve's blade devices swapped with the middle segments beside them.
  if (DKWTausch2Li) Setzen(*StMitteA(), zweig[2], MitVorzeichen(rb2, sigma));
  if (DKWTausch2Re) Setzen(*KrMitteB(), zweig[0], MitVorzeichen(rb2, sigma));

  const double w2 = DZweigvorzeichen();
  const double p = Innen() ? DZwRadius : rb2;
  const double seiten = std::isinf(p) ? p : p * (Richtung == 1 && Gerade() ? -1.0 : w2);
  Setzen(*DZwLinks(), zweig[0], seiten);
  Setzen(*DZwMitte(), zweig[1], MitVorzeichen(Innen() ? rb2 : DZwMitteRadius(), w2));
  Setzen(*DZwRechts(), zweig[2], seiten);
  const Mitte laenge = Mittellaengen();
  const Mitte basis = MittelradienBasis();
  if (DKWTausch2Li) Setzen(*DZwRechts(), laenge.stA, basis.stA);
  if (DKWTausch2Re) Setzen(*DZwLinks(), laenge.stB, basis.stB);
  for (TBogen* b : dzw_) b->Farbe = Farbe;
}

void TDKW::ZweigePlatzieren() {
  TEKW::ZweigePlatzieren();
  ZweigPlatzieren(*dzweig_, *KrMitteB(), !Innen());
}

TSchwellenZweig TDKW::SchwellenZweig() const {
  TSchwellenZweig z = TEKW::SchwellenZweig();
  z.zweige = 2;
  z.tausch1Li = DKWTausch1Li;
  z.tausch1Re = DKWTausch1Re;
  z.tausch2Li = DKWTausch2Li;
  z.tausch2Re = DKWTausch2Re;
  return z;
}

// ---- drawing ----

std::vector<std::pair<const TBogen*, int>> TDKW::Trassenkanten() const {
  std::vector<std::pair<const TBogen*, int>> kanten = TEKW::Trassenkanten();
  const int links = Richtung == 0 ? 1 : -1;
  if (Innen()) {
    for (const TBogen* b : {KrMitteA(), StMitteA(), KrMitteB()}) kanten.emplace_back(b, -links);
    kanten.emplace_back(StMitteB(), links);
  }
  for (const TBogen* b : dzw_) kanten.emplace_back(b, links);
  return kanten;
}

void TDKW::ZusatzZeichnen(const Anlage& a, Canvas& c, const TAnsicht& v) const {
  TEKW::ZusatzZeichnen(a, c, v);
  ZweigUmriss(dzw_, c, v);
}

// ---- setters ----

void TDKW::Grundform(double alpha, double a) {
  EKWGrundform(alpha, a);
  DZwMitteLen = 2.0 * a * std::atan(std::tan(alpha / 2.0));
}

std::string TDKW::DKWZweigradiusSetzen(double x) {
  const bool links = Richtung == 0;
  const double a = EKWRadius;
  const std::string meldung = RadiusSuchen(
      x, links ? a + 1e-6 : 1e-6 - a, links ? 1.0 : -1.0,
      [this] { return AngezeigterDKWZweigradius(); },
      "Fehler in der Berechnung.\n\rDies kann bei DKW mit außenliegenden Zungen passieren, wenn "
      "die "
      "Tangentenlänge der Zungen = 0 ist.\n\rEKW wird auf die Grundform zurückgesetzt.");
  MittellaengeNachfuehren();
  Neuberechnen();
  return meldung;
}

void TDKW::MittellaengeNachfuehren() {
  TEKW::MittellaengeNachfuehren();
  const double gamma2 = Gerade() ? Winkel / 2.0 : Omega2() / 2.0;
  DZwMitteLen = 2.0 * std::fabs(DKWZweigradius()) * std::atan(std::tan(gamma2));
}

std::string TDKW::ZgTangenteSetzen(double x) {
  std::string warnung = TEKW::ZgTangenteSetzen(x);
  if (!warnung.empty()) return warnung;
  DZgWinkel = 2.0 * std::atan(x / DKWZweigradius());
  ZgWinkel = DZgWinkel;
  return {};
}

std::string TDKW::ZgWinkelSetzen(double b) {
  std::string warnung = TEKW::ZgWinkelSetzen(b);
  if (warnung.empty()) DZgWinkel = b;
  return warnung;
}

// ---- copies ----

std::unique_ptr<TElement> TDKW::Klonen() const {
  return std::unique_ptr<TElement>(new TDKW(*this));
}

void TDKW::ZeigerUmsetzen(const TUmsetzung& u, TModul* m) {
  TEKW::ZeigerUmsetzen(u, m);
  dzweig_ = u.Gleis(dzweig_);
  for (TBogen*& b : dzw_) b = u.Bogen(b);
}

}  // namespace trm
