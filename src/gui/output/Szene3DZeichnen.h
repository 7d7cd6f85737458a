// The OpenGL drawing of a 3-D scene, shared by the 3-D view's window and the command line's
// offscreen picture, so that both show the same.
#pragma once

#include "core/output/Ansicht3D.h"

namespace trm::gui {

/// The fixed state of a new context: clear colour, depth test, back-face culling.
void Szene3DEinrichten();

/// Draws scene s through camera a into the current context's w × h pixels: the outline,
/// the bands when the scene has them, then the centre lines.
void Szene3DZeichnen(const TSzene3D& s, const TAnsicht3D& a, int w, int h);

}  // namespace trm::gui
