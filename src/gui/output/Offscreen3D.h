// The 3-D view's picture drawn offscreen, without a window or a display: an OpenGL context
// of EGL without a surface (Mesa's software renderer where there is no graphics card) and a
// framebuffer object of the picture's size.
#pragma once

#include <QImage>

#include "core/output/Ansicht3D.h"

namespace trm::gui {

/// Scene s through camera a as a w × h picture, drawn as the 3-D view's window draws it.
/// Throws std::runtime_error with a German message when no OpenGL context can be made.
QImage Szene3DBild(const TSzene3D& s, const TAnsicht3D& a, int w, int h);

}  // namespace trm::gui
