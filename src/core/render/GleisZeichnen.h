// Drawing of tracks and segments: track-bed edge, rails, sleepers, centre band, centre line of
// flexible pieces, start and end markers, joint markers, distance and optimiser markers.
#pragma once

#include <array>
#include <vector>

#include "core/model/Geometrie.h"
#include "core/model/Marken.h"
#include "core/render/Ansicht.h"
#include "core/render/Canvas.h"

namespace trm {

class Anlage;
class Canvas;
class TAnsicht;
class TBogen;
class TGleis;

/// The track-bed edge of a segment: a pixel at half its track-bed width beside every point,
/// on the left (seite +1) or the right (-1), red while the segment is current.
void TrassenKante(const TBogen& b, int seite, Canvas& c, const TAnsicht& v);

/// A filled marker polygon (square or triangle) in the current pen and brush.
template <std::size_t N>
void MarkeZeichnen(const std::array<TPunkt, N>& ecken, Canvas& c, const TAnsicht& v) {
  std::vector<PixelPunkt> punkte;
  for (const TPunkt& p : ecken) punkte.push_back(v.Pixel(p));
  c.Polygon(punkte);
}

/// Draws one segment with its computed points (the start marker is drawn by GleisZeichnen).
void BogenZeichnen(const Anlage& a, const TBogen& b, Canvas& c, const TAnsicht& v);
/// Draws every segment of a track, its start marker and, for tracks not of an element, its
/// end marker.
void GleisZeichnen(const Anlage& a, const TGleis& g, Canvas& c, const TAnsicht& v);
/// Joint marker at a segment's end: a circle inside the track, a triangle at its end.
void StossMarkeZeichnen(const TBogen& b, Canvas& c, const TAnsicht& v);
/// Marker at the start of an optimiser chain.
void OptiAnfangZeichnen(const TBogen& b, Canvas& c, const TAnsicht& v);
/// Marker at the end of an optimiser chain: its triangle on the target (OptiDreieck).
void OptiEndeZeichnen(const TBogen& b, Canvas& c, const TAnsicht& v);

}  // namespace trm
