// The chords of the tracks and the grid that finds them near a place.
#include "core/check/Raster.h"

#include <algorithm>
#include <cmath>

#include "core/model/Gleis.h"

namespace trm {

namespace {
constexpr double kAbweichung = 0.25;  // mm a point between may lie off its chord (half the spacing's slack)
constexpr double kLaengsteSehne = 40;  // mm
constexpr double kWeitesteKoordinate = 1e8;  // mm
constexpr double kWeitesterAbstand = 2e6;    // mm between two points of a segment

/// Distance of (px, py) from the line through a and b.
double Abstand(const TSpurpunkt& a, const TSpurpunkt& b, const TSpurpunkt& p) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l = std::sqrt(dx * dx + dy * dy);
  if (l == 0) return std::sqrt((p.x - a.x) * (p.x - a.x) + (p.y - a.y) * (p.y - a.y));
  return std::abs(dx * (p.y - a.y) - dy * (p.x - a.x)) / l;
}
}  // namespace

TRechteck TSehne::Box() const {
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

std::vector<TSehne> SehnenDesGleises(const TGleis& g) {
  std::vector<TSehne> sehnen;
  double s = 0;
  for (const auto& b : g.Boegen) {
    const TSpurpunkte& p = b->Spurpunkte;
    if (p.size() < 2) continue;
    const double sa = b->SpurAussen(), tr = b->TrBrt(), ga = b->GlsAbst();
    std::size_t i = 0;
    while (i + 1 < p.size()) {
      std::size_t k = i + 1;
      // Take the next point too while every point between stays near the longer chord.
      while (k + 1 < p.size() && (p[k + 1].x - p[i].x) * (p[k + 1].x - p[i].x) + (p[k + 1].y - p[i].y) * (p[k + 1].y - p[i].y) <=
                                       kLaengsteSehne * kLaengsteSehne) {
        bool nah = true;
        for (std::size_t j = i + 1; j <= k && nah; ++j) nah = Abstand(p[i], p[k + 1], p[j]) <= kAbweichung;
        if (!nah) break;
        ++k;
      }
      const TSpurpunkt &a = p[i], &e = p[k];
      i = k;
      if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(a.z) || !std::isfinite(e.x) ||
          !std::isfinite(e.y) || !std::isfinite(e.z))
        continue;
      // Points farther than 100 km from the origin, or 2 km apart, are no plan's: they are
      // left out (the board rule names their track), so the grid stays small.
      if (std::max({std::abs(a.x), std::abs(a.y), std::abs(e.x), std::abs(e.y)}) > kWeitesteKoordinate) continue;
      const double l = std::hypot(e.x - a.x, e.y - a.y);
      if (!(l <= kWeitesterAbstand)) continue;
      // Points far apart (a large sleeper spacing) give chords of at most 40 mm each.
      const double n = std::ceil(l / kLaengsteSehne);
      const int teile = n > 1 ? static_cast<int>(n) : 1;
      for (int t = 0; t < teile; ++t) {
        const double u0 = static_cast<double>(t) / teile, u1 = static_cast<double>(t + 1) / teile;
        TSehne c{a.x + (e.x - a.x) * u0, a.y + (e.y - a.y) * u0, a.z + (e.z - a.z) * u0,
                 a.x + (e.x - a.x) * u1, a.y + (e.y - a.y) * u1, a.z + (e.z - a.z) * u1,
                 s + l * u0, s + l * u1, sa, tr, ga};
        sehnen.push_back(c);
      }
      s += l;
    }
  }
  return sehnen;
}

std::int64_t TRaster::Zellindex(double v) const {
  return static_cast<std::int64_t>(std::clamp(std::floor(v / zelle_), -2.0e9, 2.0e9));
}

const std::vector<TRaster::Eintrag>* TRaster::Zelle(std::int64_t cx, std::int64_t cy) const {
  const std::uint64_t k = Schluessel(cx, cy);
  for (const auto& [schluessel, zelle] : zuletzt_)
    if (zelle && schluessel == k) return zelle;
  const auto it = zellen_.find(k);
  if (it == zellen_.end()) return nullptr;
  zuletzt_[naechster_++ % zuletzt_.size()] = {k, &it->second};
  return &it->second;
}

void TRaster::Einfuegen(int slot, int index, const TRechteck& box) {
  zuletzt_.fill({});
  zellen_[Schluessel(Zellindex(box.xmin), Zellindex(box.ymin))].push_back({box, slot, index});
}

void TRaster::Entfernen(int slot, int index, const TRechteck& box) {
  zuletzt_.fill({});
  const auto it = zellen_.find(Schluessel(Zellindex(box.xmin), Zellindex(box.ymin)));
  if (it == zellen_.end()) return;
  auto& v = it->second;
  v.erase(std::remove_if(v.begin(), v.end(), [&](const Eintrag& e) { return e.slot == slot && e.index == index; }),
          v.end());
  if (v.empty()) zellen_.erase(it);
}

}  // namespace trm
