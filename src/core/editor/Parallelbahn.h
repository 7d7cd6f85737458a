// A track parallel to another at a given distance, and which side of a track a point lies on.
#pragma once

#include <optional>
#include <string>

#include "core/editor/Bahn.h"

namespace trm {

class TGleis;

/// The plan of a track parallel to g at distance `abstand` (> 0: on the left of g's direction
/// of travel, < 0: on the right). Straights keep their length; arcs and transitions get their
/// radii reduced by `abstand` and the length that keeps their turn. None, with a German reason
/// in `grund`, when an arc of g is too tight for the distance on its inner side
/// (|R| <= |abstand|).
std::optional<TBahn> ParallelBahn(const TGleis& g, double abstand, std::string& grund);

/// The side of g the point (x, y) lies on: +1 left, -1 right, relative to the segment of g
/// nearest to the point by its computed points. +1 for a point on the track or a track
/// without points.
int ParallelSeite(const TGleis& g, double x, double y);

/// The ordinary track of m nearest to (x, y) within `fang` mm (by its computed points), or none:
/// the track the parallel tool offers a parallel to.
TGleis* GleisNahe(const TModul& m, double x, double y, double fang);

}  // namespace trm
