// "xtp-turnouts": the turnouts of an XTrackCAD parameter file written as a turnout list.
#pragma once

#include <string>
#include <vector>

namespace trm::cli {

/// xtp-turnouts IN.xtp OUT.w88 [--scale NAME]: converts, writes the list when a type was
/// taken and prints the taken and skipped counts. 0 done, 1 unreadable input, unwritable
/// output or no type taken, 2 wrong call.
int XtpWeichen(const std::vector<std::string>& args);

}  // namespace trm::cli
