// The component commands of the main window: the library items, placing a component at the
// current segment, the component dialog, and the mouse work on placed components (pick, move,
// rotate, deform, remove). Every change is a command of the editor.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trm {

class Editor;
class Mausbedienung;
class TGeo;

/// The names of the components of the active library (the layout's list path); a file that does not
/// read gives the names read before the fault.
std::vector<std::string> GeoListenNamen(Editor& ed);
/// Places component k of the library at the current segment: its reference point a to the left
/// of the segment's start (a = half the larger of gauge and bed width), turned by the start
/// direction.
bool GeoEinsetzen(Editor& ed, std::size_t k);
/// "Bauteile-Liste importieren": the chosen file, or the standard list when it does not exist.
bool GeoListeImportieren(Editor& ed);

/// The component dialog "Element bearbeiten": shift by (dx, dy) or to (x, y), then turn by grad.
struct TGeoVerschiebung {
  bool position = false;  ///< "Position" (else "verschieben")
  std::string x, y, grad;
};
bool GeoDialogAnwenden(Editor& ed, TGeo& g, const TGeoVerschiebung& v);

/// Adds the components' tool to the mouse (press, move, release, double click) for mouse modes
/// 0, 13, 14 and 15; a double click opens the mouse's `elementDialog`.
void GeoMausAnschliessen(Mausbedienung& maus);

}  // namespace trm
