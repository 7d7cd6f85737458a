// A turnout's six segments from its parameters, the placement of its dependent track, and its
// sleepers after every placement.
#include <cmath>

#include "core/model/Modul.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenRadien.h"

namespace trm {

namespace {

/// Signs of the first-pair radii (main, branch).
struct Vorzeichen {
  double stamm;
  double zweig;
};

/// The first pair's signs by connection, direction and form, as stored turnouts have always
/// been drawn. A right-hand simple turnout whose branch is the straight one is the mirror of
/// the left-hand one (the left-hand row itself would draw it again).
Vorzeichen ErstesPaar(std::uint8_t anschluss, bool rechts, int form, bool zweigGerade) {
  static constexpr Vorzeichen tabelle[3][2][3] = {
      {{{1, 1}, {1, 1}, {-1, 1}}, {{1, -1}, {-1, -1}, {1, -1}}},
      {{{1, 1}, {-1, 1}, {1, 1}}, {{1, -1}, {1, -1}, {-1, -1}}},
      {{{1, -1}, {1, -1}, {-1, -1}}, {{1, 1}, {-1, 1}, {1, 1}}},
  };
  const int a = anschluss == AnschlussStammAnfang ? 0 : anschluss == AnschlussStammEnde ? 1 : 2;
  if (rechts && form == FormEinfach && zweigGerade) {
    const Vorzeichen links = tabelle[a][0][form];
    return {-links.stamm, -links.zweig};
  }
  return tabelle[a][rechts ? 1 : 0][form];
}

/// +1 or -1 by the sign bit, so that a straight of -infinity counts as right.
double Signum(double r) { return std::signbit(r) ? -1.0 : 1.0; }

/// Negation that keeps 0 as +0.
double Negiert(double x) { return x == 0.0 ? 0.0 : -x; }

void RadiusSetzen(TBogen& b, double r) {
  b.SetAnfRadius(r);
  b.SetEndRadius(r);
}

/// Puts the track's segments in the given order and rebuilds their predecessors; the
/// current segment stays the same segment.
void Ordnen(TGleis& g, const std::array<TBogen*, 3>& reihe) {
  const TBogen* akt = g.AktuellerBogen();
  std::vector<std::unique_ptr<TBogen>> neu;
  neu.reserve(g.Boegen.size());
  for (TBogen* b : reihe)
    for (auto& p : g.Boegen)
      if (p.get() == b) {
        neu.push_back(std::move(p));
        break;
      }
  g.Boegen = std::move(neu);
  g.BogenVorgaengerNeu();
  for (std::size_t k = 0; k < g.Boegen.size(); ++k)
    if (g.Boegen[k].get() == akt) g.AktBogen = static_cast<int>(k);
}

bool HaeltGenau(const TGleis* g, const std::array<TBogen*, 3>& boegen) {
  if (g == nullptr || g->Boegen.size() != boegen.size()) return false;
  for (const TBogen* b : boegen) {
    bool da = false;
    for (const auto& p : g->Boegen) da = da || p.get() == b;
    if (!da || b == nullptr) return false;
  }
  return true;
}

}  // namespace

TGleis* TEWeiche::AngeschlossenesGleis() const {
  switch (Anschluss) {
    case AnschlussStammAnfang:
    case AnschlussStammEnde:
      return stamm_;
    case AnschlussZweig:
      return zweig_;
    default:
      return nullptr;
  }
}

TBogen* TEWeiche::Stammbogen(int n) const {
  return n >= 1 && n <= 3 ? stammBoegen_[static_cast<std::size_t>(n - 1)] : nullptr;
}

TBogen* TEWeiche::Zweigbogen(int n) const {
  return n >= 1 && n <= 3 ? zweigBoegen_[static_cast<std::size_t>(n - 1)] : nullptr;
}

bool TEWeiche::Vollstaendig() const {
  return HaeltGenau(stamm_, stammBoegen_) && HaeltGenau(zweig_, zweigBoegen_);
}

void TEWeiche::GeometrieBerechnen() {
  if (!Vollstaendig()) return;
  TBogen& s1 = *stammBoegen_[0];
  TBogen& s2 = *stammBoegen_[1];
  TBogen& s3 = *stammBoegen_[2];
  TBogen& z1 = *zweigBoegen_[0];
  TBogen& z2 = *zweigBoegen_[1];
  TBogen& z3 = *zweigBoegen_[2];

  for (TGleis* g : {stamm_, zweig_}) {
    g->Eigen.Spur = Spur();
    g->Eigen.SpurAussen = SpurAussen();
  }
  if (SchwellenAutomatisch()) SwLaengen.clear();

  s1.SetLaenge(Bogenlaenge(TangLaenge, stammRadius1_));
  s2.SetLaenge(stammLaenge2_);
  s3.SetLaenge(stammLaenge3_);
  z1.SetLaenge(Bogenlaenge(TangLaenge, zweigRadius1_));
  z2.SetLaenge(zweigLaenge2_);
  z3.SetLaenge(zweigLaenge3_);

  // An unknown connection has no order, start or gradient rule: those stay as they are.
  const bool bekannt = Anschluss == AnschlussStammAnfang || Anschluss == AnschlussStammEnde ||
                       Anschluss == AnschlussZweig;
  if (bekannt) {
    const bool stammRueckwaerts = Anschluss == AnschlussStammEnde;
    const bool zweigRueckwaerts = Anschluss == AnschlussZweig;
    Ordnen(*stamm_, stammRueckwaerts ? std::array<TBogen*, 3>{&s3, &s2, &s1} : stammBoegen_);
    Ordnen(*zweig_, zweigRueckwaerts ? std::array<TBogen*, 3>{&z3, &z2, &z1} : zweigBoegen_);
    TGleis& an = zweigRueckwaerts ? *zweig_ : *stamm_;
    an.XAnf = XAnf;
    an.YAnf = YAnf;
    an.ZAnfWert = ZAnf;
    an.SetWAnf(WAnf);
    for (std::size_t k = 0; k < 3; ++k) {
      TBogen& s = *stammBoegen_[k];
      TBogen& z = *zweigBoegen_[k];
      if (Anschluss == AnschlussStammAnfang)
        z.SetSteigung(s.Steigung());
      else if (Anschluss == AnschlussStammEnde)
        z.SetSteigung(Negiert(s.Steigung()));
      else
        s.SetSteigung(Negiert(z.Steigung()));
    }
  }
  const TWeichenradien r = Radien(Anschluss, IstRechts());
  for (std::size_t k = 0; k < 3; ++k) {
    RadiusSetzen(*stammBoegen_[k], r.stamm[k]);
    RadiusSetzen(*zweigBoegen_[k], r.zweig[k]);
  }
  for (TBogen* b : {&s1, &s2, &s3, &z1, &z2, &z3}) b->Farbe = Farbe;
}

TWeichenradien TEWeiche::Radien(std::uint8_t anschluss, bool rechts) const {
  TWeichenradien r;
  for (std::size_t k = 0; k < 3; ++k) {
    r.stamm[k] = stammBoegen_[k] ? stammBoegen_[k]->AnfRadius() : Unendlich;
    r.zweig[k] = zweigBoegen_[k] ? zweigBoegen_[k]->AnfRadius() : Unendlich;
  }
  const bool bekannt = anschluss == AnschlussStammAnfang || anschluss == AnschlussStammEnde ||
                       anschluss == AnschlussZweig;
  // First pair: the table's signs on the stored radii' sizes; an infinite radius keeps its sign.
  if (bekannt) {
    const bool zweigGerade = std::isinf(zweigRadius1_) && !std::isinf(stammRadius1_);
    const Vorzeichen v = ErstesPaar(anschluss, rechts, Weichenform(), zweigGerade);
    r.stamm[0] = v.stamm * std::fabs(stammRadius1_);
    r.zweig[0] = v.zweig * std::fabs(zweigRadius1_);
  }
  // Second pair: with a finite radius it turns the way the branch leaves (the main track the
  // other way unless attached at its start); with an infinite one the branch takes ZweigRadius2.
  // With no length it keeps its radii.
  if (std::isinf(radius2_)) {
    r.stamm[1] = radius2_;
    r.zweig[1] = zweigRadius2_;
  } else if (stammLaenge2_ > 0 && bekannt) {
    const double s = Signum(r.zweig[0]);
    r.zweig[1] = radius2_ * s;
    r.stamm[1] = anschluss == AnschlussStammAnfang ? radius2_ * s : -radius2_ * s;
  }
  // Third pair: as stored, or with "Radius anpassen" the way the first pair turns.
  const double a = RadiusAnpassen() ? Signum(r.stamm[0]) : 1.0;
  const double b = RadiusAnpassen() ? Signum(r.zweig[0]) : 1.0;
  r.stamm[2] = std::isinf(stammRadius3_) ? stammRadius3_ : stammRadius3_ * a;
  r.zweig[2] = std::isinf(zweigRadius3_) ? zweigRadius3_ : zweigRadius3_ * b;
  return r;
}

void TEWeiche::Platzieren() {
  if (!Vollstaendig()) return;
  TGleis* an = AngeschlossenesGleis();
  if (an != nullptr) Anlegen(an);
  if (SchwellenAutomatisch()) SchwellenplanBerechnen();
  for (TGleis* g : {stamm_, zweig_}) g->PunkteBerechnenWennNoetig();
  SchwellenpunkteBerechnen();
}

void TEWeiche::Anlegen(TGleis* an) {
  TGleis* ab = an == stamm_ ? zweig_ : stamm_;
  an->PunkteBerechnenWennNoetig();
  if (Anschluss == AnschlussStammAnfang) {
    ab->XAnf = an->XAnf;
    ab->YAnf = an->YAnf;
    ab->ZAnfWert = an->ZAnf();
    ab->SetWAnf(an->WAnf());
  } else {
    ab->XAnf = an->XEnde();
    ab->YAnf = an->YEnde();
    ab->ZAnfWert = an->ZEnde();
    ab->SetWAnf(an->WEnde() + Pi);
  }
  XAnf = an->XAnf;
  YAnf = an->YAnf;
  WAnf = an->WAnf();
  ab->PunkteBerechnenWennNoetig();
}

void TEWeiche::VomAnfangBerechnen() {
  // The attached track may have been moved onto its predecessor's end: that is the new start.
  if (TGleis* an = AngeschlossenesGleis(); an != nullptr && Vollstaendig()) {
    XAnf = an->XAnf;
    YAnf = an->YAnf;
    WAnf = an->WAnf();
  }
  GeometrieBerechnen();
  Platzieren();
}

}  // namespace trm
