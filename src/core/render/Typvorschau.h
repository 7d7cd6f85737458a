// The picture of a library type: the record is placed in a layout of its own and drawn to fit
// a surface, through the same drawing code as the module.
#pragma once

#include <string>

#include "core/model/Listenart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class Canvas;

/// Draws type record `satz` of list kind `art` onto c, centred and scaled to fit with a margin,
/// with the gauge, sleeper and colour settings of `vorlage`. Returns an empty text when drawn,
/// else why not (the kind has no placing, or the record does not read); c is then left blank.
std::string TypVorschauMalen(const TListenart& art, const Zeilen& satz, const Anlage& vorlage, Canvas& c);

}  // namespace trm
