// The drawing of one printed sheet: the module's tracks, options and grid through the print
// transform, in printer pixels.
#pragma once

#include <cstdint>

#include "core/output/Blattaufteilung.h"
#include "core/render/Blattstift.h"

namespace trm {

class Anlage;
class Canvas;
class TModul;

/// The marks every sheet carries besides the drawing: an angle at each corner on the sheet's
/// edges for joining the sheets, and a line naming the plan, the scale, the sheet and its
/// column and row (counted from the lower left), inside the lower left corner.
void Blattrand(const Anlage& a, const TDrucktransform& t, std::int64_t blatt, Canvas& c);

/// Draws sheet `blatt` (1-based) of the module on c, whose surface is one sheet of t.W() x t.H()
/// pixels; t must be the transform of that sheet. The module's points must be computed.
void BlattZeichnen(const Anlage& a, const TModul& m, const TDruckoptionen& o, const TDrucktransform& t,
                   std::int64_t blatt, Canvas& c);

class TAnsicht;

/// The sheet overlay of the screen drawing: red sheet borders every n · page size (model mm)
/// inside the module and the sheet numbers 10 mm right of and 40 mm above each sheet's lower
/// left corner.
void BlattuebersichtZeichnen(const TModul& m, std::int64_t n, std::int64_t seiteBreiteMm, std::int64_t seiteHoeheMm,
                             Canvas& c, const TAnsicht& v);

}  // namespace trm
