// The helix calculator.
#include "core/calculators/Gleiswendel.h"

#include <cmath>

#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Modul.h"
#include "core/model/Verbindungen.h"
#include "core/model/Gleis.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

constexpr double kZweiPi = 6.283185307179586477;

// The formulas, each on the value array.
void NAusW(std::array<double, 8>& v) { v[WN] = v[WW] / 360; }
void WAusN(std::array<double, 8>& v) { v[WW] = v[WN] * 360; }
void Laenge(std::array<double, 8>& v) { v[WL] = kZweiPi * v[WR] * v[WN]; }
void Hoehe(std::array<double, 8>& v) { v[WH] = v[WS] / 100 * v[WL]; }
void H360(std::array<double, 8>& v) { v[WH360] = kZweiPi * v[WR] * v[WS] / 100; }
void SAusH(std::array<double, 8>& v) { v[WS] = v[WH] / v[WL] * 100; }
void WAusL(std::array<double, 8>& v) { v[WW] = v[WL] / (kZweiPi * v[WR]) * 360; }
void SAusH360(std::array<double, 8>& v) { v[WS] = v[WH360] / (kZweiPi * v[WR]) * 100; }
void Ausgleich(std::array<double, 8>& v) { v[WDL] = std::sqrt(v[WL] * v[WL] + v[WH] * v[WH]) - v[WL]; }

}  // namespace

void TGleiswendel::MaskeNeu() {
  maske = 0;
  for (int k = 0; k < 7; ++k)
    if (w[static_cast<std::size_t>(k)] != 0) maske |= 1 << k;
}

bool TGleiswendel::Berechenbar() const {
  for (int m : {7, 11, 21, 25, 37, 41, 67, 79, 81, 127})
    if (maske == m) return true;
  return false;
}

bool TGleiswendel::Berechnen() {
  if (!Berechenbar()) return false;
  auto& v = w;
  switch (maske) {
    case 7: NAusW(v), Laenge(v), Hoehe(v), H360(v); break;
    case 11: WAusN(v), Laenge(v), Hoehe(v), H360(v); break;
    case 21: NAusW(v), Laenge(v), SAusH(v), H360(v); break;
    case 25: WAusN(v), Laenge(v), SAusH(v), H360(v); break;
    case 37: NAusW(v), Laenge(v), SAusH360(v), Hoehe(v); break;
    case 41: WAusN(v), SAusH360(v), Laenge(v), Hoehe(v); break;
    case 67: WAusL(v), NAusW(v), H360(v), Hoehe(v); break;
    case 81: WAusL(v), NAusW(v), SAusH(v), H360(v); break;
    default: break;  // 79 and 127: everything is known
  }
  Ausgleich(v);
  berechnet = true;
  return true;
}

void TGleiswendel::Bearbeitet(int zeile, double wert) {
  if (zeile < 0 || zeile > 6) return;
  w[static_cast<std::size_t>(zeile)] = wert;
  MaskeNeu();
  berechnet = false;
  if (maske != 127 && maske != 79) return;
  auto& v = w;
  switch (zeile) {
    case WR: Laenge(v), SAusH(v), Hoehe(v); break;
    case WS: Laenge(v), Hoehe(v), H360(v); break;
    case WW: NAusW(v), Laenge(v), Hoehe(v); break;
    case WN: WAusN(v), Laenge(v), Hoehe(v); break;
    case WH: SAusH(v), H360(v); break;
    case WH360: SAusH360(v), Hoehe(v); break;
    default: WAusL(v), NAusW(v), Hoehe(v); break;
  }
  Ausgleich(v);
}

void TGleiswendel::AusBogen(const TBogen& b) {
  const double r = b.AnfRadius();
  const double L = b.Laenge();
  const double dz = b.ZEnde - b.ZAnf();
  w[WR] = std::isfinite(r) ? r : 0;
  w[WS] = L != 0 ? dz / L * 100 : 0;
  w[WW] = w[WR] != 0 ? L / w[WR] * 180 / 3.141592653589793 : 0;
  // The turns follow the angle as shown (3 decimals), as the list would give them.
  w[WN] = TextReal(FestText(w[WW])) / 360;
  w[WH] = std::fabs(dz);
  const double s = L != 0 ? TextReal(FestText(w[WH])) / L * 100 : 0;
  w[WH360] = kZweiPi * w[WR] * s / 100;
  w[WL] = L;
  Ausgleich(w);
  MaskeNeu();
  berechnet = false;
}

std::string TGleiswendel::Text(int zeile) const { return FestText(w[static_cast<std::size_t>(zeile)]); }

bool WendelUebertragen(Editor& ed, const TGleiswendel& w) {
  TGleis* g = ed.gleis();
  TBogen* b = ed.bogen();
  if (!w.berechnet || !g || !b || !g->IstGewoehnlich() || g->Element) return false;
  for (double x : w.w)
    if (!std::isfinite(x)) return false;
  return ed.Ausfuehren("Gleiswendel", [&] {
    b->SetLaenge(w.w[WL]);
    b->SetAnfRadius(w.w[WR]);
    b->SetEndRadius(w.w[WR]);
    b->SetSteigung(w.w[WS]);
    g->PunkteBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool WendelQuelleGeeignet(const TBogen& b) {
  const bool element = b.Gleis && (!b.Gleis->IstGewoehnlich() || b.Gleis->Element);
  const double r = b.AnfRadius();
  return !element && !b.IstUebergangsbogen() && std::isfinite(r) && r != 0;
}

}  // namespace trm
