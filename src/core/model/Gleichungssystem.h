// Small dense linear systems, as the fitting steps of the optimiser and the drawing tools solve
// them (a handful of unknowns).
#pragma once

#include <vector>

namespace trm {

/// Solves the n × n system a·x = b by elimination with partial pivoting; false when singular.
bool GleichungssystemLoesen(std::vector<std::vector<double>> a, std::vector<double> b, std::vector<double>& x);

}  // namespace trm
