// The spatial index of the layout check: the computed points of every track joined into
// short chords, and a uniform grid of cells in a hash map that finds the chords near a box.
// A hash map of cells rather than one array over the module: a track far outside the board
// must not make the index large, and tracks can be added and removed after every command.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>
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

/// The chords of a track: its points joined while the points between stay within 0,25 mm of
/// the chord, each at most 40 mm long; one chord never spans two segments. Points farther than
/// 100 km from the origin or 2 km apart give no chord.
std::vector<TSehne> SehnenDesGleises(const TGleis& g);

/// The grid: an entry (track slot, chord index) with the chord's box is kept in the cell of
/// its box's lower left corner; the boxes are at most `Ausdehnung` wide, so a query looks that
/// far below and left of its box.
class TRaster {
 public:
  struct Eintrag {
    TRechteck box;
    int slot = 0, index = 0;
  };
  explicit TRaster(double zelle = 100, double ausdehnung = 40) : zelle_(zelle), ausdehnung_(ausdehnung) {}
  double Zellgroesse() const { return zelle_; }
  /// Room for about n entries.
  void Vorsehen(std::size_t n) { zellen_.reserve(n / 4 + 16); }
  void Einfuegen(int slot, int index, const TRechteck& box);
  void Entfernen(int slot, int index, const TRechteck& box);
  /// Calls f(slot, index) once for every entry whose box meets `box`; an f that returns bool
  /// ends the query by returning false.
  template <class F>
  void Abfragen(const TRechteck& box, const F& f) const {
    const std::int64_t x0 = Zellindex(box.xmin - ausdehnung_), y0 = Zellindex(box.ymin - ausdehnung_);
    const std::int64_t x1 = Zellindex(box.xmax), y1 = Zellindex(box.ymax);
    for (std::int64_t cx = x0; cx <= x1; ++cx)
      for (std::int64_t cy = y0; cy <= y1; ++cy) {
        const std::vector<Eintrag>* zelle = Zelle(cx, cy);
        if (!zelle) continue;
        for (const Eintrag& e : *zelle)
          if (!(e.box.xmax < box.xmin || e.box.xmin > box.xmax || e.box.ymax < box.ymin || e.box.ymin > box.ymax)) {
            if constexpr (std::is_same_v<decltype(f(e.slot, e.index)), bool>) {
              if (!f(e.slot, e.index)) return;
            } else {
              f(e.slot, e.index);
            }
          }
      }
  }

 private:
  std::int64_t Zellindex(double v) const;
  static std::uint64_t Schluessel(std::int64_t cx, std::int64_t cy) {
    return (static_cast<std::uint64_t>(cx) << 32) ^ (static_cast<std::uint64_t>(cy) & 0xffffffffu);
  }
  /// The cell's entries, or none; the last cells asked for are remembered, since the chords
  /// of a track are asked for in order and their neighbourhoods overlap.
  const std::vector<Eintrag>* Zelle(std::int64_t cx, std::int64_t cy) const;
  double zelle_, ausdehnung_;
  std::unordered_map<std::uint64_t, std::vector<Eintrag>> zellen_;
  mutable std::array<std::pair<std::uint64_t, const std::vector<Eintrag>*>, 16> zuletzt_{};
  mutable std::size_t naechster_ = 0;
};

}  // namespace trm
