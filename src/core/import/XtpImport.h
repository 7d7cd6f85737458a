// "Datei" › "importieren" › "Weichen aus XTrackCAD-Parameterdatei…": a parameter file's turnouts
// written as a new turnout list that becomes the active one.
#pragma once

#include "core/base/Dialoge.h"

namespace trm {

class Anlage;
class Editor;

inline constexpr const char* FilterXtp = "XTrackCAD-Parameterdateien (*.xtp)|*.xtp";

/// The open dialog for the parameter file, the scale (proposed from the layout's), reading and
/// converting, the save dialog for the new ".w88" list, writing it and making it the active
/// turnout list; then the counts of taken and skipped types. A file that does not read, or
/// that has no type to take, is reported and nothing is written. True when the active list
/// changed (the caller runs this as a command).
bool XtpWeichenImportieren(Anlage& a, Dialoge& d);
/// The menu command: the import above as one step of the editor's history.
bool XtpWeichenImportieren(Editor& ed);

}  // namespace trm
