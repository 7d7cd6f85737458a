// The record of a turnout of the basic form R 500, 1:9 for the sleeper tests: a straight pair 2
// of 20 mm and a straight pair 3 of 250 mm; spacing 7,5, width 3, length 30, maximum length 36,
// start distances 0, 7,5 and 7,5.
#pragma once

#include <cmath>

#include "core/model/Zahlformat.h"
#include "core/model/Zeilen.h"

namespace trm::test {

inline const double kAlpha19 = std::atan(1.0 / 9.0);
inline const double kT500 = 500.0 / (std::sqrt(82.0) + 9.0);  // 500·tan(α/2) = 27,6925690687083

inline Zeilen WeichensatzR500() {
  return {"EW 500 1:9",
          "500",
          RealText(kAlpha19),
          "0",
          "255",
          "00000",
          "7,5",
          "3",
          "30",
          "0",
          "",
          "0",
          "0",
          "0",
          "0",
          "0",
          "500",
          "0",
          "0",
          RealText(kT500),
          "20",
          "250",
          "20",
          "250",
          "",
          "",
          "",
          "0",
          "7,5",
          "7,5",
          "0",
          "0",
          "0",
          "0#0#0#0#",
          "00",
          "-1",
          "1",
          "-1",
          "36",
          "NIL",
          "0",
          "0",
          "0",
          "0"};
}

/// The record with line `zeile` (1-based) replaced.
inline Zeilen Mit(Zeilen z, std::size_t zeile, const std::string& text) {
  z[zeile - 1] = text;
  return z;
}

}  // namespace trm::test
