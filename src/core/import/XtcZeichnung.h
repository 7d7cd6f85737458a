// Drawings and table edges of an XTrackCAD layout as background components.
#pragma once

#include <string>

#include "core/geometry/Geo.h"
#include "core/import/XtcDatei.h"

namespace trm {

/// Appends the drawing elements of a DRAW or TABLEEDGE object (millimetres) to the component
/// geo; the first point of a component becomes its reference point. Throws LeseFehler for
/// values that do not read.
void XtcZeichnungHinzufuegen(const XtcObjekt& o, const std::string& datei, TGeo& geo);

}  // namespace trm
