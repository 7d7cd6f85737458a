// "check" on an element library file.
#pragma once

#include <cstddef>
#include <string>

#include "core/model/Listenart.h"

namespace trm::cli {

/// "check" on a list file: reads the list and every record in it, prints its header line and
/// the number of types. Throws DateiFehler or LeseFehler with the German message.
int ListePruefen(const std::string& pfad, const TListenart& art);
/// "check" on a component library (".g88"): reads every component, prints their number.
int GeoListePruefen(const std::string& pfad);

}  // namespace trm::cli
