// The chain of segments the optimiser bends and its miss against the target.
#include "core/optimiser/OptiKette.h"

#include <cmath>

#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"

namespace trm {

namespace {

double Grad(double rad) { return rad * 180.0 / Pi; }

/// Length of a segment of mean radius rm whose tangent is t.
double LaengeAusTangente(double t, double rm) {
  if (std::fabs(rm) <= 1.0 || rm > 1e11) return 2.0 * t;
  return 2.0 * rm * std::atan(t / rm);
}

double Kruemmung(double r) { return std::isfinite(r) ? 1.0 / r : 0.0; }

/// The clothoid parameter as the restart test counts it.
double ParameterA(const TBogen& b) {
  const double k1 = Kruemmung(b.AnfRadius()), k2 = Kruemmung(b.EndRadius());
  if (std::fabs(k1 - k2) <= 1e-12) return 1000.0;
  const double dk = k1 * k2 >= 0 ? std::fabs(std::fabs(k2) - std::fabs(k1)) : std::fabs(k1) + std::fabs(k2);
  return std::sqrt(b.Laenge() / dk);
}

}  // namespace

double WinkelDifferenzGrad(double aGrad, double bGrad) {
  double d = std::fmod(aGrad - bGrad, 360.0);
  if (d >= 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

TOptiKette::TOptiKette(TGleis& gleis, std::size_t erster, std::size_t letzter) : gleis_(gleis) {
  for (std::size_t i = erster; i <= letzter && i < gleis.Boegen.size(); ++i) boegen_.push_back(gleis.Boegen[i].get());
  tangente_.assign(boegen_.size(), 0.0);
}

double TOptiKette::KappaMax() const { return gleis_.MaxKruemmung(); }

std::size_t TOptiKette::ParameterZaehlen() {
  parameter_.clear();
  for (std::size_t i = 0; i < boegen_.size(); ++i) {
    TBogen& b = *boegen_[i];
    if (b.TFix) tangente_[i] = b.Tangentenlaenge();
    if (!b.LFix && !b.TFix) parameter_.push_back({i, true});
    if (!b.RFix && b.Starr) parameter_.push_back({i, false});
  }
  return parameter_.size();
}

TVector TOptiKette::Startvektor() {
  const double kmax = KappaMax();
  auto begrenzen = [kmax](double k) { return std::fabs(k) > kmax ? std::copysign(kmax, k) : k; };
  for (const Parameter& p : parameter_) {
    if (p.laenge) continue;
    TBogen& b = *boegen_[p.bogen];
    const double k1 = b.AnfKruemmung(), k2 = b.EndKruemmung();
    if (begrenzen(k1) != k1) b.SetAnfKruemmung(begrenzen(k1));
    if (begrenzen(k2) != k2) b.SetEndKruemmung(begrenzen(k2));
  }
  return Aktuell();
}

TVector TOptiKette::Aktuell() const {
  TVector v;
  v.reserve(parameter_.size());
  for (const Parameter& p : parameter_) {
    const TBogen& b = *boegen_[p.bogen];
    v.push_back(p.laenge ? b.Laenge() : b.MittlereKruemmung());
  }
  return v;
}

void TOptiKette::Setzen(std::size_t i, bool laenge, double wert) {
  TBogen& b = *boegen_[i];
  if (laenge) {
    b.SetLaenge(wert);
    return;
  }
  b.SetKruemmung(wert);
  if (b.TFix) b.SetLaenge(LaengeAusTangente(tangente_[i], b.MittlererRadius()));
}

bool TOptiKette::Anwenden(const TVector& v, bool pruefen) {
  const double kmax = KappaMax();
  for (std::size_t i = 0; i < parameter_.size() && i < v.size(); ++i) {
    const Parameter& p = parameter_[i];
    if (pruefen) {
      // Written so that NaN fails as well.
      if (p.laenge && !(v[i] >= 1.0)) return false;
      if (!p.laenge && !(std::fabs(v[i]) <= kmax)) return false;
    }
    Setzen(p.bogen, p.laenge, v[i]);
  }
  FlexRadienAnpassen();
  EndeBerechnen();
  return true;
}

void TOptiKette::FlexRadienAnpassen() {
  const auto& alle = gleis_.Boegen;
  for (TBogen* b : boegen_) {
    if (b->Starr) continue;
    for (std::size_t k = 0; k < alle.size(); ++k) {
      if (alle[k].get() != b) continue;
      if (k > 0) b->SetAnfRadius(alle[k - 1]->EndRadius());
      if (k + 1 < alle.size()) b->SetEndRadius(alle[k + 1]->AnfRadius());
      break;
    }
  }
}

void TOptiKette::EndeBerechnen() {
  for (TBogen* b : boegen_) b->EndeBerechnen();
}

double TOptiKette::Ziel(const TVector& v, const TOptiZielwerte& z) {
  if (!Anwenden(v, true)) return kStrafe;
  const TAbweichung a = Abweichung(z);
  const double f = a.dw * a.dw + a.dx * a.dx + a.dy * a.dy;
  return std::isfinite(f) ? f : kStrafe;
}

TAbweichung TOptiKette::Abweichung(const TOptiZielwerte& z) const {
  const TBogen& e = *boegen_.back();
  return {e.XEnde - z.x, e.YEnde - z.y, WinkelDifferenzGrad(Grad(e.WEnde), z.wGrad)};
}

std::pair<double, double> TOptiKette::KettenKennwerte() const {
  const std::size_t n = boegen_.size();
  std::vector<double> K(n), S(n);
  for (std::size_t i = 0; i < n; ++i) {
    const TBogen& b = *boegen_[i];
    K[i] = b.Starr ? b.MittlereKruemmung() : 0.0;
    S[i] = b.Starr ? 0.0 : std::sqrt(ParameterA(b)) / 10.0;
  }
  if (n == 0) return {0.0, 0.0};
  if (n == 1) return {std::fabs(K[0]), K[0]};
  double summeK = 0, summeS = 0;
  for (std::size_t i = 0; i < n; ++i) {
    summeK += K[i];
    summeS += S[i];
  }
  const double mittelS = summeS / static_cast<double>(n);
  double q = 0;
  for (double s : S) q += (s - mittelS) * (s - mittelS);
  return {std::fabs(summeK / static_cast<double>(n)), std::sqrt(q / static_cast<double>(n - 1))};
}

std::vector<TOptiKette::Werte> TOptiKette::Sichern() const {
  std::vector<Werte> w;
  for (const TBogen* b : boegen_) w.push_back({b->Laenge(), b->AnfRadius(), b->EndRadius()});
  return w;
}

void TOptiKette::Zuruecksetzen(const std::vector<Werte>& w) {
  for (std::size_t i = 0; i < boegen_.size() && i < w.size(); ++i) {
    boegen_[i]->SetLaenge(w[i].laenge);
    boegen_[i]->SetAnfRadius(w[i].anf);
    boegen_[i]->SetEndRadius(w[i].ende);
  }
  EndeBerechnen();
}

}  // namespace trm
