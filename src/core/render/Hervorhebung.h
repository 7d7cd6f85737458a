// Feedback drawn over the module: the track under the mouse and the snap mark of a drag.
#pragma once

#include <cstdint>

#include "core/base/Ausrichten.h"

namespace trm {

class Canvas;
class TAnsicht;
class TGleis;

/// Colour of the hover line (0x00BBGGRR: an orange).
inline constexpr std::int32_t HervorhebungFarbe = 0x0080FF;
/// Colour of the snap mark (a green).
inline constexpr std::int32_t FangFarbe = 0x00B000;

/// Traces the axis of track g with a wide line, its segment `bogen` wider still.
void GleisHervorheben(const TGleis& g, int bogen, Canvas& c, const TAnsicht& v);

/// Marks a snap: a ring about the point that would be joined and a line to it from the dragged
/// track's point.
void FangMarkeZeichnen(const TAusrichtung& k, Canvas& c, const TAnsicht& v);

}  // namespace trm
