// The pictures of the "Erste Schritte" guide, drawn by the program's own drawing code from small
// layouts built for them, so that they always look like the program.
#pragma once

#include "core/model/Listenart.h"
#include "core/model/Zeilen.h"

namespace trm {

class Anlage;
class Canvas;

/// The steps of the guide that have a picture.
enum class Anleitungsbild {
  Gleis,      ///< a new straight track, selected
  Anfuegen,   ///< an arc appended to it
  Weiche,     ///< a turnout placed at its end
  Verbinden,  ///< a track dragged to the turnout's branch: hover line and snap ring
};

/// Paints picture b onto c with the gauge and sleeper settings of `vorlage`. The turnout is
/// record `weiche` of list kind `art`; without one, or when it does not read, the turnout
/// pictures show the tracks alone.
void AnleitungsbildMalen(Anleitungsbild b, const Anlage& vorlage, const TListenart& art, const Zeilen& weiche,
                         Canvas& c);

}  // namespace trm
