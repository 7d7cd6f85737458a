// TElement: what the connection algorithms need of a special element (turnout, crossing,
// single or double slip): its number, its tracks by role, and a recompute from its start.
#pragma once

#include <cstdint>
#include <vector>

namespace trm {

class TGleis;

/// A special element that generates ordinary tracks in its module and refers to them.
class TElement {
 public:
  virtual ~TElement() = default;
  /// The element's number (`WeichenNr` or `KrNr` of its tracks).
  virtual std::int32_t Nummer() const = 0;
  /// Main track: the turnout's `Stammgleis`, the crossing's or slip's `Stammgleis`.
  virtual TGleis* Stammgleis() const = 0;
  /// Branch track of a turnout; none for crossings and slips.
  virtual TGleis* Zweiggleis() const { return nullptr; }
  /// Crossing tracks of crossings and slips; none for turnouts.
  virtual TGleis* KreuzungsgleisA() const { return nullptr; }
  virtual TGleis* KreuzungsgleisB() const { return nullptr; }
  /// Branch tracks of slips: one for a single slip, two for a double slip.
  virtual std::vector<TGleis*> Zweiggleise() const { return {}; }
  /// Recomputes the element's geometry from its start and places its tracks.
  virtual void VomAnfangBerechnen() = 0;
  /// After the geometry pass of the module: places the tracks that depend on the attached one
  /// (start on the attached track's start or end) and computes their points again.
  virtual void Platzieren() {}

  /// All tracks of the element: main, branch, crossing tracks and slip branches.
  std::vector<TGleis*> AlleGleise() const;
};

}  // namespace trm
