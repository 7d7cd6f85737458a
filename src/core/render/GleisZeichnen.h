// Drawing of tracks and segments: track-bed edge, rails, sleepers, centre band, centre line of
// flexible pieces, start and end markers, joint markers, distance and optimiser markers.
#pragma once

#include <array>

#include "core/model/Geometrie.h"

namespace trm {

class Anlage;
class Canvas;
class TAnsicht;
class TBogen;
class TGleis;

/// The track-bed edge of a segment: a pixel at half its track-bed width beside every point,
/// on the left (seite +1) or the right (-1), red while the segment is current.
void TrassenKante(const TBogen& b, int seite, Canvas& c, const TAnsicht& v);
/// Corners of a square marker of side s lying on a track from (x, y) in direction w.
std::array<TPunkt, 4> MarkenQuadrat(double x, double y, double w, double s);
/// A triangle marker with its tip at (x, y) and its base, s wide, s back along direction w.
std::array<TPunkt, 3> MarkenDreieck(double x, double y, double w, double s);

/// Draws one segment with its computed points (the start marker is drawn by GleisZeichnen).
void BogenZeichnen(const Anlage& a, TBogen& b, Canvas& c, const TAnsicht& v);
/// Draws every segment of a track, its start marker and, for tracks not of an element, its
/// end marker. Stores the start marker's corners in the track for hit-testing.
void GleisZeichnen(const Anlage& a, TGleis& g, Canvas& c, const TAnsicht& v);
/// Joint marker at a segment's end: a circle inside the track, a triangle at its end.
void StossMarkeZeichnen(TBogen& b, Canvas& c, const TAnsicht& v);
/// Marker at the start of an optimiser chain.
void OptiAnfangZeichnen(TBogen& b, Canvas& c, const TAnsicht& v);
/// Marker at the end of an optimiser chain: size a, at the segment's end.
void OptiEndeZeichnen(TBogen& b, double a, Canvas& c, const TAnsicht& v);

}  // namespace trm
