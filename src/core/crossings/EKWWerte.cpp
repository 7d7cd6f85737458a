// Values of a single slip set with rules of their own: the base form, the "kurze" Länge and
// the base length of outside blades, the search of the inner radius for a branch radius, the
// frog pieces and the blade device.
#include <cmath>

#include "core/crossings/EKW.h"
#include "core/model/Bogen.h"

namespace trm {

namespace {

bool Null(double x) { return std::fabs(x) <= 1e-12; }

}  // namespace

void TEKW::EKWGrundform(double alpha, double a) {
  EKWRadius = a;
  Winkel = alpha;
  Laenge = 2.0 * a * std::tan(alpha / 2.0);
  ZwMitteLen = 2.0 * a * std::atan(std::tan(alpha / 2.0));
  SetRadius(0);
  HSWinkelLi = HSWinkelRe = alpha;
  ZungenInnen = std::fabs(Laenge / 2.0 - HerzAbst()) <= 1e-4 ? 1 : 0;
}

void TEKW::EKWKurzLaenge(double x) {
  SetRadius(0);
  KurzAbzug = std::fabs(Laenge / 2.0 - x);
}

std::string TEKW::AussenLaengeSetzen(double x) {
  const double k = Spur() / (2.0 * std::tan(Winkel / 2.0));
  if (std::min(Laenge / 2.0, k) > x / 2.0)
    return "Wert zu klein! Es kann sich keine " + Kuerzel() +
           " mit außenliegenden Zungen ergeben.\n\rWert wird zurückgesetzt.";
  ZungenInnen = 0;
  SetRadius(0);
  Laenge = x;
  return {};
}

std::string TEKW::RadiusSuchen(double x, double rNull, double vorzeichen,
                               const std::function<double()>& wert, const std::string& meldung) {
  const double vorher = Radius();
  // One computation with R; false on an arithmetic failure.
  auto rechnen = [&](double R) {
    SetRadius(R);
    Neuberechnen();
    // A radius the record reader refuses counts as a failure too: what is saved reads back.
    return !Rechenfehler() && !std::isnan(wert()) && Fehlerhaft().empty();
  };
  auto fehler = [&] {
    SetRadius(0);
    Neuberechnen();
    // Should the straight form fail as well, the slip keeps the radius it had.
    if (Rechenfehler()) {
      SetRadius(vorher);
      Neuberechnen();
    }
    return meldung;
  };
  if (x == 0) return rechnen(rNull) ? std::string() : fehler();
  auto getroffen = [&] { return std::fabs(x - wert()) <= 1e-4; };
  // Halves [lo, hi] at most 251 times; `steigend`: a larger radius gives a larger value.
  auto phase = [&](double lo, double hi, double vz, bool steigend) -> int {
    for (int n = 0; n < 251 && !getroffen(); ++n) {
      const double mitte = hi - (hi - lo) / 2.0;
      if (!rechnen(vz * mitte)) return -1;
      const double g = wert();
      if (steigend ? g > x : g < x) hi = mitte;
      if (steigend ? g < x : g > x) lo = mitte;
    }
    return getroffen() ? 1 : 0;
  };
  int ergebnis = phase(EKWRadius, 1e15, vorzeichen, false);
  if (ergebnis == 0) ergebnis = phase(HerzAbst() * std::sin(Winkel / 2.0), 1e15, 1.0, true);
  return ergebnis < 0 ? fehler() : std::string();
}

std::string TEKW::ZweigradiusSetzen(double x) {
  const bool gleich = Richtung == ZwAnschluss;
  const double a = EKWRadius;
  const std::string meldung = RadiusSuchen(
      x, gleich ? a + 1e-6 : 1e-6 - a, gleich ? 1.0 : -1.0,
      [this] { return AngezeigterZweigradius(); },
      "Fehler in der Berechnung.\n\rDies kann bei EKW mit außenliegenden Zungen passieren, wenn "
      "die "
      "Tangentenlänge der Zungen = 0 ist.\n\rEKW wird auf die Grundform zurückgesetzt.");
  MittellaengeNachfuehren();
  Neuberechnen();
  return meldung;
}

void TEKW::MittellaengeNachfuehren() {
  const double gamma = Gerade() ? Winkel / 2.0 : Omega() / 2.0;
  ZwMitteLen = 2.0 * std::fabs(Zweigradius()) * std::atan(std::tan(gamma));
}

// ---- frog pieces (inside blades) ----

void TEKW::HSLaengeSetzen(bool links, double x) {
  const Mitte basis = MittelradienBasis();
  if (links) {
    HSLaengeLi = StMitteALen = KrMitteALen = x;
    KrMitteARad = basis.stA;
    HSWinkelLi = Winkel;
  } else {
    HSLaengeRe = StMitteBLen = KrMitteBLen = x;
    KrMitteBRad = basis.stB;
    HSWinkelRe = Winkel;
  }
}

std::string TEKW::HSWinkelSetzen(bool links, double b) {
  std::string warnung;
  if (!(b > 0) || b < Winkel) {
    warnung =
        "Die Neigung muss größer sein als die Neigung der Grundform.\n\rWert wird zurückgesetzt";
    b = Winkel;
  }
  const double d = b - Winkel;
  const bool gleich = std::fabs(d) <= 0.001;
  double& laengeSt = links ? StMitteALen : StMitteBLen;
  double& laengeKr = links ? KrMitteALen : KrMitteBLen;
  double& radiusKr = links ? KrMitteARad : KrMitteBRad;
  (links ? HSWinkelLi : HSWinkelRe) = b;
  laengeSt = laengeKr = gleich ? (links ? HSLaengeLi : HSLaengeRe) : d * EKWRadius;
  radiusKr = gleich ? 0.0 : -EKWRadius;
  (links ? StMitteARad : StMitteBRad) = 0;
  if (links)
    HSRadiusLi = 0;
  else
    HSRadiusRe = Unendlich;
  return warnung;
}

void TEKW::HSRadiusSetzen(bool links, double x) {
  if (links) {
    HSRadiusLi = x;
    StMitteARad = x;
    const double a1 = Null(x) ? 0.0 : StMitteALen / x;
    const double b1 = HSWinkelLi - Winkel + a1;
    const double c1 = std::fabs(b1) <= 0.001 ? 0.0 : KrMitteALen / b1;
    KrMitteARad = std::fabs(Winkel - HSWinkelLi) <= 0.001 ? -x : -c1;
  } else {
    HSRadiusRe = Null(x) ? Unendlich : x;
    StMitteBRad = x;
    const double a1 = Null(x) ? 0.0 : StMitteBLen / x;
    const double b1 = a1 - (HSWinkelRe - Winkel);
    const double c1 = std::fabs(b1) <= 0.001 ? 0.0 : KrMitteBLen / b1;
    KrMitteBRad = std::fabs(Winkel - HSWinkelRe) <= 0.001 ? x : c1;
  }
}

void TEKW::HSUmdrehen(bool links) {
  const TBogen* b = links ? KrMitteA() : KrMitteB();
  if (b == nullptr) return;
  double p = links ? b->AnfRadius() : -b->AnfRadius();
  (links ? HSRadiusLi : HSRadiusRe) = p;
  if (std::isinf(p)) p = 0;
  if (Richtung == 1) p = -p;
  // The radius rules without storing the frog radius again.
  const double gespeichert = links ? HSRadiusLi : HSRadiusRe;
  HSRadiusSetzen(links, p);
  (links ? HSRadiusLi : HSRadiusRe) = gespeichert;
}

// ---- blade device (outside blades) ----

std::string TEKW::ZgTangenteSetzen(double x) {
  const double t = std::tan(Winkel / 2.0);
  if (x >= EKWRadius * t - Spur() / (2.0 * t)) return "Tangente zu lang!";
  SetRadius(0);
  ZgTangente = x;
  ZgWinkel = 2.0 * std::atan(x / Zweigradius());
  return {};
}

std::string TEKW::ZgWinkelSetzen(double b) {
  const double t = std::tan(Winkel / 2.0);
  if (b != 0 && EKWRadius * std::tan(b / 2.0) >= EKWRadius * t - Spur() / (2.0 * t))
    return "Winkel nicht möglich!";
  ZgWinkel = b;
  ZgTangente = std::tan(b / 2.0) * Zweigradius();
  return {};
}

}  // namespace trm
