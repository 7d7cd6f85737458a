// The markers of the layout check on the drawing: a ring at every finding of the module,
// red for errors, orange for hints; the chosen finding drawn thicker.
#pragma once

#include <vector>

#include "core/check/Befund.h"

namespace trm {

class Canvas;
class TAnsicht;

/// Draws the markers of the findings of module `modul` that lie in the view.
void BefundmarkenZeichnen(const std::vector<TBefund>& befunde, int modul, Canvas& c, const TAnsicht& v,
                          int gewaehlt = -1);

}  // namespace trm
