#include "core/output/Ansicht3D.h"

#include <algorithm>
#include <cmath>

#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"

namespace trm {

TAnsicht3D TAnsicht3D::Start(int breite, int hoehe) {
  TAnsicht3D a;
  // Integer halving toward zero, as the module size is whole millimetres.
  a.VerschX = -(breite / 2);
  a.VerschY = -(hoehe / 2);
  return a;
}

void TAnsicht3D::Knopf(int nummer) {
  switch (nummer) {
    case 1: Abstand += Schrittweite; break;
    case 2: Abstand -= Schrittweite; break;
    case 3: VerschX -= Schrittweite; break;
    case 4: VerschX += Schrittweite; break;
    case 5: VerschY += Schrittweite; break;
    case 6: VerschY -= Schrittweite; break;
    default: break;
  }
}

void TAnsicht3D::Regler(int nummer, int position) {
  const double p = std::clamp(position, -180, 180);
  (nummer == 1 ? DrehX : nummer == 2 ? DrehY : DrehZ) = p;
}

void TAnsicht3D::Ziehen(int dx, int dy) {
  auto falten = [](double w) { return std::remainder(w, 360.0); };
  DrehZ = falten(DrehZ + dx * 0.5);
  DrehX = falten(DrehX + dy * 0.5);
}

void TAnsicht3D::Rad(int grad8) { Abstand += grad8 / 120.0 * 10 * Schrittweite; }

TSzene3D Szene3D(const TModul& m, bool baender) {
  TSzene3D s;
  const double W = m.Breite, H = m.Hoehe;
  s.umriss = {TPunkt3D{0, 0, 0}, TPunkt3D{W, 0, 0}, TPunkt3D{W, H, 0}, TPunkt3D{0, H, 0}};
  bool erster = true;
  for (const auto& g : m.Gleise)
    for (const auto& b : g->Boegen) {
      std::vector<TPunkt3D> linie;
      linie.reserve(b->Spurpunkte.size());
      for (const TSpurpunkt& p : b->Spurpunkte) {
        linie.push_back({p.x, p.y, p.z});
        if (erster || p.z < s.zMin) s.zMin = p.z;
        if (erster || p.z > s.zMax) s.zMax = p.z;
        erster = false;
      }
      s.linien.push_back(std::move(linie));
    }
  if (!baender) return s;
  const double spanne = s.zMax - s.zMin;
  for (const auto& g : m.Gleise)
    for (const auto& b : g->Boegen) {
      const double halb = b->TrBrt() / 2;
      const auto& pk = b->Spurpunkte;
      for (std::size_t i = 0; i + 1 < pk.size(); ++i) {
        auto seite = [&](const TSpurpunkt& p, double v) {
          return TPunkt3D{p.x - v * halb * std::sin(p.w), p.y + v * halb * std::cos(p.w), p.z};
        };
        TBandstueck q;
        q.ecken = {seite(pk[i], 1), seite(pk[i], -1), seite(pk[i + 1], -1), seite(pk[i + 1], 1)};
        const double z = (pk[i].z + pk[i + 1].z) / 2;
        q.anteil = spanne > 0 ? (z - s.zMin) / spanne : 0;
        s.baender.push_back(q);
      }
    }
  return s;
}

}  // namespace trm
