// The "print" and "parts" commands: sheets of a module to scale into a PDF file, and the
// parts list as text or CSV.
#pragma once

#include <string>
#include <vector>

namespace trm::cli {

/// print FILE OUT.pdf --scale N [--paper A4|A3|Letter] [--landscape] [--sheets LIST]
/// [--module M] (args after the command word). Exit codes: 0 written, 1 file error, 2 wrong usage.
int Drucken(const std::vector<std::string>& args, const std::string& datenpfad);

/// parts FILE [--csv]. Exit codes as above.
int Teile(const std::vector<std::string>& args, const std::string& datenpfad);

}  // namespace trm::cli
