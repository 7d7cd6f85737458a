// The optimiser's target: where the end of a marked chain should come to lie. It belongs to
// the segment that bears the end mark; the optimiser window points at the same object.
#pragma once

#include <array>

#include "core/model/Geometrie.h"

namespace trm {

struct TOptiEP {
  double OptiX = 0, OptiY = 0;  ///< target point in mm
  double OptiW = 0;             ///< target direction in radians
  std::array<TPunkt, 3> OptiDreieck{};    ///< corners of the marker as last drawn (mm)
  std::array<TPunkt, 2> OptiDistPunkte{};  ///< distance points left, right as last drawn (mm)
  bool DistGezeichnet = false;             ///< the distance points were drawn
};

}  // namespace trm
