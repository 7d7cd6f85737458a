// The colour mixer's palette and the rules for user colours.
#include "core/editor/Farbmischer.h"

#include <algorithm>
#include <cmath>

namespace trm {

std::int32_t Palettenfarbe(int i) {
  i = std::clamp(i, 0, 48);
  int kanal[3] = {0, 0, 0};  // red, green, blue
  // Row by row: which channel moves, and whether it rises or falls.
  constexpr int welcher[7] = {0, 1, 0, 2, 1, 0, 1};
  constexpr bool faellt[7] = {false, false, true, false, true, false, false};
  const int zeile = i / 7;
  for (int z = 0; z <= zeile; ++z) {
    const int k = z == zeile ? i % 7 + 1 : 7;
    const int s = static_cast<int>(std::lround(k / 7.0 * 255));
    kanal[welcher[z]] = faellt[z] ? 255 - s : s;
  }
  return Rgb(kanal[0], kanal[1], kanal[2]);
}

std::int32_t Graustufe(int i) {
  const int g = std::clamp(i, 0, 6) * static_cast<int>(std::lround(255 / 7.0));
  return Rgb(g, g, g);
}

void NutzerfarbeHinzufuegen(Farbspeicher& f, std::int32_t farbe) {
  std::copy_backward(f.begin(), f.end() - 1, f.end());
  f[0] = farbe;
}

void NutzerfarbeLoeschen(Farbspeicher& f, int tag) {
  const int i = tag <= 1 || tag > 16 ? 0 : tag - 1;
  std::copy(f.begin() + i + 1, f.end(), f.begin() + i);
  f.back() = 0xFFFFFF;
}

}  // namespace trm
