// The "view3d" command: the 3-D view's first picture of a module, drawn offscreen.
#pragma once

#include <string>
#include <vector>

namespace trm::cli {

/// Width and height of the picture in pixels.
inline constexpr int Bild3DBreite = 1024, Bild3DHoehe = 768;

/// view3d FILE OUT.png [--module M] [--band] (args after the command word). Exit codes:
/// 0 written, 1 file error or no OpenGL, 2 wrong usage.
int Bild3D(const std::vector<std::string>& args, const std::string& datenpfad);

}  // namespace trm::cli
