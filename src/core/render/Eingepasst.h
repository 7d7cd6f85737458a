// Drawing a small scene scaled to fill a surface: what a drawing routine paints is measured
// first, then painted again centred and scaled with a margin.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/model/Bildanlage.h"
#include "core/render/Ansicht.h"

namespace trm {

class Anlage;
class Canvas;

/// Paints `malen` onto c so that everything it draws (texts aside) fits with a margin. The
/// scene is measured within `messfeld` mm each way from (mitteX, mitteY) of a drawing whose
/// height is `hoehe` mm; a small scene is enlarged no further than `mindestMmProPixel`. Returns
/// the view painted with, or none when nothing was drawn (c is then untouched).
std::optional<TAnsicht> EingepasstMalen(Canvas& c, double hoehe, double mitteX, double mitteY, double messfeld,
                                        const std::function<void(Canvas&, const TAnsicht&)>& malen,
                                        double mindestMmProPixel = 0);

}  // namespace trm
