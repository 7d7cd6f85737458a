// Turning and flipping a turnout: the commands change the stored radii so that the drawn shape
// is kept (turned) or mirrored (flipped), while the placement draws every stored turnout by the
// table of signs.
#include <cmath>

#include "core/turnouts/Weiche.h"

namespace trm {

namespace {

/// -1 where the track of this connection runs from its end towards the switch point.
double Umkehr(std::uint8_t anschluss, bool stamm) {
  return (stamm ? anschluss == AnschlussStammEnde : anschluss == AnschlussZweig) ? -1.0 : 1.0;
}

/// The drawn radii as seen from the switch point: a track run from its end turns each of its
/// segments the other way.
TWeichenradien VomWeichenanfang(const TWeichenradien& r, std::uint8_t anschluss) {
  TWeichenradien v = r;
  for (std::size_t k = 0; k < 3; ++k) {
    v.stamm[k] *= Umkehr(anschluss, true);
    v.zweig[k] *= Umkehr(anschluss, false);
  }
  return v;
}

double Signum(double r) { return std::signbit(r) ? -1.0 : 1.0; }

bool Gleichsinnig(double a, double b) { return std::signbit(a) == std::signbit(b); }

char Optionszeichen(std::uint8_t anschluss) {
  return anschluss == AnschlussStammEnde ? '1' : anschluss == AnschlussZweig ? '2' : '0';
}

}  // namespace

void TEWeiche::GestaltHerstellen(const TWeichenradien& soll) {
  const TWeichenradien ist = Radien(Anschluss, IstRechts());
  const double uS = Umkehr(Anschluss, true), uZ = Umkehr(Anschluss, false);
  // Second pair: a finite radius turns with the branch's first arc, an infinite one leaves
  // the branch to ZweigRadius2.
  if (std::isinf(radius2_)) {
    if (!std::isinf(zweigRadius2_)) zweigRadius2_ = uZ * soll.zweig[1];
  } else if (stammLaenge2_ > 0) {
    const double neu = uZ * Signum(ist.zweig[0]) * soll.zweig[1];
    if (zweigRadius2_ == radius2_) zweigRadius2_ = neu;
    radius2_ = neu;
  }
  // Third pair: its own sign, times the first pair's with "Radius anpassen".
  const double a = RadiusAnpassen() ? Signum(ist.stamm[0]) : 1.0;
  const double b = RadiusAnpassen() ? Signum(ist.zweig[0]) : 1.0;
  if (!std::isinf(stammRadius3_)) stammRadius3_ = uS * a * soll.stamm[2];
  if (!std::isinf(zweigRadius3_)) zweigRadius3_ = uZ * b * soll.zweig[2];
}

void TEWeiche::AnschlussSetzen(std::uint8_t anschluss) {
  if (anschluss != AnschlussStammAnfang && anschluss != AnschlussStammEnde && anschluss != AnschlussZweig) return;
  const TWeichenradien soll = VomWeichenanfang(Radien(Anschluss, IstRechts()), Anschluss);
  Anschluss = anschluss;
  SetOption(1, Optionszeichen(anschluss));
  // The first pair's radii are drawn with the table's signs: where the table turns a curved
  // first arc the other way at this end (a simple turnout with a straight branch attached at
  // its main track's end), only the other direction keeps it.
  const TWeichenradien neu = VomWeichenanfang(Radien(Anschluss, IstRechts()), Anschluss);
  const bool stammAnders = !std::isinf(stammRadius1_) && !Gleichsinnig(neu.stamm[0], soll.stamm[0]);
  const bool zweigAnders = !std::isinf(zweigRadius1_) && !Gleichsinnig(neu.zweig[0], soll.zweig[0]);
  if (stammAnders || zweigAnders) {
    if (IstRechts())
      SetLinks();
    else
      SetRechts();
  }
  GestaltHerstellen(soll);
}

void TEWeiche::Drehen() {
  AnschlussSetzen(Anschluss == AnschlussStammAnfang ? AnschlussStammEnde
                  : Anschluss == AnschlussStammEnde ? AnschlussZweig
                                                    : AnschlussStammAnfang);
}

void TEWeiche::RichtungWechseln() {
  TWeichenradien soll = VomWeichenanfang(Radien(Anschluss, IstRechts()), Anschluss);
  for (std::size_t k = 0; k < 3; ++k) {
    soll.stamm[k] = -soll.stamm[k];
    soll.zweig[k] = -soll.zweig[k];
  }
  if (IstRechts())
    SetLinks();
  else
    SetRechts();
  GestaltHerstellen(soll);
}

bool TEWeiche::ImPlanDrehen() {
  Drehen();
  WeicheAktualisieren(*this);
  return true;
}

bool TEWeiche::ImPlanSpiegeln() {
  RichtungWechseln();
  WeicheAktualisieren(*this);
  return true;
}

}  // namespace trm
