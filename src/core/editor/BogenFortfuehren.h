// "Bogen fortführen": the length a straight or an arc needs so that its end reaches a given x
// or y coordinate.
#pragma once

#include <optional>
#include <string>

namespace trm {

class TBogen;

struct TFortfuehrung {
  std::optional<double> laenge;  ///< the new length, none without a result
  std::string meldung;           ///< "Wert nicht möglich", "Wert nicht sinnvoll" or empty
};

/// The new length of b so that its end lies on x = v (`inX`) or y = v. Transition curves and
/// directions parallel to the line give no result.
TFortfuehrung BogenFortfuehren(const TBogen& b, bool inX, double v);

}  // namespace trm
