// The "render" command: a module drawn as the screen draws it, written as PNG or BMP, or as
// a vector drawing in PDF.
#pragma once

#include <string>

namespace trm {
class Anlage;
}

namespace trm::cli {

/// Draws module `modul` (-1: the current one) at `mmProPixel` (<= 0: its own scale) into
/// `ziel`. Returns the exit code; messages go to stderr.
int Render(Anlage& a, int modul, double mmProPixel, const std::string& ziel);

}  // namespace trm::cli
