// The end arrows of a crossing or slip: while the blade schematic of a slip window points at
// one of the element's four ends, the module's EndMarke flag of that end is set and an arrow
// marks the end in the drawing.
#pragma once

namespace trm {

class Canvas;
class Editor;
class TAnsicht;
class TModul;

/// The overlay of the end arrows (Elementhaken::EndPfeile): for the element of the current
/// track, a purple arrow at each end whose flag is set.
void KrEndpfeileZeichnen(const TModul& m, Canvas& c, const TAnsicht& v);

/// Sets the module's end flag `marke` (0..3; -1: none) and clears the others. A view setting:
/// no undo step, the layout does not count as changed. False when nothing changed.
bool EndMarkeZeigen(Editor& ed, int marke);

}  // namespace trm
