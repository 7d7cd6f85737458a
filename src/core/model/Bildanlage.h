// A layout of its own in which a picture or a preview is built: the settings of another
// layout, one module, nothing of its tracks.
#pragma once

#include <memory>

namespace trm {

class Anlage;

/// A layout of its own for a picture: the gauge, sleeper, scale, option and colour settings of
/// `vorlage`, no grid and no labels, and one module `seite` mm square.
std::unique_ptr<Anlage> Bildanlage(const Anlage& vorlage, double seite);

}  // namespace trm
