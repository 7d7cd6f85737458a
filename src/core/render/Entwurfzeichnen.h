// The drawing tools' drafts over the module: the track under construction as it will be laid
// (in red where it does not reach the mouse), the dragged element's outline, the picked end,
// and the values beside the mouse.
#pragma once

#include <cstdint>
#include <optional>

#include "core/render/Canvas.h"

namespace trm {

class Gleiszeichner;
class TAnsicht;

/// Colour of a draft (0x00BBGGRR: a blue) and of a draft that misses the mouse (a red).
inline constexpr std::int32_t EntwurfFarbe = 0xD07000;
inline constexpr std::int32_t EntwurfWarnfarbe = 0x0000E0;

/// Draws what the drawing tools show now; `maus` is the mouse pixel for the values beside it.
/// Draws nothing when no tool is at work.
void EntwurfZeichnen(const Gleiszeichner& z, Canvas& c, const TAnsicht& v, std::optional<PixelPunkt> maus);

}  // namespace trm
