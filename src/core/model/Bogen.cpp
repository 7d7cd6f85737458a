// Segment settings, setter rules, and the computation of the points along a segment.
#include "core/model/Bogen.h"

#include <algorithm>
#include <cmath>

#include "core/model/Gleis.h"
#include "core/model/Klothoide.h"

namespace trm {

namespace {
/// The radius along which the points of a segment that is no transition curve run: its start
/// radius, or, when the radii are more than 0.001 apart but their curvatures agree, the radius
/// of the mean curvature (infinite when that is 0).
double KreisradiusAus(double r1, double r2) {
  if (std::isinf(r1) && std::isinf(r2)) return r1;
  if (std::fabs(r1 - r2) <= 0.001) return r1;
  const double k = (KlothoidenKruemmung(r1) + KlothoidenKruemmung(r2)) / 2.0;
  return k == 0.0 ? Unendlich : 1.0 / k;
}
}  // namespace

double TBogen::Kreisradius() const { return KreisradiusAus(AnfRadius(), EndRadius()); }

void TBogen::SetAnfKruemmung(double k) { anfRadius_ = std::fabs(k) <= 1e-12 ? Unendlich : 1.0 / k; }
void TBogen::SetEndKruemmung(double k) { endRadius_ = std::fabs(k) <= 1e-12 ? Unendlich : 1.0 / k; }
void TBogen::SetKruemmung(double k) {
  SetAnfKruemmung(k);
  SetEndKruemmung(k);
}

void TBogen::SetSteigung(double s) {
  if (std::fabs(s) > 1e-12) ausrunden_ = false;
  steigung_ = s;
}

void TBogen::SetAusrunden(bool a) {
  ausrunden_ = a;
  if (a) steigung_ = 0;
}

std::string TBogen::BgKennung() const {
  std::string k = "0000";
  k[0] = LFix ? '1' : '0';
  k[1] = RFix ? '1' : '0';
  k[2] = TFix ? '1' : '0';
  k[3] = Starr ? '1' : '0';
  return k;
}

void TBogen::SetBgKennung(std::string_view k) {
  auto an = [&](std::size_t i) { return i < k.size() && k[i] == '1'; };
  LFix = an(0);
  RFix = an(1);
  TFix = an(2);
  Starr = an(3);
}

bool TBogen::IstErster() const {
  if (Gleis == nullptr) return true;
  const auto& b = Gleis->Boegen;
  return b.empty() || b.front().get() == this;
}

double TBogen::XAnf() const {
  if (!IstErster() && Vorgaenger) return Vorgaenger->XEnde;
  return Gleis ? Gleis->XAnf : 0.0;
}
double TBogen::YAnf() const {
  if (!IstErster() && Vorgaenger) return Vorgaenger->YEnde;
  return Gleis ? Gleis->YAnf : 0.0;
}
double TBogen::ZAnf() const {
  if (!IstErster() && Vorgaenger) return Vorgaenger->ZEnde;
  return Gleis ? Gleis->ZAnf() : 0.0;
}
double TBogen::WAnf() const {
  if (!IstErster() && Vorgaenger) return WinkelNorm(Vorgaenger->WEnde);
  return Gleis ? Gleis->WAnf() : 0.0;
}

TBogen* TBogen::Naechster() const {
  if (Gleis == nullptr) return nullptr;
  const auto& b = Gleis->Boegen;
  for (std::size_t i = 0; i + 1 < b.size(); ++i)
    if (b[i].get() == this) return b[i + 1].get();
  return nullptr;
}

double TBogen::Wert(Einstellung e) const {
  const double eigen = Eigen.*e;
  if (eigen != NichtGesetzt || Gleis == nullptr) return eigen;
  return Gleis->Wert(e);
}

std::int32_t TBogen::FarbeWert() const {
  if (Farbe != -1 || Gleis == nullptr) return Farbe;
  return Gleis->Farbe;
}

bool TBogen::IstUebergangsbogen() const {
  const double r1 = AnfRadius(), r2 = EndRadius();
  if (std::isinf(r1) && std::isinf(r2)) return false;
  // Both infinite handled above; with one infinite the difference is infinite. Radii apart
  // whose curvatures agree within 1e-12 (both of some 30 m and more) have no clothoid: the
  // segment is the arc or straight of that curvature.
  return std::fabs(r1 - r2) > 0.001 && HatKlothoide(r1, r2);
}

double TBogen::KlothoidenA() const { return std::sqrt(KlothoidenA2(AnfRadius(), EndRadius(), Laenge())); }

double TBogen::Tangentenlaenge() const {
  const double r = AnfRadius();
  if (std::isfinite(r)) return std::fabs(r) * std::tan(Laenge() / (2.0 * std::fabs(r)));
  return Laenge() / 2.0;
}

double TBogen::MittlererRadius() const {
  const double k = MittlereKruemmung();
  return std::fabs(k) <= 1e-12 ? 0.0 : 1.0 / k;
}

double TBogen::Neigungswinkel() const {
  if (Laenge() > 0) return std::atan((ZEnde - ZAnf()) / Laenge());
  return 0.0;
}

double TBogen::Vertikalradius() const {
  if (!ausrunden_) return 0.0;
  const TBogen* n = Naechster();
  const double nach = n ? n->Neigungswinkel() : 0.0;
  const double vor = (!IstErster() && Vorgaenger) ? Vorgaenger->Neigungswinkel() : 0.0;
  const double d = nach - vor;
  if (std::fabs(d) <= 1e-12) return 0.0;
  return Laenge() / d;
}

bool TBogen::LageGewissEndlich() const {
  // Every step of Rechnen is at most as long as the segment: a straight or an arc moves the
  // point by at most the step (an arc's chord 2R·sin(h/2R)), a clothoid's chord from the
  // series or the quadrature by at most a few steps, and the direction turns by step / radius
  // or by the clothoid's tangent angle t²/2A², with A² between L/2e6 and L·1e12. With these
  // bounds no step comes near 1e100, and a segment has at most MaxSchwellenJeBogen + 2 of them.
  const double L = Laenge();
  if (!(L == 0 || (L >= 1e-9 && L <= 1e15))) return false;
  const double s = SwAbst();
  if (!(s > 0) || !std::isfinite(s)) return false;
  auto tragbar = [](double r) { return std::isinf(r) || (std::fabs(r) >= 1e-6 && std::fabs(r) <= 1e30); };
  if (IstUebergangsbogen()) return tragbar(AnfRadius()) && tragbar(EndRadius());
  return tragbar(Kreisradius());
}

void TBogen::PunkteBerechnen() { Rechnen(Rechenart::Punkte); }

void TBogen::EndeBerechnen() { Rechnen(Rechenart::Ende); }

void TBogen::HoeheBerechnen() { Rechnen(Rechenart::Hoehe); }

void TBogen::Rechnen(Rechenart art) {
  const bool mitPunkten = art == Rechenart::Punkte;
  const bool inDerEbene = art != Rechenart::Hoehe;
  const double s = SwAbst();
  const double L = Laenge();
  const bool hatVorgaenger = !IstErster() && Vorgaenger != nullptr;

  double p = hatVorgaenger ? s - Vorgaenger->Rest : s / 2.0;
  // After a wider spacing the distance carried over may already exceed this spacing: the
  // first sleeper then lies at the start, not back on the previous segment.
  if (p < 0) p = 0;
  double a;
  if (s > 0 && std::isfinite(s) && std::isfinite(L) && (L - p) / s <= MaxSchwellenJeBogen) {
    a = std::floor((L - p) / s);
    Rest = L - (a * s + p);
  } else {
    a = -1;  // no usable spacing, or more sleepers than a segment holds: start and end only
    Rest = 0;
  }
  if (!(L > 0)) {
    p = 0;
    Rest = 0;
  }
  if (a < -1) a = -1;
  const long schwellen = static_cast<long>(a);  // a >= -1
  const std::size_t anzahl = static_cast<std::size_t>(schwellen + 3);

  const bool uebergang = IstUebergangsbogen();
  const double r1 = uebergang ? AnfRadius() : Kreisradius();
  const bool gerade = !uebergang && std::isinf(r1);
  const double rv = ausrunden_ ? Vertikalradius() : 0.0;

  double x = XAnf(), y = YAnf(), z = ZAnf(), w = WAnf();
  // A straight keeps its direction; an arc's regular step is the same for every sleeper.
  const double cosGerade = gerade ? std::cos(w) : 0.0, sinGerade = gerade ? std::sin(w) : 0.0;
  // The chord of an arc step of angle dw is 2R·sin(dw/2); it stays exact for a step of half a
  // turn or more, where R·sin(dw)/sin((π - dw)/2) loses its digits or divides by zero.
  const double dwSchwelle = s / r1;
  const double sehneSchwelle = 2.0 * r1 * std::sin(dwSchwelle / 2.0);
  double psi = hatVorgaenger ? Vorgaenger->Neigungswinkel() : 0.0;
  // A rounding step of one sleeper spacing turns by the same angle each time: its half sine
  // is worked out once.
  const double sinHalbSchwelle = !(std::fabs(rv) <= 1e-12) ? std::sin(s / rv / 2.0) : 0.0;
  double u = 0;

  // The points go into the vector of the last computation when it is about the size needed,
  // so that a pass over a whole module allocates nothing.
  TSpurpunkte punkte;
  if (mitPunkten) {
    if (Spurpunkte.capacity() >= anzahl && Spurpunkte.capacity() <= 2 * anzahl + 16) punkte.swap(Spurpunkte);
    punkte.clear();
    punkte.reserve(anzahl);
  }
  const KlothoidenBahn bahn(L, r1, EndRadius());
  for (std::size_t i = 0; i < anzahl; ++i) {
    if (mitPunkten) punkte.push_back({x, y, z, w, uebergang ? 0.0 : r1});
    if (i + 1 == anzahl) break;
    double h;
    if (schwellen == -1)
      h = L;
    else if (i == 0)
      h = p;
    else if (i + 2 == anzahl)
      h = Rest;
    else
      h = s;

    if (!inDerEbene) {
      // The height alone: its steps do not depend on the position or direction.
    } else if (uebergang) {
      const KlothoidenSchritt k = bahn.Punkt(x, y, w * 180.0 / Pi, u, h);
      x = k.x;
      y = k.y;
      w = k.wGrad * Pi / 180.0;
      u += h;
    } else if (gerade) {
      x += h * cosGerade;
      y += h * sinGerade;
    } else {
      // Most steps are one sleeper spacing long: their angle and chord are worked out once.
      const double dw = h == s ? dwSchwelle : h / r1;
      const double c = h == s ? sehneSchwelle : 2.0 * r1 * std::sin(dw / 2.0);
      x += c * std::cos(w + dw / 2.0);
      y += c * std::sin(w + dw / 2.0);
      w += dw;
    }

    double dz = h * steigung_ / 100.0;
    if (ausrunden_) {
      if (std::fabs(rv) <= 1e-12) {
        dz = 0;
      } else {
        const double phi = h / rv;
        dz = 2.0 * rv * (h == s ? sinHalbSchwelle : std::sin(phi / 2.0)) * std::sin(phi / 2.0 + psi);
        psi += phi;
      }
    }
    z += dz;
  }

  if (!inDerEbene) {
    ZEnde = z;
    return;
  }
  if (!mitPunkten) {
    // The same steps as with points, so the end is bit for bit the one a full pass gives.
    XEnde = x;
    YEnde = y;
    ZEnde = z;
    WEnde = WinkelNorm(w);
    return;
  }
  Huelle = {punkte[0].x, punkte[0].y, punkte[0].x, punkte[0].y};
  for (const auto& q : punkte) {
    Huelle.xmin = std::min(Huelle.xmin, q.x);
    Huelle.ymin = std::min(Huelle.ymin, q.y);
    Huelle.xmax = std::max(Huelle.xmax, q.x);
    Huelle.ymax = std::max(Huelle.ymax, q.y);
  }
  const TSpurpunkt& letzter = punkte.back();
  XEnde = letzter.x;
  YEnde = letzter.y;
  ZEnde = letzter.z;
  WEnde = WinkelNorm(letzter.w);
  Spurpunkte = std::move(punkte);
  Berechnet = true;
}

}  // namespace trm
