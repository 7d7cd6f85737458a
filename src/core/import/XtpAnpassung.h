// A turnout form of a parameter file as our turnout type: its routes laid onto the three arc
// pairs of a TEWeiche, and the type taken only when its computed ends meet the file's ends.
#pragma once

#include <optional>
#include <string>

#include "core/import/XtpWege.h"
#include "core/model/Zeilen.h"

namespace trm {

/// How close a converted turnout's ends must come to the file's: millimetres and radians.
inline constexpr double XtpLageToleranz = 0.01;
inline constexpr double XtpRichtungToleranz = 1e-4;

/// The type record (ZeilenWeiche lines, gauge and sleepers the module's, MaxSwLaenge as given)
/// of a turnout named `name` of form f, when some layout of its routes onto the arc pairs
/// computes, placed at the origin along +x, to ends within the tolerances of the file's main
/// and branch ends; none otherwise.
std::optional<Zeilen> XtpWeichentyp(const XtpWeichenform& f, const std::string& name, double maxSwLaenge);

}  // namespace trm
