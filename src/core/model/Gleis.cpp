// Track settings resolution, segment list handling and point computation.
#include "core/model/Gleis.h"

#include <algorithm>
#include <cmath>

#include "core/model/Modul.h"

namespace trm {

double TGleis::XEnde() const { return Boegen.back()->XEnde; }
double TGleis::YEnde() const { return Boegen.back()->YEnde; }
double TGleis::ZEnde() const { return Boegen.back()->ZEnde; }
double TGleis::WEnde() const { return WinkelNorm(Boegen.back()->WEnde); }

double TGleis::Wert(Einstellung e) const {
  const double eigen = Eigen.*e;
  if (eigen != NichtGesetzt || Modul == nullptr) return eigen;
  return Modul->Wert(e);
}

void TGleis::SetWeichengleis(bool w) {
  if (GlsTyp.size() < 2) GlsTyp.resize(2, '0');
  GlsTyp[0] = w ? '1' : '0';
}

void TGleis::SetDSGleis(bool d) {
  if (GlsTyp.size() < 2) GlsTyp.resize(2, '0');
  DSGleis = d;
  GlsTyp[1] = d ? '1' : '0';
}

TBogen* TGleis::BogenAnhaengen(std::unique_ptr<TBogen> b) {
  b->Gleis = this;
  b->Vorgaenger = Boegen.empty() ? nullptr : Boegen.back().get();
  b->Index = static_cast<int>(Boegen.size());
  Boegen.push_back(std::move(b));
  return Boegen.back().get();
}

void TGleis::BogenVorgaengerNeu() {
  TBogen* vorher = nullptr;
  for (auto& b : Boegen) {
    b->Gleis = this;
    b->Vorgaenger = vorher;
    vorher = b.get();
  }
}

void TGleis::BogenWaehlen(int i) {
  if (Modul) {
    for (auto& g : Modul->Gleise)
      for (auto& b : g->Boegen) b->Markiert = false;
  } else {
    for (auto& b : Boegen) b->Markiert = false;
  }
  if (i >= 0 && i < static_cast<int>(Boegen.size())) Boegen[static_cast<std::size_t>(i)]->Markiert = true;
  AktBogen = i;
}

TBogen* TGleis::AktuellerBogen() const {
  if (AktBogen < 0 || AktBogen >= static_cast<int>(Boegen.size())) return nullptr;
  return Boegen[static_cast<std::size_t>(AktBogen)].get();
}

std::vector<double> TGleis::Eingaben() const {
  std::vector<double> eingaben;
  eingaben.reserve(4 + 5 * Boegen.size());
  eingaben.insert(eingaben.end(), {XAnf, YAnf, ZAnf(), WAnf()});
  for (const auto& b : Boegen)
    eingaben.insert(eingaben.end(), {b->AnfRadius(), b->EndRadius(), b->Laenge(), b->Steigung(),
                                     b->Ausrunden() ? b->SwAbst() : -b->SwAbst()});
  return eingaben;
}

void TGleis::PunkteBerechnen() {
  for (auto& b : Boegen) b->PunkteBerechnen();
  berechnetFuer_.clear();
  punkteFuer_ = Eingaben();
  boegenFuer_.clear();
  for (const auto& b : Boegen) boegenFuer_.push_back(b.get());
}

bool TGleis::PunkteBerechnenWennNoetig() {
  std::vector<double> eingaben = Eingaben();
  // == compares bitwise-exact values; NaN never compares equal, so it is always computed.
  if (!berechnetFuer_.empty() && eingaben == berechnetFuer_) return false;
  // A vertical rounding also reads the slopes of the previous pass: the result is final only
  // when the heights came out as they went in, so that another pass would repeat itself.
  std::vector<double> hoehenVorher;
  hoehenVorher.reserve(Boegen.size());
  for (const auto& b : Boegen) hoehenVorher.push_back(b->ZEnde);
  PunkteBerechnen();
  for (std::size_t i = 0; i < Boegen.size(); ++i)
    if (!(Boegen[i]->ZEnde == hoehenVorher[i])) return true;
  berechnetFuer_ = std::move(eingaben);
  return true;
}

bool TGleis::FormWieBerechnet() const {
  const std::size_t n = Boegen.size();
  if (n == 0 || boegenFuer_.size() != n || punkteFuer_.size() != 4 + 5 * n) return false;
  if (!(punkteFuer_[2] == ZAnf())) return false;
  for (std::size_t k = 0; k < n; ++k) {
    const TBogen& b = *Boegen[k];
    if (boegenFuer_[k] != &b || !b.Berechnet || b.Spurpunkte.empty()) return false;
    const double* p = &punkteFuer_[4 + 5 * k];
    if (!(p[0] == b.AnfRadius() && p[1] == b.EndRadius() && p[2] == b.Laenge() &&
          p[3] == b.Steigung() && p[4] == (b.Ausrunden() ? b.SwAbst() : -b.SwAbst())))
      return false;
  }
  return true;
}

void TGleis::Versetzen(double x, double y, double w) {
  if (!FormWieBerechnet()) {
    XAnf = x;
    YAnf = y;
    SetWAnf(w);
    PunkteBerechnen();
    return;
  }
  const double x0 = punkteFuer_[0], y0 = punkteFuer_[1], w0 = punkteFuer_[3];
  XAnf = x;
  YAnf = y;
  SetWAnf(w);
  punkteFuer_[0] = XAnf;
  punkteFuer_[1] = YAnf;
  punkteFuer_[3] = WAnf();
  const double dw = WAnf() - w0;
  if (XAnf == x0 && YAnf == y0 && dw == 0) return;
  berechnetFuer_.clear();
  // Without a turn the cosine is exactly 1 and the sine 0: a pure shift.
  const double c = std::cos(dw), s = std::sin(dw);
  for (auto& b : Boegen) {
    for (TSpurpunkt& p : b->Spurpunkte) {
      const double dx = p.x - x0, dy = p.y - y0;
      p.x = XAnf + (c * dx - s * dy);
      p.y = YAnf + (s * dx + c * dy);
      p.w += dw;
    }
    const TSpurpunkt& erster = b->Spurpunkte.front();
    b->Huelle = {erster.x, erster.y, erster.x, erster.y};
    for (const TSpurpunkt& q : b->Spurpunkte) {
      b->Huelle.xmin = std::min(b->Huelle.xmin, q.x);
      b->Huelle.ymin = std::min(b->Huelle.ymin, q.y);
      b->Huelle.xmax = std::max(b->Huelle.xmax, q.x);
      b->Huelle.ymax = std::max(b->Huelle.ymax, q.y);
    }
    const TSpurpunkt& letzter = b->Spurpunkte.back();
    b->XEnde = letzter.x;
    b->YEnde = letzter.y;
    b->WEnde = WinkelNorm(letzter.w);
  }
}

std::unique_ptr<TBogen> Kopie(const TBogen& b) { return std::make_unique<TBogen>(b); }

std::unique_ptr<TElement> Kopie(const TElement& e) { return e.Klonen(); }

std::unique_ptr<TGleis> Kopie(const TGleis& g) { return std::unique_ptr<TGleis>(new TGleis(g)); }

void TGleis::ZeigerUmsetzen(const TUmsetzung& u, TModul* m) {
  Modul = m;
  auto umsetzen = [&u](std::vector<TGleis*>& liste) {
    for (TGleis*& g : liste) g = u.Gleis(g);
    std::erase(liste, nullptr);
  };
  umsetzen(Verbund);
  umsetzen(Nachfolger);
  Vorgaenger = u.Gleis(Vorgaenger);
  for (auto& b : Boegen) {
    b->Gleis = this;
    b->Vorgaenger = u.Bogen(b->Vorgaenger);
  }
  // The copied points belong to the copied segments.
  for (const TBogen*& b : boegenFuer_) b = u.Bogen(b);
  Element = u.Element(Element);
}

}  // namespace trm
