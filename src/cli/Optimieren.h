// The "optimise" command: the optimiser over segments of one track towards a target.
#pragma once

#include <string>
#include <vector>

namespace trm::cli {

/// optimise IN OUT --module M --track T --first I --last J --target X,Y,DEG [--seed N]
/// (`args` after the command word, the data folder already chosen). Exit codes: 0 success
/// (OUT written), 3 target missed (OUT not written), 1 file error, 2 wrong usage.
int Optimieren(const std::vector<std::string>& args, const std::string& datenpfad);

}  // namespace trm::cli
