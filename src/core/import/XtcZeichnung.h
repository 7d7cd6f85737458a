// Drawings and table edges of an XTrackCAD layout as background components.
#pragma once

#include <memory>
#include <string>

#include "core/geometry/Geo.h"
#include "core/import/XtcDatei.h"

namespace trm {

/// The component of a DRAW or TABLEEDGE object in module m (millimetres), none when it draws
/// nothing this program can show. Throws LeseFehler for values that do not read.
std::unique_ptr<TGeo> XtcZeichnungUmwandeln(const XtcObjekt& o, const std::string& datei, TModul& m);

}  // namespace trm
