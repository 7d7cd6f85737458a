// The 3-D view's camera: its first fitted values, clipping planes and controls; the scene of a module.
#include "core/output/Ansicht3D.h"

#include <algorithm>
#include <cmath>

#include "core/model/Bogen.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"

namespace trm {

namespace {

bool Endlich(const TPunkt3D& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

}  // namespace

TAnsicht3D TAnsicht3D::Start(const TSzene3D& s, double seitenverhaeltnis) {
  // The points to fit: every track point and band corner, or the outline of a module
  // without tracks.
  std::vector<TPunkt3D> punkte;
  for (const auto& linie : s.linien)
    for (const TPunkt3D& p : linie)
      if (Endlich(p)) punkte.push_back(p);
  for (const TBandstueck& q : s.baender)
    for (const TPunkt3D& p : q.ecken)
      if (Endlich(p)) punkte.push_back(p);
  if (punkte.empty()) punkte.assign(s.umriss.begin(), s.umriss.end());

  TAnsicht3D a;
  TPunkt3D lo = punkte.front(), hi = punkte.front();
  for (const TPunkt3D& p : punkte) {
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
  }
  a.Mitte = {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};

  // Seen straight down, a point dx, dy off the axis and dz above the centre lies at depth
  // d − dz; it is inside the filled share of the view when |dx| <= (d − dz)·tan(fov/2)·aspect·f
  // and |dy| <= (d − dz)·tan(fov/2)·f.
  const double t = std::tan(Blickwinkel / 2 * std::acos(-1.0) / 180) * Fuellung;
  const double seite = seitenverhaeltnis > 0 && std::isfinite(seitenverhaeltnis) ? seitenverhaeltnis : 1;
  double d = 0;
  for (const TPunkt3D& p : punkte) {
    const double dx = std::abs(p.x - a.Mitte.x), dy = std::abs(p.y - a.Mitte.y);
    d = std::max(d, std::max(dx / (t * seite), dy / t) + (p.z - a.Mitte.z));
  }
  // A scene of one point still gets a view that shows it.
  a.Abstand = -std::max(d, 100.0);

  auto weite = [&](const TPunkt3D& p) {
    return std::hypot(p.x - a.Mitte.x, p.y - a.Mitte.y, p.z - a.Mitte.z);
  };
  for (const TPunkt3D& p : punkte) a.Radius = std::max(a.Radius, weite(p));
  for (const TPunkt3D& p : s.umriss) a.Radius = std::max(a.Radius, weite(p));
  return a;
}

double TAnsicht3D::Nah() const { return std::clamp(0.9 * (-Abstand - Radius), 1.0, 500.0); }

double TAnsicht3D::Fern() const { return std::max(10000.0, 1.1 * (-Abstand + Radius)); }

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
