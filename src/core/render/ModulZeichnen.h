// The drawing of a module in its fixed order: background, grid, grid labels, tracks, joint and
// optimiser markers, elements, group lines, overlays, height values.
#pragma once

#include "core/render/Zeichenoptionen.h"

namespace trm {

class Anlage;
class Canvas;
class TAnsicht;
class TModul;

/// Font size of the drawing's texts in points; grid labels sit half of it off their line.
inline constexpr int Schriftgroesse = 8;

/// Paints the module with the points of its last computation.
void ModulMalen(const Anlage& a, const TModul& m, Canvas& c, const TAnsicht& v, const Elementhaken& haken = {});
/// A redraw: the geometry pass of the module, then the painting.
void ModulNeuzeichnen(Anlage& a, TModul& m, Canvas& c, const TAnsicht& v,
                      const Elementhaken& haken = {});

}  // namespace trm
