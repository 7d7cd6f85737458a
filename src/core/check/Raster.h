// The spatial index of the layout check: the computed points of every track joined into
// short chords, and a uniform grid of cells in a hash map that finds the chords near a box.
// A hash map of cells rather than one array over the module: a track far outside the board
// must not make the index large, and tracks can be added and removed after every command.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/model/Bogen.h"

namespace trm {

class TGleis;

/// A chord between two computed points of one segment of a track, with the values of that
/// segment the rules compare.
struct TSehne {
  double x0 = 0, y0 = 0, z0 = 0, x1 = 0, y1 = 0, z1 = 0;
  double s0 = 0, s1 = 0;  ///< distance along the track at both ends
  double spurAussen = 0, trasse = 0, glsAbst = 0;  ///< outer rail width, bed width, track spacing
  TRechteck Box() const;
  double Laenge() const { return s1 - s0; }
};

/// The chords of a track: its points joined while the points between stay within 0.1 mm of the
/// chord (straights into chords of up to 40 mm); one chord never spans two segments.
std::vector<TSehne> SehnenDesGleises(const TGleis& g);

/// The grid: entries are (track slot, chord index), kept in every cell a chord's box touches.
class TRaster {
 public:
  explicit TRaster(double zelle = 50) : zelle_(zelle) {}
  double Zelle() const { return zelle_; }
  void Einfuegen(int slot, int index, const TRechteck& box);
  void Entfernen(int slot, int index, const TRechteck& box);
  void Leeren() { zellen_.clear(); }
  /// Calls f(slot, index) once for every entry whose box meets `box`; `boxVon(slot, index)`
  /// gives an entry's box.
  template <class BoxVon, class F>
  void Abfragen(const TRechteck& box, const BoxVon& boxVon, const F& f) const {
    const auto [x0, y0] = Zellindex(box.xmin, box.ymin);
    const auto [x1, y1] = Zellindex(box.xmax, box.ymax);
    for (std::int64_t cx = x0; cx <= x1; ++cx)
      for (std::int64_t cy = y0; cy <= y1; ++cy) {
        const auto it = zellen_.find(Schluessel(cx, cy));
        if (it == zellen_.end()) continue;
        for (const auto& [slot, index] : it->second) {
          const TRechteck b = boxVon(slot, index);
          if (b.xmax < box.xmin || b.xmin > box.xmax || b.ymax < box.ymin || b.ymin > box.ymax) continue;
          // Reported in the first cell of the common part only, so once.
          const auto [ex, ey] = Zellindex(b.xmin > box.xmin ? b.xmin : box.xmin, b.ymin > box.ymin ? b.ymin : box.ymin);
          if (ex == cx && ey == cy) f(slot, index);
        }
      }
  }

 private:
  std::pair<std::int64_t, std::int64_t> Zellindex(double x, double y) const;
  static std::uint64_t Schluessel(std::int64_t cx, std::int64_t cy) {
    return (static_cast<std::uint64_t>(cx) << 32) ^ (static_cast<std::uint64_t>(cy) & 0xffffffffu);
  }
  double zelle_;
  std::unordered_map<std::uint64_t, std::vector<std::pair<int, int>>> zellen_;
};

}  // namespace trm
