// What an element draws into the gradient window's height profile: its sign of two pixel wide
// strokes about the profile's middle line, with the heights of its ends.
#pragma once

#include "core/render/Canvas.h"

namespace trm {

/// The profile surface as an element sees it.
struct Profilstift {
  Canvas& c;
  int x0 = 0;  ///< left margin: the sign starts here
  int y0 = 0;  ///< the profile's middle line

  /// A stroke two pixels wide.
  void Strich(PixelPunkt a, PixelPunkt b) const {
    c.Linie(a, b);
    c.Linie({a.x, a.y + 1}, {b.x, b.y + 1});
  }
  /// A height in mm, three decimals, with its top left corner at (x, y).
  void Hoehe(int x, int y, double z) const;
};

}  // namespace trm
