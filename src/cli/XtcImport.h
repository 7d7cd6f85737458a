// "xtc-import": an XTrackCAD layout file imported and written as a layout file.
#pragma once

#include <string>
#include <vector>

namespace trm::cli {

/// xtc-import IN.xtc OUT.m88: imports, prints the report and writes OUT. 0 every track object
/// taken, 3 some skipped (listed), 1 unreadable input, unwritable output or a result whose links
/// do not check, 2 wrong call.
int XtcImport(const std::vector<std::string>& args, const std::string& datenpfad);

}  // namespace trm::cli
