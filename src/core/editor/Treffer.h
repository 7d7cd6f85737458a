// Hit-testing in world millimetres: the triangle and square tests, and which track and segment
// a click in the drawing picks.
#pragma once

#include <optional>
#include <vector>

#include "core/model/Geometrie.h"

namespace trm {

class TGleis;
class TModul;

/// A click picks a track when one of its points lies within this many mm in x and in y.
inline constexpr double Trefferabstand = 10;

/// The triangle test of the optimiser targets. With b1, b2, b3 the barycentric coordinates of
/// q in (p1, p2, p3), true when b1·b2·b3 >= 0, b1 >= 0 and b1·b2·b3 <= 1. This also accepts a
/// small region beyond p1 where b2 and b3 are both slightly negative; that is intended. A
/// degenerate triangle contains nothing.
bool PunktInDreieck(TPunkt p1, TPunkt p2, TPunkt p3, TPunkt q);

/// The start-marker test: with the corners p0..p3 in order, true when
/// (p(k+1) - pk)·(q - pk) >= 0 for every k (p4 = p0). Fewer than four corners contain nothing.
bool PunktInMarke(const std::vector<TPunkt>& ecken, TPunkt q);

/// A picked track and segment.
struct TTreffer {
  TGleis* gleis = nullptr;
  int bogen = 0;
  bool operator==(const TTreffer&) const = default;
};

/// The track picked at world point (x, y): tracks in list order; a start marker (ordinary
/// tracks, from the last geometry pass) that contains the point picks its track at segment 0
/// and ends the scan; otherwise a point of a segment within Trefferabstand in x and y picks that track and
/// segment, a later one replacing an earlier one. None when nothing is hit.
std::optional<TTreffer> GleisTreffen(const TModul& m, double x, double y);

}  // namespace trm
