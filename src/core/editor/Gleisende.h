// The open ends of the tracks of a module, as the drawing tools pick them: an end is open when
// no other track's start or end meets it.
#pragma once

#include <optional>

#include "core/editor/Bahn.h"

namespace trm {

class TGleis;
class TModul;

/// An end of a track; the direction points out of the track (at a start: its direction
/// reversed).
struct TGleisende {
  TGleis* gleis = nullptr;
  bool anfang = false;
  TLage lage;
  bool operator==(const TGleisende& o) const { return gleis == o.gleis && anfang == o.anfang; }
};

/// Ends meet within this many mm.
inline constexpr double Endentreffen = 0.01;

/// The end of track g (its start when `anfang`).
TGleisende EndeVon(TGleis& g, bool anfang);
/// Whether no other track of m has a start or end within Endentreffen of e.
bool EndeOffen(const TModul& m, const TGleisende& e);
/// The open end of m nearest to (x, y) within `fang` mm; none when there is none. Tracks of
/// turntables are skipped (their ends are the turntable's); so are starts unless `anfaenge`.
std::optional<TGleisende> OffenesEndeBei(TModul& m, double x, double y, double fang, bool anfaenge = true);

}  // namespace trm
