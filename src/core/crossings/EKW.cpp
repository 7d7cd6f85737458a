// The derived values of a single slip (case, slip-curve radius, blade length, the branch's
// angle, distance and middle segment) and the formulas it shares with the double slip.
#include "core/crossings/EKW.h"

#include <cmath>

#include "core/model/Zahlformat.h"

namespace trm {

namespace {

bool Null(double x) { return std::fabs(x) <= 1e-12; }

}  // namespace

double LaengeAufRadius(double x, double t) {
  if (std::isinf(x) || Null(x)) return 2.0 * t;
  return 2.0 * x * std::atan(t / x);
}

double OmegaWert(int fall, double mu, double lambda) {
  if (fall == 1) return 2.0 * mu + 2.0 * lambda;
  if (std::fabs(lambda - mu) <= 1e-12) return 0;
  return std::fabs(2.0 * mu - 2.0 * lambda);
}

double InnenZweigradius(int fall, double r, double mu, double omega, double a) {
  switch (fall) {
    case 0:
      return a;
    case 1:
      return r - r * std::sin(mu) / std::sin(omega / 2.0);
    case 2:
      return r + r * std::sin(mu) / std::sin(omega / 2.0);
    default:
      return r * std::sin(mu) / std::sin(omega / 2.0) - r;
  }
}

TMittelbogen Mittelbogen(double phi, double s, double t, double rbStrich) {
  const double m = Null(rbStrich) ? 0.0 : 2.0 * std::atan(t / rbStrich);
  const double e = phi - 2.0 * m;
  TMittelbogen b;
  b.tau = (std::sin(phi) * s - t * (std::sin(phi) + std::sin(m + e) + std::sin(m))) /
          (2.0 * std::sin(m + e / 2.0) * std::cos(e / 2.0));
  b.rho = b.tau / std::tan(e / 2.0);
  return b;
}

double Strecke(bool gerade, double r, double t, double l, double alpha, int fall,
               double vorzeichen) {
  const double f = LaengeAufRadius(gerade ? Unendlich : r, t) + l;
  const double u = gerade ? f / 2.0 : r * std::tan(f / (2.0 * r));
  const double psi = gerade ? 0.0 : f / r;
  double v = 0;
  if (fall == 1)
    v = std::tan(psi + vorzeichen * alpha / 2.0) * std::sin(psi) * u;
  else if (fall != 0)
    v = std::tan(psi - vorzeichen * alpha / 2.0) * std::sin(psi) * u;
  return u + std::cos(psi) * u + v;
}

double MittelLaenge(const TMittelbogen& m) {
  if (std::isinf(m.rho) || m.rho == 0) return 2.0 * m.tau;
  return 2.0 * m.rho * std::atan(m.tau / m.rho);
}

double MitVorzeichen(double r, double w) { return std::isinf(r) ? Unendlich : r * w; }

std::string EndlichText(double x) { return std::isfinite(x) ? RealText(x) : "0"; }

// ---- derived values ----

double TEKW::Mu() const {
  if (Gerade()) return 0;
  const double r = std::fabs(Radius());
  const double k = HerzAbst();
  return std::asin(std::sin(Winkel / 2.0) * std::sqrt(k * k + r * r) / r);
}

double TEKW::Lambda() const {
  if (Gerade()) return 0;
  const auto l = InnenLaengen();
  return l[static_cast<int>(AmKreuzungsgleis() ? Innenbogen::KrA : Innenbogen::StA)] /
         std::fabs(Radius());
}

int TEKW::EKWFall() const {
  if (Gerade()) return 0;
  const double R = Radius();
  const bool s = Richtung == 1, t = AmKreuzungsgleis();
  if ((R > 0 && s != t) || (R < 0 && s == t)) return 1;
  return Mu() > Lambda() ? 3 : 2;
}

double TEKW::Omega() const { return OmegaWert(EKWFall(), Mu(), Lambda()); }

double TEKW::Zweigradius() const {
  const double a = EKWRadius, t = ZgTangente;
  if (Innen()) return InnenZweigradius(EKWFall(), std::fabs(Radius()), Mu(), Omega(), a);
  if (Gerade() || Null(t)) return a;
  const double c = 2.0 * std::atan(t / Radius());
  const double d = Richtung == ZwAnschluss ? c - ZgWinkel : c + ZgWinkel;
  const double rb = Null(d) ? 0.0 : t / std::tan(d / 2.0);
  return ZwAnschluss == 0 && std::isfinite(rb) && rb != 0 ? -rb : rb;
}

double TEKW::Zungenbogen() const { return LaengeAufRadius(Zungenradius(), ZgTangente); }

double TEKW::ZwWinkel() const {
  if (Gerade()) return Winkel;
  const Mitte m = Mittellaengen();
  const auto l = InnenLaengen();
  const double R = Radius();
  const double s = Richtung == 0 ? 1.0 : -1.0;
  if (AmKreuzungsgleis()) return (m.krA + l[2] + l[1] + m.stB) / R + s * Winkel;
  return (m.stA + l[0] + l[3] + m.krB) / R - s * Winkel;
}

double TEKW::ZwStrecke() const {
  const auto l = InnenLaengen();
  const double innen = l[static_cast<int>(AmKreuzungsgleis() ? Innenbogen::KrA : Innenbogen::StA)];
  return Strecke(Gerade(), std::fabs(Radius()), ZgTangente, innen, Winkel, EKWFall(), 1.0);
}

namespace {

/// tau and rho of the single slip's branch: rb and rho negated on a curved slip "am Stammgleis".
TMittelbogen EKWMittelbogen(const TEKW& e) {
  const bool gegen = e.ZwAnschluss == 0 && !e.Gerade();
  const double rb = e.Zweigradius();
  TMittelbogen m = Mittelbogen(e.ZwWinkel(), e.ZwStrecke(), e.ZgTangente, gegen ? -rb : rb);
  if (gegen && std::isfinite(m.rho)) m.rho = -m.rho;
  return m;
}

}  // namespace

double TEKW::ZwMitteTangente() const { return EKWMittelbogen(*this).tau; }
double TEKW::ZwMitteRadius() const { return EKWMittelbogen(*this).rho; }

double TEKW::AngezeigterZweigradius() const {
  return Innen() || ZgTangente > 0 ? Zweigradius() : ZwMitteRadius();
}

TEKW::Mitte TEKW::Mittellaengen() const {
  Mitte m;
  if (Innen()) {
    m = {StMitteALen, StMitteBLen, KrMitteALen, KrMitteBLen};
  } else {
    // The blades lie in the middle segments of the legs the branch touches.
    const double zunge = LaengeAufRadius(Gerade() ? Unendlich : std::fabs(Radius()), ZgTangente);
    const bool kr = AmKreuzungsgleis();
    m = {kr ? 0.0 : zunge, kr ? zunge : 0.0, kr ? zunge : 0.0, kr ? 0.0 : zunge};
    if (Doppelt()) m.stA = m.krB = zunge;
  }
  for (double* x : {&m.stA, &m.stB, &m.krA, &m.krB})
    if (*x < 0) *x = 1.0;
  return m;
}

TEKW::Mitte TEKW::MittelradienBasis() const {
  auto neg = [](double x) { return x == 0.0 ? 0.0 : -x; };
  const bool s = Richtung == 1, t = AmKreuzungsgleis();
  Mitte m;
  if (Innen()) {
    // Stored for "von links".
    m = {s ? neg(StMitteARad) : StMitteARad, s ? neg(StMitteBRad) : StMitteBRad, KrMitteARad,
         KrMitteBRad};
    return m;
  }
  const double R = Gerade() ? 0.0 : Radius();
  m = {R, R, !s && t && !ZgTauschLi ? neg(R) : R, s && !t && !ZgTauschRe ? neg(R) : R};
  if (Doppelt() && s) m.krB = neg(m.krB);
  return m;
}

std::array<double, 3> TEKW::Zweiglaengen() const {
  if (Innen()) return {ZwLinksLen, ZwMitteLen, ZwRechtsLen};
  const double rb = Zweigradius();
  const double seite =
      Null(rb) || std::isinf(rb) ? 2.0 * ZgTangente : LaengeAufRadius(rb, ZgTangente);
  return {seite, MittelLaenge(EKWMittelbogen(*this)), seite};
}

int TEKW::Zweigvorzeichen() const {
  if (!Innen() && !Gerade()) return 1;
  const int fall = EKWFall();
  const bool s = Richtung == 1;
  return (fall == 2 && s) || (fall != 2 && !s) ? 1 : -1;
}

double TEKW::Tauschvorzeichen() const { return Richtung == 1 && Gerade() ? -1.0 : 1.0; }

double TEKW::Zungenabzug(Innenbogen innen) const {
  if (Innen()) return 0;
  bool zunge = AmKreuzungsgleis() ? innen == Innenbogen::StB || innen == Innenbogen::KrA
                                  : innen == Innenbogen::StA || innen == Innenbogen::KrB;
  // The double slip has blades on both curves: StInnenA and KrInnenB always.
  if (Doppelt()) zunge = zunge || innen == Innenbogen::StA || innen == Innenbogen::KrB;
  return zunge ? Zungenbogen() : KurzAbzug;
}

double TEKW::ZungenZeile() const {
  return Zungenabzug(AmKreuzungsgleis() ? Innenbogen::StA : Innenbogen::KrA);
}


}  // namespace trm
