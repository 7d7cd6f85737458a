// The geometry pass of a module: the points of every segment in track order. A redraw runs
// this pass and then paints.
#pragma once

namespace trm {

class TModul;
class TGleis;
class TBogen;

/// Whether a track keeps its previous points in a pass: it is not current, carries a negative
/// number, is no turnout track, is alone in its link group, and was computed before.
bool PunkteBehalten(const TGleis& g);

/// Computes the points of every segment of every track of the module, in list order, then lets
/// every element place its dependent tracks, then the marker points that hit-testing and the
/// alignment search read (start squares, distance points). A track whose inputs are unchanged since its last
/// computation keeps its points, which are the same.
void ModulBerechnen(TModul& m);

/// Whether the last computation of the segment gave finite points (position, height,
/// direction) and end values: what a file can hold.
bool LageEndlich(const TBogen& b);

/// The first segment of the module whose last computation was not finite, or none.
const TBogen* NichtEndlicheLage(const TModul& m);

}  // namespace trm
