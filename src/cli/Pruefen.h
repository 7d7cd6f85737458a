// The "verify" command: the layout check of a file, as lines or as JSON.
#pragma once

#include <string>
#include <vector>

namespace trm::cli {

/// verify FILE [--json] [--module M] (`args` after the command word, the data folder already
/// chosen; its rule settings are used). Exit codes: 0 no errors (hints allowed), 4 errors,
/// 1 file not readable, 2 wrong usage.
int Pruefen(const std::vector<std::string>& args, const std::string& datenpfad);

}  // namespace trm::cli
